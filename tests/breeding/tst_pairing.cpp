// SPDX-License-Identifier: GPL-3.0-or-later
// The pairing tab and its windows, opened the way a user opens them and driven with keys and
// clicks: pairs, their young, seasons, the pair editor's remark slots and the best pairs.

#include "app/MainDialog.h"
#include "app/MainMenu.h"
#include "app/ShippedFiles.h"
#include "breeding/DodajEdytujPare.h"
#include "breeding/DodajPsaDoPary.h"
#include "breeding/DodajSezon.h"
#include "breeding/NajlepszePary.h"
#include "breeding/TestMating.h"
#include "breeding/ZakladkaEdycjaPtaka.h"
#include "pedigree/DrukujRodowodGolebia.h"
#include "pedigree/DrzewoGenealogicznePsa.h"
#include "pedigree/PodgladHTML.h"
#include "storage/AppData.h"
#include "storage/LocalTime.h"
#include "storage/RowIdTableModel.h"
#include "support/BreedingFixture.h"
#include "support/DbProbe.h"
#include "support/ModalDriver.h"
#include "support/ShellFixture.h"
#include "support/TestDataDir.h"
#include "support/WidgetSteps.h"
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
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QToolTip>

using namespace Qt::StringLiterals;
using Page = CZakladkaEdycjaPtaka;

namespace {

// Types a band number into the open pigeon chooser, picks the first match by keys and
// presses OK.
ModalDriver::Expectation PickInChooser(const QString& band) {
    return OnNextWindow([band](QDialog* chooser) {
        auto* search = Find<QLineEdit>(chooser, u"band"_s);
        search->setFocus();
        QTest::keyClicks(search, band);
        QTest::keyClick(search, Qt::Key_Down); // into the list, on its first row
        Click(chooser, u"ok"_s);
    });
}

QStringList Column(const RowIdTableModel* model, int column) {
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts.append(model->CellText(row, column));
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

// The last message shown, or nothing.
QString LastMessage() {
    return MessageBox::History().isEmpty() ? QString() : MessageBox::History().last();
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
    }

    void cleanup() {
        m_main.reset();
        m_app.reset();
        m_dir.reset();
    }

    void addEditAndDeletePairs() {
        const auto editor = OnNextWindow([](QDialog* dialog) {
            // Neither bird chosen, the same bird twice, a day no calendar has: refused, open.
            Click(dialog, u"save"_s);
            QCOMPARE(LastMessage(), u"Sire is not selected."_s);
            const auto sire = PickInChooser(u"1012"_s);
            Click(dialog, u"selectSire"_s);
            QCOMPARE(Find<ElidedLabel>(dialog, u"sireBand"_s)->text(), Band(12));
            Click(dialog, u"save"_s);
            QCOMPARE(LastMessage(), u"Dam is not selected."_s);
            static_cast<CDodajEdytujPare*>(dialog)->ShowSide(CDodajEdytujPare::Dam, 12);
            Click(dialog, u"save"_s);
            QVERIFY(LastMessage().contains(u"two different birds"_s));
            const auto dam = PickInChooser(u"1015"_s);
            Click(dialog, u"selectDam"_s);
            QCOMPARE(Find<ElidedLabel>(dialog, u"damBand"_s)->text(), Band(15));
            auto* date = Find<DateFields>(dialog, u"datePaired"_s);
            TypeInto(date->DayEdit(), u"32"_s); // refused where it is typed
            QCOMPARE(QToolTip::text(), u"The day must be from 1 to 31."_s);
            TypeInto(date->DayEdit(), u"7"_s);
            TypeInto(date->MonthEdit(), u"4"_s);
            TypeInto(date->YearEdit(), u"2024"_s);

            // The three remark slots: ">>" three times comes back to the general remarks.
            auto* box = Find<QPlainTextEdit>(dialog, u"remarks"_s);
            auto* heading = Find<QLabel>(dialog, u"remarksHeading"_s);
            box->insertPlainText(u"<b>żółw</b> "_s);
            QStringList headings;
            for (const QString& text : {u"'ogolne'"_s, u"ojciec"_s, u"matka"_s}) {
                QTest::keyClicks(box, text);
                Click(dialog, u"nextSlot"_s);
                headings.append(heading->text());
            }
            QCOMPARE(box->toPlainText(), u"<b>żółw</b> 'ogolne'"_s);
            Click(dialog, u"previousSlot"_s);
            headings.append(heading->text());
            QCOMPARE(headings, (QStringList{u"SIRE REMARKS"_s, u"DAM REMARKS"_s,
                                            u"GENERAL REMARKS"_s, u"MOTHER REMARKS"_s}));
            QCOMPARE(box->toPlainText(), u"matka"_s);
            Click(dialog, u"save"_s);
            QVERIFY(!dialog->isVisible());
        });
        QTest::mouseClick(m_page, Qt::LeftButton, {}, m_page->LinkRect(Page::AddPairLink).center());
        QVERIFY(editor.Shown());
        // The new pair is appended, selected, stored once in memory and in the file.
        RowIdTableModel* pairs = m_page->PairsModel();
        QCOMPARE(pairs->rowCount(), 6);
        QCOMPARE(m_page->SelectedPair(), 5);
        QVERIFY(pairs->CellText(5, 3).startsWith(u"07/04/24, "_s));
        QCOMPARE(m_app->pairs.size(), 6u);
        const QString db = m_dir->pigeonsDb();
        QCOMPARE(DbProbe::Rows(db, u"SELECT id_samca, id_samicy, uwagi, not_ojciec, not_matka, "
                                   u"id_hodowli FROM pary WHERE id = %1;"_s.arg(pairs->IdAt(5))),
                 (std::vector<QStringList>{{u"12"_s, u"15"_s, u"<b>żółw</b> 'ogolne'"_s,
                                            u"ojciec"_s, u"matka"_s, u"1"_s}}));

        // Edit the second pair, chosen with the keys.
        QTableView* view = m_page->PairsView();
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Home);
        QTest::keyClick(view, Qt::Key_Down);
        const auto edit = OnNextWindow([](QDialog* dialog) {
            auto* remarks = Find<QPlainTextEdit>(dialog, u"remarks"_s);
            QCOMPARE(remarks->toPlainText(), u"Para B"_s);
            TypeInto(remarks, u"Para B po zmianie"_s);
            Click(dialog, u"save"_s);
        });
        QTest::mouseClick(m_page, Qt::LeftButton, {},
                          m_page->LinkRect(Page::EditPairLink).center());
        QVERIFY(edit.Shown());
        QCOMPARE(pairs->CellText(1, 4), u"Para B po zmianie"_s);
        QCOMPARE(DbProbe::Text(db, u"SELECT uwagi FROM pary WHERE id = %1;"_s.arg(m_pairB)),
                 u"Para B po zmianie"_s);
        QCOMPARE(m_page->ChildrenModel()->rowCount(), 2);

        // Deleting asks first; No keeps the pair.
        MessageBox::SetNextAnswer(QMessageBox::No);
        QTest::mouseClick(m_page, Qt::LeftButton, {},
                          m_page->LinkRect(Page::DeletePairLink).center());
        QCOMPARE(LastMessage(), u"Do you want delete current pair?"_s);
        QCOMPARE(pairs->rowCount(), 6);
        // Yes takes the pair and its young's rows; the birds keep their parents.
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(m_page, Qt::LeftButton, {},
                          m_page->LinkRect(Page::DeletePairLink).center());
        QCOMPARE(pairs->rowCount(), 5);
        QCOMPARE(pairs->RowOfId(m_pairB), -1);
        QCOMPARE(m_page->ChildrenModel()->rowCount(), 0);
        QCOMPARE(DbProbe::Number(
                     db, u"SELECT (SELECT count(*) FROM pary WHERE id = %1) + "
                         u"(SELECT count(*) FROM dzieci WHERE id_pary = %1);"_s.arg(m_pairB)),
                 0);
        QCOMPARE(
            DbProbe::Rows(db, u"SELECT id, id_ojca, id_matki FROM pigeons WHERE id IN (3, 4);"_s),
            (std::vector<QStringList>{{u"3"_s, u"1"_s, u"2"_s}, {u"4"_s, u"1"_s, u"2"_s}}));
    }

    void youngGetTheirPairsParents() {
        // Without a pair, "Add child" says what is missing.
        QTest::mouseClick(m_page, Qt::LeftButton, {},
                          m_page->LinkRect(Page::AddChildLink).center());
        QCOMPARE(LastMessage(), u"Zou must select pair that you want to add child."_s);

        // The pair of cock 12 and hen 15 is the first row.
        QTest::mouseClick(
            m_page->PairsView()->viewport(), Qt::LeftButton, {},
            m_page->PairsView()->visualRect(m_page->PairsModel()->index(0, 1)).center());
        const auto child = OnNextWindow([](QDialog* dialog) {
            Click(dialog, u"store"_s);
            QCOMPARE(LastMessage(), u"Select pigeon"_s);
            // A bird of the pair cannot be its own young.
            const auto own = PickInChooser(u"1012"_s);
            Click(dialog, u"choosePigeon"_s);
            Click(dialog, u"store"_s);
            QVERIFY(LastMessage().contains(u"own young"_s));
            const auto young = PickInChooser(u"1016"_s);
            Click(dialog, u"choosePigeon"_s);
            QCOMPARE(Find<ElidedLabel>(dialog, u"pigeonBand"_s)->text(), Band(16));
            QTest::keyClicks(Find<QPlainTextEdit>(dialog, u"remarks"_s), u"obraczkowany 7 dnia"_s);
            Click(dialog, u"store"_s);
            QVERIFY(!dialog->isVisible());
        });
        QTest::mouseClick(m_page, Qt::LeftButton, {},
                          m_page->LinkRect(Page::AddChildLink).center());
        QVERIFY(child.Shown());
        QCOMPARE(Column(m_page->ChildrenModel(), 1), QStringList{Band(16)});
        const QString db = m_dir->pigeonsDb();
        const QString parents = u"SELECT id_ojca, id_matki FROM pigeons WHERE id = 16;"_s;
        QCOMPARE(DbProbe::Rows(db, parents), (std::vector<QStringList>{{u"12"_s, u"15"_s}}));
        QCOMPARE(m_app->FindPigeon(16).idSire, 12);
        QCOMPARE(m_app->FindPigeon(16).idDam, 15);
        QCOMPARE(DbProbe::Rows(db, u"SELECT id_golebia, uwagi, id_hodowli FROM dzieci WHERE "
                                   u"id_pary = %1;"_s.arg(m_pairA)),
                 (std::vector<QStringList>{{u"16"_s, u"obraczkowany 7 dnia"_s, u"1"_s}}));

        // Deleting the child takes the link only: the bird and its parents stay.
        QTableView* children = m_page->ChildrenView();
        children->setFocus();
        QTest::keyClick(children, Qt::Key_Down);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(m_page, Qt::LeftButton, {},
                          m_page->LinkRect(Page::DeleteChildLink).center());
        QCOMPARE(LastMessage(), u"Do you want delete selected child?"_s);
        QCOMPARE(m_page->ChildrenModel()->rowCount(), 0);
        QCOMPARE(m_page->SelectedChild(), -1);
        QCOMPARE(
            DbProbe::Number(db, u"SELECT count(*) FROM dzieci WHERE id_pary = %1;"_s.arg(m_pairA)),
            0);
        QCOMPARE(DbProbe::Rows(db, parents), (std::vector<QStringList>{{u"12"_s, u"15"_s}}));
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
        QCOMPARE(Column(m_page->ChildrenModel(), 1), QStringList{Band(11)});
        QTest::keyClick(pairs, Qt::Key_Home);
        QCOMPARE(m_page->SelectedPair(), 0);
        // A click picks a pair and a child, the keys another child.
        QTest::mouseClick(pairs->viewport(), Qt::LeftButton, {},
                          pairs->visualRect(m_page->PairsModel()->index(1, 2)).center());
        QCOMPARE(m_page->SelectedPair(), 1);
        QTest::mouseClick(children->viewport(), Qt::LeftButton, {},
                          children->visualRect(m_page->ChildrenModel()->index(1, 1)).center());
        QCOMPARE(m_page->SelectedChild(), 1);
        children->setFocus();
        QTest::keyClick(children, Qt::Key_Up);
        QCOMPARE(m_page->SelectedChild(), 0);

        // Coming back to the tab shows what changed meanwhile and keeps the choice.
        m_app->pigeons[1].name = u"Grom"_s; // as the pigeon editor stores a new name
        m_main->SetActiveTab(CMainDialog::TabPigeons);
        m_main->SetActiveTab(CMainDialog::TabPairing);
        QCOMPARE(m_page->PairsModel()->CellText(1, 1), Band(1) + u" [Grom]"_s);
        QCOMPARE(m_page->SelectedPair(), 1);
        QCOMPARE(m_page->SelectedChild(), 0);

        // A click below the rows picks none.
        QTest::mouseClick(pairs->viewport(), Qt::LeftButton, {},
                          QPoint(20, pairs->viewport()->height() - 5));
        QCOMPARE(m_page->SelectedPair(), -1);
        QCOMPARE(m_page->ChildrenModel()->rowCount(), 0);
        QCOMPARE(m_page->SelectedChild(), -1);
    }

    void seasonsFilterAreAddedAndDeleted() {
        QComboBox* seasons = m_page->Seasons();
        RowIdTableModel* pairs = m_page->PairsModel();
        QCOMPARE(ShellFixture::Items(seasons),
                 (QStringList{u"All Pairs"_s, u"Wiosna 2025"_s, u"Lato"_s, u"Jesień"_s}));
        // The season of the other loft filters this loft's pairs by its days all the same.
        seasons->setFocus();
        QTest::keyClick(seasons, Qt::Key_End);
        QTest::keyClick(seasons, Qt::Key_Up);
        QCOMPARE(Column(pairs, 4), QStringList{u"Para D"_s});
        // Paired at 00:30 of the first day: outside; at 01:30: inside; on the evening of the
        // last day: inside.
        QTest::keyClick(seasons, Qt::Key_Up);
        QCOMPARE(Column(pairs, 4), (QStringList{u"Para B"_s, u"Para C"_s}));

        const auto dialog = OnNextWindow([](QDialog* shown) {
            auto* name = Find<QLineEdit>(shown, u"name"_s);
            QTest::keyClicks(name, u"abc"_s);
            Click(shown, u"addSeason"_s);
            QCOMPARE(LastMessage(), u"Wprowadź nazwę sezonu"_s);
            QVERIFY(shown->isVisible());
            QTest::keyClicks(name, u"d"_s);
            auto* season = static_cast<CDodajSezon*>(shown);
            TypeInto(season->Start()->DayEdit(), u"15"_s);
            TypeInto(season->Start()->MonthEdit(), u"1"_s);
            TypeInto(season->Start()->YearEdit(), u"2026"_s);
            TypeInto(season->End()->DayEdit(), u"20"_s);
            TypeInto(season->End()->MonthEdit(), u"7"_s);
            TypeInto(season->End()->YearEdit(), u"2026"_s);
            QTest::keyClick(name, Qt::Key_Return);
            QVERIFY(!shown->isVisible());
        });
        QTest::mouseClick(m_page->AddSeasonButton(), Qt::LeftButton);
        QVERIFY(dialog.Shown());
        // The new season is listed; the chosen filter stays chosen and in step.
        QCOMPARE(ShellFixture::Items(seasons).last(), u"abcd"_s);
        QCOMPARE(seasons->currentIndex(), 1);
        QCOMPARE(Column(pairs, 4), (QStringList{u"Para B"_s, u"Para C"_s}));
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
        QCOMPARE(LastMessage(), u"Do you want delete selected season?"_s);
        QCOMPARE(ShellFixture::Items(seasons),
                 (QStringList{u"All Pairs"_s, u"Wiosna 2025"_s, u"Jesień"_s, u"abcd"_s}));
        QCOMPARE(seasons->currentIndex(), 0);
        QCOMPARE(pairs->rowCount(), 5);
        QVERIFY(!m_page->DeleteSeasonButton()->isEnabled());
        QCOMPARE(DbProbe::Number(m_dir->extraDb(), u"SELECT count(*) FROM sezonylegowe;"_s), 3);
        QTest::keyClick(seasons, Qt::Key_Down);
        QTest::keyClick(seasons, Qt::Key_Down);
        QCOMPARE(seasons->currentText(), u"Jesień"_s);
        QCOMPARE(Column(pairs, 4), QStringList{u"Para E"_s});
    }

    void bestPairsFromTheMenu() {
        const auto best = OnNextWindow([](QDialog* dialog) {
            auto* window = static_cast<CNajlepszePary*>(dialog);
            RowIdTableModel* couples = window->PairsModel();
            // E's young average 4, B's 2 and 8 score 5, the rest never raced.
            QCOMPARE(Column(couples, 0), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}));
            QCOMPARE(Column(couples, 1),
                     (QStringList{Band(9), Band(1), Band(12), Band(5), Band(7)}));
            QTableView* list = window->PairsView();
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(Find<ElidedLabel>(dialog, u"damBand"_s)->text(), Band(10));
            QCOMPARE(window->ChildrenModel()->rowCount(), 1);
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(window->ChildrenModel()->CellText(1, 0), Band(4));
            QCOMPARE(window->ChildrenModel()->CellText(1, 2), u"8"_s);
            QTableView* young = window->ChildrenView();
            QTest::mouseClick(young->viewport(), Qt::LeftButton, {},
                              young->visualRect(window->ChildrenModel()->index(1, 0)).center());
            QCOMPARE(Find<ElidedLabel>(dialog, u"childBand"_s)->text(), Band(4));
            QCOMPARE(Find<QLabel>(dialog, u"childDescription"_s)->text(), u"Młody, szybki"_s);
            // A click beside the rows changes nothing.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              QPoint(20, list->viewport()->height() - 5));
            QCOMPARE(window->ShownPair(), window->Couples()[1].pair.id);
            QCOMPARE(Find<ElidedLabel>(dialog, u"childBand"_s)->text(), Band(4));
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        ShellFixture::MenuAction(*m_main, CmdBestPairs)->trigger();
        QCOMPARE(best.DialogClass(), u"CNajlepszePary"_s);
    }

    void printsAndFamilyTree() {
        QVERIFY(!m_page->LinkEnabled(Page::PrintCardLink)); // it waits for a pair
        m_page->SelectPair(1);
        const auto card = OnNextWindow([](QDialog*) {});
        QTest::mouseClick(m_page, Qt::LeftButton, {},
                          m_page->LinkRect(Page::PrintCardLink).center());
        QCOMPARE(card.DialogClass(), u"CDrukujKarteMiotu"_s);

        const auto editor = OnNextWindow([](QDialog* dialog) {
            const auto tree = OnNextWindow([](QDialog* shown) {
                QCOMPARE(static_cast<CDrzewoGenealogicznePsa*>(shown)->Birds()[TreeSubject].id, 1);
            });
            Click(dialog, u"sireTree"_s);
            QVERIFY(tree.Shown());
            static_cast<CDodajEdytujPare*>(dialog)->ShowSide(CDodajEdytujPare::Dam, 0);
            Click(dialog, u"damTree"_s);
            QCOMPARE(LastMessage(), u"Select dam to pair."_s);
        });
        ShellFixture::MenuAction(*m_main, CmdEditPair)->trigger();
        QVERIFY(editor.Shown());
    }

    // 5 and 6 are half sibs through 17, a cock of the other loft: their young would have an F
    // of 12.5 %. The window is opened from the side panel, the menu and the pair editor.
    void testMating() {
        QCOMPARE(Column(m_page->PairsModel(), 5),
                 (QStringList{u"0.00"_s, u"0.00"_s, u"12.50"_s, u"0.00"_s, u"0.00"_s}));
        const auto window = OnNextWindow([](QDialog* dialog) {
            const auto text = [dialog](const QString& name) {
                return Find<QLabel>(dialog, name)->text();
            };
            QVERIFY(!Find<QPushButton>(dialog, u"preview"_s)->isEnabled());
            const auto cock = PickInChooser(u"1005"_s);
            Click(dialog, u"cockSelect"_s);
            const auto hen = PickInChooser(u"1006"_s);
            Click(dialog, u"henSelect"_s);
            QCOMPARE(text(u"cockBand"_s), Band(5));
            QCOMPARE(text(u"inbreeding"_s), u"F of the young: 12.50 %"_s);
            QCOMPARE(text(u"relationship"_s), u"Relationship of the parents (r): 25.00 %"_s);
            const MatingReport& report = static_cast<CTestMating*>(dialog)->Report();
            QCOMPARE(report.ancestors.size(), 1u);
            QCOMPARE(report.ancestors[0].id, 17);
            auto* page = Find<QTextBrowser>(dialog, u"page"_s);
            QVERIFY(page->toPlainText().contains(Band(17) + u" [1]"_s));
            // Fewer generations than the half sibs' common sire: nothing in common.
            auto* depth = Find<QSpinBox>(dialog, u"depth"_s);
            depth->setFocus();
            for (int i = 0; i < 9; ++i)
                QTest::keyClick(depth, Qt::Key_Down);
            QCOMPARE(text(u"inbreeding"_s), u"F of the young: 0.00 %"_s);
            QTest::keyClick(depth, Qt::Key_Up);
            QCOMPARE(text(u"inbreeding"_s), u"F of the young: 12.50 %"_s);
            // A bird of unset sex is offered on both sides, but not twice.
            const auto unset = PickInChooser(u"1016"_s);
            Click(dialog, u"henSelect"_s);
            const auto twice = PickInChooser(u"1016"_s);
            Click(dialog, u"cockSelect"_s);
            QVERIFY(LastMessage().contains(u"two different birds"_s));
            QCOMPARE(text(u"cockBand"_s), Band(5));
            const auto preview = OnNextWindow([](QDialog* shown) {
                const QString html = static_cast<CPodgladHTML*>(shown)->Browser()->toHtml();
                QVERIFY(html.contains(u"Test mating"_s));
                QVERIFY(html.contains(Band(16)));
            });
            Click(dialog, u"preview"_s);
            QVERIFY(preview.Shown());
        });
        QTest::mouseClick(m_page, Qt::LeftButton, {},
                          m_page->LinkRect(Page::TestMatingLink).center());
        QVERIFY(window.Shown());

        const auto fromMenu = OnNextWindow([](QDialog* dialog) {
            QCOMPARE(Find<QLabel>(dialog, u"inbreeding"_s)->text(), u"F of the young: -"_s);
        });
        ShellFixture::MenuAction(*m_main, CmdTestMating)->trigger();
        QVERIFY(fromMenu.Shown());

        // The pair editor shows the figure as the birds are chosen and opens the window with them.
        m_page->SelectPair(2);
        const auto editor = OnNextWindow([](QDialog* dialog) {
            QCOMPARE(Find<QLabel>(dialog, u"matingInbreeding"_s)->text(),
                     u"Inbreeding of the young (F): 12.50 %"_s);
            const auto dam = PickInChooser(u"1002"_s);
            Click(dialog, u"selectDam"_s);
            QCOMPARE(Find<QLabel>(dialog, u"matingInbreeding"_s)->text(),
                     u"Inbreeding of the young (F): 0.00 %"_s);
            const auto mating = OnNextWindow([](QDialog* shown) {
                QCOMPARE(static_cast<CTestMating*>(shown)->Chosen(CTestMating::Hen), 2);
                QCOMPARE(static_cast<CTestMating*>(shown)->Chosen(CTestMating::Cock), 5);
            });
            Click(dialog, u"testMating"_s);
            QVERIFY(mating.Shown());
        });
        ShellFixture::MenuAction(*m_main, CmdEditPair)->trigger();
        QVERIFY(editor.Shown());

        // The pedigree of 13, a son of the full sibs 3 and 4, marks their parents 1 and 2.
        QVERIFY(InstallShippedFiles());
        CDrukujRodowodGolebia pedigree(*m_app, m_app->pigeons[13], m_main.get());
        QVERIFY(ModalDriver::ShowFocused(&pedigree));
        Click(&pedigree, u"markCommon"_s);
        const auto marked = OnNextWindow([](QDialog* shown) {
            const QString html = static_cast<CPodgladHTML*>(shown)->Browser()->toHtml();
            QVERIFY(static_cast<CPodgladHTML*>(shown)->Browser()->toPlainText().contains(
                Band(1) + u" [1]"_s));
            QVERIFY(html.contains(u"#ffe08a"_s, Qt::CaseInsensitive));
        });
        Click(&pedigree, u"print"_s);
        QVERIFY(marked.Shown());
    }

    void failedWritesChangeNothing() {
        m_page->SelectPair(1);
        m_page->SelectChild(0);
        ReadOnlyFiles readOnly({m_dir->pigeonsDb(), m_dir->extraDb()});
        QVERIFY(readOnly.isReadOnly());
        const auto failed = [] {
            return LastMessage().startsWith(u"The change could not be saved"_s);
        };
        // Each dialog shows the failure and stays open.
        for (int command : {CmdEditPair, CmdAddChildren, CmdAddSeason}) {
            MessageBox::History().clear();
            const auto step = OnNextWindow([&failed](QDialog* dialog) {
                if (auto* child = qobject_cast<CDodajPsaDoPary*>(dialog))
                    child->ShowPigeon(16);
                if (auto* name = dialog->findChild<QLineEdit*>(u"name"_s))
                    name->setText(u"Zima 2027"_s);
                QTest::keyClick(dialog, Qt::Key_Return);
                QVERIFY(failed());
                QVERIFY(dialog->isVisible());
            });
            ShellFixture::MenuAction(*m_main, command)->trigger();
            QVERIFY(step.Shown());
        }
        // Each deletion shows it and leaves the lists as they were (the store keeps memory).
        const auto deletionFails = [this, &failed](int command) {
            MessageBox::History().clear();
            MessageBox::SetNextAnswer(QMessageBox::Yes);
            ShellFixture::MenuAction(*m_main, command)->trigger();
            return failed();
        };
        QVERIFY(deletionFails(CmdDeletePair));
        QVERIFY(deletionFails(CmdDeleteChild));
        QCOMPARE(m_page->PairsModel()->rowCount(), 5);
        QCOMPARE(m_page->ChildrenModel()->rowCount(), 2);
        QCOMPARE(m_page->SelectedChild(), 0);
        m_page->Seasons()->setCurrentIndex(2);
        QVERIFY(deletionFails(CmdDeleteSeason));
        QCOMPARE(m_page->Seasons()->count(), 4);
        QCOMPARE(m_page->Seasons()->currentIndex(), 2);
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
            Find<QLineEdit>(&season, u"name"_s)->setText(m_app->seasons.back().name);
            CNajlepszePary best(*m_app, m_main.get());
            best.PairsView()->selectRow(2); // the couple of cock 12
            CTestMating mating(*m_app, 12, 15, m_main.get());
            for (QDialog* dialog :
                 std::initializer_list<QDialog*>{&editor, &child, &season, &best, &mating}) {
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

    // Tab walks the pair editor as it is laid out: the choices, the date, the remarks; the "..."
    // button of the child window has a name a screen reader can say.
    void pairEditorTabOrder() {
        QStringList walked;
        const auto editor = OnNextWindow([&](QDialog*) {
            walked << QApplication::focusWidget()->objectName();
            for (int i = 0; i < 11; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                walked << QApplication::focusWidget()->objectName();
            }
        });
        QVERIFY(ModalDriver::ShowFocused(m_main.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(walked.join(u' '), u"selectSire selectDam sireTree damTree testMating day month "
                                    u"year calendarButton previousSlot nextSlot remarks"_s);
        CDodajPsaDoPary child(*m_app, PairRecord{}, CDodajPsaDoPary::Mode::Add, {}, m_main.get());
        QCOMPARE(Find<QWidget>(&child, u"choosePigeon"_s)->accessibleName(), u"Choose pigeon"_s);
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
            QVERIFY(seed.SavePigeon(-1, p).ok() && p.id == id);
            QVERIFY(seed.AddCategoryLink(1, id).ok());
        }
        QVERIFY(seed.SetPigeonShortDescription(4, u"Młody, szybki"_s).ok());
        // 17, a cock of the other loft, sired 5 and 6; 13 is a son of 3 and 4.
        PigeonRecord other;
        other.idLoft = 2;
        other.country = u"PL"_s;
        other.branch = u"0207"_s;
        other.year = u"2024"_s;
        other.ringNumber = u"1017"_s;
        other.sex = 1;
        QVERIFY(seed.SavePigeon(-1, other).ok() && other.id == 17);
        QVERIFY(seed.SetPigeonParents(5, 17, 0).ok() && seed.SetPigeonParents(6, 17, 0).ok());
        QVERIFY(seed.SetPigeonParents(13, 3, 4).ok());
        using namespace BreedingFixture;
        m_pairA = StorePair(seed, 1, 12, 15, ComposeLocalTime(2025, 3, 1, 0, 30, 0), u"Para A"_s);
        m_pairB =
            StorePair(seed, 1, 1, 2, ComposeLocalTime(2025, 3, 1, 1, 30, 0), u"Para B"_s, {3, 4});
        StorePair(seed, 1, 5, 6, ComposeLocalTime(2025, 6, 30, 18, 0, 0), u"Para C"_s);
        StorePair(seed, 1, 7, 8, ComposeLocalTime(2025, 8, 1, 12, 0, 0), u"Para D"_s);
        StorePair(seed, 1, 9, 10, ComposeLocalTime(2025, 11, 11, 11, 0, 0), u"Para E"_s, {11});
        StoreSeason(seed, 1, u"Wiosna 2025"_s, {2025, 3, 1}, {2025, 6, 30});
        StoreSeason(seed, 2, u"Lato"_s, {2025, 7, 1}, {2025, 9, 30});
        StoreSeason(seed, 1, u"Jesień"_s, {2025, 10, 1}, {2025, 12, 31});
        // One race: 11 (E's young) places 4th, 3 and 4 (B's) 2nd and 8th.
        StoreRace(seed, 1, ComposeLocalTime(2025, 5, 10, 7, 0, 0), {{11, 4}, {3, 2}, {4, 8}});
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
