// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The data folder: the first of the --data-dir option, the VORNEL_HOME environment variable,
// the InstallPath setting (organisation "Vornel") and the per-user data folder. Never the
// file-system root. No trailing separator.
QString InstallDir();
/// InstallDir() with a trailing '/', the form paths placed into pages are built from.
QString EscapedInstallDir();

/// Set from the command line's --data-dir; an empty text removes it.
void SetInstallDirOverride(const QString& dir);

/// Creates db/, db/images/, db/documents/ and db/notes/ under InstallDir() when missing.
bool PrepareInstallDir();

/// InstallDir() + "/db/pigeons.db", the folder created when missing.
QString PigeonsDbPath();
/// InstallDir() + "/db/dodatkowe_informacje.db", the folder created when missing.
QString ExtraDbPath();
