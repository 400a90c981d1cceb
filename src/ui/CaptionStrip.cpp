// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CaptionStrip.h"

#include "ui/TabPage.h"

#include <QKeyEvent>

CaptionStrip::CaptionStrip(Captions captions, const QString& accessibleName, QWidget* parent)
    : QWidget(parent)
    , m_captions(std::move(captions)) {
    setAccessibleName(accessibleName);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Sync();
}

void CaptionStrip::Sync() {
    QRect area;
    for (int i = 0; i < m_captions.count; ++i)
        area = area.united(m_captions.area(i));
    setGeometry(area);
    setAccessibleDescription(m_captions.text(m_captions.current()));
    update();
}

void CaptionStrip::keyPressEvent(QKeyEvent* event) {
    const int count = m_captions.count;
    const int current = m_captions.current();
    int next = current;
    switch (event->key()) {
    case Qt::Key_Left:
        next = (current + count - 1) % count;
        break;
    case Qt::Key_Right:
        next = (current + 1) % count;
        break;
    case Qt::Key_Home:
        next = 0;
        break;
    case Qt::Key_End:
        next = count - 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    m_captions.choose(next);
    Sync();
}

void CaptionStrip::paintEvent(QPaintEvent*) {
    PaintFocusFrame(this,
                    m_captions.area(m_captions.current()).translated(-pos()).adjusted(3, 3, -3, -3),
                    QPalette::Highlight);
}

void CaptionStrip::focusInEvent(QFocusEvent*) {
    update();
}

void CaptionStrip::focusOutEvent(QFocusEvent*) {
    update();
}
