// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/LongPageView.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QTextTable* TableOf(QTextDocument* document) {
    for (QTextFrame* frame : document->rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame))
            return table;
    return nullptr;
}

bool ShowsAnything(const QString& html) {
    static const QRegularExpression tags(u"<[^>]*>"_s);
    if (html.contains(u"<img"_s, Qt::CaseInsensitive) ||
        html.contains(u"<table"_s, Qt::CaseInsensitive))
        return true;
    QString text = html;
    text.remove(tags);
    text.replace(u"&nbsp;"_s, u" "_s);
    return !text.trimmed().isEmpty();
}

} // namespace

LongPageView::LongPageView(QWidget* parent)
    : QAbstractScrollArea(parent) {
    setObjectName(u"longPage"_s);
    viewport()->setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
    // A scroll bar that came and went would change the width and lay everything out again.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_background.setInterval(0);
    connect(&m_background, &QTimer::timeout, this, &LongPageView::MeasureNext);
}

LongPageView::~LongPageView() = default;

void LongPageView::SetPage(LongTablePage page, const QUrl& baseUrl) {
    m_page = std::move(page);
    m_baseUrl = baseUrl;
    m_parts.clear();
    m_columns.clear();
    m_parts.push_back({m_page.before, nullptr, 0, 0, false});
    const int rows = RowCount();
    for (int first = 0; first < rows; first += kRowsPerPart) {
        Part part;
        const int last = std::min(rows, first + kRowsPerPart);
        QString html = u"<html><body>"_s + m_page.tableOpen;
        if (first == 0)
            html += m_page.tableHead;
        for (int row = first; row < last; ++row)
            html += m_page.rows[size_t(row)];
        html += u"</table></body></html>"_s;
        part.html = std::move(html);
        part.rows = last - first;
        m_parts.push_back(std::move(part));
    }
    if (ShowsAnything(m_page.after))
        m_parts.push_back({u"<html><body>"_s + m_page.after, nullptr, 0, 0, false});
    // A hidden view has no width yet: it lays the page out when it is first shown.
    m_width = -1;
    if (isVisible()) {
        m_width = viewport()->width();
        Relayout();
    }
}

QTextDocument* LongPageView::Document(int index) {
    Part& part = m_parts[size_t(index)];
    if (part.document)
        return part.document.get();
    auto document = std::make_unique<QTextDocument>();
    document->setUndoRedoEnabled(false);
    document->setUseDesignMetrics(true);
    document->setDefaultStyleSheet(m_page.styleSheet);
    document->setBaseUrl(m_baseUrl);
    document->setMetaInformation(QTextDocument::DocumentUrl, m_baseUrl.toString());
    document->setHtml(part.html);
    // The parts join without a gap: only the first keeps its top margin.
    QTextFrameFormat root = document->rootFrame()->frameFormat();
    root.setTopMargin(index == 0 ? root.topMargin() : 0);
    root.setBottomMargin(0);
    document->rootFrame()->setFrameFormat(root);
    if (QTextTable* table = part.rows > 0 ? TableOf(document.get()) : nullptr;
        table && !m_columns.isEmpty() && table->columns() == m_columns.size()) {
        QTextTableFormat format = table->format();
        format.setColumnWidthConstraints(m_columns);
        table->setFormat(format);
    }
    document->setTextWidth(m_width);
    part.document = std::move(document);
    return part.document.get();
}

void LongPageView::Measure(int index) {
    Part& part = m_parts[size_t(index)];
    part.height = Document(index)->documentLayout()->documentSize().height();
    part.measured = true;
}

int LongPageView::MeasuredParts() const {
    return static_cast<int>(
        std::count_if(m_parts.begin(), m_parts.end(), [](const Part& p) { return p.measured; }));
}

qreal LongPageView::EstimatedRowHeight() const {
    qreal height = 0;
    int rows = 0;
    for (const Part& part : m_parts) {
        if (part.measured && part.rows > 0) {
            height += part.height;
            rows += part.rows;
        }
    }
    return rows > 0 ? height / rows : 24.0;
}

qreal LongPageView::PageHeight() const {
    const qreal row = EstimatedRowHeight();
    qreal total = 0;
    for (const Part& part : m_parts)
        total += part.measured ? part.height : part.rows * row;
    return total;
}

qreal LongPageView::PartTop(int index) const {
    const qreal row = EstimatedRowHeight();
    qreal top = 0;
    for (int i = 0; i < index; ++i) {
        const Part& part = m_parts[size_t(i)];
        top += part.measured ? part.height : part.rows * row;
    }
    return top;
}

// The columns of every part are those the first part takes when laid out on its own.
void LongPageView::FixColumns() {
    m_columns.clear();
    if (m_parts.size() < 2 || m_parts[1].rows == 0)
        return;
    m_parts[1].document.reset();
    QTextDocument* document = Document(1);
    QTextTable* table = TableOf(document);
    if (!table)
        return;
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    const QTextTableFormat format = table->format();
    const qreal frame = layout->frameBoundingRect(table).right();
    const qreal inner = 2 * format.border() + format.cellSpacing();
    QList<qreal> lefts;
    for (int column = 0; column < table->columns(); ++column)
        lefts.append(
            layout->blockBoundingRect(table->cellAt(0, column).firstCursorPosition().block())
                .left());
    lefts.append(frame + format.cellPadding() + format.border());
    for (int column = 0; column < table->columns(); ++column)
        m_columns.append(
            QTextLength(QTextLength::FixedLength,
                        std::max<qreal>(8, lefts[column + 1] - lefts[column] - inner)));
    m_parts[1].document.reset();
}

void LongPageView::Relayout() {
    for (Part& part : m_parts) {
        part.document.reset();
        part.measured = false;
    }
    FixColumns();
    // The first screen is laid out at once, so that the scroll range starts from real rows.
    qreal top = 0;
    for (int i = 0; i < PartCount() && top < viewport()->height() + 1; ++i) {
        Measure(i);
        top += m_parts[size_t(i)].height;
    }
    UpdateScrollBars();
    viewport()->update();
    m_background.start();
}

void LongPageView::MeasureNext() {
    const int first = static_cast<int>(
        std::distance(m_parts.begin(), std::find_if(m_parts.begin(), m_parts.end(),
                                                    [](const Part& p) { return !p.measured; })));
    if (first >= PartCount()) {
        m_background.stop();
        return;
    }
    const qreal shownTop = verticalScrollBar()->value();
    const bool above =
        PartTop(first) + m_parts[size_t(first)].rows * EstimatedRowHeight() <= shownTop;
    const qreal before = PageHeight();
    Measure(first);
    // A part above the screen that turned out taller or shorter moves the screen with it.
    if (above) {
        UpdateScrollBars();
        verticalScrollBar()->setValue(
            static_cast<int>(std::lround(shownTop + PageHeight() - before)));
    } else {
        UpdateScrollBars();
    }
    ForgetHiddenDocuments();
}

void LongPageView::ForgetHiddenDocuments() {
    const qreal top = verticalScrollBar()->value();
    const qreal bottom = top + viewport()->height();
    qreal y = 0;
    const qreal row = EstimatedRowHeight();
    for (Part& part : m_parts) {
        const qreal height = part.measured ? part.height : part.rows * row;
        if (y + height < top - 400 || y > bottom + 400)
            part.document.reset();
        y += height;
    }
}

void LongPageView::UpdateScrollBars() {
    const QSize area = viewport()->size();
    verticalScrollBar()->setPageStep(area.height());
    verticalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setRange(
        0, std::max(0, static_cast<int>(std::ceil(PageHeight())) - area.height()));
    qreal width = m_width;
    for (const Part& part : m_parts)
        if (part.document)
            width = std::max(width, part.document->documentLayout()->documentSize().width());
    horizontalScrollBar()->setPageStep(area.width());
    horizontalScrollBar()->setRange(0, std::max(0, static_cast<int>(width) - area.width()));
}

void LongPageView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    const qreal shown = verticalScrollBar()->value();
    const qreal left = horizontalScrollBar()->value();
    const qreal height = viewport()->height();
    bool grew = false;
    qreal y = 0;
    for (int i = 0; i < PartCount() && y - shown < height; ++i) {
        Part& part = m_parts[size_t(i)];
        qreal partHeight = part.measured ? part.height : part.rows * EstimatedRowHeight();
        if (y + partHeight >= shown) {
            if (!part.measured) {
                Measure(i);
                partHeight = part.height;
                grew = true;
            }
            painter.save();
            painter.translate(-left, y - shown);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = QRectF(left, shown - y, viewport()->width(), height);
            context.palette = palette();
            Document(i)->documentLayout()->draw(&painter, context);
            painter.restore();
        }
        y += partHeight;
    }
    if (grew)
        QTimer::singleShot(0, this, &LongPageView::UpdateScrollBars);
}

void LongPageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (viewport()->width() != m_width && !m_parts.empty() && isVisible()) {
        m_width = viewport()->width();
        Relayout();
    } else {
        UpdateScrollBars();
    }
}

void LongPageView::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    if (viewport()->width() != m_width && !m_parts.empty()) {
        m_width = viewport()->width();
        Relayout();
    }
}

void LongPageView::scrollContentsBy(int, int) {
    viewport()->update();
}

void LongPageView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Home:
        verticalScrollBar()->setValue(0);
        return;
    case Qt::Key_End:
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

QString LongPageView::VisibleText() {
    const qreal shown = verticalScrollBar()->value();
    QString text;
    qreal y = 0;
    for (int i = 0; i < PartCount() && y - shown < viewport()->height(); ++i) {
        Part& part = m_parts[size_t(i)];
        const qreal partHeight = part.measured ? part.height : part.rows * EstimatedRowHeight();
        if (y + partHeight >= shown)
            text += Document(i)->toPlainText() + u'\n';
        y += partHeight;
    }
    return text;
}
