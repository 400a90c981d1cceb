// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

class QTableView;

/// Gives the columns of a list the given widths and, whenever the list is wider than their sum,
/// shares out the room beyond them in the same proportions, so that a wide window shows long
/// names and band numbers whole. Narrow columns (a blank first column, a place number) keep
/// their width. Long cells are still cut with an ellipsis and never widen the window.
void FitColumnsToWidth(QTableView* view, std::vector<int> widths);
