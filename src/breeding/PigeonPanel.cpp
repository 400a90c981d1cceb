// SPDX-License-Identifier: GPL-3.0-or-later
#include "breeding/PigeonPanel.h"

#include "storage/FileStore.h"
#include "storage/Formatting.h"
#include "ui/Artwork.h"
#include "ui/Banner.h"
#include "ui/LongText.h"
#include "ui/PictureBox.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

PigeonPanel::PigeonPanel(const QString& prefix, QWidget* parent)
    : QWidget(parent)
    , m_band(new ElidedLabel(this))
    , m_information(new QLabel(this)) {
    m_band->setObjectName(prefix + u"Band"_s);
    m_information->setObjectName(prefix + u"Information"_s);
    m_information->setTextFormat(Qt::PlainText);
    m_band->setFont(CaptionFont(20));
    QFont information(u"Tahoma"_s);
    information.setPixelSize(18);
    information.setWeight(QFont::Medium);
    m_information->setFont(information);
    m_information->setTextFormat(Qt::PlainText);
    m_information->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LetLabelWrapAnywhere(m_information);
    m_information->setFixedHeight(5 * m_information->fontMetrics().lineSpacing() + 4);

    auto* photos = new QHBoxLayout;
    photos->setSpacing(6);
    for (size_t i = 0; i < m_photos.size(); ++i) {
        m_photos[i] = new PictureBox(this, PictureBox::Mode::Fitted);
        m_photos[i]->setObjectName(prefix + u"Photo%1"_s.arg(i + 1));
        m_photos[i]->setFixedSize(118, 84);
        photos->addWidget(m_photos[i]);
    }
    photos->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_band);
    layout->addWidget(m_information);
    layout->addLayout(photos);
}

void PigeonPanel::SetInformation(const QString& text) {
    m_information->setText(text);
    // What does not fit in the lines the panel has is read in the tooltip.
    m_information->setToolTip(PlainToolTip(text.trimmed()));
}

void PigeonPanel::ShowPigeon(const PigeonRecord& pigeon, const QString& information) {
    m_band->setText(BandLabel(pigeon));
    SetInformation(information);
    for (size_t i = 0; i < m_photos.size(); ++i)
        ShowPigeonPhoto(m_photos[i], pigeon, i);
}

void PigeonPanel::ShowNone(const QString& band, const QString& information) {
    m_band->setText(band);
    SetInformation(information);
    for (PictureBox* photo : m_photos)
        ShowPigeonPhoto(photo, PigeonRecord(), 0);
}
