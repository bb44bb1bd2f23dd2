#include "Looks.h"

#include "platform/DesktopWishes.h"
#include "presentation/BoardMotion.h"
#include "presentation/Contrast.h"
#include "presentation/Particles.h"

namespace daz {

Looks::Looks(const platform::DesktopWishes& desktop, std::optional<bool> lessMotion, std::optional<bool> highContrast)
    : lessMotion_(lessMotion),
      highContrast_(highContrast),
      desktopLessMotion_(desktop.LessMotion()),
      desktopHighContrast_(desktop.HighContrast())
{
    connect(&desktop, &platform::DesktopWishes::changed, this, [this, &desktop] {
        Update([&] {
            desktopLessMotion_ = desktop.LessMotion();
            desktopHighContrast_ = desktop.HighContrast();
        });
    });
}

void Looks::ChooseLessMotion(bool on)
{
    Update([&] { lessMotion_ = on; });
}

void Looks::ChooseHighContrast(bool on)
{
    Update([&] { highContrast_ = on; });
}

void Looks::Update(const std::function<void()>& change)
{
    const bool lessMotion = LessMotion();
    const bool highContrast = HighContrast();
    change();
    if (lessMotion != LessMotion() || highContrast != HighContrast()) {
        emit changed();
    }
}

void FollowLooks(const Looks& looks, BoardMotion& motion, Particles& particles)
{
    const auto apply = [&looks, &motion, &particles] {
        motion.SetLessMotion(looks.LessMotion());
        particles.SetStill(looks.LessMotion());
    };
    apply();
    QObject::connect(&looks, &Looks::changed, &particles, apply);
}

void FollowContrast(const Looks& looks)
{
    UseHighContrast(looks.HighContrast());
    QObject::connect(&looks, &Looks::changed, &looks, [&looks] { UseHighContrast(looks.HighContrast()); });
}

} // namespace daz
