// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/DrzewoGenealogicznePsa.h"

#include "pedigree/FamilyTreeView.h"
#include "pedigree/PageWriting.h"
#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/Formatting.h"
#include "ui/Artwork.h"
#include "ui/Contrast.h"
#include "ui/LongText.h"
#include "ui/PictureBox.h"

#include <QPainter>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int kPanelWidth = 300;
const QColor kHeading(63, 172, 255);

QFont Face(int pixelSize, int weight) {
    QFont font(u"Tahoma"_s);
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

// The photo of a bird, or the stand-in picture fitted to the box.
} // namespace

CDrzewoGenealogicznePsa::CDrzewoGenealogicznePsa(const AppData& appData, int pigeonId,
                                                 QWidget* parent)
    : BannerDialog(parent)
    , m_data(appData)
    , m_birds(CollectFamilyTree(appData, pigeonId))
    , m_tree(new FamilyTreeView(this))
    , m_portrait(new PictureBox(this, PictureBox::Mode::Fitted))
    , m_photo1(new PictureBox(this, PictureBox::Mode::Fitted))
    , m_photo2(new PictureBox(this, PictureBox::Mode::Fitted))
    , m_band(new ElidedLabel(this))
    , m_colour(new ElidedLabel(this)) {
    setObjectName(u"familyTreeDialog"_s);
    setWindowTitle(u"Family Tree"_s);
    setBannerTitle(u"Family Tree"_s);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    m_portrait->setObjectName(u"portrait"_s);
    m_photo1->setObjectName(u"photo1"_s);
    m_photo2->setObjectName(u"photo2"_s);
    m_band->setObjectName(u"birdBand"_s);
    m_colour->setObjectName(u"birdColour"_s);
    m_band->setFont(Face(18, 700));
    m_colour->setFont(Face(16, 400));
    auto* close = new QPushButton(u"Close"_s, this);
    close->setObjectName(u"close"_s);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    m_close = close;

    m_tree->SetBirds(m_birds);
    connect(m_tree, &FamilyTreeView::birdClicked, this, &CDrzewoGenealogicznePsa::ShowBird);
    setMinimumSize(860, 500);
    resize(1020, 520);
    resizeEvent(nullptr);
    ShowPigeonPhoto(m_portrait, m_birds[TreeSubject], 0);
    ShowBird(TreeSubject);
    m_tree->Button(TreeSubject)->setFocus();
}

void CDrzewoGenealogicznePsa::ShowBird(int slot) {
    if (slot < 0 || slot >= TreeSlotCount)
        return;
    m_shownSlot = slot;
    const PigeonRecord& bird = m_birds[size_t(slot)];
    ShowPigeonPhoto(m_photo1, bird, 0);
    ShowPigeonPhoto(m_photo2, bird, 1);
    m_band->setText(BandLabel(bird));
    m_colour->setText(ColourName(m_data, bird.idColour));
}

void CDrzewoGenealogicznePsa::resizeEvent(QResizeEvent* event) {
    if (event)
        BannerDialog::resizeEvent(event);
    const int w = width();
    const int h = height();
    const int panel = w - kPanelWidth - 10;
    m_portrait->setGeometry(14, 72, 96, 78);
    m_tree->setGeometry(10, 100, panel - 30, h - 150);
    const int photoWidth = kPanelWidth - 10;
    m_photo1->setGeometry(panel, 104, photoWidth, 140);
    m_photo2->setGeometry(panel, 250, photoWidth, 140);
    m_band->setGeometry(panel, 432, photoWidth, 26);
    m_colour->setGeometry(panel, 460, photoWidth, 22);
    m_close->setGeometry(w - 110, h - 38, 96, 28);
}

void CDrzewoGenealogicznePsa::paintEvent(QPaintEvent* event) {
    BannerDialog::paintEvent(event);
    QPainter painter(this);
    const int panel = width() - kPanelWidth - 10;
    painter.fillRect(QRect(panel - 12, 64, 1, height() - 110),
                     Contrast::Fill(palette(), QColor(215, 226, 242), QPalette::Mid));
    painter.setFont(Face(20, 500));
    painter.setPen(
        Contrast::Ink(palette(), kHeading, Contrast::Fill(palette(), Qt::white, QPalette::Window)));
    painter.drawText(QRect(panel, 70, kPanelWidth, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     u"Photos preview"_s);
    painter.drawText(QRect(panel, 398, kPanelWidth, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     u"Bird informations"_s);
}
