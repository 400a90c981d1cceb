#include "breeding/RowList.h"

#include "breeding/RowTextModel.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {

// Widens the columns with the list, so that a wide window shows long names whole.
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
    // Narrow columns (a blank first column, a place number) keep their width.
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

QFont RowListFont() {
    QFont font(u"Tahoma"_s);
    font.setPixelSize(16);
    font.setWeight(QFont::Medium);
    return font;
}

void SetUpRowList(QTableView* view, RowTextModel* model, const std::vector<int>& widths) {
    view->setModel(model);
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
    QPalette palette = view->palette();
    palette.setColor(QPalette::Text, QColor(0, 0, 255));
    view->setPalette(palette);
    view->viewport()->installEventFilter(new ColumnFitter(view, widths));
}
