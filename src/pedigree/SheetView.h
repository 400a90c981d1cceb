// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractScrollArea>

class PagedPrintout;

// The sheets of a printout one under another, as they will print; only the sheets on screen
// are drawn, and sheets not laid out yet stand blank at their place.
class SheetView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit SheetView(QWidget* parent = nullptr);

    void SetPrintout(PagedPrintout* printout);
    /// More sheets were laid out: the scroll range and the shown sheets follow.
    void PagesChanged();

    /// The sheet at the top of the view, from 0.
    int CurrentPage() const;
    void ShowPage(int page);
    qreal Zoom() const { return m_zoom; }
    void SetZoom(qreal zoom);
    void ZoomIn();
    void ZoomOut();
    /// Sheets as wide as the view (also after it is resized), until a zoom is chosen.
    void FitWidth();
    /// The sheets drawn by the last paint.
    const QList<int>& PaintedPages() const { return m_painted; }

Q_SIGNALS:
    void currentPageChanged(int page);
    void zoomChanged(qreal zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    qreal Step() const;
    QSizeF Sheet() const;
    void UpdateScrollBars();
    void ApplyZoom(qreal zoom);

    PagedPrintout* m_printout = nullptr;
    qreal m_zoom = 1.0;
    bool m_fitWidth = true;
    bool m_followEnd = false; // End was pressed before the last sheet was known
    int m_current = -1;
    QList<int> m_painted;
};
