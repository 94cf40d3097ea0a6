// One system information window per display: a later start brings the first one's window
// forward and ends.
#pragma once

#include <QByteArray>
#include <QLocalServer>
#include <QLockFile>
#include <QString>

#include <memory>

class QWidget;

// The first program to start on a display takes a lock in the user's runtime folder and
// listens on a local socket beside it; a later one finds the lock taken, asks the first over
// the socket to bring its window forward, and ends. A lock that names no living program of
// this machine (empty, unreadable, another host's, a dead program's), or whose holder does not
// answer in time (stopped, hung), is taken over: the window shows either way.
class SingleWindow {
public:
    explicit SingleWindow(const QString& name);

    // True for the first program, which shows the window; also when the runtime folder
    // cannot be used, so that the window shows rather than nothing.
    bool isFirst() const { return m_first; }

    // A later program: asks the first to bring its window forward, with the launch's activation
    // token (on Wayland a window may take the focus only with one). True when it did; when no
    // answer came, this program has taken the lock over and is now the first.
    bool askFirst(const QByteArray& activationToken);

    // The first program: brings `window` forward whenever a later one asks.
    void serve(QWidget* window);

    // The display this program shows its window on, as the lock's and the socket's names take it.
    static QString displayName();

private:
    bool takeLock();

    QString m_socketPath;
    QString m_lockPath;
    std::unique_ptr<QLockFile> m_lock;
    bool m_first = true;
    QLocalServer m_server;
};
