// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pedigree/PageWriting.h"

#include <QAbstractScrollArea>
#include <QTextLength>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <vector>

class QTextDocument;

// Shows a page with one very long table (a list of thousands of pigeons) without laying the
// whole table out first, which Qt's rich-text engine does at about half a millisecond a row.
// The table is cut into parts of a few dozen rows, each its own small document with the
// columns of the first part; only the parts on screen are laid out, the others are measured
// in the background, and until then their height is estimated from the parts already seen.
class LongPageView : public QAbstractScrollArea {
    Q_OBJECT

public:
    static constexpr int kRowsPerPart = 40;

    explicit LongPageView(QWidget* parent = nullptr);
    ~LongPageView() override;

    void SetPage(LongTablePage page, const QUrl& baseUrl);
    int PartCount() const { return static_cast<int>(m_parts.size()); }
    int RowCount() const { return static_cast<int>(m_page.rows.size()); }
    /// Parts laid out so far; the others stand at their estimated height.
    int MeasuredParts() const;
    /// The height of the whole page as known now.
    qreal PageHeight() const;
    /// The plain text of the parts on screen (for tests and accessibility).
    QString VisibleText();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    struct Part {
        QString html;
        std::unique_ptr<QTextDocument> document;
        qreal height = 0;
        int rows = 0;
        bool measured = false;
    };

    QTextDocument* Document(int part);
    void Measure(int part);
    void MeasureNext();
    void FixColumns();
    void Relayout();
    void UpdateScrollBars();
    qreal EstimatedRowHeight() const;
    qreal PartTop(int part) const;
    void ForgetHiddenDocuments();

    LongTablePage m_page;
    QUrl m_baseUrl;
    std::vector<Part> m_parts;
    QList<QTextLength> m_columns;
    qreal m_width = 0;
    QTimer m_background;
};
