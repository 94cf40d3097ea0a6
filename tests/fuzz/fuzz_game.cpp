// Fuzzes the game with its own runtime on a manual clock: each input byte is a click, a key or
// some time passing, and boxes stay open while the next bytes say what happens meanwhile.
// After every event the window's state must keep its rules, every box must say what the
// board calls for, and a tick that has work to do must have the window armed for it.
#include "invariants.h"
#include "manualclock.h"

#include "runtime.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace std::chrono_literals;

[[noreturn]] void broken(const std::string& what)
{
    std::fprintf(stderr, "broken: %s\n", what.c_str());
    std::abort();
}

class Player : public game::FrontEnd {
public:
    Player(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size), m_runtime(*this, m_clock) {}

    void play()
    {
        m_runtime.load();
        while (more()) {
            m_boxes = m_boxesDue = 0;
            event(next());
            if (m_boxes != m_boxesDue)
                broken(std::to_string(m_boxes) + " boxes shown where the board called for " + std::to_string(m_boxesDue));
            if (const std::string rule = invariants::violation(form()); !rule.empty())
                broken(rule);
            if (invariants::tickHasWork(form()) && !m_clock.alarm())
                broken("a tick has work to do, but nothing will wake the window");
        }
    }

private:
    const game::MainForm& form() const { return m_runtime.form(); }
    bool more() const { return m_next < m_size; }
    int next() { return more() ? m_data[m_next++] : 0; }

    // Events, by byte value modulo 14: 0-8 a click on square 1-9, 9 New Game, 10 the hidden
    // ratings button, 11-13 time passing: a microsecond, to within a microsecond of the
    // computer's next tick, or the next byte in milliseconds.
    void event(int byte)
    {
        switch (byte % 14) {
        case 9: m_runtime.newGameClick(); break;
        case 10: {
            const int xs = invariants::count(form(), game::Mark::X);
            const bool taken = !m_runtime.busy();
            m_runtime.getFocasClick();
            m_boxesDue += taken && xs >= 2 && xs <= 4;
            break;
        }
        case 11: pass(1us); break;
        case 12: pass((m_clock.now() / 50ms + 1) * 50ms + game::Time(next() % 3 - 1) - m_clock.now()); break;
        case 13: pass(std::chrono::milliseconds(next())); break;
        default: m_runtime.squareClick(byte % 14 + 1); break;
        }
    }

    void pass(game::Time by) { m_clock.advanceBy(m_runtime, std::max(by, game::Time(0))); }

    // While a box is open the player cannot reach the board, but may try, and time passes.
    void msgBox(const std::string& prompt, game::BoxIcon icon, const std::string&) override
    {
        ++m_boxes;
        if (icon == game::BoxIcon::Critical)
            broken("a run-time error in play: " + prompt);
        if (const std::string fault = invariants::boxFault(prompt, form()); !fault.empty())
            broken(fault);
        if (m_depth >= 3)
            return;
        ++m_depth;
        for (int events = next() % 4; events > 0 && more(); --events)
            event(next());
        --m_depth;
    }
    void beep() override {}
    void announce(const std::string&) override {}

    // A win with 2 to 4 X's on the board calls for its rating, a tie for its message.
    void draw(const game::Change& change) override
    {
        if (change.property != game::Change::Property::StatusText)
            return;
        const int xs = invariants::count(form(), game::Mark::X);
        if (form().statusText() == expected::kComputerWins)
            m_boxesDue += xs >= 2 && xs <= 4;
        if (form().statusText() == expected::kTieGame)
            ++m_boxesDue;
    }

    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_next = 0;
    ManualClock m_clock;
    game::Runtime m_runtime;
    int m_boxes = 0, m_boxesDue = 0, m_depth = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Player player(data, size);
    player.play();
    return 0;
}
