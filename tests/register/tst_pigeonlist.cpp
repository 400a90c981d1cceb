// The pigeon list tab: filling from a category, the cells, selection, delete and the print list.

#include "app/MainDialog.h"
#include "app/MainMenu.h"
#include "register/PigeonTableModel.h"
#include "register/PodgladZdjec.h"
#include "register/PreviewPages.h"
#include "register/RingSeries.h"
#include "register/ZakladkaListaPsow.h"
#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/InstallDir.h"
#include "support/DbProbe.h"
#include "support/ModalDriver.h"
#include "support/ShellFixture.h"
#include "support/TestDataDir.h"
#include "ui/Artwork.h"
#include "ui/MessageBox.h"
#include "ui/PictureBox.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

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
            QVERIFY(seed.SavePigeon(-1, p).ok());
            m_ids.push_back(p.id);
            QVERIFY(seed.AddCategoryLink(1, p.id).ok());
        }
        QVERIFY(seed.AddCategoryLink(2, m_ids[4]).ok());
        QVERIFY(seed.AddCategoryLink(1, 999).ok()); // a link to a pigeon of no loaded loft
        m_app = std::make_unique<AppData>();
        m_dialog = ShellFixture::OpenMainDialog(*m_app);
        m_dialog->SetActiveTab(CMainDialog::TabPigeons);
        m_list = static_cast<CZakladkaListaPsow*>(m_dialog->Page(CMainDialog::TabPigeons));
        MessageBox::History().clear();
    }

    void cleanup() {
        m_dialog.reset();
        m_app.reset();
    }

    void cellsOfTheList() {
        const PigeonTableModel* model = m_list->Model();
        QCOMPARE(model->rowCount(), 6);
        QCOMPARE(CategoryCount(), u"(6)"_s);
        QCOMPARE(model->CellText(0, PigeonTableModel::Check), u" "_s);
        QCOMPARE(model->CellText(0, PigeonTableModel::Country), u"PL"_s);
        QCOMPARE(model->CellText(0, PigeonTableModel::Union), u"0207"_s);
        QCOMPARE(model->CellText(0, PigeonTableModel::Year), u"2025"_s);
        QCOMPARE(model->CellText(0, PigeonTableModel::Band), u"100"_s);
        QCOMPARE(model->CellText(0, PigeonTableModel::Sex), QString());
        QCOMPARE(model->CellText(1, PigeonTableModel::Sex), u"Cock"_s);
        QCOMPARE(model->CellText(2, PigeonTableModel::Sex), u"Hen"_s);
        QCOMPARE(model->CellText(0, PigeonTableModel::Remarks), u"Bardzo szybki l"_s);
        QCOMPARE(model->CellText(1, PigeonTableModel::Remarks), u"krótko"_s);
        QCOMPARE(model->CellText(1, PigeonTableModel::Colour), u"Niebieski"_s);
        QCOMPARE(model->CellText(0, PigeonTableModel::Colour), u" "_s);
        QCOMPARE(model->CellText(0, PigeonTableModel::Sire), u"   "_s);
        QCOMPARE(model->CellText(2, PigeonTableModel::Sire), u"PL 0207 2025 100"_s);
        QCOMPARE(model->CellText(2, PigeonTableModel::Dam), u"PL 0207 2025 101 [Perła]"_s);
        // A link whose pigeon is not loaded gives a row of empty cells.
        QCOMPARE(model->CellText(5, PigeonTableModel::Band), QString());
        QCOMPARE(model->headerData(6, Qt::Horizontal).toString(), u"Remarks"_s);
        QCOMPARE(PigeonTableModel::ColumnWidth(9), 120);
    }

    void emptyCategory() {
        m_list->ClearList();
        m_list->ShowCategory(0, 2);
        QCOMPARE(m_list->Model()->rowCount(), 0);
        QCOMPARE(CategoryCount(), u"(0)"_s);
    }

    void selectionAndPreview() {
        m_list->SelectRow(2);
        QCOMPARE(m_app->currentPigeon, 2);
        auto* summary = m_list->PreviewPage(0)->findChild<QLabel*>(u"band"_s);
        QCOMPARE(summary->text(), u"PL 0207 2025 102"_s);
        QCOMPARE(m_list->PreviewPage(3)->ShownPigeon(), m_ids[2]);
        // A click below the last row selects nothing.
        QTableView* view = m_list->View();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          QPoint(50, view->viewport()->height() - 3));
        QCOMPARE(m_app->currentPigeon, -1);
        QCOMPARE(summary->text(), u"Please select pigeon"_s);
        QVERIFY(m_list->Photo()->ShowsPlaceholder());
        // A click on a row selects it.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(m_list->Model()->index(1, 3)).center());
        QCOMPARE(m_app->currentPigeon, 1);
    }

    void deleteAsksAndKeepsTheRowMapInStep() {
        // A photo and a treatment go with the pigeon.
        const QString source = m_data->path() + u"/p.jpg"_s;
        QImage image(16, 12, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        QVERIFY(image.save(source, "JPG"));
        PhotoRecord photo;
        photo.idPigeon = m_ids[1];
        photo.idLoft = 1;
        photo.extension = u"jpg"_s;
        photo.path = source;
        QVERIFY(m_app->AddPhoto(photo).ok());
        m_app->pigeons.at(m_ids[1]).photos.push_back(photo);
        TreatmentRecord treatment;
        treatment.idPigeon = m_ids[1];
        QVERIFY(m_app->SaveTreatment(-1, treatment).ok());

        m_list->SelectRow(1);
        QVERIFY(!m_list->Photo()->ShowsPlaceholder()); // the first photo is shown
        QCOMPARE(m_list->Photo()->Pixmap().size(), QSize(16, 12));
        MessageBox::SetNextAnswer(QMessageBox::No);
        m_list->Perform(PageCommand::DeletePigeon);
        QCOMPARE(MessageBox::History(), QStringList{u"Do you want delete selected pigeon?"_s});
        QCOMPARE(m_list->Model()->rowCount(), 6);

        MessageBox::SetNextAnswer(QMessageBox::Yes);
        m_list->Perform(PageCommand::DeletePigeon);
        QCOMPARE(m_list->Model()->rowCount(), 5);
        QCOMPARE(m_app->currentPigeon, -1);
        QCOMPARE(m_list->Model()->PigeonAt(1), m_ids[2]); // the next pigeon moved up
        QCOMPARE(CategoryCount(), u"(5)"_s);
        QVERIFY(!m_app->pigeons.count(m_ids[1]));
        QVERIFY(!QFile::exists(photo.path));
        const QString p = m_data->pigeonsDb();
        QCOMPARE(DbProbe::Number(p, u"SELECT count(*) FROM pigeons WHERE id = %1;"_s.arg(m_ids[1])),
                 0);
        QCOMPARE(DbProbe::Number(p, u"SELECT count(*) FROM zdjecia;"_s), 0);
        QCOMPARE(DbProbe::Number(p, u"SELECT count(*) FROM lekisuplementy;"_s), 0);
        QCOMPARE(
            DbProbe::Number(
                p, u"SELECT count(*) FROM kategoria_id WHERE id_golebia = %1;"_s.arg(m_ids[1])),
            0);

        // Deleted from one category, a pigeon linked to another keeps an empty row there.
        m_list->SelectRow(3);
        QCOMPARE(m_list->Model()->PigeonAt(3), m_ids[4]);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        m_list->Perform(PageCommand::DeletePigeon);
        m_list->ShowCategory(0, 1);
        QCOMPARE(m_list->Model()->rowCount(), 1);
        QCOMPARE(m_list->Model()->CellText(0, PigeonTableModel::Band), QString());
    }

    void deleteThatFailsKeepsTheRow() {
        m_list->SelectRow(0);
        ReadOnlyFile readOnly(m_data->pigeonsDb());
        if (!readOnly.isReadOnly())
            QSKIP("This machine cannot make a file read-only for the test user.");
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        m_list->Perform(PageCommand::DeletePigeon);
        QCOMPARE(m_list->Model()->rowCount(), 6);
        QVERIFY(m_app->pigeons.count(m_ids[0]));
        QCOMPARE(MessageBox::History().size(), 2); // the question, then the failure
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

    void previewCaptionsSwitchTheListMode() {
        const QRect listBefore = m_list->View()->geometry();
        QTest::mouseClick(m_list, Qt::LeftButton, {}, m_list->PreviewCaptionRect(2).center());
        QCOMPARE(m_list->ListMode(), 1);
        QVERIFY(m_list->PreviewPage(2)->isVisible());
        QVERIFY(!m_list->PreviewPage(0)->isVisible());
        QCOMPARE(m_list->View()->geometry().height(), listBefore.height() - 300);
        QTest::mouseClick(m_list, Qt::LeftButton, {}, m_list->PreviewCaptionRect(0).center());
        QCOMPARE(m_list->ListMode(), 0);
        QCOMPARE(m_list->View()->geometry(), listBefore);
    }

    void linksWithoutASelection() {
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
        QCOMPARE(guard.dialogsSeen(), 0);

        m_app->currentCategory = -1;
        m_list->Perform(PageCommand::AddPigeon);
        QCOMPARE(MessageBox::History().last(),
                 u"You can't add pigeon with no selected category."_s);
    }

    void ringSeriesLimits_data() {
        QTest::addColumn<qint64>("start");
        QTest::addColumn<qint64>("end");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("five") << qint64(1000) << qint64(1004) << true;
        QTest::newRow("two") << qint64(7) << qint64(8) << true;
        QTest::newRow("exactly 100") << qint64(1) << qint64(100) << true;
        QTest::newRow("101") << qint64(1) << qint64(101) << false;
        QTest::newRow("equal numbers") << qint64(5) << qint64(5) << false;
        QTest::newRow("end below start") << qint64(9) << qint64(3) << false;
    }

    void ringSeriesLimits() {
        QFETCH(qint64, start);
        QFETCH(qint64, end);
        QFETCH(bool, accepted);
        QCOMPARE(RingSeriesProblem(start, end).isEmpty(), accepted);
    }

    void ringSeriesAddsLinkedPigeons_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("added");
        QTest::newRow("five") << u"1000"_s << u"1004"_s << 5;
        QTest::newRow("exactly 100") << u"1"_s << u"100"_s << 100;
        QTest::newRow("too many") << u"1"_s << u"101"_s << 0;
        QTest::newRow("equal") << u"5"_s << u"5"_s << 0;
        QTest::newRow("end below start") << u"9"_s << u"3"_s << 0;
    }

    void ringSeriesAddsLinkedPigeons() {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(int, added);
        const auto ring = FillRingDialog(start, end);
        m_dialog->RunCommand(CmdRingSeries);
        QCOMPARE(m_list->Model()->rowCount(), 6 + added);
        QCOMPARE(CategoryCount(), u"(%1)"_s.arg(6 + added));
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM pigeons;"_s),
                 5 + added);
        if (added == 0) {
            QCOMPARE(MessageBox::History(), QStringList{u"You can add only 100 rings in serie"_s});
            QCOMPARE(MessageBox::Captions().last(), u"Error! Too much rings"_s);
            return;
        }
        const PigeonTableModel* model = m_list->Model();
        QCOMPARE(model->CellText(6, PigeonTableModel::Band), start);
        QCOMPARE(model->CellText(6 + added - 1, PigeonTableModel::Band), end);
        QCOMPARE(model->CellText(6, PigeonTableModel::Country), u"DV"_s);
        QCOMPARE(model->CellText(6, PigeonTableModel::Union), u"04511"_s);
        QCOMPARE(model->CellText(6, PigeonTableModel::Year), u"2026"_s);
        QCOMPARE(m_app->FindPigeon(model->PigeonAt(6)).idLoft, 1);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(),
                                 u"SELECT count(*) FROM kategoria_id WHERE id_kategorii = 1;"_s),
                 6 + added);
    }

    void ringSeriesRefusals() {
        // Text in a number field is refused and the dialog stays open.
        const auto step1 = ModalDriver::OnNextModal([](QDialog* dialog) {
            dialog->findChild<QLineEdit*>(u"startNumber"_s)->setText(u"abc"_s);
            dialog->findChild<QPushButton*>(u"confirm"_s)->click();
            QVERIFY(dialog->isVisible());
            dialog->reject();
        });
        m_dialog->RunCommand(CmdRingSeries);
        QCOMPARE(MessageBox::History().size(), 1);
        QVERIFY(MessageBox::History()[0].contains(u"whole numbers"_s));
        QCOMPARE(m_list->Model()->rowCount(), 6);

        // Without a category nothing is asked.
        m_app->currentCategory = -1;
        ModalDriver::NoDialogGuard guard;
        m_dialog->RunCommand(CmdRingSeries);
        QCOMPARE(guard.dialogsSeen(), 0);
        QCOMPARE(MessageBox::History().last(),
                 u"You must select category from list of categories"_s);
    }

    void ringSeriesIsAllOrNothing() {
        ReadOnlyFile readOnly(m_data->pigeonsDb());
        if (!readOnly.isReadOnly())
            QSKIP("This machine cannot make a file read-only for the test user.");
        const auto ring = FillRingDialog(u"1"_s, u"10"_s);
        m_dialog->RunCommand(CmdRingSeries);
        QCOMPARE(m_list->Model()->rowCount(), 6);
        QCOMPARE(m_app->pigeons.size(), 5u);
        QCOMPARE(MessageBox::History().size(), 1);
        QVERIFY(MessageBox::History()[0].contains(u"could not be saved"_s));
    }

    void photoViewerGoesRound() {
        std::vector<PhotoRecord> photos(3);
        for (int i = 0; i < 3; ++i)
            photos[size_t(i)].id = i + 1;
        CPodgladZdjec viewer(photos);
        QCOMPARE(viewer.Current(), 0);
        viewer.Previous();
        QCOMPARE(viewer.Current(), 2);
        viewer.Next();
        viewer.Next();
        QCOMPARE(viewer.Current(), 1);
    }

private:
    ModalDriver::Expectation FillRingDialog(const QString& start, const QString& end) {
        return ModalDriver::OnNextModal([start, end](QDialog* dialog) {
            dialog->findChild<QLineEdit*>(u"country"_s)->setText(u"DV"_s);
            dialog->findChild<QLineEdit*>(u"union"_s)->setText(u"04511"_s);
            dialog->findChild<QLineEdit*>(u"year"_s)->setText(u"2026"_s);
            dialog->findChild<QLineEdit*>(u"startNumber"_s)->setText(start);
            dialog->findChild<QLineEdit*>(u"endNumber"_s)->setText(end);
            dialog->findChild<QPushButton*>(u"confirm"_s)->click();
        });
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
