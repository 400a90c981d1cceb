// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/FamilyTreeView.h"
#include "pedigree/PageWriting.h"
#include "register/PreviewPages.h"
#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/Formatting.h"
#include "ui/Artwork.h"
#include "ui/Banner.h"
#include "ui/Contrast.h"
#include "ui/LongText.h"
#include "ui/PictureBox.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int kPanelWidth = 300;
// The side panel shows on pages wider than this and hides on narrower ones.
constexpr int kPanelThreshold = 1000;

} // namespace

CPanelPodgladuTab2::CPanelPodgladuTab2(AppData& appData, QWidget* parent)
    : CPreviewPage(appData, parent)
    , m_tree(new FamilyTreeView(this))
    , m_photo1(new PictureBox(this, PictureBox::Mode::Fitted))
    , m_photo2(new PictureBox(this, PictureBox::Mode::Fitted))
    , m_band(new ElidedLabel(this))
    , m_colour(new ElidedLabel(this))
    , m_description(new QLabel(this))
    , m_edit(new QPushButton(u"Edit selected pigeon"_s, this)) {
    setObjectName(u"previewFamilyTree"_s);
    m_tree->setObjectName(u"tree"_s);
    m_photo1->setObjectName(u"photo1"_s);
    m_photo2->setObjectName(u"photo2"_s);
    m_band->setObjectName(u"birdBand"_s);
    m_colour->setObjectName(u"birdColour"_s);
    m_description->setObjectName(u"birdDescription"_s);
    m_edit->setObjectName(u"editBird"_s);
    m_edit->setAutoDefault(false);
    m_band->setFont(CaptionFont(18));
    m_colour->setFont(CaptionFont(16, false));
    LetLabelWrapAnywhere(m_description);
    m_description->setTextFormat(Qt::PlainText);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_panel = {m_photo1, m_photo2, m_band, m_colour, m_description, m_edit};
    connect(m_tree, &FamilyTreeView::birdClicked, this, &CPanelPodgladuTab2::ShowBird);
    connect(m_edit, &QPushButton::clicked, this, [this] {
        if (m_chosen >= 1)
            EditPigeon(m_chosen);
    });
}

void CPanelPodgladuTab2::Refresh() {
    // Without a pigeon the page keeps the tree it shows.
    if (m_pigeonId < 1)
        return;
    const int chosen = Refilling() ? m_chosen : 0;
    m_birds = CollectFamilyTree(m_data, m_pigeonId);
    m_tree->SetBirds(m_birds);
    // Filled again for the same bird (after an edit), the bird clicked stays in the side panel.
    int slot = TreeSubject;
    for (int i = TreeSlotCount - 1; i >= 0; --i)
        if (chosen >= 1 && m_birds[size_t(i)].id == chosen)
            slot = i;
    ShowBird(slot);
}

void CPanelPodgladuTab2::ShowBird(int slot) {
    if (slot < 0 || slot >= TreeSlotCount)
        return;
    const PigeonRecord& bird = m_birds[size_t(slot)];
    m_chosen = bird.id;
    ShowPigeonPhoto(m_photo1, bird, 0);
    ShowPigeonPhoto(m_photo2, bird, 1);
    m_band->setText(BandLabel(bird));
    m_colour->setText(ColourName(m_data, bird.idColour));
    m_description->setText(bird.shortDescription);
    m_edit->setEnabled(m_chosen >= 1);
}

void CPanelPodgladuTab2::resizeEvent(QResizeEvent*) {
    const int w = width();
    const int h = height();
    if (w > kPanelThreshold)
        m_panelShown = true;
    else if (w < kPanelThreshold)
        m_panelShown = false;
    for (QWidget* widget : m_panel)
        widget->setVisible(m_panelShown);
    const int treeWidth = m_panelShown ? w - kPanelWidth - 20 : w - 10;
    m_tree->setGeometry(5, 5, treeWidth, h - 10);
    const int x = w - kPanelWidth;
    const int photo = (kPanelWidth - 20) / 2;
    m_photo1->setGeometry(x, 34, photo, 100);
    m_photo2->setGeometry(x + photo + 6, 34, photo, 100);
    m_band->setGeometry(x, 172, kPanelWidth - 14, 24);
    m_colour->setGeometry(x, 198, kPanelWidth - 14, 20);
    m_description->setGeometry(x, 222, kPanelWidth - 14, std::max(0, h - 222 - 44));
    m_edit->setGeometry(x, h - 36, 180, 28);
}

void CPanelPodgladuTab2::paintEvent(QPaintEvent* event) {
    CPreviewPage::paintEvent(event);
    if (!m_panelShown)
        return;
    QPainter painter(this);
    const int x = width() - kPanelWidth;
    painter.setFont(CaptionFont(20, false));
    painter.setPen(Contrast::Ink(palette(), QColor(63, 172, 255),
                                 Contrast::Fill(palette(), Qt::white, QPalette::Window)));
    painter.drawText(QRect(x, 4, kPanelWidth, 28), Qt::AlignLeft | Qt::AlignVCenter,
                     u"Photos Preview"_s);
    painter.drawText(QRect(x, 140, kPanelWidth, 28), Qt::AlignLeft | Qt::AlignVCenter,
                     u"Informations"_s);
}
