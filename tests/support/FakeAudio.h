#pragma once

#include <QStringList>

#include "platform/Audio.h"

namespace daz::testing {

class FakeEffectPlayer final : public platform::EffectPlayer {
public:
    void Play(const QString& path) override { played.append(path); }
    QStringList played;
};

// Remembers what is playing; "events" logs every call in order.
class FakeMusicPlayer final : public platform::MusicPlayer {
public:
    void Open(const QString& path) override
    {
        current = path;
        events.append(QStringLiteral("open ") + path);
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
