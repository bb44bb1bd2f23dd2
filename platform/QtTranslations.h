#pragma once

#include <memory>

#include <QLocale>

class QTranslator;

namespace daz::platform {

// Qt's own texts (the buttons of message boxes, the file and colour
// dialogs) in the player's language: Qt's translation for the locale, and
// Simplified Chinese, the game's own language, where the locale is C or
// English or Qt has no translation for it. Nothing when Qt's translations
// are not installed; the caller installs what it gets.
std::unique_ptr<QTranslator> LoadQtTranslation(const QLocale& locale);

} // namespace daz::platform
