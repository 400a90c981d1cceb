// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/EksportListyDoHTML.h"
#include "register/PreviewPages.h"
#include "storage/AppData.h"
#include "ui/ListSelection.h"
#include "ui/LongText.h"
#include "ui/MessageBox.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>

using namespace Qt::StringLiterals;

CPanelPodgladuTab4::CPanelPodgladuTab4(AppData& appData, QWidget* parent)
    : CPreviewPage(appData, parent)
    , m_list(MakePanelList(this, u"siblings"_s, {u"Band"_s, u"Sex"_s, u"Qualified"_s, u"Summary"_s},
                           {110, 100, 90, 120}, {0}))
    , m_mode(new QComboBox(this)) {
    setObjectName(u"previewSiblings"_s);
    Title(u"Brothers and sisters"_s, 10, 300);
    m_mode->setObjectName(u"siblingMode"_s);
    m_mode->addItems({u"Show siblings from this same clutch"_s, u"Show all siblings"_s});
    KeepComboNarrow(m_mode, 30);
    connect(m_mode, &QComboBox::activated, this, &CPanelPodgladuTab4::ShowMode);
    const std::pair<const char16_t*, const char16_t*> buttons[] = {
        {u"editPigeon", u"Edit Pigeon"},
        {u"familyTree", u"Family Tree"},
        {u"saveSiblings", u"Save list of Siblings"}};
    for (const auto& [name, text] : buttons) {
        auto* button = new QPushButton(QString::fromUtf16(text), this);
        button->setObjectName(QString::fromUtf16(name));
        button->setAutoDefault(false);
        m_buttons.push_back(button);
    }
    connect(m_buttons[0], &QPushButton::clicked, this, &CPanelPodgladuTab4::Edit);
    connect(m_buttons[1], &QPushButton::clicked, this, &CPanelPodgladuTab4::FamilyTree);
    connect(m_buttons[2], &QPushButton::clicked, this, &CPanelPodgladuTab4::SaveList);
    connect(m_list, &QTableWidget::doubleClicked, this, &CPanelPodgladuTab4::Edit);
    Refresh();
}

void CPanelPodgladuTab4::Refresh() {
    // Filled again for the same bird (after an edit), the choice and the sibling stay chosen.
    const int mode = Refilling() ? m_mode->currentIndex() : SameClutch;
    const int sibling = Refilling() ? ChosenSibling() : 0;
    const int row = SelectedRow(m_list);
    m_sources = FindSiblingSources(m_data, m_pigeonId);
    m_mode->setCurrentIndex(mode);
    ShowMode(mode);
    ReselectPanelRow(m_list, m_ids, sibling, row);
}

void CPanelPodgladuTab4::ShowMode(int mode) {
    // Row i always names id i of the list.
    m_ids = SiblingIds(m_data, m_sources, m_pigeonId, mode == AllSiblings);
    std::vector<QStringList> rows;
    rows.reserve(m_ids.size());
    for (int id : m_ids)
        rows.push_back(RelativeRowTexts(m_data, id));
    FillPanelList(m_list, rows);
}

int CPanelPodgladuTab4::ChosenSibling() const {
    const int row = SelectedRow(m_list);
    return row >= 0 && row < static_cast<int>(m_ids.size()) ? m_ids[size_t(row)] : 0;
}

void CPanelPodgladuTab4::Edit() {
    if (const int sibling = ChosenSibling(); sibling >= 1)
        EditPigeon(sibling);
}

void CPanelPodgladuTab4::FamilyTree() {
    if (const int sibling = ChosenSibling(); sibling >= 1)
        ShowFamilyTree(sibling);
    else
        MessageBox::ShowMessage(this, u"Musisz wybrać gołębia z listy rodzeństwa."_s);
}

void CPanelPodgladuTab4::SaveList() {
    CEksportListyDoHTML dialog(m_data, m_ids, u"Wydruk rodzeństwa"_s, m_pigeonId, this);
    dialog.exec();
}

void CPanelPodgladuTab4::resizeEvent(QResizeEvent*) {
    const int w = width();
    const int h = height();
    const int right = w - 200;
    m_mode->setGeometry(10, 28, std::min(420, right - 20), 26);
    m_list->setGeometry(10, 60, right - 20, h - 70);
    for (size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setGeometry(right, 60 + int(i) * 34, 190, 28);
}
