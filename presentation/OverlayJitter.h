#pragma once

#include <memory>

#include <QObject>

#include "engine/Random.h"
#include "platform/Timer.h"

namespace daz {

class Round;
enum class Phase;

// The picture that hides the board does not sit still: every half second
// it moves to a random spot 1 … 200 window twips right of and below its
// centred place. The jitter runs whenever the board is hidden, and from
// the start until the first level is dealt; with less motion it stands
// still in the middle of that span. Its generator, like the caption's, is
// the view's own for motion, never a level's.
class OverlayJitter : public QObject {
    Q_OBJECT

public:
    OverlayJitter(const Round& round, platform::TimerFactory& timers, Random& random);
    ~OverlayJitter() override;

    int X() const { return x_; }
    int Y() const { return y_; }
    bool Running() const;
    void SetStill(bool still);

signals:
    void moved();

private:
    void Follow(Phase phase);
    void Tick();

    const Round& round_;
    Random& random_;
    std::unique_ptr<platform::Timer> timer_; // "OverlayJitter"
    int x_ = 1;
    int y_ = 1;
    bool still_ = false;
};

// The level caption changes colour with every second of the clock: one of
// the sixteen colours of the classic palette, at random. Steady (less
// motion), it keeps the colour it has.
class CaptionColour : public QObject {
    Q_OBJECT

public:
    CaptionColour(const Round& round, Random& random);

    int Index() const { return index_; } // 0 … 15
    void SetSteady(bool steady) { steady_ = steady; }

signals:
    void changed();

private:
    int index_ = 0;
    bool steady_ = false;
};

} // namespace daz
