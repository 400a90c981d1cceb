#include "ui/Banner.h"

#include "ui/Artwork.h"

#include <QPainter>

using namespace Qt::StringLiterals;

QFont CaptionFont(int pixelSize, bool bold) {
    QFont font(u"Tahoma"_s);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void PaintBanner(QPainter& painter, const QRect& client, const QString& title, int textLeft) {
    painter.fillRect(client, Qt::white);
    painter.drawPixmap(client.topLeft(), Artwork::Banner());
    painter.setFont(CaptionFont(28));
    painter.setPen(Qt::white);
    painter.drawText(QRect(client.left() + textLeft, client.top(), client.width() - textLeft, 58),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title);
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
