#include "singlewindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int kPatienceMs = 10000; // how long a first program may take to show its window
constexpr int kAnswerMs = 1000;    // how long a request or an answer may take on the socket
constexpr int kMostAsking = 64;    // later programs served at once; more are turned away
constexpr char kShow[] = "show ";
constexpr char kShown[] = "shown\n";

void warn(const QString& why)
{
    std::fprintf(stderr, "tictactoe-sysinfo: %s; its window shows without looking for another.\n", qPrintable(why));
}

} // namespace

QString SingleWindow::displayName()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM").section(':', 0, 0);
    const bool wayland = platform.startsWith("wayland") || (platform.isEmpty() && qEnvironmentVariableIsSet("WAYLAND_DISPLAY"));
    QString display = qEnvironmentVariable(wayland ? "WAYLAND_DISPLAY" : "DISPLAY");
    if (!wayland) { // this machine's X display N, by whatever name: ":N"
        static const QRegularExpression local(QStringLiteral(R"(^(?:unix|localhost)?(?:/unix)?:(\d+)(?:\.\d+)?$)"));
        if (const QRegularExpressionMatch found = local.match(display); found.hasMatch())
            display = ':' + found.captured(1);
    }
    QString name = (platform.isEmpty() ? (wayland ? "wayland" : "xcb") : platform) + "-" + display;
    return name.replace(QRegularExpression("[^A-Za-z0-9_.-]"), "_");
}

SingleWindow::SingleWindow(const QString& name)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        return;
    const QString base = QDir(folder).filePath(name + "-" + displayName());
    if (QFile::encodeName(base + ".socket").size() >= qsizetype(sizeof(sockaddr_un::sun_path))) {
        warn("the runtime folder " + folder + " has too long a path for its socket");
        return;
    }
    struct stat status {};
    if (::lstat(QFile::encodeName(base + ".lock").constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
        warn(base + ".lock is not a lock file");
        return;
    }
    // Enough descriptors for the later programs that ask at once, and more.
    rlimit files {};
    if (::getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &files);
    }
    m_socketPath = base + ".socket";
    m_lockPath = base + ".lock";
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    m_lock->setStaleLockTime(0); // stale only when its holder has died, never by its age
    m_first = takeLock();
    if (m_first && m_lock->isLocked())
        listen();
}

// Taken when free, or when it names no living program of this machine: a dead one's (which Qt
// sees itself), an empty or unreadable one, another host's (this machine renamed since). A lock
// that names a living program is left to askFirst(); a folder that holds no lock at all shows
// the window rather than nothing.
bool SingleWindow::takeLock()
{
    if (m_lock->tryLock(0) || m_lock->error() != QLockFile::LockFailedError)
        return true;
    qint64 pid = 0;
    QString host, application;
    if (m_lock->getLockInfo(&pid, &host, &application) && host == QSysInfo::machineHostName())
        return false;
    m_lock->removeStaleLockFile();
    return m_lock->tryLock(0);
}

SingleWindow::~SingleWindow()
{
    if (m_listening >= 0 && !m_server.isListening())
        ::close(m_listening);
}

// Bound at once, so that later programs find it while this one's window is still on its way;
// they wait in the socket's queue until the window's loop takes them. Whatever was at its place
// was a holder's that has died or been replaced: the lock is this program's.
void SingleWindow::listen()
{
    const QByteArray path = QFile::encodeName(m_socketPath);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()) + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ::unlink(path.constData());
    const mode_t mask = ::umask(077); // the user's alone
    const bool bound = socket >= 0 && ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
        && ::listen(socket, SOMAXCONN) == 0;
    ::umask(mask);
    if (!bound) {
        if (socket >= 0)
            ::close(socket);
        warn("it cannot listen on " + m_socketPath);
        return;
    }
    m_listening = socket;
}

bool SingleWindow::askFirst(const QByteArray& activationToken)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kPatienceMs) {
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (!socket.waitForConnected(kAnswerMs)) {
            // Not listening: it has just taken the lock, or it has died and left it to be taken.
            if (takeLock()) {
                listen();
                m_first = true;
                return false;
            }
            QThread::msleep(20);
            continue;
        }
        socket.write(kShow + activationToken + "\n");
        socket.waitForBytesWritten(kAnswerMs);
        QByteArray answer;
        while (!answer.contains(kShown) && socket.state() == QLocalSocket::ConnectedState
               && waited.elapsed() < kPatienceMs && socket.waitForReadyRead(int(kPatienceMs - waited.elapsed())))
            answer += socket.readAll();
        if (answer.contains(kShown))
            return true;
        if (socket.state() == QLocalSocket::ConnectedState)
            break; // it listens but does not answer: stopped or hung
    }
    return !takeOver();
}

// A holder that does not answer is replaced by one later program alone, the one that takes the
// takeover's own lock; the others ask the new first program in turn. True when this one took it.
bool SingleWindow::takeOver()
{
    QLockFile takeover(m_lockPath + ".takeover");
    if (!takeover.tryLock(0)) {
        QThread::msleep(100);
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(kAnswerMs)) {
            socket.write(QByteArray(kShow) + "\n");
            if (socket.waitForBytesWritten(kAnswerMs) && socket.waitForReadyRead(kPatienceMs) && socket.readAll().contains(kShown))
                return false;
        }
        return true; // nobody shows a window: this one does
    }
    // The lock is still held by the program that does not answer, so Qt would not remove it: it
    // is unlinked, and made again in its place.
    QFile::remove(m_lockPath);
    m_lock->tryLock(0);
    listen();
    m_first = true;
    return true;
}

void SingleWindow::serve(QWidget* window)
{
    if (m_listening < 0 || !m_server.listen(qintptr(m_listening)))
        return;
    QObject::connect(&m_server, &QLocalServer::newConnection, window, [this, window] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            // A connection that says nothing, or too many at once, is let go: they must not use
            // up what the program may keep open.
            if (m_server.findChildren<QLocalSocket*>().size() > kMostAsking) {
                socket->abort();
                continue;
            }
            QTimer::singleShot(kAnswerMs, socket, [socket] { socket->disconnectFromServer(); });
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
}
