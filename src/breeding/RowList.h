#pragma once

#include <vector>

class QTableView;
class RowTextModel;

/// A list of rows as the breeding windows show them: blue Tahoma 16 of medium weight, grid
/// lines, one whole row selected at a time, fixed row heights and the given column widths.
/// Long cells are cut with an ellipsis and never widen the window.
void SetUpRowList(QTableView* view, RowTextModel* model, const std::vector<int>& widths);
