#include "runtime.h"

#include "runtimeerror.h"

#include <array>

namespace game {

namespace {

constexpr std::array<void (MainForm::*)(), TimerSchedule::TimerCount> kTickHandlers = {
    &MainForm::TieCheck_Timer, &MainForm::CpuTurn_Timer, &MainForm::WinCheck_Timer};

} // namespace

Runtime::Runtime(FrontEnd& frontEnd, Clock& clock) : m_frontEnd(&frontEnd), m_clock(&clock), m_form(*this) {}

void Runtime::load()
{
    const Time now = m_clock->now();
    for (int timer = 0; timer < TimerSchedule::TimerCount; ++timer)
        m_timers.setEnabled(TimerSchedule::Timer(timer), true, now);
    run([this] { m_form.Form_Load(); });
    setAlarm();
}

bool Runtime::squareClick(int square)
{
    return event([this, square] {
        if (m_form.squareEnabled(square))
            m_form.Square_Click(square);
    });
}

bool Runtime::newGameClick()
{
    return event([this] {
        m_form.cmdNewGame_Click();
        m_narrator.newGame();
    });
}

bool Runtime::getFocasClick()
{
    return event([this] { m_form.GetFocas_Click(); });
}

template <typename Handler>
bool Runtime::event(Handler handler)
{
    if (busy())
        return false;
    m_timers.passed(m_clock->now());
    run(handler);
    eventDone();
    return true;
}

void Runtime::alarm()
{
    m_alarm.reset(); // it has rung
    while (const std::optional<TimerSchedule::Timer> timer = m_timers.takeDue(m_clock->now())) {
        const std::uint64_t before = m_form.revision();
        run([this, timer] { (m_form.*kTickHandlers[*timer])(); });
        m_timers.finished(*timer, before, m_form.revision());
    }
    eventDone();
}

// What the event said is spoken once it has been handled, unless the player's X waits for
// the computer's answer.
void Runtime::eventDone()
{
    setAlarm();
    if (const std::string message = m_narrator.eventDone(); !message.empty())
        m_frontEnd->announce(message);
}

// A template, not a std::function, so that a tick costs no allocation.
template <typename Handler>
void Runtime::run(Handler handler)
{
    ++m_handlersRunning;
    try {
        handler();
    } catch (const RuntimeError& error) {
        modal([this, &error] { m_frontEnd->msgBox(error.prompt(), BoxIcon::Critical, std::string(kProgramName)); });
    }
    --m_handlersRunning;
    m_timers.stateChanged(m_form.revision());
}

// What led to a box is heard before it. The timers go on ticking while it is open, so the
// alarm is set before it opens; when it has closed, every tick due until then has had its turn.
template <typename Show>
void Runtime::modal(Show show)
{
    if (const std::string message = m_narrator.beforeBox(); !message.empty())
        m_frontEnd->announce(message);
    setAlarm();
    show();
    m_timers.passed(m_clock->now());
}

void Runtime::setAlarm()
{
    const std::optional<Time> due = m_timers.nextDue();
    if (due == m_alarm)
        return;
    m_alarm = due;
    m_clock->setAlarm(due);
}

void Runtime::msgBox(const std::string& prompt, BoxIcon icon, const std::string& title)
{
    modal([&] { m_frontEnd->msgBox(prompt, icon, title); });
}

void Runtime::beep()
{
    m_frontEnd->beep();
}

void Runtime::changed(const Change& change)
{
    m_timers.stateChanged(m_form.revision());
    const Time now = m_clock->now();
    if (change.property == Change::Property::WinCheckEnabled)
        m_timers.setEnabled(TimerSchedule::WinCheck, m_form.winCheckEnabled(), now);
    if (change.property == Change::Property::TieCheckEnabled)
        m_timers.setEnabled(TimerSchedule::TieCheck, m_form.tieCheckEnabled(), now);
    m_narrator.changed(m_form, change);
    m_frontEnd->draw(change);
}

} // namespace game
