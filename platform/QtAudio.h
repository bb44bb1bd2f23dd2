#pragma once

#include <memory>

#include "Audio.h"

class QObject;
class QSoundEffect;
class QMediaPlayer;
class QAudioOutput;

namespace daz::platform {

class QtEffectPlayer final : public EffectPlayer {
public:
    QtEffectPlayer();
    ~QtEffectPlayer() override;
    void Play(const QString& path) override;

private:
    // Plays the effect through a media player when the sound server
    // refused it: it stopped playing as soon as it started.
    void StandInIfRefused(QSoundEffect* effect, const QString& path);

    // A fresh effect for every play: one reused per file falls silent
    // after a dozen seconds with PulseAudio. The one playing is stopped
    // when the next starts and deleted once control is back in the event
    // loop.
    //
    // Qt reaches the sound server for all effects of the program through
    // one connection; when the server goes away, Qt restores it only every
    // three seconds, and until then refuses every effect at once. So that
    // effects are heard as soon as a restarted server is back, a refused
    // one plays through a media player instead, which reaches the server
    // anew (but takes a little longer to start).
    std::unique_ptr<QObject> owner_;
    QSoundEffect* playing_ = nullptr;
    QMediaPlayer* standIn_ = nullptr;
};

class QtMusicPlayer final : public MusicPlayer {
public:
    QtMusicPlayer();
    ~QtMusicPlayer() override;
    void Open(const QString& path) override;
    void Close() override;

private:
    void EnsurePlayer();

    std::unique_ptr<QAudioOutput> output_;
    std::unique_ptr<QMediaPlayer> player_;
};

} // namespace daz::platform
