// Fuzzes the game: each input byte is one event, delivered as the window would deliver it,
// and the window's state must keep its rules after every event.
#include "mainform.h"
#include "support/invariants.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Events, by byte value modulo 14: 0-8 a click on square 1-9, 9 a TieCheck tick, 10 a
// CpuTurn tick, 11 a WinCheck tick, 12 New Game, 13 the hidden ratings button.
constexpr int kEventKinds = 14;

class Events : public game::Toolkit {
public:
    Events(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool more() const { return m_next < m_size; }
    int next() { return m_data[m_next++]; }

    void run(game::MainForm& form, int event)
    {
        if (event < 9) {
            if (form.squareEnabled(event + 1)) // a disabled square delivers no click
                form.Square_Click(event + 1);
        } else if (event < 12) {
            tick(form, event - 9);
        } else if (event == 12) {
            form.cmdNewGame_Click();
        } else {
            form.GetFocas_Click();
        }
    }

    game::MainForm* form = nullptr;

private:
    void tick(game::MainForm& form, int timer)
    {
        if (timer == 0 && form.tieCheckEnabled())
            form.TieCheck_Timer();
        if (timer == 1)
            form.CpuTurn_Timer();
        if (timer == 2 && form.winCheckEnabled())
            form.WinCheck_Timer();
    }

    // While a box is open the player cannot reach the window, but the timers go on ticking:
    // the next bytes say how many ticks come, and of which timers.
    void msgBox(const std::string&, int, const std::string&) override
    {
        if (m_depth >= 3 || !more())
            return;
        ++m_depth;
        for (int ticks = next() % 4; ticks > 0 && more(); --ticks)
            tick(*form, next() % 3);
        --m_depth;
    }
    void beep() override {}
    void runtimeError(const game::RuntimeError&) override {}
    void changed(const game::Change&) override {}

    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_next = 0;
    int m_depth = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Events events(data, size);
    game::MainForm form(events);
    events.form = &form;
    form.Form_Load();
    while (events.more()) {
        events.run(form, events.next() % kEventKinds);
        const std::string broken = invariants::violation(form);
        if (!broken.empty()) {
            std::fprintf(stderr, "broken: %s\n", broken.c_str());
            std::abort();
        }
    }
    return 0;
}
