#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <tuple>

#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "FakeMessageBoxes.h"
#include "FileBytes.h"
#include "leveldata/IniFile.h"
#include "leveltools/LevelEditor.h"
#include "leveltools/LevelToolChecks.h"
#include "leveltools/LevelToolContext.h"
#include "presentation/ProblemTexts.h"

namespace daz::testing {

// A valid 1 × 1 GIF picture, enough for every tile and mask (fromHex skips
// the blanks).
inline const QByteArray kTinyGif = QByteArray::fromHex(
    "474946383961 0100 0100 800000 ffffff 000000 21f904 0100000000 2c 00000000 01000100 00 0202 4401 00 3b");

inline const QByteArray kGameIni = "[GameMenu]\r\nMenu=2\r\nMenuName1=小星星\r\nMenuPath1=\\levels\\star\\\r\n"
                                   "MenuName2=月亮\r\nMenuPath2=\\levels\\moon\\\r\n"
                                   "[UserSet]\r\nMediaON=True\r\nSoundON=True\r\nUserGK=1\r\nUserJF=0\r\n";

// The files of a folder, sorted; sub-folders end with "/".
inline QStringList Listing(const QString& folder)
{
    QStringList names;
    for (const QFileInfo& info :
         QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name)) {
        names << info.fileName() + (info.isDir() ? QStringLiteral("/") : QString());
    }
    return names;
}

// A program folder for each test: DAZGame.ini with two levels, the empty
// "gameg" and "media" folders, and next to it a folder of pictures ready
// for a new level (1.gif … 12.gif, mb1.gif, mb2.gif).
class ToolFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        QDir(root.path()).mkpath(QStringLiteral("program/gameg"));
        QDir(root.path()).mkpath(QStringLiteral("program/media"));
        WriteBytes(Program("DAZGame.ini"), kGameIni);
        for (int i = 1; i <= 12; ++i) {
            WriteBytes(Source(QStringLiteral("%1.gif").arg(i)), kTinyGif + QByteArray::number(i));
        }
        WriteBytes(Source("mb1.gif"), kTinyGif + "mb1");
        WriteBytes(Source("mb2.gif"), kTinyGif + "mb2");
    }

    QString ProgramFolder() const { return root.path() + QStringLiteral("/program"); }
    QString Program(const QString& relative = {}) const { return ProgramFolder() + u'/' + relative; }
    QString SourceFolder() const { return root.path() + QStringLiteral("/pictures"); }
    QString Source(const QString& name) const { return SourceFolder() + u'/' + name; }
    QString Outside(const QString& relative) const { return root.path() + u'/' + relative; }

    // The first check the tool's entries fail is this one.
    template <typename Tool>
    static void ExpectRefusal(Tool& tool, const QString& message, ToolField caret, bool select)
    {
        const auto refusal = tool.Validate();
        ASSERT_TRUE(refusal.has_value()) << message.toStdString();
        EXPECT_EQ(refusal->message, message);
        EXPECT_EQ(refusal->caret, caret) << message.toStdString();
        EXPECT_EQ(refusal->select, select) << message.toStdString();
    }

    // Both tools check the board size alike, across then down: each field
    // refused empty, as no number, and as no whole number from 1 to 19.
    // Both fields are left at 19, which the evenness test refuses.
    template <typename Tool>
    static void ExpectSizeRefusals(Tool& tool)
    {
        const std::tuple<QString*, QString, ToolField> sizes[] = {
            {&tool.fields.maxX, QStringLiteral("图片横向卡片排列数"), ToolField::MaxX},
            {&tool.fields.maxY, QStringLiteral("图片纵向卡片排列数"), ToolField::MaxY},
        };
        for (const auto& [field, label, caret] : sizes) {
            field->clear();
            ExpectRefusal(tool, label + QStringLiteral("！"), caret, false);
            *field = QStringLiteral("a");
            ExpectRefusal(tool, label + QStringLiteral("只能是数字！"), caret, true);
            for (const char* outside : {"20", "0", "5.5", "-4"}) {
                *field = QString::fromUtf8(outside);
                ExpectRefusal(tool, label + QStringLiteral("只能是大于0小于20的正整数！"), caret, true);
            }
            *field = QStringLiteral("19");
        }
    }

    // The last box shown: a note with the given text, or a failure with a
    // reason.
    void ExpectNote(const QString& text) const
    {
        ASSERT_FALSE(boxes.shown.empty());
        EXPECT_EQ(boxes.shown.back().text, text);
        EXPECT_EQ(boxes.shown.back().caption, "提示");
        EXPECT_EQ(boxes.shown.back().icon, platform::MessageIcon::Information);
    }
    void ExpectFailureBox() const
    {
        ASSERT_FALSE(boxes.shown.empty());
        EXPECT_EQ(boxes.shown.back().caption, "错误");
        EXPECT_EQ(boxes.shown.back().icon, platform::MessageIcon::Critical);
        EXPECT_FALSE(boxes.shown.back().text.isEmpty());
    }

    QStringList ShownTexts() const
    {
        QStringList texts;
        for (const auto& box : boxes.shown) {
            texts << box.text;
        }
        return texts;
    }

    QTemporaryDir root;
    FakeMessageBoxes boxes;
    FakeDialogs dialogs;
    IniReadBoxes iniReads{boxes};
    IniAccess ini{root.path() + QStringLiteral("/program"), iniReads};
    LevelToolContext context{ini, boxes, dialogs};
};

// The level editor over the tool folder.
class Editor : public ToolFolderTest {
protected:
    // Entries that pass every check.
    void FillIn()
    {
        editor.fields.name = QStringLiteral("星空");
        editor.fields.sourceFolder = SourceFolder();
        editor.fields.photoSum = QStringLiteral("12");
    }
    QString Level(const QString& name) const { return Program(QStringLiteral("gameg/星空/") + name); }
    void ExpectRefusal(const QString& message, ToolField caret, bool select)
    {
        ToolFolderTest::ExpectRefusal(editor, message, caret, select);
    }
    void ExpectNothingWritten()
    {
        EXPECT_EQ(ReadBytes(Program("DAZGame.ini")), kGameIni);
        EXPECT_TRUE(Listing(Program("gameg")).isEmpty());
        EXPECT_TRUE(Listing(Program("media")).isEmpty());
    }

    LevelEditor editor{context};
};

} // namespace daz::testing
