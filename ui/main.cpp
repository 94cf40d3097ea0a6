// Starts the game: the application's identity and look, then the main window.
#include "classiclook.h"
#include "frmmain.h"
#include "startupguard.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    auto guard = std::make_unique<StartupGuard>("Tic-Tac-Toe");
    QApplication app(argc, argv);
    guard.reset();

    QApplication::setApplicationName("Tic-Tac-Toe");
    QApplication::setApplicationVersion("1.00");
    QApplication::setOrganizationName("TAVROK");
    QGuiApplication::setDesktopFileName("org.tavrok.tictactoe");
    applyClassicLook(app);

    auto* window = new FrmMain;
    window->setAttribute(Qt::WA_DeleteOnClose); // closing it stops its timers with it
    window->show();
    return app.exec();
}
