#pragma once

#include <memory>

#include <QObject>

#include "engine/LinkTest.h"
#include "platform/Timer.h"

namespace daz {

class Round;

// The yellow path drawn between two tiles as they go: shown at once, it
// grows one pixel wider every 30 ms and is gone after ten steps. With less
// motion it keeps one width for those steps. A new pair takes it over;
// leaving the level wipes it.
class LinkPathFade : public QObject {
    Q_OBJECT

public:
    static constexpr int kSteps = 10;
    // The width of the path that does not grow.
    static constexpr int kSteadyWidth = 3;

    LinkPathFade(const Round& round, platform::TimerFactory& timers);
    ~LinkPathFade() override;

    bool Visible() const { return path_.segments > 0; }
    // The path in cells; no segments while nothing is drawn.
    const LinkPath& Path() const { return path_; }
    // The line's width in pixels at the design scale.
    int Width() const { return width_; }
    int Step() const { return step_; }
    bool Running() const;
    void SetSteady(bool steady);

signals:
    // The path or its width changed; what was drawn before, to be wiped.
    void changed(const LinkPath& before, int widthBefore);

private:
    void Show(const LinkPath& path);
    void Tick();
    void Wipe();

    std::unique_ptr<platform::Timer> timer_; // "LinkPathFade"
    LinkPath path_;
    int width_ = 1;
    int step_ = 0;
    bool steady_ = false;
};

} // namespace daz
