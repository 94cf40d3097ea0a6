// Starts the system information program that ships with the game, and watches it.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The system information program stands here for the system's version program that the About
// window asks for by its fixed Windows path. It is found beside the game's executable or in its
// libexec folder, in that order. Only an absolute, canonical path to a regular, executable file
// is ever started: never a bare name, never a search of PATH or of the working folder, and no
// shell. The program is not waited for.
class ProgramStarter {
public:
    // Raises game::RuntimeError when the program is missing or cannot be started; its
    // description names every file that was tried. It is started in a normal window that takes
    // the focus, with the activation token given, if any, which it needs on Wayland to do so.
    // Should it end with a status other than 0 before its window has shown, `noWindow` is told
    // what it said about it last.
    static void start(const QByteArray& activationToken = {}, std::function<void(const QString&)> noWindow = {});

    // The file that start() would start, with the same errors.
    static QString resolve();

    // The game's own executable as the system names it, in bytes; by default /proc/self/exe.
    static void setOwnExecutable(const QByteArray& nativePath);
};
