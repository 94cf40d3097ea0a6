// Which timer ticks can be skipped without changing anything the player could see.
#pragma once

#include <array>
#include <cstdint>
#include <limits>

namespace game {

// Each tick handler is a function of the window's state alone. So once a tick has changed
// nothing, every later tick of the same timer changes nothing either, until the state moves
// on (MainForm::revision()). Such ticks need not be delivered at all.
class TickGate {
public:
    enum Timer { TieCheck, CpuTurn, WinCheck, TimerCount };

    // A tick is needed unless the timer's last tick changed nothing and nothing changed since.
    bool needed(Timer timer, std::uint64_t revision) const { return m_idleAt[timer] != revision; }

    void ticked(Timer timer, std::uint64_t revisionBefore, std::uint64_t revisionAfter)
    {
        m_idleAt[timer] = revisionBefore == revisionAfter ? revisionAfter : kNever;
    }

private:
    static constexpr std::uint64_t kNever = std::numeric_limits<std::uint64_t>::max();
    std::array<std::uint64_t, TimerCount> m_idleAt{kNever, kNever, kNever};
};

} // namespace game
