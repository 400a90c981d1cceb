#pragma once

#include <QString>

#include <optional>

class QApplication;

// Start-up: the command line, the data folder, the one-copy guard, the splash and the main
// window, run until it closes.
class CLoftApp {
public:
    struct Options {
        bool splash = true;
        QString dataDir;
        bool quitWhenShown = false; // for timing the start and for smoke runs
    };

    /// Reads the command line; nothing when --help or --version was answered (exit code 0).
    static std::optional<Options> ParseCommandLine(QApplication& app);

    /// Sets the program's names for settings and paths.
    static void SetIdentity();

    /// Runs the program; the process's exit code.
    int Run(QApplication& app);
    /// The part after the command line: a second copy is refused with exit code 0.
    int Start(const Options& options);
};
