// Reports the toolkit's fatal failure to start in the program's own name, and passes every
// other start-up message on as it was.
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

void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        g_previous(type, context, message);
        return;
    }
    if (!g_platform.isEmpty())
        std::fprintf(stderr, "%s: the platform plugin \"%s\" could not be started.\n", g_programName, g_platform.constData());
    std::fprintf(stderr, "%s: %s\n", g_programName, qPrintable(message.trimmed()));
    if (g_needsDisplay && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        std::fprintf(stderr, "%s: no display to show %s on; run it on a desktop, or set DISPLAY or "
                             "WAYLAND_DISPLAY.\n", g_programName, g_showing);
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
