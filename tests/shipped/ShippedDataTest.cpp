#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPixmap>

#include "FakeMessageBoxes.h"
#include "TileLikeness.h"
#include "game/Level.h"
#include "leveldata/Formats.h"
#include "leveldata/IniFile.h"
#include "leveldata/ProgramPaths.h"

namespace daz::testing {
namespace {

const QString kData = QStringLiteral(DAZ_DATA_DIR);

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

std::string ConfusablePictures(const std::vector<QImage>& pictures)
{
    QStringList pairs;
    for (const likeness::Clash& clash : likeness::Clashes(pictures)) {
        pairs << QStringLiteral("%1~%2").arg(clash.first + 1).arg(clash.second + 1);
    }
    return pairs.join(QLatin1Char(' ')).toStdString();
}

struct Shipped : ::testing::Test {
    FakeMessageBoxes boxes;
    IniAccess ini{kData, boxes};
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
        EXPECT_TRUE(entry.path.startsWith(QLatin1Char('\\')) && entry.path.endsWith(QLatin1Char('\\')));
        const QString folder = NativePath(kData, entry.path);

        // setme.ini in exactly the editor's seven lines.
        QFile setme(folder + QStringLiteral("setme.ini"));
        ASSERT_TRUE(setme.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = setme.readAll().split('\n');
        ASSERT_EQ(lines.size(), 8); // seven lines, each ended by CR LF
        const char* keys[] = {"[GameSet]\r", "MaxX=", "MaxY=", "PhotoSum=", "GBackColor=", "MediaName=", "Particle="};
        for (int i = 0; i < 7; ++i) {
            EXPECT_TRUE(lines[i].startsWith(keys[i])) << lines[i].toStdString();
            EXPECT_TRUE(lines[i].endsWith('\r'));
        }

        // The game's own reader takes the whole level.
        const LevelReading reading = ReadLevel(ini, kData, entry.path);
        ASSERT_TRUE(reading.level) << reading.problem.toStdString();
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
        EXPECT_EQ(ConfusablePictures(TilePictures(folder, s.photoSum)), "") << "pictures a player could confuse";
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

// The format of a wave file: PCM with 16 bits a sample, and its length.
struct Wave {
    bool pcm16 = false;
    double seconds = 0;
};

Wave ReadWave(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        return {};
    }
    Wave wave;
    quint32 byteRate = 0;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        QDataStream in(bytes.mid(at, 8));
        in.setByteOrder(QDataStream::LittleEndian);
        char id[4];
        in.readRawData(id, 4);
        quint32 size = 0;
        in >> size;
        const QByteArray body = bytes.mid(at + 8, size);
        if (QByteArray(id, 4) == "fmt ") {
            QDataStream fmt(body);
            fmt.setByteOrder(QDataStream::LittleEndian);
            quint16 format = 0, channels = 0, blockAlign = 0, bits = 0;
            quint32 rate = 0;
            fmt >> format >> channels >> rate >> byteRate >> blockAlign >> bits;
            wave.pcm16 = format == 1 && bits == 16;
        } else if (QByteArray(id, 4) == "data" && byteRate > 0) {
            wave.seconds = static_cast<double>(size) / byteRate;
        }
        at += 8 + size + (size & 1);
    }
    return wave;
}

TEST(ShippedSounds, NineEffectsAndTheMusicAreSixteenBitWaves)
{
    for (const char* name : {"mousedown1", "mousedown2", "mousedown3", "lianjie", "gamewin", "gameover", "ts", "dl", "cx"}) {
        const Wave wave = ReadWave(kData + QStringLiteral("/sound/%1.wav").arg(QLatin1String(name)));
        EXPECT_TRUE(wave.pcm16) << name;
        EXPECT_GT(wave.seconds, 0.05) << name;
        EXPECT_LT(wave.seconds, 3.0) << name;
    }
    const QStringList music = QDir(kData + QStringLiteral("/media")).entryList(QDir::Files);
    EXPECT_GE(music.size(), 4);
    for (const QString& piece : music) {
        const Wave wave = ReadWave(kData + QStringLiteral("/media/") + piece);
        EXPECT_TRUE(wave.pcm16) << piece.toStdString();
        EXPECT_GE(wave.seconds, 30) << piece.toStdString();
    }
}

TEST(ShippedPictures, ParticlesHelpAndTheWindowsPictures)
{
    for (int effect = 1; effect <= 5; ++effect) {
        const QImage sprite(kData + QStringLiteral("/Particle/Particle_%1.gif").arg(effect));
        ASSERT_FALSE(sprite.isNull()) << effect;
        EXPECT_TRUE(sprite.hasAlphaChannel()) << effect;
    }
    QFile help(kData + QStringLiteral("/dazRedme.txt"));
    ASSERT_TRUE(help.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(help.readAll());
    for (const char* topic : {"简单模式", "正常模式", "挑战模式", "极限模式", "撤消", "提示", "重排", "神眼", "关卡编辑器", "关卡修改器"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << topic;
    }

    const std::pair<const char*, QSize> pictures[] = {
        {"digit0.png", {15, 13}},     {"digit9.png", {15, 13}},       {"toolbar.png", {1007, 59}},
        {"splash.png", {460, 106}},   {"loading-bar.png", {300, 11}}, {"chooser.png", {360, 365}},
        {"main-button.png", {70, 20}}, {"mode-button-hover.png", {83, 20}},
    };
    for (const auto& [name, size] : pictures) {
        const QPixmap pixmap(QStringLiteral(":/") + QLatin1String(name));
        ASSERT_FALSE(pixmap.isNull()) << name;
        EXPECT_EQ(pixmap.size(), size) << name;
    }
    for (const char* name : {"paused.png", "timed-out.png", "cleared.png", "pointer.png", "timebar.png", "app-icon.png",
                             "editor-background.png", "modifier-background.png", "open.png", "ok-hover.png", "esc.png"}) {
        EXPECT_FALSE(QPixmap(QStringLiteral(":/") + QLatin1String(name)).isNull()) << name;
    }
}

} // namespace
} // namespace daz::testing
