// Starts another program by the path the game knows it by, as the toolkit's Shell service does.
#pragma once

#include <QByteArray>
#include <QString>

// The game asks for programs by their fixed Windows paths; on this system each such path
// stands for a program that ships with the game, found beside the game's executable or in
// its libexec folder, in that order. Only an absolute, canonical path to a regular,
// executable file is ever started: never a bare name, never a search of PATH or of the
// working folder, and no shell. The program is not waited for.
class ProgramStarter {
public:
    // Returns the started program's process id. Raises game::RuntimeError when the path names
    // no shipped program, or the program is missing or cannot be started; its description
    // names every file that was tried.
    static qint64 shell(const QString& path, int windowStyle);

    // The file that shell() would start, with the same errors.
    static QString resolve(const QString& path);

    // The game's own executable as the system names it, in bytes; by default /proc/self/exe.
    static void setOwnExecutable(const QByteArray& nativePath);
};
