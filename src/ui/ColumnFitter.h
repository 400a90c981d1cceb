// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

class QTableView;

/// Gives the columns of a list the given widths and, whenever the list is wider than their sum,
/// shares out the room beyond them in the same proportions, so that a wide window shows long
/// names and band numbers whole. Narrow columns (a blank first column, a place number) keep
/// their width; no column is narrower than its heading. Long cells are cut with an ellipsis
/// and never widen the window.
/// Whole columns (bands, places) are never narrower than their longest text, measured on each
/// fill; a name in brackets after a band may be cut. A column the user resized keeps its width,
/// and with a key the list remembers it for the next start. A list in a laid-out window may ask
/// for the room its whole and narrow columns need, up to a third of the screen.
void FitColumnsToWidth(QTableView* view, std::vector<int> widths, const QString& key = {},
                       std::vector<int> wholeColumns = {}, bool widen = false);
