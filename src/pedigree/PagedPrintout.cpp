// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/PagedPrintout.h"

#include "pedigree/PagePrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr size_t kCachedParts = 3;

void SetUp(QTextDocument& document, const QUrl& baseUrl) {
    document.setUndoRedoEnabled(false);
    document.setUseDesignMetrics(true);
    document.setBaseUrl(baseUrl);
    document.setMetaInformation(QTextDocument::DocumentUrl, baseUrl.toString());
}

void ClearPageBreak(QTextFrame* frame, QTextFormat::PageBreakFlag flag) {
    QTextFrameFormat format = frame->frameFormat();
    if (format.pageBreakPolicy() & flag) {
        format.setPageBreakPolicy(format.pageBreakPolicy() & ~flag);
        frame->setFrameFormat(format);
    }
}

// The bottom of a table row as laid out: that of its tallest cell's last line.
qreal RowBottom(QAbstractTextDocumentLayout* layout, QTextTable* table, int row) {
    qreal bottom = 0;
    for (int column = 0; column < table->columns(); ++column)
        bottom = std::max(
            bottom,
            layout->blockBoundingRect(table->cellAt(row, column).lastCursorPosition().block())
                .bottom());
    return bottom;
}

// The part's table: the top-level one with the part's rows under its head (the page's text
// before it may hold tables of its own).
QTextTable* PartTable(QTextDocument* document, int rows) {
    for (QTextFrame* frame : document->rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame);
            table && table->rows() - table->format().headerRowCount() == rows)
            return table;
    return nullptr;
}

qreal RowTop(QAbstractTextDocumentLayout* layout, QTextTable* table, int row) {
    return layout->blockBoundingRect(table->cellAt(row, 0).firstCursorPosition().block()).top();
}

} // namespace

PagedPrintout::PagedPrintout(const QString& html, const QUrl& baseUrl, const QSizeF& paper,
                             bool onePage)
    : m_html(html)
    , m_baseUrl(baseUrl)
    , m_paper(paper)
    , m_onePage(onePage) {
    m_parted = !onePage && SplitLongTable(html, kMinPartedRows, m_table);
    if (!m_parted) {
        m_whole = std::make_unique<QTextDocument>();
        SetUp(*m_whole, baseUrl);
        m_whole->setHtml(html);
        PagePrinter::DropTrailingPageBreak(m_whole.get());
    }
}

PagedPrintout::PagedPrintout(const QTextDocument& document, const QSizeF& paper, bool onePage)
    : m_baseUrl(document.baseUrl())
    , m_whole(document.clone())
    , m_paper(paper)
    , m_onePage(onePage) {
    m_whole->setBaseUrl(document.baseUrl());
    m_whole->setMetaInformation(QTextDocument::DocumentUrl,
                                document.metaInformation(QTextDocument::DocumentUrl));
    m_whole->setUseDesignMetrics(true);
}

PagedPrintout::~PagedPrintout() = default;

int PagedPrintout::PageCount() const {
    return m_parts.empty() ? 0 : m_parts.back().firstPage + m_parts.back().pages;
}

int PagedPrintout::EstimatedPageCount() const {
    if (m_complete)
        return PageCount();
    if (m_parts.empty())
        return 1;
    const double rowsPerPage = std::max(1.0, double(m_next.row) / PageCount());
    return PageCount() + static_cast<int>(std::ceil((RowCount() - m_next.row) / rowsPerPage));
}

std::unique_ptr<QTextDocument> PagedPrintout::NewDocument(int firstRow, int endRow,
                                                          qreal spacer) const {
    auto document = std::make_unique<QTextDocument>();
    SetUp(*document, m_baseUrl);
    document->setDefaultStyleSheet(m_table.styleSheet);
    const bool first = firstRow == 0;
    const bool last = endRow == RowCount();
    QString html = first ? m_table.before : u"<html><body>"_s;
    html += m_table.tableOpen + m_table.tableHead;
    for (int row = firstRow; row < endRow; ++row)
        html += m_table.rows[size_t(row)];
    html += u"</table>"_s;
    html += last ? m_table.after : u"</body></html>"_s;
    document->setHtml(html);
    if (QTextTable* table = PartTable(document.get(), endRow - firstRow)) {
        // Only the page's own beginning and end break the sheet.
        if (!first)
            ClearPageBreak(table, QTextFormat::PageBreak_AlwaysBefore);
        if (!last)
            ClearPageBreak(table, QTextFormat::PageBreak_AlwaysAfter);
    }
    if (last)
        PagePrinter::DropTrailingPageBreak(document.get());
    if (spacer != 0) {
        QTextCursor start(document.get());
        QTextBlockFormat format = start.blockFormat();
        format.setTopMargin(format.topMargin() + spacer);
        start.setBlockFormat(format);
    }
    document->setPageSize(PagePrinter::BodySize(m_paper));
    return document;
}

// Where the next part begins: the first row that begins on the trial's last sheet, or the
// row before it when that one runs over onto that sheet. Rows are measured where the layout
// put them before moving lines over a sheet's edge, which is what decides those moves, so a
// row put at the same height on its sheet lays out the same. -1 when no row after the
// first can begin the next part.
int PagedPrintout::NextStart(QTextDocument& document, int firstRow, int endRow, Start& next) const {
    QTextTable* table = PartTable(&document, endRow - firstRow);
    if (!table)
        return -1;
    const int head = table->format().headerRowCount();
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    const qreal sheet = PagePrinter::BodySize(m_paper).height();
    auto top = [&](int row) {
        return RowTop(layout, table, head + row);
    };
    const int lastPage = static_cast<int>(top(endRow - firstRow - 1) / sheet);
    int row = endRow - firstRow - 1;
    while (row > 0 && top(row - 1) >= lastPage * sheet)
        --row;
    if (row > 0 && RowBottom(layout, table, head + row - 1) > lastPage * sheet)
        --row;
    if (row <= 0)
        return -1;
    const int page = static_cast<int>(top(row) / sheet);
    // The layout counts in 64ths of a pixel, sheet edges included.
    const qreal edge = std::round(page * sheet * 64) / 64;
    next = {firstRow + row, lastPage - page, top(row) - edge};
    return lastPage;
}

qreal PagedPrintout::FirstRowTop(QTextDocument& document, int rows) const {
    QTextTable* table = PartTable(&document, rows);
    return table ? RowTop(document.documentLayout(), table, table->format().headerRowCount()) : 0;
}

bool PagedPrintout::LayOutNext() {
    if (m_complete)
        return false;
    if (!m_parted) {
        m_whole->setPageSize(PagePrinter::BodySize(m_paper));
        m_parts.push_back({0, 0, 0, m_onePage ? 1 : std::max(1, m_whole->pageCount())});
        m_complete = true;
        return true;
    }
    const Start start = m_next;
    for (int rows = m_partRows;; rows *= 2) {
        const int end = std::min(RowCount(), start.row + rows);
        Part part{start.row, end, PageCount(), 0, start.skip, 0};
        if (start.row > 0) {
            // The first row stands as high on its sheet as in one document of the page. Every
            // part after the first begins alike, so one of them is measured for all.
            if (m_restTop < 0)
                m_restTop =
                    FirstRowTop(*NewDocument(start.row, std::min(end, start.row + 1), 0), 1);
            part.spacer = start.offset - m_restTop;
        }
        std::unique_ptr<QTextDocument> document = NewDocument(start.row, end, part.spacer);
        if (end == RowCount()) {
            part.pages = std::max(1, document->pageCount() - part.skip);
            m_complete = true;
        } else {
            Start next;
            part.pages = NextStart(*document, start.row, end, next) - part.skip;
            if (part.pages <= 0)
                continue;
            m_next = next;
        }
        m_parts.push_back(part);
        Keep(PartCount() - 1, std::move(document));
        // About four sheets a part: a short stretch of work, a fifth of it laid out twice.
        const int perPage = std::max(1, (m_next.row - part.firstRow) / part.pages);
        m_partRows = std::clamp(perPage * 5, 20, 200);
        return true;
    }
}

void PagedPrintout::LayOutAll() {
    while (LayOutNext()) {
    }
}

void PagedPrintout::Keep(int part, std::unique_ptr<QTextDocument> document) {
    if (m_cache.size() >= kCachedParts)
        m_cache.erase(m_cache.begin());
    m_cache.push_back({part, std::move(document)});
}

QTextDocument* PagedPrintout::DocumentOf(int part) {
    if (!m_parted)
        return m_whole.get();
    const auto found = std::find_if(m_cache.begin(), m_cache.end(),
                                    [part](const Cached& c) { return c.part == part; });
    if (found != m_cache.end()) {
        std::rotate(found, found + 1, m_cache.end());
        return m_cache.back().document.get();
    }
    const Part& p = m_parts[size_t(part)];
    Keep(part, NewDocument(p.firstRow, p.endRow, p.spacer));
    return m_cache.back().document.get();
}

void PagedPrintout::PaintPage(QPainter& painter, int page) {
    if (page < 0 || page >= PageCount())
        return;
    if (m_onePage) {
        PagePrinter::PaintOnePage(*m_whole, painter, QRectF(QPointF(0, 0), m_paper), 1.0);
        return;
    }
    const auto part = std::upper_bound(m_parts.begin(), m_parts.end(), page,
                                       [](int p, const Part& x) { return p < x.firstPage; }) -
                      1;
    const int index = static_cast<int>(part - m_parts.begin());
    PagePrinter::PaintSheet(painter, *DocumentOf(index), page - part->firstPage + part->skip,
                            m_paper, page + 1, m_complete ? PageCount() : 0);
}

void PagedPrintout::Print(QPrinter& printer) {
    const QSizeF paper = PagePrinter::PaperSize(printer);
    if (paper != m_paper) {
        std::unique_ptr<PagedPrintout> other =
            m_html.isEmpty() ? std::make_unique<PagedPrintout>(*m_whole, paper, m_onePage)
                             : std::make_unique<PagedPrintout>(m_html, m_baseUrl, paper, m_onePage);
        other->Print(printer);
        return;
    }
    LayOutAll();
    QPainter painter(&printer);
    if (m_onePage) {
        // Laid out at the sheet's width in screen pixels, as it looks on screen.
        PagePrinter::PaintOnePage(
            *m_whole, painter,
            QRectF(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size()),
            printer.resolution() / 96.0);
        return;
    }
    const qreal toDevice = printer.resolution() / 96.0;
    for (int page = 0; page < PageCount(); ++page) {
        if (page > 0)
            printer.newPage();
        painter.save();
        painter.scale(toDevice, toDevice);
        PaintPage(painter, page);
        painter.restore();
    }
}
