#include "timerschedule.h"

namespace game {

void TimerSchedule::setEnabled(Timer timer, bool enabled, Time now)
{
    State& state = m_timers[timer];
    if (state.enabled == enabled)
        return;
    state.enabled = enabled;
    if (enabled) {
        state.startedAt = now;
        state.startOrder = ++m_starts;
        state.idleAt = kNever;
    }
}

bool TimerSchedule::awake(Timer timer) const
{
    const State& state = m_timers[timer];
    return state.enabled && !state.running && state.idleAt != m_revision;
}

// The timer's first tick after the last one that has had its turn. Its ticks fall at whole
// intervals from its start, so however long it slept or ran, it keeps its phase.
TimerSchedule::Slot TimerSchedule::nextSlot(Timer timer) const
{
    const State& state = m_timers[timer];
    Slot slot{state.startedAt + kInterval, state.startOrder};
    if (m_done.at >= slot.at)
        slot.at = state.startedAt + (m_done.at - state.startedAt) / kInterval * kInterval;
    if (slot <= m_done)
        slot.at += kInterval;
    return slot;
}

std::optional<TimerSchedule::Timer> TimerSchedule::takeDue(Time now)
{
    std::optional<Timer> due;
    Slot first{};
    for (int index = 0; index < TimerCount; ++index) {
        const auto timer = Timer(index);
        if (!awake(timer))
            continue;
        const Slot slot = nextSlot(timer);
        if (slot.at <= now && (!due || slot < first)) {
            due = timer;
            first = slot;
        }
    }
    if (due) {
        m_done = first;
        m_timers[*due].running = true;
    }
    return due;
}

void TimerSchedule::finished(Timer timer, std::uint64_t revisionBefore, std::uint64_t revisionAfter)
{
    State& state = m_timers[timer];
    state.running = false;
    state.idleAt = revisionBefore == revisionAfter ? revisionAfter : kNever;
    m_revision = revisionAfter;
}

void TimerSchedule::stateChanged(std::uint64_t revision)
{
    m_revision = revision;
}

void TimerSchedule::passed(Time now)
{
    const Slot everythingUntilNow{now, std::numeric_limits<std::uint64_t>::max()};
    if (m_done < everythingUntilNow)
        m_done = everythingUntilNow;
}

std::optional<Time> TimerSchedule::nextDue() const
{
    std::optional<Time> due;
    for (int index = 0; index < TimerCount; ++index) {
        const auto timer = Timer(index);
        if (awake(timer) && (!due || nextSlot(timer).at < *due))
            due = nextSlot(timer).at;
    }
    return due;
}

} // namespace game
