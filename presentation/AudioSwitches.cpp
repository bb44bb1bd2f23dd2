#include "AudioSwitches.h"

#include "leveldata/ProgramPaths.h"

namespace daz {

AudioSwitches::AudioSwitches(ProgramState& state, DataFolders folders, platform::EffectPlayer& effects,
                             platform::MusicPlayer& music)
    : state_(state), folders_(std::move(folders)), effects_(effects), music_(music)
{
}

void AudioSwitches::PlaySoundEffect(SoundEffect effect)
{
    if (state_.SoundON) {
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
    if (state_.MediaName.isEmpty()) {
        return {};
    }
    const QString path = folders_.Find(kMediaFolder + state_.MediaName);
    return FileExists(path) ? held_.Hold(folders_.RootOf(path), path, kMediaFileBudget) : QString();
}

void AudioSwitches::SetMusicOn(bool on)
{
    state_.MediaON.Set(on);
    if (on) {
        // The level's piece starts again from its beginning.
        if (const QString file = LevelMusicFile(); !file.isEmpty()) {
            music_.Open(file);
        }
    } else {
        music_.Close();
    }
    emit switchesChanged();
}

void AudioSwitches::SetEffectsOn(bool on)
{
    state_.SoundON = on;
    emit switchesChanged();
}

void AudioSwitches::CloseMusic()
{
    music_.Close();
}

void AudioSwitches::StartLevelMusic()
{
    if (!state_.MediaON.on) {
        return;
    }
    if (const QString file = LevelMusicFile(); !file.isEmpty()) {
        music_.Open(file);
    }
}

} // namespace daz
