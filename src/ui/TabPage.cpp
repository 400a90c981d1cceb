// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TabPage.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QShortcut>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

void PaintFocusFrame(QWidget* widget, const QRect& rect, QPalette::ColorRole background) {
    if (!widget->hasFocus())
        return;
    QStylePainter painter(widget);
    QStyleOptionFocusRect option;
    option.initFrom(widget);
    option.rect = rect;
    option.backgroundColor = widget->palette().color(background);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

namespace {

// Stands over a painted link: it takes the keyboard focus, draws the focus frame and runs the
// link on Enter or Space. Clicks pass through to the page, which handles them as before.
class PanelLinkFocus : public QWidget {
public:
    PanelLinkFocus(CTabPage* page, QWidget* parent, int link)
        : QWidget(parent)
        , m_page(page)
        , m_link(link) {
        setFocusPolicy(Qt::TabFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAccessibleDescription(QStringLiteral("Link"));
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
                m_page->ActivatePanelLink(m_link);
                return;
            }
            break;
        default:
            break;
        }
        QWidget::keyPressEvent(event);
    }
    void paintEvent(QPaintEvent*) override {
        PaintFocusFrame(this, rect().adjusted(1, 1, -1, -1), QPalette::Window);
    }
    void focusInEvent(QFocusEvent*) override { update(); }
    void focusOutEvent(QFocusEvent*) override { update(); }

private:
    CTabPage* m_page;
    int m_link;
};

} // namespace

CTabPage::CTabPage(AppData& appData, QWidget* parent)
    : QWidget(parent)
    , m_data(appData)
    , m_linkAnchor(new QWidget(this)) {
    // Never shown: it only holds the links' place at the head of the page's Tab order.
    m_linkAnchor->setFocusPolicy(Qt::TabFocus);
    m_linkAnchor->hide();
}

void CTabPage::Perform(PageCommand command) {
    HandleCommand(command);
    Q_EMIT commandPerformed(command);
}

void CTabPage::ActivatePanelLink(int link) {
    if (link >= 0 && link < PanelLinkCount() && PanelLinkAt(link).enabled)
        RunPanelLink(link);
}

void CTabPage::BindRowKeys(QAbstractItemView* view, std::optional<PageCommand> edit,
                           PageCommand remove) {
    auto* shortcut =
        new QShortcut(QKeySequence::Delete, view, nullptr, nullptr, Qt::WidgetShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, view, remove] {
        if (view->currentIndex().isValid() && Handles(remove))
            Perform(remove);
    });
    if (edit) {
        connect(view, &QAbstractItemView::activated, this, [this, command = *edit] {
            if (Handles(command))
                Perform(command);
        });
    }
}

bool CTabPage::event(QEvent* event) {
    if (event->type() == QEvent::Paint || event->type() == QEvent::Show)
        SyncPanelLinks();
    return QWidget::event(event);
}

void CTabPage::SyncPanelLinks() {
    const int count = PanelLinkCount();
    while (int(m_linkWidgets.size()) < count) {
        auto* link = new PanelLinkFocus(this, this, int(m_linkWidgets.size()));
        setTabOrder(m_linkWidgets.empty() ? m_linkAnchor : m_linkWidgets.back(), link);
        m_linkWidgets.push_back(link);
        link->show();
    }
    for (int i = 0; i < count; ++i) {
        const PanelLink link = PanelLinkAt(i);
        QWidget* widget = m_linkWidgets[size_t(i)];
        if (widget->geometry() != link.area)
            widget->setGeometry(link.area);
        widget->setAccessibleName(link.text);
        // Tab skips a disabled link.
        widget->setEnabled(link.enabled);
    }
}
