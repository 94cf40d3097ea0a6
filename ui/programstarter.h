// Starts another program by the path the game knows it by, as the toolkit's Shell service does.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The game asks for programs by their fixed Windows paths; on this system each such path
// stands for a program that ships with the game, found beside the game's executable or in
// its libexec folder, in that order. Only an absolute, canonical path to a regular,
// executable file is ever started: never a bare name, never a search of PATH or of the
// working folder, and no shell. The program is not waited for.
class ProgramStarter {
public:
    // Returns the started program's process id. Raises game::RuntimeError when the path names
    // no shipped program, or the program is missing or cannot be started; its description
    // names every file that was tried. Window style 1 (normal, activated) is carried out with
    // the activation token given, if any, which the program needs on Wayland to take the focus.
    // Should the program end without having shown its window (a status other than 0),
    // `noWindow` is told what it said about it.
    static qint64 shell(const QString& path, int windowStyle, const QByteArray& activationToken = {},
                        std::function<void(const QString&)> noWindow = {});

    // The file that shell() would start, with the same errors.
    static QString resolve(const QString& path);

    // The game's own executable as the system names it, in bytes; by default /proc/self/exe.
    static void setOwnExecutable(const QByteArray& nativePath);
};
