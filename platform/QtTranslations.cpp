#include "QtTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>
#include <utility>

namespace daz::platform {

namespace {

// Where the build puts the compiled translations (translations/), one
// daz_<language>.qm each.
const QString kGameTranslations = QStringLiteral(":/translations");

QStringList ShippedLanguages()
{
    QStringList languages;
    const QStringList files = QDir(kGameTranslations).entryList({QStringLiteral("daz_*.qm")}, QDir::Files);
    for (const QString& file : files) {
        languages << file.mid(4, file.size() - 7);
    }
    return languages;
}

} // namespace

std::unique_ptr<QTranslator> LoadQtTranslation(const QLocale& locale)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto translator = std::make_unique<QTranslator>();
    // Qt's English texts are its untranslated ones: an English player of
    // a Chinese game reads Chinese too.
    const bool english = locale.language() == QLocale::C || locale.language() == QLocale::English;
    if (!english && translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
        return translator;
    }
    if (translator->load(QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China),
                         QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
        return translator;
    }
    return nullptr;
}

QString ChooseLanguage(const QStringList& preferred)
{
    const QStringList shipped = ShippedLanguages();
    for (QString name : preferred) {
        name.replace(u'-', u'_');
        if (name.section(u'_', 0, 0).compare(QStringLiteral("zh"), Qt::CaseInsensitive) == 0) {
            return {};
        }
        // From the most particular to the language alone: en_Latn_GB,
        // en_Latn, en.
        while (!name.isEmpty()) {
            if (shipped.contains(name)) {
                return name;
            }
            name.truncate(std::max<qsizetype>(0, name.lastIndexOf(u'_')));
        }
    }
    return {};
}

void Translations::Install() const
{
    for (QTranslator* translator : {game.get(), qt.get()}) {
        if (translator) {
            QCoreApplication::installTranslator(translator);
        }
    }
}

void Translations::Remove() const
{
    for (QTranslator* translator : {game.get(), qt.get()}) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
        }
    }
}

namespace {

// The translators of a language; for Chinese, Qt's own for the locale given.
Translations LoadLanguage(const QString& language, const QLocale& chineseQt)
{
    Translations loaded;
    loaded.language = language;
    if (loaded.language.isEmpty()) {
        loaded.qt = LoadQtTranslation(chineseQt);
        return loaded;
    }
    loaded.game = std::make_unique<QTranslator>();
    if (!loaded.game->load(QStringLiteral("daz_") + loaded.language, kGameTranslations)) {
        loaded.game.reset();
    }
    loaded.qt = std::make_unique<QTranslator>();
    if (!loaded.qt->load(QStringLiteral("qtbase_") + loaded.language,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        loaded.qt.reset();
    }
    return loaded;
}

} // namespace

Translations LoadTranslations(const QStringList& preferred, const QLocale& system)
{
    return LoadLanguage(ChooseLanguage(preferred), system);
}

Translations LoadTranslationsFor(const QString& choice, const QStringList& preferred, const QLocale& system)
{
    if (choice.isEmpty()) {
        return LoadTranslations(preferred, system);
    }
    if (choice == kChineseChoice) {
        // Qt's buttons in Chinese too, whatever the desktop speaks.
        return LoadLanguage({}, QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China));
    }
    // A choice the game has no translation of (a file edited by hand)
    // follows the desktop.
    const QString language = ChooseLanguage({choice});
    return language.isEmpty() ? LoadTranslations(preferred, system) : LoadLanguage(language, system);
}

LanguageSwitch::LanguageSwitch(QStringList preferred, QLocale system)
    : preferred_(std::move(preferred)), system_(std::move(system))
{
}

LanguageSwitch::~LanguageSwitch()
{
    current_.Remove();
}

void LanguageSwitch::Use(const QString& choice)
{
    Translations next = LoadTranslationsFor(choice, preferred_, system_);
    current_.Remove();
    current_ = std::move(next);
    choice_ = choice;
    current_.Install();
}

} // namespace daz::platform
