#include "AudioSwitches.h"

#include "leveldata/ProgramPaths.h"

namespace daz {

AudioSwitches::AudioSwitches(ProgramState& state, QString programFolder, platform::EffectPlayer& effects,
                             platform::MusicPlayer& music)
    : state_(state), programFolder_(std::move(programFolder)), effects_(effects), music_(music)
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
    effects_.Play(ResolveExisting(NativePath(programFolder_, SoundFile(effect))));
}

QString AudioSwitches::LevelMusicFile() const
{
    if (state_.MediaName.isEmpty()) {
        return {};
    }
    const QString path = NativePath(programFolder_, kMediaFolder + state_.MediaName);
    return FileExists(path) ? ResolveExisting(path) : QString();
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
