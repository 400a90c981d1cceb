// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ListSelection.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableView>
#include <QTimer>

namespace {

// Keys of a list of rows. Focus makes a row current without choosing it; that row is forgotten
// again, so that the first Down chooses the first row. Tables take Home and End to the first
// and last cell of the row; a list of rows goes to its first and last row instead.
class RowKeys : public QObject {
public:
    explicit RowKeys(QAbstractItemView* view)
        : QObject(view)
        , m_view(view) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            QTimer::singleShot(0, m_view, [view = m_view] {
                if (SelectedRow(view) < 0 && view->selectionModel())
                    view->selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
            });
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        // A key pressed before the focus's row was forgotten still starts at the first row.
        if (SelectedRow(m_view) < 0 && m_view->selectionModel())
            m_view->selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
        if (!qobject_cast<QTableView*>(m_view))
            return false;
        if ((key->key() != Qt::Key_Home && key->key() != Qt::Key_End) ||
            (key->modifiers() & Qt::ControlModifier))
            return false;
        QKeyEvent rowKey(QEvent::KeyPress, key->key(), key->modifiers() | Qt::ControlModifier,
                         key->text(), key->isAutoRepeat(), ushort(key->count()));
        QCoreApplication::sendEvent(watched, &rowKey);
        return true;
    }

private:
    QAbstractItemView* m_view;
};

// A click below the rows chooses none, as in any list of records.
class EmptyClickFilter : public QObject {
public:
    explicit EmptyClickFilter(QAbstractItemView* view)
        : QObject(view)
        , m_view(view) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress ||
            m_view->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()).isValid())
            return false;
        m_view->clearSelection();
        m_view->setCurrentIndex({});
        return true;
    }

private:
    QAbstractItemView* m_view;
};

} // namespace

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

void PickRowsByKeys(QAbstractItemView* view) {
    view->installEventFilter(new RowKeys(view));
}

void ClearSelectionOnEmptyClick(QAbstractItemView* view) {
    view->viewport()->installEventFilter(new EmptyClickFilter(view));
}

void FollowSelectedRow(QAbstractItemView* view, QObject* context,
                       const std::function<void(int row)>& changed) {
    PickRowsByKeys(view);
    QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, context,
                     [view, changed] { changed(SelectedRow(view)); });
    // A sort moves the selected record to another row without changing the selection.
    QObject::connect(view->model(), &QAbstractItemModel::layoutChanged, context,
                     [view, changed] { changed(SelectedRow(view)); });
}
