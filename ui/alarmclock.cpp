#include "alarmclock.h"

#include <chrono>

AlarmClock::AlarmClock(QObject* parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &AlarmClock::rang);
}

// The same monotonic clock that Qt's timers count on.
game::Time AlarmClock::now() const
{
    return std::chrono::duration_cast<game::Time>(std::chrono::steady_clock::now().time_since_epoch());
}

// Rounded up to whole milliseconds, so the alarm never rings before the tick is due. The
// deadlines themselves are exact, so the rounding never adds up from one tick to the next.
void AlarmClock::setAlarm(std::optional<game::Time> when)
{
    if (!when) {
        m_timer.stop();
        return;
    }
    const auto delay = std::chrono::ceil<std::chrono::milliseconds>(*when - now());
    m_timer.start(std::max(delay, std::chrono::milliseconds(0)));
}
