// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainDialog.h"

#include "app/Backup.h"
#include "app/LoftSelector.h"
#include "app/MainMenu.h"
#include "app/Oprogramie.h"
#include "app/Pomoc.h"
#include "app/ZakladkaStartowa.h"
#include "breeding/NajlepszePary.h"
#include "breeding/TestMating.h"
#include "breeding/ZakladkaEdycjaPtaka.h"
#include "io/CsvCommands.h"
#include "io/CsvExport.h"
#include "notes/ZakladkaNotatnik.h"
#include "pedigree/ListPage.h"
#include "pedigree/PrintWindows.h"
#include "racing/HistoriaLotow.h"
#include "racing/KalkulatorOdleglosci.h"
#include "racing/KalkulatorPredkosci.h"
#include "racing/SpisOddzialow.h"
#include "racing/ZakladkaLotyGolebi.h"
#include "register/BandSearch.h"
#include "register/LookupListDialog.h"
#include "register/ZakladkaListaPsow.h"
#include "storage/AppData.h"
#include "storage/InstallDir.h"
#include "storage/RowIdTableModel.h"
#include "storage/Schema.h"
#include "trade/ContactEditor.h"
#include "trade/ContactManager.h"
#include "trade/TransactionReport.h"
#include "trade/ZakladkaTransakcje.h"
#include "ui/Artwork.h"
#include "ui/Banner.h"
#include "ui/CaptionStrip.h"
#include "ui/Contrast.h"
#include "ui/ExternalPrograms.h"
#include "ui/MessageBox.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QStyleOptionFrame>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

#include <map>

using namespace Qt::StringLiterals;

namespace {

const QString kGeometryKey = QStringLiteral("MainWindow/Geometry");

} // namespace

namespace {

constexpr int kStripTop = 65;
constexpr int kStripBottom = 95;
constexpr int kStripLeft = 150;
// Each caption's left and right edge from the strip's left.
constexpr std::array<std::pair<int, int>, CMainDialog::TabCount> kCaptionSpans{
    {{0, 100}, {100, 250}, {250, 380}, {380, 530}, {530, 680}, {680, 830}}};
const char16_t* const kCaptions[] = {u"Welcome!",     u"Pigeons List", u"Pairing",
                                     u"Transactions", u"Races",        u"Notepad"};

const QString kLoftTip =
    u"<b>Loft List</b><br><hr size=1><br><br>List of available lofts. Vornel software allow "
    u"creating <br>many virtual lofts, which may be useful in the case <br> when we have divided "
    u"the loft into several rooms."_s;
const QString kCategoryTip =
    u"<b>List of categories</b><br><hr size=1><br><br>The list of categories that are in the "
    u"selected loft. <br> The program allows you to create multiple categories, <br> to allow "
    u"the ordering of our breed. <br> By categories in our loft order will rule :)"_s;

const QString kSiteUrl = u"https://vornel.example.org/"_s;
const QString kRacingSiteUrl = u"https://vornel.example.org/racing-site"_s;

struct PageTarget {
    int tab;
    PageCommand command;
};

// Menu commands that a page carries out.
const std::map<int, PageTarget>& PageCommands() {
    using T = CMainDialog::Tab;
    static const std::map<int, PageTarget> commands{
        {CmdAddNewPigeon, {T::TabPigeons, PageCommand::AddPigeon}},
        {CmdEditPigeon, {T::TabPigeons, PageCommand::EditPigeon}},
        {CmdDeletePigeon, {T::TabPigeons, PageCommand::DeletePigeon}},
        {CmdMovePigeon, {T::TabPigeons, PageCommand::MovePigeon}},
        {CmdRingSeries, {T::TabPigeons, PageCommand::AddRingSeries}},
        {CmdAddToList, {T::TabPigeons, PageCommand::AddToPrintList}},
        {CmdPrintList, {T::TabPigeons, PageCommand::PrintList}},
        {CmdPrintIndividualList, {T::TabPigeons, PageCommand::PrintList}},
        {CmdRemoveFromList, {T::TabPigeons, PageCommand::RemoveFromPrintList}},
        {CmdPrintCategory, {T::TabPigeons, PageCommand::PrintCategory}},
        {CmdPrintCategory2, {T::TabPigeons, PageCommand::PrintCategory}},
        {CmdFamilyTree, {T::TabPigeons, PageCommand::ShowFamilyTree}},
        {CmdPrintPedigree, {T::TabPigeons, PageCommand::PrintPedigree}},
        {CmdPrintProgeny, {T::TabPigeons, PageCommand::PrintProgeny}},
        {CmdPrintSiblings, {T::TabPigeons, PageCommand::PrintSiblings}},
        {CmdPrintRacingResults, {T::TabPigeons, PageCommand::PrintRacingResults}},
        {CmdAddPair, {T::TabPairing, PageCommand::AddPair}},
        {CmdEditPair, {T::TabPairing, PageCommand::EditPair}},
        {CmdDeletePair, {T::TabPairing, PageCommand::DeletePair}},
        {CmdAddSeason, {T::TabPairing, PageCommand::AddSeason}},
        {CmdDeleteSeason, {T::TabPairing, PageCommand::DeleteSeason}},
        {CmdAddChildren, {T::TabPairing, PageCommand::AddChildren}},
        {CmdEditChild, {T::TabPairing, PageCommand::EditChild}},
        {CmdDeleteChild, {T::TabPairing, PageCommand::DeleteChild}},
        {CmdPrintPairingCard, {T::TabPairing, PageCommand::PrintPairingCard}},
        {CmdPrintPairingCard2, {T::TabPairing, PageCommand::PrintPairingCard}},
        {CmdAddTransaction, {T::TabTransactions, PageCommand::AddTransaction}},
        {CmdEditTransaction, {T::TabTransactions, PageCommand::EditTransaction}},
        {CmdDeleteTransaction, {T::TabTransactions, PageCommand::DeleteTransaction}},
        {CmdPrintReport, {T::TabTransactions, PageCommand::PrintReport}},
        {CmdAddRace, {T::TabRaces, PageCommand::AddRace}},
        {CmdEditRace, {T::TabRaces, PageCommand::EditRace}},
        {CmdDeleteRace, {T::TabRaces, PageCommand::DeleteRace}},
        {CmdAddFlyer, {T::TabRaces, PageCommand::AddFlyer}},
        {CmdEditFlyer, {T::TabRaces, PageCommand::EditFlyer}},
        {CmdDeleteFlyer, {T::TabRaces, PageCommand::DeleteFlyer}},
        {CmdBestPigeons, {T::TabRaces, PageCommand::BestPigeons}},
        {CmdBestPairs, {T::TabRaces, PageCommand::BestPairs}},
    };
    return commands;
}

} // namespace

// The area under the menu: it paints the background and the tab strip and takes the clicks on
// the captions. Coordinates of the strip and the pages are in its pixels.
class MainClientArea : public QWidget {
public:
    explicit MainClientArea(CMainDialog* owner)
        : QWidget(owner)
        , m_owner(owner) {
        setObjectName(u"clientArea"_s);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        m_owner->PaintClient(painter);
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton)
            m_owner->ClickClient(event->position().toPoint());
    }
    void resizeEvent(QResizeEvent*) override { m_owner->LayoutClient(); }

private:
    CMainDialog* m_owner;
};

CMainDialog::CMainDialog(AppData& appData, QWidget* parent)
    : QDialog(parent)
    , m_data(appData)
    , m_menuBar(new QMenuBar(this))
    , m_client(new MainClientArea(this))
    , m_loftList(new QComboBox(m_client))
    , m_categoryList(new QComboBox(m_client))
    , m_loftCount(new QLabel(m_client))
    , m_categoryCount(new QLabel(m_client)) {
    setObjectName(u"mainDialog"_s);
    setWindowTitle(u"VORNEL - Professional Software to manage your loft"_s);
    setWindowIcon(Artwork::AppIcon());
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setMinimumSize(1000, 620);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_client);

    m_loftList->setObjectName(u"loftList"_s);
    m_loftList->setGeometry(351, 19, 207, 24);
    m_loftList->setToolTip(kLoftTip);
    m_categoryList->setObjectName(u"categoryList"_s);
    m_categoryList->setGeometry(702, 19, 243, 24);
    m_categoryList->setToolTip(kCategoryTip);
    m_loftCount->setObjectName(u"loftCount"_s);
    m_loftCount->setGeometry(568, 14, 110, 31);
    m_categoryCount->setObjectName(u"categoryCount"_s);
    m_categoryCount->setGeometry(955, 14, 110, 31);
    for (QLabel* label : {m_loftCount, m_categoryCount}) {
        label->setFont(CaptionFont(24));
        label->setAttribute(Qt::WA_TranslucentBackground);
    }
    // They stand on the dark blue picture: under a dark palette the loft count turns light.
    const QColor behind(14, 74, 140);
    m_loftCount->setStyleSheet(
        u"color: %1;"_s.arg(Contrast::Ink(palette(), QColor(105, 146, 229), behind).name()));
    m_categoryCount->setStyleSheet(
        u"color: %1;"_s.arg(Contrast::Ink(palette(), Qt::white, behind).name()));

    m_tabStrip = new CaptionStrip({TabCount, [this] { return m_activeTab; },
                                   [this](int tab) { SetActiveTab(tab); },
                                   [this](int tab) { return CaptionRect(tab); },
                                   [](int tab) {
                                       return QString::fromUtf16(kCaptions[tab]);
                                   }},
                                  u"Tabs"_s, m_client);
    m_tabStrip->setObjectName(u"tabStrip"_s);
    // The window opens with the focus where it shows: on the tab strip, not in a loft box
    // that arrow keys would change unseen.
    m_tabStrip->setFocus();

    m_startPage = new CZakladkaStartowa(m_data, m_client);
    m_pigeonList = new CZakladkaListaPsow(m_data, m_client);
    m_pairing = new CZakladkaEdycjaPtaka(m_data, m_client);
    m_transactions = new CZakladkaTransakcje(m_data, m_client);
    m_races = new CZakladkaLotyGolebi(m_data, m_client);
    m_notepad = new CZakladkaNotatnik(m_data, m_client);
    m_pages = {m_startPage, m_pigeonList, m_pairing, m_transactions, m_races, m_notepad};
    for (CTabPage* page : m_pages)
        page->setVisible(page == m_startPage);
    m_startPage->SetTargets(
        m_pigeonList, m_pairing, m_transactions, m_notepad, [this](int id) { RunCommand(id); },
        [this](int id) { return HasAction(id); });
    m_pigeonList->SetCountLabels(m_loftCount, m_categoryCount);
    const auto showFound = [this](const BandMatch& match) {
        ShowFoundPigeon(match);
    };
    m_startPage->SetPigeonFinder(showFound);
    m_pigeonList->SetPigeonFinder(showFound);
    ConnectPrintWindows(m_pigeonList, m_data);
    m_pigeonList->SetRaceHistoryOpener(ShowRaceHistory);
    connect(m_transactions, &CZakladkaTransakcje::printReportRequested, this,
            &CMainDialog::PrintTransactionReport);
    connect(m_races, &CZakladkaLotyGolebi::racePageRequested, this,
            [this](const QString& path, int race) {
                ShowHtmlPage(
                    path, true, this, [this, race] { return RaceEntriesCsv(m_data, race); },
                    u"race.csv"_s);
            });
    connect(m_races, &CZakladkaLotyGolebi::bestPairsRequested, this, [this] {
        CNajlepszePary dialog(m_data, m_races);
        dialog.exec();
    });
    // The menu asks the pages which commands they carry out, so it comes after them.
    BuildMainMenu(
        m_menuBar, [this](int id) { RunCommand(id); }, [this](int id) { return HasAction(id); });
    AddShortcuts();

    m_lofts = new LoftSelector(m_data, m_loftList, m_categoryList, m_loftCount, this,
                               {[this](int loftId) { loadLoftData(loftId); },
                                [this] { m_pigeonList->ClearList(); },
                                [this](int loft, int category) {
                                    m_pigeonList->ShowCategory(loft, category);
                                }});
    resize(1280, 800);
}

CMainDialog::~CMainDialog() = default;

void CMainDialog::Initialise() {
    m_data.currentLoft = -1;
    m_data.currentCategory = -1;
    if (const DbResult result = PrepareDatabases(); !result.ok())
        MessageBox::ShowReadFailure(this, result);
    else if (const DbResult loaded = m_data.LoadLofts(); loaded.failed())
        MessageBox::ShowReadFailure(this, loaded);
    m_lofts->SelectFirstLoft();
}

void CMainDialog::loadLoftData(int loftId) {
    if (const DbResult result = m_data.SelectLoft(loftId); result.failed())
        MessageBox::ShowReadFailure(this, result);
    for (CTabPage* page : m_pages)
        page->ClearLoftLists();
    for (CTabPage* page : m_pages)
        page->FillLoftLists();
}

void CMainDialog::ShowFoundPigeon(const BandMatch& match) {
    if (m_data.currentLoft < 0)
        return;
    if (match.categoryIndex != m_data.currentCategory || m_pigeonList->ShownCategory() < 0) {
        m_categoryList->setCurrentIndex(match.categoryIndex);
        m_lofts->OnCategoryChosen(match.categoryIndex);
    }
    SetActiveTab(TabPigeons);
    m_pigeonList->SelectRow(match.row);
    m_pigeonList->View()->setFocus();
}

bool CMainDialog::HasAction(int id) const {
    if (const auto target = PageCommands().find(id); target != PageCommands().end())
        return m_pages[size_t(target->second.tab)]->Handles(target->second.command);
    return true;
}

void CMainDialog::RunCommand(int id) {
    if (PageCommands().count(id)) {
        RunPageCommand(id);
        return;
    }
    switch (id) {
    case CmdCsvImportPigeons:
    case CmdCsvImportEntries:
    case CmdCsvExportRace:
    case CmdCsvExportResults:
    case CmdCsvExportTransactions:
        RunCsvCommand(id);
        break;
    case CmdCreateBackup:
        CreateBackup();
        break;
    case CmdImportBackup:
        ImportBackup();
        break;
    case CmdExitProgram:
        accept();
        break;
    case CmdManageLofts:
        m_lofts->ManageLofts();
        break;
    case CmdAddNewLoft:
        m_lofts->AddLoft();
        break;
    case CmdEditLoft:
        m_lofts->EditLoft();
        break;
    case CmdDeleteLoft:
        m_lofts->DeleteLoft();
        break;
    case CmdAddCategory:
        m_lofts->AddCategory();
        break;
    case CmdEditCategory:
        m_lofts->EditCategory();
        break;
    case CmdDeleteCategory:
        m_lofts->DeleteCategory();
        break;
    case CmdIntroduction:
        OpenHelp(u"intro.html"_s);
        break;
    case CmdAllHelpTopics:
        OpenHelp(u"help.html"_s);
        break;
    case CmdAbout: {
        COprogramie about(this);
        about.exec();
        break;
    }
    case CmdCalculator:
        if (!ExternalPrograms::StartCalculator())
            MessageBox::ShowMessage(this, u"No calculator program was found on this system."_s);
        break;
    case CmdVisitSite:
        ExternalPrograms::OpenUrl(QUrl(kSiteUrl));
        break;
    case CmdVelocityCalculator: {
        CKalkulatorPredkosci calculator(this);
        calculator.exec();
        break;
    }
    case CmdDistanceCalculator: {
        CKalkulatorOdleglosci calculator(this);
        calculator.exec();
        break;
    }
    case CmdTestMating: {
        CTestMating mating(m_data, 0, 0, this);
        mating.exec();
        break;
    }
    case CmdBranchList: {
        CSpisOddzialow branches(this);
        branches.exec();
        break;
    }
    case CmdManageColours:
    case CmdManageVarieties: {
        CWyborKoloru manager(m_data, id == CmdManageColours ? 1 : 2, this);
        manager.exec();
        break;
    }
    case CmdManageStatus: {
        CZarzadzajStatusami manager(m_data, this);
        manager.exec();
        break;
    }
    case CmdRacingSite:
        ExternalPrograms::OpenUrl(QUrl(kRacingSiteUrl));
        break;
    case CmdAddNewClient:
        if (m_data.currentLoft >= 0)
            AddNewContact(m_data, ContactBook::Clients, this);
        break;
    case CmdManageClients:
    case CmdManageBreeders:
        ManageContacts(m_data,
                       id == CmdManageClients ? ContactBook::Clients : ContactBook::Breeders, this);
        m_transactions->ContactsChanged();
        break;
    default:
        break;
    }
}

void CMainDialog::RunPageCommand(int id) {
    const PageTarget& target = PageCommands().at(id);
    m_pages[size_t(target.tab)]->Perform(target.command);
}

void CMainDialog::AddShortcuts() {
    const auto add = [this](const QList<QKeySequence>& keys, std::function<void()> run) {
        for (const QKeySequence& key : keys)
            connect(new QShortcut(key, this), &QShortcut::activated, this, run);
    };
    const auto step = [this](int by) {
        SetActiveTab((m_activeTab + by + TabCount) % TabCount);
    };
    add({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
        [step] { step(1); });
    add({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
        [step] { step(-1); });
    add({QKeySequence(Qt::Key_F10)}, [this] {
        if (!m_menuBar->actions().isEmpty())
            m_menuBar->setActiveAction(m_menuBar->actions().constFirst());
    });
    add({QKeySequence(Qt::CTRL | Qt::Key_F)}, [this] { FocusBandSearch(); });
    add({QKeySequence(Qt::CTRL | Qt::Key_N)}, [this] { RunTabShortcut(false); });
    add({QKeySequence(Qt::CTRL | Qt::Key_P)}, [this] { RunTabShortcut(true); });
}

void CMainDialog::FocusBandSearch() {
    // The welcome page has its own search; from the other pages it is the pigeon list's.
    if (m_activeTab != TabStart)
        SetActiveTab(TabPigeons);
    auto* box = m_pages[size_t(m_activeTab)]->findChild<QLineEdit*>(
        m_activeTab == TabStart ? u"searchBand"_s : u"bandSearch"_s);
    if (box && box->isEnabled()) {
        box->setFocus(Qt::ShortcutFocusReason);
        box->selectAll();
    }
}

void CMainDialog::RunTabShortcut(bool print) {
    const auto perform = [this](int tab, PageCommand command) {
        if (m_pages[size_t(tab)]->Handles(command))
            m_pages[size_t(tab)]->Perform(command);
    };
    switch (m_activeTab) {
    case TabStart:
    case TabPigeons:
        if (!print)
            perform(TabPigeons, PageCommand::AddPigeon);
        else if (m_activeTab == TabPigeons)
            perform(TabPigeons, PageCommand::PrintCategory);
        break;
    case TabPairing:
        perform(TabPairing, print ? PageCommand::PrintPairingCard : PageCommand::AddPair);
        break;
    case TabTransactions:
        perform(TabTransactions, print ? PageCommand::PrintReport : PageCommand::AddTransaction);
        break;
    case TabRaces:
        if (print)
            m_races->ActivatePanelLink(CZakladkaLotyGolebi::PrintRaceCaption);
        else
            perform(TabRaces, PageCommand::AddRace);
        break;
    case TabNotepad:
        if (!print)
            perform(TabNotepad, PageCommand::NewNote);
        else if (QPushButton* button = m_notepad->Button(u"print"_s); button && button->isEnabled())
            button->click();
        break;
    default:
        break;
    }
}

void CMainDialog::PrintTransactionReport() {
    if (m_data.currentLoft < 0) {
        MessageBox::ShowMessage(this, u"Choose a loft to print its transactions."_s);
        return;
    }
    if (!WritePage(ListPagePath(), TransactionReportHtml(m_data))) {
        MessageBox::ShowMessage(this, u"The page could not be written to\n%1"_s.arg(ListPagePath()),
                                {}, QMessageBox::Warning);
        return;
    }
    ShowHtmlPage(
        ListPagePath(), false, this, [this] { return TransactionsCsv(m_data); },
        u"transactions.csv"_s);
}

void CMainDialog::OpenHelp(const QString& page) {
    CPomoc help(InstallDir() + u"/html/help/"_s + page, this);
    help.exec();
}

void CMainDialog::RunCsvCommand(int id) {
    if (m_data.currentLoft < 0) {
        MessageBox::ShowMessage(this, u"Select a loft first."_s);
        return;
    }
    const int row = m_races->SelectedRace();
    const int race =
        row >= 0 && size_t(row) < m_data.races.size() ? m_data.races[size_t(row)].id : 0;
    const bool needsRace = id == CmdCsvImportEntries || id == CmdCsvExportRace;
    if (needsRace && race == 0) {
        MessageBox::ShowMessage(this, u"First select a race in the races tab."_s);
        return;
    }
    CsvImportOptions options;
    const auto& categories = m_data.lofts[size_t(m_data.currentLoft)].categories;
    if (m_data.currentCategory >= 0 && size_t(m_data.currentCategory) < categories.size())
        options.categoryId = categories[size_t(m_data.currentCategory)].id;
    options.raceId = race;
    switch (id) {
    case CmdCsvImportPigeons:
    case CmdCsvImportEntries:
        options.kind = id == CmdCsvImportPigeons ? CsvImportKind::Pigeons : CsvImportKind::Entries;
        if (options.kind == CsvImportKind::Pigeons && options.categoryId < 1) {
            MessageBox::ShowMessage(this, u"Select a category for the pigeons first."_s);
            return;
        }
        SavePendingEdits();
        if (CsvCommands::Import(this, m_data, options))
            m_lofts->ReloadCurrent(); // every list and count shows the new rows
        return;
    case CmdCsvExportRace:
        CsvCommands::Save(this, RaceEntriesCsv(m_data, race), u"race.csv"_s);
        return;
    case CmdCsvExportResults:
        if (const int pigeon = m_pigeonList->Model()->IdAt(m_data.currentPigeon); pigeon > 0)
            CsvCommands::Save(this, ResultsCsv(m_data, pigeon), u"results.csv"_s);
        else
            MessageBox::ShowMessage(this, u"Select pigeon from list first."_s);
        return;
    default:
        CsvCommands::Save(this, TransactionsCsv(m_data), u"transactions.csv"_s);
    }
}

void CMainDialog::CreateBackup() {
    SavePendingEdits();
    Backup::Create(this);
}

void CMainDialog::ImportBackup() {
    SavePendingEdits();
    // The restored files replace what is loaded: read them again, as after the manager.
    if (Backup::Import(this))
        m_lofts->ReloadAll();
}

bool CMainDialog::SavePendingEdits() {
    bool stored = true;
    for (CTabPage* page : m_pages)
        stored = page->SavePendingEdits() && stored;
    return stored;
}

void CMainDialog::done(int result) {
    // What could not be stored is still on screen: the user may keep the program open for it.
    if (!SavePendingEdits() &&
        !MessageBox::AskYesNo(this, u"Your changes could not be saved. Close the program anyway?"_s,
                              u"Are you sure?"_s))
        return;
    QSettings(u"Vornel"_s, u"Vornel"_s).setValue(kGeometryKey, saveGeometry());
    QDialog::done(result);
}

void CMainDialog::ShowAsLastLeft() {
    // The saved geometry carries the maximized state too.
    if (restoreGeometry(QSettings(u"Vornel"_s, u"Vornel"_s).value(kGeometryKey).toByteArray()))
        show();
    else
        showMaximized();
}

void CMainDialog::SetActiveTab(int tab) {
    if (tab < 0 || tab >= TabCount)
        return;
    if (tab != m_activeTab)
        m_pages[size_t(m_activeTab)]->SavePendingEdits();
    m_activeTab = tab;
    CTabPage* page = m_pages[size_t(tab)];
    for (CTabPage* other : m_pages)
        if (other != page)
            other->hide();
    if (tab == TabPairing)
        page->LayoutPage();
    page->show();
    page->PageShown();
    m_client->update();
    if (m_tabStrip)
        m_tabStrip->Sync();
}

QRect CMainDialog::CaptionRect(int tab) const {
    const auto [left, right] = kCaptionSpans[size_t(tab)];
    return QRect(QPoint(kStripLeft + left, kStripTop),
                 QPoint(kStripLeft + right - 1, kStripBottom - 1));
}

QRect CMainDialog::PageRect() const {
    const QRect client = m_client->rect();
    return QRect(QPoint(client.left() + 10, client.top() + 110),
                 QPoint(client.right() - 20, client.bottom() - 5));
}

void CMainDialog::LayoutClient() {
    for (CTabPage* page : m_pages) {
        page->setGeometry(PageRect());
        page->LayoutPage();
    }
}

void CMainDialog::PaintClient(QPainter& painter) {
    const QRect client = m_client->rect();
    const QPalette& colours = m_client->palette();
    painter.fillRect(client, Contrast::Fill(colours, Qt::white, QPalette::Window));
    painter.drawPixmap(0, 0, Artwork::MainBackground());

    // Under a dark palette the blues deepen until the white captions read on them.
    const QColor blue = Contrast::Deepen(colours, QColor(19, 126, 209), Qt::white);
    const QRect band(client.left(), kStripTop, client.width(), kStripBottom - kStripTop);
    QLinearGradient gradient(band.topLeft(), band.bottomLeft());
    gradient.setColorAt(0, blue);
    gradient.setColorAt(1, Contrast::Deepen(colours, QColor(15, 107, 177), Qt::white));
    painter.fillRect(band, gradient);
    painter.fillRect(QRect(client.left(), 90, client.width(), 5), QColor(155, 255, 155));

    painter.setFont(CaptionFont(14));
    for (int tab = 0; tab < TabCount; ++tab) {
        const QRect caption = CaptionRect(tab);
        if (tab == m_activeTab) {
            painter.fillRect(caption, blue);
            // A raised edge on the left, top and right of the active caption.
            painter.setPen(QColor(120, 190, 245));
            painter.drawLine(caption.bottomLeft(), caption.topLeft());
            painter.drawLine(caption.topLeft(), caption.topRight());
            painter.setPen(QColor(8, 60, 110));
            painter.drawLine(caption.topRight(), caption.bottomRight());
            painter.setPen(QColor(60, 150, 225));
            painter.drawLine(caption.bottomLeft() + QPoint(1, 0), caption.topLeft() + QPoint(1, 1));
            painter.drawLine(caption.topLeft() + QPoint(1, 1), caption.topRight() + QPoint(-1, 1));
        }
        painter.setPen(Contrast::Ink(colours, Qt::white, blue));
        painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine,
                         QString::fromUtf16(kCaptions[tab]));
    }
}

void CMainDialog::ClickClient(const QPoint& point) {
    for (int tab = 0; tab < TabCount; ++tab) {
        if (CaptionRect(tab).contains(point)) {
            SetActiveTab(tab);
            return;
        }
    }
}

void CMainDialog::keyPressEvent(QKeyEvent* event) {
    // Neither Enter nor Escape closes the main window.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
