// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pedigree/PageWriting.h"

#include <QSizeF>
#include <QUrl>

#include <memory>
#include <vector>

class QPainter;
class QPrinter;
class QTextDocument;

// A printout laid out on sheets a part at a time, each sheet drawn only when it is wanted. A
// page with a long table is cut into parts of rows, each laid out as a document of its own with
// the table's head and ending where a sheet ends, so the sheets come out as from one document of
// the whole page; yet neither that document nor a picture of every sheet is ever held.
class PagedPrintout {
public:
    /// Tables with fewer rows are laid out whole.
    static constexpr int kMinPartedRows = 200;

    /// A page's HTML (as the preview shows it), its pictures found under baseUrl.
    PagedPrintout(const QString& html, const QUrl& baseUrl, const QSizeF& paper, bool onePage);
    /// A document (a page as edited), laid out whole.
    PagedPrintout(const QTextDocument& document, const QSizeF& paper, bool onePage);
    ~PagedPrintout();
    PagedPrintout(const PagedPrintout&) = delete;
    PagedPrintout& operator=(const PagedPrintout&) = delete;

    /// The sheet's printable part in screen pixels.
    const QSizeF& Paper() const { return m_paper; }
    bool Complete() const { return m_complete; }
    /// Sheets laid out so far; all of them once Complete().
    int PageCount() const;
    /// The sheets expected in all, from the rows a sheet has held so far.
    int EstimatedPageCount() const;
    /// Parts laid out so far.
    int PartCount() const { return static_cast<int>(m_parts.size()); }

    /// Lays out the next part; false when there was none left.
    bool LayOutNext();
    void LayOutAll();

    /// Draws a laid-out sheet at the painter's origin, in screen pixels. The foot's number is
    /// drawn once the count is complete.
    void PaintPage(QPainter& painter, int page);

    /// Lays out whatever is left, then prints part by part, holding a few parts at a time.
    /// A printer with another sheet is given a layout of its own.
    void Print(QPrinter& printer);

private:
    // A part's document holds rows firstRow to endRow; its sheets from skip on are shown, as
    // the sheets from firstPage on. Sheets before skip only lead up to a row that one document
    // of the page would have split over a sheet's edge; spacer puts that row at its height.
    struct Part {
        int firstRow = 0;
        int endRow = 0;
        int firstPage = 0;
        int pages = 0;
        int skip = 0;
        qreal spacer = 0;
    };
    struct Start {
        int row = 0;
        int skip = 0;
        qreal offset = 0; // the row's height on its sheet
    };
    struct Cached {
        int part = -1;
        std::unique_ptr<QTextDocument> document;
    };

    std::unique_ptr<QTextDocument> NewDocument(int firstRow, int endRow, qreal spacer) const;
    int NextStart(QTextDocument& document, int firstRow, int endRow, Start& next) const;
    qreal FirstRowTop(QTextDocument& document, int rows) const;
    QTextDocument* DocumentOf(int part);
    void Keep(int part, std::unique_ptr<QTextDocument> document);
    int RowCount() const { return static_cast<int>(m_table.rows.size()); }

    QString m_html;
    QUrl m_baseUrl;
    std::unique_ptr<QTextDocument> m_whole; // a given document, or a short page
    LongTablePage m_table;                  // a long page, cut into rows
    bool m_parted = false;
    QSizeF m_paper;
    bool m_onePage;
    bool m_complete = false;
    int m_partRows = 40;
    qreal m_restTop = -1; // the first row's top in a part after the first, without spacer
    std::vector<Part> m_parts;
    Start m_next;
    std::vector<Cached> m_cache; // the parts drawn last, the latest at the back
};
