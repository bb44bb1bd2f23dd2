#include <algorithm>

#include <QComboBox>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "ToolFolder.h"
#include "platform/QtTranslations.h"
#include "presentation/leveltools/FolderChooserWindow.h"
#include "presentation/leveltools/LevelEditorWindow.h"
#include "presentation/leveltools/LevelModifierWindow.h"
#include "presentation/leveltools/PictureNamesWindow.h"
#include "presentation/leveltools/ToolWidgets.h"

namespace daz {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;
using tools::Role;

void Hover(QWidget* button)
{
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(button, &enter);
}

void MoveOverBackground(QWidget* window)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &move);
}

class ToolWindows : public testing::ToolFolderTest {};

TEST_F(ToolWindows, TheEditorOpensWithItsFieldsAndLimits)
{
    LevelEditorWindow window(context, nullptr);
    EXPECT_EQ(window.windowTitle(), "霁岚关卡编辑器2.0.0");
    EXPECT_EQ(window.size(), QSize(toolwindow::editor::kWidth, toolwindow::editor::kHeight));

    EXPECT_EQ(window.Line(Role::LevelName)->maxLength(), 38);
    EXPECT_EQ(window.Line(Role::PhotoSum)->maxLength(), 2);
    EXPECT_EQ(window.Line(Role::MaxX)->maxLength(), 2);
    EXPECT_EQ(window.Line(Role::MaxY)->maxLength(), 2);
    EXPECT_EQ(window.Line(Role::Maker)->maxLength(), 12);
    EXPECT_TRUE(window.Line(Role::SourceFolder)->isReadOnly());
    EXPECT_TRUE(window.Line(Role::Background)->isReadOnly());
    EXPECT_TRUE(window.Line(Role::Music)->isReadOnly());
    EXPECT_EQ(window.Line(Role::MaxX)->text(), "12");
    EXPECT_EQ(window.Line(Role::MaxY)->text(), "8");
    ASSERT_EQ(window.List(Role::Effect)->count(), 6);
    EXPECT_EQ(window.List(Role::Effect)->itemText(0), "没有任何效果");
    EXPECT_EQ(window.List(Role::Effect)->itemText(5), "闪烁的星星");
    EXPECT_EQ(window.List(Role::Effect)->currentIndex(), 0);
}

// Over a button its hover picture shows; over the window's background all
// buttons show their rest pictures again.
TEST_F(ToolWindows, PictureButtonsSwapTheirPicturesOnHover)
{
    LevelEditorWindow editor(context, nullptr);
    Hover(editor.Button(Role::Ok));
    Hover(editor.Button(Role::SourceButton));
    EXPECT_TRUE(editor.Button(Role::Ok)->ShowsHover());
    EXPECT_TRUE(editor.Button(Role::SourceButton)->ShowsHover());
    EXPECT_FALSE(editor.Button(Role::Esc)->ShowsHover());
    MoveOverBackground(&editor);
    EXPECT_FALSE(editor.Button(Role::Ok)->ShowsHover());
    EXPECT_FALSE(editor.Button(Role::SourceButton)->ShowsHover());

    LevelModifierWindow modifier(context, nullptr);
    Hover(modifier.Button(Role::MusicButton));
    EXPECT_TRUE(modifier.Button(Role::MusicButton)->ShowsHover());
    MoveOverBackground(&modifier);
    EXPECT_FALSE(modifier.Button(Role::MusicButton)->ShowsHover());
}

bool HasChinese(const QString& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x2E80 && c.unicode() <= 0x9FFF; });
}

// The words over the windows' pictures are labels: each field but the
// buttons has its caption, the buddy of its field, named as the field; the
// title, the notes and the OK and Close pictures follow the language, and
// every caption and note fits its place.
TEST_F(ToolWindows, TheWordsOverThePicturesAreLabelsThatFollowTheLanguage)
{
    platform::LanguageSwitch languages(QStringList{QStringLiteral("C")}, QLocale::c());
    LevelEditorWindow editor(context, nullptr);
    LevelModifierWindow modifier(context, nullptr);
    EXPECT_EQ(editor.Caption(Role::LevelName)->buddy(), editor.Line(Role::LevelName));
    EXPECT_EQ(editor.Caption(Role::LevelName)->text(), "关卡名称");
    EXPECT_EQ(editor.Caption(Role::Effect)->buddy(), editor.List(Role::Effect));
    EXPECT_EQ(editor.Caption(Role::Colour)->buddy(), editor.Swatch());
    EXPECT_EQ(modifier.Caption(Role::LevelList)->buddy(), modifier.List(Role::LevelList));
    EXPECT_EQ(editor.Caption(Role::Ok), nullptr);
    EXPECT_EQ(editor.Caption(Role::SourceButton), nullptr);
    EXPECT_EQ(editor.findChild<QLabel*>(QStringLiteral("heading"))->text(), "霁岚关卡编辑器");
    const QImage chineseOk = editor.Button(Role::Ok)->RestPicture().toImage();

    for (const char* language : {"en", "zh"}) {
        languages.Use(QString::fromLatin1(language));
        QCoreApplication::processEvents();
        const bool english = language == std::string("en");
        for (LevelToolWindow* window : std::initializer_list<LevelToolWindow*>{&editor, &modifier}) {
            const QList<QLabel*> labels = window->findChildren<QLabel*>();
            ASSERT_GE(labels.size(), 10);
            for (const QLabel* label : labels) {
                EXPECT_NE(HasChinese(label->text()), english) << label->text().toStdString();
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
                    << label->text().toStdString();
            }
            EXPECT_NE(HasChinese(window->List(Role::Effect)->itemText(1)), english);
        }
        EXPECT_EQ(editor.Caption(Role::MaxX)->text(), editor.Line(Role::MaxX)->accessibleName());
        EXPECT_EQ(editor.Button(Role::Ok)->RestPicture().toImage() == chineseOk, !english);
        EXPECT_EQ(editor.Button(Role::Ok)->RestPicture().deviceIndependentSize().toSize(),
                  QSize(toolwindow::kWideButtonWidth, toolwindow::kWideButtonHeight));
    }
}

// A refusal puts the caret into the field it names, with its text
// selected where the refusal says so.
TEST_F(ToolWindows, TheEditorSendsTheCaretToTheRefusedField)
{
    LevelEditorWindow window(context, nullptr);
    QTest::mouseClick(window.Button(Role::Ok), Qt::LeftButton);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "请输入一个关卡名称！");
    EXPECT_EQ(window.focusWidget(), window.Line(Role::LevelName));

    window.Line(Role::LevelName)->setText(QStringLiteral("星空"));
    window.Line(Role::SourceFolder)->setText(SourceFolder());
    QTest::keyClicks(window.Line(Role::PhotoSum), QStringLiteral("9x"));
    QTest::mouseClick(window.Button(Role::Ok), Qt::LeftButton);
    EXPECT_EQ(boxes.shown.back().text, "你准备了几张关卡图片（不含蒙版）只能是数字！");
    EXPECT_EQ(window.focusWidget(), window.Line(Role::PhotoSum));
    EXPECT_EQ(window.Line(Role::PhotoSum)->selectedText(), "9x");
    EXPECT_EQ(window.result(), QDialog::Rejected);
}

TEST_F(ToolWindows, TheEditorClosesAfterMakingTheLevel)
{
    LevelEditorWindow window(context, nullptr);
    window.Line(Role::LevelName)->setText(QStringLiteral("星空"));
    window.Line(Role::SourceFolder)->setText(SourceFolder());
    QTest::keyClicks(window.Line(Role::PhotoSum), QStringLiteral("12"));
    window.List(Role::Effect)->setCurrentIndex(4);
    dialogs.colours = {0x00FF00};
    QTest::mouseClick(window.Swatch(), Qt::LeftButton);
    WriteBytes(Outside("tune.wav"), "tune");
    dialogs.files = {Outside("tune.wav")};
    QTest::mouseClick(window.Button(Role::MusicButton), Qt::LeftButton);
    EXPECT_EQ(window.Line(Role::Music)->text(), Outside("tune.wav"));

    QTest::mouseClick(window.Button(Role::Ok), Qt::LeftButton);

    EXPECT_EQ(boxes.shown.back().text, "关卡文件生成，已加入关卡菜单！");
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(ReadBytes(Program("gameg/星空/setme.ini")), "[GameSet]\r\nMaxX=12\r\nMaxY=8\r\nPhotoSum=12\r\n"
                                                          "GBackColor=65280\r\nMediaName=tune.wav\r\nParticle=4\r\n");
}

TEST_F(ToolWindows, TheModifierFillsTheFieldsOfTheChosenLevel)
{
    WriteBytes(Program("levels/moon/setme.ini"),
               "[GameSet]\r\nMaxX=6\r\nMaxY=5\r\nPhotoSum=10\r\nGBackColor=255\r\nMediaName=m.mp3\r\nParticle=3\r\n");
    LevelModifierWindow window(context, nullptr);
    window.show();
    EXPECT_EQ(window.windowTitle(), "霁岚关卡修改器1.0.0");
    ASSERT_EQ(window.List(Role::LevelList)->count(), 2);
    EXPECT_EQ(window.List(Role::LevelList)->itemText(1), "2．月亮");
    EXPECT_EQ(window.List(Role::LevelList)->currentIndex(), -1);
    EXPECT_EQ(window.List(Role::Effect)->currentIndex(), -1);
    EXPECT_FALSE(window.Line(Role::Background)->isReadOnly());

    QTest::mouseClick(window.Button(Role::Ok), Qt::LeftButton);
    EXPECT_EQ(boxes.shown.back().text, "哈哈！你还没有选择要修改的关卡呢！");
    EXPECT_EQ(window.focusWidget(), window.List(Role::LevelList));

    window.List(Role::LevelList)->setCurrentIndex(1);
    EXPECT_EQ(window.Line(Role::MaxX)->text(), "6");
    EXPECT_EQ(window.Line(Role::MaxY)->text(), "5");
    EXPECT_EQ(window.Line(Role::Music)->text(), "m.mp3");
    EXPECT_EQ(window.List(Role::Effect)->currentIndex(), 3);
    EXPECT_EQ(window.Modifier().fields.backColour, 255);

    window.Line(Role::MaxY)->setText(QStringLiteral("8"));
    QTest::mouseClick(window.Button(Role::Ok), Qt::LeftButton);
    EXPECT_EQ(boxes.shown.back().text, "当前关卡修改成功！");
    EXPECT_TRUE(ReadBytes(Program("levels/moon/setme.ini")).contains("\r\nMaxY=8\r\n"));
    EXPECT_TRUE(window.isVisible()); // open for further changes
}

// The modifier lists the shipped levels by their names in the game's
// language and a player's by the name given; a switch of language renames
// them in place, the chosen level kept.
TEST_F(ToolWindows, TheModifierListsShippedLevelsInTheGamesLanguage)
{
    QByteArray catalogue = testing::kGameIni;
    catalogue.replace("MenuName1=小星星\r\nMenuPath1=\\levels\\star\\",
                      "MenuName1=十二生肖\r\nMenuPath1=\\levels\\02-zodiac\\");
    WriteBytes(Program("DAZGame.ini"), catalogue);
    WriteBytes(Program("levels/moon/setme.ini"),
               "[GameSet]\r\nMaxX=6\r\nMaxY=5\r\nPhotoSum=10\r\nGBackColor=255\r\nMediaName=\r\nParticle=0\r\n");
    platform::LanguageSwitch languages({QStringLiteral("C")}, QLocale::c());
    languages.Use(QStringLiteral("en"));
    LevelModifierWindow window(context, nullptr);
    window.show();
    QComboBox* list = window.List(Role::LevelList);
    const auto items = [list] {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i) {
            texts << list->itemText(i);
        }
        return texts;
    };
    EXPECT_EQ(items(), (QStringList{"1. The Chinese Zodiac", "2. 月亮"}));
    list->setCurrentIndex(1);

    languages.Use(platform::kChineseChoice);
    QCoreApplication::processEvents(); // Qt posts the language change to every window
    EXPECT_EQ(items(), (QStringList{"1．十二生肖", "2．月亮"}));
    EXPECT_EQ(list->currentIndex(), 1);
    EXPECT_EQ(window.Modifier().ChosenLevel(), 1);
    EXPECT_EQ(window.Line(Role::MaxX)->text(), "6");
    EXPECT_TRUE(boxes.shown.empty());
}

// Each tool window works without the mouse: Tab visits the fields from top
// to bottom with each "…" button right after its field, Return presses the
// button that has the focus or else 确定, and Esc closes the window.
TEST_F(ToolWindows, TheToolWindowsWorkByKeyboard)
{
    const auto walk = [](QDialog& window, const std::vector<QWidget*>& order) {
        window.show();
        order.front()->setFocus();
        for (std::size_t i = 1; i < order.size(); ++i) {
            QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(window.focusWidget(), order[i]) << "stop " << i << " of " << window.windowTitle().toStdString();
        }
    };

    LevelEditorWindow editor(context, nullptr);
    walk(editor, {editor.Line(Role::LevelName), editor.Line(Role::SourceFolder), editor.Button(Role::SourceButton),
                  editor.Line(Role::PhotoSum), editor.Line(Role::MaxX), editor.Line(Role::MaxY), editor.Swatch(),
                  editor.Line(Role::Background), editor.Button(Role::BackgroundButton), editor.Line(Role::Music),
                  editor.Button(Role::MusicButton), editor.List(Role::Effect), editor.Line(Role::Maker),
                  editor.Button(Role::NamesButton), editor.Button(Role::Ok), editor.Button(Role::Esc)});

    // The names window has a line for each picture the count gives; the
    // names typed there are the editor's, in the player's language.
    editor.Line(Role::PhotoSum)->setText(QStringLiteral("3"));
    QTimer namer;
    namer.callOnTimeout([&namer] {
        auto* window = qobject_cast<PictureNamesWindow*>(QApplication::activeModalWidget());
        if (window == nullptr) {
            return;
        }
        namer.stop();
        const QList<QLineEdit*> lines = window->findChildren<QLineEdit*>();
        ASSERT_EQ(lines.size(), 3);
        lines[1]->setText(QStringLiteral("北斗"));
        QTest::keyClick(lines[1], Qt::Key_Return);
    });
    namer.start(10);
    editor.Button(Role::NamesButton)->setFocus();
    QTest::keyClick(editor.Button(Role::NamesButton), Qt::Key_Space);
    EXPECT_EQ(editor.Editor().fields.names.byLanguage.value(QStringLiteral("zh")),
              (QStringList{QString(), QStringLiteral("北斗")}));

    dialogs.colours = {0x00FF00};
    editor.Swatch()->setFocus();
    QTest::keyClick(editor.Swatch(), Qt::Key_Return);
    EXPECT_EQ(editor.Editor().fields.backColour, 0x00FF00);
    EXPECT_TRUE(boxes.shown.empty());

    editor.Line(Role::PhotoSum)->setFocus();
    QTest::keyClick(editor.Line(Role::PhotoSum), Qt::Key_Return);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "请输入一个关卡名称！");
    EXPECT_EQ(editor.focusWidget(), editor.Line(Role::LevelName));

    QTest::keyClick(editor.Line(Role::LevelName), Qt::Key_Escape);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(editor.result(), QDialog::Rejected);

    LevelModifierWindow modifier(context, nullptr);
    walk(modifier, {modifier.List(Role::LevelList), modifier.Line(Role::MaxX), modifier.Line(Role::MaxY),
                    modifier.Swatch(), modifier.Line(Role::Background), modifier.Button(Role::BackgroundButton),
                    modifier.Line(Role::Music), modifier.Button(Role::MusicButton), modifier.List(Role::Effect),
                    modifier.Button(Role::Ok), modifier.Button(Role::Esc)});
    modifier.Line(Role::MaxY)->setFocus();
    QTest::keyClick(modifier.Line(Role::MaxY), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(boxes.shown.back().text, "哈哈！你还没有选择要修改的关卡呢！");
    QTest::keyClick(modifier.List(Role::LevelList), Qt::Key_Escape);
    EXPECT_FALSE(modifier.isVisible());
}

// Answers the folder chooser as soon as it waits for the user, after typing
// a path into its field when one is given.
void AnswerChooser(bool confirm, const QString& typed = QString())
{
    QTimer::singleShot(0, [confirm, typed] {
        auto* chooser = qobject_cast<FolderChooserWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        if (!typed.isEmpty()) {
            chooser->PathField()->clear();
            QTest::keyClicks(chooser->PathField(), typed);
        }
        if (confirm) {
            chooser->accept();
        } else {
            chooser->reject();
        }
    });
}

TEST_F(ToolWindows, TheSourceButtonTakesThePathOfTheFolderChooser)
{
    LevelEditorWindow window(context, nullptr);
    AnswerChooser(true);
    QTest::mouseClick(window.Button(Role::SourceButton), Qt::LeftButton);
    EXPECT_EQ(window.Line(Role::SourceFolder)->text(), ProgramFolder());

    AnswerChooser(false, QStringLiteral("/elsewhere"));
    QTest::mouseClick(window.Button(Role::SourceButton), Qt::LeftButton);
    EXPECT_EQ(window.Line(Role::SourceFolder)->text(), ProgramFolder());

    AnswerChooser(true, SourceFolder());
    QTest::mouseClick(window.Button(Role::SourceButton), Qt::LeftButton);
    EXPECT_EQ(window.Line(Role::SourceFolder)->text(), SourceFolder());
}

// The program's own pictures are built in, each of the size its window's
// layout gives it.
TEST_F(ToolWindows, ButtonPicturesComeFromTheResources)
{
    for (const char* name : {"ok.png", "ok-hover.png", "esc.png", "esc-hover.png"}) {
        EXPECT_EQ(tools::ToolPicture(QString::fromLatin1(name)).size(),
                  QSize(toolwindow::kWideButtonWidth, toolwindow::kWideButtonHeight))
            << name;
    }
    for (const char* name : {"open.png", "open-hover.png"}) {
        EXPECT_EQ(tools::ToolPicture(QString::fromLatin1(name)).size(),
                  QSize(toolwindow::kOpenButtonWidth, toolwindow::kOpenButtonHeight))
            << name;
    }
    EXPECT_EQ(tools::ToolPicture("editor-background.png").size(),
              QSize(toolwindow::editor::kWidth, toolwindow::editor::kHeight));
    EXPECT_EQ(tools::ToolPicture("modifier-background.png").size(),
              QSize(toolwindow::modifier::kWidth, toolwindow::modifier::kHeight));
}

TEST_F(ToolWindows, TheFolderChooserGivesBackItsPathField)
{
    FolderChooserWindow window(ProgramFolder(), boxes, nullptr);
    EXPECT_EQ(window.windowTitle(), "请选择你制作好的关卡图片及蒙版所在目录：");
    EXPECT_EQ(window.PathField()->text(), ProgramFolder());
    EXPECT_EQ(window.Path(), ProgramFolder());

    window.PathField()->clear();
    QTest::keyClicks(window.PathField(), QStringLiteral("/typed/by hand"));
    EXPECT_EQ(window.Path(), "/typed/by hand");
}

} // namespace
} // namespace daz
