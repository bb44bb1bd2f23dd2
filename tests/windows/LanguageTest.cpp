#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include "MainWindowFixture.h"
#include "leveldata/Preferences.h"
#include "platform/QtTranslations.h"
#include "presentation/Contrast.h"
#include "presentation/Looks.h"
#include "presentation/Pictures.h"
#include "presentation/PlayerPreferences.h"
#include "presentation/SettingsWindow.h"

namespace daz::testing {
namespace {

// Every text the main window shows or tells: its widgets' texts, tool tips
// and titles, its menus' titles and its actions' texts and tool tips, in
// the order of the window's tree.
QStringList TextsOf(const MainWindow& window)
{
    QStringList texts;
    const auto add = [&texts](const QObject* object, const char* what, const QString& text) {
        texts << QStringLiteral("%1 %2: %3").arg(object->objectName(), QString::fromLatin1(what), text);
    };
    add(&window, "title", window.windowTitle());
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        add(widget, "title", widget->windowTitle());
        add(widget, "tip", widget->toolTip());
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            add(widget, "text", label->text());
        }
        if (const auto* edit = qobject_cast<const QPlainTextEdit*>(widget)) {
            add(widget, "text", edit->toPlainText());
        }
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            add(widget, "text", button->text());
        }
        if (const auto* menu = qobject_cast<const QMenu*>(widget)) {
            add(widget, "menu", menu->title());
        }
        if (const auto* tabs = qobject_cast<const QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                add(widget, "tab", tabs->tabText(i));
            }
        }
        if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
            for (int i = 0; i < list->count(); ++i) {
                add(widget, "item", list->itemText(i));
            }
        }
        if (const auto* table = qobject_cast<const QTableWidget*>(widget)) {
            for (int i = 0; i < table->columnCount(); ++i) {
                add(widget, "column",
                    table->horizontalHeaderItem(i) ? table->horizontalHeaderItem(i)->text() : QString());
            }
        }
    }
    for (const QAction* action : window.findChildren<QAction*>()) {
        add(action, "text", action->text());
        add(action, "tip", action->toolTip());
    }
    return texts;
}

bool HasChinese(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        // CJK punctuation, ideographs and the full-width forms.
        if ((u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFF00 && u <= 0xFFEF)) {
            return true;
        }
    }
    return false;
}

// Levels named in letters: every Chinese character left is the game's.
const QList<Spec> kLatinLevels{Spec(QStringLiteral("Alpha"), QStringLiteral("a"), 4, 2, 10),
                               Spec(QStringLiteral("Beta"), QStringLiteral("b"), 6, 4, 10)};

class Language : public InMainWindow {
protected:
    // The main window as main opens it: the kept language installed, and
    // the menu's choice installed and kept.
    void OpenWithLanguages(int mode)
    {
        languages = std::make_unique<platform::LanguageSwitch>(QStringList{QStringLiteral("C")}, QLocale::c());
        const Preferences kept = UseKeptLanguage(DataFolders(h.folder.Path()), *languages);
        preference = std::make_unique<PlayerPreferences>(DataFolders(h.folder.Path()), kept, *languages, h.boxes);
        looks = std::make_unique<Looks>(wishes, preference->LessMotion(), preference->HighContrast());
        FollowContrast(*looks);
        Open(mode, {}, kLatinLevels);
        FollowLooks(*looks, h.motion(), h.parts->particles);
        window->SetLanguageChooser(preference->Choice(), [this](const QString& choice) { preference->Choose(choice); });
        window->SetPauseWhenAway(preference->PausesWhenAway());
        window->SetUntimed(preference->Untimed());
        window->SetSettingsOpener([this](QWidget* parent) { OpenSettings(parent, *preference, *window, *looks); });
    }
    void Choose(const char* action)
    {
        Action(action)->trigger();
        QCoreApplication::processEvents(); // Qt posts the language change to every window
    }
    // The game and its window go, as at exit.
    void Close()
    {
        window.reset();
        h.Drop();
        preference.reset();
        languages.reset();
        looks.reset();
        UseHighContrast(false);
    }

    std::unique_ptr<platform::LanguageSwitch> languages;
    std::unique_ptr<PlayerPreferences> preference;
    FakeDesktopWishes wishes;
    std::unique_ptr<Looks> looks;
};

// The pictures with words the window shows: the main menu's button and
// the picture over the board.
std::vector<QImage> WordedPictures(const MainWindow& window)
{
    return {window.Strip()->MenuButton(Toolbar::MenuButton::Main)->pixmap().toImage(),
            window.Overlay()->Picture()->pixmap().toImage()};
}

// English from the menu reaches every text of the window at once, the
// rank, the caption and the tools' counters too, the words on its
// pictures, and of the windows open over it (成绩榜, the help with its
// file's text); Chinese brings back exactly what showed before.
TEST_F(Language, TheMenuSwitchesEveryTextOfTheWindowAndBack)
{
    OpenWithLanguages(2);
    h.OpenRecords(window.get());
    h.folder.Write(QStringLiteral("dazRedme.txt"), "帮助\r\n");
    h.folder.Write(QStringLiteral("dazRedme_en.txt"), "Help\r\n");
    h.Trigger("help");
    QCoreApplication::processEvents(); // the windows over it laid out and shown
    h.round().SetScore(2500);          // a rank of its own
    h.Trigger("hint");                 // and a counter that differs from the start's
    h.round().PauseQuietly();          // and the paused picture over the board
    // Sorted: a window raised on the way changes the order of the tree.
    QStringList chinese = TextsOf(*window);
    chinese.sort();
    ASSERT_TRUE(HasChinese(chinese.join(u'\n')));
    EXPECT_TRUE(Action("languageSystem")->isChecked());
    const std::vector<QImage> chinesePictures = WordedPictures(*window);
    ASSERT_EQ(chinesePictures[1], ImageList1(13).toImage());

    Choose("languageEnglish");
    EXPECT_TRUE(Action("languageEnglish")->isChecked());
    EXPECT_FALSE(Action("languageSystem")->isChecked());
    const QStringList english = TextsOf(*window);
    ASSERT_EQ(english.size(), chinese.size());
    for (const QString& text : english) {
        EXPECT_FALSE(HasChinese(text)) << text.toStdString();
    }
    EXPECT_TRUE(english.contains(QStringLiteral(" text: Help\n")));
    EXPECT_FALSE(HasChinese(window->Board()->Caption()->text()));
    EXPECT_TRUE(window->Board()->Caption()->text().contains(QStringLiteral("Beta"))
                || window->Board()->Caption()->text().contains(QStringLiteral("Alpha")));
    const std::vector<QImage> englishPictures = WordedPictures(*window);
    for (std::size_t i = 0; i < englishPictures.size(); ++i) {
        EXPECT_EQ(englishPictures[i].size(), chinesePictures[i].size()) << i;
        EXPECT_NE(englishPictures[i], chinesePictures[i]) << i;
    }
    EXPECT_EQ(englishPictures[1], ImageList1(13).toImage());

    Choose("languageChinese");
    EXPECT_TRUE(Action("languageChinese")->isChecked());
    QStringList again = TextsOf(*window);
    again.sort();
    ASSERT_EQ(again.size(), chinese.size());
    for (qsizetype i = 0; i < chinese.size(); ++i) {
        EXPECT_EQ(again[i].toStdString(), chinese[i].toStdString());
    }
    EXPECT_TRUE(WordedPictures(*window) == chinesePictures);
}

// The choice is the player's: kept in preferences.ini in the player's
// folder (DAZGame.ini unchanged), it speaks again at the next start; a file
// the game cannot read follows the desktop (Chinese under the C locale).
TEST_F(Language, TheChoiceIsKeptForTheNextStartAndAMalformedFileFollowsTheDesktop)
{
    OpenWithLanguages(2);
    window->close(); // the settings are saved as at exit
    const QByteArray settings = h.folder.Read(QStringLiteral("DAZGame.ini"));
    Choose("languageEnglish");
    EXPECT_EQ(h.folder.Read(QStringLiteral("DAZGame.ini")), settings);
    EXPECT_EQ(ReadPreferences(DataFolders(h.folder.Path())).language, QStringLiteral("en"));
    Close();

    OpenWithLanguages(2);
    EXPECT_EQ(languages->Language(), QStringLiteral("en"));
    EXPECT_TRUE(Action("languageEnglish")->isChecked());
    for (const QString& text : TextsOf(*window)) {
        EXPECT_FALSE(HasChinese(text)) << text.toStdString();
    }
    Choose("languageSystem");
    EXPECT_EQ(ReadPreferences(DataFolders(h.folder.Path())).language, QString());
    Close();

    for (const QByteArray& malformed : {QByteArray("language=en\nlanguage=../../x\n"),
                                        QByteArray("\xff\xfe\x00language=\x01", 13), QByteArray(70 * 1024, 'e')}) {
        h.folder.Write(kPreferencesFile, malformed);
        OpenWithLanguages(2);
        EXPECT_EQ(languages->Language(), QString()) << malformed.left(40).toStdString();
        EXPECT_TRUE(Action("languageSystem")->isChecked());
        EXPECT_TRUE(HasChinese(window->windowTitle()));
        Close();
    }
}

// A choice the player's folder cannot keep (preferences.ini read-only)
// still speaks at once, and a box in the language chosen says that it will
// not be remembered, and why; while saving is off (another copy's folder)
// nothing is written and nothing told.
TEST_F(Language, AChoiceThatCannotBeKeptIsToldAndStillSpeaks)
{
    const QByteArray kept = "[Preferences]\nlanguage=system\n";
    h.folder.Write(kPreferencesFile, kept);
    const QString file = h.folder.Path() + u'/' + kPreferencesFile;
    ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    OpenWithLanguages(2);
    const std::size_t before = h.boxes.shown.size();

    Choose("languageEnglish");
    EXPECT_EQ(languages->Language(), QStringLiteral("en"));
    EXPECT_FALSE(HasChinese(window->windowTitle()));
    ASSERT_EQ(h.boxes.shown.size(), before + 1);
    const platform::MessageRequest& told = h.boxes.shown.back();
    EXPECT_EQ(told.icon, platform::MessageIcon::Critical);
    EXPECT_TRUE(told.text.contains(QStringLiteral("preferences.ini"))) << told.text.toStdString();
    EXPECT_FALSE(HasChinese(told.text + told.caption)) << told.text.toStdString();
    EXPECT_EQ(h.folder.Read(kPreferencesFile), kept);

    preference->DisableSaving();
    ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner));
    Choose("languageChinese");
    EXPECT_TRUE(HasChinese(window->windowTitle()));
    EXPECT_EQ(h.boxes.shown.size(), before + 1);
    EXPECT_EQ(h.folder.Read(kPreferencesFile), kept);
}

// 设置, opened by its key, in the language chosen: unticking 离开时暂停
// and ticking 不限时 from the keyboard apply at once (the focus going
// elsewhere no longer pauses, the level in play turns untimed) and are
// kept beside the language, which stays; the next start keeps them.
// 少动画 and 高对比度 show the desktop's wish and follow it
// while the window is open; ticking 高对比度 turns the windows' palette at
// once and keeps that choice alone, 少动画 staying the desktop's until the
// player ticks it too. The next start keeps both against the desktop.
TEST_F(Language, SettingsApplyAtOnceAndAreKeptBesideTheLanguage)
{
    OpenWithLanguages(2);
    EXPECT_TRUE(window->PausesWhenAway());
    Choose("languageEnglish");
    wishes.Take(true, false);
    bool shown = false;
    // Acts once the window is up, in its own event loop.
    QTimer whenShown;
    QObject::connect(&whenShown, &QTimer::timeout, [&] {
        auto* settings = qobject_cast<SettingsWindow*>(QApplication::activeModalWidget());
        if (settings == nullptr) {
            return;
        }
        whenShown.stop();
        shown = true;
        EXPECT_FALSE(
            HasChinese(settings->windowTitle() + settings->PauseWhenAway()->text() + settings->Untimed()->text()));
        EXPECT_TRUE(settings->PauseWhenAway()->isChecked());
        EXPECT_FALSE(settings->Untimed()->isChecked());
        settings->PauseWhenAway()->setFocus();
        QTest::keyClick(settings->PauseWhenAway(), Qt::Key_Space);
        settings->Untimed()->setFocus();
        QTest::keyClick(settings->Untimed(), Qt::Key_Space);
        EXPECT_TRUE(settings->LessMotion()->isChecked()) << "not the desktop's wish";
        EXPECT_FALSE(settings->HighContrast()->isChecked());
        settings->HighContrast()->setFocus();
        QTest::keyClick(settings->HighContrast(), Qt::Key_Space);
        EXPECT_TRUE(HighContrastInUse());
        EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(Qt::black));
        EXPECT_EQ(ReadPreferences(DataFolders(h.folder.Path())).lessMotion, std::nullopt);
        wishes.Take(false, false);
        EXPECT_FALSE(settings->LessMotion()->isChecked());
        EXPECT_TRUE(settings->HighContrast()->isChecked());
        settings->LessMotion()->setFocus();
        QTest::keyClick(settings->LessMotion(), Qt::Key_Space);
        EXPECT_TRUE(looks->LessMotion());
        QTest::keyClick(settings, Qt::Key_Escape);
    });
    whenShown.start(0);
    Key(Qt::Key_Comma, Qt::ControlModifier);
    whenShown.stop();
    ASSERT_TRUE(shown);
    EXPECT_EQ(h.round().GetPhase(), Phase::Paused) << "the level waits while the player chooses";
    h.round().Continue();
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_EQ(h.round().GetPhase(), Phase::Playing);
    EXPECT_TRUE(h.round().Untimed());
    EXPECT_TRUE(h.Caption().contains(QStringLiteral("untimed"))) << h.Caption().toStdString();
    const Preferences kept = ReadPreferences(DataFolders(h.folder.Path()));
    EXPECT_EQ(kept.language, QStringLiteral("en"));
    EXPECT_FALSE(kept.pauseWhenAway);
    EXPECT_TRUE(kept.untimed);
    EXPECT_EQ(kept.highContrast, std::optional(true));
    EXPECT_EQ(kept.lessMotion, std::optional(true));
    Close();

    OpenWithLanguages(2);
    EXPECT_FALSE(window->PausesWhenAway());
    EXPECT_TRUE(h.round().Untimed());
    EXPECT_TRUE(HighContrastInUse());
    EXPECT_TRUE(looks->LessMotion());
}

} // namespace
} // namespace daz::testing
