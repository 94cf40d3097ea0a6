// The system information program the About window starts: names the system the game runs on.
#include "identity.h"
#include "singlewindow.h"
#include "startupguard.h"

#include <QApplication>
#include <QMessageBox>
#include <QSysInfo>

#include <memory>

int main(int argc, char* argv[])
{
    // The game's name, so that on X11 its window class, like its desktop entry, is the game's.
    applyProgramIdentity();
    SingleWindow single("tictactoe-sysinfo");
    if (!single.isFirst()) {
        QCoreApplication app(argc, argv);
        if (single.askFirst(qgetenv("XDG_ACTIVATION_TOKEN")))
            return 0;
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
    box.exec();
    return 0;
}
