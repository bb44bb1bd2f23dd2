#pragma once

#include <QString>

namespace daz::platform {

// Plays short wave files in the background, one at a time: a new effect
// cuts off the one still sounding.
class EffectPlayer {
public:
    virtual ~EffectPlayer() = default;
    virtual void Play(const QString& path) = 0;
};

// Plays one music file once, at half volume, until closed.
class MusicPlayer {
public:
    virtual ~MusicPlayer() = default;
    virtual void Open(const QString& path) = 0; // starts playing from the beginning
    virtual void Close() = 0;                   // stops and releases the file
};

} // namespace daz::platform
