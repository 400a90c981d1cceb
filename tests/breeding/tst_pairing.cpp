// The pairing tab and its windows, opened the way a user opens them and driven with keys and
// clicks: pairs, their young, seasons, the pair editor's remark slots and the best pairs.

#include "app/MainDialog.h"
#include "app/MainMenu.h"
#include "app/ZakladkaStartowa.h"
#include "breeding/DodajEdytujPare.h"
#include "breeding/DodajPsaDoPary.h"
#include "breeding/DodajSezon.h"
#include "breeding/NajlepszePary.h"
#include "breeding/Pairing.h"
#include "breeding/RowTextModel.h"
#include "breeding/ZakladkaEdycjaPtaka.h"
#include "pedigree/DrukujKarteMiotu.h"
#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "storage/LocalTime.h"
#include "support/DbProbe.h"
#include "support/ModalDriver.h"
#include "support/ShellFixture.h"
#include "support/TestDataDir.h"
#include "ui/DateFields.h"
#include "ui/LongText.h"
#include "ui/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;
using Page = CZakladkaEdycjaPtaka;

namespace {

template <typename T> T* Child(QObject* parent, const QString& name) {
    T* child = parent->findChild<T*>(name);
    if (!child)
        QTest::qFail(qPrintable(u"No child "_s + name), __FILE__, __LINE__);
    return child;
}

// A step on the next modal dialog that checks it is the active window and, however the step
// ends, leaves no dialog open behind it.
ModalDriver::Expectation OnNextWindow(std::function<void(QDialog*)> step) {
    return ModalDriver::OnNextModal([step = std::move(step)](QDialog* dialog) {
        const auto close = qScopeGuard([dialog] {
            if (dialog->isVisible())
                dialog->reject();
        });
        // Offscreen there is no window manager to activate a new window, as a desktop does.
        dialog->activateWindow();
        if (!QTest::qWaitForWindowExposed(dialog) ||
            !QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }))
            QTest::qFail("The dialog is not the active window", __FILE__, __LINE__);
        step(dialog);
    });
}

void Click(QObject* parent, const QString& name) {
    QTest::mouseClick(Child<QWidget>(parent, name), Qt::LeftButton);
}

// Types a band number into the open pigeon chooser, picks the first match by keys and
// presses OK.
ModalDriver::Expectation PickInChooser(const QString& band) {
    return OnNextWindow([band](QDialog* chooser) {
        auto* search = Child<QLineEdit>(chooser, u"band"_s);
        search->setFocus();
        QTest::keyClicks(search, band);
        auto* list = Child<QListWidget>(chooser, u"candidates"_s);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        Click(chooser, u"ok"_s);
    });
}

QStringList Column(const RowTextModel* model, int column) {
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts.append(model->Text(row, column));
    return texts;
}

void TypeInto(QWidget* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

QString Band(int id) {
    return u"PL 0207 2024 %1"_s.arg(1000 + id);
}

} // namespace

class TestPairing : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { MessageBox::SetTestMode(true); }

    void init() {
        m_dir = std::make_unique<TestDataDir>();
        Seed();
        m_app = std::make_unique<AppData>();
        m_main = ShellFixture::OpenMainDialog(*m_app);
        QTest::mouseClick(m_main->ClientArea(), Qt::LeftButton, {},
                          m_main->CaptionRect(CMainDialog::TabPairing).center());
        m_page = static_cast<Page*>(m_main->Page(CMainDialog::TabPairing));
        QVERIFY(m_page->isVisible());
        MessageBox::History().clear();
        MessageBox::Captions().clear();
    }

    void cleanup() {
        m_main.reset();
        m_app.reset();
        m_dir.reset();
    }

    void addEditAndDeletePairs() {
        QCOMPARE(m_page->PairsModel()->rowCount(), 5);
        const auto editor = OnNextWindow([this](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), u"Pairing"_s);
            QCOMPARE(Child<QPushButton>(dialog, u"save"_s)->text(), u"Add Pair"_s);
            QVERIFY(Child<QLabel>(dialog, u"sireInformation"_s)
                        ->text()
                        .startsWith(u"Not sire is selected."_s));
            const auto sire = PickInChooser(u"1012"_s);
            Click(dialog, u"selectSire"_s);
            const auto dam = PickInChooser(u"1015"_s);
            Click(dialog, u"selectDam"_s);
            QCOMPARE(Child<ElidedLabel>(dialog, u"sireBand"_s)->text(), Band(12));
            QCOMPARE(Child<ElidedLabel>(dialog, u"damBand"_s)->text(), Band(15));
            auto* date = Child<DateFields>(dialog, u"datePaired"_s);
            TypeInto(date->DayEdit(), u"7"_s);
            TypeInto(date->MonthEdit(), u"4"_s);
            TypeInto(date->YearEdit(), u"2024"_s);
            auto* remarks = Child<QPlainTextEdit>(dialog, u"remarks"_s);
            QTest::keyClicks(remarks, u"Nowa para, 'probna' "_s);
            remarks->insertPlainText(u"<b>żółw</b>"_s);
            Click(dialog, u"save"_s);
            QVERIFY(!dialog->isVisible());
        });
        ShellFixture::MenuAction(*m_main, CmdAddPair)->trigger();
        QVERIFY(editor.Shown());
        // The new pair is appended, selected, stored once in memory and in the file.
        RowTextModel* pairs = m_page->PairsModel();
        QCOMPARE(pairs->rowCount(), 6);
        QCOMPARE(m_page->SelectedPair(), 5);
        QCOMPARE(pairs->Text(5, 1), Band(12));
        QVERIFY(pairs->Text(5, 3).startsWith(u"07/04/24, "_s));
        QCOMPARE(m_app->pairs.size(), 6u);
        const int newId = pairs->Key(5);
        QCOMPARE(DbProbe::Rows(m_dir->pigeonsDb(),
                               u"SELECT id_samca, id_samicy, uwagi, id_hodowli FROM pary "
                               u"WHERE id = %1;"_s.arg(newId)),
                 (std::vector<QStringList>{
                     {u"12"_s, u"15"_s, u"Nowa para, 'probna' <b>żółw</b>"_s, u"1"_s}}));

        // Edit the second pair, chosen with the keys.
        QTableView* view = m_page->PairsView();
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Home);
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(m_page->SelectedPair(), 1);
        const auto edit = OnNextWindow([](QDialog* dialog) {
            QCOMPARE(Child<QPushButton>(dialog, u"save"_s)->text(), u"Save"_s);
            QCOMPARE(Child<QPlainTextEdit>(dialog, u"remarks"_s)->toPlainText(), u"Para B"_s);
            TypeInto(Child<QPlainTextEdit>(dialog, u"remarks"_s), u"Para B po zmianie"_s);
            Click(dialog, u"save"_s);
        });
        QTest::mouseClick(m_page, Qt::LeftButton, {},
                          m_page->LinkRect(Page::EditPairLink).center());
        QVERIFY(edit.Shown());
        QCOMPARE(pairs->Text(1, 4), u"Para B po zmianie"_s);
        QCOMPARE(DbProbe::Text(m_dir->pigeonsDb(),
                               u"SELECT uwagi FROM pary WHERE id = %1;"_s.arg(m_pairB)),
                 u"Para B po zmianie"_s);
        QCOMPARE(m_page->ChildrenModel()->rowCount(), 2);

        // Deleting asks first; No keeps the pair.
        MessageBox::SetNextAnswer(QMessageBox::No);
        QTest::mouseClick(m_page, Qt::LeftButton, {},
                          m_page->LinkRect(Page::DeletePairLink).center());
        QCOMPARE(MessageBox::History().last(), u"Do you want delete current pair?"_s);
        QCOMPARE(MessageBox::Captions().last(), u"Are you sure?"_s);
        QCOMPARE(MessageBox::Icons().last(), QMessageBox::Warning);
        QCOMPARE(pairs->rowCount(), 6);
        // Yes takes the pair and its young's rows; the birds keep their parents.
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(m_page, Qt::LeftButton, {},
                          m_page->LinkRect(Page::DeletePairLink).center());
        QCOMPARE(pairs->rowCount(), 5);
        QCOMPARE(pairs->RowOfKey(m_pairB), -1);
        QCOMPARE(m_page->SelectedPair(), -1);
        QCOMPARE(m_page->ChildrenModel()->rowCount(), 0);
        QCOMPARE(m_app->pairs.size(), 5u);
        const QString db = m_dir->pigeonsDb();
        QCOMPARE(DbProbe::Number(db, u"SELECT count(*) FROM pary WHERE id = %1;"_s.arg(m_pairB)),
                 0);
        QCOMPARE(
            DbProbe::Number(db, u"SELECT count(*) FROM dzieci WHERE id_pary = %1;"_s.arg(m_pairB)),
            0);
        QCOMPARE(
            DbProbe::Rows(db, u"SELECT id, id_ojca, id_matki FROM pigeons WHERE id IN (3, 4);"_s),
            (std::vector<QStringList>{{u"3"_s, u"1"_s, u"2"_s}, {u"4"_s, u"1"_s, u"2"_s}}));
        QCOMPARE(m_app->FindPigeon(3).idSire, 1);
    }

    void seasonFilterListsTheSeasonsOfAllLofts() {
        QComboBox* seasons = m_page->Seasons();
        QCOMPARE(ShellFixture::Items(seasons),
                 (QStringList{u"All Pairs"_s, u"Wiosna 2025"_s, u"Lato"_s, u"Jesień"_s}));
        RowTextModel* pairs = m_page->PairsModel();
        seasons->setFocus();
        QTest::keyClick(seasons, Qt::Key_Down);
        // Paired at 00:30 of the first day: outside; at 01:30: inside; on the evening of the
        // last day: inside.
        QCOMPARE(Column(pairs, 4), (QStringList{u"Para B"_s, u"Para C"_s}));
        QVERIFY(m_page->DeleteSeasonButton()->isEnabled());
        // The season of the other loft filters this loft's pairs by its days all the same.
        QTest::keyClick(seasons, Qt::Key_Down);
        QCOMPARE(Column(pairs, 4), QStringList{u"Para D"_s});
        QTest::keyClick(seasons, Qt::Key_Home);
        QCOMPARE(pairs->rowCount(), 5);
        QVERIFY(!m_page->DeleteSeasonButton()->isEnabled());
    }

    void remarkSlotsAndRefusals() {
        const auto editor = OnNextWindow([this](QDialog* dialog) {
            auto* box = Child<QPlainTextEdit>(dialog, u"remarks"_s);
            auto* heading = Child<QLabel>(dialog, u"remarksHeading"_s);
            QCOMPARE(heading->text(), u"GENERAL REMARKS"_s);
            QTest::keyClicks(box, u"ogolne"_s);
            Click(dialog, u"nextSlot"_s);
            QCOMPARE(heading->text(), u"SIRE REMARKS"_s);
            QCOMPARE(box->toPlainText(), QString());
            QTest::keyClicks(box, u"ojciec"_s);
            Click(dialog, u"nextSlot"_s);
            QCOMPARE(heading->text(), u"DAM REMARKS"_s);
            QTest::keyClicks(box, u"matka"_s);
            Click(dialog, u"nextSlot"_s);
            QCOMPARE(heading->text(), u"GENERAL REMARKS"_s);
            QCOMPARE(box->toPlainText(), u"ogolne"_s);
            Click(dialog, u"previousSlot"_s);
            QCOMPARE(heading->text(), u"MOTHER REMARKS"_s);
            QCOMPARE(box->toPlainText(), u"matka"_s);

            // Neither bird chosen, the same bird twice, a day no calendar has: refused, open.
            Click(dialog, u"save"_s);
            QCOMPARE(MessageBox::History().last(), u"Sire is not selected."_s);
            auto* pairEditor = static_cast<CDodajEdytujPare*>(dialog);
            pairEditor->ShowSide(CDodajEdytujPare::Sire, 16);
            Click(dialog, u"save"_s);
            QCOMPARE(MessageBox::History().last(), u"Dam is not selected."_s);
            pairEditor->ShowSide(CDodajEdytujPare::Dam, 16);
            Click(dialog, u"save"_s);
            QVERIFY(MessageBox::History().last().contains(u"two different birds"_s));
            pairEditor->ShowSide(CDodajEdytujPare::Dam, 6);
            TypeInto(Child<DateFields>(dialog, u"datePaired"_s)->DayEdit(), u"32"_s);
            Click(dialog, u"save"_s);
            QVERIFY(MessageBox::History().last().contains(u"from 1 to 31"_s));
            QVERIFY(dialog->isVisible());
            TypeInto(Child<DateFields>(dialog, u"datePaired"_s)->DayEdit(), u"3"_s);
            Click(dialog, u"save"_s);
            QVERIFY(!dialog->isVisible());
        });
        QTest::mouseClick(m_page, Qt::LeftButton, {}, m_page->LinkRect(Page::AddPairLink).center());
        QVERIFY(editor.Shown());
        const int id = m_page->PairsModel()->Key(m_page->SelectedPair());
        QCOMPARE(
            DbProbe::Rows(m_dir->pigeonsDb(),
                          u"SELECT uwagi, not_ojciec, not_matka, id_samca, id_samicy FROM pary "
                          u"WHERE id = %1;"_s.arg(id)),
            (std::vector<QStringList>{{u"ogolne"_s, u"ojciec"_s, u"matka"_s, u"16"_s, u"6"_s}}));
    }

    void youngGetTheirPairsParents() {
        // Without a pair, "Add child" says what is missing.
        QTest::mouseClick(m_page, Qt::LeftButton, {},
                          m_page->LinkRect(Page::AddChildLink).center());
        QCOMPARE(MessageBox::History().last(),
                 u"Zou must select pair that you want to add child."_s);

        // The pair of cock 12 and hen 15 is the first row.
        QTest::mouseClick(
            m_page->PairsView()->viewport(), Qt::LeftButton, {},
            m_page->PairsView()->visualRect(m_page->PairsModel()->index(0, 1)).center());
        QCOMPARE(m_page->SelectedPair(), 0);
        const auto child = OnNextWindow([](QDialog* dialog) {
            QCOMPARE(Child<ElidedLabel>(dialog, u"pigeonBand"_s)->text(), u"N/A"_s);
            QCOMPARE(Child<QPushButton>(dialog, u"store"_s)->text(), u"Add pigeon to pair"_s);
            Click(dialog, u"store"_s);
            QCOMPARE(MessageBox::History().last(), u"Select pigeon"_s);
            // A bird of the pair cannot be its own young.
            const auto own = PickInChooser(u"1012"_s);
            Click(dialog, u"choosePigeon"_s);
            Click(dialog, u"store"_s);
            QVERIFY(MessageBox::History().last().contains(u"own young"_s));
            const auto young = PickInChooser(u"1016"_s);
            Click(dialog, u"choosePigeon"_s);
            QCOMPARE(Child<ElidedLabel>(dialog, u"pigeonBand"_s)->text(), Band(16));
            QTest::keyClicks(Child<QPlainTextEdit>(dialog, u"remarks"_s), u"obraczkowany 7 dnia"_s);
            Click(dialog, u"store"_s);
            QVERIFY(!dialog->isVisible());
        });
        QTest::mouseClick(m_page, Qt::LeftButton, {},
                          m_page->LinkRect(Page::AddChildLink).center());
        QVERIFY(child.Shown());
        QCOMPARE(Column(m_page->ChildrenModel(), 1), QStringList{Band(16)});
        QCOMPARE(m_page->ChildrenModel()->Text(0, 2), QString()); // a bird of unset sex
        QCOMPARE(DbProbe::Rows(m_dir->pigeonsDb(),
                               u"SELECT id_ojca, id_matki FROM pigeons WHERE id = 16;"_s),
                 (std::vector<QStringList>{{u"12"_s, u"15"_s}}));
        QCOMPARE(m_app->FindPigeon(16).idSire, 12);
        QCOMPARE(m_app->FindPigeon(16).idDam, 15);
        QCOMPARE(DbProbe::Rows(
                     m_dir->pigeonsDb(),
                     u"SELECT id_golebia, uwagi, id_hodowli FROM dzieci WHERE id_pary = %1;"_s.arg(
                         m_pairA)),
                 (std::vector<QStringList>{{u"16"_s, u"obraczkowany 7 dnia"_s, u"1"_s}}));

        // Deleting the child takes the link only: the bird and its parents stay.
        QTableView* children = m_page->ChildrenView();
        children->setFocus();
        QTest::keyClick(children, Qt::Key_Down);
        QCOMPARE(m_page->SelectedChild(), 0);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(m_page, Qt::LeftButton, {},
                          m_page->LinkRect(Page::DeleteChildLink).center());
        QCOMPARE(MessageBox::History().last(), u"Do you want delete selected child?"_s);
        QCOMPARE(MessageBox::Captions().last(), u"Are you sure?"_s);
        QCOMPARE(m_page->ChildrenModel()->rowCount(), 0);
        QCOMPARE(m_page->SelectedChild(), -1);
        QCOMPARE(DbProbe::Number(m_dir->pigeonsDb(),
                                 u"SELECT count(*) FROM dzieci WHERE id_pary = %1;"_s.arg(m_pairA)),
                 0);
        QCOMPARE(DbProbe::Rows(m_dir->pigeonsDb(),
                               u"SELECT id_ojca, id_matki FROM pigeons WHERE id = 16;"_s),
                 (std::vector<QStringList>{{u"12"_s, u"15"_s}}));
        QCOMPARE(m_app->FindPigeon(16).idDam, 15);
    }

    void listsFollowKeysAndClicks() {
        QTableView* pairs = m_page->PairsView();
        QTableView* children = m_page->ChildrenView();
        // Focus alone picks nothing; the first Down picks the first pair.
        pairs->setFocus();
        QCoreApplication::processEvents();
        QCOMPARE(m_page->SelectedPair(), -1);
        QTest::keyClick(pairs, Qt::Key_Down);
        QCOMPARE(m_page->SelectedPair(), 0);
        QCOMPARE(m_page->ChildrenModel()->rowCount(), 0);
        QTest::keyClick(pairs, Qt::Key_Down);
        QCOMPARE(Column(m_page->ChildrenModel(), 1), (QStringList{Band(3), Band(4)}));
        QTest::keyClick(pairs, Qt::Key_End);
        QCOMPARE(m_page->SelectedPair(), 4);
        QCOMPARE(Column(m_page->ChildrenModel(), 1), QStringList{Band(11)});
        QTest::keyClick(pairs, Qt::Key_Home);
        QCOMPARE(m_page->SelectedPair(), 0);
        // A click picks a pair; a click below the rows picks none.
        QTest::mouseClick(pairs->viewport(), Qt::LeftButton, {},
                          pairs->visualRect(m_page->PairsModel()->index(1, 2)).center());
        QCOMPARE(m_page->SelectedPair(), 1);
        QTest::mouseClick(children->viewport(), Qt::LeftButton, {},
                          children->visualRect(m_page->ChildrenModel()->index(1, 1)).center());
        QCOMPARE(m_page->SelectedChild(), 1);
        children->setFocus();
        QTest::keyClick(children, Qt::Key_Up);
        QCOMPARE(m_page->SelectedChild(), 0);
        QTest::mouseClick(pairs->viewport(), Qt::LeftButton, {},
                          QPoint(20, pairs->viewport()->height() - 5));
        QCOMPARE(m_page->SelectedPair(), -1);
        QCOMPARE(m_page->ChildrenModel()->rowCount(), 0);
        QCOMPARE(m_page->SelectedChild(), -1);
    }

    void seasonsNamedAndDeleted() {
        QComboBox* seasons = m_page->Seasons();
        seasons->setCurrentIndex(1);
        const auto refused = OnNextWindow([](QDialog* dialog) {
            auto* name = Child<QLineEdit>(dialog, u"name"_s);
            QTest::keyClicks(name, u"abc"_s);
            Click(dialog, u"addSeason"_s);
            QCOMPARE(MessageBox::History().last(), u"Wprowadź nazwę sezonu"_s);
            QVERIFY(dialog->isVisible());
            QTest::keyClicks(name, u"d"_s);
            auto* season = static_cast<CDodajSezon*>(dialog);
            TypeInto(season->Start()->DayEdit(), u"15"_s);
            TypeInto(season->Start()->MonthEdit(), u"1"_s);
            TypeInto(season->Start()->YearEdit(), u"2026"_s);
            TypeInto(season->End()->DayEdit(), u"20"_s);
            TypeInto(season->End()->MonthEdit(), u"7"_s);
            TypeInto(season->End()->YearEdit(), u"2026"_s);
            QTest::keyClick(name, Qt::Key_Return);
            QVERIFY(!dialog->isVisible());
        });
        QTest::mouseClick(m_page->AddSeasonButton(), Qt::LeftButton);
        QVERIFY(refused.Shown());
        // The new season is listed; the chosen filter stays chosen and in step.
        QCOMPARE(ShellFixture::Items(seasons).last(), u"abcd"_s);
        QCOMPARE(seasons->currentIndex(), 1);
        QCOMPARE(Column(m_page->PairsModel(), 4), (QStringList{u"Para B"_s, u"Para C"_s}));
        // Winter and summer days alike begin at 01:01:01 local time.
        QCOMPARE(DbProbe::Rows(m_dir->extraDb(),
                               u"SELECT DATA_B, DATA_E, id_hodowli FROM sezonylegowe WHERE Nazwa = "
                               u"'abcd';"_s),
                 (std::vector<QStringList>{{QString::number(ComposeLocalTime(2026, 1, 15, 1, 1, 1)),
                                            QString::number(ComposeLocalTime(2026, 7, 20, 1, 1, 1)),
                                            u"1"_s}}));

        // Deleting the second of the first three seasons keeps the filter in step.
        seasons->setFocus();
        QTest::keyClick(seasons, Qt::Key_Down);
        QCOMPARE(seasons->currentText(), u"Lato"_s);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(m_page->DeleteSeasonButton(), Qt::LeftButton);
        QCOMPARE(MessageBox::History().last(), u"Do you want delete selected season?"_s);
        QCOMPARE(MessageBox::Captions().last(), u"Are you sure"_s);
        QCOMPARE(ShellFixture::Items(seasons),
                 (QStringList{u"All Pairs"_s, u"Wiosna 2025"_s, u"Jesień"_s, u"abcd"_s}));
        QCOMPARE(seasons->currentIndex(), 0);
        QCOMPARE(m_page->PairsModel()->rowCount(), 5);
        QCOMPARE(DbProbe::Number(m_dir->extraDb(), u"SELECT count(*) FROM sezonylegowe;"_s), 3);
        QTest::keyClick(seasons, Qt::Key_Down);
        QTest::keyClick(seasons, Qt::Key_Down);
        QCOMPARE(seasons->currentText(), u"Jesień"_s);
        QCOMPARE(Column(m_page->PairsModel(), 4), QStringList{u"Para E"_s});
    }

    void bestPairsFromTheMenu() {
        QVERIFY(m_main->HasAction(CmdBestPairs));
        const auto best = OnNextWindow([this](QDialog* dialog) {
            auto* window = static_cast<CNajlepszePary*>(dialog);
            QCOMPARE(dialog->windowTitle(), u"Best Pairs in Loft"_s);
            RowTextModel* couples = window->PairsModel();
            // E's young average 4, B's 2 and 8 score 5, the rest never raced.
            QCOMPARE(Column(couples, 0), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}));
            QCOMPARE(Column(couples, 1),
                     (QStringList{Band(9), Band(1), Band(12), Band(5), Band(7)}));
            QCOMPARE(Child<ElidedLabel>(dialog, u"childBand"_s)->text(),
                     u"Select pigeon from list"_s);
            QTableView* list = window->PairsView();
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(window->ShownCouple(), 0);
            QCOMPARE(Child<ElidedLabel>(dialog, u"sireBand"_s)->text(), Band(9));
            QCOMPARE(Child<ElidedLabel>(dialog, u"damBand"_s)->text(), Band(10));
            QCOMPARE(window->ChildrenModel()->rowCount(), 1);
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(window->ChildrenModel()->rowCount(), 2);
            QCOMPARE(window->ChildrenModel()->Text(1, 0), Band(4));
            QCOMPARE(window->ChildrenModel()->Text(1, 2), u"8"_s);
            QTableView* young = window->ChildrenView();
            QTest::mouseClick(young->viewport(), Qt::LeftButton, {},
                              young->visualRect(window->ChildrenModel()->index(1, 0)).center());
            QCOMPARE(Child<ElidedLabel>(dialog, u"childBand"_s)->text(), Band(4));
            QCOMPARE(Child<QLabel>(dialog, u"childDescription"_s)->text(), u"Młody, szybki"_s);
            // A click beside the rows changes nothing.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              QPoint(20, list->viewport()->height() - 5));
            QCOMPARE(window->ShownCouple(), 1);
            QCOMPARE(Child<ElidedLabel>(dialog, u"childBand"_s)->text(), Band(4));
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        ShellFixture::MenuAction(*m_main, CmdBestPairs)->trigger();
        QCOMPARE(best.DialogClass(), u"CNajlepszePary"_s);
    }

    void printsAndFamilyTree() {
        // The card and the edit links wait for a pair.
        QVERIFY(!m_page->LinkEnabled(Page::PrintCardLink));
        m_page->SelectPair(1);
        const auto card = OnNextWindow(
            [](QDialog* dialog) { QCOMPARE(dialog->windowTitle(), u"Pairing Card"_s); });
        QTest::mouseClick(m_page, Qt::LeftButton, {},
                          m_page->LinkRect(Page::PrintCardLink).center());
        QCOMPARE(card.DialogClass(), u"CDrukujKarteMiotu"_s);

        const auto editor = OnNextWindow([](QDialog* dialog) {
            const auto tree = OnNextWindow(
                [](QDialog* shown) { QCOMPARE(shown->windowTitle(), u"Family Tree"_s); });
            Click(dialog, u"sireTree"_s);
            QCOMPARE(tree.DialogClass(), u"CDrzewoGenealogicznePsa"_s);
            static_cast<CDodajEdytujPare*>(dialog)->ShowSide(CDodajEdytujPare::Dam, 0);
            Click(dialog, u"damTree"_s);
            QCOMPARE(MessageBox::History().last(), u"Select dam to pair."_s);
        });
        ShellFixture::MenuAction(*m_main, CmdEditPair)->trigger();
        QVERIFY(editor.Shown());
    }

    void startPageLinkOpensTheEditor() {
        m_main->SetActiveTab(CMainDialog::TabStart);
        auto* start = static_cast<CZakladkaStartowa*>(m_main->Page(CMainDialog::TabStart));
        QVERIFY(start->LinkEnabled(1));
        const auto editor = OnNextWindow([](QDialog* dialog) {
            QCOMPARE(Child<QPushButton>(dialog, u"save"_s)->text(), u"Add Pair"_s);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::mouseClick(start, Qt::LeftButton, {}, start->LinkRects()[1].center());
        QCOMPARE(editor.DialogClass(), u"CDodajEdytujPare"_s);
        QCOMPARE(m_app->pairs.size(), 5u); // cancelled: nothing stored
    }

    void showingTheTabRefreshesAndKeepsTheChoice() {
        m_page->SelectPair(1);
        m_page->SelectChild(1);
        m_app->pigeons[1].name = u"Grom"_s; // as the pigeon editor stores a new name
        m_main->SetActiveTab(CMainDialog::TabPigeons);
        m_main->SetActiveTab(CMainDialog::TabPairing);
        QCOMPARE(m_page->PairsModel()->Text(1, 1), Band(1) + u" [Grom]"_s);
        QCOMPARE(m_page->SelectedPair(), 1);
        QCOMPARE(m_page->SelectedChild(), 1);
    }

    void failedWritesChangeNothing() {
        m_page->SelectPair(1);
        m_page->SelectChild(0);
        ReadOnlyFiles readOnly({m_dir->pigeonsDb(), m_dir->extraDb()});
        QVERIFY(readOnly.isReadOnly());
        const QString failure = u"The change could not be saved"_s;

        const auto editor = OnNextWindow([&failure](QDialog* dialog) {
            Click(dialog, u"save"_s);
            QVERIFY(MessageBox::History().last().startsWith(failure));
            QVERIFY(dialog->isVisible());
        });
        QTest::mouseClick(m_page, Qt::LeftButton, {},
                          m_page->LinkRect(Page::EditPairLink).center());
        QVERIFY(editor.Shown());
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        ShellFixture::MenuAction(*m_main, CmdDeletePair)->trigger();
        QVERIFY(MessageBox::History().last().startsWith(failure));
        QCOMPARE(m_page->PairsModel()->rowCount(), 5);
        QCOMPARE(m_app->pairs.size(), 5u);

        const auto child = OnNextWindow([&failure](QDialog* dialog) {
            static_cast<CDodajPsaDoPary*>(dialog)->ShowPigeon(16);
            Click(dialog, u"store"_s);
            QVERIFY(MessageBox::History().last().startsWith(failure));
            QVERIFY(dialog->isVisible());
        });
        ShellFixture::MenuAction(*m_main, CmdAddChildren)->trigger();
        QVERIFY(child.Shown());
        QCOMPARE(m_app->FindPigeon(16).idSire, 0);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        ShellFixture::MenuAction(*m_main, CmdDeleteChild)->trigger();
        QVERIFY(MessageBox::History().last().startsWith(failure));
        QCOMPARE(m_page->ChildrenModel()->rowCount(), 2);
        QCOMPARE(m_page->SelectedChild(), 0);

        const auto season = OnNextWindow([&failure](QDialog* dialog) {
            QTest::keyClicks(Child<QLineEdit>(dialog, u"name"_s), u"Zima 2027"_s);
            Click(dialog, u"addSeason"_s);
            QVERIFY(MessageBox::History().last().startsWith(failure));
            QVERIFY(dialog->isVisible());
        });
        ShellFixture::MenuAction(*m_main, CmdAddSeason)->trigger();
        QVERIFY(season.Shown());
        m_page->Seasons()->setCurrentIndex(2);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        ShellFixture::MenuAction(*m_main, CmdDeleteSeason)->trigger();
        QVERIFY(MessageBox::History().last().startsWith(failure));
        QCOMPARE(m_page->Seasons()->count(), 4);
        QCOMPARE(m_page->Seasons()->currentIndex(), 2);
        QCOMPARE(m_app->seasons.size(), 3u);
    }

    void longNamesKeepEveryWindowsSize() {
        const auto sizes = [this] {
            std::vector<QSize> shown;
            const PairRecord pair =
                *std::find_if(m_app->pairs.begin(), m_app->pairs.end(),
                              [this](const PairRecord& p) { return p.id == m_pairA; });
            CDodajEdytujPare editor(*m_app, CDodajEdytujPare::Mode::Edit, pair, m_main.get());
            CDodajPsaDoPary child(*m_app, pair, CDodajPsaDoPary::Mode::Add, {}, m_main.get());
            child.ShowPigeon(12);
            CDodajSezon season(*m_app, m_main.get());
            Child<QLineEdit>(&season, u"name"_s)->setText(m_app->seasons.back().name);
            CNajlepszePary best(*m_app, m_main.get());
            best.PairsView()->selectRow(2); // the couple of cock 12
            for (QDialog* dialog :
                 std::initializer_list<QDialog*>{&editor, &child, &season, &best}) {
                if (!ModalDriver::ShowFocused(dialog))
                    QTest::qFail("A window was not shown", __FILE__, __LINE__);
                shown.push_back(dialog->size());
                dialog->hide();
            }
            m_main->SetActiveTab(CMainDialog::TabPigeons);
            m_main->SetActiveTab(CMainDialog::TabPairing);
            m_page->Seasons()->setCurrentIndex(m_page->Seasons()->count() - 1);
            shown.push_back(m_main->size());
            shown.push_back(m_page->Seasons()->size());
            return shown;
        };
        const std::vector<QSize> before = sizes();
        const QString name =
            QString(u"Długie imię 'gołębia' <b>mistrza</b> "_s).repeated(9).left(300);
        PigeonRecord& bird = m_app->pigeons[12];
        bird.name = name;
        bird.shortDescription = name;
        QVERIFY(m_app->SavePigeon(12, bird).ok());
        SeasonRecord season = m_app->seasons.back();
        season.name = name;
        QVERIFY(m_app->AddSeason(season).ok());
        m_page->FillSeasons(0);
        QCOMPARE(sizes(), before);
    }

private:
    void Seed() {
        ShellFixture::SeedLofts({{u"Gołębnik"_s, {u"Lotowe"_s}}, {u"Druga"_s, {}}});
        AppData seed;
        QVERIFY(seed.SelectLoft(1).ok());
        // Birds 1..16 of loft 1: odd cocks, even hens, 12 a cock, 15 a hen, 16 of unset sex.
        for (int id = 1; id <= 16; ++id) {
            PigeonRecord p;
            p.idLoft = 1;
            p.country = u"PL"_s;
            p.branch = u"0207"_s;
            p.year = u"2024"_s;
            p.ringNumber = QString::number(1000 + id);
            p.sex = id == 16 ? 0 : (id == 12 || id % 2 == 1) && id != 15 ? 1 : 2;
            QVERIFY(seed.SavePigeon(-1, p).ok());
            QCOMPARE(p.id, id);
            QVERIFY(seed.AddCategoryLink(1, id).ok());
        }
        QVERIFY(seed.SetPigeonShortDescription(4, u"Młody, szybki"_s).ok());
        const auto pair = [&seed](int cock, int hen, qint64 paired, const QString& remarks,
                                  const std::vector<int>& young) {
            PairRecord p;
            p.idLoft = 1;
            p.idCock = cock;
            p.idHen = hen;
            p.datePaired = paired;
            p.remarks = remarks;
            if (!seed.SavePair(-1, p).ok())
                QTest::qFail("A pair could not be stored", __FILE__, __LINE__);
            for (int bird : young) {
                ChildRecord child{0, bird, p.id, 1, paired, QString()};
                if (!seed.SaveChildOfPair(-1, child, cock, hen).ok())
                    QTest::qFail("A young bird could not be stored", __FILE__, __LINE__);
            }
            return p.id;
        };
        m_pairA = pair(12, 15, ComposeLocalTime(2025, 3, 1, 0, 30, 0), u"Para A"_s, {});
        m_pairB = pair(1, 2, ComposeLocalTime(2025, 3, 1, 1, 30, 0), u"Para B"_s, {3, 4});
        pair(5, 6, ComposeLocalTime(2025, 6, 30, 18, 0, 0), u"Para C"_s, {});
        pair(7, 8, ComposeLocalTime(2025, 8, 1, 12, 0, 0), u"Para D"_s, {});
        pair(9, 10, ComposeLocalTime(2025, 11, 11, 11, 0, 0), u"Para E"_s, {11});
        const std::tuple<const char16_t*, int, QDate, QDate> seasons[] = {
            {u"Wiosna 2025", 1, QDate(2025, 3, 1), QDate(2025, 6, 30)},
            {u"Lato", 2, QDate(2025, 7, 1), QDate(2025, 9, 30)},
            {u"Jesień", 1, QDate(2025, 10, 1), QDate(2025, 12, 31)}};
        for (const auto& [name, loft, begin, end] : seasons) {
            SeasonRecord season{0,
                                loft,
                                QString::fromUtf16(name),
                                QString(),
                                ComposeLocalTime(begin.year(), begin.month(), begin.day(), 1, 1, 1),
                                ComposeLocalTime(end.year(), end.month(), end.day(), 1, 1, 1)};
            QVERIFY(seed.AddSeason(season).ok());
        }
        // One race: 11 (E's young) places 4th, 3 and 4 (B's) 2nd and 8th.
        RaceRecord race;
        race.id_hodowli = 1;
        race.odleglosckm = 300;
        race.czasodlotu = ComposeLocalTime(2025, 5, 10, 7, 0, 0);
        QVERIFY(seed.SaveRace(-1, race).ok());
        for (const auto& [bird, place] : {std::pair{11, 4}, {3, 2}, {4, 8}}) {
            FlyerRecord flyer;
            flyer.id_lotu = race.id;
            flyer.id_hodowli = 1;
            flyer.id_golebia = bird;
            flyer.nr_konkursu = place;
            flyer.DataCzasPrzylotu = race.czasodlotu + 5 * 3600 + place * 30;
            QVERIFY(seed.SaveFlyer(-1, flyer).ok());
        }
    }

    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppData> m_app;
    std::unique_ptr<CMainDialog> m_main;
    Page* m_page = nullptr;
    int m_pairA = 0;
    int m_pairB = 0;
};

QTEST_MAIN(TestPairing)
#include "tst_pairing.moc"
