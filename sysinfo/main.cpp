// The system information program the About window starts: names the system the game runs on.
#include "identity.h"
#include "singlewindow.h"
#include "startupguard.h"

#include <QApplication>
#include <QMessageBox>
#include <QSysInfo>
#include <QTimer>

#include <cstdio>

#include <memory>

namespace {

// Tells the program that started this one that a window shows: from here on, an end is no failure
// to start. Its output may be gone (the game ended first): that changes nothing.
void sayShown()
{
    std::fputs("shown\n", stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    // The game's name, so that on X11 its window class, like its desktop entry, is the game's.
    applyProgramIdentity();
    SingleWindow single("tictactoe-sysinfo");
    if (!single.isFirst()) {
        QCoreApplication app(argc, argv);
        if (single.askFirst(qgetenv("XDG_ACTIVATION_TOKEN"))) {
            sayShown(); // the first one's window
            return 0;
        }
    }

    auto guard = std::make_unique<StartupGuard>("tictactoe-sysinfo", "the system information",
                                                qEnvironmentVariable("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    guard.reset();
    applyDesktopIdentity();

    const auto line = [](const QString& label, const QString& value) {
        return "<br>" + label + ": " + value.toHtmlEscaped();
    };
    const QString text = "<b>" + QSysInfo::prettyProductName().toHtmlEscaped() + "</b><br>"
        + line("Kernel", QSysInfo::kernelType() + " " + QSysInfo::kernelVersion())
        + line("Processor", QSysInfo::currentCpuArchitecture())
        + line("Qt", QString::fromLatin1(qVersion()));
    QMessageBox box(QMessageBox::Information, "System Information", text, QMessageBox::Ok);
    box.setTextFormat(Qt::RichText);
    single.serve(&box);
    QTimer::singleShot(0, &box, sayShown); // once the box has been shown
    box.exec();
    return 0;
}
