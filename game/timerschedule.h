// The main window's three 50 ms timers: when each tick is due, in which order, and when a
// timer may sleep.
#pragma once

#include "clock.h"

#include <array>
#include <compare>
#include <cstdint>
#include <limits>
#include <optional>

namespace game {

// Ticks come exactly as three plain repeating timers would deliver them. Each timer ticks
// every 50 ms from the moment it was last enabled; ticks that fall due at one moment come
// in the order the timers were last started; a timer whose handler is still running (its
// message box is open) misses the ticks that fall due meanwhile.
//
// On top of that a timer sleeps while its ticks would change nothing: its last tick left the
// window's state as it was, and the state has not moved since (every handler reads nothing
// but that state). A sleeping timer's ticks are not delivered, but it keeps its phase: woken,
// it ticks exactly when it would have ticked had it never slept, even later in the same
// moment when an earlier tick of that moment woke it.
class TimerSchedule {
public:
    enum Timer { TieCheck, CpuTurn, WinCheck, TimerCount }; // in the design's creation order
    static constexpr Time kInterval = std::chrono::milliseconds(50);

    // Enabling a disabled timer starts its count afresh; enabling an enabled one changes nothing.
    void setEnabled(Timer timer, bool enabled, Time now);
    bool enabled(Timer timer) const { return m_timers[timer].enabled; }

    // The next tick due at or before now, in order. Its timer counts as running until finished().
    std::optional<Timer> takeDue(Time now);
    // The tick's handler has returned; the window's revision before and after it decides
    // whether the timer sleeps.
    void finished(Timer timer, std::uint64_t revisionBefore, std::uint64_t revisionAfter);
    // The window's state is now at `revision`: a timer that slept on an older one wakes.
    void stateChanged(std::uint64_t revision);
    // Something from outside the timers (a click, a box that closed) happened at now, so every
    // tick due until then has had its turn.
    void passed(Time now);

    // When the earliest tick of an awake timer falls due; none while every timer sleeps or is off.
    std::optional<Time> nextDue() const;

private:
    // One tick of one timer: ticks are ordered by their time, then by their timers' start order.
    struct Slot {
        Time at;
        std::uint64_t startOrder;
        // Spelt out: not every standard library compares durations with <=> yet.
        friend std::strong_ordering operator<=>(const Slot& a, const Slot& b)
        {
            return a.at != b.at ? a.at.count() <=> b.at.count() : a.startOrder <=> b.startOrder;
        }
        friend bool operator==(const Slot&, const Slot&) = default;
    };
    static constexpr std::uint64_t kNever = std::numeric_limits<std::uint64_t>::max();

    struct State {
        bool enabled = false;
        bool running = false;
        Time startedAt{};
        std::uint64_t startOrder = 0;
        std::uint64_t idleAt = kNever; // the revision its last tick left unchanged
    };

    bool awake(Timer timer) const;
    Slot nextSlot(Timer timer) const;

    std::array<State, TimerCount> m_timers{};
    Slot m_done{Time::min(), 0}; // every tick up to and including this one has had its turn
    std::uint64_t m_revision = 0;
    std::uint64_t m_starts = 0;
};

} // namespace game
