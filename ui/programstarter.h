// Starts the system information program that ships with the game, and watches it.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The system information program stands here for the system's version program that the About
// window asks for by its fixed Windows path. It is found where the game installs it, or in a
// build tree beside the game, and only when it may be trusted (InstalledFile). Only its absolute,
// canonical path is ever started: never a bare name, never a search of PATH or of the working
// folder, and no shell. The program is not waited for.
class ProgramStarter {
public:
    // Raises game::RuntimeError when the program is missing, untrusted or cannot be started;
    // its description names the file and why. It is started in a normal window that takes
    // the focus, with the activation token given, if any, which it needs on Wayland to do so.
    // Should it end with a status other than 0 before its window has shown, `noWindow` is told
    // what it said about it last.
    static void start(const QByteArray& activationToken = {}, std::function<void(const QString&)> noWindow = {});

    // The file that start() would start, with the same errors.
    static QString resolve();
};
