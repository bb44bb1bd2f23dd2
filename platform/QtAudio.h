#pragma once

#include <map>
#include <memory>

#include "Audio.h"

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
    // One loaded effect per file, kept for the run: the nine effects are
    // small, and a cached effect starts without delay.
    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
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
