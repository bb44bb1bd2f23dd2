#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>

#include "FakeMessageBoxes.h"
#include "TileLikeness.h"
#include "game/Level.h"
#include "leveldata/Formats.h"
#include "leveldata/IniFile.h"
#include "leveldata/ProgramPaths.h"
#include "platform/QtTranslations.h"
#include "presentation/LevelNames.h"
#include "presentation/Pictures.h"
#include "presentation/ProblemTexts.h"

namespace daz::testing {
namespace {

const QString kData = QStringLiteral(DAZ_DATA_DIR);

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A little-endian number of the given size at the given byte.
quint64 LittleEndian(const QByteArray& bytes, qsizetype at, int size)
{
    quint64 v = 0;
    for (int i = size - 1; i >= 0; --i) {
        v = (v << 8) | static_cast<quint8>(bytes[at + i]);
    }
    return v;
}

// The pairs of a level's tile pictures that a player could take for each
// other on the board, as "3~7 5~9"; the measure is the one the generator
// applies before it writes a level.
std::vector<QImage> TilePictures(const QString& folder, int photoSum)
{
    std::vector<QImage> pictures;
    for (int k = 1; k <= photoSum; ++k) {
        pictures.emplace_back(folder + QStringLiteral("%1.gif").arg(k));
    }
    return pictures;
}

std::string ConfusablePictures(const std::vector<QImage>& pictures, likeness::Vision vision = likeness::Vision::Typical,
                               const QString& folder = {})
{
    QStringList pairs;
    for (const likeness::Clash& clash : likeness::Clashes(pictures, vision)) {
        if (likeness::KeptAlthoughClose(folder, vision, clash)) {
            continue;
        }
        pairs << QStringLiteral("%1~%2").arg(clash.first + 1).arg(clash.second + 1);
    }
    return pairs.join(QLatin1Char(' ')).toStdString();
}

struct Shipped : ::testing::Test {
    FakeMessageBoxes boxes;
    IniReadBoxes iniReads{boxes};
    IniAccess ini{kData, iniReads};
    QString IniFile() const { return kData + QStringLiteral("/DAZGame.ini"); }

    void TearDown() override
    {
        // The reader never had to complain about a shipped file.
        for (const auto& box : boxes.shown) {
            ADD_FAILURE() << "box shown: " << box.text.toStdString();
        }
    }
};

TEST_F(Shipped, TheCatalogueListsPlayableLevelsOfEverySize)
{
    const auto catalogue = ReadCatalogue(ini, IniFile()).levels;
    ASSERT_GE(catalogue.size(), 30u);
    ASSERT_LE(catalogue.size(), 66u);
    // Every shipped level has its name in English.
    const platform::Translations english = platform::LoadTranslations({QStringLiteral("en")}, QLocale::c());
    ASSERT_NE(english.game, nullptr);
    english.Install();

    std::set<int> particles;
    std::map<QString, int> music;
    int withBackground = 0;
    int withMusic = 0;
    int smallest = 1000;
    int largest = 0;
    int previousCells = 0;
    int previousPictures = 0;
    for (const auto& entry : catalogue) {
        SCOPED_TRACE(entry.name.toStdString());
        EXPECT_FALSE(entry.name.isEmpty());
        EXPECT_NE(LevelName(entry), entry.name);
        EXPECT_TRUE(entry.path.startsWith(QLatin1Char('\\')) && entry.path.endsWith(QLatin1Char('\\')));
        const QString folder = NativePath(kData, entry.path);

        // setme.ini in exactly the editor's seven lines.
        const QList<QByteArray> lines = Bytes(folder + QStringLiteral("setme.ini")).split('\n');
        ASSERT_EQ(lines.size(), 8); // seven lines, each ended by CR LF
        const char* keys[] = {"[GameSet]\r", "MaxX=", "MaxY=", "PhotoSum=", "GBackColor=", "MediaName=", "Particle="};
        for (int i = 0; i < 7; ++i) {
            EXPECT_TRUE(lines[i].startsWith(keys[i])) << lines[i].toStdString();
            EXPECT_TRUE(lines[i].endsWith('\r'));
        }

        // The game's own reader takes the whole level.
        const LevelReading reading = ReadLevel(ini, kData, entry.path);
        ASSERT_TRUE(reading.level) << LevelProblemText(reading.problem).toStdString();
        const LevelSettings& s = reading.level->settings;
        EXPECT_TRUE(s.maxX % 2 == 0 || s.maxY % 2 == 0);
        EXPECT_LE(s.maxX, 19);
        EXPECT_LE(s.maxY, 19);
        EXPECT_GE(s.photoSum, 10);
        EXPECT_LE(s.photoSum, 99);
        EXPECT_GE(s.maxX * s.maxY / 2, s.photoSum) << "pictures the deal never uses";
        smallest = std::min(smallest, s.maxX * s.maxY);
        largest = std::max(largest, s.maxX * s.maxY);
        // The catalogue is the difficulty curve, from 8 x 6 to 18 x 12:
        // boards never shrink, and the pictures grow with them (a level may
        // have one fewer than the last).
        EXPECT_GE(s.maxX * s.maxY, previousCells);
        EXPECT_GE(s.photoSum, previousPictures - 1);
        previousCells = s.maxX * s.maxY;
        previousPictures = s.photoSum;

        // Every picture exists, decodes and fits its cell: pictures are
        // never stretched.
        const int cellWidth = 11730 / (s.maxX + 2) / 15;
        const int cellHeight = 8160 / (s.maxY + 2) / 15;
        for (int k = 1; k <= s.photoSum; ++k) {
            const QImage tile(folder + QStringLiteral("%1.gif").arg(k));
            ASSERT_FALSE(tile.isNull()) << k;
            EXPECT_LE(tile.width(), cellWidth);
            EXPECT_LE(tile.height(), cellHeight);
        }
        // Told apart by every player, whichever colours they cannot see.
        const std::vector<QImage> pictures = TilePictures(folder, s.photoSum);
        for (const likeness::Vision vision : likeness::kVisions) {
            EXPECT_EQ(ConfusablePictures(pictures, vision, QFileInfo(folder).dir().dirName()), "")
                << "pictures a player could confuse, seen with " << likeness::VisionName(vision);
        }
        for (const QImage& mask : {reading.level->pictures.mb1, reading.level->pictures.mb2}) {
            EXPECT_LE(mask.width(), cellWidth);
            EXPECT_LE(mask.height(), cellHeight);
            EXPECT_TRUE(mask.hasAlphaChannel());
            EXPECT_EQ(qAlpha(mask.pixel(mask.width() / 2, mask.height() / 2)), 0) << "the tile must show through";
        }

        particles.insert(s.particle);
        withBackground += !reading.level->pictures.background.isNull();
        if (!s.mediaName.isEmpty()) {
            ++withMusic;
            ++music[s.mediaName];
            EXPECT_TRUE(FileExists(NativePath(kData, kMediaFolder + s.mediaName))) << s.mediaName.toStdString();
        }
    }
    EXPECT_EQ(smallest, 8 * 6);
    EXPECT_GE(largest, 18 * 12);
    for (const auto& [piece, uses] : music) {
        EXPECT_GE(uses, 2) << piece.toStdString() << " is heard in one level only";
    }
    EXPECT_EQ(particles, (std::set<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_GT(withBackground, 0);
    EXPECT_LT(withBackground, static_cast<int>(catalogue.size()));
    EXPECT_GT(withMusic * 2, static_cast<int>(catalogue.size()));
}

// The measure above must see two tiles made alike: in a copy of a level
// where one picture is another retouched, that pair and only that pair is
// caught. (A level's pictures are all drawn at the same place on the same
// face, so the measure compares them as they lie.)
TEST(ShippedLikeness, TilesMadeAlikeAreCaught)
{
    std::vector<QImage> pictures = TilePictures(kData + QStringLiteral("/levels/08-hanzi/"), 12);
    ASSERT_EQ(ConfusablePictures(pictures), "");

    // Picture 7 becomes picture 1 with a speck of ink and its ink a
    // shade lighter.
    QImage retouched = pictures[0].convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < retouched.height(); ++y) {
        for (int x = 0; x < retouched.width(); ++x) {
            const QColor c = retouched.pixelColor(x, y);
            if (c.alpha() != 0 && c.saturationF() > 0.5f) {
                retouched.setPixelColor(x, y, c.lighter(110));
            }
        }
    }
    for (int y = 4; y < 7; ++y) {
        for (int x = 4; x < 7; ++x) {
            retouched.setPixelColor(x, y, Qt::darkBlue);
        }
    }
    pictures[6] = retouched;
    EXPECT_EQ(ConfusablePictures(pictures), "1~7");

    // A red disc and a disc of a green as light on the same ivory: plain
    // to a typical eye, alike to a player without green cones.
    const auto inked = [](QColor ink) {
        QImage picture(64, 56, QImage::Format_ARGB32);
        picture.fill(QColor(0xf5efe0));
        QPainter p(&picture);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QRect(8, 6, 48, 44));
        return picture;
    };
    const std::vector<QImage> redAndGreen{inked(QColor(200, 40, 40)), inked(QColor(40, 122, 40))};
    EXPECT_EQ(ConfusablePictures(redAndGreen, likeness::Vision::Typical), "");
    EXPECT_EQ(ConfusablePictures(redAndGreen, likeness::Vision::Deuteranopia), "1~2");
}

TEST_F(Shipped, APlayerStartsAtLevelOneWithSoundAndMusic)
{
    const UserSettings user = ReadUserSettings(ini, IniFile());
    EXPECT_EQ(user.mediaOnText, QStringLiteral("True"));
    EXPECT_TRUE(user.soundOn);
    EXPECT_EQ(user.userGK, 1);
    EXPECT_EQ(user.userJF, 0);
    EXPECT_TRUE(QDir(kData + QStringLiteral("/gameg")).exists());
}

// The length of a sound effect in seconds, 0 where it is no plain PCM wave
// file of 16 bits a sample with the 44-byte header the generator writes.
double WaveSeconds(const QByteArray& bytes)
{
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt " || bytes.mid(36, 4) != "data"
        || LittleEndian(bytes, 20, 2) != 1 || LittleEndian(bytes, 34, 2) != 16 || LittleEndian(bytes, 28, 4) == 0) {
        return 0;
    }
    return static_cast<double>(LittleEndian(bytes, 40, 4)) / static_cast<double>(LittleEndian(bytes, 28, 4));
}

// What an Ogg Vorbis file tells of itself without decoding: every page
// must be intact (its checksum right, the pages numbered without a gap, one
// stream from its first page to its last), the stream must open with a
// Vorbis identification header, and the last page's granule position is
// the number of samples, so the length is read from it.
struct Vorbis {
    QString fault; // empty when the file is sound
    int channels = 0;
    int rate = 0;
    double seconds = 0;
};

quint32 OggCrc(const QByteArray& page)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 byte = 0; byte < 256; ++byte) {
            quint32 r = byte << 24;
            for (int bit = 0; bit < 8; ++bit) {
                r = (r & 0x80000000u) ? (r << 1) ^ 0x04c11db7u : r << 1;
            }
            t[byte] = r;
        }
        return t;
    }();
    quint32 crc = 0;
    for (const char c : page) {
        crc = (crc << 8) ^ table[((crc >> 24) ^ static_cast<quint8>(c)) & 0xFFu];
    }
    return crc;
}

Vorbis ReadVorbis(const QByteArray& bytes)
{
    const auto le = [&bytes](qsizetype at, int size) { return LittleEndian(bytes, at, size); };
    Vorbis vorbis;
    quint64 serial = 0;
    quint64 granule = 0;
    int flags = 0;
    qsizetype at = 0;
    for (quint64 sequence = 0; at < bytes.size(); ++sequence) {
        if (at + 27 > bytes.size() || bytes.mid(at, 5) != QByteArray("OggS\0", 5)) {
            return {QStringLiteral("no page at byte %1").arg(at)};
        }
        const int segments = static_cast<quint8>(bytes[at + 26]);
        qsizetype body = 0;
        for (int k = 0; k < segments; ++k) {
            body += static_cast<quint8>(bytes[at + 27 + k]);
        }
        const qsizetype size = 27 + segments + body;
        if (at + size > bytes.size()) {
            return {QStringLiteral("page %1 cut short").arg(sequence)};
        }
        QByteArray page = bytes.mid(at, size);
        page.replace(22, 4, QByteArray(4, '\0'));
        if (OggCrc(page) != le(at + 22, 4)) {
            return {QStringLiteral("page %1 damaged").arg(sequence)};
        }
        flags = static_cast<quint8>(bytes[at + 5]);
        if (sequence == 0) {
            serial = le(at + 14, 4);
            const qsizetype packet = at + 27 + segments;
            if (!(flags & 2) || bytes.mid(packet, 7) != "\x01vorbis") {
                return {QStringLiteral("no Vorbis stream")};
            }
            vorbis.channels = static_cast<quint8>(bytes[packet + 11]);
            vorbis.rate = static_cast<int>(le(packet + 12, 4));
        } else if (le(at + 14, 4) != serial || le(at + 18, 4) != sequence) {
            return {QStringLiteral("page %1 out of its stream").arg(sequence)};
        }
        granule = le(at + 6, 8);
        at += size;
    }
    if (!(flags & 4) || vorbis.rate <= 0) {
        return {QStringLiteral("the stream has no end")};
    }
    vorbis.seconds = static_cast<double>(granule) / vorbis.rate;
    return vorbis;
}

TEST(ShippedSounds, NineWaveEffectsAndMusicOfThreeMinutesInOggVorbis)
{
    for (const char* name :
         {"mousedown1", "mousedown2", "mousedown3", "lianjie", "gamewin", "gameover", "ts", "dl", "cx"}) {
        const double seconds = WaveSeconds(Bytes(kData + QStringLiteral("/sound/%1.wav").arg(QLatin1String(name))));
        EXPECT_GT(seconds, 0.05) << name;
        EXPECT_LT(seconds, 3.0) << name;
    }
    // A level lasts up to about five minutes, and its piece plays once.
    const QStringList music = QDir(kData + QStringLiteral("/media")).entryList(QDir::Files);
    EXPECT_GE(music.size(), 4);
    qint64 bytes = 0;
    for (const QString& piece : music) {
        EXPECT_TRUE(piece.endsWith(QStringLiteral(".ogg"))) << piece.toStdString();
        const Vorbis vorbis = ReadVorbis(Bytes(kData + QStringLiteral("/media/") + piece));
        EXPECT_EQ(vorbis.fault, QString()) << piece.toStdString();
        EXPECT_EQ(vorbis.channels, 1) << piece.toStdString();
        EXPECT_GE(vorbis.rate, 22050) << piece.toStdString();
        EXPECT_GE(vorbis.seconds, 180) << piece.toStdString();
        EXPECT_LT(vorbis.seconds, 300) << piece.toStdString();
        bytes += QFileInfo(kData + QStringLiteral("/media/") + piece).size();
    }
    EXPECT_LT(bytes, 8 << 20) << "the music is stored compressed";

    // A damaged page is caught.
    QByteArray damaged = Bytes(kData + QStringLiteral("/media/") + music.value(0));
    ASSERT_FALSE(damaged.isEmpty());
    damaged[damaged.size() / 2] = static_cast<char>(damaged[damaged.size() / 2] ^ 0x10);
    EXPECT_TRUE(ReadVorbis(damaged).fault.contains(QStringLiteral("damaged")));
}

TEST(ShippedPictures, ParticlesHelpAndTheWindowsPictures)
{
    for (int effect = 1; effect <= 5; ++effect) {
        const QImage sprite(kData + QStringLiteral("/Particle/Particle_%1.gif").arg(effect));
        ASSERT_FALSE(sprite.isNull()) << effect;
        EXPECT_TRUE(sprite.hasAlphaChannel()) << effect;
    }
    const QString text = QString::fromUtf8(Bytes(kData + QStringLiteral("/dazRedme.txt")));
    for (const char* topic : {"简单模式", "正常模式", "挑战模式", "极限模式", "撤消", "提示", "重排", "神眼",
                              "关卡编辑器", "关卡修改器", "方向键", "Ctrl+Z", "F1", "Alt+M", "Ctrl+Q"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << topic;
    }
    // Where the files live, as this system lays them out: the player's own
    // folder, the shipped one, a level pack; paths with "/".
    for (const char* place :
         {"~/.local/share/com.example.jilan_llk/", "/usr/share/com.example.jilan_llk/", "--folder", "gameg/"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(place))) << place;
    }
    EXPECT_FALSE(text.contains(QStringLiteral("程序所在")));
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[A-Za-z]\\\\"))));

    // The English help says the same: every number, key and file of the
    // Chinese one, the topics by their English names, and no Chinese.
    const QString english = QString::fromUtf8(Bytes(kData + QStringLiteral("/dazRedme_en.txt")));
    for (const char* topic :
         {"Easy Mode", "Normal Mode", "Challenge Mode", "Extreme Mode", "Undo", "Hint", "Shuffle", "Divine Eye",
          "Level Editor", "Level Modifier", "arrow keys", "Ctrl+Z", "F1", "Alt+M", "Ctrl+Q",
          "~/.local/share/com.example.jilan_llk/", "/usr/share/com.example.jilan_llk/", "--folder", "gameg/"}) {
        EXPECT_TRUE(english.contains(QString::fromUtf8(topic))) << topic;
    }
    const QRegularExpression facts(QStringLiteral(
        "[0-9]+|(?:Ctrl|Alt)\\+\\w+|\\bF[0-9]+\\b|[\\w.]+\\.(?:gif|ini|jpg|txt|md)|[A-Za-z]+ON|[A-Za-z]+/"));
    for (const QRegularExpressionMatch& fact : facts.globalMatch(text)) {
        EXPECT_TRUE(english.contains(fact.captured())) << fact.captured().toStdString();
    }
    EXPECT_FALSE(english.contains(
        QRegularExpression(QStringLiteral("[\\x{3000}-\\x{303f}\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}]"))));
    EXPECT_FALSE(english.contains(QRegularExpression(QStringLiteral("[A-Za-z]\\\\"))));

    // Every picture the windows name is compiled in: the main window's
    // image list through its own call, the others by name.
    for (int entry = 1; entry <= 17; ++entry) {
        EXPECT_FALSE(ImageList1(entry).isNull()) << entry;
    }
    const std::pair<const char*, QSize> pictures[] = {
        {"digit0.png", {15, 13}},       {"digit9.png", {15, 13}},
        {"toolbar.png", {1007, 59}},    {"splash.png", {460, 106}},
        {"loading-bar.png", {300, 11}}, {"chooser.png", {360, 365}},
        {"main-button.png", {70, 20}},  {"mode-button-hover.png", {83, 20}},
    };
    for (const auto& [name, size] : pictures) {
        const QPixmap pixmap(QStringLiteral(":/") + QLatin1String(name));
        ASSERT_FALSE(pixmap.isNull()) << name;
        EXPECT_EQ(pixmap.size(), size) << name;
    }
    for (const char* name :
         {"paused.png", "timed-out.png", "cleared.png", "pointer.png", "timebar.png", "app-icon.png",
          "editor-background.png", "modifier-background.png", "open.png", "ok-hover.png", "esc.png"}) {
        EXPECT_FALSE(QPixmap(QStringLiteral(":/") + QLatin1String(name)).isNull()) << name;
    }
}

} // namespace
} // namespace daz::testing
