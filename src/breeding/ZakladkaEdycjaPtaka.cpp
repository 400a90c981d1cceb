// SPDX-License-Identifier: GPL-3.0-or-later
#include "breeding/ZakladkaEdycjaPtaka.h"

#include "breeding/DodajEdytujPare.h"
#include "breeding/DodajPsaDoPary.h"
#include "breeding/DodajSezon.h"
#include "breeding/Pairing.h"
#include "breeding/Relationship.h"
#include "breeding/TestMating.h"
#include "pedigree/DrukujKarteMiotu.h"
#include "storage/AppData.h"
#include "storage/LocalTime.h"
#include "storage/RowIdTableModel.h"
#include "ui/Banner.h"
#include "ui/Contrast.h"
#include "ui/ListSelection.h"
#include "ui/LongText.h"
#include "ui/MessageBox.h"
#include "ui/RecordList.h"

#include <QComboBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTableView>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const char16_t* const kLinkTexts[] = {u"Add new pair",       u"Edit selected pair", u"Delete pair",
                                      u"Print Pairing Card", u"Test mating",        u"Add child",
                                      u"Edit child",         u"Delete child"};
const QColor kHeading(63, 172, 255);
constexpr int kListLeft = 240;
constexpr int kPairsTop = 34;

} // namespace

CZakladkaEdycjaPtaka::CZakladkaEdycjaPtaka(AppData& appData, QWidget* parent)
    : CTabPage(appData, parent)
    , m_seasons(new QComboBox(this))
    , m_addSeason(new QPushButton(u"Add new seazon"_s, this))
    , m_deleteSeason(new QPushButton(u"Delete"_s, this))
    , m_pairs(new RowIdTableModel(PairHeaders(), {}, this))
    , m_children(new RowIdTableModel(ChildHeaders(), {}, this))
    , m_pairsView(new QTableView(this))
    , m_childrenView(new QTableView(this)) {
    setObjectName(u"pairingPage"_s);
    m_seasons->setObjectName(u"seasonFilter"_s);
    m_addSeason->setObjectName(u"addSeason"_s);
    m_deleteSeason->setObjectName(u"deleteSeason"_s);
    m_pairsView->setObjectName(u"pairsList"_s);
    m_childrenView->setObjectName(u"childrenList"_s);
    m_pairsView->setAccessibleName(u"Pairs"_s);
    m_childrenView->setAccessibleName(u"Children of the selected pair"_s);
    BindRowKeys(m_pairsView, PageCommand::EditPair, PageCommand::DeletePair);
    BindRowKeys(m_childrenView, PageCommand::EditChild, PageCommand::DeleteChild);
    KeepComboNarrow(m_seasons, 24);
    for (QPushButton* button : {m_addSeason, m_deleteSeason})
        button->setAutoDefault(false);
    // The pairing date is never cut, whatever face stands in for Tahoma.
    std::vector<int> pairWidths = PairColumnWidths();
    pairWidths[3] = std::max(
        pairWidths[3],
        QFontMetrics(RecordListFont()).horizontalAdvance(FormatDateTime(1'700'000'000)) + 14);
    SetUpRecordList(m_pairsView, m_pairs, u"Pairs"_s, pairWidths, {1, 2});
    SetUpRecordList(m_childrenView, m_children, u"PairChildren"_s, ChildColumnWidths(), {1});
    // A click below the last row selects nothing, as in every list of the program.
    ClearSelectionOnEmptyClick(m_pairsView);
    ClearSelectionOnEmptyClick(m_childrenView);
    FollowSelectedRow(m_pairsView, this, [this](int row) { PairChosen(row); });
    FollowSelectedRow(m_childrenView, this, [this](int row) { ChildChosen(row); });
    connect(m_seasons, &QComboBox::currentIndexChanged, this, &CZakladkaEdycjaPtaka::SeasonChosen);
    connect(m_addSeason, &QPushButton::clicked, this, [this] { Perform(PageCommand::AddSeason); });
    connect(m_deleteSeason, &QPushButton::clicked, this,
            [this] { Perform(PageCommand::DeleteSeason); });
    FillSeasons(0);
}

bool CZakladkaEdycjaPtaka::Handles(PageCommand command) const {
    switch (command) {
    case PageCommand::AddPair:
    case PageCommand::EditPair:
    case PageCommand::DeletePair:
    case PageCommand::AddSeason:
    case PageCommand::DeleteSeason:
    case PageCommand::AddChildren:
    case PageCommand::EditChild:
    case PageCommand::DeleteChild:
    case PageCommand::PrintPairingCard:
        return true;
    default:
        return false;
    }
}

void CZakladkaEdycjaPtaka::HandleCommand(PageCommand command) {
    switch (command) {
    case PageCommand::AddPair:
        AddPair();
        break;
    case PageCommand::EditPair:
        EditPair();
        break;
    case PageCommand::DeletePair:
        DeletePair();
        break;
    case PageCommand::AddSeason:
        AddSeason();
        break;
    case PageCommand::DeleteSeason:
        DeleteSeason();
        break;
    case PageCommand::AddChildren:
        AddChild();
        break;
    case PageCommand::EditChild:
        EditChild();
        break;
    case PageCommand::DeleteChild:
        DeleteChild();
        break;
    case PageCommand::PrintPairingCard:
        PrintPairingCard();
        break;
    default:
        break;
    }
}

void CZakladkaEdycjaPtaka::LayoutPage() {
    const QRect r = rect();
    const int right = r.right() - 15;
    m_seasons->setGeometry(kListLeft + 70, 2, 280, 26);
    m_addSeason->setGeometry(kListLeft + 360, 1, 140, 28);
    m_deleteSeason->setGeometry(kListLeft + 506, 1, 90, 28);
    m_childrenTop = std::max(kPairsTop + 180, kPairsTop + (r.height() - kPairsTop) * 11 / 20);
    m_pairsView->setGeometry(QRect(QPoint(kListLeft, kPairsTop), QPoint(right, m_childrenTop - 8)));
    m_childrenView->setGeometry(
        QRect(QPoint(kListLeft, m_childrenTop + 28), QPoint(right, r.bottom() - 5)));
    update();
}

QRect CZakladkaEdycjaPtaka::LinkRect(int link) const {
    const int top = link < AddChildLink ? kPairsTop + 16 + link * 30
                                        : m_childrenTop + 44 + (link - AddChildLink) * 30;
    return QRect(QPoint(5, top), QPoint(209, top + 29));
}

bool CZakladkaEdycjaPtaka::LinkEnabled(int link) const {
    switch (link) {
    case AddPairLink:
    case TestMatingLink:
        return m_data.currentLoft >= 0;
    case AddChildLink:
        return true; // says what is missing
    case EditPairLink:
    case DeletePairLink:
    case PrintCardLink:
        return CurrentPair() != nullptr;
    case EditChildLink:
    case DeleteChildLink:
        return CurrentChild() != nullptr;
    default:
        return false;
    }
}

void CZakladkaEdycjaPtaka::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor page = Contrast::Fill(palette(), QColor(236, 242, 251), QPalette::Window);
    const QColor white = Contrast::Fill(palette(), Qt::white, QPalette::Base);
    painter.fillRect(rect(), page);
    const QRect pairsBand(QPoint(5, kPairsTop - 18), LinkRect(TestMatingLink).bottomRight());
    const QRect childBand(QPoint(5, m_childrenTop + 10), LinkRect(DeleteChildLink).bottomRight());
    for (const QRect& band : {pairsBand, childBand})
        painter.fillRect(band, white);
    painter.setFont(CaptionFont(18));
    painter.setPen(Contrast::Ink(palette(), kHeading, white));
    painter.drawText(QRect(15, kPairsTop - 18, 190, 34), Qt::AlignVCenter, u"Pairs"_s);
    painter.drawText(QRect(15, m_childrenTop + 10, 190, 34), Qt::AlignVCenter, u"Children"_s);
    painter.setPen(Contrast::Ink(palette(), kHeading, page));
    painter.drawText(QRect(kListLeft, m_childrenTop - 4, 400, 30), Qt::AlignVCenter,
                     u"Children of the selected pair"_s);
    painter.setFont(CaptionFont(14));
    painter.drawText(QRect(kListLeft, 0, 66, 30), Qt::AlignVCenter, u"Season"_s);
    for (int link = 0; link < LinkCount; ++link)
        PaintPageLink(painter, LinkRect(link), QString::fromUtf16(kLinkTexts[link]),
                      LinkEnabled(link));
}

void CZakladkaEdycjaPtaka::mousePressEvent(QMouseEvent* event) {
    for (int link = 0; link < LinkCount; ++link) {
        if (LinkRect(link).contains(event->position().toPoint())) {
            if (LinkEnabled(link))
                RunLink(link);
            return;
        }
    }
}

void CZakladkaEdycjaPtaka::RunLink(int link) {
    static constexpr PageCommand kCommands[] = {
        PageCommand::AddPair,          PageCommand::EditPair,    PageCommand::DeletePair,
        PageCommand::PrintPairingCard, PageCommand::AddChildren, PageCommand::EditChild,
        PageCommand::DeleteChild};
    if (link == TestMatingLink)
        OpenTestMating();
    else if (link >= 0 && link < LinkCount)
        Perform(kCommands[link > TestMatingLink ? link - 1 : link]);
}

void CZakladkaEdycjaPtaka::PageShown() {
    const int pairId = m_pairs->IdAt(m_selectedPair);
    const int childId = m_children->IdAt(m_selectedChild);
    ShowSeason(m_seasons->currentIndex());
    if (const int row = m_pairs->RowOfId(pairId); pairId != 0 && row >= 0) {
        SelectPair(row);
        if (const int child = m_children->RowOfId(childId); childId != 0 && child >= 0)
            SelectChild(child);
    }
}

void CZakladkaEdycjaPtaka::ClearLoftLists() {
    m_pairs->Clear();
    PairChosen(-1);
}

void CZakladkaEdycjaPtaka::FillLoftLists() {
    FillSeasons(0);
    ShowSeason(0);
}

void CZakladkaEdycjaPtaka::FillSeasons(int chosen) {
    const QSignalBlocker blocker(m_seasons);
    m_seasons->clear();
    m_seasons->addItem(QString::fromUtf16(kAllPairs));
    for (const SeasonRecord& season : m_data.seasons)
        m_seasons->addItem(season.name);
    m_seasons->setCurrentIndex(chosen >= 0 && chosen < m_seasons->count() ? chosen : 0);
    m_deleteSeason->setEnabled(m_seasons->currentIndex() > 0);
}

void CZakladkaEdycjaPtaka::SeasonChosen(int item) {
    m_deleteSeason->setEnabled(item > 0);
    ShowSeason(item);
}

void CZakladkaEdycjaPtaka::ShowSeason(int item) {
    // Item i stands for season i - 1, as long as both are kept in step.
    const SeasonRecord* season = item >= 1 && item <= static_cast<int>(m_data.seasons.size())
                                     ? &m_data.seasons[size_t(item - 1)]
                                     : nullptr;
    std::vector<RowIdTableModel::Row> rows;
    Lineage lineage(m_data);
    for (int index : PairsInFilter(m_data.pairs, season))
        rows.push_back(PairRow(m_data, m_data.pairs[size_t(index)], lineage));
    m_pairs->SetRows(std::move(rows));
    PairChosen(-1);
}

void CZakladkaEdycjaPtaka::SelectPair(int row) {
    if (row < 0 || row >= m_pairs->rowCount()) {
        m_pairsView->clearSelection();
        PairChosen(-1);
        return;
    }
    m_pairsView->selectRow(row);
    if (m_selectedPair != row)
        PairChosen(row);
}

void CZakladkaEdycjaPtaka::PairChosen(int row) {
    m_selectedPair = row >= 0 && row < m_pairs->rowCount() ? row : -1;
    const PairRecord* pair = CurrentPair();
    if (pair)
        m_children->SetRows(ChildRows(m_data, *pair));
    else
        m_children->Clear();
    m_selectedChild = -1;
    update();
}

void CZakladkaEdycjaPtaka::SelectChild(int row) {
    if (row < 0 || row >= m_children->rowCount()) {
        m_childrenView->clearSelection();
        ChildChosen(-1);
        return;
    }
    m_childrenView->selectRow(row);
    if (m_selectedChild != row)
        ChildChosen(row);
}

void CZakladkaEdycjaPtaka::ChildChosen(int row) {
    m_selectedChild = row >= 0 && row < m_children->rowCount() ? row : -1;
    update();
}

const PairRecord* CZakladkaEdycjaPtaka::CurrentPair() const {
    const int id = m_pairs->IdAt(m_selectedPair);
    if (id == 0)
        return nullptr;
    const auto found = std::find_if(m_data.pairs.begin(), m_data.pairs.end(),
                                    [id](const PairRecord& p) { return p.id == id; });
    return found == m_data.pairs.end() ? nullptr : &*found;
}

const ChildRecord* CZakladkaEdycjaPtaka::CurrentChild() const {
    const PairRecord* pair = CurrentPair();
    const int id = m_children->IdAt(m_selectedChild);
    if (!pair || id == 0)
        return nullptr;
    const auto found = std::find_if(pair->children.begin(), pair->children.end(),
                                    [id](const ChildRecord& c) { return c.id == id; });
    return found == pair->children.end() ? nullptr : &*found;
}

void CZakladkaEdycjaPtaka::AddPair() {
    if (m_data.currentLoft < 0)
        return;
    PairRecord seed;
    seed.idLoft = m_data.CurrentLoftId();
    CDodajEdytujPare editor(m_data, CDodajEdytujPare::Mode::New, seed, this);
    if (editor.exec() != QDialog::Accepted)
        return;
    // The new pair is listed whatever season is chosen, so that the user sees it stored.
    const int row = m_pairs->SetRow(-1, PairRow(m_data, editor.Pair()));
    SelectPair(row);
    m_pairsView->scrollTo(m_pairs->index(row, 0));
}

void CZakladkaEdycjaPtaka::EditPair() {
    const PairRecord* pair = CurrentPair();
    if (m_data.currentLoft < 0 || !pair)
        return;
    CDodajEdytujPare editor(m_data, CDodajEdytujPare::Mode::Edit, *pair, this);
    if (editor.exec() != QDialog::Accepted)
        return;
    m_pairs->SetRow(m_selectedPair, PairRow(m_data, editor.Pair()));
}

void CZakladkaEdycjaPtaka::DeletePair() {
    const PairRecord* pair = CurrentPair();
    if (m_data.currentLoft < 0 || !pair)
        return;
    if (!MessageBox::AskYesNo(this, u"Do you want delete current pair?"_s, u"Are you sure?"_s,
                              QMessageBox::Warning))
        return;
    PairRecord doomed = *pair;
    if (const DbResult result = m_data.SavePair(-2, doomed); !result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    // The list keeps showing what the season filter names.
    ShowSeason(m_seasons->currentIndex());
}

void CZakladkaEdycjaPtaka::PrintPairingCard() {
    const PairRecord* pair = CurrentPair();
    if (!pair)
        return;
    CDrukujKarteMiotu card(m_data, *pair, u"Pairing Card"_s, this);
    card.exec();
}

void CZakladkaEdycjaPtaka::OpenTestMating() {
    const PairRecord* pair = CurrentPair();
    CTestMating mating(m_data, pair ? pair->idCock : 0, pair ? pair->idHen : 0, this);
    mating.exec();
}

void CZakladkaEdycjaPtaka::AddChild() {
    const PairRecord* pair = CurrentPair();
    if (!pair) {
        MessageBox::ShowMessage(this, u"Zou must select pair that you want to add child."_s);
        return;
    }
    CDodajPsaDoPary dialog(m_data, *pair, CDodajPsaDoPary::Mode::Add, {}, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    SelectChild(m_children->SetRow(-1, ChildRow(m_data, dialog.Child())));
}

void CZakladkaEdycjaPtaka::EditChild() {
    const PairRecord* pair = CurrentPair();
    const ChildRecord* child = CurrentChild();
    if (!pair || !child)
        return;
    CDodajPsaDoPary dialog(m_data, *pair, CDodajPsaDoPary::Mode::Edit, *child, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_children->SetRow(m_selectedChild, ChildRow(m_data, dialog.Child()));
}

void CZakladkaEdycjaPtaka::DeleteChild() {
    const ChildRecord* child = CurrentChild();
    if (!CurrentPair() || !child)
        return;
    if (!MessageBox::AskYesNo(this, u"Do you want delete selected child?"_s, u"Are you sure?"_s,
                              QMessageBox::Warning))
        return;
    ChildRecord doomed = *child;
    if (const DbResult result = m_data.SaveChild(-2, doomed); !result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    m_children->RemoveRow(m_selectedChild);
    SelectChild(-1);
}

void CZakladkaEdycjaPtaka::AddSeason() {
    CDodajSezon dialog(m_data, this);
    if (dialog.exec() == QDialog::Accepted)
        FillSeasons(m_seasons->currentIndex());
}

void CZakladkaEdycjaPtaka::DeleteSeason() {
    const int item = m_seasons->currentIndex();
    if (item < 1 || item > static_cast<int>(m_data.seasons.size()))
        return;
    if (!MessageBox::AskYesNo(this, u"Do you want delete selected season?"_s, u"Are you sure"_s,
                              QMessageBox::Warning))
        return;
    // The store leaves the season out of the loaded seasons as its item leaves the filter, so
    // that every other item keeps naming its own season.
    if (const DbResult result = m_data.DeleteSeason(m_data.seasons[size_t(item - 1)].id);
        !result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    FillSeasons(0);
    ShowSeason(0);
}

PanelLink CZakladkaEdycjaPtaka::PanelLinkAt(int link) const {
    return {LinkRect(link), QString::fromUtf16(kLinkTexts[link]), LinkEnabled(link)};
}
