#include "QtTimer.h"

#include <QTimer>

namespace daz::platform {
namespace {

class QtTimer final : public Timer {
public:
    explicit QtTimer(int intervalMs)
    {
        timer_.setInterval(intervalMs);
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (onTick) {
                onTick();
            }
        });
    }
    void Start() override
    {
        if (!timer_.isActive()) {
            timer_.start();
        }
    }
    void Stop() override { timer_.stop(); }
    bool IsActive() const override { return timer_.isActive(); }
    int IntervalMs() const override { return timer_.interval(); }

private:
    QTimer timer_;
};

} // namespace

std::unique_ptr<Timer> QtTimerFactory::Create(const QString&, int intervalMs)
{
    return std::make_unique<QtTimer>(intervalMs);
}

} // namespace daz::platform
