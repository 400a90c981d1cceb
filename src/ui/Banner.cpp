// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Banner.h"

#include "ui/Artwork.h"
#include "ui/Contrast.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

QFont CaptionFont(int pixelSize, bool bold) {
    QFont font(u"Tahoma"_s);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void PaintBanner(QPainter& painter, const QRect& client, const QString& title, int textLeft) {
    // Under a dark palette the dialog's own labels stand on its window colour, not on white.
    const auto* widget = dynamic_cast<const QWidget*>(painter.device());
    const QPalette palette = widget ? widget->palette() : QPalette();
    painter.fillRect(client, Contrast::IsLight(palette) ? QColor(Qt::white)
                                                        : palette.color(QPalette::Window));
    painter.drawPixmap(client.topLeft(), Artwork::Banner());
    painter.setFont(CaptionFont(28));
    painter.setPen(Qt::white);
    // White text is readable while the banner's gradient is still dark, to about x = 700.
    const int width = std::min(client.width() - 8, 700) - textLeft;
    const QRect band(client.left() + textLeft, client.top(), width, 58);
    // A title wider than that ends in an ellipsis rather than fading into the white.
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(title, Qt::ElideRight, band.width()));
}

BannerDialog::BannerDialog(QWidget* parent, int textLeft)
    : QDialog(parent)
    , m_textLeft(textLeft) {
    setAutoFillBackground(false);
}

void BannerDialog::setBannerTitle(const QString& title) {
    m_title = title;
    update();
}

void BannerDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBanner(painter, rect(), m_title, m_textLeft);
}

void PaintPageLink(QPainter& painter, const QRect& area, const QString& text, bool enabled,
                   const QColor& background) {
    const auto* widget = dynamic_cast<const QWidget*>(painter.device());
    const QPalette palette = widget ? widget->palette() : QPalette();
    const bool light = Contrast::IsLight(palette);
    const QColor disabled =
        light ? QColor(175, 185, 205) : palette.color(QPalette::Disabled, QPalette::WindowText);
    const QColor behind =
        background.isValid() ? background : Contrast::Fill(palette, Qt::white, QPalette::Base);
    painter.setPen(enabled ? Contrast::Ink(palette, QColor(65, 118, 221), behind) : disabled);
    painter.drawText(area.adjusted(30, 0, 0, 0), Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter.setPen(light ? QColor(210, 222, 242) : palette.color(QPalette::Dark));
    painter.drawLine(area.bottomLeft() + QPoint(4, -1), area.bottomRight() + QPoint(-4, -1));
    painter.setPen(light ? QColor(Qt::white) : palette.color(QPalette::Midlight));
    painter.drawLine(area.bottomLeft() + QPoint(4, 0), area.bottomRight() + QPoint(-4, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(enabled ? QColor(155, 215, 155) : disabled);
    painter.drawEllipse(QPoint(area.left() + 15, area.center().y()), 4, 4);
}
