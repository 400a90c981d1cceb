// SPDX-License-Identifier: GPL-3.0-or-later
#include "racing/RacingLists.h"

#include "storage/RowIdTableModel.h"
#include "ui/ColumnFitter.h"

#include <QHeaderView>
#include <QTableView>

using namespace Qt::StringLiterals;

void SetUpRacingList(QTableView* view, RowIdTableModel* model, const std::vector<int>& widths) {
    view->setModel(model);
    model->SetToolTips(RowIdTableModel::CellToolTips | RowIdTableModel::HeaderToolTips);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSortingEnabled(false);
    view->setShowGrid(true);
    view->setWordWrap(false);
    view->setTextElideMode(Qt::ElideRight);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(22);
    view->horizontalHeader()->setSectionsClickable(false);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setStretchLastSection(false);
    FitColumnsToWidth(view, widths);
    QFont font(u"Tahoma"_s);
    font.setPixelSize(16);
    font.setWeight(QFont::Medium);
    view->setFont(font);
    QPalette palette = view->palette();
    palette.setColor(QPalette::Text, QColor(0, 0, 255));
    view->setPalette(palette);
}
