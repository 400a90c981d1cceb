#include "ui/ListSelection.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

int SelectedRow(const QAbstractItemView* view) {
    const QItemSelectionModel* selection = view->selectionModel();
    if (!selection)
        return -1;
    const QModelIndexList rows = selection->selectedRows();
    if (!rows.isEmpty())
        return rows.first().row();
    // Views that select single cells rather than rows.
    const QModelIndexList cells = selection->selectedIndexes();
    return cells.isEmpty() ? -1 : cells.first().row();
}

void FollowSelectedRow(QAbstractItemView* view, QObject* context,
                       const std::function<void(int row)>& changed) {
    QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, context,
                     [view, changed] { changed(SelectedRow(view)); });
}
