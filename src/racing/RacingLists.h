// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

class QTableView;
class RowIdTableModel;

/// Sets up a report-style list of the racing windows over its model: grid lines, whole rows
/// selected one at a time, blue Tahoma 16, the given column widths, no sorting or editing.
void SetUpRacingList(QTableView* view, RowIdTableModel* model, const std::vector<int>& widths);
