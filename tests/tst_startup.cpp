// The programs as a user starts them: the game's command line, what each says when it cannot
// start, and the system information program's one window.
#include "programidentity.h"

#include <QDir>
#include <QLibraryInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <csignal>
#include <memory>
#include <vector>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QString kVersionLine = QString::fromUtf8(game::kProgramName) + " " + QString::fromUtf8(game::kVersion) + "\n";

struct Run {
    int exitCode;
    QString out, err;
};

// The environment of a user's session without a display: no platform chosen, a private runtime folder.
QProcessEnvironment session(const QString& runtime)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    environment.insert("XDG_RUNTIME_DIR", runtime);
    return environment;
}

Run run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(20000))
        qFatal("%s did not end", qPrintable(program));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

qint64 lockHolder(const QString& file)
{
    qint64 pid = 0;
    QString host, application;
    return QLockFile(file).getLockInfo(&pid, &host, &application) ? pid : 0;
}

// A raw connection to a local socket, which says nothing; -1 when none could be made.
int connectTo(const QString& path)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()) + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool listening(const QString& socket)
{
    QLocalSocket probe;
    probe.connectToServer(socket);
    return probe.waitForConnected(1000);
}

} // namespace

class Startup : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_runtime.isValid()); }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM
        QTest::addColumn<bool>("display");     // whether DISPLAY names a display
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");      // what the output must hold
        QTest::addColumn<QString>("err");      // what the first error line must say
        QTest::newRow("--help") << QStringList{"--help"} << "" << false << 0 << "Usage: " << "";
        QTest::newRow("-h") << QStringList{"-h"} << "" << false << 0 << "-v, --version" << "";
        QTest::newRow("--version") << QStringList{"--version"} << "" << false << 0 << kVersionLine << "";
        QTest::newRow("Qt's own options pass") << QStringList{"-style", "fusion", "-reverse", "-v"} << "" << false << 0
                                               << kVersionLine << "";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << "" << false << 2 << ""
                                        << "Tic-Tac-Toe: Unknown option 'bogus'.";
        QTest::newRow("an argument") << QStringList{"game.txt"} << "" << false << 2 << ""
                                     << "Tic-Tac-Toe: Unexpected argument 'game.txt'.";
        QTest::newRow("no display") << QStringList{} << "" << false << 1 << "" << "qt.qpa.xcb: could not connect to display";
        QTest::newRow("unknown platform") << QStringList{} << "nonsense" << true << 1 << ""
                                          << "qt.qpa.plugin: Could not find the Qt platform plugin \"nonsense\" in \"\"";
        QTest::newRow("unknown -platform") << QStringList{"-platform", "nonsense"} << "" << false << 1 << ""
                                           << "qt.qpa.plugin: Could not find the Qt platform plugin \"nonsense\" in \"\"";
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, platform);
        QFETCH(bool, display);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcessEnvironment environment = session(m_runtime.path());
        if (!platform.isEmpty())
            environment.insert("QT_QPA_PLATFORM", platform);
        if (display)
            environment.insert("DISPLAY", ":0");
        const Run result = run(TICTACTOE_GAME, arguments, environment);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.out.startsWith(out) || result.out.contains(out), qPrintable(result.out));
        QVERIFY2(err.isEmpty() ? result.err.isEmpty() : result.err.startsWith(err), qPrintable(result.err));
        // A missing display is spoken of only when there is none; usage follows a wrong option.
        QCOMPARE(result.err.contains("set DISPLAY or WAYLAND_DISPLAY"), exitCode == 1 && !display && platform.isEmpty()
                 && !arguments.contains("-platform"));
        QCOMPARE(result.err.contains("Usage: "), exitCode == 2);
        if (exitCode == 1)
            QVERIFY2(result.err.contains("Tic-Tac-Toe: This application failed to start"), qPrintable(result.err));
    }

    // On a Wayland desktop without Qt's Wayland plugin (and no X server), Qt would only say to
    // reinstall the game: the game names the package that is missing. (A copy of the game whose
    // qt.conf shows it no platform plugins but X11's.)
    void missingWaylandPluginIsNamed()
    {
        QTemporaryDir copy;
        QVERIFY(QDir().mkpath(copy.filePath("plugins/platforms")));
        QVERIFY(QFile::link(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqxcb.so",
                            copy.filePath("plugins/platforms/libqxcb.so")));
        QVERIFY(QFile::copy(TICTACTOE_GAME, copy.filePath("Tic-Tac-Toe")));
        QFile conf(copy.filePath("qt.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("[Paths]\nPlugins = " + QFile::encodeName(copy.filePath("plugins")) + "\n");
        conf.close();
        QProcessEnvironment environment = session(m_runtime.path());
        environment.insert("XDG_SESSION_TYPE", "wayland");
        environment.insert("WAYLAND_DISPLAY", "wayland-tictactoe-test");
        const Run result = run(copy.filePath("Tic-Tac-Toe"), {}, environment);
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains("install the package qt6-wayland"), qPrintable(result.err));
    }

    // Each program names itself and what it would have shown.
    void systemInformationNamesItself()
    {
        const Run result = run(TICTACTOE_SYSINFO, {}, session(m_runtime.path()));
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains("tictactoe-sysinfo: no display to show the system information on"),
                 qPrintable(result.err));
    }

    // However often "Sytem Info..." is clicked, one window shows on each display: a later start
    // asks the first to come forward and ends. Whatever was left in the way (a first program that
    // died or was stopped; an empty, unreadable or another host's lock) the window shows, for the
    // start that finds nobody to answer takes the first one's place.
    void systemInformationShowsOneWindow_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QByteArray>("lock");
        QTest::newRow("nothing") << "" << QByteArray();
        QTest::newRow("a first program that died") << "died" << QByteArray();
        QTest::newRow("a stopped first program") << "stopped" << QByteArray();
        QTest::newRow("a first program on another display") << "elsewhere" << QByteArray();
        QTest::newRow("an empty lock") << "lock" << QByteArray("");
        QTest::newRow("a garbage lock") << "lock" << QByteArray("\x01\x02 no lock at all");
        QTest::newRow("another host's lock") << "lock" << QByteArray("999999\ntictactoe-sysinfo\nanother-host\n");
        QTest::newRow("the display named another way") << "alias" << QByteArray();
        QTest::newRow("sixty at the same moment") << "at once" << QByteArray();
        QTest::newRow("1,100 connections that say nothing") << "idle" << QByteArray();
    }
    void systemInformationShowsOneWindow()
    {
        QFETCH(QString, before);
        QFETCH(QByteArray, lock);
        std::vector<std::unique_ptr<QProcess>> started;
        const auto sysinfo = [&](const char* display) {
            QProcessEnvironment environment = session(m_runtime.path());
            environment.insert("QT_QPA_PLATFORM", "offscreen");
            environment.insert("DISPLAY", display);
            started.push_back(std::make_unique<QProcess>());
            started.back()->setProcessEnvironment(environment);
            started.back()->start(TICTACTOE_SYSINFO);
            return started.back().get();
        };
        const auto socketOn = [this](const char* display) {
            return m_runtime.filePath(QString("tictactoe-sysinfo-offscreen-_%1.socket").arg(display + 1));
        };
        if (before == "died" || before == "stopped" || before == "elsewhere") {
            QProcess* left = sysinfo(before == "elsewhere" ? ":2" : ":1");
            QTRY_VERIFY_WITH_TIMEOUT(listening(socketOn(before == "elsewhere" ? ":2" : ":1")), 10000);
            if (before == "died") {
                left->kill(); // it dies holding the lock and leaving its socket behind
                QVERIFY(left->waitForFinished(20000));
            }
            if (before == "stopped")
                ::kill(pid_t(left->processId()), SIGSTOP);
        }
        if (before == "lock") {
            QFile file(m_runtime.filePath("tictactoe-sysinfo-offscreen-_1.lock"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(lock);
        }

        if (before == "at once") { // one of them shows the window, and answers all the others
            for (int i = 0; i < 60; ++i)
                sysinfo(":1");
            const auto running = [&] {
                return std::count_if(started.begin(), started.end(), [](const auto& p) { return p->state() != QProcess::NotRunning; });
            };
            QTRY_COMPARE_WITH_TIMEOUT(running(), 1, 60000);
            for (const auto& process : started)
                QVERIFY(process->state() != QProcess::NotRunning || process->exitCode() == 0);
        } else {
            QProcess* first = sysinfo(before == "alias" ? "unix:1.0" : ":1");
            QTRY_COMPARE_WITH_TIMEOUT(lockHolder(m_runtime.filePath("tictactoe-sysinfo-offscreen-_1.lock")), first->processId(), 10000);
            std::vector<int> idle; // more than a program may keep open by default
            if (before == "idle") {
                QTRY_VERIFY_WITH_TIMEOUT(listening(socketOn(":1")), 10000);
                rlimit files {};
                ::getrlimit(RLIMIT_NOFILE, &files);
                files.rlim_cur = files.rlim_max;
                ::setrlimit(RLIMIT_NOFILE, &files);
                for (int i = 0; i < 1100; ++i)
                    idle.push_back(connectTo(socketOn(":1")));
            }
            const auto closeIdle = qScopeGuard([&] { for (int fd : idle) ::close(fd); });
            for (int i = 0; i < 10; ++i)
                sysinfo(":1");
            for (std::size_t i = started.size() - 10; i < started.size(); ++i) {
                QVERIFY(started[i]->waitForFinished(20000));
                QCOMPARE(started[i]->exitCode(), 0); // the first answered that its window is shown
            }
            QCOMPARE(first->state(), QProcess::Running); // and shows it still
        }
        for (auto& process : started) {
            ::kill(pid_t(process->processId()), SIGCONT);
            process->kill();
            process->waitForFinished(20000);
        }
    }

    // Where no lock can be kept, each start shows its window at once and says why: nothing hangs.
    void systemInformationWithoutALockShows_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("says");
        QTest::newRow("a FIFO at the lock's place") << "fifo" << "is not a lock file";
        QTest::newRow("a link to /dev/zero at the lock's place") << "link" << "is not a lock file";
        QTest::newRow("a runtime folder whose socket path is too long") << "long" << "too long a path";
    }
    void systemInformationWithoutALockShows()
    {
        QFETCH(QString, place);
        QFETCH(QString, says);
        QString runtime = m_runtime.path();
        const QByteArray lock = QFile::encodeName(runtime + "/tictactoe-sysinfo-offscreen-_1.lock");
        QFile::remove(QFile::decodeName(lock)); // left by the programs before
        if (place == "fifo")
            QCOMPARE(::mkfifo(lock.constData(), 0600), 0);
        if (place == "link")
            QVERIFY(QFile::link("/dev/zero", QFile::decodeName(lock)));
        if (place == "long") {
            runtime += "/" + QString(120, 'r');
            QVERIFY(QDir().mkpath(runtime));
            QVERIFY(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        std::vector<std::unique_ptr<QProcess>> started;
        for (int i = 0; i < 2; ++i) {
            QProcessEnvironment environment = session(runtime);
            environment.insert("QT_QPA_PLATFORM", "offscreen");
            environment.insert("DISPLAY", ":1");
            started.push_back(std::make_unique<QProcess>());
            started.back()->setProcessEnvironment(environment);
            started.back()->start(TICTACTOE_SYSINFO);
        }
        for (auto& process : started) {
            QByteArray said;
            QTRY_VERIFY_WITH_TIMEOUT((said += process->readAllStandardError()).contains(says.toUtf8()), 10000);
            QCOMPARE(process->state(), QProcess::Running); // showing its window
            process->kill();
            process->waitForFinished(20000);
        }
        QFile::remove(QFile::decodeName(lock));
    }

private:
    QTemporaryDir m_runtime;
};

QTEST_GUILESS_MAIN(Startup)
#include "tst_startup.moc"
