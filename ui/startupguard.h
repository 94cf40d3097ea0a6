// Turns the toolkit's fatal failure to reach a display at start-up into one clear line.
#pragma once

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

// Hold one while the QApplication is constructed: with no display the toolkit would abort;
// instead the program says so in one line and exits with status 1.
class StartupGuard {
public:
    explicit StartupGuard(const char* programName)
    {
        s_programName = programName;
        qInstallMessageHandler(&StartupGuard::handle);
    }
    ~StartupGuard() { qInstallMessageHandler(nullptr); }
    StartupGuard(const StartupGuard&) = delete;
    StartupGuard& operator=(const StartupGuard&) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext&, const QString&)
    {
        if (type != QtFatalMsg)
            return;
        std::fprintf(stderr, "%s: no display to show the game on; run it on a desktop, "
                             "or set DISPLAY or WAYLAND_DISPLAY.\n", s_programName);
        std::_Exit(1);
    }

    static inline const char* s_programName = "";
};
