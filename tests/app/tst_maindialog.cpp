// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: start-up, the loft and category lists and commands, the tab strip, the keys
// and where every menu command goes.

#include "app/LoftSelector.h"
#include "app/MainDialog.h"
#include "app/MainMenu.h"
#include "register/ZakladkaListaPsow.h"
#include "storage/AppData.h"
#include "storage/RowIdTableModel.h"
#include "support/DbProbe.h"
#include "support/ModalDriver.h"
#include "support/ShellFixture.h"
#include "support/TestDataDir.h"
#include "support/WidgetSteps.h"
#include "ui/ExternalPrograms.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;
using ShellFixture::Items;

namespace {

void Choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

} // namespace

class TestMainDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        MessageBox::SetTestMode(true);
        FileDialog::SetTestMode(true);
        ExternalPrograms::SetLauncherForTests([this](const QString& what) {
            m_launched.append(what);
            return true;
        });
    }

    void init() {
        m_data = std::make_unique<TestDataDir>();
        m_app = std::make_unique<AppData>();
        MessageBox::History().clear();
        MessageBox::Captions().clear();
        m_launched.clear();
    }

    void cleanup() {
        m_dialog.reset();
        m_app.reset();
    }

    void firstStartOnAnEmptyFolder() {
        Open();
        QCOMPARE(m_dialog->windowTitle(), u"VORNEL - Professional Software to manage your loft"_s);
        QCOMPARE(m_dialog->ActiveTab(), int(CMainDialog::TabStart));
        QCOMPARE(LoftList()->count() + CategoryList()->count(), 0);
        QCOMPARE(m_app->currentLoft, -1);
        QCOMPARE(LoftCount()->text(), QString());
        QVERIFY(MessageBox::History().isEmpty());
        // Both files hold every table from the start, whichever window is opened first.
        const QString tables = u"SELECT count(*) FROM sqlite_master WHERE type = 'table';"_s;
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), tables), 12);
        QCOMPARE(DbProbe::Number(m_data->extraDb(), tables), 10);
    }

    void unreadableFileIsNamed() {
        QVERIFY(QDir().mkpath(m_data->path() + u"/db"_s));
        m_data->makeFile(u"db/pigeons.db"_s, QByteArray(4096, '\x5A'));
        Open();
        QCOMPARE(MessageBox::History().size(), 1);
        QVERIFY(MessageBox::History()[0].contains(u"could not be read"_s));
        QVERIFY(MessageBox::History()[0].contains(m_data->pigeonsDb()));
        QVERIFY(!MessageBox::History()[0].contains(u"saved"_s));
        QCOMPARE(LoftList()->count(), 0);
    }

    // The first loft is current at the start, with its first category if it has any, and again
    // once the manager closes.
    void choosingALoftLoadsItsData() {
        ShellFixture::SeedLofts({{u"Pierwszy"_s, {}}, {u"Drugi"_s, {u"Młode"_s, u"Lotowe"_s}}});
        AddPigeons(1, 1);
        AddPigeons(2, 3);
        Open();
        QCOMPARE(m_app->currentLoft, 0);
        QCOMPARE(m_app->pigeons.size(), 1u);
        QCOMPARE(LoftCount()->text(), u"(1)"_s);
        QCOMPARE(CategoryList()->count(), 0);
        QCOMPARE(m_app->currentCategory, -1);
        QCOMPARE(PigeonList()->ShownCategory(), -1);

        Choose(LoftList(), 1);
        QCOMPARE(m_app->currentLoft, 1);
        QCOMPARE(m_app->pigeons.size(), 3u);
        QCOMPARE(LoftCount()->text(), u"(3)"_s);
        QCOMPARE(Items(CategoryList()), (QStringList{u"Młode"_s, u"Lotowe"_s}));
        QCOMPARE(m_app->currentCategory, 0);
        QCOMPARE(PigeonList()->ShownLoft(), 1);
        Choose(CategoryList(), 1);
        QCOMPARE(m_app->currentCategory, 1);
        QCOMPARE(PigeonList()->ShownCategory(), 1);
        QCOMPARE(CategoryCount()->text(), u"(0)"_s);
        // A loft without categories shows no category count, not the last one shown.
        Choose(LoftList(), 0);
        QCOMPARE(CategoryCount()->text(), QString());

        const auto manager = ModalDriver::OnNextModal([](QDialog* dialog) { dialog->reject(); });
        Trigger(CmdManageLofts);
        QCOMPARE(m_app->currentLoft, 0);
        QCOMPARE(LoftList()->currentIndex(), 0);
        QCOMPARE(m_app->pigeons.size(), 1u);
        QCOMPARE(CategoryList()->count(), 0);
        QCOMPARE(m_app->currentCategory, -1);
        QCOMPARE(PigeonList()->Model()->rowCount(), 0);
        QCOMPARE(PigeonList()->ShownCategory(), -1); // the band search must not trust it
    }

    // The menu's loft commands; the names they refuse are the manager's test.
    void loftsFromTheMenu() {
        Open();
        // Three characters are refused with the loft message; four, blanks included, are taken.
        const auto tooShort = ModalDriver::AnswerNameDialog(u"Abc"_s);
        Trigger(CmdAddNewLoft);
        QCOMPARE(MessageBox::History(), QStringList{u"Wprowadź nazwę hodowli"_s});
        QCOMPARE(MessageBox::Captions(), QStringList{u"Błąd"_s});
        for (const QString& name : {u"Abcd"_s, u" Ab "_s}) {
            const auto add = ModalDriver::AnswerNameDialog(name);
            Trigger(CmdAddNewLoft);
        }
        QCOMPARE(Items(LoftList()), (QStringList{u"Abcd"_s, u" Ab "_s}));
        // The loft just added is current, with its (empty) lists shown.
        QCOMPARE(m_app->currentLoft, 1);
        QCOMPARE(LoftList()->currentIndex(), 1);
        QCOMPARE(LoftCount()->text(), u"(0)"_s);
        QCOMPARE(CategoryList()->count(), 0);
        Choose(LoftList(), 0);
        const auto edit = ModalDriver::AnswerNameDialog(u"Abcd zmieniony"_s, u"opis"_s);
        Trigger(CmdEditLoft);
        QCOMPARE(Items(LoftList()), (QStringList{u"Abcd zmieniony"_s, u" Ab "_s}));
        QCOMPARE(LoftList()->currentIndex(), -1); // after an edit no loft is current
        QCOMPARE(m_app->currentLoft, -1);
        {
            ModalDriver::NoDialogGuard guard; // nothing to edit or delete, nothing to add to
            for (int id : {CmdEditLoft, CmdDeleteLoft, CmdAddCategory})
                Trigger(id);
            QCOMPARE(guard.dialogsSeen(), 0);
        }

        Choose(LoftList(), 1);
        MessageBox::SetNextAnswer(QMessageBox::No);
        Trigger(CmdDeleteLoft);
        QCOMPARE(LoftList()->count(), 2);
        QCOMPARE(MessageBox::Captions().last(), u"Are you sure?"_s);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        Trigger(CmdDeleteLoft);
        QCOMPARE(Items(LoftList()), QStringList{u"Abcd zmieniony"_s});
        QCOMPARE(m_app->currentLoft, -1);
    }

    void categoriesFromTheMenu() {
        ShellFixture::SeedLofts({{u"Gołębnik"_s, {u"Stare"_s}}});
        Open();
        const auto tooShort = ModalDriver::AnswerNameDialog(u"Kat"_s);
        Trigger(CmdAddCategory);
        QCOMPARE(MessageBox::History(), QStringList{u"Wprowadź nazwę kategorii"_s});
        const auto add = ModalDriver::AnswerNameDialog(u"Młode"_s, u"2026"_s);
        Trigger(CmdAddCategory);
        QCOMPARE(Items(CategoryList()), (QStringList{u"Stare"_s, u"Młode"_s}));
        QCOMPARE(CategoryList()->currentIndex(), 0);

        Choose(CategoryList(), 1);
        const auto edit = ModalDriver::AnswerNameDialog(u"Młode 2026"_s);
        Trigger(CmdEditCategory);
        QCOMPARE(Items(CategoryList()), (QStringList{u"Stare"_s, u"Młode 2026"_s}));

        MessageBox::SetNextAnswer(QMessageBox::Yes);
        Trigger(CmdDeleteCategory);
        QCOMPARE(Items(CategoryList()), QStringList{u"Stare"_s});
        QCOMPARE(m_app->currentCategory, -1);
        QCOMPARE(m_app->currentPigeon, -1);
        QCOMPARE(PigeonList()->ShownCategory(), -1);
        {
            ModalDriver::NoDialogGuard guard; // no current category: nothing to edit or delete
            Trigger(CmdEditCategory);
            Trigger(CmdDeleteCategory);
            QCOMPARE(guard.dialogsSeen(), 0);
        }
        // With none chosen, the new category is chosen, so that a pigeon can go in at once.
        const auto another = ModalDriver::AnswerNameDialog(u"Lotowe"_s);
        Trigger(CmdAddCategory);
        QCOMPARE(CategoryList()->currentIndex(), 1);
        QCOMPARE(m_app->currentCategory, 1);
    }

    // The window opens as large as it was left, and maximized the first time.
    void windowOpensAsItWasLeft() {
        QSettings(u"Vornel"_s, u"Vornel"_s).remove(u"MainWindow"_s);
        {
            CMainDialog first(*m_app);
            first.Initialise();
            first.ShowAsLastLeft();
            QVERIFY(QTest::qWaitForWindowExposed(&first));
            QVERIFY(first.isMaximized());
            first.showNormal();
            first.resize(1100, 700);
            QTRY_COMPARE(first.size(), QSize(1100, 700));
            first.done(QDialog::Accepted);
        }
        CMainDialog again(*m_app);
        again.Initialise();
        again.ShowAsLastLeft();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QVERIFY(!again.isMaximized());
        QCOMPARE(again.size(), QSize(1100, 700));
    }

    void tabCaptions_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("tab");
        QTest::newRow("Welcome!") << QPoint(200, 80) << int(CMainDialog::TabStart);
        QTest::newRow("Pigeons List") << QPoint(260, 70) << int(CMainDialog::TabPigeons);
        QTest::newRow("Pairing edge") << QPoint(400, 94) << int(CMainDialog::TabPairing);
        QTest::newRow("Transactions") << QPoint(600, 80) << int(CMainDialog::TabTransactions);
        QTest::newRow("Races") << QPoint(750, 80) << int(CMainDialog::TabRaces);
        QTest::newRow("Notepad last pixel") << QPoint(979, 80) << int(CMainDialog::TabNotepad);
        QTest::newRow("left of the strip") << QPoint(149, 80) << -1;
        QTest::newRow("right of the strip") << QPoint(980, 80) << -1;
        QTest::newRow("above the strip") << QPoint(300, 64) << -1;
        QTest::newRow("below the strip") << QPoint(300, 95) << -1;
    }

    // The captions stay where they are drawn, whatever the window's size.
    void tabCaptions() {
        QFETCH(QPoint, point);
        QFETCH(int, tab);
        Open();
        m_dialog->resize(1600, 900);
        m_dialog->SetActiveTab(CMainDialog::TabRaces);
        QTest::mouseClick(m_dialog->ClientArea(), Qt::LeftButton, {}, point);
        const int expected = tab < 0 ? int(CMainDialog::TabRaces) : tab;
        QCOMPARE(m_dialog->ActiveTab(), expected);
        for (int page = 0; page < CMainDialog::TabCount; ++page)
            QCOMPARE(m_dialog->Page(page)->isVisible(), page == expected);
        QCOMPARE(m_dialog->Page(expected)->geometry(), m_dialog->PageRect());
    }

    void enterAndEscapeKeepTheWindowOpen() {
        Open();
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
            QTest::keyClick(m_dialog.get(), key);
            QTest::keyClick(LoftList(), key);
            QVERIFY(m_dialog->isVisible());
        }
        QCOMPARE(m_dialog->result(), 0);
    }

    // Each page command reaches the page it belongs to; one no page carries out yet is
    // disabled, never silent, and each menu says so again as it opens.
    void pageCommandsReachTheirPages() {
        Open();
        const std::map<int, std::vector<int>> commands{
            {CMainDialog::TabPigeons,
             {CmdAddNewPigeon, CmdEditPigeon, CmdDeletePigeon, CmdMovePigeon, CmdRingSeries,
              CmdAddToList, CmdPrintList, CmdRemoveFromList, CmdPrintCategory, CmdPrintCategory2,
              CmdPrintIndividualList}},
            {CMainDialog::TabPairing,
             {CmdAddPair, CmdEditPair, CmdDeletePair, CmdAddSeason, CmdDeleteSeason, CmdAddChildren,
              CmdEditChild, CmdDeleteChild, CmdPrintPairingCard, CmdPrintPairingCard2}},
            {CMainDialog::TabTransactions,
             {CmdAddTransaction, CmdEditTransaction, CmdDeleteTransaction}},
            {CMainDialog::TabRaces,
             {CmdAddRace, CmdEditRace, CmdDeleteRace, CmdAddFlyer, CmdEditFlyer, CmdDeleteFlyer,
              CmdBestPigeons, CmdBestPairs}}};
        QList<int> performedBy;
        for (int tab = 0; tab < CMainDialog::TabCount; ++tab)
            connect(m_dialog->Page(tab), &CTabPage::commandPerformed, this,
                    [&performedBy, tab] { performedBy.append(tab); });
        ModalDriver::NoDialogGuard closesPrintWindows;
        for (const auto& [tab, ids] : commands) {
            for (int id : ids) {
                performedBy.clear();
                Trigger(id);
                const bool handled = m_dialog->HasAction(id);
                QCOMPARE(Action(id)->isEnabled(), handled);
                QVERIFY2(performedBy == (handled ? QList<int>{tab} : QList<int>{}),
                         qPrintable(QString::number(id)));
            }
        }
        for (QMenu* menu : m_dialog->MenuBar()->findChildren<QMenu*>()) {
            Q_EMIT menu->aboutToShow();
            for (QAction* action : menu->actions())
                if (action->data().isValid())
                    QCOMPARE(action->isEnabled(), m_dialog->HasAction(action->data().toInt()));
        }
        QVERIFY(Action(CmdAddNewPigeon)->isEnabled());
    }

    void shellCommandsOpenTheirWindows_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("shows"); // among the window's labels
        QTest::newRow("colours") << int(CmdManageColours) << u"CWyborKoloru"_s << QString();
        QTest::newRow("introduction") << int(CmdIntroduction) << u"CPomoc"_s << QString();
        QTest::newRow("help topics") << int(CmdAllHelpTopics) << u"CPomoc"_s << QString();
        QTest::newRow("about") << int(CmdAbout) << u"COprogramie"_s
                               << u"(GPL-3.0-or-later). It comes with ABSOLUTELY NO WARRANTY"_s;
    }

    void shellCommandsOpenTheirWindows() {
        QFETCH(int, id);
        QFETCH(QString, dialog);
        QFETCH(QString, shows);
        Open();
        QString labels;
        const auto opened = ModalDriver::OnNextModal([&labels](QDialog* d) {
            for (const QLabel* label : d->findChildren<QLabel*>())
                labels += label->text() + u'\n';
            d->reject();
        });
        Trigger(id);
        QCOMPARE(opened.DialogClass(), dialog);
        QVERIFY2(labels.contains(shows), qPrintable(labels));
    }

    void otherCommands() {
        Open();
        Trigger(CmdVisitSite);
        Trigger(CmdRacingSite);
        QCOMPARE(m_launched.size(), 2);
        QVERIFY(m_launched[0].startsWith(u"https://"_s));
        FileDialog::Titles().clear();
        Trigger(CmdCreateBackup); // the chooser is cancelled: nothing happens
        Trigger(CmdImportBackup);
        QCOMPARE(FileDialog::Titles().size(), 2);
        QVERIFY(MessageBox::History().isEmpty());
        Trigger(CmdExitProgram);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QVERIFY(!m_dialog->isVisible());
    }

    // Each tab by keyboard alone: Ctrl+PgDn reaches it, Tab reaches each enabled side-panel link
    // (and skips the disabled ones), Space runs a link as a click at its place does, and Ctrl+N
    // opens the tab's "new" window, closed again with Escape.
    void everyTabByKeyboard_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("newWindow");
        const char* const names[] = {"start",        "pigeons", "pairing",
                                     "transactions", "races",   "notepad"};
        const QString windows[] = {u"CDodajGolebia"_s,    u"CDodajGolebia"_s,
                                   u"CDodajEdytujPare"_s, u"CDodajZmienTransakcje"_s,
                                   u"CNowyLot"_s,         u"CNowaNazwa"_s};
        for (int tab = 0; tab < CMainDialog::TabCount; ++tab)
            QTest::newRow(names[tab]) << tab << windows[tab];
    }

    void everyTabByKeyboard() {
        QFETCH(int, tab);
        QFETCH(QString, newWindow);
        ShellFixture::SeedLofts({{u"Loft"_s, {u"Young"_s}}});
        Open();
        int performed = 0;
        for (int page = 0; page < CMainDialog::TabCount; ++page)
            connect(m_dialog->Page(page), &CTabPage::commandPerformed, this, [&] { ++performed; });
        for (int step = 0; step < tab; ++step)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(m_dialog->ActiveTab(), tab);

        CTabPage* page = m_dialog->Page(tab);
        QStringList enabled;
        for (QWidget* link : page->PanelLinkWidgets())
            if (link->isEnabled())
                enabled << link->accessibleName();
        QCOMPARE(enabled.isEmpty(), tab == CMainDialog::TabNotepad);
        QStringList reached;
        for (int i = 0; i < 60 && reached.size() < enabled.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            if (!page->PanelLinkWidgets().empty() && focus->parent() == page &&
                !focus->accessibleName().isEmpty() && !reached.contains(focus->accessibleName())) {
                reached << focus->accessibleName();
                ModalDriver::NoDialogGuard guard;
                const auto outcome = [&] {
                    return guard.dialogsSeen() + MessageBox::History().size() + m_launched.size() +
                           performed;
                };
                const int before = outcome();
                QTest::keyClick(focus, Qt::Key_Space);
                // Offscreen has no window manager to give the window back its activation.
                QVERIFY(ModalDriver::ShowFocused(m_dialog.get()));
                QCOMPARE(QApplication::focusWidget(), focus);
                const int keyed = outcome() - before;
                QVERIFY(m_dialog->isVisible());
                QTest::mouseClick(page, Qt::LeftButton, {}, focus->geometry().center());
                QVERIFY2(keyed == outcome() - before - keyed && keyed > 0,
                         qPrintable(focus->accessibleName()));
                QVERIFY(ModalDriver::ShowFocused(m_dialog.get()));
                QCOMPARE(QApplication::focusWidget(), focus);
            }
        }
        QCOMPARE(reached, enabled);

        bool opened = false;
        const auto window = OnNextWindow([&](QDialog* dialog) {
            opened = QLatin1StringView(dialog->metaObject()->className()) == newWindow;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(opened);
        QVERIFY(ModalDriver::ShowFocused(m_dialog.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(m_dialog->ActiveTab(), (tab + 1) % CMainDialog::TabCount);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(m_dialog->ActiveTab(), tab);
    }

    // A screen reader names every control Tab reaches, in the main window and in the windows
    // its commands open: by its own text, a label that is its buddy, or an accessible name.
    void everyControlHasAName() {
        ShellFixture::SeedLofts({{u"Loft"_s, {u"Young"_s}}});
        {
            AppData seed;
            QVERIFY(seed.SelectLoft(1).ok());
            for (int i = 0; i < 2; ++i) {
                PigeonRecord pigeon;
                pigeon.idLoft = 1;
                pigeon.ringNumber = QString::number(100 + i);
                QVERIFY(seed.AddPigeonToCategory(pigeon, 1).ok());
            }
        }
        Open();
        QCOMPARE(QApplication::focusWidget()->objectName(), u"tabStrip"_s);
        m_dialog->SetActiveTab(CMainDialog::TabPigeons);
        QTableView* list = Find<QTableView>(m_dialog.get(), u"pigeonList"_s);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(0, 1)).center());
        QStringList nameless = Nameless(m_dialog.get());
        // Windows open with the focus where typing or Tab starts, in the order the eye reads.
        const std::map<QString, QStringList> firstStops{
            {u"CDodajGolebia"_s, {u"country"_s, u"union"_s}},
            {u"CEksportListyDoHTML"_s,
             {u"available"_s, u"toPrint"_s, u"toAvailable"_s, u"chosen"_s}}};
        using T = CMainDialog;
        const std::pair<int, int> commands[] = {{T::TabPigeons, CmdAddNewPigeon},
                                                {T::TabPigeons, CmdEditPigeon},
                                                {T::TabPigeons, CmdRingSeries},
                                                {T::TabPigeons, CmdMovePigeon},
                                                {T::TabPigeons, CmdPrintCategory},
                                                {T::TabPigeons, CmdPrintPedigree},
                                                {T::TabPigeons, CmdManageLofts},
                                                {T::TabPigeons, CmdAddNewLoft},
                                                {T::TabPairing, CmdAddPair},
                                                {T::TabPairing, CmdTestMating},
                                                {T::TabRaces, CmdAddRace},
                                                {T::TabRaces, CmdBestPigeons},
                                                {T::TabTransactions, CmdAddTransaction},
                                                {T::TabTransactions, CmdManageClients},
                                                {T::TabStart, CmdVelocityCalculator},
                                                {T::TabStart, CmdDistanceCalculator},
                                                {T::TabStart, CmdBranchList},
                                                {T::TabStart, CmdManageColours}};
        QStringList opened;
        for (const auto& [tab, id] : commands) {
            m_dialog->SetActiveTab(tab);
            const auto window = ModalDriver::OnNextModal([&](QDialog* dialog) {
                opened << QString::fromLatin1(dialog->metaObject()->className());
                nameless << Nameless(dialog);
                if (const auto stops = firstStops.find(opened.back()); stops != firstStops.end()) {
                    QStringList reached{QApplication::focusWidget()->objectName()};
                    while (reached.size() < stops->second.size()) {
                        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                        reached << QApplication::focusWidget()->objectName();
                    }
                    QCOMPARE(reached, stops->second);
                }
                dialog->reject();
            });
            Trigger(id);
        }
        QVERIFY2(opened.size() == int(std::size(commands)),
                 qPrintable(opened.join(u' ') + u" | "_s + MessageBox::History().join(u" | "_s)));
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(u'\n')));
    }

    // Pigeons imported from the menu show at once in the list, the counts and the band search.
    void importedPigeonsShowAtOnce() {
        ShellFixture::SeedLofts({{u"Loft"_s, {u"Young"_s, u"Old"_s}}});
        Open();
        Choose(CategoryList(), 1);
        FileDialog::SetNextName(m_data->makeFile(
            u"in.csv"_s, "Band;Name\r\nPL 0207 25 900001;A\r\nPL 0207 25 900003;B\r\n"));
        const auto import = ModalDriver::OnNextModal([](QDialog* dialog) {
            auto* button = Find<QPushButton>(dialog, u"import"_s);
            QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        });
        Trigger(CmdCsvImportPigeons);
        QCOMPARE(MessageBox::History().value(0), u"Imported 2 pigeons; 0 rows skipped."_s);
        QCOMPARE(CategoryList()->currentIndex(), 1);
        QCOMPARE(PigeonList()->Model()->rowCount(), 2);
        QCOMPARE(LoftCount()->text(), u"(2)"_s);
        QCOMPARE(CategoryCount()->text(), u"(2)"_s);
    }

    // The window-wide keys: the tab strip takes Left and Right, Ctrl+F the band search, F1 the
    // help, F10 the menu bar, Ctrl+Q ends the program; menu letters never clash.
    void windowKeys() {
        Open();
        QWidget* strip = Find<QWidget>(m_dialog.get(), u"tabStrip"_s);
        for (int i = 0; i < 8 && QApplication::focusWidget() != strip; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), strip);
        QTest::keyClick(strip, Qt::Key_Right);
        QCOMPARE(m_dialog->ActiveTab(), int(CMainDialog::TabPigeons));
        // The preview bar under the pigeon list follows the list in Tab order and takes arrows.
        QWidget* list = Find<QWidget>(m_dialog.get(), u"pigeonList"_s);
        // A list with the keys shows it by its frame, as no row is chosen by focus alone.
        const auto frame = [list] {
            return list->grab().toImage().pixelColor(0, 40);
        };
        const QColor highlight = list->palette().color(QPalette::Highlight);
        QVERIFY(frame() != highlight);
        QTest::mouseClick(list, Qt::LeftButton, {}, list->rect().center());
        QTRY_COMPARE(frame(), highlight);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"previewStrip"_s);
        for (const auto& [key, page, caption] : {std::tuple{Qt::Key_Right, 1, u"Family tree"},
                                                 {Qt::Key_End, 4, u"Race results"},
                                                 {Qt::Key_Right, 0, u"Summary"},
                                                 {Qt::Key_Left, 4, u"Race results"}}) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QVERIFY(PigeonList()->PreviewPage(page)->isVisible());
            QCOMPARE(QApplication::focusWidget()->accessibleDescription(),
                     QString::fromUtf16(caption));
        }
        QTest::keyClick(strip, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"bandSearch"_s);
        const auto help = OnNextWindow(
            [](QDialog* dialog) { QCOMPARE(dialog->metaObject()->className(), "CPomoc"); });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QVERIFY(ModalDriver::ShowFocused(m_dialog.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
        QVERIFY(m_dialog->MenuBar()->activeAction());
        // The open menu takes the keys; a second Escape leaves the menu bar.
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!QApplication::activePopupWidget());
        QList<QWidget*> menus{m_dialog->MenuBar()};
        for (QMenu* menu : m_dialog->MenuBar()->findChildren<QMenu*>())
            menus << menu;
        for (QWidget* menu : menus) {
            QSet<QChar> letters;
            for (QAction* action : menu->actions()) {
                if (action->isSeparator())
                    continue;
                const qsizetype amp = action->text().indexOf(u'&');
                QVERIFY2(amp >= 0, qPrintable(action->text()));
                QVERIFY2(!letters.contains(action->text()[amp + 1].toLower()),
                         qPrintable(action->text()));
                letters.insert(action->text()[amp + 1].toLower());
            }
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!m_dialog->isVisible());
    }

private:
    void Open() { m_dialog = ShellFixture::OpenMainDialog(*m_app); }

    static QStringList Nameless(QWidget* window) {
        QStringList found;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(window) || !(widget->focusPolicy() & Qt::TabFocus) ||
                widget->focusProxy() || qobject_cast<QTabBar*>(widget) ||
                qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) ||
                qobject_cast<QComboBox*>(widget->parentWidget()))
                continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
            // A label that names the control (its buddy) is how Linux screen readers name it.
            if (face && face->text(QAccessible::Name).trimmed().isEmpty() &&
                face->relations(QAccessible::Label).isEmpty())
                found << QString::fromLatin1(window->metaObject()->className()) + u": "_s +
                             QString::fromLatin1(widget->metaObject()->className()) + u' ' +
                             widget->objectName();
        }
        return found;
    }

    void AddPigeons(int loftId, int count) {
        AppData seed;
        QVERIFY(seed.SelectLoft(loftId).ok());
        for (int i = 0; i < count; ++i) {
            PigeonRecord pigeon;
            pigeon.idLoft = loftId;
            QVERIFY(seed.SavePigeon(-1, pigeon).ok());
        }
    }

    QAction* Action(int id) const { return ShellFixture::MenuAction(*m_dialog, id); }
    void Trigger(int id) { Action(id)->trigger(); }
    QComboBox* LoftList() const { return m_dialog->findChild<QComboBox*>(u"loftList"_s); }
    QComboBox* CategoryList() const { return m_dialog->findChild<QComboBox*>(u"categoryList"_s); }
    QLabel* LoftCount() const { return m_dialog->findChild<QLabel*>(u"loftCount"_s); }
    QLabel* CategoryCount() const { return m_dialog->findChild<QLabel*>(u"categoryCount"_s); }
    CZakladkaListaPsow* PigeonList() const {
        return static_cast<CZakladkaListaPsow*>(m_dialog->Page(CMainDialog::TabPigeons));
    }

    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<AppData> m_app;
    std::unique_ptr<CMainDialog> m_dialog;
    QStringList m_launched;
};

QTEST_MAIN(TestMainDialog)
#include "tst_maindialog.moc"
