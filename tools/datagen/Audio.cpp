#include "Audio.h"

#include "audio_effects.h"
#include "audio_music.h"
#include "audio_wav.h"

#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>

#include <set>
#include <stdexcept>

namespace daz::datagen {

namespace {

QDir Subfolder(const QDir& dataDir, const QString& name)
{
    if (!dataDir.mkpath(name)) {
        throw std::runtime_error("cannot create " + dataDir.filePath(name).toStdString());
    }
    return QDir(dataDir.filePath(name));
}

void WriteClips(const QDir& folder, const std::vector<audio::Clip>& clips)
{
    for (const audio::Clip& clip : clips) {
        audio::WriteWav(folder.filePath(QString::fromStdString(clip.fileName)), clip.samples, clip.sampleRate);
    }
}

// The music is stored as Ogg Vorbis, which the game's player decodes with
// the packages it already needs. oggenc (vorbis-tools) encodes a wave file
// of the piece; its stream serial number is otherwise random, so it is
// fixed here and a second run writes the same bytes.
void WriteOgg(const QString& path, const audio::Clip& clip, int serial)
{
    QTemporaryDir temp;
    if (!temp.isValid()) {
        throw std::runtime_error("no temporary folder for " + path.toStdString());
    }
    const QString wav = temp.filePath(QStringLiteral("piece.wav"));
    const QString ogg = temp.filePath(QStringLiteral("piece.ogg"));
    audio::WriteWav(wav, clip.samples, clip.sampleRate);

    QProcess encoder;
    encoder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    encoder.start(QStringLiteral("oggenc"),
                  {QStringLiteral("--quiet"), QStringLiteral("--quality=3"), QStringLiteral("--serial=%1").arg(serial),
                   QStringLiteral("--output=") + ogg, wav});
    if (!encoder.waitForFinished(-1) || encoder.exitStatus() != QProcess::NormalExit || encoder.exitCode() != 0) {
        throw std::runtime_error("oggenc failed on " + path.toStdString() + " (is vorbis-tools installed?)");
    }

    QFile encoded(ogg);
    QSaveFile file(path);
    if (!encoded.open(QIODevice::ReadOnly) || !file.open(QIODevice::WriteOnly)
        || file.write(encoded.readAll()) != encoded.size() || !file.commit()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

} // namespace

void WriteAudio(const QDir& dataDir)
{
    WriteClips(Subfolder(dataDir, "sound"), audio::RenderSoundEffects());
    // The media folder holds exactly the pieces written here: a piece
    // renamed or dropped leaves no stale file behind for a level to name.
    QDir media = Subfolder(dataDir, "media");
    std::set<QString> written;
    for (std::size_t i = 0; i < audio::MusicPieceCount(); ++i) {
        const audio::Clip clip = audio::RenderMusicPiece(i);
        const QString name = QString::fromStdString(clip.fileName);
        WriteOgg(media.filePath(name), clip, static_cast<int>(i) + 1);
        written.insert(name);
    }
    for (const QString& name : media.entryList(QDir::Files)) {
        if (!written.contains(name) && !media.remove(name)) {
            throw std::runtime_error("cannot remove " + media.filePath(name).toStdString());
        }
    }
}

} // namespace daz::datagen
