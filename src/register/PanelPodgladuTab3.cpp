// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/DrukujKarteMiotu.h"
#include "register/PreviewPages.h"
#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "ui/ListSelection.h"
#include "ui/MessageBox.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

CPanelPodgladuTab3::CPanelPodgladuTab3(AppData& appData, QWidget* parent)
    : CPreviewPage(appData, parent)
    , m_partners(new QListWidget(this))
    , m_progeny(MakePanelList(this, u"progeny"_s,
                              {u"Pigeon"_s, u"Sex"_s, u"Racing score"_s, u"Summary"_s},
                              {110, 100, 90, 120}, {0})) {
    setObjectName(u"previewProgeny"_s);
    m_partners->setObjectName(u"partners"_s);
    m_progenyCount = Counter(u"progenyCount"_s, u"Progeny"_s);
    m_partnerCount = Counter(u"partnerCount"_s, u"Partners"_s);
    Title(u"List of partners"_s, 10, 250);
    Title(u"List of progeny with selected partner"_s, 270, 400);
    const std::pair<const char16_t*, const char16_t*> buttons[] = {
        {u"familyTree", u"Family Tree"},
        {u"editPigeon", u"Edit Pigeon"},
        {u"saveProgeny", u"Save list o progeny"}};
    for (const auto& [name, text] : buttons) {
        auto* button = new QPushButton(QString::fromUtf16(text), this);
        button->setObjectName(QString::fromUtf16(name));
        button->setAutoDefault(false);
        m_buttons.push_back(button);
    }
    connect(m_buttons[0], &QPushButton::clicked, this, &CPanelPodgladuTab3::FamilyTree);
    connect(m_buttons[1], &QPushButton::clicked, this, &CPanelPodgladuTab3::Edit);
    connect(m_buttons[2], &QPushButton::clicked, this, &CPanelPodgladuTab3::SaveList);
    FollowSelectedRow(m_partners, this, [this](int row) { ChoosePartner(row); });
    connect(m_progeny, &QTableWidget::doubleClicked, this, &CPanelPodgladuTab3::Edit);
    Refresh();
}

void CPanelPodgladuTab3::Refresh() {
    // Filled again for the same bird (after an edit), the chosen partner and young stay chosen.
    const int pairId = Refilling() ? m_pairId : 0;
    const int child = Refilling() ? ChosenChild() : 0;
    const int childRow = SelectedRow(m_progeny);
    m_pairs = PairsOfPigeon(m_data, m_pigeonId);
    m_partner = -1;
    m_pairId = 0;
    m_children.clear();
    {
        const QSignalBlocker blocker(m_partners->selectionModel());
        m_partners->clear();
        int progeny = 0;
        for (size_t pair : m_pairs) {
            const PairRecord& record = m_data.pairs[pair];
            auto* item = new QListWidgetItem(
                BandLabel(m_data.FindPigeon(PartnerIn(record, m_pigeonId))), m_partners);
            item->setToolTip(PlainToolTip(item->text()));
            progeny += static_cast<int>(record.children.size());
        }
        m_progenyCount->setText(QString::number(progeny));
        m_partnerCount->setText(QString::number(m_pairs.size()));
    }
    FillPanelList(m_progeny, {});
    const auto pair = std::find_if(m_pairs.begin(), m_pairs.end(), [this, pairId](size_t i) {
        return pairId >= 1 && m_data.pairs[i].id == pairId;
    });
    if (pair == m_pairs.end())
        return;
    const int row = static_cast<int>(pair - m_pairs.begin());
    {
        const QSignalBlocker blocker(m_partners->selectionModel());
        m_partners->setCurrentRow(row);
    }
    ChoosePartner(row);
    ReselectPanelRow(m_progeny, m_children, child, childRow);
}

void CPanelPodgladuTab3::ChoosePartner(int row) {
    m_partner = row >= 0 && row < static_cast<int>(m_pairs.size()) ? row : -1;
    m_pairId = m_partner >= 0 ? m_data.pairs[m_pairs[size_t(m_partner)]].id : 0;
    m_children.clear();
    std::vector<QStringList> rows;
    if (m_partner >= 0)
        for (const ChildRecord& child : m_data.pairs[m_pairs[size_t(m_partner)]].children) {
            m_children.push_back(child.idPigeon);
            rows.push_back(RelativeRowTexts(m_data, child.idPigeon));
        }
    FillPanelList(m_progeny, rows);
}

int CPanelPodgladuTab3::ChosenChild() const {
    const int row = SelectedRow(m_progeny);
    return row >= 0 && row < static_cast<int>(m_children.size()) ? m_children[size_t(row)] : 0;
}

void CPanelPodgladuTab3::FamilyTree() {
    if (const int child = ChosenChild(); child >= 1)
        ShowFamilyTree(child);
    else
        MessageBox::ShowMessage(this, u"You must select pigeon from list of progeny."_s);
}

void CPanelPodgladuTab3::Edit() {
    if (const int child = ChosenChild(); child >= 1)
        EditPigeon(child);
}

void CPanelPodgladuTab3::SaveList() {
    if (m_partner < 0) {
        MessageBox::ShowMessage(this, u"Select partner from list."_s);
        return;
    }
    CDrukujKarteMiotu card(m_data, m_data.pairs[m_pairs[size_t(m_partner)]], u"Print Progeny"_s,
                           this);
    card.exec();
}

void CPanelPodgladuTab3::resizeEvent(QResizeEvent*) {
    const int w = width();
    const int h = height();
    m_partners->setGeometry(10, 28, 250, h - 38);
    m_progeny->setGeometry(270, 28, std::max(100, w - 270 - 210), h - 38);
    const int right = w - 200;
    PlaceCounter(m_partnerCount, QRect(right, 8, 190, 56));
    PlaceCounter(m_progenyCount, QRect(right, 70, 190, 56));
    for (size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setGeometry(right, 140 + int(i) * 34, 190, 28);
}
