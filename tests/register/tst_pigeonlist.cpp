// SPDX-License-Identifier: GPL-3.0-or-later
// The pigeon list tab: filling from a category, the cells, selection, delete and the print list;
// the pigeon chooser, moving and copying between categories, and the lookup managers.

#include "app/MainDialog.h"
#include "app/MainMenu.h"
#include "breeding/NajlepszePary.h"
#include "racing/NajlepszeGolebie.h"
#include "register/ChooserCandidates.h"
#include "register/DodajGolebia.h"
#include "register/LookupListDialog.h"
#include "register/PodgladZdjec.h"
#include "register/PreviewPages.h"
#include "register/PrzeniesPsa.h"
#include "register/WybierzPsaZListy.h"
#include "register/ZakladkaListaPsow.h"
#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "storage/InstallDir.h"
#include "storage/RowIdTableModel.h"
#include "support/DbProbe.h"
#include "support/ModalDriver.h"
#include "support/ShellFixture.h"
#include "support/TestDataDir.h"
#include "support/WidgetSteps.h"
#include "trade/TradeTexts.h"
#include "ui/ListSelection.h"
#include "ui/MessageBox.h"
#include "ui/PictureBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStyle>
#include <QTableView>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;
using ShellFixture::Items;

class TestPigeonList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { MessageBox::SetTestMode(true); }

    void init() {
        m_data = std::make_unique<TestDataDir>();
        QVERIFY(PrepareInstallDir());
        ShellFixture::SeedLofts({{u"Gołębnik"_s, {u"Lotowe"_s, u"Rozpłodowe"_s, u"Puste"_s}}});
        AppData seed;
        QVERIFY(seed.SelectLoft(1).ok());
        int colour = 0;
        QVERIFY(seed.AddLookup(Lookup::Colours, 1, u"Niebieski"_s, &colour).ok());
        m_ids.clear();
        for (int i = 0; i < 5; ++i) {
            PigeonRecord p;
            p.idLoft = 1;
            p.country = u"PL"_s;
            p.branch = u"0207"_s;
            p.year = u"2025"_s;
            p.ringNumber = QString::number(100 + i);
            p.sex = i % 3; // 0, 1, 2
            p.idColour = i == 1 ? colour : 0;
            p.notesGeneral = i == 0 ? u"Bardzo szybki lotnik z Łodzi"_s : u"krótko"_s;
            p.idSire = i >= 2 ? m_ids[0] : 0;
            p.idDam = i >= 2 ? m_ids[1] : 0;
            p.name = i == 1 ? u"Perła"_s : QString();
            QVERIFY(seed.AddPigeonToCategory(p, 1).ok());
            m_ids.push_back(p.id);
        }
        QVERIFY(seed.AddCategoryLink(2, m_ids[4]).ok());
        QVERIFY(seed.AddCategoryLink(1, 999).ok()); // a link to a pigeon of no loaded loft
        m_app = std::make_unique<AppData>();
        m_dialog = ShellFixture::OpenMainDialog(*m_app);
        m_dialog->SetActiveTab(CMainDialog::TabPigeons);
        m_list = static_cast<CZakladkaListaPsow*>(m_dialog->Page(CMainDialog::TabPigeons));
        MessageBox::History().clear();
        MessageBox::Captions().clear();
    }

    void cleanup() {
        QSettings(u"Vornel"_s, u"Vornel"_s).remove(u"Lists"_s);
        m_dialog.reset();
        m_app.reset();
    }

    // A band beside a long name on a wide screen: the band whole, the name cut with an ellipsis
    // and whole in the tooltip.
    void bandsShowWhole_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("pigeon list") << u"list"_s;
        QTest::newRow("best pigeons") << u"bestPigeons"_s;
        QTest::newRow("best pairs") << u"bestPairs"_s;
    }
    void bandsShowWhole() {
        QFETCH(QString, window);
        PigeonRecord& sire = m_app->pigeons.at(m_ids[0]);
        sire.ringNumber = u"1234567"_s;
        sire.name = QString(300, u'Ż');
        sire.raceEntries = 11; // among the best
        m_app->pigeons.at(m_ids[2]).raceEntries = 1;
        PairRecord pair;
        pair.id = 1;
        pair.idCock = m_ids[0];
        pair.idHen = m_ids[1];
        ChildRecord young;
        young.idPigeon = m_ids[2];
        pair.children.push_back(young);
        m_app->pairs.push_back(pair);
        m_dialog->resize(1600, 1000);
        std::unique_ptr<QDialog> dialog;
        if (window == u"bestPigeons"_s)
            dialog = std::make_unique<CNajlepszeGolebie>(*m_app, m_dialog.get());
        else if (window == u"bestPairs"_s)
            dialog = std::make_unique<CNajlepszePary>(*m_app, m_dialog.get());
        if (dialog)
            QVERIFY(ModalDriver::ShowFocused(dialog.get()));
        const QList<QTableView*> lists =
            dialog ? dialog->findChildren<QTableView*>() : QList{m_list->View()};
        QTableView* view = lists.first();
        QApplication::processEvents();
        const int column = dialog ? 1 : int(PigeonColumn::Sire);
        const int row = dialog ? 0 : 2;
        const QModelIndex cell = view->model()->index(row, column);
        const QString text = cell.data().toString();
        const QString band = u"PL 0207 2025 1234567"_s;
        QCOMPARE(text, band + u" ["_s + sire.name + u']');
        const QFontMetrics metrics(view->font());
        const int margin =
            view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        QVERIFY(view->columnWidth(column) >= metrics.horizontalAdvance(band) + 2 * margin);
        QVERIFY(view->columnViewportPosition(column) + view->columnWidth(column) <=
                view->viewport()->width());
        QVERIFY(metrics.horizontalAdvance(text) > view->columnWidth(column));
        QCOMPARE(view->textElideMode(), Qt::ElideRight);
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), text);
        QVERIFY(HeadingsWhole(view));
    }

    // Header clicks: ascending, descending, the program's order; the chosen bird stays chosen.
    void headerClicksSort() {
        const QString rings[] = {u"9"_s, u"10"_s, u"100"_s, u"20"_s, u"3"_s};
        for (size_t i = 0; i < std::size(rings); ++i)
            m_app->pigeons.at(m_ids[i]).ringNumber = rings[i];
        QTableView* view = m_list->View();
        RowIdTableModel* model = m_list->Model();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(model->index(1, PigeonColumn::Year)).center());
        QCOMPARE(model->IdAt(m_app->currentPigeon), m_ids[1]);
        const auto bands = [model] {
            QStringList texts;
            for (int row = 0; row < model->rowCount(); ++row)
                texts.push_back(model->CellText(row, PigeonColumn::Band));
            return texts.join(u',');
        };
        QHeaderView* header = view->horizontalHeader();
        const QPoint heading(header->sectionViewportPosition(PigeonColumn::Band) +
                                 header->sectionSize(PigeonColumn::Band) / 2,
                             header->height() / 2);
        for (const QString& order :
             {u"3,9,10,20,100,"_s, u"100,20,10,9,3,"_s, u"9,10,100,20,3,"_s}) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, heading);
            QCOMPARE(bands(), order);
            // The selection, the current pigeon of the commands and the preview: the same bird.
            QCOMPARE(model->IdAt(SelectedRow(view)), m_ids[1]);
            QCOMPARE(model->IdAt(m_app->currentPigeon), m_ids[1]);
            QCOMPARE(m_list->PreviewPage(0)->ShownPigeon(), m_ids[1]);
        }
    }

    // Widths the user gives survive closing and opening the window.
    void userWidthsAreRemembered_data() {
        QTest::addColumn<bool>("drag");
        QTest::newRow("resizeSection") << false;
        QTest::newRow("drag") << true;
    }
    void userWidthsAreRemembered() {
        QFETCH(bool, drag);
        QHeaderView* header = m_list->View()->horizontalHeader();
        const int before = header->sectionSize(PigeonColumn::Colour);
        if (drag) {
            const QPoint edge(header->sectionViewportPosition(PigeonColumn::Colour) + before - 1,
                              header->height() / 2);
            QTest::mousePress(header->viewport(), Qt::LeftButton, {}, edge);
            QTest::mouseMove(header->viewport(), edge + QPoint(60, 0));
            QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, edge + QPoint(60, 0));
        } else {
            header->resizeSection(PigeonColumn::Colour, before + 60);
        }
        QCOMPARE(header->sectionSize(PigeonColumn::Colour), before + 60);
        m_dialog->resize(1100, 800); // the other columns give way; this one keeps its width
        QApplication::processEvents();
        QCOMPARE(header->sectionSize(PigeonColumn::Colour), before + 60);
        m_dialog.reset();
        m_dialog = ShellFixture::OpenMainDialog(*m_app);
        m_dialog->SetActiveTab(CMainDialog::TabPigeons);
        auto* list = static_cast<CZakladkaListaPsow*>(m_dialog->Page(CMainDialog::TabPigeons));
        QCOMPARE(list->View()->columnWidth(PigeonColumn::Colour), before + 60);
    }

    void cellsOfTheList() {
        const RowIdTableModel* model = m_list->Model();
        QCOMPARE(model->rowCount(), 6);
        QCOMPARE(CategoryCount(), u"(6)"_s);
        QCOMPARE(model->CellText(0, PigeonColumn::Check), u" "_s);
        QCOMPARE(model->CellText(0, PigeonColumn::Band), u"100"_s);
        QCOMPARE(model->CellText(0, PigeonColumn::Sex), QString());
        QCOMPARE(model->CellText(1, PigeonColumn::Sex), u"Cock"_s);
        QCOMPARE(model->CellText(2, PigeonColumn::Sex), u"Hen"_s);
        // A long remark shows its first 15 characters and an ellipsis, and whole in the tooltip.
        QCOMPARE(model->CellText(0, PigeonColumn::Remarks), u"Bardzo szybki l\u2026"_s);
        QCOMPARE(model->index(0, PigeonColumn::Remarks).data(Qt::ToolTipRole).toString(),
                 u"Bardzo szybki lotnik z Łodzi"_s);
        QCOMPARE(model->CellText(1, PigeonColumn::Remarks), u"krótko"_s);
        QCOMPARE(model->CellText(1, PigeonColumn::Colour), u"Niebieski"_s);
        QCOMPARE(model->CellText(0, PigeonColumn::Colour), u" "_s);
        QCOMPARE(model->CellText(0, PigeonColumn::Sire), u"   "_s);
        QCOMPARE(model->CellText(2, PigeonColumn::Sire), u"PL 0207 2025 100"_s);
        QCOMPARE(model->CellText(2, PigeonColumn::Dam), u"PL 0207 2025 101 [Perła]"_s);
        // A link whose pigeon is not loaded gives a row of empty cells.
        QCOMPARE(model->CellText(5, PigeonColumn::Band), QString());

        m_list->ClearList();
        m_list->ShowCategory(0, 2);
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(CategoryCount(), u"(0)"_s);
    }

    void keysAndClicksMoveTheCurrentPigeon() {
        QString photo = StorePhoto(m_ids[2]);
        QVERIFY(ModalDriver::ShowFocused(m_dialog.get()));
        QTableView* view = m_list->View();
        auto* summary = m_list->PreviewPage(0)->findChild<QLabel*>(u"band"_s);
        m_list->SelectRow(2);
        // A click below the last row selects nothing.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          QPoint(50, view->viewport()->height() - 3));
        QCOMPARE(m_app->currentPigeon, -1);
        QCOMPARE(summary->text(), u"Please select pigeon"_s);
        QVERIFY(m_list->Photo()->ShowsPlaceholder());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(m_list->Model()->index(0, 3)).center());
        QVERIFY(view->hasFocus());
        QCOMPARE(m_app->currentPigeon, 0);

        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(m_app->currentPigeon, 1);
        QCOMPARE(summary->text(), u"PL 0207 2025 101 [Perła]"_s);
        QCOMPARE(m_list->PreviewPage(3)->ShownPigeon(), m_ids[1]);
        QVERIFY(m_list->Photo()->ShowsPlaceholder());
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(m_app->currentPigeon, 2);
        QVERIFY(!m_list->Photo()->ShowsPlaceholder()); // its photo follows the key too
        QTest::keyClick(view, Qt::Key_End);
        QCOMPARE(m_app->currentPigeon, 5);
        QTest::keyClick(view, Qt::Key_Home);
        QCOMPARE(m_app->currentPigeon, 0);
        QTest::keyClick(view, Qt::Key_PageDown);
        QCOMPARE(m_app->currentPigeon, 5);
        QTest::keyClick(view, Qt::Key_Up);
        QCOMPARE(m_app->currentPigeon, 4);
        QCOMPARE(summary->text(), u"PL 0207 2025 104"_s);

        // "Edit current" opens the highlighted bird, not the one clicked last.
        QString title;
        const auto editor = ModalDriver::OnNextModal([&title](QDialog* dialog) {
            title = dialog->windowTitle();
            QCOMPARE(QApplication::activeWindow(), dialog);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::mouseClick(m_list, Qt::LeftButton, {},
                          m_list->LinkRect(CZakladkaListaPsow::EditLink).center());
        QCOMPARE(title, u"Editing: PL 0207 2025 104"_s);
    }

    void bandSearchFindsThePigeonInItsCategory() {
        auto* start = m_dialog->Page(CMainDialog::TabStart);
        m_dialog->SetActiveTab(CMainDialog::TabStart);
        auto* text = start->findChild<QLineEdit*>(u"searchBand"_s);
        const auto button = [start](const QString& name) {
            return start->findChild<QPushButton*>(name);
        };
        text->setFocus();
        QTest::keyClicks(text, u" 104 "_s);
        QTest::mouseClick(button(u"search"_s), Qt::LeftButton);
        // Found in the first category it stands in, at its row, on the pigeon list.
        QCOMPARE(m_dialog->ActiveTab(), int(CMainDialog::TabPigeons));
        QCOMPARE(m_app->currentCategory, 0);
        QCOMPARE(m_app->currentPigeon, 4);
        // The same bird stands in the second category too.
        QTest::mouseClick(button(u"next"_s), Qt::LeftButton);
        QCOMPARE(m_app->currentCategory, 1);
        QCOMPARE(m_app->currentPigeon, 0);
        QTest::mouseClick(button(u"next"_s), Qt::LeftButton);
        QCOMPARE(MessageBox::History(),
                 QStringList{u"There is no further pigeon with \"104\" in its band number."_s});
        QTest::mouseClick(button(u"previous"_s), Qt::LeftButton);
        QCOMPARE(m_app->currentCategory, 0);
        QCOMPARE(m_app->currentPigeon, 4);

        text->clear();
        QTest::keyClicks(text, u"xyz"_s);
        QTest::keyClick(text, Qt::Key_Return);
        QCOMPARE(MessageBox::History().last(),
                 u"No pigeon in the categories of this loft has \"xyz\" in its band number."_s);
        QCOMPARE(m_app->currentPigeon, 4);

        // The list's own box: OK again steps on to the next match, round to the first.
        auto* box = m_list->findChild<QLineEdit*>(u"bandSearch"_s);
        box->setFocus();
        QTest::keyClicks(box, u"10"_s);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(m_app->currentCategory, 0);
        QCOMPARE(m_app->currentPigeon, 0);
        QTest::mouseClick(m_list->findChild<QPushButton*>(u"bandSearchOk"_s), Qt::LeftButton);
        QCOMPARE(m_app->currentPigeon, 1);
    }

    void deleteAsksAndKeepsTheRowMapInStep() {
        // A photo and a treatment go with the pigeon; those of its neighbour stay.
        const QString photo = StorePhoto(m_ids[1]);
        const QString otherPhoto = StorePhoto(m_ids[2]);
        for (int id : {m_ids[1], m_ids[2]}) {
            TreatmentRecord treatment;
            treatment.idPigeon = id;
            QVERIFY(m_app->SaveTreatment(-1, treatment).ok());
        }

        PairRecord pair;
        pair.idLoft = 1;
        pair.idCock = m_ids[0];
        pair.idHen = m_ids[1];
        QVERIFY(m_app->SavePair(-1, pair).ok());
        TransactionRecord sale;
        sale.idLoft = 1;
        sale.idPigeon = m_ids[1];
        QVERIFY(m_app->SaveTransaction(-1, sale).ok());

        m_list->SelectRow(1);
        QVERIFY(!m_list->Photo()->ShowsPlaceholder()); // the first photo is shown
        QCOMPARE(m_list->Photo()->Pixmap().size(), QSize(16, 12));
        // The question says what the pigeon is linked to; Return gives No, the default.
        QString asked;
        MessageBox::SetTestMode(false);
        {
            const auto question = OnNextWindow([&asked](QDialog* box) {
                asked = box->windowTitle() + u'|' + static_cast<QMessageBox*>(box)->text();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            });
            m_list->Perform(PageCommand::DeletePigeon);
        }
        MessageBox::SetTestMode(true);
        QCOMPARE(asked, u"Are you sure?|This pigeon is linked to:\n"
                        u"- 3 pigeons as sire or dam (that parent becomes unknown)\n"
                        u"- 1 pair as cock or hen (deleted with the young listed there)\n"
                        u"- 1 transaction (kept, showing its band)\n\n"
                        u"Do you want delete selected pigeon?"_s);
        QVERIFY(m_app->pigeons.count(m_ids[1]));
        {
            ReadOnlyFiles readOnly({m_data->pigeonsDb()});
            QVERIFY(readOnly.isReadOnly());
            MessageBox::SetNextAnswer(QMessageBox::Yes);
            m_list->Perform(PageCommand::DeletePigeon);
        }
        QCOMPARE(MessageBox::History().size(), 2); // asked, then the failure
        QCOMPARE(m_list->Model()->rowCount(), 6);
        QVERIFY(m_app->pigeons.count(m_ids[1]));
        QVERIFY(QFile::exists(photo));

        MessageBox::SetNextAnswer(QMessageBox::Yes);
        m_list->Perform(PageCommand::DeletePigeon);
        QCOMPARE(m_list->Model()->rowCount(), 5);
        QCOMPARE(m_app->currentPigeon, -1);
        QCOMPARE(m_list->Model()->IdAt(1), m_ids[2]); // the next pigeon moved up
        QCOMPARE(CategoryCount(), u"(5)"_s);
        QVERIFY(!m_app->pigeons.count(m_ids[1]));
        QVERIFY(!QFile::exists(photo));
        QVERIFY(QFile::exists(otherPhoto));
        const QString p = m_data->pigeonsDb();
        QCOMPARE(DbProbe::Number(p, u"SELECT count(*) FROM pigeons WHERE id = %1;"_s.arg(m_ids[1])),
                 0);
        QCOMPARE(DbProbe::Rows(p, u"SELECT id_golebia FROM zdjecia;"_s),
                 (std::vector<QStringList>{{QString::number(m_ids[2])}}));
        QCOMPARE(DbProbe::Rows(p, u"SELECT id_golebia FROM lekisuplementy;"_s),
                 (std::vector<QStringList>{{QString::number(m_ids[2])}}));
        QCOMPARE(DbProbe::Number(p, u"SELECT count(*) FROM kategoria_id;"_s), 6); // its own only
        // Its young show no dam, its pair is gone, its sale shows the band it had.
        QCOMPARE(m_list->Model()->CellText(1, PigeonColumn::Dam), u"   "_s);
        QVERIFY(m_app->pairs.empty());
        QCOMPARE(TransactionCell(*m_app, m_app->transactions.at(sale.id), TransactionItem),
                 u"PL 0207 2025 101 [Perła]"_s);

        // A deleted pigeon leaves every category it was in.
        m_list->SelectRow(3); // 104, also in the second category
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        m_list->Perform(PageCommand::DeletePigeon);
        m_list->ShowCategory(0, 1);
        QCOMPARE(m_list->Model()->rowCount(), 0);
    }

    void individualPrintList() {
        QSignalSpy printed(m_list, &CZakladkaListaPsow::printListRequested);
        ModalDriver::NoDialogGuard closesTheListExport;
        m_list->SelectRow(0);
        m_list->Perform(PageCommand::AddToPrintList);
        m_list->Perform(PageCommand::AddToPrintList);
        m_list->SelectRow(2);
        m_list->Perform(PageCommand::AddToPrintList);
        m_list->Perform(PageCommand::PrintList);
        QCOMPARE(printed.size(), 1);
        QCOMPARE(printed[0][0].value<std::vector<int>>(),
                 (std::vector<int>{m_ids[0], m_ids[0], m_ids[2]}));
        m_list->SelectRow(0);
        m_list->Perform(PageCommand::RemoveFromPrintList);
        QCOMPARE(DbProbe::Number(m_data->extraDb(), u"SELECT count(*) FROM ild;"_s), 1);

        m_list->Perform(PageCommand::PrintCategory);
        QCOMPARE(printed.size(), 2);
        QCOMPARE(printed[1][1].toString(), u"Print Category"_s);
        QCOMPARE(printed[1][0].value<std::vector<int>>().size(), 6u);
        QCOMPARE(closesTheListExport.dialogsSeen(), 2);
    }

    void clicksOnTheListPage() {
        m_list->SelectRow(-1);
        ModalDriver::NoDialogGuard guard;
        for (int link : {CZakladkaListaPsow::TreeLink, CZakladkaListaPsow::PedigreeLink})
            QTest::mouseClick(m_list, Qt::LeftButton, {}, m_list->LinkRect(link).center());
        QTest::mouseClick(m_list, Qt::LeftButton, {}, m_list->PhotoRect().center());
        m_list->SelectRow(0);
        QTest::mouseClick(m_list, Qt::LeftButton, {}, m_list->PhotoRect().center());
        QStringList expected;
        if (m_list->LinkEnabled(CZakladkaListaPsow::TreeLink))
            expected.append(u"Wybierz ptaka z listy"_s);
        if (m_list->LinkEnabled(CZakladkaListaPsow::PedigreeLink))
            expected.append(u"You must select pigeon from list to print his pedigree."_s);
        expected.append(u"Select pigeon from list to browse his photos."_s);
        expected.append(u"Selected pigeon has not photos."_s);
        QCOMPARE(MessageBox::History(), expected);

        // The preview's captions switch the list to its short mode and back.
        const QRect listBefore = m_list->View()->geometry();
        QTest::mouseClick(m_list, Qt::LeftButton, {}, m_list->PreviewCaptionRect(2).center());
        QCOMPARE(m_list->ListMode(), 1);
        QVERIFY(m_list->PreviewPage(2)->isVisible());
        QVERIFY(!m_list->PreviewPage(0)->isVisible());
        QCOMPARE(m_list->View()->geometry().height(), listBefore.height() - 300);
        QTest::mouseClick(m_list, Qt::LeftButton, {}, m_list->PreviewCaptionRect(0).center());
        QCOMPARE(m_list->ListMode(), 0);
        QCOMPARE(m_list->View()->geometry(), listBefore);

        m_app->currentCategory = -1;
        m_list->Perform(PageCommand::AddPigeon);
        QCOMPARE(MessageBox::History().last(),
                 u"You can't add pigeon with no selected category."_s);
        m_dialog->RunCommand(CmdRingSeries);
        QCOMPARE(guard.dialogsSeen(), 0);
        QCOMPARE(MessageBox::History().last(),
                 u"You must select category from list of categories"_s);
        QCOMPARE(MessageBox::Captions().last(), u"Error"_s);
    }

    void ringSeriesAddsLinkedPigeons_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("added");
        QTest::addColumn<QString>("message"); // what a refusal says
        QTest::addColumn<bool>("readOnly");
        const QString tooMany = u"You can add only 100 rings in serie"_s;
        const QString numbers = u"whole numbers from 0 to 4294967295"_s;
        QTest::newRow("five") << u"1000"_s << u"1004"_s << 5 << QString() << false;
        QTest::newRow("exactly 100") << u"1"_s << u"100"_s << 100 << QString() << false;
        QTest::newRow("the largest ring")
            << u"4294967294"_s << u"4294967295"_s << 2 << QString() << false;
        QTest::newRow("too many") << u"1"_s << u"101"_s << 0 << tooMany << false;
        QTest::newRow("equal") << u"5"_s << u"5"_s << 0 << tooMany << false;
        QTest::newRow("end below start") << u"9"_s << u"3"_s << 0 << tooMany << false;
        QTest::newRow("past the largest")
            << u"9223372036854775806"_s << u"9223372036854775807"_s << 0 << numbers << false;
        QTest::newRow("text") << u"abc"_s << u"3"_s << 0 << numbers << false;
        QTest::newRow("negative") << u"-3"_s << u"3"_s << 0 << numbers << false;
        QTest::newRow("read-only file: all or nothing")
            << u"1"_s << u"10"_s << 0 << u"could not be saved"_s << true;
    }

    void ringSeriesAddsLinkedPigeons() {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(int, added);
        QFETCH(QString, message);
        QFETCH(bool, readOnly);
        bool stayedOpen = false;
        {
            std::optional<ReadOnlyFiles> guard;
            if (readOnly)
                QVERIFY(guard.emplace(QStringList{m_data->pigeonsDb()}).isReadOnly());
            const auto ring = FillRingDialog(start, end, &stayedOpen);
            m_dialog->RunCommand(CmdRingSeries);
        }
        QCOMPARE(m_list->Model()->rowCount(), 6 + added);
        QCOMPARE(m_app->pigeons.size(), size_t(5 + added));
        QCOMPARE(CategoryCount(), u"(%1)"_s.arg(6 + added));
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM pigeons;"_s),
                 5 + added);
        if (added == 0) {
            // The dialog stays open with what was typed, so that the user can mend it.
            QVERIFY(stayedOpen);
            QCOMPARE(MessageBox::History().size(), 1);
            QVERIFY2(MessageBox::History()[0].contains(message),
                     qPrintable(MessageBox::History()[0]));
            if (message.startsWith(u"You can"_s))
                QCOMPARE(MessageBox::Captions().last(), u"Error! Too much rings"_s);
            return;
        }
        QVERIFY(!stayedOpen);
        const RowIdTableModel* model = m_list->Model();
        QCOMPARE(model->CellText(6, PigeonColumn::Band), start);
        QCOMPARE(model->CellText(6 + added - 1, PigeonColumn::Band), end);
        QCOMPARE(model->CellText(6, PigeonColumn::Country), u"DV"_s);
        QCOMPARE(model->CellText(6, PigeonColumn::Union), u"04511"_s);
        QCOMPARE(model->CellText(6, PigeonColumn::Year), u"2026"_s);
        QCOMPARE(m_app->FindPigeon(model->IdAt(6)).idLoft, 1);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(),
                                 u"SELECT count(*) FROM kategoria_id WHERE id_kategorii = 1;"_s),
                 6 + added);
    }

    void photoViewerGoesRound() {
        std::vector<PhotoRecord> photos(3);
        for (int i = 0; i < 3; ++i)
            photos[size_t(i)].id = i + 1;
        CPodgladZdjec viewer(photos);
        QVERIFY(ModalDriver::ShowFocused(&viewer));
        QCOMPARE(viewer.windowTitle(), u"Photos preview..."_s);
        QCOMPARE(viewer.Current(), 0);
        auto* previous = viewer.findChild<QPushButton*>(u"previousPhoto"_s);
        auto* next = viewer.findChild<QPushButton*>(u"nextPhoto"_s);
        QTest::mouseClick(previous, Qt::LeftButton);
        QCOMPARE(viewer.Current(), 2);
        QTest::mouseClick(next, Qt::LeftButton);
        next->setFocus();
        QTest::keyClick(next, Qt::Key_Space);
        QCOMPARE(viewer.Current(), 1);
    }

    void candidatesByMode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("bands");
        QTest::newRow("hens") << int(ChooseHens) << QStringList{u"100"_s, u"102"_s, u"103"_s};
        QTest::newRow("cocks") << int(ChooseCocks)
                               << QStringList{u"100"_s, u"101"_s, u"103"_s, u"104"_s};
        QTest::newRow("without parents")
            << int(ChooseWithoutParents) << QStringList{u"100"_s, u"101"_s};
        QTest::newRow("all") << int(ChooseAll)
                             << QStringList{u"100"_s, u"101"_s, u"102"_s, u"103"_s, u"104"_s};
    }

    void candidatesByMode() {
        QFETCH(int, mode);
        QFETCH(QStringList, bands);
        QStringList shown;
        for (int id : ChooserCandidates(*m_app, mode))
            shown.append(m_app->FindPigeon(id).ringNumber);
        QCOMPARE(shown, bands);
    }

    void searchCategoryAndChoice() {
        CWybierzPsaZListy chooser(*m_app, ChooseAll);
        auto* list = chooser.findChild<QListWidget*>(u"candidates"_s);
        QCOMPARE(list->count(), 5);
        list->setCurrentRow(1);
        QCOMPARE(chooser.ChosenId(), m_ids[1]);

        // A new category filter forgets the choice; OK then returns no pigeon.
        auto* filter = chooser.findChild<QComboBox*>(u"categoryFilter"_s);
        QCOMPARE(filter->count(), 4);
        filter->setCurrentIndex(2);
        Q_EMIT filter->activated(2);
        QCOMPARE(Items(list), QStringList{u"PL 0207 2025 104"_s});
        QCOMPARE(chooser.ChosenId(), -1);
        chooser.accept();
        QCOMPARE(chooser.ResultFlag(), -1);
    }

    void editorChoosesParentsAndColours() {
        m_list->SelectRow(1); // a cock: the sire chooser lists it
        QStringList shown;
        const auto edit = ModalDriver::OnNextModal([&shown](QDialog* editor) {
            // A pigeon is not its own parent.
            const auto sire = ModalDriver::OnNextModal([](QDialog* chooser) {
                auto* list = chooser->findChild<QListWidget*>(u"candidates"_s);
                QCOMPARE(list->item(1)->text(), u"PL 0207 2025 101 [Perła]"_s);
                list->setCurrentRow(1);
                chooser->findChild<QPushButton*>(u"ok"_s)->click();
            });
            editor->findChild<QPushButton*>(u"chooseSire"_s)->click();
            const auto dam = ModalDriver::OnNextModal([](QDialog* chooser) {
                QCOMPARE(QApplication::activeWindow(), chooser);
                auto* search = chooser->findChild<QLineEdit*>(u"band"_s);
                auto* list = chooser->findChild<QListWidget*>(u"candidates"_s);
                QCOMPARE(list->count(), 3); // hens and unknown sex
                search->setFocus();
                QTest::keyClicks(search, u"100"_s);
                QCOMPARE(Items(list), QStringList{u"PL 0207 2025 100"_s});
                QTest::keyClick(search, Qt::Key_Down); // into the list, on its first row
                QVERIFY(list->hasFocus());
                QCOMPARE(chooser->findChild<QLabel*>(u"chosenBand"_s)->text(),
                         u"PL 0207 2025 100"_s);
                QTest::keyClick(list, Qt::Key_Return);
            });
            QTest::mouseClick(editor->findChild<QPushButton*>(u"chooseDam"_s), Qt::LeftButton);
            // A colour added in the manager is offered at once.
            const auto colours = ModalDriver::OnNextModal([](QDialog* manager) {
                manager->findChild<QLineEdit*>(u"newName"_s)->setText(u"Szpakowaty"_s);
                manager->findChild<QPushButton*>(u"add"_s)->click();
                manager->reject();
            });
            editor->findChild<QPushButton*>(u"manageColours"_s)->click();
            auto* colour = editor->findChild<QComboBox*>(u"colour"_s);
            shown = QStringList{editor->findChild<QLabel*>(u"sireText"_s)->text(),
                                editor->findChild<QLabel*>(u"damText"_s)->text(),
                                colour->itemText(colour->count() - 1)};
            editor->findChild<QPushButton*>(u"ok"_s)->click();
        });
        m_list->Perform(PageCommand::EditPigeon);
        QCOMPARE(MessageBox::History(), QStringList{u"A pigeon cannot be its own sire."_s});
        QCOMPARE(shown,
                 (QStringList{u"No sire information"_s, u"PL 0207 2025 100"_s, u"Szpakowaty"_s}));
        QCOMPARE(m_list->Model()->CellText(1, PigeonColumn::Dam), u"PL 0207 2025 100"_s);
        QCOMPARE(
            DbProbe::Rows(m_data->pigeonsDb(),
                          u"SELECT id_ojca, id_matki FROM pigeons WHERE id = %1;"_s.arg(m_ids[1])),
            (std::vector<QStringList>{{u"0"_s, QString::number(m_ids[0])}}));
    }

    void longNamesKeepWindowsAtTheirSize_data() {
        QTest::addColumn<int>("window");
        QTest::newRow("chooser") << 0;
        QTest::newRow("editor") << 1;
        QTest::newRow("move") << 2;
        QTest::newRow("lookup manager") << 3;
    }

    void longNamesKeepWindowsAtTheirSize() {
        QFETCH(int, window);
        const int shortWidth = ShownWidth(window);
        // Every name such a window shows, 300 characters long.
        const QString longName = QString(u"Bardzo długa nazwa "_s).repeated(16).left(300);
        PigeonRecord& bird = m_app->pigeons.at(m_ids[1]);
        bird.name = longName;
        bird.shortDescription = longName;
        bird.BandLabel = BandLabel(bird);
        int colour = 0;
        QVERIFY(m_app->AddLookup(Lookup::Colours, 1, longName, &colour).ok());
        QVERIFY(m_app->AddLookup(Lookup::Statuses, 1, longName).ok());
        QVERIFY(m_app->AddLookup(Lookup::Varieties, 1, longName).ok());
        bird.idColour = colour;
        ContactRecord breeder;
        breeder.lastName = longName;
        QVERIFY(m_app->SaveBreeder(-1, breeder).ok());
        m_app->breeders[breeder.id] = breeder;
        m_app->lofts[0].categories[0].name = longName;
        QCOMPARE(ShownWidth(window), shortWidth);
    }

    void moveAndCopy() {
        // A copy leaves the list alone and adds a link.
        m_list->SelectRow(0);
        const auto move1 = AnswerMove(1, true);
        m_list->Perform(PageCommand::MovePigeon);
        QCOMPARE(m_list->Model()->rowCount(), 6);
        QCOMPARE(Links(2), 2);

        // Moving into the category it is in is refused; no link is lost.
        const auto move2 = AnswerMove(0, false);
        m_list->Perform(PageCommand::MovePigeon);
        QCOMPARE(MessageBox::History(), QStringList{u"The pigeon is already in this category."_s});
        QCOMPARE(Links(1), 6);

        // A move takes the row away and the link with it.
        m_list->SelectRow(2);
        const auto move3 = AnswerMove(1, false);
        m_list->Perform(PageCommand::MovePigeon);
        QCOMPARE(m_list->Model()->rowCount(), 5);
        QCOMPARE(m_app->currentPigeon, -1);
        QCOMPARE(Links(1), 5);
        QCOMPARE(Links(2), 3);

        // Copying into the same category gives a second link there.
        m_list->SelectRow(0);
        const auto move4 = AnswerMove(0, true);
        m_list->Perform(PageCommand::MovePigeon);
        QCOMPARE(Links(1), 6);
    }

    void lookupManagers() {
        CWyborKoloru manager(*m_app, 2);
        QCOMPARE(manager.bannerTitle(), u"Manage colors"_s);
        auto* names = manager.findChild<QListWidget*>(u"names"_s);
        auto* name = manager.findChild<QLineEdit*>(u"newName"_s);
        auto* add = manager.findChild<QPushButton*>(u"add"_s);
        auto* remove = manager.findChild<QPushButton*>(u"delete"_s);
        QCOMPARE(Items(names), QStringList{u" "_s});
        add->click(); // an empty name does nothing
        QCOMPARE(names->count(), 1);
        name->setText(u"Pocztowy"_s);
        add->click();
        name->setText(u" "_s); // one blank is a name
        add->click();
        name->setText(u"Pocztowy"_s); // refused by the database, quietly
        add->click();
        QCOMPARE(Items(names), (QStringList{u" "_s, u"Pocztowy"_s, u" "_s}));
        QVERIFY(MessageBox::History().isEmpty());
        QCOMPARE(m_app->varieties.size(), 3u);

        names->setCurrentRow(0); // the blank entry stays
        remove->click();
        QCOMPARE(names->count(), 3);
        names->setCurrentRow(1);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        remove->click();
        QCOMPARE(Items(names), (QStringList{u" "_s, u" "_s}));
        QCOMPARE(m_app->varieties.size(), 2u);
        QCOMPARE(DbProbe::Number(m_data->extraDb(), u"SELECT count(*) FROM gatunekrasa;"_s), 1);

        // The status manager opens from the menu.
        const auto status = ModalDriver::OnNextModal([](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), u"Manage status"_s);
            QCOMPARE(static_cast<BannerDialog*>(dialog)->bannerTitle(), u"STATUS"_s);
            dialog->reject();
        });
        m_dialog->RunCommand(CmdManageStatus);
        QCOMPARE(status.DialogClass(), u"CZarzadzajStatusami"_s);
    }

private:
    // Stores a small photo for a pigeon, on file and in memory; returns the stored file.
    QString StorePhoto(int pigeonId) {
        const QString source = m_data->path() + u"/p%1.jpg"_s.arg(pigeonId);
        QImage image(16, 12, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        if (!image.save(source, "JPG"))
            return {};
        PhotoRecord photo;
        photo.idPigeon = pigeonId;
        photo.idLoft = 1;
        photo.extension = u"jpg"_s;
        photo.path = source;
        if (!m_app->AddPhoto(photo).ok())
            return {};
        m_app->pigeons.at(pigeonId).photos.push_back(photo);
        return photo.path;
    }

    // Fills the ring series dialog and confirms; a dialog that refuses stays open and is then
    // closed, and *stayedOpen says so.
    ModalDriver::Expectation FillRingDialog(const QString& start, const QString& end,
                                            bool* stayedOpen) {
        return ModalDriver::OnNextModal([start, end, stayedOpen](QDialog* dialog) {
            for (const auto& [name, text] :
                 {std::pair{u"country"_s, u"DV"_s}, std::pair{u"union"_s, u"04511"_s},
                  std::pair{u"year"_s, u"2026"_s}, std::pair{u"startNumber"_s, start},
                  std::pair{u"endNumber"_s, end}})
                dialog->findChild<QLineEdit*>(name)->setText(text);
            dialog->findChild<QPushButton*>(u"confirm"_s)->click();
            *stayedOpen = dialog->isVisible();
            if (*stayedOpen) {
                QCOMPARE(dialog->findChild<QLineEdit*>(u"startNumber"_s)->text(), start);
                dialog->reject();
            }
        });
    }

    // The width a window takes when shown, with the second pigeon chosen where there is a choice.
    int ShownWidth(int window) {
        std::unique_ptr<QDialog> dialog;
        switch (window) {
        case 0: {
            auto chooser = std::make_unique<CWybierzPsaZListy>(*m_app, ChooseAll);
            chooser->findChild<QListWidget*>(u"candidates"_s)->setCurrentRow(1);
            dialog = std::move(chooser);
            break;
        }
        case 1:
            dialog = std::make_unique<CDodajGolebia>(*m_app, CDodajGolebia::Mode::Edit,
                                                     m_app->pigeons.at(m_ids[1]), nullptr);
            break;
        case 2:
            dialog = std::make_unique<CPrzeniesPsa>(*m_app);
            dialog->findChild<QComboBox*>(u"category"_s)->setCurrentIndex(0);
            break;
        default:
            dialog = std::make_unique<CWyborKoloru>(*m_app, 1);
            break;
        }
        if (!ModalDriver::ShowFocused(dialog.get()))
            return -1;
        QApplication::processEvents();
        return dialog->frameGeometry().width();
    }

    ModalDriver::Expectation AnswerMove(int category, bool copy) {
        return ModalDriver::OnNextModal([category, copy](QDialog* dialog) {
            dialog->findChild<QComboBox*>(u"category"_s)->setCurrentIndex(category);
            dialog->findChild<QCheckBox*>(u"copy"_s)->setChecked(copy);
            dialog->accept();
        });
    }

    qint64 Links(int categoryId) const {
        return DbProbe::Number(
            m_data->pigeonsDb(),
            u"SELECT count(*) FROM kategoria_id WHERE id_kategorii = %1;"_s.arg(categoryId));
    }

    QString CategoryCount() const {
        return m_dialog->findChild<QLabel*>(u"categoryCount"_s)->text();
    }

    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<AppData> m_app;
    std::unique_ptr<CMainDialog> m_dialog;
    CZakladkaListaPsow* m_list = nullptr;
    std::vector<int> m_ids;
};

QTEST_MAIN(TestPigeonList)
#include "tst_pigeonlist.moc"
