#include "QtTranslations.h"

#include <QLibraryInfo>
#include <QTranslator>

namespace daz::platform {

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

} // namespace daz::platform
