// One of the main window's 50 ms timers, which sleeps through ticks that would change nothing.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// Ticks come on a fixed grid: every 50 ms from the moment the timer was enabled. The window
// may put an enabled timer to sleep when its ticks would change nothing; woken, it ticks
// again at the next point of the same grid, so every tick that matters comes at the time
// it would have come had none been skipped.
class GameTimer : public QObject {
    Q_OBJECT

public:
    static constexpr int kInterval = 50; // milliseconds

    GameTimer(const char* name, QObject* parent);

    // The timer's Enabled flag, as the game sets it.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }
    int interval() const { return kInterval; }

    // Stops the wakeups until wake(); the timer stays enabled.
    void sleep();
    void wake();
    bool isSleeping() const { return m_enabled && !m_timer.isActive(); }

    // For tests that deliver every tick themselves: no tick comes from the clock any more.
    void holdTicks();

    // How long after `elapsed` milliseconds since enabling the next point of the grid comes.
    static int delayToNextTick(qint64 elapsed) { return int(kInterval - elapsed % kInterval); }

signals:
    void timeout();

private:
    void scheduleNextTick();

    QTimer m_timer;
    QElapsedTimer m_grid;
    bool m_enabled = false;
    bool m_held = false;
};
