// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/SheetView.h"

#include "pedigree/PagedPrintout.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal kGap = 12;
constexpr qreal kZoomStep = 1.25;
constexpr qreal kMinZoom = 0.1;
constexpr qreal kMaxZoom = 5.0;

} // namespace

SheetView::SheetView(QWidget* parent)
    : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("sheets"));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void SheetView::SetPrintout(PagedPrintout* printout) {
    m_printout = printout;
    m_current = -1;
    PagesChanged();
}

QSizeF SheetView::Sheet() const {
    return m_printout ? m_printout->Paper() * m_zoom : QSizeF();
}

qreal SheetView::Step() const {
    return Sheet().height() + kGap;
}

void SheetView::PagesChanged() {
    UpdateScrollBars();
    if (m_followEnd && m_printout) {
        ShowPage(m_printout->EstimatedPageCount() - 1);
        m_followEnd = !m_printout->Complete();
    }
    viewport()->update();
}

void SheetView::UpdateScrollBars() {
    if (!m_printout)
        return;
    if (m_fitWidth)
        m_zoom = std::clamp((viewport()->width() - 2 * kGap) / m_printout->Paper().width(),
                            kMinZoom, kMaxZoom);
    const int pages = m_printout->EstimatedPageCount();
    const QSize area = viewport()->size();
    const int height = static_cast<int>(std::ceil(kGap + pages * Step()));
    const int width = static_cast<int>(std::ceil(Sheet().width() + 2 * kGap));
    verticalScrollBar()->setRange(0, std::max(0, height - area.height()));
    verticalScrollBar()->setPageStep(area.height());
    verticalScrollBar()->setSingleStep(40);
    horizontalScrollBar()->setRange(0, std::max(0, width - area.width()));
    horizontalScrollBar()->setPageStep(area.width());
    horizontalScrollBar()->setSingleStep(40);
    scrollContentsBy(0, 0);
}

int SheetView::CurrentPage() const {
    if (!m_printout)
        return 0;
    // The sheet that fills the upper part of the view.
    const qreal middle =
        verticalScrollBar()->value() + std::min<qreal>(viewport()->height(), Step()) / 2;
    return std::clamp(static_cast<int>(middle / Step()), 0, m_printout->EstimatedPageCount() - 1);
}

void SheetView::ShowPage(int page) {
    if (!m_printout)
        return;
    page = std::clamp(page, 0, m_printout->EstimatedPageCount() - 1);
    verticalScrollBar()->setValue(static_cast<int>(std::lround(page * Step())));
}

void SheetView::ApplyZoom(qreal zoom) {
    const int page = CurrentPage();
    const qreal within = verticalScrollBar()->value() - page * Step();
    const qreal old = Step();
    m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    UpdateScrollBars();
    // The sheet shown stays in view at the same place on it.
    verticalScrollBar()->setValue(
        static_cast<int>(std::lround(page * Step() + within * Step() / old)));
    viewport()->update();
    Q_EMIT zoomChanged(m_zoom);
}

void SheetView::SetZoom(qreal zoom) {
    m_fitWidth = false;
    ApplyZoom(zoom);
}

void SheetView::ZoomIn() {
    SetZoom(m_zoom * kZoomStep);
}

void SheetView::ZoomOut() {
    SetZoom(m_zoom / kZoomStep);
}

void SheetView::FitWidth() {
    m_fitWidth = true;
    ApplyZoom(m_zoom);
}

void SheetView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Dark));
    m_painted.clear();
    if (!m_printout)
        return;
    const QSizeF sheet = Sheet();
    const qreal top = verticalScrollBar()->value();
    const qreal left =
        std::max(kGap, (viewport()->width() - sheet.width()) / 2) - horizontalScrollBar()->value();
    const int first = std::max(0, static_cast<int>((top - kGap) / Step()));
    const int pages = m_printout->EstimatedPageCount();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int page = first; page < pages; ++page) {
        const QRectF rect(QPointF(left, kGap + page * Step() - top), sheet);
        if (rect.top() > viewport()->height())
            break;
        painter.fillRect(rect.translated(2, 2), palette().color(QPalette::Shadow));
        // Paper is white whatever the desktop's colours.
        painter.fillRect(rect, Qt::white);
        if (page >= m_printout->PageCount())
            continue;
        painter.save();
        painter.setClipRect(rect);
        painter.translate(rect.topLeft());
        painter.scale(m_zoom, m_zoom);
        m_printout->PaintPage(painter, page);
        painter.restore();
        m_painted.append(page);
    }
}

void SheetView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    const int page = CurrentPage();
    UpdateScrollBars();
    if (m_fitWidth) {
        ShowPage(page);
        Q_EMIT zoomChanged(m_zoom);
    }
}

void SheetView::scrollContentsBy(int, int) {
    viewport()->update();
    if (const int page = CurrentPage(); page != m_current) {
        m_current = page;
        Q_EMIT currentPageChanged(page);
    }
}

void SheetView::keyPressEvent(QKeyEvent* event) {
    m_followEnd = false;
    switch (event->key()) {
    case Qt::Key_PageDown:
        ShowPage(CurrentPage() + 1);
        return;
    case Qt::Key_PageUp:
        ShowPage(CurrentPage() - 1);
        return;
    case Qt::Key_Home:
        ShowPage(0);
        return;
    case Qt::Key_End:
        m_followEnd = m_printout && !m_printout->Complete();
        ShowPage(m_printout ? m_printout->EstimatedPageCount() - 1 : 0);
        return;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        ZoomIn();
        return;
    case Qt::Key_Minus:
        ZoomOut();
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void SheetView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        if (event->angleDelta().y() > 0)
            ZoomIn();
        else if (event->angleDelta().y() < 0)
            ZoomOut();
        return;
    }
    m_followEnd = false;
    QAbstractScrollArea::wheelEvent(event);
}
