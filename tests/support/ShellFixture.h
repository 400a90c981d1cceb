// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>
#include <QString>
#include <QStringList>

#include <memory>
#include <utility>
#include <vector>

class AppData;
class CMainDialog;
class QAction;
class QComboBox;
class QListWidget;

// What the tests of the application shell share.
namespace ShellFixture {

/// Stores lofts, each with its categories, in the current data folder.
void SeedLofts(const std::vector<std::pair<QString, QStringList>>& lofts);
/// The main window over data, initialised as at start-up, shown at 1280 × 800 and active.
std::unique_ptr<CMainDialog> OpenMainDialog(AppData& data);
/// The menu's action of a command.
QAction* MenuAction(const CMainDialog& dialog, int id);
/// A dark palette, as a dark desktop theme gives the Fusion style.
QPalette DarkPalette();
/// The texts of a list's items, in order.
QStringList Items(const QListWidget* list);
QStringList Items(const QComboBox* combo);

} // namespace ShellFixture
