#include "startupguard.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

// Only one guard is held at a time, while the one application object is made.
const char* g_programName = "";
const char* g_showing = "";
QByteArray g_platform;
bool g_needsDisplay = true;
QtMessageHandler g_previous = nullptr;
bool g_noWaylandPlugin = false;

void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        g_noWaylandPlugin = g_noWaylandPlugin || message.startsWith("Could not find the Qt platform plugin \"wayland\"");
        g_previous(type, context, message);
        return;
    }
    if (!g_platform.isEmpty())
        std::fprintf(stderr, "%s: the platform plugin \"%s\" could not be started.\n", g_programName, g_platform.constData());
    std::fprintf(stderr, "%s: %s\n", g_programName, qPrintable(message.trimmed()));
    if (g_needsDisplay && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        std::fprintf(stderr, "%s: no display to show %s on; run it on a desktop, or set DISPLAY or "
                             "WAYLAND_DISPLAY.\n", g_programName, g_showing);
    // Qt says to reinstall the program; what is missing is Qt's own plugin for Wayland desktops.
    if (g_noWaylandPlugin)
        std::fprintf(stderr, "%s: this is a Wayland desktop, and Qt's Wayland platform plugin is not installed: "
                             "install the package qt6-wayland (sudo apt install qt6-wayland), or, where the desktop "
                             "offers XWayland, run it with QT_QPA_PLATFORM=xcb.\n", g_programName);
    std::_Exit(1);
}

} // namespace

StartupGuard::StartupGuard(const char* programName, const char* showing, const QString& platform)
{
    g_programName = programName;
    g_showing = showing;
    g_platform = platform.toLocal8Bit();
    g_needsDisplay = platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
    g_previous = qInstallMessageHandler(&handle);
}

StartupGuard::~StartupGuard()
{
    qInstallMessageHandler(g_previous);
}
