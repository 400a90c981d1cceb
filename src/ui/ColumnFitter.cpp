// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ColumnFitter.h"

#include <QEvent>
#include <QTableView>

namespace {

class ColumnFitter : public QObject {
public:
    ColumnFitter(QTableView* view, std::vector<int> widths)
        : QObject(view)
        , m_view(view)
        , m_widths(std::move(widths)) {
        Fit();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            Fit();
        return false;
    }

private:
    static bool Grows(int width) { return width > kNarrow; }

    void Fit() {
        int growing = 0;
        int fixed = 0;
        for (int width : m_widths)
            (Grows(width) ? growing : fixed) += width;
        const double room = m_view->viewport()->width() - 2 - fixed;
        const double factor = growing > 0 && room > growing ? room / growing : 1.0;
        for (size_t column = 0; column < m_widths.size(); ++column) {
            const int width = m_widths[column];
            m_view->setColumnWidth(static_cast<int>(column),
                                   Grows(width) ? static_cast<int>(width * factor) : width);
        }
    }

    static constexpr int kNarrow = 30;

    QTableView* m_view;
    std::vector<int> m_widths;
};

} // namespace

void FitColumnsToWidth(QTableView* view, std::vector<int> widths) {
    view->viewport()->installEventFilter(new ColumnFitter(view, std::move(widths)));
}
