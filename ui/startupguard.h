// Reports the toolkit's fatal failure to start in the program's own name, and passes every
// other start-up message on as it was.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

// Hold one while the QApplication is constructed. Qt ends the program when no platform
// plugin can start, with a message of its own; the guard prints that message after the
// program's name, adds the one thing to do when there is simply no display, and exits with
// status 1 instead of aborting.
class StartupGuard {
public:
    // `showing` completes "no display to show ... on"; `platform` is the platform plugin asked
    // for on the command line or in QT_QPA_PLATFORM, if any.
    StartupGuard(const char* programName, const char* showing, const QString& platform)
    {
        s_programName = programName;
        s_showing = showing;
        s_platform = platform.toLocal8Bit();
        s_needsDisplay = platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
        s_previous = qInstallMessageHandler(&StartupGuard::handle);
    }
    ~StartupGuard() { qInstallMessageHandler(s_previous); }
    StartupGuard(const StartupGuard&) = delete;
    StartupGuard& operator=(const StartupGuard&) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (type != QtFatalMsg) {
            s_previous(type, context, message);
            return;
        }
        if (!s_platform.isEmpty())
            std::fprintf(stderr, "%s: the platform plugin \"%s\" could not be started.\n", s_programName, s_platform.constData());
        std::fprintf(stderr, "%s: %s\n", s_programName, qPrintable(message.trimmed()));
        if (s_needsDisplay && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            std::fprintf(stderr, "%s: no display to show %s on; run it on a desktop, or set DISPLAY or "
                                 "WAYLAND_DISPLAY.\n", s_programName, s_showing);
        std::_Exit(1);
    }

    static inline const char* s_programName = "";
    static inline const char* s_showing = "";
    static inline QByteArray s_platform;
    static inline bool s_needsDisplay = true;
    static inline QtMessageHandler s_previous = nullptr;
};
