#include "racing/RacingLists.h"

#include "racing/TextTableModel.h"
#include "ui/ColumnFitter.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QTableView>

using namespace Qt::StringLiterals;

void SetUpRacingList(QTableView* view, TextTableModel* model, const std::vector<int>& widths) {
    view->setModel(model);
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

namespace {

class EmptyClickFilter : public QObject {
public:
    explicit EmptyClickFilter(QTableView* view)
        : QObject(view)
        , m_view(view) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* press = static_cast<QMouseEvent*>(event);
            if (!m_view->indexAt(press->position().toPoint()).isValid()) {
                m_view->clearSelection();
                m_view->setCurrentIndex({});
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QTableView* m_view;
};

} // namespace

void ClearSelectionOnEmptyClick(QTableView* view) {
    view->viewport()->installEventFilter(new EmptyClickFilter(view));
}
