#include "AudioSwitches.h"

#include "leveldata/ProgramPaths.h"

namespace daz {

AudioSwitches::AudioSwitches(DataFolders folders, platform::EffectPlayer& effects, platform::MusicPlayer& music)
    : folders_(std::move(folders)), effects_(effects), musicPlayer_(music)
{
}

void AudioSwitches::Restore(MusicSwitch musicSwitch, bool effectsOn)
{
    music_ = std::move(musicSwitch);
    effectsOn_ = effectsOn;
    emit switchesChanged();
}

void AudioSwitches::PlaySoundEffect(SoundEffect effect)
{
    if (effectsOn_) {
        PlayAlways(effect);
    }
}

void AudioSwitches::PlayAlways(SoundEffect effect)
{
    const QString path = folders_.Find(SoundFile(effect));
    if (const QString held = held_.Hold(folders_.RootOf(path), path, kMediaFileBudget); !held.isEmpty()) {
        effects_.Play(held);
    }
}

QString AudioSwitches::LevelMusicFile()
{
    if (mediaName_.isEmpty()) {
        return {};
    }
    const QString path = folders_.Find(kMediaFolder + mediaName_);
    return FileExists(path) ? held_.Hold(folders_.RootOf(path), path, kMediaFileBudget) : QString();
}

void AudioSwitches::SetMusicOn(bool on)
{
    music_.Set(on);
    if (on) {
        // The level's piece starts again from its beginning.
        if (const QString file = LevelMusicFile(); !file.isEmpty()) {
            musicPlayer_.Open(file);
        }
    } else {
        musicPlayer_.Close();
    }
    emit switchesChanged();
}

void AudioSwitches::SetEffectsOn(bool on)
{
    effectsOn_ = on;
    emit switchesChanged();
}

void AudioSwitches::CloseMusic()
{
    musicPlayer_.Close();
}

void AudioSwitches::StartLevelMusic(const QString& mediaName)
{
    mediaName_ = mediaName;
    if (!music_.on) {
        return;
    }
    if (const QString file = LevelMusicFile(); !file.isEmpty()) {
        musicPlayer_.Open(file);
    }
}

} // namespace daz
