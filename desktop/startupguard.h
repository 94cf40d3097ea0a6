// Reports the toolkit's fatal failure to start in the program's own name, and passes every
// other start-up message on as it was.
#pragma once

#include <QString>

// Hold one while the QApplication is constructed. Qt ends the program when no platform
// plugin can start, with a message of its own; the guard prints that message after the
// program's name, adds the one thing to do when there is simply no display, or when Qt's
// Wayland plugin is missing on a Wayland desktop, and exits with status 1 instead of aborting.
class StartupGuard {
public:
    // `showing` completes "no display to show ... on"; `platform` is the platform plugin asked
    // for on the command line or in QT_QPA_PLATFORM, if any.
    StartupGuard(const char* programName, const char* showing, const QString& platform);
    ~StartupGuard();
    StartupGuard(const StartupGuard&) = delete;
    StartupGuard& operator=(const StartupGuard&) = delete;
};
