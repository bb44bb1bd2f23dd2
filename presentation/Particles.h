#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include <QImage>
#include <QObject>

#include "engine/Random.h"
#include "platform/Timer.h"

namespace daz {

// The ten small pictures that drift over the board of a level: falling
// flowers, rising bubbles, flying petals, floating clouds or twinkling
// stars. They are decoration only and never take the mouse. With less
// motion none is shown; turned back on, a level's particles set off.
class Particles : public QObject {
    Q_OBJECT

public:
    static constexpr int kCount = 10;
    enum Effect { None = 0, Flowers = 1, Bubbles = 2, Petals = 3, Clouds = 4, Stars = 5 };

    struct Sprite {
        std::int16_t PartX = 0; // board-area twips
        std::int16_t PartY = 0;
        std::int16_t PartSpeed = 0; // twips per tick along the motion, 3 … 6
        bool visible = false;
        int left = 0; // where the picture is drawn
        int top = 0;
    };

    // boardWidth and boardHeight: the board area in twips. random is the
    // view's own generator for motion, reseeded from its clock at every
    // tick; never the one a level is dealt from.
    Particles(Random& random, platform::TimerFactory& timers, int boardWidth, int boardHeight);

    // Every level load hides the particles first.
    void HideAll();
    // Places the ten particles at random and sets them moving. The timer
    // keeps ticking from then on, for the rest of the run.
    void Start(int effect, QImage picture);
    void SetStill(bool still);

    int CurrentEffect() const { return effect_; }
    const QImage& Picture() const { return picture_; }
    const std::array<Sprite, kCount + 1>& All() const { return sprites_; } // [1 … 10]
    bool TimerRunning() const { return timer_->IsActive(); }

signals:
    void moved();

private:
    void Tick();
    void Wobble(std::int16_t& coordinate);
    std::int16_t NewSpeed();
    static void Move(Sprite& s)
    {
        s.left = s.PartX;
        s.top = s.PartY;
    }

    Random& random_;
    std::unique_ptr<platform::Timer> timer_; // "Particles"
    int width_;
    int height_;
    int effect_ = None;
    QImage picture_;
    bool still_ = false;
    std::array<Sprite, kCount + 1> sprites_{};
};

class GameFlow;
class Round;

// Every level load hides the particles; a level that has them sets them
// going once it is dealt.
void FollowLevels(Particles& particles, const GameFlow& flow, const Round& round);

} // namespace daz
