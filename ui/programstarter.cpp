#include "programstarter.h"

#include "installedfile.h"
#include "runtimeerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStringList>

#include <csignal>
#include <memory>

namespace {

// The program that stands here for the system's version program.
constexpr const char* kSystemInformation = "tictactoe-sysinfo";

// How much of what it writes is kept: enough for its last words, however much it says.
constexpr qsizetype kKeptOutput = 4096;

} // namespace

QString ProgramStarter::resolve()
{
    return InstalledFile::find(QLatin1String(kSystemInformation), InstalledFile::Program);
}

// The program is watched, not waited for: its process object lives until it ends, and is never
// destroyed while it runs, so that the program stays open when the game ends. It reads nothing.
// It says "shown" on its output once its window shows (its own or, as a second start, the first
// one's); until then, the last few kilobytes of what it writes to its error stream are kept for
// the player, in case it ends without a window. It ignores a broken pipe, should the game end first.
void ProgramStarter::start(const QByteArray& activationToken, std::function<void(const QString&)> noWindow)
{
    const QString file = resolve();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (QGuiApplication::platformName() == "wayland")
        environment.remove("DESKTOP_STARTUP_ID"); // X11's startup notification means nothing here
    if (!activationToken.isEmpty())
        environment.insert("XDG_ACTIVATION_TOKEN", QString::fromUtf8(activationToken));
    auto* process = new QProcess;
    process->setProgram(file);
    process->setProcessEnvironment(environment);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setChildProcessModifier([] { std::signal(SIGPIPE, SIG_IGN); });
    struct Watch {
        bool shown = false;
        QByteArray output, said; // the output's last line so far; the error stream's tail
    };
    auto watch = std::make_shared<Watch>();
    QObject::connect(process, &QProcess::readyReadStandardOutput, process, [process, watch] {
        watch->output = (watch->output + process->readAllStandardOutput()).right(kKeptOutput);
        watch->shown = watch->shown || watch->output.contains("shown\n");
    });
    QObject::connect(process, &QProcess::readyReadStandardError, process, [process, watch] {
        watch->said = (watch->said + process->readAllStandardError()).right(kKeptOutput);
    });
    QObject::connect(process, &QProcess::finished, process, [process, noWindow, watch](int status, QProcess::ExitStatus how) {
        watch->said = (watch->said + process->readAllStandardError()).right(kKeptOutput);
        watch->shown = watch->shown || (watch->output + process->readAllStandardOutput()).contains("shown\n");
        if ((status != 0 || how != QProcess::NormalExit) && !watch->shown && noWindow) {
            const QString said = QString::fromLocal8Bit(watch->said).trimmed();
            noWindow(said.isEmpty() ? QString("It ended with status %1.").arg(status) : said);
        }
        process->deleteLater();
    });
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        throw game::RuntimeError(75, "Path/File access error: " + file.toStdString());
    }
}
