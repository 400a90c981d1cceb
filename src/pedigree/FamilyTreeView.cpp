// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/FamilyTreeView.h"

#include "storage/Formatting.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int kButtonHeight = 42;
constexpr int kSign = 16;
constexpr int kSignGap = 4;
const QColor kLine(120, 150, 200);
const QColor kMale(19, 126, 209);
const QColor kFemale(216, 85, 159);

const char16_t* const kNames[] = {u"subject",  u"dam",      u"sire",     u"damsDam",
                                  u"damsSire", u"siresDam", u"siresSire"};

} // namespace

ElidedButton::ElidedButton(QWidget* parent)
    : QPushButton(parent) {
    setAutoDefault(false);
}

void ElidedButton::SetFullText(const QString& text) {
    m_fullText = text;
    setText(QString(text).replace(u'&', u"&&"_s));
    setToolTip(text.trimmed().isEmpty() ? QString() : PlainToolTip(text));
    update();
}

QString ElidedButton::ShownText() const {
    const QFontMetrics metrics = fontMetrics();
    const int room = std::max(0, width() - 14);
    const QString& full = m_fullText;
    if (metrics.horizontalAdvance(full) <= room || height() < 2 * metrics.height() + 6)
        return metrics.elidedText(full, Qt::ElideRight, room);
    // Two lines where they fit: the break goes at the last blank that lets the first line fit.
    for (qsizetype cut = full.lastIndexOf(u' '); cut > 0; cut = full.lastIndexOf(u' ', cut - 1)) {
        if (metrics.horizontalAdvance(full.left(cut)) <= room)
            return full.left(cut) + u'\n' +
                   metrics.elidedText(full.mid(cut + 1), Qt::ElideRight, room);
    }
    return metrics.elidedText(full, Qt::ElideRight, room);
}

QSize ElidedButton::sizeHint() const {
    return QSize(120, kButtonHeight);
}

QSize ElidedButton::minimumSizeHint() const {
    return QSize(40, kButtonHeight);
}

void ElidedButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = ShownText().replace(u'&', u"&&"_s);
    painter.drawControl(QStyle::CE_PushButton, option);
}

void PaintSexSign(QPainter& painter, const QRectF& box, int sex) {
    if (sex != 1 && sex != 2)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal r = box.width() * 0.28;
    QPen pen(sex == 1 ? kMale : kFemale, std::max<qreal>(1.5, box.width() / 9));
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (sex == 2) {
        const QPointF centre(box.center().x(), box.top() + r + 1);
        painter.drawEllipse(centre, r, r);
        painter.drawLine(QPointF(centre.x(), centre.y() + r), QPointF(centre.x(), box.bottom()));
        painter.drawLine(QPointF(centre.x() - r * 0.8, box.bottom() - r * 0.7),
                         QPointF(centre.x() + r * 0.8, box.bottom() - r * 0.7));
    } else {
        const QPointF centre(box.left() + r + 1, box.bottom() - r - 1);
        painter.drawEllipse(centre, r, r);
        const QPointF tip(box.right() - 1, box.top() + 1);
        const qreal d = r / std::sqrt(2.0);
        painter.drawLine(QPointF(centre.x() + d, centre.y() - d), tip);
        painter.drawLine(tip, QPointF(tip.x() - r, tip.y()));
        painter.drawLine(tip, QPointF(tip.x(), tip.y() + r));
    }
    painter.restore();
}

FamilyTreeView::FamilyTreeView(QWidget* parent)
    : QWidget(parent) {
    setObjectName(u"familyTree"_s);
    for (int slot = 0; slot < TreeSlotCount; ++slot) {
        auto* button = new ElidedButton(this);
        button->setObjectName(QString::fromUtf16(kNames[slot]));
        connect(button, &QPushButton::clicked, this, [this, slot] { Q_EMIT birdClicked(slot); });
        m_buttons[size_t(slot)] = button;
    }
    // Tab walks the tree from the top, the dam side first.
    for (int slot = 1; slot < TreeSlotCount; ++slot)
        setTabOrder(m_buttons[size_t(slot - 1)], m_buttons[size_t(slot)]);
    QFont font = this->font();
    font.setBold(true);
    m_buttons[TreeSubject]->setFont(font);
}

void FamilyTreeView::SetBirds(const FamilyTreeBirds& birds) {
    for (int slot = 0; slot < TreeSlotCount; ++slot)
        m_buttons[size_t(slot)]->SetFullText(BandLabel(birds[size_t(slot)]));
}

QSize FamilyTreeView::sizeHint() const {
    return QSize(680, 3 * kButtonHeight + 2 * 56 + 20);
}

QSize FamilyTreeView::minimumSizeHint() const {
    return QSize(480, 3 * kButtonHeight + 2 * 40 + 20);
}

QRect FamilyTreeView::SlotRect(int slot) const {
    const int w = width();
    const int top = 10;
    const int gap = std::clamp((height() - 20 - 3 * kButtonHeight) / 2, 40, 110);
    // Four grandparents share the width, each with room for its sex sign on the left.
    const int quarter = w / 4;
    const auto column = [&](int index, int span) {
        const int left = index * quarter + kSign + kSignGap + 4;
        return QRect(left, 0, span * quarter - kSign - kSignGap - 12, kButtonHeight);
    };
    switch (slot) {
    case TreeSubject: {
        const int width = std::min(w - 40, std::max(240, w / 3));
        return QRect((w - width) / 2, top, width, kButtonHeight);
    }
    case TreeDam:
    case TreeSire: {
        QRect r = column(slot == TreeDam ? 0 : 2, 2);
        r.adjust(quarter / 4, 0, -quarter / 4, 0);
        return r.translated(0, top + kButtonHeight + gap);
    }
    default:
        return column(slot - TreeDamsDam, 1).translated(0, top + 2 * (kButtonHeight + gap));
    }
}

void FamilyTreeView::resizeEvent(QResizeEvent*) {
    for (int slot = 0; slot < TreeSlotCount; ++slot)
        m_buttons[size_t(slot)]->setGeometry(SlotRect(slot));
}

void FamilyTreeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kLine, 2));
    // Each bird joined to its two parents below it.
    for (int slot : {int(TreeSubject), int(TreeDam), int(TreeSire)}) {
        const QRect child = SlotRect(slot);
        const QRect mother = SlotRect(FamilyTreeMother(slot));
        const QRect father = SlotRect(FamilyTreeFather(slot));
        const int middle = (child.bottom() + mother.top()) / 2;
        painter.drawLine(QPoint(child.center().x(), child.bottom() + 1),
                         QPoint(child.center().x(), middle));
        painter.drawLine(QPoint(mother.center().x(), middle), QPoint(father.center().x(), middle));
        for (const QRect& parent : {mother, father})
            painter.drawLine(QPoint(parent.center().x(), middle),
                             QPoint(parent.center().x(), parent.top() - 1));
    }
    for (int slot = TreeDam; slot < TreeSlotCount; ++slot) {
        const QRect r = SlotRect(slot);
        PaintSexSign(
            painter,
            QRectF(r.left() - kSign - kSignGap, r.center().y() - kSign / 2.0, kSign, kSign),
            FamilyTreeSex(slot));
    }
}
