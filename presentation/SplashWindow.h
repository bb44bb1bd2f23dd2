#pragma once

#include <functional>

#include "presentation/ShapedWindow.h"
#include "presentation/Splash.h"

class QLabel;

namespace daz {

// The splash window, the first the program opens: its picture, the words
// "程序加载中：" and a loading bar that fills in about two seconds. White is
// its see-through colour.
//
// It deletes itself once closed, so create it with new:
//
//     auto* splash = new SplashWindow(lock, boxes, timers);
//     splash->onFinished = [&] { /* open the mode chooser */ };
//     if (!splash->Load()) { delete splash; return 0; }
class SplashWindow : public ShapedWindow {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{461, 160};
    static constexpr QRect kCaptionRect{1080, 2040, 1080, 180}; // twips
    static constexpr QRect kBarRect{2280, 2040, Splash::kBarStartWidth, 180};

    SplashWindow(platform::InstanceLock& lock, platform::MessageBoxes& boxes, platform::TimerFactory& timers,
                 QWidget* parent = nullptr);

    // The load step: shapes, centres and shows the window and starts the
    // bar. False when another copy is already running: the player has been
    // told, nothing was shown, and the program should end.
    bool Load();

    const Splash& Model() const { return splash_; }
    QLabel* Bar() const { return bar_; }

    // Runs once the bar is full and the splash has closed.
    std::function<void()> onFinished;

private:
    void ShowBar();
    void Finish();

    Splash splash_;
    QLabel* caption_;
    QLabel* bar_;
};

} // namespace daz
