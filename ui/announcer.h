// Tells a screen reader what happens on the board: each mark placed, the end of a game, a new game.
#pragma once

#include <QObject>
#include <QString>

// One message. Screen readers meet it as a notification, which they speak the moment it is
// shown, wherever the focus is. It is never drawn, and is no control of the window's design.
class Announcement : public QObject {
    Q_OBJECT

public:
    Announcement(const QString& text, QObject* window) : QObject(window), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    const QString m_text; // never changes: a screen reader may read it a little later
};

class Announcer : public QObject {
    Q_OBJECT

public:
    explicit Announcer(QObject* window);

    // Adds to what is said next. Everything said within one event is spoken as one message,
    // so that a later part does not cut off an earlier one.
    void say(const QString& text);
    // While held, messages wait: from the player's X until the computer's answer, so that
    // both are heard together.
    void hold(bool held);
    // Speaks what waits now: a message box about to open is heard after it.
    void flush();

signals:
    // Each message as it is shown to screen readers.
    void shown(Announcement* message);

private:
    void flushSoon();

    QObject* m_window;
    QString m_pending;
    bool m_held = false;
    bool m_flushQueued = false;
};
