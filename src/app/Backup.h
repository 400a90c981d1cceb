#pragma once

class QWidget;

// Copies the whole db folder out to a VNBACKUP folder of the user's choice, and back.
namespace Backup {

/// Asks for the destination and copies db/ into <chosen>/VNBACKUP.
void Create(QWidget* parent);
/// Asks for a VNBACKUP folder and copies it into db/; true when something was copied, so that
/// the caller reloads.
bool Import(QWidget* parent);

} // namespace Backup
