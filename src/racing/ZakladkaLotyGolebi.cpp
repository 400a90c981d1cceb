// SPDX-License-Identifier: GPL-3.0-or-later
#include "racing/ZakladkaLotyGolebi.h"

#include "racing/DodajLotnika.h"
#include "racing/NajlepszeGolebie.h"
#include "racing/NowyLot.h"
#include "racing/RaceEditing.h"
#include "racing/RaceLists.h"
#include "racing/RacePage.h"
#include "storage/AppData.h"
#include "storage/RowIdTableModel.h"
#include "ui/Banner.h"
#include "ui/Contrast.h"
#include "ui/ListSelection.h"
#include "ui/MessageBox.h"
#include "ui/RecordList.h"

#include <QHeaderView>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QTableView>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const char16_t* const kCaptionTexts[] = {
    u"New Race", u"Edit Race", u"Delete Race",          u"Print Race",     u"Add Pigeon",
    u"Edit",     u"Delete",    u"Best Pigeons in Loft", u"Show Best Pairs"};
// Each group of captions starts under its heading.
constexpr int kGroupTops[] = {50, 215, 350};
constexpr int kGroupFirst[] = {0, 4, 7};
const char16_t* const kGroupHeadings[] = {u"Races", u"Pigeons in race", u"Rankings"};
constexpr int kListLeft = 240;
constexpr int kHeadingHeight = 26;
const QColor kHeadingColour(63, 172, 255);

template <class Records> std::vector<int> IdsOf(const Records& records) {
    std::vector<int> ids;
    ids.reserve(records.size());
    for (const auto& record : records)
        ids.push_back(record.id);
    return ids;
}

int GroupOf(int caption) {
    return caption >= kGroupFirst[2] ? 2 : caption >= kGroupFirst[1] ? 1 : 0;
}

// Where the record with this id stands among the loaded ones, -1 for none.
template <class Record> int IndexOfId(const std::vector<Record>& records, int id) {
    const auto found = std::find_if(records.begin(), records.end(),
                                    [id](const Record& record) { return record.id == id; });
    return found == records.end() ? -1 : static_cast<int>(found - records.begin());
}

} // namespace

CZakladkaLotyGolebi::CZakladkaLotyGolebi(AppData& appData, QWidget* parent)
    : CTabPage(appData, parent)
    , m_races(new RowIdTableModel(
          RaceListHeaders(),
          [this](int, int id, int column) {
              const int race = IndexOfId(m_data.races, id);
              return race < 0 ? QString() : RaceCellText(m_data.races[size_t(race)], column);
          },
          this))
    , m_flyers(new RowIdTableModel(
          FlyerListHeaders(),
          [this](int, int id, int column) {
              if (!HasRace())
                  return QString();
              const RaceRecord& race = m_data.races[size_t(m_race)];
              const int flyer = IndexOfId(race.flyers, id);
              return flyer < 0 ? QString()
                               : FlyerCellText(m_data, race, race.flyers[size_t(flyer)], column);
          },
          this))
    , m_racesView(new QTableView(this))
    , m_flyersView(new QTableView(this)) {
    setObjectName(u"racesPage"_s);
    m_racesView->setObjectName(u"racesList"_s);
    m_flyersView->setObjectName(u"flyersList"_s);
    m_races->SetCheckable(true);
    m_flyers->SetCheckable(true);
    SetUpRecordList(m_racesView, m_races, u"Races"_s, RaceListWidths(), {}, {.rowHeight = 22});
    SetUpRecordList(m_flyersView, m_flyers, u"Flyers"_s, FlyerListWidths(), {1}, {.rowHeight = 22});
    ClearSelectionOnEmptyClick(m_racesView);
    ClearSelectionOnEmptyClick(m_flyersView);
    // Whatever selects a row (a click, the arrow, Home, End and page keys) makes it current.
    FollowSelectedRow(m_racesView, this, [this](int row) { OnRaceSelected(row); });
    FollowSelectedRow(m_flyersView, this, [this](int row) {
        m_flyer =
            HasRace() ? IndexOfId(m_data.races[size_t(m_race)].flyers, m_flyers->IdAt(row)) : -1;
    });
    // A double click on a row edits it, as its caption does.
    m_racesView->setAccessibleName(u"Races"_s);
    m_flyersView->setAccessibleName(u"Pigeons in the selected race"_s);
    BindRowKeys(m_racesView, PageCommand::EditRace, PageCommand::DeleteRace);
    BindRowKeys(m_flyersView, PageCommand::EditFlyer, PageCommand::DeleteFlyer);
}

bool CZakladkaLotyGolebi::HasRace() const {
    return m_race >= 0 && m_race < static_cast<int>(m_data.races.size());
}

int CZakladkaLotyGolebi::FlyerCount() const {
    return HasRace() ? static_cast<int>(m_data.races[size_t(m_race)].flyers.size()) : 0;
}

void CZakladkaLotyGolebi::ShowFlyers() {
    m_flyers->Fill(HasRace() ? IdsOf(m_data.races[size_t(m_race)].flyers) : std::vector<int>());
}

bool CZakladkaLotyGolebi::HasFlyer() const {
    return HasRace() && m_flyer >= 0 &&
           m_flyer < static_cast<int>(m_data.races[size_t(m_race)].flyers.size());
}

void CZakladkaLotyGolebi::RebuildRaces() {
    m_race = -1;
    m_flyer = -1;
    ShowFlyers();
    m_races->Fill(IdsOf(m_data.races));
}

void CZakladkaLotyGolebi::ClearLoftLists() {
    RebuildRaces();
}

void CZakladkaLotyGolebi::FillLoftLists() {
    RebuildRaces();
}

void CZakladkaLotyGolebi::PageShown() {
    // A pigeon deleted on another page took its entries along; the list shows those left.
    if (m_flyers->rowCount() != FlyerCount()) {
        ShowFlyers();
        m_flyer = -1;
    }
}

void CZakladkaLotyGolebi::SelectRace(int row) {
    if (row < 0 || row >= m_races->rowCount()) {
        m_racesView->clearSelection();
        OnRaceSelected(-1);
        return;
    }
    m_racesView->selectRow(row);
}

void CZakladkaLotyGolebi::SelectFlyer(int row) {
    if (row < 0 || row >= m_flyers->rowCount()) {
        m_flyersView->clearSelection();
        m_flyer = -1;
        return;
    }
    m_flyersView->selectRow(row);
}

void CZakladkaLotyGolebi::OnRaceSelected(int row) {
    const int race = IndexOfId(m_data.races, m_races->IdAt(row));
    // A sort moves the race to another row: its flyers and their selection stay.
    if (race >= 0 && race == m_race)
        return;
    m_race = race;
    m_flyer = -1;
    ShowFlyers();
}

QRect CZakladkaLotyGolebi::CaptionRect(int caption) const {
    const int group = GroupOf(caption);
    const int top = kGroupTops[group] + (caption - kGroupFirst[group]) * 30;
    return QRect(QPoint(5, top), QPoint(209, top + 29));
}

bool CZakladkaLotyGolebi::CaptionEnabled(int caption) const {
    switch (caption) {
    case PrintRaceCaption:
        // The preview window listens for the pages.
        return isSignalConnected(QMetaMethod::fromSignal(&CZakladkaLotyGolebi::racePageRequested));
    case BestPairsCaption:
        return Handles(PageCommand::BestPairs);
    default:
        return caption >= 0 && caption < CaptionCount;
    }
}

bool CZakladkaLotyGolebi::Handles(PageCommand command) const {
    switch (command) {
    case PageCommand::AddRace:
    case PageCommand::EditRace:
    case PageCommand::DeleteRace:
    case PageCommand::AddFlyer:
    case PageCommand::EditFlyer:
    case PageCommand::DeleteFlyer:
    case PageCommand::BestPigeons:
    case PageCommand::BestPairs:
        return true;
    default:
        return false;
    }
}

void CZakladkaLotyGolebi::HandleCommand(PageCommand command) {
    switch (command) {
    case PageCommand::AddRace:
        AddRace();
        break;
    case PageCommand::EditRace:
        EditRace();
        break;
    case PageCommand::DeleteRace:
        DeleteRace();
        break;
    case PageCommand::AddFlyer:
        AddFlyer();
        break;
    case PageCommand::EditFlyer:
        EditFlyer();
        break;
    case PageCommand::DeleteFlyer:
        DeleteFlyer();
        break;
    case PageCommand::BestPigeons:
        ShowBestPigeons();
        break;
    case PageCommand::BestPairs:
        Q_EMIT bestPairsRequested();
        break;
    default:
        break;
    }
}

void CZakladkaLotyGolebi::RunCaption(int caption) {
    switch (caption) {
    case NewRaceCaption:
        Perform(PageCommand::AddRace);
        break;
    case EditRaceCaption:
        Perform(PageCommand::EditRace);
        break;
    case DeleteRaceCaption:
        Perform(PageCommand::DeleteRace);
        break;
    case PrintRaceCaption:
        PrintRace();
        break;
    case AddFlyerCaption:
        Perform(PageCommand::AddFlyer);
        break;
    case EditFlyerCaption:
        Perform(PageCommand::EditFlyer);
        break;
    case DeleteFlyerCaption:
        Perform(PageCommand::DeleteFlyer);
        break;
    case BestPigeonsCaption:
        Perform(PageCommand::BestPigeons);
        break;
    case BestPairsCaption:
        Perform(PageCommand::BestPairs);
        break;
    default:
        break;
    }
}

void CZakladkaLotyGolebi::AddRace() {
    if (m_data.currentLoft < 0)
        return;
    CNowyLot editor(m_data, 0, m_data.CurrentLoftId(), RaceRecord(), this);
    if (editor.exec() != QDialog::Accepted || editor.Race().id <= 0)
        return;
    AddLoadedRace(m_data, editor.Race());
    RebuildRaces();
}

void CZakladkaLotyGolebi::EditRace() {
    if (m_data.currentLoft < 0 || !HasRace())
        return;
    RaceRecord race = m_data.races[size_t(m_race)];
    race.id_hodowli = m_data.CurrentLoftId();
    CNowyLot editor(m_data, 1, m_data.CurrentLoftId(), race, this);
    if (editor.exec() != QDialog::Accepted)
        return;
    ReplaceLoadedRace(m_data, editor.Race());
    RebuildRaces();
}

void CZakladkaLotyGolebi::DeleteRace() {
    if (m_data.currentLoft < 0 || !HasRace())
        return;
    if (!MessageBox::AskYesNo(this, u"Do you want delete selected race?"_s, u"Are you sure?"_s))
        return;
    if (const DbResult result = DeleteRaceWithEntries(m_data, m_data.races[size_t(m_race)].id);
        !result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    RebuildRaces();
}

void CZakladkaLotyGolebi::PrintRace() {
    if (!HasRace()) {
        MessageBox::ShowMessage(this, u"First you must select race to print it."_s);
        return;
    }
    const QString path = RacePagePath();
    if (!WriteRacePage(path, m_data, m_data.races[size_t(m_race)])) {
        MessageBox::ShowMessage(this, u"The race page could not be written to %1."_s.arg(path), {},
                                QMessageBox::Warning);
        return;
    }
    Q_EMIT racePageRequested(path, m_data.races[size_t(m_race)].id);
}

void CZakladkaLotyGolebi::AddFlyer() {
    if (m_data.currentLoft < 0 || !HasRace()) {
        MessageBox::ShowMessage(this, u"First you must select race to add flyer."_s);
        return;
    }
    const RaceRecord& race = m_data.races[size_t(m_race)];
    CDodajLotnika editor(m_data, 0, race.id, m_data.CurrentLoftId(), race.konkursow_oddzial,
                         race.konkursow_sekcja, FlyerRecord(), this);
    if (editor.exec() != QDialog::Accepted || editor.Flyer().id <= 0)
        return;
    const FlyerRecord flyer = editor.Flyer();
    AddLoadedFlyer(m_data, flyer);
    m_flyers->SetRow(-1, flyer.id);
}

void CZakladkaLotyGolebi::EditFlyer() {
    if (m_data.currentLoft < 0 || !HasFlyer()) {
        MessageBox::ShowMessage(this, u"First you must select race and then flyer to edit."_s);
        return;
    }
    const RaceRecord& race = m_data.races[size_t(m_race)];
    CDodajLotnika editor(m_data, 1, race.id, m_data.CurrentLoftId(), race.konkursow_oddzial,
                         race.konkursow_sekcja, race.flyers[size_t(m_flyer)], this);
    if (editor.exec() != QDialog::Accepted)
        return;
    ReplaceLoadedFlyer(m_data, editor.Flyer());
    m_flyers->RowChanged(m_flyers->RowOfId(editor.Flyer().id));
}

void CZakladkaLotyGolebi::DeleteFlyer() {
    if (m_data.currentLoft < 0 || !HasFlyer())
        return;
    if (!MessageBox::AskYesNo(this, u"Do you want delete this flyer?"_s, u"Are you sure?"_s))
        return;
    FlyerRecord flyer = m_data.races[size_t(m_race)].flyers[size_t(m_flyer)];
    if (const DbResult result = m_data.SaveFlyer(-2, flyer); !result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    RemoveLoadedFlyer(m_data, flyer.id_lotu, flyer.id);
    m_flyers->RemoveRow(m_flyers->RowOfId(flyer.id));
    SelectFlyer(-1);
}

void CZakladkaLotyGolebi::ShowBestPigeons() {
    if (m_data.currentLoft < 0)
        return;
    CNajlepszeGolebie dialog(m_data, this);
    dialog.exec();
}

void CZakladkaLotyGolebi::LayoutPage() {
    const QRect r = rect();
    const int right = r.right() - 15;
    const int available = r.height() - 2 * kHeadingHeight - 20;
    const int racesHeight = available * 45 / 100;
    const int racesTop = 10 + kHeadingHeight;
    m_racesView->setGeometry(
        QRect(QPoint(kListLeft, racesTop), QPoint(right, racesTop + racesHeight - 1)));
    const int flyersTop = racesTop + racesHeight + 10 + kHeadingHeight;
    m_flyersView->setGeometry(QRect(QPoint(kListLeft, flyersTop), QPoint(right, r.bottom() - 5)));
}

void CZakladkaLotyGolebi::resizeEvent(QResizeEvent*) {
    LayoutPage();
}

void CZakladkaLotyGolebi::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor page = Contrast::Fill(palette(), QColor(236, 242, 251), QPalette::Window);
    const QColor white = Contrast::Fill(palette(), Qt::white, QPalette::Base);
    painter.fillRect(rect(), page);
    for (int group = 0; group < 3; ++group) {
        const int last = group == 2 ? CaptionCount - 1 : kGroupFirst[group + 1] - 1;
        const QRect band(QPoint(5, kGroupTops[group] - 35), CaptionRect(last).bottomRight());
        painter.fillRect(band, white);
        painter.setFont(CaptionFont(18));
        painter.setPen(Contrast::Ink(palette(), kHeadingColour, white));
        painter.drawText(QRect(15, kGroupTops[group] - 35, 190, 34), Qt::AlignVCenter,
                         QString::fromUtf16(kGroupHeadings[group]));
    }
    painter.setFont(CaptionFont(14));
    for (int caption = 0; caption < CaptionCount; ++caption)
        PaintPageLink(painter, CaptionRect(caption), QString::fromUtf16(kCaptionTexts[caption]),
                      CaptionEnabled(caption));
    painter.setFont(CaptionFont(16));
    painter.setPen(Contrast::Ink(palette(), kHeadingColour, page));
    const QRect races = m_racesView->geometry();
    const QRect flyers = m_flyersView->geometry();
    painter.drawText(
        QRect(races.left(), races.top() - kHeadingHeight, races.width(), kHeadingHeight),
        Qt::AlignLeft | Qt::AlignVCenter, u"Races"_s);
    painter.drawText(
        QRect(flyers.left(), flyers.top() - kHeadingHeight, flyers.width(), kHeadingHeight),
        Qt::AlignLeft | Qt::AlignVCenter, u"Pigeons in the selected race"_s);
}

void CZakladkaLotyGolebi::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    for (int caption = 0; caption < CaptionCount; ++caption) {
        if (CaptionRect(caption).contains(point)) {
            if (CaptionEnabled(caption))
                RunCaption(caption);
            return;
        }
    }
}

PanelLink CZakladkaLotyGolebi::PanelLinkAt(int link) const {
    return {CaptionRect(link), QString::fromUtf16(kCaptionTexts[link]), CaptionEnabled(link)};
}
