// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class AppData;
class QWidget;

// The loft and category edits that the main window and the manager share: each opens its
// dialog, writes the change, keeps the loaded lofts in step and tells the user of a failure.
// A loft name the database already has is refused with a message, and the dialog stays open.
namespace LoftEditing {

/// The index of the appended loft, or nothing.
std::optional<int> AddLoft(AppData& appData, QWidget* parent, const QString& title);
bool EditLoft(AppData& appData, QWidget* parent, int loftIndex, const QString& title);
/// Asks first; true when the loft was deleted and removed from the loaded lofts.
bool DeleteLoft(AppData& appData, QWidget* parent, int loftIndex);

/// The index of the appended category in its loft, or nothing.
std::optional<int> AddCategory(AppData& appData, QWidget* parent, int loftIndex,
                               const QString& title);
bool EditCategory(AppData& appData, QWidget* parent, int loftIndex, int categoryIndex,
                  const QString& title);
bool DeleteCategory(AppData& appData, QWidget* parent, int loftIndex, int categoryIndex);

} // namespace LoftEditing
