#include "QtAudio.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QMetaObject>
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
    if (standIn_ != nullptr) {
        standIn_->stop();
        standIn_->deleteLater();
        standIn_ = nullptr;
    }
    if (!QFileInfo(path).isFile()) {
        return; // a missing effect is simply not heard; nor is a pipe or a device
    }
    QSoundEffect* effect = new QSoundEffect(owner_.get());
    playing_ = effect;
    effect->setSource(QUrl::fromLocalFile(path));
    effect->play(); // plays as soon as it has loaded
    if (effect->status() != QSoundEffect::Loading) {
        StandInIfRefused(effect, path);
        return;
    }
    // Loaded, the effect starts in the same call that tells it is ready;
    // whether the server took it shows once that call is over.
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, [this, effect, path] {
        if (effect->status() == QSoundEffect::Ready) {
            QMetaObject::invokeMethod(
                effect, [this, effect, path] { StandInIfRefused(effect, path); }, Qt::QueuedConnection);
        }
    });
}

void QtEffectPlayer::StandInIfRefused(QSoundEffect* effect, const QString& path)
{
    if (effect != playing_ || effect->isPlaying() || effect->status() != QSoundEffect::Ready) {
        return;
    }
    standIn_ = new QMediaPlayer(owner_.get());
    standIn_->setAudioOutput(new QAudioOutput(standIn_));
    standIn_->setSource(QUrl::fromLocalFile(path));
    standIn_->play();
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
