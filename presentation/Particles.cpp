#include "Particles.h"

#include "game/CellGeometry.h"
#include "game/GameFlow.h"
#include "game/Round.h"

namespace daz {

Particles::Particles(Random& random, platform::TimerFactory& timers, int boardWidth, int boardHeight)
    : random_(random), timer_(timers.Create(QStringLiteral("Particles"), 100)), width_(boardWidth), height_(boardHeight)
{
    timer_->onTick = [this] { Tick(); };
}

void Particles::HideAll()
{
    for (auto& s : sprites_) {
        s.visible = false;
    }
    effect_ = None;
    emit moved();
}

std::int16_t Particles::NewSpeed()
{
    return static_cast<std::int16_t>(Nearest(random_.Rnd() * 3.0f + 3.0f));
}

void Particles::Start(int effect, QImage picture)
{
    effect_ = effect;
    picture_ = std::move(picture);
    if (still_) {
        return;
    }
    for (int i = 1; i <= kCount; ++i) {
        Sprite& s = sprites_[static_cast<std::size_t>(i)];
        s.PartX = static_cast<std::int16_t>(random_.Draw(width_) - 1);
        s.PartY = static_cast<std::int16_t>(random_.Draw(height_) - 1);
        s.PartSpeed = NewSpeed();
        Move(s);
        s.visible = true;
    }
    timer_->Start();
    emit moved();
}

void Particles::SetStill(bool still)
{
    if (still == still_) {
        return;
    }
    still_ = still;
    if (still) {
        timer_->Stop();
        for (auto& s : sprites_) {
            s.visible = false;
        }
        emit moved();
    } else if (effect_ != None) {
        Start(effect_, picture_);
    }
}

void Particles::Wobble(std::int16_t& coordinate)
{
    coordinate = static_cast<std::int16_t>(coordinate + (random_.Draw(2) == 1 ? 2 : -2));
}

void Particles::Tick()
{
    random_.ReseedFromClock();
    if (effect_ < Flowers || effect_ > Stars) {
        return;
    }
    for (int i = 1; i <= kCount; ++i) {
        Sprite& s = sprites_[static_cast<std::size_t>(i)];
        // Each particle is drawn once just past the edge; it re-enters at
        // the opposite edge on the next tick.
        switch (effect_) {
        case Flowers:
            Wobble(s.PartX);
            s.PartY = static_cast<std::int16_t>(s.PartY + s.PartSpeed);
            Move(s);
            if (s.PartY > height_) {
                s.PartX = static_cast<std::int16_t>(random_.Draw(width_) - 1);
                s.PartY = 0;
                s.PartSpeed = NewSpeed();
            }
            break;
        case Bubbles:
            Wobble(s.PartX);
            s.PartY = static_cast<std::int16_t>(s.PartY - s.PartSpeed);
            Move(s);
            if (s.PartY < 0) {
                s.PartX = static_cast<std::int16_t>(random_.Draw(width_) - 1);
                s.PartY = static_cast<std::int16_t>(height_);
                s.PartSpeed = NewSpeed();
            }
            break;
        case Petals:
            Wobble(s.PartY);
            s.PartX = static_cast<std::int16_t>(s.PartX + s.PartSpeed);
            Move(s);
            if (s.PartX > width_) {
                s.PartX = 0;
                s.PartY = static_cast<std::int16_t>(random_.Draw(height_) - 1);
                s.PartSpeed = NewSpeed();
            }
            break;
        case Clouds:
            Wobble(s.PartY);
            s.PartX = static_cast<std::int16_t>(s.PartX - s.PartSpeed);
            Move(s);
            if (s.PartX < 0) {
                s.PartX = static_cast<std::int16_t>(width_);
                s.PartY = static_cast<std::int16_t>(random_.Draw(height_) - 1);
                s.PartSpeed = NewSpeed();
            }
            break;
        case Stars: {
            // Stars jump to a new place every tick; their table is not used.
            const float r1 = random_.Rnd();
            const float r2 = random_.Rnd();
            s.left = static_cast<int>(r1 * static_cast<float>(width_));
            s.top = static_cast<int>(r2 * static_cast<float>(height_));
            break;
        }
        default: break;
        }
    }
    emit moved();
}

void FollowLevels(Particles& particles, const GameFlow& flow, const Round& round)
{
    QObject::connect(&round, &Round::left, &particles, &Particles::HideAll);
    QObject::connect(&flow, &GameFlow::levelStarted, &particles, [&particles, &flow] {
        const Level* level = flow.CurrentLevel();
        if (level && level->settings.particle != 0 && !level->pictures.particle.isNull()) {
            particles.Start(level->settings.particle, level->pictures.particle);
        }
    });
}

} // namespace daz
