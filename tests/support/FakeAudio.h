#pragma once

#include <QFileInfo>
#include <QStringList>

#include "platform/Audio.h"

namespace daz::testing {

// The game hands the players the path of a descriptor it opened; the
// fakes note the file it is.
inline QString OpenedFile(const QString& path)
{
    return path.startsWith(QStringLiteral("/proc/self/fd/")) ? QFileInfo(path).symLinkTarget() : path;
}

class FakeEffectPlayer final : public platform::EffectPlayer {
public:
    void Play(const QString& path) override { played.append(OpenedFile(path)); }
    QStringList played;
};

// Remembers what is playing; "events" logs every call in order.
class FakeMusicPlayer final : public platform::MusicPlayer {
public:
    void Open(const QString& path) override
    {
        current = OpenedFile(path);
        events.append(QStringLiteral("open ") + current);
    }
    void Close() override
    {
        current.clear();
        events.append(QStringLiteral("close"));
    }
    QString current;
    QStringList events;
};

} // namespace daz::testing
