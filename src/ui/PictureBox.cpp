// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PictureBox.h"

#include "storage/FileStore.h"
#include "ui/Artwork.h"

#include <QImageReader>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent, Mode mode)
    : QWidget(parent)
    , m_mode(mode) {
    setAccessibleName(QStringLiteral("Picture"));
}

bool PictureBox::LoadFile(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    SetPixmap(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
    return !image.isNull();
}

void PictureBox::SetPixmap(const QPixmap& pixmap) {
    m_pixmap = pixmap;
    m_placeholder = false;
    update();
}

void PictureBox::ShowPlaceholder(const QPixmap& pixmap) {
    m_pixmap = pixmap;
    m_placeholder = true;
    update();
}

void PictureBox::Clear() {
    SetPixmap({});
}

void PictureBox::SetMode(Mode mode) {
    m_mode = mode;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (m_pixmap.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect box = rect();
    switch (m_placeholder ? Mode::Centred : m_mode) {
    case Mode::Normal:
        painter.drawPixmap(0, 0, m_pixmap);
        break;
    case Mode::Centred: {
        QRect target(QPoint(0, 0), m_pixmap.deviceIndependentSize().toSize());
        target.moveCenter(box.center());
        painter.drawPixmap(target, m_pixmap);
        break;
    }
    case Mode::Stretched:
        painter.drawPixmap(box, m_pixmap);
        break;
    case Mode::Fitted: {
        QRect target(QPoint(0, 0), m_pixmap.deviceIndependentSize().toSize().scaled(
                                       box.size(), Qt::KeepAspectRatio));
        target.moveCenter(box.center());
        painter.drawPixmap(target, m_pixmap);
        break;
    }
    }
}

void ShowPigeonPhoto(PictureBox* box, const PigeonRecord& pigeon, size_t index) {
    if (index < pigeon.photos.size()) {
        PhotoRecord photo = pigeon.photos[index];
        if (box->LoadFile(PhotoPath(photo)))
            return;
    }
    QPixmap portrait = Artwork::DefaultPortrait();
    const QSizeF logical = portrait.deviceIndependentSize();
    if (logical.width() > box->width() || logical.height() > box->height()) {
        const qreal ratio = portrait.devicePixelRatio();
        portrait =
            portrait.scaled(box->size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        portrait.setDevicePixelRatio(ratio);
    }
    box->ShowPlaceholder(portrait);
}
