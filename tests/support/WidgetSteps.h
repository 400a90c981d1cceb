// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/ModalDriver.h"

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QScopeGuard>
#include <QStyle>
#include <QTableView>
#include <QTest>
#include <QWidget>

#include <functional>

// Finding a window's controls by name and using them as a user does.

/// The named child; fails the test when the window has none.
template <typename T> T* Find(const QObject* parent, const QString& name) {
    T* child = parent->findChild<T*>(name);
    if (!child)
        QTest::qFail(qPrintable(QStringLiteral("No control named ") + name), __FILE__, __LINE__);
    return child;
}

/// A mouse click on the named control.
inline void Click(const QObject* parent, const QString& name) {
    QTest::mouseClick(Find<QWidget>(parent, name), Qt::LeftButton);
}

/// A step on the next modal dialog that checks it is the active window and, however the step
/// ends, leaves no dialog open behind it.
inline ModalDriver::Expectation OnNextWindow(std::function<void(QDialog*)> step) {
    return ModalDriver::OnNextModal([step = std::move(step)](QDialog* dialog) {
        const auto close = qScopeGuard([dialog] {
            if (dialog->isVisible())
                dialog->reject();
        });
        // Offscreen there is no window manager to activate a new window, as a desktop does.
        dialog->activateWindow();
        if (!QTest::qWaitForWindowExposed(dialog) ||
            !QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }))
            QTest::qFail("The dialog is not the active window", __FILE__, __LINE__);
        step(dialog);
    });
}

/// True when every column of the list is as wide as its heading's text.
inline bool HeadingsWhole(const QTableView* view) {
    const QHeaderView* header = view->horizontalHeader();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int column = 0; column < view->model()->columnCount(); ++column) {
        const QString text = view->model()->headerData(column, Qt::Horizontal).toString();
        if (view->columnWidth(column) < header->fontMetrics().horizontalAdvance(text) + 2 * margin)
            return false;
    }
    return true;
}
