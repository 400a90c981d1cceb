// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/PrintPreview.h"

#include "pedigree/PagedPrintout.h"
#include "pedigree/SheetView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <malloc.h>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QToolButton* ToolButton(const QString& text, const QString& name, const QString& tip,
                        QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setObjectName(name);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    // A click leaves the keys with the sheets; Tab still reaches the button.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

CPrintPreview::CPrintPreview(std::unique_ptr<PagedPrintout> printout, QWidget* parent)
    : QDialog(parent)
    , m_printout(std::move(printout))
    , m_view(new SheetView(this))
    , m_page(new QSpinBox(this))
    , m_count(new QLabel(this))
    , m_zoom(new QLabel(this)) {
    setObjectName(u"printPreviewDialog"_s);
    setWindowTitle(u"Print Preview"_s);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);

    QToolButton* first = ToolButton(u"|<"_s, u"firstPage"_s, u"First page (Home)"_s, this);
    QToolButton* previous = ToolButton(u"<"_s, u"previousPage"_s, u"Previous page (PgUp)"_s, this);
    QToolButton* next = ToolButton(u">"_s, u"nextPage"_s, u"Next page (PgDown)"_s, this);
    QToolButton* last = ToolButton(u">|"_s, u"lastPage"_s, u"Last page (End)"_s, this);
    QToolButton* zoomOut = ToolButton(u"-"_s, u"zoomOut"_s, u"Zoom out (-)"_s, this);
    QToolButton* zoomIn = ToolButton(u"+"_s, u"zoomIn"_s, u"Zoom in (+)"_s, this);
    QToolButton* fit = ToolButton(u"Fit width"_s, u"fitWidth"_s, u"As wide as the window"_s, this);
    auto* print = new QPushButton(u"Print"_s, this);
    print->setObjectName(u"print"_s);
    auto* close = new QPushButton(u"Close"_s, this);
    close->setObjectName(u"close"_s);
    for (QPushButton* button : {print, close})
        button->setAutoDefault(false);
    m_page->setObjectName(u"pageNumber"_s);
    m_page->setMinimum(1);
    m_page->setKeyboardTracking(false);
    m_count->setObjectName(u"pageCount"_s);
    m_zoom->setObjectName(u"zoom"_s);
    m_zoom->setMinimumWidth(m_zoom->fontMetrics().horizontalAdvance(u"0000%"_s));
    m_zoom->setAlignment(Qt::AlignCenter);

    auto* bar = new QHBoxLayout;
    bar->addWidget(first);
    bar->addWidget(previous);
    bar->addWidget(new QLabel(u"Page"_s, this));
    bar->addWidget(m_page);
    bar->addWidget(m_count);
    bar->addWidget(next);
    bar->addWidget(last);
    bar->addSpacing(24);
    bar->addWidget(zoomOut);
    bar->addWidget(m_zoom);
    bar->addWidget(zoomIn);
    bar->addWidget(fit);
    bar->addStretch();
    bar->addWidget(print);
    bar->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(m_view, 1);

    connect(first, &QToolButton::clicked, m_view, [this] { m_view->ShowPage(0); });
    connect(previous, &QToolButton::clicked, m_view,
            [this] { m_view->ShowPage(m_view->CurrentPage() - 1); });
    connect(next, &QToolButton::clicked, m_view,
            [this] { m_view->ShowPage(m_view->CurrentPage() + 1); });
    connect(last, &QToolButton::clicked, m_view,
            [this] { m_view->ShowPage(m_printout->EstimatedPageCount() - 1); });
    connect(zoomOut, &QToolButton::clicked, m_view, &SheetView::ZoomOut);
    connect(zoomIn, &QToolButton::clicked, m_view, &SheetView::ZoomIn);
    connect(fit, &QToolButton::clicked, m_view, &SheetView::FitWidth);
    connect(m_page, &QSpinBox::valueChanged, m_view, [this](int page) {
        m_view->ShowPage(page - 1);
        m_view->setFocus();
    });
    connect(m_view, &SheetView::currentPageChanged, this, [this](int page) {
        const QSignalBlocker blocker(m_page);
        m_page->setValue(page + 1);
    });
    connect(m_view, &SheetView::zoomChanged, this, &CPrintPreview::ShowZoom);
    connect(print, &QPushButton::clicked, this, &CPrintPreview::printRequested);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    // The first part at once, so the first sheet shows with the window; the rest in the
    // background, a part at a time.
    m_printout->LayOutNext();
    m_view->SetPrintout(m_printout.get());
    m_view->setFocus();
    ShowCounts();
    ShowZoom(m_view->Zoom());
    m_background.setInterval(0);
    connect(&m_background, &QTimer::timeout, this, &CPrintPreview::LayOutMore);
    if (!m_printout->Complete())
        m_background.start();
}

CPrintPreview::~CPrintPreview() {
    m_background.stop();
    m_view->SetPrintout(nullptr);
    m_printout.reset();
    // The sheets' documents and pictures were many small blocks: the heap keeps them unless
    // asked to hand them back.
    malloc_trim(0);
}

void CPrintPreview::LayOutMore() {
    if (!m_printout->LayOutNext() || m_printout->Complete())
        m_background.stop();
    m_view->PagesChanged();
    ShowCounts();
}

void CPrintPreview::ShowCounts() {
    const int pages = m_printout->EstimatedPageCount();
    {
        const QSignalBlocker blocker(m_page);
        m_page->setMaximum(pages);
        m_page->setValue(m_view->CurrentPage() + 1);
    }
    m_count->setText(m_printout->Complete() ? u"of %1"_s.arg(pages) : u"of about %1"_s.arg(pages));
}

void CPrintPreview::ShowZoom(qreal zoom) {
    m_zoom->setText(u"%1%"_s.arg(std::lround(zoom * 100)));
}
