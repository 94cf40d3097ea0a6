// A clock that a test moves on by hand: the game's timers tick only when the test lets time pass.
#pragma once

#include "clock.h"
#include "runtime.h"

#include <algorithm>
#include <optional>

class ManualClock : public game::Clock {
public:
    game::Time now() const override { return m_now; }
    void setAlarm(std::optional<game::Time> when) override { m_alarm = when; }

    std::optional<game::Time> alarm() const { return m_alarm; }
    int rings() const { return m_rings; }

    // Moves the time on to `to`, ringing the runtime's alarm each time it falls due on the way.
    // A tick may open a message box whose answer moves the time on further.
    void advanceTo(game::Runtime& runtime, game::Time to)
    {
        while (m_alarm && *m_alarm <= to) {
            m_now = std::max(m_now, *m_alarm);
            m_alarm.reset();
            ++m_rings;
            runtime.alarm();
        }
        m_now = std::max(m_now, to);
    }
    void advanceBy(game::Runtime& runtime, game::Time by) { advanceTo(runtime, m_now + by); }

private:
    game::Time m_now{0};
    std::optional<game::Time> m_alarm;
    int m_rings = 0;
};
