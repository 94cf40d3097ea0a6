// The game's clock on the desktop: the system's steady time, and one precise timer as its alarm.
#pragma once

#include "clock.h"

#include <QObject>
#include <QTimer>

// At most one real timer is armed, for the earliest tick that can change anything; while
// every game timer sleeps none is, and the process does not wake at all.
class AlarmClock : public QObject, public game::Clock {
    Q_OBJECT

public:
    explicit AlarmClock(QObject* parent = nullptr);

    game::Time now() const override;
    void setAlarm(std::optional<game::Time> when) override;

signals:
    void rang();

private:
    QTimer m_timer;
};
