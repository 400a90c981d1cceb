// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The commands for scripts and cron: backup, export and import, run on the same core as the
// windows, without a display. Each holds the data folder's lock while it runs, so that it and a
// window never work on the same data at once.

/// True when the arguments name a command rather than the window.
bool IsCommand(int argc, char** argv);
/// Runs the command the arguments name (the program's name first); the exit code. Failures
/// are told in one line on stderr.
int RunCommand(const QStringList& arguments);
/// The usage lines, as --help lists them.
QString CommandUsage();
