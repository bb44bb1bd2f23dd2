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
// menu item and a toggle button); both read the state from here, and the
// user's settings are read into it and saved from it.
class AudioSwitches : public QObject, public SoundSink {
    Q_OBJECT

public:
    AudioSwitches(DataFolders folders, platform::EffectPlayer& effects, platform::MusicPlayer& music);

    // Plays an effect when the player wants effects.
    void PlaySoundEffect(SoundEffect effect) override;
    // Plays an effect whatever the switch says (the mode chooser runs
    // before the switch is read).
    void PlayAlways(SoundEffect effect);

    void SetMusicOn(bool on);
    void SetEffectsOn(bool on);
    bool MusicOn() const { return music_.on; }
    bool EffectsOn() const { return effectsOn_; }
    // The switches as the settings file had them, before anything plays.
    void Restore(MusicSwitch musicSwitch, bool effectsOn);
    const MusicSwitch& Music() const { return music_; }

    // A level load closes the player first and gives it the new level's
    // piece at the end.
    void CloseMusic();
    // The piece of the level now on the board (a file of the media
    // folder; empty for none), played when the music is on.
    void StartLevelMusic(const QString& mediaName);

signals:
    void switchesChanged();

private:
    // The level's music file, or nothing when there is none to play.
    QString LevelMusicFile();

    MusicSwitch music_;
    bool effectsOn_ = true;
    QString mediaName_;
    DataFolders folders_;
    platform::EffectPlayer& effects_;
    platform::MusicPlayer& musicPlayer_;
    HeldFiles held_; // what the players read
};

} // namespace daz
