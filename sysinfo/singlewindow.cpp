#include "singlewindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <QWidget>

namespace {

constexpr int kStartingMs = 2000; // how long the first may take to start listening
constexpr int kAnswerMs = 1000;   // how long it may take to answer once it listens
constexpr char kShow[] = "show ";
constexpr char kShown[] = "shown\n";

} // namespace

QString SingleWindow::displayName()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM").section(':', 0, 0);
    const bool wayland = platform.startsWith("wayland") || (platform.isEmpty() && qEnvironmentVariableIsSet("WAYLAND_DISPLAY"));
    const QString display = qEnvironmentVariable(wayland ? "WAYLAND_DISPLAY" : "DISPLAY");
    QString name = (platform.isEmpty() ? (wayland ? "wayland" : "xcb") : platform) + "-" + display;
    return name.replace(QRegularExpression("[^A-Za-z0-9_.-]"), "_");
}

SingleWindow::SingleWindow(const QString& name)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        return;
    const QString base = QDir(folder).filePath(name + "-" + displayName());
    m_socketPath = base + ".socket";
    m_lockPath = base + ".lock";
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    m_lock->setStaleLockTime(0); // stale only by what the lock says, never by its age
    m_first = takeLock();
}

// Taken when free; taken over when it names no living program of this machine. A lock that
// names a living one is left to askFirst().
bool SingleWindow::takeLock()
{
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() != QLockFile::LockFailedError)
        return true; // the folder cannot hold a lock: show the window rather than nothing
    qint64 pid = 0;
    QString host, application;
    if (m_lock->getLockInfo(&pid, &host, &application) && host == QSysInfo::machineHostName())
        return false;
    // Empty or unreadable, or another host's (this machine renamed since): nobody holds it.
    m_lock->removeStaleLockFile();
    return m_lock->tryLock(0);
}

bool SingleWindow::askFirst(const QByteArray& activationToken)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kStartingMs) {
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (!socket.waitForConnected(kAnswerMs)) {
            QThread::msleep(20); // the first program is still starting
            continue;
        }
        socket.write(kShow + activationToken + "\n");
        if (socket.waitForBytesWritten(kAnswerMs) && socket.waitForReadyRead(kAnswerMs) && socket.readAll().contains(kShown))
            return true;
        break; // it listens but does not answer: stopped or hung
    }
    // No answer: the window must show, so this program takes the first one's place. The lock is
    // still held by the program that does not answer, so Qt would not remove it: it is unlinked,
    // and the new one is made in its place.
    QFile::remove(m_lockPath);
    m_lock->tryLock(0);
    m_first = true;
    return false;
}

void SingleWindow::serve(QWidget* window)
{
    if (m_socketPath.isEmpty())
        return;
    QLocalServer::removeServer(m_socketPath); // left by a first program that died or hung; the lock is ours
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(&m_server, &QLocalServer::newConnection, window, [this, window] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, window, [socket, window] {
                const QByteArray request = socket->readAll();
                if (!request.startsWith(kShow))
                    return;
                // Wayland's platform plugin activates the window with the token it finds here.
                const QByteArray token = request.mid(int(sizeof kShow) - 1).trimmed();
                if (!token.isEmpty())
                    qputenv("XDG_ACTIVATION_TOKEN", token);
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
