// One of the main window's 50 ms timers, which sleeps through ticks that would change nothing.
#include "gametimer.h"

GameTimer::GameTimer(const char* name, QObject* parent) : QObject(parent)
{
    setObjectName(name);
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        scheduleNextTick();
        emit timeout();
    });
}

void GameTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (!enabled) {
        m_timer.stop();
        return;
    }
    m_grid.start(); // an enabled timer counts its interval afresh
    scheduleNextTick();
}

void GameTimer::sleep()
{
    m_timer.stop();
}

void GameTimer::wake()
{
    if (isSleeping())
        scheduleNextTick();
}

void GameTimer::holdTicks()
{
    m_held = true;
    m_timer.stop();
}

void GameTimer::scheduleNextTick()
{
    if (!m_enabled || m_held)
        return;
    m_timer.start(delayToNextTick(m_grid.elapsed()));
}
