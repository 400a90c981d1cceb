// SPDX-License-Identifier: GPL-3.0-or-later
// The pigeon editor: adding and editing through the list tab, its dates, lookups and notes, and
// the pages that store photos, documents and treatments at once; the preview panel under the
// list, and the prints the menu makes of the current pigeon.

#include "app/MainDialog.h"
#include "app/MainMenu.h"
#include "pedigree/FamilyTreeView.h"
#include "pedigree/PodgladHTML.h"
#include "racing/RaceHistoryChart.h"
#include "racing/ZakladkaLotyGolebi.h"
#include "register/PreviewPages.h"
#include "register/ZakladkaListaPsow.h"
#include "storage/AppData.h"
#include "storage/InstallDir.h"
#include "storage/LocalTime.h"
#include "storage/RowIdTableModel.h"
#include "storage/TextFile.h"
#include "support/BreedingFixture.h"
#include "support/DbProbe.h"
#include "support/ModalDriver.h"
#include "support/ShellFixture.h"
#include "support/TestDataDir.h"
#include "support/WidgetSteps.h"
#include "trade/TransactionReport.h"
#include "ui/DateFields.h"
#include "ui/ExternalPrograms.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

enum Bird { Cock, Hen1, Hen2, Hen3, Child1, Sibling, Child2, Child3, Child4, BirdCount };

QStringList Column(const QTableWidget* list, int column) {
    QStringList texts;
    for (int row = 0; row < list->rowCount(); ++row)
        texts.append(list->item(row, column)->text());
    return texts;
}

QString Text(const QWidget* page, const QString& name) {
    return page->findChild<QLabel*>(name)->text();
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

    // A cock paired with three hens (the second twice), their young, and a bird raised by the
    // first pair though its recorded dam is the second hen; the lookups, a breeder and a client.
    void init() {
        m_data = std::make_unique<TestDataDir>();
        QVERIFY(PrepareInstallDir());
        ShellFixture::SeedLofts({{u"Gołębnik"_s, {u"Lotowe"_s}}});
        AppData seed;
        QVERIFY(seed.SelectLoft(1).ok());
        m_ids.clear();
        for (int bird = 0; bird < BirdCount; ++bird) {
            PigeonRecord p;
            p.idLoft = 1;
            p.country = u"PL"_s;
            p.ringNumber = QString::number(100 + bird);
            p.sex = bird == Cock ? 1 : bird <= Hen3 ? 2 : 0;
            if (bird == Sibling) {
                p.idSire = m_ids[Cock];
                p.idDam = m_ids[Hen2];
            }
            QVERIFY(seed.AddPigeonToCategory(p, 1).ok());
            m_ids.push_back(p.id);
        }
        const std::pair<Bird, std::vector<Bird>> pairs[] = {
            {Hen1, {Child1, Sibling, Child2}}, {Hen2, {Child3}}, {Hen3, {}}, {Hen2, {Child4}}};
        for (const auto& [hen, children] : pairs) {
            // The young are stored apart, so that their recorded parents stay as they are.
            const int pair = BreedingFixture::StorePair(seed, 1, m_ids[Cock], m_ids[hen], -1, {});
            for (Bird child : children) {
                ChildRecord record{0, m_ids[child], pair, 1, -1, QString()};
                QVERIFY(seed.SaveChild(-1, record).ok());
            }
        }
        // Three races of the cock, one a season from 2024: positions 0, 5 and 2.
        int season = 2024;
        for (int position : {0, 5, 2})
            BreedingFixture::StoreRace(seed, 1, ComposeLocalTime(season++, 6, 14, 7, 0, 0),
                                       {{m_ids[Cock], position}});
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
            // Every "..." button has a name a screen reader can say.
            for (const QPushButton* button : editor->findChildren<QPushButton*>())
                QVERIFY(button->text() != u"..."_s || !button->accessibleName().isEmpty());
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
        QCOMPARE(m_list->Model()->CellText(BirdCount, PigeonColumn::Colour), u"Czerwony"_s);

        AppData reloaded;
        QVERIFY(reloaded.SelectLoft(1).ok());
        const PigeonRecord& p = reloaded.pigeons.at(m_list->Model()->IdAt(BirdCount));
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
            // The same band again is asked about: No stores nothing, Yes a second bird.
            Click(editor, u"ok"_s);
            MessageBox::SetNextAnswer(QMessageBox::Yes);
            Click(editor, u"ok"_s);
            QVERIFY(editor->isVisible());
            Click(editor, u"close"_s);
        });
        FileDialog::Titles().clear();
        m_list->Perform(PageCommand::AddPigeon);
        QVERIFY(FileDialog::Titles().isEmpty());
        QCOMPARE(treatmentRows, 0);
        QCOMPARE(m_list->Model()->rowCount(), BirdCount + 3);
        // Both counts follow the adds: the loft holds the category's birds and no others.
        QCOMPARE(m_dialog->findChild<QLabel*>(u"loftCount"_s)->text(),
                 u"(%1)"_s.arg(BirdCount + 3));
        QCOMPARE(m_list->Model()->CellText(BirdCount, PigeonColumn::Band), QString());
        QCOMPARE(m_list->Model()->CellText(BirdCount + 2, PigeonColumn::Band), u"2"_s);
        QCOMPARE(MessageBox::History().size(), 2);
        QCOMPARE(MessageBox::History()[0],
                 u"The band 2 is already registered in this loft. Store this pigeon as well?"_s);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM kategoria_id;"_s),
                 BirdCount + 3);

        AppData reloaded;
        QVERIFY(reloaded.LoadPigeons(1).ok());
        const PigeonRecord& p = reloaded.pigeons.at(m_list->Model()->IdAt(BirdCount));
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
        QCOMPARE(m_list->Model()->rowCount(), int(BirdCount));
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
        QCOMPARE(m_list->Model()->rowCount(), int(BirdCount));
        QCOMPARE(m_app->pigeons.size(), size_t(BirdCount));
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM pigeons;"_s),
                 BirdCount);
    }

    void editRewritesTheRow() {
        const int id = AddPigeon(u"100"_s);
        m_list->SelectRow(BirdCount);
        QString caption;
        const auto edit = ModalDriver::OnNextModal([&caption](QDialog* editor) {
            caption = editor->windowTitle();
            QVERIFY(!Find<QCheckBox>(editor, u"keepOpen"_s)->isVisible());
            SetText(editor, u"band"_s, u"101"_s);
            SetText(editor, u"name"_s, u"Perła"_s);
            SetDate(editor, u"dateOfBirth"_s, 15, 6, 1965);
            // A colour typed into the box that is no entry joins the colour list.
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
        QCOMPARE(m_list->Model()->CellText(BirdCount, PigeonColumn::Colour), u"Szpakowaty"_s);
        QCOMPARE(m_app->colours.at(m_app->pigeons.at(id).idColour), u"Szpakowaty"_s);
        QCOMPARE(m_app->pigeons.at(id).phenotype, u"Szpakowaty"_s);
        // The row stays selected and the preview shows the edited bird.
        QCOMPARE(m_app->currentPigeon, int(BirdCount));
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
        QCOMPARE(m_list->Model()->CellText(BirdCount, PigeonColumn::Colour), u"Niebieski"_s);
        AppData reloaded;
        QVERIFY(reloaded.SelectLoft(1).ok());
        const PigeonRecord& p = reloaded.pigeons.at(id);
        QCOMPARE(p.ringNumber, u"101"_s);
        QCOMPARE(p.dateOfBirth, hatched);
        QCOMPARE(p.idColour, m_blue);
    }

    void photosAndDocumentsOfAStoredPigeon() {
        const int id = AddPigeon(u"200"_s);
        const QString photo = m_data->path() + u"/głowa.jpg"_s;
        QVERIFY(QImage(16, 12, QImage::Format_RGB32).save(photo));
        const QString document = m_data->makeFile(u"rodowód.pdf"_s, "pdf bytes");
        // Without a program for the file type the user is told so.
        ExternalPrograms::SetLauncherForTests([](const QString&) { return false; });
        m_list->SelectRow(BirdCount);
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
            // A delete the file refuses leaves the photo listed and shown.
            const auto* shown =
                Find<QWidget>(editor, u"photoAlbumPage"_s)->findChild<PictureBox*>(u"photo"_s);
            QVERIFY(!shown->ShowsPlaceholder());
            {
                ReadOnlyFiles readOnly({m_data->pigeonsDb()});
                MessageBox::SetNextAnswer(QMessageBox::Yes);
                Click(editor, u"deletePhoto"_s);
            }
            QCOMPARE(photos->count(), 1);
            QVERIFY(!shown->ShowsPlaceholder());
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
        QVERIFY(!QFile::exists(files[0]) && !QFile::exists(files[1]));
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
        m_list->SelectRow(BirdCount);
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
            // The columns fill the page, headings whole.
            int widths = 0;
            QVERIFY(HeadingsWhole(table));
            for (int column = 0; column < table->columnCount(); ++column)
                widths += table->columnWidth(column);
            QVERIFY(widths >= table->viewport()->width() - 4);

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

    void summaryAndRacePages() {
        QWidget* page = m_list->PreviewPage(0);
        QCOMPARE(Text(page, u"band"_s), u"Please select pigeon"_s);
        QCOMPARE(Text(page, u"dam"_s), u"No dam information "_s);
        QCOMPARE(Text(page, u"velocity"_s), u"Velocity: 0"_s);
        m_list->SelectRow(Hen1); // no parents, no races
        QCOMPARE(Text(page, u"band"_s), u"PL   101"_s);
        QCOMPARE(Text(page, u"sire"_s), u"No sire information "_s);
        QCOMPARE(Text(page, u"dam"_s), u"No dam  information "_s);
        QCOMPARE(Text(page, u"qualifications"_s), u"Qualifications: 0"_s);
        m_list->SelectRow(Sibling);
        QCOMPARE(Text(page, u"sire"_s), u"PL   100"_s);
        QCOMPARE(Text(page, u"dam"_s), u"PL   102"_s);
        m_list->SelectRow(Cock); // three races averaging 1241.99 m/min
        QCOMPARE(Text(page, u"qualifications"_s), u"Qualifications: 3"_s);
        QCOMPARE(Text(page, u"velocity"_s), u"Velocity: 1241"_s);

        m_list->ShowPreviewPage(4);
        m_list->SelectRow(Cock);
        page = m_list->PreviewPage(4);
        QCOMPARE(static_cast<CPanelPodgladuTab5*>(page)->Races()->rowCount(), 3);
        QCOMPARE(Text(page, u"qualifications"_s), u"3"_s);
        QCOMPARE(Text(page, u"averagePosition"_s), u"3"_s); // (5 + 2) / 2: 0 is not placed
        QCOMPARE(Text(page, u"bestPosition"_s), u"2"_s);    // position 0 is no position
        QCOMPARE(Text(page, u"averageVelocity"_s), u"1241.99"_s);
        QCOMPARE(Text(page, u"maximumVelocity"_s), u"1250"_s);
        m_list->SelectRow(Hen1);
        QCOMPARE(Text(page, u"averageVelocity"_s), u"0"_s);
        QCOMPARE(Text(page, u"bestPosition"_s), u"0"_s);
        QCOMPARE(Text(page, u"maximumVelocity"_s), u"0"_s);
    }

    // The race results page opens the cock's race history; a bird without races cannot.
    void raceHistoryWindow() {
        m_list->ShowPreviewPage(4);
        QWidget* page = m_list->PreviewPage(4);
        auto* button = Find<QPushButton>(page, u"raceHistory"_s);
        m_list->SelectRow(Hen1);
        QVERIFY(!button->isEnabled());
        QCOMPARE(button->toolTip(), u"This pigeon has no race results."_s);
        m_list->SelectRow(Cock);
        QVERIFY(button->isEnabled());
        const QString pdf = m_data->path() + u"/historia"_s;
        FileDialog::SetNextName(pdf);
        const auto window = OnNextWindow([&pdf](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), u"raceHistory"_s);
            auto* chart = Find<RaceHistoryChart>(dialog, u"chart"_s);
            QTRY_COMPARE(QApplication::focusWidget(), chart);
            auto* details = Find<QLabel>(dialog, u"details"_s);
            const QStringList races = {u"Gniezno, 14/06/24: 1250 m/min, not placed"_s,
                                       u"Gniezno, 14/06/25: 1232.88 m/min, position 5"_s,
                                       u"Gniezno, 14/06/26: 1243.09 m/min, position 2"_s};
            for (int i : {0, 1, 2, 2}) { // Right stops at the last race
                QTest::keyClick(chart, Qt::Key_Right);
                QCOMPARE(details->text(), races[i]);
            }
            QTest::keyClick(chart, Qt::Key_Left);
            QCOMPARE(details->text(), races[1]);
            QVERIFY(!chart->PositionPoint(0)); // not placed: no point
            // To the dialog's window: the cursor alone would move over the main window too.
            QTest::mouseMove(dialog->windowHandle(),
                             chart->mapTo(dialog, chart->PositionPoint(2)->toPoint()));
            QTRY_COMPARE(QToolTip::text(), races[2]);
            QTest::mouseClick(chart, Qt::LeftButton, {}, chart->VelocityPoint(0)->toPoint());
            QCOMPARE(details->text(), races[0]);

            Click(dialog, u"savePdf"_s); // ".pdf" is added to a name without one
            QFile saved(pdf + u".pdf"_s);
            QVERIFY(saved.open(QIODevice::ReadOnly));
            const QByteArray file = saved.readAll();
            QVERIFY(file.startsWith("%PDF") && file.trimmed().endsWith("%%EOF"));
            QVERIFY(MessageBox::History().isEmpty());
            {
                const auto print = OnNextWindow([](QDialog* printDialog) {
                    QVERIFY(qobject_cast<QPrintDialog*>(printDialog));
                    printDialog->reject();
                });
                QTest::keyClick(chart, Qt::Key_P, Qt::ControlModifier);
            }
            QTest::keyClick(chart, Qt::Key_Escape);
            QVERIFY(!dialog->isVisible());
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(window.Shown());
        // On a dark theme the series stay readable: the lighter hues are taken.
        QPalette dark;
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, Qt::white);
        QVERIFY(ChartColours(dark).velocity.lightness() > 150);
        QVERIFY(ChartColours(dark).position.lightness() > 150);
        QVERIFY(PrintColours().velocity.lightness() < 120);
    }

    void summaryWithAnApostropheIsStored() {
        m_list->SelectRow(Cock);
        const QString typed = u"<b>Syn</b> 'Asa', szybki"_s;
        auto readOnly = std::make_unique<ReadOnlyFiles>(QStringList{m_data->pigeonsDb()});
        const auto dialog = ModalDriver::OnNextModal([&](QDialog* summary) {
            QCOMPARE(QApplication::activeWindow(), summary);
            QCOMPARE(summary->windowTitle(), u"Set summary...."_s);
            auto* text = summary->findChild<QPlainTextEdit*>(u"summary"_s);
            QVERIFY(text->hasFocus());
            QTest::keyClicks(text, typed);
            // A summary that cannot be stored is reported; the dialog stays with the text.
            QTest::mouseClick(summary->findChild<QPushButton*>(u"ok"_s), Qt::LeftButton);
            QCOMPARE(MessageBox::History().size(), 1);
            QVERIFY(summary->isVisible());
            QCOMPARE(text->toPlainText(), typed);
            readOnly.reset();
            QTest::mouseClick(summary->findChild<QPushButton*>(u"ok"_s), Qt::LeftButton);
        });
        QTest::mouseClick(m_list->PreviewPage(0)->findChild<QPushButton*>(u"setSummary"_s),
                          Qt::LeftButton);
        // Shown as typed: a "<b>" is no markup.
        const QLabel* label = m_list->PreviewPage(0)->findChild<QLabel*>(u"summary"_s);
        QCOMPARE(label->text(), typed);
        QCOMPARE(label->textFormat(), Qt::PlainText);
        AppData reloaded;
        QVERIFY(reloaded.SelectLoft(1).ok());
        QCOMPARE(reloaded.pigeons.at(m_ids[Cock]).shortDescription, typed);
    }

    void familyTreePage() {
        m_app->pigeons[m_ids[Hen2]].name = u"Dama &Co"_s;
        m_app->pigeons[m_ids[Hen2]].shortDescription = u"<b>szybka</b>"_s;
        m_list->ShowPreviewPage(1);
        m_list->SelectRow(Sibling);
        auto* page = static_cast<CPanelPodgladuTab2*>(m_list->PreviewPage(1));
        QCOMPARE(page->Tree()->Button(TreeSire)->ShownText(), u"PL   100"_s);
        QCOMPARE(page->ChosenBird(), m_ids[Sibling]);
        // The "&" of a name is no mnemonic: Alt+C chooses no bird.
        QTest::keyClick(page->Tree()->Button(TreeSire), Qt::Key_C, Qt::AltModifier);
        QTest::qWait(300); // a mnemonic clicks after 100 ms
        QCOMPARE(page->ChosenBird(), m_ids[Sibling]);
        QTest::mouseClick(page->Tree()->Button(TreeDam), Qt::LeftButton);
        QCOMPARE(page->ChosenBird(), m_ids[Hen2]);
        QCOMPARE(page->findChild<QLabel*>(u"birdBand"_s)->text(), u"PL   102 [Dama &Co]"_s);
        const QLabel* description = page->findChild<QLabel*>(u"birdDescription"_s);
        QCOMPARE(description->text(), u"<b>szybka</b>"_s);
        QCOMPARE(description->textFormat(), Qt::PlainText);
        // Nothing selected: the tree stays as it was.
        m_list->SelectRow(-1);
        QCOMPARE(page->Tree()->Button(TreeSubject)->ShownText(), u"PL   105"_s);
        // The side panel shows on pages wider than 1000 pixels only.
        page->resize(1000, page->height());
        QVERIFY(!page->SidePanelShown());
        page->resize(1100, page->height());
        QVERIFY(page->SidePanelShown());
    }

    void partnersAndProgenyByKeys() {
        m_list->ShowPreviewPage(2);
        m_list->SelectRow(Cock);
        auto* page = static_cast<CPanelPodgladuTab3*>(m_list->PreviewPage(2));
        QCOMPARE(ShellFixture::Items(page->Partners()),
                 (QStringList{u"PL   101"_s, u"PL   102"_s, u"PL   103"_s, u"PL   102"_s}));
        QCOMPARE(Text(page, u"partnerCount"_s), u"4"_s);
        QCOMPARE(Text(page, u"progenyCount"_s), u"5"_s);
        // Without a partner: what to choose.
        QTest::mouseClick(page->findChild<QPushButton*>(u"saveProgeny"_s), Qt::LeftButton);
        QTest::mouseClick(page->findChild<QPushButton*>(u"familyTree"_s), Qt::LeftButton);
        QCOMPARE(MessageBox::History(), (QStringList{u"Select partner from list."_s,
                                                     u"You must select pigeon from list of "
                                                     u"progeny."_s}));
        page->Partners()->setFocus();
        QApplication::processEvents();
        QTest::keyClick(page->Partners(), Qt::Key_Down);
        QCOMPARE(Column(page->Progeny(), 1),
                 (QStringList{u"PL   104"_s, u"PL   105"_s, u"PL   106"_s}));
        QTest::keyClick(page->Partners(), Qt::Key_Down);
        QCOMPARE(Column(page->Progeny(), 1), QStringList{u"PL   107"_s});
        page->Progeny()->selectRow(0);
        QString title;
        const auto tree = ModalDriver::OnNextModal([&title](QDialog* dialog) {
            title = dialog->findChild<FamilyTreeView*>()->Button(TreeSubject)->ShownText();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::mouseClick(page->findChild<QPushButton*>(u"familyTree"_s), Qt::LeftButton);
        QCOMPARE(title, u"PL   107"_s);
        const auto card = ModalDriver::OnNextModal([](QDialog* dialog) { dialog->reject(); });
        QTest::mouseClick(page->findChild<QPushButton*>(u"saveProgeny"_s), Qt::LeftButton);
        QCOMPARE(card.DialogClass(), u"CDrukujKarteMiotu"_s);
    }

    void siblingsInBothModes() {
        m_list->ShowPreviewPage(3);
        m_list->SelectRow(Sibling);
        auto* page = static_cast<CPanelPodgladuTab4*>(m_list->PreviewPage(3));
        // Its clutch: the other young of the pair that raised it.
        QCOMPARE(Column(page->Siblings(), 1), (QStringList{u"PL   104"_s, u"PL   106"_s}));
        // Every pair of its recorded sire and dam.
        page->ModeBox()->setFocus();
        QTest::keyClick(page->ModeBox(), Qt::Key_Down);
        QCOMPARE(Column(page->Siblings(), 1), (QStringList{u"PL   107"_s, u"PL   108"_s}));
        // Back to the clutch; "Edit Pigeon" opens the bird the chosen row shows.
        QTest::keyClick(page->ModeBox(), Qt::Key_Up);
        page->Siblings()->selectRow(1);
        QCOMPARE(EditorTitle(page), u"Editing: PL   106"_s);
        // A pigeon without recorded parents has no siblings in either mode.
        m_list->SelectRow(Child1);
        QCOMPARE(page->Siblings()->rowCount(), 0);
        QTest::keyClick(page->ModeBox(), Qt::Key_Down);
        QCOMPARE(page->Siblings()->rowCount(), 0);
        QTest::mouseClick(page->findChild<QPushButton*>(u"familyTree"_s), Qt::LeftButton);
        QCOMPARE(MessageBox::History().last(), u"Musisz wybrać gołębia z listy rodzeństwa."_s);
    }

    // A page keeps the choice it shows and the bird chosen on it through the editor.
    void editFromAPageKeepsItsChoice() {
        m_list->ShowPreviewPage(3);
        m_list->SelectRow(Sibling);
        auto* siblings = static_cast<CPanelPodgladuTab4*>(m_list->PreviewPage(3));
        siblings->ModeBox()->setFocus();
        QTest::keyClick(siblings->ModeBox(), Qt::Key_Down); // all siblings: 107, 108
        ClickRow(siblings->Siblings(), 1);
        QCOMPARE(EditorTitle(siblings), u"Editing: PL   108"_s);
        QCOMPARE(siblings->ModeBox()->currentIndex(), int(CPanelPodgladuTab4::AllSiblings));
        QCOMPARE(EditorTitle(siblings), u"Editing: PL   108"_s);

        m_list->ShowPreviewPage(2);
        m_list->SelectRow(Cock);
        auto* progeny = static_cast<CPanelPodgladuTab3*>(m_list->PreviewPage(2));
        QListWidget* partners = progeny->Partners();
        QTest::mouseClick(partners->viewport(), Qt::LeftButton, {},
                          partners->visualItemRect(partners->item(1)).center());
        ClickRow(progeny->Progeny(), 0);
        QCOMPARE(EditorTitle(progeny), u"Editing: PL   107"_s);
        QCOMPARE(EditorTitle(progeny), u"Editing: PL   107"_s);
        const auto card = ModalDriver::OnNextModal([](QDialog* dialog) { dialog->reject(); });
        QTest::mouseClick(progeny->findChild<QPushButton*>(u"saveProgeny"_s), Qt::LeftButton);
        QCOMPARE(card.DialogClass(), u"CDrukujKarteMiotu"_s);
        QVERIFY(MessageBox::History().isEmpty());
    }

    // The pages follow what another tab changed while they were out of sight.
    void pagesFollowChangesMadeElsewhere() {
        m_list->ShowPreviewPage(4);
        m_list->SelectRow(Cock);
        QWidget* races = m_list->PreviewPage(4);
        QCOMPARE(Text(races, u"qualifications"_s), u"3"_s);
        m_dialog->SetActiveTab(CMainDialog::TabRaces);
        auto* tab = static_cast<CZakladkaLotyGolebi*>(m_dialog->Page(CMainDialog::TabRaces));
        tab->SelectRace(1); // the cock's 5th place
        tab->SelectFlyer(0);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        ShellFixture::MenuAction(*m_dialog, CmdDeleteFlyer)->trigger();
        m_dialog->SetActiveTab(CMainDialog::TabPigeons);
        QCOMPARE(static_cast<CPanelPodgladuTab5*>(races)->Races()->rowCount(), 2);
        QCOMPARE(Text(races, u"averagePosition"_s), u"2"_s);
        QCOMPARE(Text(races, u"bestPosition"_s), u"2"_s);
        m_list->ShowPreviewPage(0);
        QCOMPARE(Text(m_list->PreviewPage(0), u"qualifications"_s), u"Qualifications: 2"_s);

        // Saved where the user chooses, as a list page is.
        const QString path = m_data->path() + u"/wyniki"_s;
        FileDialog::SetNextName(path);
        FileDialog::Filters().clear();
        m_list->ShowPreviewPage(4);
        QTest::mouseClick(races->findChild<QPushButton*>(u"saveRaces"_s), Qt::LeftButton);
        QCOMPARE(FileDialog::Filters(), QStringList{u"Plik HTML (*.html)"_s});
        QCOMPARE(ReadTextFile(path + u".html"_s).count(u"<tr valign=top>"_s), 2);
    }

    void menuPrintsOfTheCurrentPigeon_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("message");
        QTest::newRow("family tree")
            << int(CmdFamilyTree) << u"CDrzewoGenealogicznePsa"_s << u"Wybierz ptaka z listy"_s;
        QTest::newRow("pedigree") << int(CmdPrintPedigree) << u"CDrukujRodowodGolebia"_s
                                  << u"You must select pigeon from list to print his pedigree."_s;
        QTest::newRow("progeny") << int(CmdPrintProgeny) << u"CEksportListyDoHTML"_s
                                 << u"You must select pigeon from list to print his progeny."_s;
        QTest::newRow("siblings") << int(CmdPrintSiblings) << u"CEksportListyDoHTML"_s
                                  << u"You must select pigeon from list to print his siblings."_s;
        QTest::newRow("racing results")
            << int(CmdPrintRacingResults) << u"CPodgladHTML"_s
            << u"You must select pigeon from list to print his racing results."_s;
    }

    void menuPrintsOfTheCurrentPigeon() {
        QFETCH(int, command);
        QFETCH(QString, window);
        QFETCH(QString, message);
        QAction* action = ShellFixture::MenuAction(*m_dialog, command);
        QVERIFY(action->isEnabled());
        {
            ModalDriver::NoDialogGuard guard;
            action->trigger();
            QCOMPARE(guard.dialogsSeen(), 0);
        }
        QCOMPARE(MessageBox::History(), QStringList{message});
        m_list->SelectRow(command == CmdPrintSiblings ? Sibling : Cock);
        const auto opened = ModalDriver::OnNextModal([](QDialog* dialog) { dialog->reject(); });
        action->trigger();
        QCOMPARE(opened.DialogClass(), window);
    }

    void transactionReport() {
        for (const auto& [kind, price, currency] :
             {std::tuple{0, 12.5, int(EUR)}, std::tuple{0, 7.5, int(EUR)},
              std::tuple{1, 100.0, int(PLN)}, std::tuple{2, 9.0, int(PLN)}}) {
            TransactionRecord t;
            t.idLoft = 1;
            t.kind = kind;
            t.price = price;
            t.currency = currency;
            t.otherSubject = u"Karma <premium>"_s;
            QVERIFY(m_app->SaveTransaction(-1, t).ok());
        }
        const QString page = TransactionReportHtml(*m_app);
        QVERIFY(page.startsWith(QChar(0xFEFF)));
        QCOMPARE(page.count(u"<tr valign=top>"_s), 4);
        QVERIFY(page.contains(u"Karma &lt;premium&gt;"_s));
        // "Another" counts in neither total.
        const QString price = u"</td><td style=\"white-space:nowrap\">"_s;
        QVERIFY(page.contains(u"<tr><td>PLN"_s + price + u"0"_s + price + u"100</td></tr>"_s));
        QVERIFY(page.contains(u"<tr><td>EUR"_s + price + u"20"_s + price + u"0</td></tr>"_s));

        QString shown;
        const auto preview = ModalDriver::OnNextModal([&shown](QDialog* dialog) {
            shown = qobject_cast<CPodgladHTML*>(dialog)->Path();
            dialog->reject();
        });
        ShellFixture::MenuAction(*m_dialog, CmdPrintReport)->trigger();
        QCOMPARE(ReadTextFile(shown), page);
    }

private:
    static void ClickRow(QTableWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(row, 1)).center());
    }

    // Opens the editor with the page's "Edit Pigeon", reads its title and closes it.
    static QString EditorTitle(QWidget* page) {
        QString title;
        const auto editor = ModalDriver::OnNextModal([&title](QDialog* dialog) {
            title = dialog->windowTitle();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::mouseClick(page->findChild<QPushButton*>(u"editPigeon"_s), Qt::LeftButton);
        return title;
    }

    int AddPigeon(const QString& band) {
        const auto step = ModalDriver::OnNextModal([band](QDialog* editor) {
            SetText(editor, u"band"_s, band);
            Click(editor, u"ok"_s);
        });
        m_list->Perform(PageCommand::AddPigeon);
        return m_list->Model()->IdAt(m_list->Model()->rowCount() - 1);
    }

    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<AppData> m_app;
    std::unique_ptr<CMainDialog> m_dialog;
    CZakladkaListaPsow* m_list = nullptr;
    std::vector<int> m_ids;
    int m_blue = 0;
    int m_red = 0;
};

QTEST_MAIN(TestPigeonEditor)
#include "tst_pigeoneditor.moc"
