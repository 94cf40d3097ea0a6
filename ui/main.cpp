// Starts the game: the application's identity and look, then the main window.
#include "classiclook.h"
#include "frmmain.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// While the application connects to the display, a failure there is fatal in the toolkit;
// say it in one line and leave with an error status instead of aborting.
void startupMessages(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type == QtFatalMsg) {
        std::fputs("Tic-Tac-Toe: no display to show the game on; "
                   "run it on a desktop, or set DISPLAY or WAYLAND_DISPLAY.\n", stderr);
        std::_Exit(1);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);

    QApplication::setApplicationName("Tic-Tac-Toe");
    QApplication::setApplicationVersion("1.00");
    QApplication::setOrganizationName("TAVROK");
    applyClassicLook(app);

    auto* window = new FrmMain;
    window->setAttribute(Qt::WA_DeleteOnClose); // closing it stops its timers with it
    window->show();
    return app.exec();
}
