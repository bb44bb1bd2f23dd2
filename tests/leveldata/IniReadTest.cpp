#include <functional>

#include "PipeTrap.h"
#include "TestFiles.h"

namespace daz {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using testing::kFileError;
using testing::kKeyMissing;

class IniRead : public testing::ProgramFolderTest {
protected:
    QString Read(const QByteArray& content, const QString& section, const QString& key)
    {
        return ini.ReadIniKey(File("test.ini", content), section, key);
    }
};

// "[GameMenu]", "MenuName1=嶽麓" in GBK: 嶽 is 8E 5B, its second byte an
// ASCII "[" that must not start a section name.
const QByteArray kGbk = "[GameMenu]\r\nMenu=1\r\nMenuName1=\x8E\x5B\xC2\xB4\r\n"
                        "[UserSet]\r\nMediaON=True\r\nSoundON=-1\r\n";
const QByteArray kLineFeeds = "[GameSet]\nMaxX=12\nMaxY=8\n\nPhotoSum=10\nParticle=2";

struct Lookup {
    QByteArray content;
    const char* section;
    const char* key;
};

TEST_F(IniRead, FindsKeysAndTakesTheirValuesWholeAndUntrimmed)
{
    const QByteArray gameSet = "[GameSet]\r\nMaxX=12\r\nMaxY=8\r\n";
    const std::pair<Lookup, QString> cases[] = {
        {{gameSet, "GameSet", "MaxX"}, "12"},
        {{gameSet, "GameSet", "MaxY"}, "8"},
        // Only the whole name: a section whose name starts with it is passed over.
        {{"[GameSetOld]\r\nMaxX=1\r\n[GameSet]\r\nMaxX=12\r\n", "GameSet", "MaxX"}, "12"},
        {{"[A]\r\nK=a=b==c\r\n", "A", "K"}, "a=b==c"},
        {{"[A]\r\nK= spaced \r\n", "A", "K"}, " spaced "},
        {{"[A]\r\nMediaName=\r\nParticle=3\r\n", "A", "MediaName"}, ""},
        // The last line needs no line end, and may end right after its "=".
        {{"[A]\r\nK=last", "A", "K"}, "last"},
        {{"[A]\r\nK=", "A", "K"}, ""},
        // Files with line feeds alone read like CR LF files.
        {{kLineFeeds, "GameSet", "MaxX"}, "12"},
        {{kLineFeeds, "GameSet", "MaxY"}, "8"},
        {{kLineFeeds, "GameSet", "Particle"}, "2"},
        // Chinese text in either encoding, and a byte order mark.
        {{kGbk, "GameMenu", "MenuName1"}, QStringLiteral("嶽麓")},
        {{kGbk, "UserSet", "SoundON"}, "-1"},
        {{QStringLiteral("[GameMenu]\r\nMenu=1\r\nMenuName1=小星星\r\n").toUtf8(), "GameMenu", "MenuName1"},
         QStringLiteral("小星星")},
        {{"\xEF\xBB\xBF[GameSet]\r\nMaxX=12\r\n", "GameSet", "MaxX"}, "12"},
    };
    for (const auto& [lookup, value] : cases) {
        EXPECT_EQ(Read(lookup.content, lookup.section, lookup.key), value) << lookup.content.constData();
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(IniRead, FindsAKeyMissingFromItsSectionInALaterSection)
{
    const QByteArray content = "[GameMenu]\r\nMenu=2\r\nMenuName1=一\r\n[UserSet]\r\nMediaON=True\r\n"
                               "UserGK=1\r\nMenuName2=二\r\n";
    EXPECT_EQ(Read(content, "GameMenu", "MenuName2"), "二");
    // The line after a header is joined to it, so a section's first key
    // is found only by starting at its own header.
    EXPECT_EQ(Read(content, "UserSet", "MediaON"), "True");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(Read(content, "GameMenu", "MediaON"), "");
    EXPECT_EQ(ShownTexts(), QStringList{kKeyMissing});
}

TEST_F(IniRead, KeysNotFoundAsAskedAreMissing)
{
    const Lookup cases[] = {
        // A blank before "=", letter case, or a key that is only the start
        // of a longer one: none of them match.
        {"[GameSet]\r\nMaxX =12\r\n", "GameSet", "MaxX"},
        {"[GameSet]\r\nmaxx=12\r\n", "GameSet", "MaxX"},
        {"[GameSet]\r\nMaxXY=12\r\n", "GameSet", "MaxX"},
        {"[GameSet]\r\nMaxX=12\r\n", "UserSet", "MaxX"},
        // The search never gets past a line without "=".
        {"[A]\r\nK1=1\r\n\r\nK2=2\r\nK3=3\r\n", "A", "K2"},
        {kLineFeeds, "GameSet", "PhotoSum"},
        {"[GameSet]\n", "GameSet", "MaxX"},
        // The "[" of the level name starts a section name that runs to the
        // "]" of the following header, so [UserSet] is never seen as such.
        {"[GameMenu]\r\nMenu=1\r\nMenuName1=a[b\r\n[UserSet]\r\nMediaON=True\r\nSoundON=True\r\n", "UserSet",
         "SoundON"},
    };
    for (const Lookup& c : cases) {
        boxes.shown.clear();
        EXPECT_EQ(Read(c.content, c.section, c.key), "") << c.content.constData();
        ASSERT_EQ(ShownTexts(), QStringList{kKeyMissing}) << c.content.constData();
    }
    EXPECT_EQ(boxes.shown.front().caption, "错误信息");
    EXPECT_EQ(boxes.shown.front().buttons, MessageButtons::AbortRetryIgnore);
    // The line after the empty one is passed over, not the rest.
    EXPECT_EQ(Read("[A]\r\nK1=1\r\n\r\nK2=2\r\nK3=3\r\n", "A", "K3"), "3");
}

TEST_F(IniRead, AMissingFileIsAFileError)
{
    EXPECT_EQ(ini.ReadIniKey(Path("none.ini"), "A", "K"), "");
    ASSERT_EQ(ShownTexts(), QStringList{kFileError});
    EXPECT_EQ(boxes.shown.front().caption, platform::ApplicationTitle());
    EXPECT_EQ(boxes.shown.front().buttons, MessageButtons::Ok);

    // So is anything but a regular file, which is not even opened: a pipe
    // would keep the reader waiting for ever.
    testing::PipeTrap pipe(Path("pipe.ini"));
    ASSERT_TRUE(pipe.Made());
    EXPECT_EQ(ini.ReadIniKey(Path("pipe.ini"), "A", "K"), "");
    EXPECT_FALSE(ini.LookUpIniKey(Path("pipe.ini"), "A", "K").has_value());
    EXPECT_FALSE(ini.WriteIniKey(Path("pipe.ini"), "A", "K", "v").ok);
    EXPECT_FALSE(ini.AppendIniLines(Path("pipe.ini"), {"K=v"}).ok);
    EXPECT_EQ(ini.ReadIniKey(folder.path(), "A", "K"), "");
    EXPECT_EQ(ShownTexts(), (QStringList{kFileError, kFileError, kFileError}));
    EXPECT_FALSE(pipe.Opened());
}

TEST_F(IniRead, AFileEndingRightAfterTheHeaderIsAFileError)
{
    EXPECT_EQ(Read("K=1\r\n[GameSet]", "GameSet", "K"), "");
    EXPECT_EQ(Read("K=1\r\n[GameSet]\r", "GameSet", "K"), "");
    EXPECT_EQ(ShownTexts(), (QStringList{kFileError, kFileError}));

    boxes.shown.clear();
    EXPECT_EQ(Read("K=1\r\n[GameSet]\r\n", "GameSet", "K"), "");
    EXPECT_EQ(ShownTexts(), QStringList{kKeyMissing});
}

// Boxes that let a test act while a box is open.
class ActingBoxes final : public platform::MessageBoxes {
public:
    MessageAnswer Show(const platform::MessageRequest& request) override
    {
        ++count;
        return act(request);
    }
    int count = 0;
    std::function<MessageAnswer(const platform::MessageRequest&)> act;
};

TEST_F(IniRead, TheMissingKeyBoxComesBackUntilAbort)
{
    boxes.answers = {MessageAnswer::Ignore, MessageAnswer::Retry, MessageAnswer::Ignore, MessageAnswer::Abort};
    EXPECT_EQ(Read("[A]\r\nK=1\r\n", "A", "X"), "");
    EXPECT_EQ(ShownTexts(), QStringList(4, kKeyMissing));
}

TEST_F(IniRead, RetryReadsTheMendedFile)
{
    ActingBoxes acting;
    IniReadBoxes actingReads(acting);
    IniAccess reader(folder.path(), actingReads);
    const QString path = File("test.ini", "[A]\r\nK=1\r\n");
    acting.act = [&](const platform::MessageRequest&) {
        testing::WriteBytes(path, "[A]\r\nK=1\r\nX=mended\r\n");
        return acting.count == 1 ? MessageAnswer::Ignore : MessageAnswer::Retry;
    };
    EXPECT_EQ(reader.ReadIniKey(path, "A", "X"), "mended");
    EXPECT_EQ(acting.count, 2); // Ignore asked again without reading
}

TEST_F(IniRead, RetryOnAFileThatWentAwayIsAFileError)
{
    ActingBoxes acting;
    IniReadBoxes actingReads(acting);
    IniAccess reader(folder.path(), actingReads);
    const QString path = File("test.ini", "[A]\r\nK=1\r\n");
    QStringList texts;
    acting.act = [&](const platform::MessageRequest& request) {
        texts << request.text;
        QFile::remove(path);
        return request.buttons == MessageButtons::AbortRetryIgnore ? MessageAnswer::Retry : MessageAnswer::Ok;
    };
    EXPECT_EQ(reader.ReadIniKey(path, "A", "X"), "");
    EXPECT_EQ(texts, (QStringList{kKeyMissing, kFileError}));
}

TEST_F(IniRead, FindsAFileNamedInAnotherLetterCase)
{
    File("Setme.INI", "[GameSet]\r\nMaxX=12\r\n");
    EXPECT_EQ(ini.ReadIniKey(Path("setme.ini"), "GameSet", "MaxX"), "12");
}

} // namespace
} // namespace daz
