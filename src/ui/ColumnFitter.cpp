// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ColumnFitter.h"

#include <QEvent>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <climits>

using namespace Qt::StringLiterals;

namespace {

QString SettingsKey(const QString& key) {
    return u"Lists/"_s + key + u"/widths"_s;
}

class ColumnFitter : public QObject {
public:
    ColumnFitter(QTableView* view, std::vector<int> widths, QString key,
                 std::vector<int> wholeColumns, bool widen)
        : QObject(view)
        , m_widen(widen)
        , m_view(view)
        , m_widths(std::move(widths))
        , m_key(std::move(key))
        , m_whole(std::move(wholeColumns))
        , m_longest(m_widths.size(), 0)
        , m_user(m_widths.size(), 0) {
        if (!m_key.isEmpty()) {
            const QStringList saved =
                QSettings(u"Vornel"_s, u"Vornel"_s).value(SettingsKey(m_key)).toStringList();
            for (size_t column = 0; column < m_user.size() && column < size_t(saved.size());
                 ++column)
                m_user[column] = std::max(0, saved[qsizetype(column)].toInt());
        }
        m_save.setSingleShot(true);
        m_save.setInterval(400);
        connect(&m_save, &QTimer::timeout, this, &ColumnFitter::Save);
        connect(view->horizontalHeader(), &QHeaderView::sectionResized, this,
                [this](int column, int, int width) { UserResized(column, width); });
        connect(view->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
                [this] { Fit(); });
        // Measured once the events of a change are done: a list being destroyed empties its
        // model, and a fill may come in many steps.
        m_measure.setSingleShot(true);
        m_measure.setInterval(0);
        connect(&m_measure, &QTimer::timeout, this, [this] {
            Measure(m_first, m_last, m_all);
            m_first = INT_MAX;
            m_last = -1;
            m_all = false;
        });
        if (!m_whole.empty()) {
            QAbstractItemModel* model = view->model();
            connect(model, &QAbstractItemModel::modelReset, this,
                    [this] { Remeasure(0, -1, true); });
            connect(model, &QAbstractItemModel::rowsInserted, this,
                    [this](const QModelIndex&, int first, int last) { Remeasure(first, last); });
            connect(model, &QAbstractItemModel::dataChanged, this,
                    [this](const QModelIndex& top, const QModelIndex& bottom) {
                        Remeasure(top.row(), bottom.row());
                    });
            Measure(0, -1, true);
        }
        view->viewport()->installEventFilter(this);
        Fit();
    }

    ~ColumnFitter() override {
        if (m_save.isActive())
            Save();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            Fit();
        return false;
    }

private:
    static bool Grows(int width) { return width > kNarrow; }

    // Room for a text in a cell: the delegate's margins on either side and the grid line.
    int CellWidth(const QString& text) const {
        const int margin =
            m_view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_view) + 1;
        return m_view->fontMetrics().horizontalAdvance(text) + 2 * margin + 2;
    }

    // The heading's text, and the sort arrow where it is shown.
    int HeadingWidth(int column) const {
        const QHeaderView* header = m_view->horizontalHeader();
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        const QString text = m_view->model()->headerData(column, Qt::Horizontal).toString();
        int width = header->fontMetrics().horizontalAdvance(text) + 2 * margin + 4;
        if (header->isSortIndicatorShown() && header->sortIndicatorSection() == column)
            width += header->height() + margin;
        return width;
    }

    // A band's name in brackets may be cut: the band and the start of the brackets stay.
    static QString WholePart(const QString& text) {
        const qsizetype name = text.indexOf(u" ["_s);
        return name < 0 ? text : text.left(name) + u" [\u2026"_s;
    }

    void Remeasure(int first, int last, bool all = false) {
        m_first = std::min(m_first, first);
        m_last = std::max(m_last, last);
        m_all = m_all || all;
        m_measure.start();
    }

    void Measure(int first, int last, bool all = false) {
        const QAbstractItemModel* model = m_view->model();
        if (all) {
            std::fill(m_longest.begin(), m_longest.end(), 0);
            first = 0;
            last = model->rowCount() - 1;
        }
        bool wider = all;
        for (int column : m_whole) {
            if (column < 0 || size_t(column) >= m_longest.size())
                continue;
            int& longest = m_longest[size_t(column)];
            // Measuring a text costs far more than reading it: only the texts nearly as long
            // as the longest can be the widest (band characters differ little in width).
            std::vector<QString> texts;
            qsizetype most = 0;
            for (int row = std::max(0, first); row <= last && row < model->rowCount(); ++row) {
                texts.push_back(
                    WholePart(model->index(row, column).data(Qt::DisplayRole).toString()));
                most = std::max(most, texts.back().size());
            }
            for (const QString& text : texts) {
                if (text.size() + kLengthSlack < most)
                    continue;
                if (const int width = CellWidth(text); width > longest) {
                    longest = width;
                    wider = true;
                }
            }
        }
        if (wider)
            Fit();
    }

    void UserResized(int column, int width) {
        if (m_fitting || column < 0 || size_t(column) >= m_user.size())
            return;
        m_user[size_t(column)] = width;
        if (!m_key.isEmpty())
            m_save.start();
        Fit();
    }

    void Save() {
        QStringList widths;
        for (int width : m_user)
            widths.push_back(QString::number(width));
        QSettings settings(u"Vornel"_s, u"Vornel"_s);
        settings.setValue(SettingsKey(m_key), widths);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            qWarning("The column widths of a list could not be stored.");
    }

    void Fit() {
        if (m_fitting)
            return;
        std::vector<int> least(m_widths.size());
        int growing = 0;
        int fixed = 0;
        int needed = 0; // without cutting a whole column or a heading
        for (size_t column = 0; column < m_widths.size(); ++column) {
            least[column] = std::max(HeadingWidth(int(column)), m_longest[column]);
            needed += m_user[column] > 0 ? m_user[column] : least[column];
            if (m_user[column] > 0)
                fixed += m_user[column];
            else if (Grows(m_widths[column]))
                growing += std::max(m_widths[column], m_longest[column]);
            else
                fixed += std::max(m_widths[column], least[column]);
        }
        if (m_widen)
            Widen(needed);
        const double room = m_view->viewport()->width() - 2 - fixed;
        const double factor = growing > 0 && room > growing ? room / growing : 1.0;
        m_fitting = true;
        for (size_t column = 0; column < m_widths.size(); ++column) {
            int width = m_user[column];
            if (width <= 0) {
                const int given = std::max(m_widths[column], m_longest[column]);
                width =
                    std::max(Grows(m_widths[column]) ? int(given * factor) : given, least[column]);
            }
            m_view->setColumnWidth(static_cast<int>(column), width);
        }
        m_fitting = false;
    }

    // Never so wide that the window would no longer fit on the screen.
    void Widen(int needed) {
        needed += 2 * m_view->frameWidth() + 2 + m_view->verticalScrollBar()->sizeHint().width();
        if (needed <= m_view->minimumWidth())
            return;
        const QScreen* screen = m_view->screen();
        const QWidget* owner = m_view->window()->parentWidget();
        const int screenWidth = std::max({screen ? screen->availableGeometry().width() : 0,
                                          owner ? owner->window()->width() : 0, 640});
        const int spare = screenWidth - m_view->window()->minimumSizeHint().width();
        const int most = std::min(screenWidth / 3, m_view->minimumWidth() + std::max(0, spare));
        if (most > m_view->minimumWidth())
            m_view->setMinimumWidth(std::min(needed, most));
    }

    static constexpr int kNarrow = 30;
    static constexpr qsizetype kLengthSlack = 3;

    bool m_widen;
    QTableView* m_view;
    std::vector<int> m_widths;
    QString m_key;
    std::vector<int> m_whole;
    std::vector<int> m_longest; // the widest text of a whole column
    std::vector<int> m_user;    // widths the user gave, 0 where the list decides
    QTimer m_save;
    QTimer m_measure;
    int m_first = INT_MAX; // the rows changed since the last measure
    int m_last = -1;
    bool m_all = false;
    bool m_fitting = false;
};

} // namespace

void FitColumnsToWidth(QTableView* view, std::vector<int> widths, const QString& key,
                       std::vector<int> wholeColumns, bool widen) {
    new ColumnFitter(view, std::move(widths), key, std::move(wholeColumns), widen);
}
