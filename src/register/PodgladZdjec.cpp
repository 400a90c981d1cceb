// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/PodgladZdjec.h"

#include "storage/FileStore.h"
#include "ui/PictureBox.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

CPodgladZdjec::CPodgladZdjec(std::vector<PhotoRecord> photos, QWidget* parent)
    : QDialog(parent)
    , m_photos(std::move(photos))
    , m_picture(new PictureBox(this, PictureBox::Mode::Fitted))
    , m_previous(new QPushButton(u"<< Previous photo"_s, this))
    , m_next(new QPushButton(u"Next photo >>"_s, this)) {
    setObjectName(u"photoViewer"_s);
    setWindowTitle(u"Photos preview..."_s);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    m_previous->setObjectName(u"previousPhoto"_s);
    m_next->setObjectName(u"nextPhoto"_s);
    connect(m_previous, &QPushButton::clicked, this, &CPodgladZdjec::Previous);
    connect(m_next, &QPushButton::clicked, this, &CPodgladZdjec::Next);
    resize(800, 600);
    ShowCurrent();
}

void CPodgladZdjec::Next() {
    if (m_photos.empty())
        return;
    m_current = (m_current + 1) % static_cast<int>(m_photos.size());
    ShowCurrent();
}

void CPodgladZdjec::Previous() {
    if (m_photos.empty())
        return;
    const int count = static_cast<int>(m_photos.size());
    m_current = (m_current + count - 1) % count;
    ShowCurrent();
}

void CPodgladZdjec::ShowCurrent() {
    if (m_photos.empty()) {
        m_picture->Clear();
        return;
    }
    m_picture->LoadFile(PhotoPath(m_photos[size_t(m_current)]));
}

void CPodgladZdjec::resizeEvent(QResizeEvent*) {
    const int w = width();
    const int h = height();
    m_picture->setGeometry(0, 0, w, h - 35);
    const int centre = w / 2;
    m_previous->setGeometry(centre - 110, h - 30, 105, 25);
    m_next->setGeometry(centre + 5, h - 30, 105, 25);
}
