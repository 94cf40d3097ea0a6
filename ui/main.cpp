// Starts the game: its identity, its command line and look, then the main window.
#include "accessibility.h"
#include "classiclook.h"
#include "commandline.h"
#include "frmmain.h"
#include "identity.h"
#include "startupguard.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    applyProgramIdentity();
    const CommandLine commandLine = readCommandLine(argc, argv);
    if (commandLine.exitStatus)
        return *commandLine.exitStatus;

    auto guard = std::make_unique<StartupGuard>(game::kProgramName.data(), "the game", commandLine.platform);
    QApplication app(argc, argv);
    guard.reset();
    applyDesktopIdentity();
    installAccessibility();
    applyClassicLook(app);

    auto* window = new FrmMain;
    window->setAttribute(Qt::WA_DeleteOnClose); // closing it stops its timers with it
    window->show();
    return app.exec();
}
