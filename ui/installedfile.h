// Where the game finds the programs and the module it ships, and whether it may trust them:
// only in the folders the build installs them to (absolute, compiled in), or for a game run
// from its build's output folder, which the build marks, there; and only files that root or the
// player owns, in folders that nobody else may write to.
#pragma once

#include <QByteArray>
#include <QString>

class InstalledFile {
public:
    enum Kind { Program, Module };

    // The absolute, canonical path of the shipped file `name`. Raises game::RuntimeError when it
    // is missing or cannot be used (53 File not found, 75 Path/File access error), when it or a
    // folder above it belongs to another user or may be written by others, and when the game's
    // own folder cannot be known; the description says which file, and why.
    static QString find(const QString& name, Kind kind);

    // For the tests: the game's own executable as the system names it, in bytes (by default
    // /proc/self/exe), and the folder a kind is installed to (by default the build's).
    static void setOwnExecutable(const QByteArray& nativePath);
    static void setInstalledFolder(Kind kind, const QString& folder);
};
