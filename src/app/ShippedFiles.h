// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// Copies the files shipped inside the program (the help pages, the pedigree templates, the branch
/// table) into the data folder where they are missing; a user's edited copy is left alone. False
/// when one could not be written.
bool InstallShippedFiles();
