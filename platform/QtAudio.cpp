#include "QtAudio.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QUrl>

namespace daz::platform {

QtEffectPlayer::QtEffectPlayer() : owner_(std::make_unique<QObject>()) {}
QtEffectPlayer::~QtEffectPlayer() = default; // the owner takes the effects with it

void QtEffectPlayer::Play(const QString& path)
{
    if (playing_ != nullptr) {
        playing_->stop();
        playing_->deleteLater();
        playing_ = nullptr;
    }
    if (!QFileInfo(path).isFile()) {
        return; // a missing effect is simply not heard; nor is a pipe or a device
    }
    playing_ = new QSoundEffect(owner_.get());
    playing_->setSource(QUrl::fromLocalFile(path));
    playing_->play(); // plays as soon as it has loaded
}

QtMusicPlayer::QtMusicPlayer() = default;

QtMusicPlayer::~QtMusicPlayer()
{
    if (player_) {
        player_->stop();
    }
}

void QtMusicPlayer::EnsurePlayer()
{
    if (player_) {
        return;
    }
    output_ = std::make_unique<QAudioOutput>();
    output_->setVolume(0.5f);
    player_ = std::make_unique<QMediaPlayer>();
    player_->setAudioOutput(output_.get());
    player_->setLoops(1);
}

void QtMusicPlayer::Open(const QString& path)
{
    EnsurePlayer();
    player_->stop();
    player_->setSource(QUrl::fromLocalFile(path));
    player_->play();
}

void QtMusicPlayer::Close()
{
    if (player_) {
        player_->stop();
        player_->setSource(QUrl());
    }
}

} // namespace daz::platform
