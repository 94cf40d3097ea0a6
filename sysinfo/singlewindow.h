// One system information window per display: a later start brings the first one's window
// forward and ends.
#pragma once

#include <QByteArray>
#include <QLocalServer>
#include <QLockFile>
#include <QString>

#include <memory>

class QWidget;

// The first program to start on a display takes a lock in the user's runtime folder and at once
// (before its window exists, which on a slow display takes seconds) listens on a local socket
// beside it; a later one finds the lock taken, asks the first over the socket to bring its
// window forward, waits for it as long as it may take to start, and ends. A lock whose holder
// has died is taken over; one whose holder does not answer (stopped, hung) is taken over by one
// later program alone. Where the lock cannot be kept (no runtime folder, a path too long for a
// socket, something other than a lock file in its place) the window shows, and the program says
// why on its error stream.
class SingleWindow {
public:
    explicit SingleWindow(const QString& name);
    ~SingleWindow();

    // True for the first program, which shows the window; also when the lock cannot be kept.
    bool isFirst() const { return m_first; }

    // A later program (with an application object): asks the first to bring its window forward,
    // with the launch's activation token (on Wayland a window may take the focus only with one).
    // True when it did; false when this program has taken the first one's place.
    bool askFirst(const QByteArray& activationToken);

    // The first program: brings `window` forward whenever a later one asks.
    void serve(QWidget* window);

    // The display this program shows its window on, named one way whichever way it was given
    // (":1", ":1.0" and "unix:1" are one X display), as the lock's and the socket's names take it.
    static QString displayName();

private:
    bool takeLock();
    void listen();
    bool takeOver();

    QString m_socketPath;
    QString m_lockPath;
    std::unique_ptr<QLockFile> m_lock;
    bool m_first = true;
    int m_listening = -1; // the socket, bound as soon as the lock is ours
    QLocalServer m_server;
};
