// Starts another program by the path the game knows it by, as the toolkit's Shell service does.
#pragma once

#include <QString>

// The game asks for programs by their fixed Windows paths; on this system each such path
// stands for a program that ships with the game, found beside the game's executable or in
// its libexec folder. The program is started directly (no shell, no search of PATH) and is
// not waited for.
class ProgramStarter {
public:
    // Returns the started program's process id. Raises game::RuntimeError when the path
    // names no shipped program, or the program is missing or cannot be started.
    static qint64 shell(const QString& path, int windowStyle);

    // The file a fixed path resolves to, or an empty string when it names no shipped program.
    static QString resolve(const QString& path);

    // Where shipped programs are looked for first; by default the executable's own folder.
    static void setProgramFolder(const QString& folder);
};
