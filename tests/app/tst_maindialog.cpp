// The main window: start-up, the loft and category lists and commands, the tab strip, the keys
// and where every menu command goes.

#include "app/LoftSelector.h"
#include "app/MainDialog.h"
#include "app/MainMenu.h"
#include "register/ZakladkaListaPsow.h"
#include "storage/AppData.h"
#include "support/DbProbe.h"
#include "support/ModalDriver.h"
#include "support/ShellFixture.h"
#include "support/TestDataDir.h"
#include "ui/ExternalPrograms.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
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
        QVERIFY(m_dialog->Page(CMainDialog::TabStart)->isVisible());
        for (int tab = 1; tab < CMainDialog::TabCount; ++tab)
            QVERIFY(!m_dialog->Page(tab)->isVisible());
        QCOMPARE(LoftList()->count(), 0);
        QCOMPARE(CategoryList()->count(), 0);
        QCOMPARE(m_app->currentLoft, -1);
        QCOMPARE(m_app->currentCategory, -1);
        QCOMPARE(LoftCount()->text(), QString());
        QVERIFY(MessageBox::History().isEmpty());
        // Both files hold every table from the start, whichever window is opened first.
        const QString tables = u"SELECT count(*) FROM sqlite_master WHERE type = 'table';"_s;
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), tables), 12);
        QCOMPARE(DbProbe::Number(m_data->extraDb(), tables), 10);
        const auto colours = ModalDriver::OnNextModal([](QDialog* manager) {
            auto* name = manager->findChild<QLineEdit*>(u"newName"_s);
            name->setFocus();
            QTest::keyClicks(name, u"Niebieski"_s);
            QTest::mouseClick(manager->findChild<QPushButton*>(u"add"_s), Qt::LeftButton);
            manager->reject();
        });
        Trigger(CmdManageColours);
        QVERIFY(MessageBox::History().isEmpty());
        QCOMPARE(DbProbe::Text(m_data->extraDb(), u"SELECT nazwa FROM kolory;"_s), u"Niebieski"_s);
    }

    void unreadableFileIsNamed() {
        QVERIFY(QDir().mkpath(m_data->path() + u"/db"_s));
        QFile damaged(m_data->pigeonsDb());
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(4096, '\x5A'));
        damaged.close();
        Open();
        QCOMPARE(MessageBox::History().size(), 1);
        QVERIFY(MessageBox::History()[0].contains(u"could not be read"_s));
        QVERIFY(MessageBox::History()[0].contains(m_data->pigeonsDb()));
        QVERIFY(!MessageBox::History()[0].contains(u"saved"_s));
        QCOMPARE(LoftList()->count(), 0);
    }

    void firstLoftWithoutCategories() {
        ShellFixture::SeedLofts({{u"Pierwszy"_s, {}}, {u"Drugi z kategorią"_s, {u"Młode"_s}}});
        Open();
        QCOMPARE(Items(LoftList()), (QStringList{u"Pierwszy"_s, u"Drugi z kategorią"_s}));
        QCOMPARE(LoftList()->currentIndex(), 0);
        QCOMPARE(m_app->currentLoft, 0);
        QCOMPARE(CategoryList()->count(), 0);
        QCOMPARE(m_app->currentCategory, -1);
        QCOMPARE(PigeonList()->ShownCategory(), -1);
        QCOMPARE(LoftCount()->text(), u"(0)"_s);
    }

    void choosingALoftLoadsItsData() {
        ShellFixture::SeedLofts(
            {{u"Pierwszy"_s, {u"Stare"_s}}, {u"Drugi"_s, {u"Młode"_s, u"Lotowe"_s}}});
        AddPigeons(1, 2);
        AddPigeons(2, 3);
        Open();
        QCOMPARE(m_app->pigeons.size(), 2u);
        QCOMPARE(LoftCount()->text(), u"(2)"_s);
        QCOMPARE(PigeonList()->ShownLoft(), 0);
        QCOMPARE(PigeonList()->ShownCategory(), 0);

        Choose(LoftList(), 1);
        QCOMPARE(m_app->currentLoft, 1);
        QCOMPARE(m_app->pigeons.size(), 3u);
        for (const auto& [id, pigeon] : m_app->pigeons)
            QCOMPARE(pigeon.idLoft, 2);
        QCOMPARE(LoftCount()->text(), u"(3)"_s);
        QCOMPARE(Items(CategoryList()), (QStringList{u"Młode"_s, u"Lotowe"_s}));
        QCOMPARE(m_app->currentCategory, 0);
        QCOMPARE(PigeonList()->ShownLoft(), 1);

        Choose(CategoryList(), 1);
        QCOMPARE(m_app->currentCategory, 1);
        QCOMPARE(PigeonList()->ShownCategory(), 1);
    }

    void loftsFromTheMenu() {
        Open();
        // Three characters are refused with the loft message; four are taken.
        const auto step1 = ModalDriver::AnswerNameDialog(u"Abc"_s);
        Trigger(CmdAddNewLoft);
        QCOMPARE(MessageBox::History(), QStringList{u"Wprowadź nazwę hodowli"_s});
        QCOMPARE(MessageBox::Captions(), QStringList{u"Błąd"_s});
        QCOMPARE(LoftList()->count(), 0);
        const auto step2 = ModalDriver::AnswerNameDialog(u"Abcd"_s, u"pierwszy"_s);
        Trigger(CmdAddNewLoft);
        QCOMPARE(Items(LoftList()), QStringList{u"Abcd"_s});
        QCOMPARE(m_app->currentLoft, -1);                            // adding selects nothing
        const auto step3 = ModalDriver::AnswerNameDialog(u" Ab "_s); // blanks count as characters
        Trigger(CmdAddNewLoft);
        QCOMPARE(Items(LoftList()), (QStringList{u"Abcd"_s, u" Ab "_s}));

        // A name the database has already is not added; the user is told why.
        MessageBox::History().clear();
        const auto step4 = ModalDriver::AnswerNameDialog(u"Abcd"_s);
        Trigger(CmdAddNewLoft);
        QCOMPARE(LoftList()->count(), 2);
        QCOMPARE(m_app->lofts.size(), 2u);
        QCOMPARE(MessageBox::History(),
                 QStringList{u"A loft named \"Abcd\" exists already. Choose another name."_s});

        // Edit and delete need a current loft; after an edit none is current.
        {
            ModalDriver::NoDialogGuard guard;
            Trigger(CmdEditLoft);
            Trigger(CmdDeleteLoft);
            Trigger(CmdAddCategory);
            QCOMPARE(guard.dialogsSeen(), 0);
        }
        Choose(LoftList(), 0);
        const auto step5 = ModalDriver::AnswerNameDialog(u"Abcd zmieniony"_s, u"opis"_s);
        Trigger(CmdEditLoft);
        QCOMPARE(Items(LoftList()), (QStringList{u"Abcd zmieniony"_s, u" Ab "_s}));
        QCOMPARE(LoftList()->currentIndex(), -1);
        QCOMPARE(m_app->currentLoft, -1);
        QCOMPARE(DbProbe::Text(
                     m_data->pigeonsDb(),
                     u"SELECT opishodowli FROM hodowla WHERE nazwahodowli = 'Abcd zmieniony';"_s),
                 u"opis"_s);

        // Delete asks first; No keeps the loft.
        Choose(LoftList(), 1);
        MessageBox::SetNextAnswer(QMessageBox::No);
        Trigger(CmdDeleteLoft);
        QCOMPARE(LoftList()->count(), 2);
        QCOMPARE(MessageBox::Captions().last(), u"Are you sure?"_s);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        Trigger(CmdDeleteLoft);
        QCOMPARE(Items(LoftList()), QStringList{u"Abcd zmieniony"_s});
        QCOMPARE(m_app->currentLoft, -1);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM hodowla;"_s), 1);
    }

    void categoriesFromTheMenu() {
        ShellFixture::SeedLofts({{u"Gołębnik"_s, {u"Stare"_s}}});
        Open();
        const auto step6 = ModalDriver::AnswerNameDialog(u"Kat"_s);
        Trigger(CmdAddCategory);
        QCOMPARE(MessageBox::History(), QStringList{u"Wprowadź nazwę kategorii"_s});
        const auto step7 = ModalDriver::AnswerNameDialog(u"Młode"_s, u"2026"_s);
        Trigger(CmdAddCategory);
        QCOMPARE(Items(CategoryList()), (QStringList{u"Stare"_s, u"Młode"_s}));
        QCOMPARE(CategoryList()->currentIndex(), 0);
        QCOMPARE(m_app->lofts[0].categories.size(), 2u);

        Choose(CategoryList(), 1);
        const auto step8 = ModalDriver::AnswerNameDialog(u"Młode 2026"_s);
        Trigger(CmdEditCategory);
        QCOMPARE(Items(CategoryList()), (QStringList{u"Stare"_s, u"Młode 2026"_s}));
        QCOMPARE(m_app->currentCategory, 1);
        QCOMPARE(m_app->lofts[0].categories[1].name, u"Młode 2026"_s);

        MessageBox::SetNextAnswer(QMessageBox::Yes);
        Trigger(CmdDeleteCategory);
        QCOMPARE(Items(CategoryList()), QStringList{u"Stare"_s});
        QCOMPARE(m_app->currentCategory, -1);
        QCOMPARE(m_app->currentPigeon, -1);
        QCOMPARE(PigeonList()->ShownCategory(), -1);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM kategoria;"_s), 1);

        // Without a current category there is nothing to edit or delete.
        ModalDriver::NoDialogGuard guard;
        Trigger(CmdEditCategory);
        Trigger(CmdDeleteCategory);
        QCOMPARE(guard.dialogsSeen(), 0);
        QCOMPARE(CategoryList()->count(), 1);
    }

    void managerClosingMakesLoftZeroCurrent() {
        ShellFixture::SeedLofts(
            {{u"Pierwszy"_s, {u"Stare"_s, u"Młode"_s}}, {u"Drugi"_s, {u"Lotowe"_s}}});
        Open();
        Choose(LoftList(), 1);
        QCOMPARE(m_app->currentLoft, 1);
        const auto step9 = ModalDriver::OnNextModal([](QDialog* manager) { manager->reject(); });
        Trigger(CmdManageLofts);
        QCOMPARE(step9.DialogClass(), u"CZarzadzajHodowlami"_s);
        QCOMPARE(m_app->currentLoft, 0);
        QCOMPARE(m_app->currentCategory, 0);
        QCOMPARE(LoftList()->currentIndex(), 0);
        QCOMPARE(Items(CategoryList()), (QStringList{u"Stare"_s, u"Młode"_s}));
        QCOMPARE(PigeonList()->ShownLoft(), 0);
        QCOMPARE(PigeonList()->ShownCategory(), 0);
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

    void tabCaptions() {
        QFETCH(QPoint, point);
        QFETCH(int, tab);
        Open();
        m_dialog->SetActiveTab(CMainDialog::TabRaces);
        QTest::mouseClick(m_dialog->ClientArea(), Qt::LeftButton, {}, point);
        const int expected = tab < 0 ? int(CMainDialog::TabRaces) : tab;
        QCOMPARE(m_dialog->ActiveTab(), expected);
        for (int page = 0; page < CMainDialog::TabCount; ++page)
            QCOMPARE(m_dialog->Page(page)->isVisible(), page == expected);
    }

    void captionsStayPutWhenTheWindowResizes() {
        Open();
        const QRect before = m_dialog->CaptionRect(CMainDialog::TabRaces);
        m_dialog->resize(1600, 900);
        QCOMPARE(m_dialog->CaptionRect(CMainDialog::TabRaces), before);
        QCOMPARE(m_dialog->Page(0)->geometry(), m_dialog->PageRect());
        QCOMPARE(m_dialog->PageRect().topLeft(), QPoint(10, 110));
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

    void pageCommandsReachTheirPages() {
        Open();
        std::map<int, int> targets; // command id -> tab that performed it
        for (int tab = 0; tab < CMainDialog::TabCount; ++tab) {
            connect(m_dialog->Page(tab), &CTabPage::commandPerformed, this,
                    [&targets, tab, this] { targets[m_lastId] = tab; });
        }
        const std::map<int, int> expected{{CmdAddNewPigeon, 1},
                                          {CmdEditPigeon, 1},
                                          {CmdDeletePigeon, 1},
                                          {CmdMovePigeon, 1},
                                          {CmdRingSeries, 1},
                                          {CmdAddToList, 1},
                                          {CmdPrintList, 1},
                                          {CmdRemoveFromList, 1},
                                          {CmdPrintCategory, 1},
                                          {CmdPrintCategory2, 1},
                                          {CmdPrintIndividualList, 1},
                                          {CmdAddPair, 2},
                                          {CmdEditPair, 2},
                                          {CmdDeletePair, 2},
                                          {CmdAddSeason, 2},
                                          {CmdDeleteSeason, 2},
                                          {CmdAddChildren, 2},
                                          {CmdEditChild, 2},
                                          {CmdDeleteChild, 2},
                                          {CmdPrintPairingCard, 2},
                                          {CmdPrintPairingCard2, 2},
                                          {CmdAddTransaction, 3},
                                          {CmdEditTransaction, 3},
                                          {CmdDeleteTransaction, 3},
                                          {CmdAddRace, 4},
                                          {CmdEditRace, 4},
                                          {CmdDeleteRace, 4},
                                          {CmdAddFlyer, 4},
                                          {CmdEditFlyer, 4},
                                          {CmdDeleteFlyer, 4},
                                          {CmdBestPigeons, 4},
                                          {CmdBestPairs, 4}};
        ModalDriver::NoDialogGuard closesPrintWindows;
        for (const auto& [id, tab] : expected) {
            m_lastId = id;
            targets.clear();
            Trigger(id);
            // A command whose page does not carry it out yet is disabled, never silent.
            const bool handled = m_dialog->HasAction(id);
            QCOMPARE(Action(id)->isEnabled(), handled);
            QVERIFY2(handled ? targets.count(id) && targets[id] == tab : targets.empty(),
                     qPrintable(QString::number(id)));
        }
    }

    void shellCommandsOpenTheirWindows_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("manager") << int(CmdManageLofts) << u"CZarzadzajHodowlami"_s;
        QTest::newRow("add loft") << int(CmdAddNewLoft) << u"CDodajEdytujHodowle"_s;
        QTest::newRow("introduction") << int(CmdIntroduction) << u"CPomoc"_s;
        QTest::newRow("help topics") << int(CmdAllHelpTopics) << u"CPomoc"_s;
        QTest::newRow("about") << int(CmdAbout) << u"COprogramie"_s;
    }

    void shellCommandsOpenTheirWindows() {
        QFETCH(int, id);
        QFETCH(QString, dialog);
        Open();
        const auto step10 = ModalDriver::OnNextModal([](QDialog* d) { d->reject(); });
        Trigger(id);
        QCOMPARE(step10.DialogClass(), dialog);
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
        QVERIFY(FileDialog::Titles()[0].contains(u"VNBACKUP"_s));

        Trigger(CmdExitProgram);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QVERIFY(!m_dialog->isVisible());
    }

    void menuOffersOnlyWhatIsAvailable() {
        Open();
        QStringList menus;
        for (QAction* action : m_dialog->MenuBar()->actions())
            menus.append(action->text());
        QCOMPARE(menus, (QStringList{u"Database"_s, u"Lofts and Categories"_s, u"Pigeons List"_s,
                                     u"Pairing"_s, u"Races"_s, u"Transactions"_s, u"Clients"_s,
                                     u"Printing"_s, u"Tools"_s, u"Configuration"_s, u"Help"_s}));
        // Each menu asks again as it opens which of its entries have a window in this program.
        for (QMenu* menu : m_dialog->MenuBar()->findChildren<QMenu*>()) {
            Q_EMIT menu->aboutToShow();
            for (QAction* action : menu->actions())
                if (action->data().isValid())
                    QCOMPARE(action->isEnabled(), m_dialog->HasAction(action->data().toInt()));
        }
        QVERIFY(Action(CmdAddNewPigeon)->isEnabled());
        QVERIFY(Action(CmdManageColours)->isEnabled());
    }

private:
    void Open() { m_dialog = ShellFixture::OpenMainDialog(*m_app); }

    void AddPigeons(int loftId, int count) {
        AppData seed;
        seed.SelectLoft(loftId);
        for (int i = 0; i < count; ++i) {
            PigeonRecord pigeon;
            pigeon.idLoft = loftId;
            QVERIFY(seed.SavePigeon(-1, pigeon).ok());
        }
    }

    QAction* Action(int id) const { return m_dialog->findChild<QAction*>(u"action%1"_s.arg(id)); }
    void Trigger(int id) { Action(id)->trigger(); }
    QComboBox* LoftList() const { return m_dialog->findChild<QComboBox*>(u"loftList"_s); }
    QComboBox* CategoryList() const { return m_dialog->findChild<QComboBox*>(u"categoryList"_s); }
    QLabel* LoftCount() const { return m_dialog->findChild<QLabel*>(u"loftCount"_s); }
    CZakladkaListaPsow* PigeonList() const {
        return static_cast<CZakladkaListaPsow*>(m_dialog->Page(CMainDialog::TabPigeons));
    }

    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<AppData> m_app;
    std::unique_ptr<CMainDialog> m_dialog;
    QStringList m_launched;
    int m_lastId = 0;
};

QTEST_MAIN(TestMainDialog)
#include "tst_maindialog.moc"
