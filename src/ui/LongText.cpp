// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LongText.h"

#include "storage/Formatting.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPainter>
#include <QStyle>

void KeepComboNarrow(QComboBox* box, int characters) {
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(characters);
    box->view()->setTextElideMode(Qt::ElideRight);
}

ElidedLabel::ElidedLabel(QWidget* parent)
    : ElidedLabel(QString(), parent) {}

ElidedLabel::ElidedLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QString ElidedLabel::ShownText() const {
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

QSize ElidedLabel::sizeHint() const {
    const QSize hint = QLabel::sizeHint();
    return QSize(std::min(hint.width(), fontMetrics().averageCharWidth() * 30), hint.height());
}

QSize ElidedLabel::minimumSizeHint() const {
    return QSize(fontMetrics().averageCharWidth() * 4, QLabel::minimumSizeHint().height());
}

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QString shown = ShownText();
    // The tooltip carries the whole text only while the label cannot.
    const QString tip = shown == text() ? QString() : text();
    if (toolTip() != tip)
        setToolTip(PlainToolTip(tip));
    painter.setPen(palette().color(foregroundRole()));
    style()->drawItemText(&painter, contentsRect(), int(alignment()) | Qt::TextSingleLine,
                          palette(), isEnabled(), shown, foregroundRole());
}

void LetLabelWrapAnywhere(QLabel* label) {
    label->setWordWrap(true);
    label->setSizePolicy(QSizePolicy::Ignored, label->sizePolicy().verticalPolicy());
}
