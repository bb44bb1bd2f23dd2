#pragma once

#include <QObject>
#include <QString>

#include "game/GameState.h"
#include "game/SoundEffects.h"
#include "leveldata/ConfinedFiles.h"
#include "leveldata/DataFolders.h"
#include "platform/Audio.h"

namespace daz {

// The two audio channels and their switches: sound effects under SoundON,
// the level's music under MediaON. Each switch shows twice on screen (a
// menu item and a toggle button); both read the state from here.
class AudioSwitches : public QObject, public SoundSink {
    Q_OBJECT

public:
    AudioSwitches(ProgramState& state, DataFolders folders, platform::EffectPlayer& effects,
                  platform::MusicPlayer& music);

    // Plays an effect when the player wants effects.
    void PlaySoundEffect(SoundEffect effect) override;
    // Plays an effect whatever the switch says (the mode chooser runs
    // before the switch is read).
    void PlayAlways(SoundEffect effect);

    void SetMusicOn(bool on);
    void SetEffectsOn(bool on);
    bool MusicOn() const { return state_.MediaON.on; }
    bool EffectsOn() const { return state_.SoundON; }

    // A level load closes the player first and gives it the new level's
    // piece at the end.
    void CloseMusic();
    void StartLevelMusic();

signals:
    void switchesChanged();

private:
    // The level's music file, or nothing when there is none to play.
    QString LevelMusicFile();

    ProgramState& state_;
    DataFolders folders_;
    platform::EffectPlayer& effects_;
    platform::MusicPlayer& music_;
    HeldFiles held_; // what the players read
};

} // namespace daz
