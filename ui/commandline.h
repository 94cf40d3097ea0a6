// The game's command line: --help and --version, and the toolkit's own options, passed on.
#pragma once

#include <QString>

#include <optional>

struct CommandLine {
    // The platform plugin asked for with -platform, if any.
    QString platform;
    // Set when the program ends here: after --help or --version (0), or a wrong option (2).
    std::optional<int> exitStatus;
};

// Reads the command line before any window is made, so that --help and --version need no
// display. Prints what was asked for, or the error and the usage.
CommandLine readCommandLine(int argc, char* argv[]);
