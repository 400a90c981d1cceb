// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Copies the whole db folder out to a VNBACKUP folder of the user's choice, and back. Each copy
// is all or nothing: the questions come first, the files are copied beside their destination and
// put in place only when every one is there.
namespace Backup {

/// Asks for the destination and copies db/ into <chosen>/VNBACKUP.
void Create(QWidget* parent);
/// Asks for a VNBACKUP folder and copies it into db/; true when files were put in place, so
/// that the caller reloads.
bool Import(QWidget* parent);

/// How long a copy runs before its progress window shows (tests shorten it); the former delay.
int SetProgressDelay(int milliseconds);

} // namespace Backup
