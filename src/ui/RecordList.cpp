// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/RecordList.h"

#include "storage/RowIdTableModel.h"
#include "ui/ColumnFitter.h"
#include "ui/Contrast.h"

#include <QHeaderView>
#include <QTableView>

using namespace Qt::StringLiterals;

QFont RecordListFont(const QString& family) {
    QFont font(family);
    font.setPixelSize(16);
    font.setWeight(QFont::Medium);
    return font;
}

void SetUpRecordList(QTableView* view, RowIdTableModel* model, const QString& key,
                     std::vector<int> widths, std::vector<int> wholeColumns,
                     const RecordListLook& look) {
    view->setModel(model);
    model->SetToolTips(RowIdTableModel::CellToolTips | RowIdTableModel::HeaderToolTips);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(true);
    view->setWordWrap(false);
    view->setTextElideMode(Qt::ElideRight);
    view->setTabKeyNavigation(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(look.rowHeight);
    QHeaderView* header = view->horizontalHeader();
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setSectionsClickable(look.sortable);
    if (look.sortable) {
        header->setSortIndicatorClearable(true);
        header->setSortIndicator(-1, Qt::AscendingOrder);
    }
    view->setSortingEnabled(look.sortable);
    view->setFont(RecordListFont(look.family));
    Contrast::SetTextColour(view, QPalette::Text, QColor(0, 0, 255));
    // Focus alone chooses no row, so the list shows by its frame that it has the keys.
    view->setStyleSheet(u"QTableView:focus { border: 2px solid %1; }"_s.arg(
        view->palette().color(QPalette::Highlight).name()));
    FitColumnsToWidth(view, std::move(widths), key, std::move(wholeColumns), look.widen);
}
