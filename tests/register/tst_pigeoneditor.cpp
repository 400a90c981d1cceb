// The pigeon editor: adding and editing through the list tab, its dates, lookups and notes, and
// the pages that store photos, documents and treatments at once.

#include "app/MainDialog.h"
#include "register/PigeonTableModel.h"
#include "register/PreviewPages.h"
#include "register/ZakladkaListaPsow.h"
#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/InstallDir.h"
#include "storage/LocalTime.h"
#include "support/DbProbe.h"
#include "support/ModalDriver.h"
#include "support/ShellFixture.h"
#include "support/TestDataDir.h"
#include "ui/DateFields.h"
#include "ui/ExternalPrograms.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

template <typename T> T* Find(QWidget* parent, const QString& name) {
    T* child = parent->findChild<T*>(name);
    if (!child)
        QTest::qFail(qPrintable(u"no control "_s + name), __FILE__, __LINE__);
    return child;
}

void SetText(QWidget* dialog, const QString& name, const QString& text) {
    Find<QLineEdit>(dialog, name)->setText(text);
}

void Choose(QWidget* dialog, const QString& name, const QString& item) {
    auto* box = Find<QComboBox>(dialog, name);
    box->setCurrentIndex(box->findText(item));
}

void SetDate(QWidget* dialog, const QString& group, int day, int month, int year) {
    auto* date = Find<DateFields>(dialog, group);
    date->SetChecked(true);
    date->SetDate(day, month, year);
}

// What a date's fields show, as d/m/yyyy; empty when the date is not checked.
QString DateText(DateFields* date) {
    return date->IsChecked() ? date->DayEdit()->text() + u'/' + date->MonthEdit()->text() + u'/' +
                                   date->YearEdit()->text()
                             : QString();
}

void Click(QWidget* dialog, const QString& name) {
    Find<QPushButton>(dialog, name)->click();
}

} // namespace

class TestPigeonEditor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        MessageBox::SetTestMode(true);
        FileDialog::SetTestMode(true);
    }

    void init() {
        m_data = std::make_unique<TestDataDir>();
        QVERIFY(PrepareInstallDir());
        ShellFixture::SeedLofts({{u"Gołębnik"_s, {u"Lotowe"_s}}});
        AppData seed;
        QVERIFY(seed.SelectLoft(1).ok());
        QVERIFY(seed.AddLookup(Lookup::Colours, 1, u"Niebieski"_s, &m_blue).ok());
        QVERIFY(seed.AddLookup(Lookup::Colours, 1, u"Czerwony"_s, &m_red).ok());
        for (const auto& [kind, name] :
             {std::pair{Lookup::Varieties, u"Pocztowy"_s}, std::pair{Lookup::Lines, u"Janssen"_s},
              std::pair{Lookup::EyeColours, u"Perłowe"_s},
              std::pair{Lookup::Statuses, u"Lotowy"_s}})
            QVERIFY(seed.AddLookup(kind, 1, name).ok());
        ContactRecord breeder;
        breeder.firstName = u"Jan"_s;
        breeder.lastName = u"Kowalski"_s;
        QVERIFY(seed.SaveBreeder(-1, breeder).ok());
        ContactRecord client = breeder;
        client.lastName = u"Nowak"_s;
        QVERIFY(seed.SaveClient(-1, client).ok());
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

    void addWithEveryField() {
        const auto step = ModalDriver::OnNextModal([](QDialog* editor) {
            for (const auto& [name, text] :
                 {std::pair{u"country"_s, u"PL"_s}, std::pair{u"union"_s, u"0207"_s},
                  std::pair{u"year"_s, u"2026"_s}, std::pair{u"band"_s, u"4711"_s},
                  std::pair{u"name"_s, u"Błyskawica"_s}})
                SetText(editor, name, text);
            for (const auto& [name, item] :
                 {std::pair{u"sex"_s, u"Hen"_s}, std::pair{u"colour"_s, u"Czerwony"_s},
                  std::pair{u"variety"_s, u"Pocztowy"_s}, std::pair{u"line"_s, u"Janssen"_s},
                  std::pair{u"eyeColour"_s, u"Perłowe"_s}, std::pair{u"status"_s, u"Lotowy"_s},
                  std::pair{u"breeder"_s, u"Jan Kowalski"_s}, std::pair{u"owner"_s, u"Jan Nowak"_s},
                  std::pair{u"healthRate"_s, u"7"_s}, std::pair{u"featheringRate"_s, u"8"_s},
                  std::pair{u"racingRate"_s, u"9"_s}, std::pair{u"generalRate"_s, u"10"_s}})
                Choose(editor, name, item);
            SetDate(editor, u"datePurchased"_s, 2, 3, 2026);
            SetDate(editor, u"dateSold"_s, 4, 5, 2026);
            SetDate(editor, u"dateOfBirth"_s, 31, 4, 2025); // rolls over to 1 May
            SetDate(editor, u"dateLeft"_s, 6, 7, 2026);
            auto* remarks = Find<QPlainTextEdit>(editor, u"remarks"_s);
            remarks->setPlainText(u"ogólne"_s);
            for (const QString& page : {u"appearance"_s, u"problems"_s, u"diseases"_s}) {
                Click(editor, page);
                remarks->setPlainText(page); // the last is stored on OK without another click
            }
            for (int i = 0; i < 5; ++i)
                Find<QPlainTextEdit>(editor, u"pedigreeNote%1"_s.arg(i))
                    ->setPlainText(u"rodowód %1"_s.arg(i));
            Click(editor, u"ok"_s);
        });
        m_list->Perform(PageCommand::AddPigeon);
        QCOMPARE(m_list->Model()->CellText(0, PigeonTableModel::Colour), u"Czerwony"_s);

        AppData reloaded;
        QVERIFY(reloaded.SelectLoft(1).ok());
        const PigeonRecord& p = reloaded.pigeons.begin()->second;
        QCOMPARE(
            (QStringList{p.country, p.branch, p.year, p.ringNumber, p.name, p.phenotype,
                         reloaded.varieties.at(p.idVariety), reloaded.lines.at(p.idLine),
                         reloaded.eyeColours.at(p.idEyeColour), reloaded.statuses.at(p.idStatus),
                         reloaded.breeders.at(p.idBreeder).lastName,
                         reloaded.clients.at(p.idOwner).lastName}),
            (QStringList{u"PL"_s, u"0207"_s, u"2026"_s, u"4711"_s, u"Błyskawica"_s, u"Czerwony"_s,
                         u"Pocztowy"_s, u"Janssen"_s, u"Perłowe"_s, u"Lotowy"_s, u"Kowalski"_s,
                         u"Nowak"_s}));
        QCOMPARE(p.sex, 2);
        QCOMPARE(p.idColour, m_red);
        QCOMPARE((QList<int>{p.ratingHealth, p.ratingPlumage, p.ratingRacing, p.ratingOverall}),
                 (QList<int>{7, 8, 9, 10}));
        QCOMPARE(p.datePurchased, ComposeLocalTime(2026, 3, 2, 1, 1, 1));
        QCOMPARE(p.dateSold, ComposeLocalTime(2026, 5, 4, 1, 1, 1));
        QCOMPARE(p.dateOfBirth, ComposeLocalTime(2025, 5, 1, 1, 1, 1));
        QCOMPARE(p.dateLeft, ComposeLocalTime(2026, 7, 6, 1, 1, 1));
        QCOMPARE((QStringList{p.notesGeneral, p.notesAppearance, p.notesProblems, p.notesDiseases,
                              p.pedigreeNote1, p.pedigreeNote4, p.pedigreeNote0}),
                 (QStringList{u"ogólne"_s, u"appearance"_s, u"problems"_s, u"diseases"_s,
                              u"rodowód 0"_s, u"rodowód 3"_s, u"rodowód 4"_s}));
    }

    void keepOpenAddsSeveral() {
        int treatmentRows = -1;
        const auto step = ModalDriver::OnNextModal([&](QDialog* editor) {
            QTest::mouseClick(Find<QCheckBox>(editor, u"keepOpen"_s), Qt::LeftButton);
            Click(editor, u"ok"_s); // nothing filled is a pigeon too
            QVERIFY(editor->isVisible());
            {
                // A clean add-mode editor again: its attachment buttons wait for a stored pigeon.
                ModalDriver::NoDialogGuard guard;
                for (const QString& button : {u"addTreatment"_s, u"addPhoto"_s, u"addDocument"_s})
                    Click(editor, button);
                QCOMPARE(guard.dialogsSeen(), 0);
            }
            treatmentRows = Find<QTableWidget>(editor, u"treatmentList"_s)->rowCount();
            QCOMPARE(editor->windowTitle(), u"Add New Pigeon"_s);
            auto* band = Find<QLineEdit>(editor, u"band"_s);
            band->setFocus();
            QTest::keyClicks(band, u"2"_s);
            QTest::keyClick(band, Qt::Key_Return); // "Add" is the default button
            Click(editor, u"ok"_s);
            QVERIFY(editor->isVisible());
            Click(editor, u"close"_s);
        });
        FileDialog::Titles().clear();
        m_list->Perform(PageCommand::AddPigeon);
        QVERIFY(FileDialog::Titles().isEmpty());
        QCOMPARE(treatmentRows, 0);
        QCOMPARE(m_list->Model()->rowCount(), 3);
        QCOMPARE(m_list->Model()->CellText(0, PigeonTableModel::Band), QString());
        QCOMPARE(m_list->Model()->CellText(2, PigeonTableModel::Band), u"2"_s);
        QVERIFY(MessageBox::History().isEmpty());
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM kategoria_id;"_s), 3);

        AppData reloaded;
        QVERIFY(reloaded.LoadPigeons(1).ok());
        const PigeonRecord& p = reloaded.pigeons.at(m_list->Model()->PigeonAt(0));
        QCOMPARE(
            (QList<qint64>{p.sex, p.ratingOverall, p.idColour, p.dateOfBirth, p.datePurchased}),
            (QList<qint64>{0, 0, 0, -1, -1}));
        QVERIFY(p.dateAdded > 0);
    }

    void refusedDatesKeepTheEditorOpen_data() {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("message");
        QTest::newRow("words") << u"pierwszy"_s << u"1"_s << u"2026"_s << u"whole numbers"_s;
        QTest::newRow("year 0") << u"1"_s << u"1"_s << u"0"_s << u"year must be"_s;
        QTest::newRow("year 99999") << u"1"_s << u"1"_s << u"99999"_s << u"year must be"_s;
        QTest::newRow("day 45") << u"45"_s << u"1"_s << u"2026"_s << u"day must be"_s;
        QTest::newRow("month 13") << u"1"_s << u"13"_s << u"2026"_s << u"month must be"_s;
    }

    void refusedDatesKeepTheEditorOpen() {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(QString, message);
        const auto step = ModalDriver::OnNextModal([&](QDialog* editor) {
            auto* date = Find<DateFields>(editor, u"dateOfBirth"_s);
            QTest::mouseClick(date->CheckBox(), Qt::LeftButton, {}, QPoint(5, 5));
            QVERIFY(date->IsChecked());
            date->DayEdit()->setText(day);
            date->MonthEdit()->setText(month);
            date->YearEdit()->setText(year);
            Click(editor, u"ok"_s);
            QVERIFY(editor->isVisible());
            QCOMPARE(date->YearEdit()->text(), year); // what was typed stays
            editor->reject();
        });
        m_list->Perform(PageCommand::AddPigeon);
        QCOMPARE(m_list->Model()->rowCount(), 0);
        QCOMPARE(MessageBox::History().size(), 1);
        QVERIFY2(MessageBox::History()[0].contains(message), qPrintable(MessageBox::History()[0]));
    }

    void failedSaveKeepsTheEditorAndTheList() {
        // The link of a new pigeon cannot be written: the pigeon is not stored either.
        QVERIFY(DbProbe::Exec(m_data->pigeonsDb(), u"DROP TABLE kategoria_id;"_s));
        bool open = false;
        const auto add = ModalDriver::OnNextModal([&open](QDialog* editor) {
            SetText(editor, u"band"_s, u"500"_s);
            Click(editor, u"ok"_s);
            open = editor->isVisible();
            editor->reject();
        });
        m_list->Perform(PageCommand::AddPigeon);
        QVERIFY(open);
        QCOMPARE(MessageBox::History().size(), 1);
        QVERIFY(MessageBox::History()[0].contains(u"could not be saved"_s));
        QCOMPARE(m_list->Model()->rowCount(), 0);
        QVERIFY(m_app->pigeons.empty());
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM pigeons;"_s), 0);
    }

    void editRewritesTheRow() {
        const int id = AddPigeon(u"100"_s);
        m_list->SelectRow(0);
        QString caption;
        const auto edit = ModalDriver::OnNextModal([&caption](QDialog* editor) {
            caption = editor->windowTitle();
            QVERIFY(!Find<QCheckBox>(editor, u"keepOpen"_s)->isVisible());
            SetText(editor, u"band"_s, u"101"_s);
            SetText(editor, u"name"_s, u"Perła"_s);
            SetDate(editor, u"dateOfBirth"_s, 15, 6, 1965);
            // A colour typed into the box that is no entry keeps the colour id and becomes the
            // phenotype, exactly as typed.
            auto* colour = Find<QComboBox>(editor, u"colour"_s);
            colour->setFocus();
            QTest::keyClicks(colour->lineEdit(), u"Szpakowaty"_s);
            Click(editor, u"ok"_s);
        });
        m_list->Perform(PageCommand::EditPigeon);
        QCOMPARE(caption, u"Editing:    100"_s);
        const qint64 hatched = ComposeLocalTime(1965, 6, 15, 1, 1, 1);
        QVERIFY(hatched < 0);
        QCOMPARE(m_app->pigeons.at(id).dateOfBirth, hatched);
        QCOMPARE(m_app->pigeons.at(id).idColour, 0);
        QCOMPARE(m_app->pigeons.at(id).phenotype, u"Szpakowaty"_s);
        // The row stays selected and the preview shows the edited bird.
        QCOMPARE(m_app->currentPigeon, 0);
        QCOMPARE(m_list->PreviewPage(0)->findChild<QLabel*>(u"band"_s)->text(),
                 u"   101 [Perła]"_s);

        // The date before 1970 is shown again as typed, and an edit of something else keeps it.
        QString shown;
        const auto again = ModalDriver::OnNextModal([&shown](QDialog* editor) {
            shown = DateText(Find<DateFields>(editor, u"dateOfBirth"_s));
            Choose(editor, u"colour"_s, u"Niebieski"_s);
            Click(editor, u"ok"_s);
        });
        m_list->Perform(PageCommand::EditPigeon);
        QCOMPARE(shown, u"15/6/1965"_s);
        QCOMPARE(m_list->Model()->CellText(0, PigeonTableModel::Colour), u"Niebieski"_s);
        AppData reloaded;
        QVERIFY(reloaded.SelectLoft(1).ok());
        const PigeonRecord& p = reloaded.pigeons.at(id);
        QCOMPARE(p.ringNumber, u"101"_s);
        QCOMPARE(p.dateOfBirth, hatched);
        QCOMPARE(p.idColour, m_blue);
    }

    void photosAndDocumentsOfAStoredPigeon() {
        const int id = AddPigeon(u"200"_s);
        const QString photo = m_data->makeFile(u"głowa.jpg"_s, "jpeg bytes");
        const QString document = m_data->makeFile(u"rodowód.pdf"_s, "pdf bytes");
        // Without a program for the file type the user is told so.
        ExternalPrograms::SetLauncherForTests([](const QString&) { return false; });
        m_list->SelectRow(0);
        QStringList files;
        const auto step = ModalDriver::OnNextModal([&](QDialog* editor) {
            FileDialog::SetNextName(photo);
            Click(editor, u"addPhoto"_s);
            FileDialog::SetNextName(document);
            Click(editor, u"addDocument"_s);
            auto* photos = Find<QListWidget>(editor, u"photoList"_s);
            auto* documents = Find<QListWidget>(editor, u"documentList"_s);
            QCOMPARE(documents->item(0)->text(), u"rodowód.pdf"_s);
            documents->setFocus();
            QTest::keyClick(documents, Qt::Key_Down);
            QTest::mouseClick(Find<QPushButton>(editor, u"openDocument"_s), Qt::LeftButton);
            // The pages store at once, before the editor's OK.
            const PigeonRecord& stored = m_app->pigeons.at(id);
            QCOMPARE(stored.photos.size(), 1u);
            QCOMPARE(stored.documents.size(), 1u);
            files = {InstallDir() + u"/db/images/"_s + QString::number(stored.photos[0].id) +
                         u"000.jpg"_s,
                     InstallDir() + u"/db/documents/"_s + QString::number(stored.documents[0].id) +
                         u"000.pdf"_s};
            QVERIFY(QFile::exists(files[0]) && QFile::exists(files[1]));

            documents->setCurrentRow(-1);
            Click(editor, u"deleteDocument"_s); // nothing selected
            photos->setCurrentRow(0);
            MessageBox::SetNextAnswer(QMessageBox::No);
            Click(editor, u"deletePhoto"_s);
            QCOMPARE(photos->count(), 1);
            MessageBox::SetNextAnswer(QMessageBox::Yes);
            Click(editor, u"deletePhoto"_s);
            documents->setCurrentRow(0);
            MessageBox::SetNextAnswer(QMessageBox::Yes);
            Click(editor, u"deleteDocument"_s);
            QCOMPARE(photos->count(), 0);
            editor->reject();
        });
        m_list->Perform(PageCommand::EditPigeon);
        ExternalPrograms::SetLauncherForTests({});
        QVERIFY(MessageBox::History().first().startsWith(
            u"No program to open \"rodowód.pdf\" was found"_s));
        QVERIFY(MessageBox::History().contains(u"Please select document."_s));
        QCOMPARE(files.size(), 2);
        QVERIFY(!QFile::exists(files[0]));
        QVERIFY(!QFile::exists(files[1]));
        QVERIFY(m_app->pigeons.at(id).photos.empty());
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM zdjecia;"_s), 0);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM dokumenty;"_s), 0);
    }

    void fileFiltersKeepTheirEntries() {
        QCOMPARE(FileDialog::QtFilter(
                     u"Dokumenty Microsoft Office (*.doc;*.xls)|*.doc; *.docx|PDF (*.pdf)|*.pdf|"
                     u"Wszystkie pliki|*.*; *.jpeg; *.bmp|All Files (*.*)|*.*||"_s),
                 u"Dokumenty Microsoft Office (*.doc *.docx);;PDF (*.pdf);;"
                 u"Wszystkie pliki (* *.jpeg *.bmp);;All Files (*)"_s);
    }

    void calendarPicksTheDay() {
        QString picked;
        const auto step = ModalDriver::OnNextModal([&picked](QDialog* editor) {
            auto* date = Find<DateFields>(editor, u"dateOfBirth"_s);
            QTest::mouseClick(date->CheckBox(), Qt::LeftButton, {}, QPoint(5, 5));
            date->SetDate(10, 3, 2026);
            const auto calendar = ModalDriver::OnNextModal([](QDialog* dialog) {
                auto* month = dialog->findChild<QCalendarWidget*>(u"calendar"_s);
                QCOMPARE(month->selectedDate(), QDate(2026, 3, 10));
                auto* days = month->findChild<QTableView*>();
                days->setFocus();
                QTest::keyClick(days, Qt::Key_Right);
                QTest::mouseClick(Find<QPushButton>(dialog, u"ok"_s), Qt::LeftButton);
            });
            QTest::mouseClick(date->CalendarButton(), Qt::LeftButton);
            picked = DateText(date);
            editor->reject();
        });
        m_list->Perform(PageCommand::AddPigeon);
        QCOMPARE(picked, u"11/3/2026"_s);
    }

    void treatments() {
        const int id = AddPigeon(u"300"_s);
        m_list->SelectRow(0);
        const auto step = ModalDriver::OnNextModal([id, this](QDialog* editor) {
            // A one-letter name is refused; two letters are enough.
            const auto add = ModalDriver::OnNextModal([](QDialog* treatment) {
                Find<QLineEdit>(treatment, u"name"_s)->setText(u"W"_s);
                Click(treatment, u"ok"_s);
                QVERIFY(treatment->isVisible());
                Find<QLineEdit>(treatment, u"name"_s)->setText(u"Wi"_s);
                Find<DateFields>(treatment, u"dateGiven"_s)->SetDate(10, 3, 2026);
                Find<QLineEdit>(treatment, u"dose"_s)->setText(u"2 ml"_s);
                Click(treatment, u"ok"_s);
            });
            Click(editor, u"addTreatment"_s);
            auto* table = Find<QTableWidget>(editor, u"treatmentList"_s);
            QCOMPARE(table->item(0, 3)->text(), QString()); // no category chosen

            table->selectRow(0);
            const auto edit = ModalDriver::OnNextModal([](QDialog* treatment) {
                Find<QComboBox>(treatment, u"category"_s)->setCurrentIndex(2);
                Find<DateFields>(treatment, u"dateGiven"_s)->SetDate(12, 3, 2026);
                Click(treatment, u"ok"_s);
            });
            Click(editor, u"editTreatment"_s);
            QCOMPARE(table->rowCount(), 1);
            QCOMPARE(table->item(0, 3)->text(), u"Lek"_s);
            // Stored at once, before the editor's OK.
            AppData reloaded;
            QVERIFY(reloaded.SelectLoft(1).ok());
            const std::vector<TreatmentRecord>& stored = reloaded.pigeons.at(id).treatments;
            QCOMPARE(stored.size(), 1u);
            QCOMPARE((QStringList{stored[0].name, stored[0].dose}),
                     (QStringList{u"Wi"_s, u"2 ml"_s}));
            QCOMPARE(stored[0].category, 2);
            QCOMPARE(m_app->pigeons.at(id).treatments.at(0).dateGiven, stored[0].dateGiven);
            LocalFields fields;
            QVERIFY(SplitLocalTime(stored[0].dateGiven, fields));
            QCOMPARE(fields.day, 12);

            table->selectRow(0);
            MessageBox::SetNextAnswer(QMessageBox::Yes);
            Click(editor, u"deleteTreatment"_s);
            editor->reject();
        });
        m_list->Perform(PageCommand::EditPigeon);
        QCOMPARE(MessageBox::History().first(), u"Wprowadź nazwę leku"_s);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM lekisuplementy;"_s),
                 0);
        QVERIFY(m_app->pigeons.at(id).treatments.empty());
    }

private:
    int AddPigeon(const QString& band) {
        const auto step = ModalDriver::OnNextModal([band](QDialog* editor) {
            SetText(editor, u"band"_s, band);
            Click(editor, u"ok"_s);
        });
        m_list->Perform(PageCommand::AddPigeon);
        return m_list->Model()->PigeonAt(m_list->Model()->rowCount() - 1);
    }

    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<AppData> m_app;
    std::unique_ptr<CMainDialog> m_dialog;
    CZakladkaListaPsow* m_list = nullptr;
    int m_blue = 0;
    int m_red = 0;
};

QTEST_MAIN(TestPigeonEditor)
#include "tst_pigeoneditor.moc"
