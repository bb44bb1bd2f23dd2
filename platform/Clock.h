#pragma once

namespace daz::platform {

// Local time of day, for reseeding the random generator.
class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, with their fraction.
    virtual double SecondsSinceMidnight() const = 0;
};

} // namespace daz::platform
