// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

#include <vector>

class QTableView;
class RowIdTableModel;

/// The font of the breeding lists: Tahoma 16 of medium weight.
QFont RowListFont();

/// A list of rows as the breeding windows show them: blue text in RowListFont(), grid lines,
/// one whole row selected at a time and fixed row heights. The columns keep the given widths
/// and share out any room the list has beyond them, in the same proportions; long cells are
/// cut with an ellipsis and never widen the window.
void SetUpRowList(QTableView* view, RowIdTableModel* model, const std::vector<int>& widths);
