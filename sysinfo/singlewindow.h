// One system information window at a time: a later start brings the first one's window
// forward and ends.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>

#include <memory>

class QWidget;

// The first program to start takes a lock in the user's runtime folder and listens on a
// local socket beside it; a later one finds the lock taken, asks the first over the socket
// to show its window, and ends. A lock left by a program that died is taken over.
class SingleWindow {
public:
    explicit SingleWindow(const QString& name);

    // True for the first program, which shows the window; also when the runtime folder
    // cannot be used, so that the window shows rather than nothing.
    bool isFirst() const { return m_first; }

    // The first program: brings `window` forward whenever a later one asks.
    void serve(QWidget* window);

    // A later program: asks the first to bring its window forward. False when no answer came.
    bool askFirst();

private:
    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    bool m_first = true;
    QLocalServer m_server;
};
