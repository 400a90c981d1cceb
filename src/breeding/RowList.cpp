// SPDX-License-Identifier: GPL-3.0-or-later
#include "breeding/RowList.h"

#include "storage/RowIdTableModel.h"
#include "ui/ColumnFitter.h"
#include "ui/Contrast.h"

#include <QHeaderView>
#include <QTableView>

using namespace Qt::StringLiterals;

QFont RowListFont() {
    QFont font(u"Tahoma"_s);
    font.setPixelSize(16);
    font.setWeight(QFont::Medium);
    return font;
}

void SetUpRowList(QTableView* view, RowIdTableModel* model, const std::vector<int>& widths) {
    view->setModel(model);
    model->SetToolTips(RowIdTableModel::CellToolTips);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSortingEnabled(false);
    view->setShowGrid(true);
    view->setWordWrap(false);
    view->setTextElideMode(Qt::ElideRight);
    view->setTabKeyNavigation(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(20);
    view->horizontalHeader()->setSectionsClickable(false);
    view->horizontalHeader()->setHighlightSections(false);
    view->setFont(RowListFont());
    Contrast::SetTextColour(view, QPalette::Text, QColor(0, 0, 255));
    FitColumnsToWidth(view, widths);
}
