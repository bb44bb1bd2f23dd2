#include "Audio.h"

#include "audio_effects.h"
#include "audio_music.h"
#include "audio_wav.h"

#include <stdexcept>

namespace daz::datagen {

namespace {

QDir Subfolder(const QDir& dataDir, const QString& name)
{
    if (!dataDir.mkpath(name))
        throw std::runtime_error("cannot create " + dataDir.filePath(name).toStdString());
    return QDir(dataDir.filePath(name));
}

void WriteClips(const QDir& folder, const std::vector<audio::Clip>& clips)
{
    for (const audio::Clip& clip : clips)
        audio::WriteWav(folder.filePath(QString::fromStdString(clip.fileName)), clip.samples,
                        clip.sampleRate);
}

} // namespace

void WriteAudio(const QDir& dataDir)
{
    WriteClips(Subfolder(dataDir, "sound"), audio::RenderSoundEffects());
    const QDir media = Subfolder(dataDir, "media");
    for (std::size_t i = 0; i < audio::MusicPieceCount(); ++i)
        WriteClips(media, {audio::RenderMusicPiece(i)});
}

} // namespace daz::datagen
