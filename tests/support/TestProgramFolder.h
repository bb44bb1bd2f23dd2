#pragma once

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QTemporaryDir>

namespace daz::testing {

// A program folder in a temporary directory, with a catalogue and levels
// made to measure. Pictures are written as PNG data under their .gif
// names: the game decodes pictures by content, so they read the same.
class TestProgramFolder {
public:
    struct LevelSpec {
        LevelSpec(QString name, QString folder, int maxX = 4, int maxY = 2, int photoSum = 10, int particle = 0,
                  QString mediaName = QString())
            : name(std::move(name)),
              folder(std::move(folder)),
              maxX(maxX),
              maxY(maxY),
              photoSum(photoSum),
              particle(particle),
              mediaName(std::move(mediaName))
        {
        }

        QString name;   // display name in the catalogue
        QString folder; // below levels/
        int maxX;
        int maxY;
        int photoSum;
        int particle;
        QString mediaName;
        bool background = false;
        int tilePixels = 20;     // tiles and masks are square pictures of this size
        QByteArray pictureNames; // pictures.ini, when not empty
    };

    TestProgramFolder()
    {
        QDir(Path()).mkpath(QStringLiteral("gameg"));
        // The game plays only the sounds it could open; these say nothing.
        for (const char* name :
             {"mousedown1", "mousedown2", "mousedown3", "lianjie", "gamewin", "gameover", "ts", "dl", "cx"}) {
            Write(QStringLiteral("sound/%1.wav").arg(QLatin1String(name)), "RIFF");
        }
    }

    QString Path() const { return dir_.path(); }
    QString File(const QString& relative) const { return dir_.filePath(relative); }

    void Write(const QString& relative, const QByteArray& bytes) const
    {
        const QString path = File(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
    }

    QByteArray Read(const QString& relative) const
    {
        QFile file(File(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QByteArray Lines(const QStringList& lines)
    {
        QByteArray bytes;
        for (const QString& line : lines) {
            bytes += line.toUtf8() + "\r\n";
        }
        return bytes;
    }

    // DAZGame.ini with the given levels and user settings.
    void WriteCatalogue(const QList<LevelSpec>& levels, int userGK = 1, long long userJF = 0,
                        const QString& mediaOn = QStringLiteral("True"),
                        const QString& soundOn = QStringLiteral("True")) const
    {
        QStringList lines{QStringLiteral("[GameMenu]"), QStringLiteral("Menu=%1").arg(levels.size())};
        for (int i = 0; i < levels.size(); ++i) {
            lines << QStringLiteral("MenuName%1=%2").arg(i + 1).arg(levels[i].name)
                  << QStringLiteral("MenuPath%1=\\levels\\%2\\").arg(i + 1).arg(levels[i].folder);
        }
        lines << QStringLiteral("[UserSet]") << QStringLiteral("MediaON=") + mediaOn
              << QStringLiteral("SoundON=") + soundOn << QStringLiteral("UserGK=%1").arg(userGK)
              << QStringLiteral("UserJF=%1").arg(userJF);
        Write(QStringLiteral("DAZGame.ini"), Lines(lines));
    }

    static QByteArray Picture(int size, QColor colour, const QString& text = QString())
    {
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(colour);
        if (!text.isEmpty()) {
            QPainter p(&image);
            p.drawText(image.rect(), Qt::AlignCenter, text);
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    }

    void WriteLevel(const LevelSpec& level) const
    {
        const QString folder = QStringLiteral("levels/%1/").arg(level.folder);
        Write(folder + QStringLiteral("setme.ini"),
              Lines({QStringLiteral("[GameSet]"), QStringLiteral("MaxX=%1").arg(level.maxX),
                     QStringLiteral("MaxY=%1").arg(level.maxY), QStringLiteral("PhotoSum=%1").arg(level.photoSum),
                     QStringLiteral("GBackColor=0"), QStringLiteral("MediaName=") + level.mediaName,
                     QStringLiteral("Particle=%1").arg(level.particle)}));
        if (!level.pictureNames.isEmpty()) {
            Write(folder + QStringLiteral("pictures.ini"), level.pictureNames);
        }
        for (int k = 1; k <= level.photoSum; ++k) {
            Write(folder + QStringLiteral("%1.gif").arg(k),
                  Picture(level.tilePixels, QColor::fromHsv((k * 37) % 360, 160, 230), QString::number(k)));
        }
        Write(folder + QStringLiteral("mb1.gif"), Picture(level.tilePixels, QColor(255, 0, 0, 90)));
        Write(folder + QStringLiteral("mb2.gif"), Picture(level.tilePixels, QColor(0, 0, 255, 60)));
        if (level.background) {
            Write(folder + QStringLiteral("gameback.jpg"), Picture(64, QColor(30, 90, 60)));
        }
    }

    void WriteParticle(int effect) const
    {
        Write(QStringLiteral("Particle/Particle_%1.gif").arg(effect), Picture(12, QColor(255, 200, 220)));
    }

    // A catalogue and its levels in one go.
    void WriteGame(const QList<LevelSpec>& levels, int userGK = 1, long long userJF = 0) const
    {
        for (const auto& level : levels) {
            WriteLevel(level);
        }
        WriteCatalogue(levels, userGK, userJF);
    }

private:
    QTemporaryDir dir_;
};

} // namespace daz::testing
