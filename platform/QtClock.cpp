#include "QtClock.h"

#include <QTime>

namespace daz::platform {

double QtClock::SecondsSinceMidnight() const
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

} // namespace daz::platform
