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
    // A fresh effect for every play: one reused per file falls silent
    // after a dozen seconds with PulseAudio, and a fresh one also finds a
    // restarted sound server. The one playing is stopped when the next
    // starts and deleted once control is back in the event loop.
    std::unique_ptr<QObject> owner_;
    QSoundEffect* playing_ = nullptr;
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
