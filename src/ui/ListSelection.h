// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QAbstractItemView;
class QObject;

/// Calls changed(row) whenever the selected row of a single-selection list changes, by a click,
/// a key or the program, and with -1 when nothing is left selected; after a sort with the row
/// the selected record has moved to. Focus alone never selects,
/// so a list that receives focus acts on no row the user has not picked. Home and End go to the
/// first and last row, as in any list.
void FollowSelectedRow(QAbstractItemView* view, QObject* context,
                       const std::function<void(int row)>& changed);

/// The keys of FollowSelectedRow for a list whose buttons read SelectedRow when pressed.
void PickRowsByKeys(QAbstractItemView* view);

/// A click below the last row leaves the list without a selected row.
void ClearSelectionOnEmptyClick(QAbstractItemView* view);

/// The selected row of a single-selection list, -1 for none.
int SelectedRow(const QAbstractItemView* view);
