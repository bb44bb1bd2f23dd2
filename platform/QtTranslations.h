#pragma once

#include <memory>

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace daz::platform {

// Qt's own texts (the buttons of message boxes, the file and colour
// dialogs) in the player's language: Qt's translation for the locale, and
// Simplified Chinese, the game's own language, where the locale is C or
// English or Qt has no translation for it. Nothing when Qt's translations
// are not installed; the caller installs what it gets.
std::unique_ptr<QTranslator> LoadQtTranslation(const QLocale& locale);

// The game's language, from the desktop's preferred languages as
// QLocale::uiLanguages() lists them ("en-GB", "zh-Hans-CN", "C"): the first
// that is Chinese or that the game has a translation of wins. Empty for
// Chinese, the language the game is written in, also when none matches;
// otherwise the name of the translation, e.g. "en".
QString ChooseLanguage(const QStringList& preferred);

// The translators of the game's texts and of Qt's own for the language
// ChooseLanguage picks; either may be null. For Chinese the game's texts
// stay as written and Qt's are LoadQtTranslation's for the system locale.
struct Translations {
    QString language;
    std::unique_ptr<QTranslator> game;
    std::unique_ptr<QTranslator> qt;

    // Into the application, for as long as this lives, and out of it.
    void Install() const;
    void Remove() const;
};
Translations LoadTranslations(const QStringList& preferred, const QLocale& system);

// The player's choice of language, as the preferences keep it: empty to
// follow the desktop (LoadTranslations), "zh" for Chinese whatever the
// desktop, else the name of a translation ("en").
inline const QString kChineseChoice = QStringLiteral("zh");
Translations LoadTranslationsFor(const QString& choice, const QStringList& preferred, const QLocale& system);

// The translators the application speaks with, switched at run time: the
// old ones go out, the new ones in, and Qt tells every widget
// (QEvent::LanguageChange) to set its texts again.
class LanguageSwitch {
public:
    LanguageSwitch(QStringList preferred, QLocale system);
    ~LanguageSwitch();
    LanguageSwitch(const LanguageSwitch&) = delete;
    LanguageSwitch& operator=(const LanguageSwitch&) = delete;

    // Installs the translators of the choice, removing those installed
    // before.
    void Use(const QString& choice);
    // The choice in use, and the language it gave (empty for Chinese).
    const QString& Choice() const { return choice_; }
    const QString& Language() const { return current_.language; }

private:
    QStringList preferred_;
    QLocale system_;
    QString choice_;
    Translations current_;
};

} // namespace daz::platform
