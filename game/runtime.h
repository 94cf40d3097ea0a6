// Runs the main window: delivers the player's clicks and the timers' ticks to the game's
// handlers one at a time, as the window toolkit does, whatever front end draws the window.
#pragma once

#include "clock.h"
#include "frontend.h"
#include "mainform.h"
#include "narrator.h"
#include "timerschedule.h"
#include "toolkit.h"

#include <optional>

namespace game {

// The Runtime stands between the form and the front end: it is the toolkit that MainForm's
// handlers call, and it passes each box, beep and change on to the front end, keeping the
// timers and the narration in step with them.
class Runtime : private Toolkit {
public:
    // The front end draws every change, shows the boxes and keeps the clock's alarm.
    Runtime(FrontEnd& frontEnd, Clock& clock);

    // The window loads: its three timers start, enabled, and then Form_Load runs.
    void load();

    // The player's events. Each is dropped while a handler runs: a handler's message box is
    // open or closing, and the modal box keeps the player away from the board until the
    // handler has finished. A disabled square delivers no click. Each says whether it was taken.
    bool squareClick(int square); // TopLeft_Click ... BottomRight_Click; square is 1 to 9
    bool newGameClick();
    bool getFocasClick();
    bool busy() const { return m_handlersRunning > 0; }

    // The clock's alarm: runs every tick that is due, in order. Ticks run inside message
    // boxes too, so this may come while a handler runs.
    void alarm();

    const MainForm& form() const { return m_form; }
    const TimerSchedule& timers() const { return m_timers; }

private:
    template <typename Handler>
    bool event(Handler handler);
    // Runs a handler; a run-time error it raises is reported, and the game goes on.
    template <typename Handler>
    void run(Handler handler);
    template <typename Show>
    void modal(Show show);
    void setAlarm();
    void eventDone();

    void msgBox(const std::string& prompt, BoxIcon icon, const std::string& title) override;
    void beep() override;
    void changed(const Change& change) override;

    FrontEnd* m_frontEnd;
    Clock* m_clock;
    MainForm m_form;
    TimerSchedule m_timers;
    Narrator m_narrator;
    std::optional<Time> m_alarm;
    int m_handlersRunning = 0; // more than one while ticks run inside a handler's message box
};

} // namespace game
