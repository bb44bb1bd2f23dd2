// The game's language follows the desktop's preferred languages, unless
// the player chose one in the game: English
// comes out of the shipped translation, and under the C locale or a
// language without a translation the texts stay the Chinese they are
// written in.
#include <QCoreApplication>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include "platform/MessageBoxes.h"
#include "platform/QtTranslations.h"
#include "presentation/FileErrorText.h"
#include "presentation/GameTexts.h"
#include "presentation/ProblemTexts.h"

namespace daz {
namespace {

TEST(Language, TheFirstPreferredLanguageThatIsChineseOrTranslatedWins)
{
    const struct {
        QStringList preferred;
        QString chosen;
    } cases[] = {
        {{QStringLiteral("en-GB"), QStringLiteral("en-Latn-GB")}, QStringLiteral("en")},
        {{QStringLiteral("de"), QStringLiteral("de-DE"), QStringLiteral("en"), QStringLiteral("en-US")},
         QStringLiteral("en")},
        {{QStringLiteral("zh-CN"), QStringLiteral("zh-Hans-CN"), QStringLiteral("en")}, {}},
        {{QStringLiteral("zh_TW"), QStringLiteral("en_US")}, {}},
        {{QStringLiteral("C")}, {}},
        {{QStringLiteral("fr"), QStringLiteral("fr-FR")}, {}},
        {{}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::ChooseLanguage(c.preferred), c.chosen) << c.preferred.join(u' ').toStdString();
    }
    // The player's choice in the game wins over the desktop's; a choice the
    // game has no translation of, or none, follows the desktop.
    const QStringList english{QStringLiteral("en-US")};
    const QLocale englishLocale(QLocale::English, QLocale::UnitedStates);
    const platform::Translations chinese = platform::LoadTranslationsFor(QStringLiteral("zh"), english, englishLocale);
    EXPECT_EQ(chinese.language, QString());
    EXPECT_EQ(chinese.game, nullptr);
    EXPECT_EQ(platform::LoadTranslationsFor(QStringLiteral("en"), {QStringLiteral("C")}, QLocale::c()).language,
              QStringLiteral("en"));
    EXPECT_EQ(platform::LoadTranslationsFor({}, english, englishLocale).language, QStringLiteral("en"));
    EXPECT_EQ(platform::LoadTranslationsFor(QStringLiteral("fr"), english, englishLocale).language,
              QStringLiteral("en"));
    EXPECT_EQ(platform::LoadTranslationsFor(QStringLiteral("fr"), {QStringLiteral("C")}, QLocale::c()).language,
              QString());
}

TEST(Language, EnglishTextsComeOutInEnglishAndTheCLocaleKeepsTheChinese)
{
    const auto texts = [] {
        return QStringList{
            ModeCaption(4),
            RankTitle(9),
            DurationText(83),
            FileErrorText(FileError::Of(FileError::Cause::ReadOnly)
                              .While(FileError::Doing::Writing, QStringLiteral("/x/DAZGame.ini"))),
            LevelProblemText({LevelProblemKind::PictureMissing, QStringLiteral("3.gif")}),
            KeptRoundProblemText({KeptRoundProblemKind::NotKeptRound}),
            platform::ApplicationTitle(),
            QCoreApplication::translate("QPlatformTheme", "Cancel"),
        };
    };
    const QRegularExpression chinese(QStringLiteral("[\\x{3000}-\\x{303f}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    {
        const platform::Translations english = platform::LoadTranslations(
            {QStringLiteral("en-US"), QStringLiteral("en")}, QLocale::c());
        ASSERT_EQ(english.language, QStringLiteral("en"));
        ASSERT_NE(english.game, nullptr) << "translations/daz_en.ts is not built into the program";
        english.Install();
        const QStringList read = texts();
        EXPECT_EQ(read.mid(0, 4), (QStringList{QStringLiteral("Extreme Mode"), QStringLiteral("10. Virgo"),
                                               QStringLiteral("1 min 23 s"),
                                               QStringLiteral("Cannot write the file “/x/DAZGame.ini”: the file "
                                                              "is read-only")}));
        for (const QString& text : read) {
            EXPECT_FALSE(text.contains(chinese)) << text.toStdString();
        }
    }
    const platform::Translations c = platform::LoadTranslations({QStringLiteral("C")}, QLocale::c());
    EXPECT_TRUE(c.language.isEmpty());
    EXPECT_EQ(c.game, nullptr);
    c.Install();
    const QStringList read = texts();
    EXPECT_EQ(read.mid(0, 4),
              (QStringList{QStringLiteral("极限模式"), QStringLiteral("１０．处女座"), QStringLiteral("1分23秒"),
                           QStringLiteral("无法写入文件“/x/DAZGame.ini”：文件是只读的")}));
    // Qt's own buttons too, where Qt's translations are installed.
    if (c.qt) {
        EXPECT_EQ(read.last(), QStringLiteral("取消"));
    }
}

} // namespace
} // namespace daz
