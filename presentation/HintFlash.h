#pragma once

#include <memory>

#include <QObject>

#include "engine/Board.h"
#include "platform/Timer.h"

namespace daz {

class Round;

// The hint: the two tiles found blink four times, every half second
// (blinked() each time, for the tick of sound). A hidden tile takes no pointer. Tiles are
// shown exactly as they are on the board once the flash ends or is cut
// short, so it never leaves a tile hidden. Once either tile leaves its
// cell (a pair, an undo, a slide or a shuffle), both cells show at once
// and stay in sight while the flash ticks on: whatever lies there now is
// not the pair found. A new hint during a flash takes over its count.
// Steady (less motion), the two tiles stay in sight and are marked for the
// same four ticks instead, the mark going as the blinking would stop.
class HintFlash : public QObject {
    Q_OBJECT

public:
    static constexpr int kTicks = 4;

    HintFlash(const Round& round, platform::TimerFactory& timers);
    ~HintFlash() override;

    // Whether the tile of this cell is hidden by the flash now.
    bool Hides(Cell cell) const;
    // Whether the steady hint marks the tile of this cell now.
    bool Marks(Cell cell) const;
    void SetSteady(bool steady);
    bool Running() const;
    int Tick() const { return tick_; }
    Cell First() const { return first_; }
    Cell Second() const { return second_; }

signals:
    // The two cells the flash shows or hides.
    void changed(Cell first, Cell second);
    // One of the flash's ticks.
    void blinked();

private:
    void Start(Cell first, Cell second);
    void Step();
    void Stop();
    void ShowAsTheyAre();
    void BoardChanged();
    // Whether both tiles found still lie in their cells.
    bool PairInPlace() const;

    const Round& round_;
    std::unique_ptr<platform::Timer> timer_; // "HintFlash"
    Cell first_;
    Cell second_;
    TileCode firstCode_ = 0;
    TileCode secondCode_ = 0;
    bool pairLeft_ = false; // one of the two left its cell during this flash
    bool hidden_ = false;
    bool steady_ = false;
    int tick_ = 0;
};

} // namespace daz
