// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

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

    /// The command line as QCoreApplication would give it, before any application object.
    static QStringList Arguments(int argc, const char* const* argv);
    /// Prints the answer to --help or --version on standard output; false when neither was asked.
    /// Needs no display: main() asks it before the QApplication exists.
    static bool AnswerInformationOptions(const QStringList& arguments);
    /// Reads the options; nothing, with the reason on standard error, when one is wrong.
    static std::optional<Options> ParseCommandLine(const QStringList& arguments);
    /// The copyright and licence lines of --version and the about box.
    static QString CopyrightNotice();

    /// Sets the program's names for settings, paths, the window class and the desktop entry.
    static void SetIdentity();

    /// Runs the program (exit code 1 for a wrong option); the process's exit code.
    int Run(QApplication& app);
    /// The part after the command line: a second copy is refused with exit code 0.
    int Start(const Options& options);
};
