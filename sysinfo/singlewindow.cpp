// One system information window at a time: a later start brings the first one's window
// forward and ends.
#include "singlewindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

namespace {

constexpr int kPatienceMs = 2000; // how long a later program waits for the first to listen
constexpr char kShow[] = "show\n";
constexpr char kShown[] = "shown\n";

} // namespace

SingleWindow::SingleWindow(const QString& name)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        return;
    m_socketPath = QDir(folder).filePath(name + ".socket");
    m_lock = std::make_unique<QLockFile>(QDir(folder).filePath(name + ".lock"));
    m_lock->setStaleLockTime(0); // only a lock whose holder has died is stale
    m_first = m_lock->tryLock(0) || m_lock->error() != QLockFile::LockFailedError;
}

void SingleWindow::serve(QWidget* window)
{
    if (m_socketPath.isEmpty())
        return;
    QLocalServer::removeServer(m_socketPath); // left by a first program that died; the lock is ours
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(&m_server, &QLocalServer::newConnection, window, [this, window] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, window, [socket, window] {
                if (!socket->readAll().contains(kShow))
                    return;
                window->show();
                window->raise();
                window->activateWindow();
                socket->write(kShown);
                socket->flush();
            });
        }
    });
    m_server.listen(m_socketPath);
}

bool SingleWindow::askFirst()
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kPatienceMs) {
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(kPatienceMs)) {
            socket.write(kShow);
            return socket.waitForBytesWritten(kPatienceMs) && socket.waitForReadyRead(kPatienceMs)
                && socket.readAll().contains(kShown);
        }
        QThread::msleep(20); // the first program is still starting
    }
    return false;
}
