// The time the window's timers run on, and the one alarm the front end keeps for them.
#pragma once

#include <chrono>
#include <optional>

namespace game {

// Microseconds since the clock's own starting point.
using Time = std::chrono::microseconds;

// The front end's clock: it tells the time and keeps one alarm, and when the alarm is due
// it calls Runtime::alarm(). Tests use a clock that they move on by hand.
class Clock {
public:
    virtual ~Clock() = default;

    virtual Time now() const = 0;

    // Asks for one call of Runtime::alarm() at `when` or as soon after it as possible, in
    // place of any earlier request. Without a time nothing is due, and nothing need wake.
    virtual void setAlarm(std::optional<Time> when) = 0;
};

} // namespace game
