// SPDX-License-Identifier: GPL-3.0-or-later
// The racing windows as a user drives them: the races tab with its painted captions, the race
// and entry editors, the best pigeons dialog, and the Tools menu's calculators and branch list.

#include "app/MainDialog.h"
#include "app/MainMenu.h"
#include "app/ShippedFiles.h"
#include "pedigree/PodgladHTML.h"
#include "racing/NajlepszeGolebie.h"
#include "racing/RaceLists.h"
#include "racing/RacePage.h"
#include "racing/ZakladkaLotyGolebi.h"
#include "register/ZakladkaListaPsow.h"
#include "storage/AppData.h"
#include "storage/LocalTime.h"
#include "storage/RowIdTableModel.h"
#include "storage/TextFile.h"
#include "support/DbProbe.h"
#include "support/ModalDriver.h"
#include "support/ShellFixture.h"
#include "support/TestDataDir.h"
#include "support/WidgetSteps.h"
#include "ui/DateFields.h"
#include "ui/DateTimeFields.h"
#include "ui/FileDialog.h"
#include "ui/LongText.h"
#include "ui/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimeEdit>
#include <QToolTip>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using ModalDriver::OnNextModal;
using Caption = CZakladkaLotyGolebi::Caption;

namespace {

// Types over a line edit's text, as a user does.
void Type(const QWidget* parent, const QString& name, const QString& text) {
    auto* edit = Find<QLineEdit>(parent, name);
    edit->setFocus();
    edit->selectAll();
    ModalDriver::TypeText(edit, text);
}

// Types over a date or a time picker from its first section, as after a click on it.
void TypeOver(QDateTimeEdit* edit, const QString& text) {
    edit->setFocus();
    edit->setSelectedSection(edit->sectionAt(0));
    ModalDriver::TypeText(edit, text);
}

void ClickRow(QTableView* view, int row) {
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(row, 1)).center());
}

} // namespace

class TestRacingWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        MessageBox::SetTestMode(true);
        FileDialog::SetTestMode(true);
    }

    void init() {
        m_data = std::make_unique<TestDataDir>();
        ShellFixture::SeedLofts({{u"Gołębnik"_s, {u"Lotowe"_s}}});
        AppData seed;
        QVERIFY(seed.SelectLoft(1).ok());
        m_pigeons.clear();
        for (const QString& ring : {u"100"_s, u"101"_s}) {
            PigeonRecord pigeon;
            pigeon.idLoft = 1;
            pigeon.country = u"PL"_s;
            pigeon.branch = u"0207"_s;
            pigeon.year = u"2024"_s;
            pigeon.ringNumber = ring;
            QVERIFY(seed.SavePigeon(-1, pigeon).ok());
            QVERIFY(seed.SetPigeonShortDescription(pigeon.id, u"Niebieski samiec"_s).ok());
            QVERIFY(seed.AddCategoryLink(1, pigeon.id).ok());
            m_pigeons.push_back(pigeon.id);
        }
        // Race 1 "Hanower" with two entries; race 2 "Gniezno".
        RaceRecord race;
        race.miejscowosc = u"Hanower"_s;
        race.odleglosckm = 250;
        race.czasodlotu = ComposeLocalTime(2025, 7, 5, 7, 0, 0);
        QVERIFY(seed.SaveRace(-1, race).ok());
        for (int i = 0; i < 2; ++i) {
            FlyerRecord flyer;
            flyer.id_lotu = race.id;
            flyer.id_hodowli = 1;
            flyer.id_golebia = m_pigeons[size_t(i)];
            flyer.DataCzasPrzylotu = ComposeLocalTime(2025, 7, 5, 10, 30 + i, 0);
            flyer.nr_konkursu = 3 + i;
            QVERIFY(seed.SaveFlyer(-1, flyer).ok());
        }
        race.miejscowosc = u"Gniezno"_s;
        QVERIFY(seed.SaveRace(-1, race).ok());
        m_app = std::make_unique<AppData>();
        m_dialog = ShellFixture::OpenMainDialog(*m_app);
        m_dialog->SetActiveTab(CMainDialog::TabRaces);
        m_tab = static_cast<CZakladkaLotyGolebi*>(m_dialog->Page(CMainDialog::TabRaces));
        MessageBox::History().clear();
    }

    void cleanup() {
        m_dialog.reset();
        m_app.reset();
    }

    void listsFollowClicksAndKeys() {
        QTableView* races = m_tab->RacesView();
        ClickRow(races, 1);
        QCOMPARE(m_tab->SelectedRace(), 1);
        QCOMPARE(m_tab->FlyersModel()->rowCount(), 0);
        QTest::keyClick(races, Qt::Key_Up);
        QCOMPARE(m_tab->SelectedRace(), 0);
        QCOMPARE(m_tab->FlyersModel()->rowCount(), 2);
        // Print Race (Ctrl+P) shows the selected race's page in the preview, which also saves
        // the race's entries as CSV.
        const QString csv = m_data->path() + u"/race entries.csv"_s;
        {
            const auto preview = OnNextModal([&](QDialog* dialog) {
                auto* page = qobject_cast<CPodgladHTML*>(dialog);
                QVERIFY(page);
                QCOMPARE(page->Path(), RacePagePath());
                QCOMPARE(page->Orientation(), QPageLayout::Landscape);
                FileDialog::SetNextName(csv);
                auto* save = Find<QPushButton>(dialog, u"csv"_s);
                QTest::mouseClick(save, Qt::LeftButton, {}, save->rect().center());
                dialog->reject();
            });
            QTest::keyClick(races, Qt::Key_P, Qt::ControlModifier);
        }
        const QString page = ReadTextFile(RacePagePath());
        QVERIFY(page.startsWith(QChar(0xFEFF)) && page.contains(u"<h2>Race Hanower</h2>"_s));
        const QStringList lines = ReadTextFile(csv).split(u"\r\n"_s, Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].contains(u"Velocity"_s), qPrintable(lines[0]));

        QTableView* flyers = m_tab->FlyersView();
        flyers->setFocus();
        QCOMPARE(m_tab->SelectedFlyer(), -1); // focus alone picks no entry
        ClickRow(flyers, 0);
        QCOMPARE(m_tab->SelectedFlyer(), 0);
        QTest::keyClick(flyers, Qt::Key_Down);
        QCOMPARE(m_tab->SelectedFlyer(), 1);
        // Another race clears the entry selection; a click below the rows selects no race.
        QTest::keyClick(races, Qt::Key_Down);
        QCOMPARE(m_tab->SelectedFlyer(), -1);
        QTest::mouseClick(races->viewport(), Qt::LeftButton, {},
                          QPoint(20, races->viewport()->height() - 3));
        QCOMPARE(m_tab->SelectedRace(), -1);
        QCOMPARE(m_tab->FlyersModel()->rowCount(), 0);
    }

    // A pigeon deleted in the list takes its entry along: back on this page, the list shows
    // the entry that is left and no empty row.
    void entriesOfADeletedPigeonLeaveTheList() {
        ClickRow(m_tab->RacesView(), 0);
        m_dialog->SetActiveTab(CMainDialog::TabPigeons);
        auto* list = static_cast<CZakladkaListaPsow*>(m_dialog->Page(CMainDialog::TabPigeons));
        list->SelectRow(0);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        list->Perform(PageCommand::DeletePigeon);
        QVERIFY(!m_app->pigeons.count(m_pigeons[0]));
        m_dialog->SetActiveTab(CMainDialog::TabRaces);
        QCOMPARE(m_tab->FlyersView()->verticalHeader()->count(), 1);
        QVERIFY(m_tab->FlyersModel()->CellText(0, 1).contains(u"101"_s));
    }

    void typingIntoDateParts_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("part");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("refused");
        const QString same = u"06/06/2025 21:47:33"_s;
        const auto row = [&same](const char* name, const char* field, int part,
                                 const QString& typed, const QString& stored,
                                 bool refused = false) {
            QTest::newRow(name) << QString::fromLatin1(field) << part << typed << stored
                                << (refused || stored == same || stored == u"06/06/2025"_s);
        };
        row("hour", "time", 0, u"07:15:00"_s, u"06/06/2025 07:15:00"_s);
        row("short time", "time", 0, u"7:16"_s, u"06/06/2025 07:16:00"_s);
        row("hour alone", "time", 0, u"08"_s, u"06/06/2025 08:47:33"_s);
        row("whole time from the minutes", "time", 1, u"10:30:00"_s, u"06/06/2025 10:30:00"_s);
        row("minute", "time", 1, u"05"_s, u"06/06/2025 21:05:33"_s);
        row("hour 25", "time", 0, u"25:61"_s, same);
        row("day", "date", 0, u"14/06/2025"_s, u"14/06/2025 21:47:33"_s);
        row("day the month lacks", "date", 0, u"31/07/2024"_s, u"31/07/2024 21:47:33"_s);
        row("month 13", "date", 1, u"13"_s, same);
        row("31 June", "date", 0, u"31/06"_s, same);
        row("day field", "fields", 0, u"14/06/2025"_s, u"14/06/2025"_s);
        row("month field", "fields", 1, u"7"_s, u"06/07/2025"_s);
        row("month field 13", "fields", 1, u"13"_s, u"06/06/2025"_s);
        row("day field 32", "fields", 0, u"32"_s, u"06/06/2025"_s);
        row("year field, a fifth digit", "fields", 2, u"20241"_s, u"06/06/2024"_s, true);
    }

    // A click on a part selects it; what is typed replaces it or is refused with a note.
    void typingIntoDateParts() {
        QFETCH(QString, field);
        QFETCH(int, part);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(bool, refused);
        QWidget host;
        auto* layout = new QVBoxLayout(&host);
        auto* pair = new DateTimeFields(&host);
        auto* fields = new DateFields(u"Date"_s, false, &host);
        layout->addWidget(pair);
        layout->addWidget(fields);
        pair->SetTime(ComposeLocalTime(2025, 6, 6, 21, 47, 33));
        fields->SetDate(6, 6, 2025);
        host.show();
        host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        QWidget* target = nullptr;
        QPoint at;
        if (field == u"fields"_s) {
            target =
                QList<QLineEdit*>{fields->DayEdit(), fields->MonthEdit(), fields->YearEdit()}[part];
            at = target->rect().center();
        } else {
            QDateTimeEdit* edit = field == u"time"_s ? static_cast<QDateTimeEdit*>(pair->TimeEdit())
                                                     : pair->DateEdit();
            auto* line = edit->findChild<QLineEdit*>();
            target = line;
            const int x = line->fontMetrics().horizontalAdvance(line->text().left(3 * part + 1));
            at = QPoint(x + 2, line->height() / 2);
        }
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        // Each key to where the focus has moved; ":" and "/" come after Shift, as on a keyboard.
        for (const QChar letter : typed) {
            if (!letter.isDigit())
                QTest::keyPress(QApplication::focusWidget(), Qt::Key_Shift);
            ModalDriver::TypeText(QApplication::focusWidget(), letter);
        }
        const QString shown =
            field == u"fields"_s
                ? QDateTime::fromSecsSinceEpoch(fields->Compose(0, 0, 0)).toString(u"dd/MM/yyyy"_s)
                : QDateTime::fromSecsSinceEpoch(pair->Time()).toString(u"dd/MM/yyyy HH:mm:ss"_s);
        QCOMPARE(shown, stored);
        // What was refused changed nothing and says what the part takes.
        QCOMPARE(QToolTip::isVisible(), refused);
    }

    void addEditAndDeleteRaces_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("listed");
        QTest::addColumn<qint64>("stored");
        // 06:30 of a Warsaw summer is 04:30 UTC; in 1965 Poland kept no summer time.
        QTest::newRow("summer") << u"15/07/2025"_s << u"15/07/25"_s << qint64(1752553800);
        QTest::newRow("before 1970") << u"20/06/1965"_s << u"20/06/65"_s << qint64(-143058600);
    }

    void addEditAndDeleteRaces() {
        QFETCH(QString, date);
        QFETCH(QString, listed);
        QFETCH(qint64, stored);
        // A new race through the menu; Tab leads from the place to the release date.
        const auto add = OnNextModal([&date](QDialog* editor) {
            QCOMPARE(QApplication::activeWindow(), editor);
            Type(editor, u"distanceKm"_s, u"612"_s);
            Type(editor, u"distanceM"_s, u"347"_s);
            Type(editor, u"birdsInRace"_s, u"20"_s);
            Type(editor, u"place"_s, u"Gotha 'Süd'"_s);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            auto* release = Find<DateTimeFields>(editor, u"release"_s);
            QCOMPARE(QApplication::focusWidget(), release->DateEdit());
            // Tab goes from field to field, not through the parts of a date or a time.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), release->TimeEdit());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(),
                     Find<DateTimeFields>(editor, u"firstPigeon"_s)->DateEdit());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), release->TimeEdit());
            TypeOver(release->DateEdit(), date);
            TypeOver(release->TimeEdit(), u"06:30:00"_s);
            Click(editor, u"ok"_s);
        });
        ShellFixture::MenuAction(*m_dialog, CmdAddRace)->trigger();
        const RowIdTableModel* model = m_tab->RacesModel();
        QStringList cells;
        for (int column : {RacePlace, RaceReleaseDate, RaceDistance, RaceScored})
            cells.append(model->CellText(2, column));
        QCOMPARE(cells, (QStringList{u"Gotha 'Süd'"_s, listed, u"612 km"_s, u"0 %   (20 / 0)"_s}));
        const QString p = m_data->pigeonsDb();
        // The first and last arrivals, left as shown, stay unknown.
        QCOMPARE(DbProbe::Rows(p, u"SELECT czasodlotu, odlegloscm, kategoria, "
                                  u"czas_pierwszego_w_konk, czas_ostatniego_w_konk FROM loty "
                                  u"WHERE id = 3;"_s),
                 (std::vector<QStringList>{
                     {QString::number(stored), u"347"_s, u"-1"_s, u"-1"_s, u"-1"_s}}));

        // Edit it from its caption; type, categories and position come back after a reload.
        ClickRow(m_tab->RacesView(), 2);
        const QString parts[] = {u"Degrees"_s, u"Minutes"_s, u"Seconds"_s};
        const auto edit = OnNextModal([&parts](QDialog* editor) {
            for (const auto& [name, index] :
                 {std::pair{u"raceType"_s, 2}, {u"category1"_s, 1}, {u"category2"_s, 6}}) {
                auto* box = Find<QComboBox>(editor, name);
                box->setFocus();
                QTest::keyClick(box, Qt::Key_Home);
                for (int i = 0; i < index; ++i)
                    QTest::keyClick(box, Qt::Key_Down);
            }
            const QString longitude[] = {u"10"_s, u"42"_s, u"7"_s};
            const QString latitude[] = {u"50"_s, u"56"_s, u"52"_s};
            for (int i = 0; i < 3; ++i) {
                Type(editor, u"longitude"_s + parts[i], longitude[i]);
                Type(editor, u"latitude"_s + parts[i], latitude[i]);
            }
            Click(editor, u"ok"_s);
        });
        ClickCaption(Caption::EditRaceCaption);
        m_dialog->loadLoftData(1);
        m_tab->SelectRace(2);
        const auto reopen = OnNextModal([&parts, &date](QDialog* editor) {
            auto* release = Find<DateTimeFields>(editor, u"release"_s);
            QStringList shown{release->DateEdit()->text(), release->TimeEdit()->text()};
            for (const QString& name : {u"raceType"_s, u"category1"_s, u"category2"_s})
                shown.append(Find<QComboBox>(editor, name)->currentText());
            for (const QString& part : parts)
                for (const QString& row : {u"longitude"_s, u"latitude"_s})
                    shown.append(Find<QLineEdit>(editor, row + part)->text());
            QCOMPARE(shown, (QStringList{date, u"06:30:00"_s, u"Training race"_s, u"A"_s, u"H"_s,
                                         u"10"_s, u"50"_s, u"42"_s, u"56"_s, u"7"_s, u"52"_s}));
            Click(editor, u"cancel"_s);
        });
        m_tab->Perform(PageCommand::EditRace);

        // Delete asks first; No keeps it, Yes removes it with its entries.
        m_tab->SelectRace(0);
        MessageBox::SetNextAnswer(QMessageBox::No);
        ShellFixture::MenuAction(*m_dialog, CmdDeleteRace)->trigger();
        QCOMPARE(MessageBox::History().last(), u"Do you want delete selected race?"_s);
        QCOMPARE(MessageBox::Captions().last(), u"Are you sure?"_s);
        QCOMPARE(model->rowCount(), 3);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        ClickCaption(Caption::DeleteRaceCaption);
        QCOMPARE(model->CellText(0, RacePlace), u"Gniezno"_s);
        QCOMPARE(m_tab->SelectedRace(), -1);
        QCOMPARE(m_tab->FlyersModel()->rowCount(), 0);
        QCOMPARE(DbProbe::Number(p, u"SELECT count(*) FROM lotniki;"_s), 0);

        // Without a selection Edit and Delete do nothing.
        ModalDriver::NoDialogGuard guard;
        ShellFixture::MenuAction(*m_dialog, CmdEditRace)->trigger();
        ShellFixture::MenuAction(*m_dialog, CmdDeleteRace)->trigger();
        QCOMPARE(guard.dialogsSeen(), 0);
        QCOMPARE(MessageBox::History().size(), 2);
    }

    void addEditAndDeleteEntries() {
        {
            ModalDriver::NoDialogGuard guard;
            ClickCaption(Caption::AddFlyerCaption);
            ClickCaption(Caption::EditFlyerCaption);
            ClickCaption(Caption::DeleteFlyerCaption);
            ClickCaption(Caption::PrintRaceCaption);
            QCOMPARE(guard.dialogsSeen(), 0);
            QCOMPARE(MessageBox::History(),
                     (QStringList{u"First you must select race to add flyer."_s,
                                  u"First you must select race and then flyer to edit."_s,
                                  u"First you must select race to print it."_s}));
        }
        ClickRow(m_tab->RacesView(), 1);

        // A new entry: no pigeon first, then one chosen in the chooser.
        MessageBox::History().clear();
        const auto add = OnNextModal([](QDialog* editor) {
            QCOMPARE(QApplication::activeWindow(), editor);
            Click(editor, u"ok"_s);
            QVERIFY(editor->isVisible());
            const auto choose = OnNextModal([](QDialog* chooser) {
                auto* list = Find<QListWidget>(chooser, u"candidates"_s);
                list->setFocus(); // focus chooses nothing: Down the first bird, Down the next
                QTest::keyClick(list, Qt::Key_Down);
                QTest::keyClick(list, Qt::Key_Down);
                Click(chooser, u"ok"_s);
            });
            Click(editor, u"selectPigeon"_s);
            QCOMPARE(Find<ElidedLabel>(editor, u"chosenBand"_s)->text(), u"PL 0207 2024 101"_s);
            TypeOver(Find<DateTimeFields>(editor, u"arrival"_s)->TimeEdit(), u"11:40:30"_s);
            Type(editor, u"positionClub"_s, u"2"_s);
            Type(editor, u"coefficientUnion"_s, u"45,67"_s);
            Type(editor, u"pointsUnion"_s, u"12.5"_s);
            Type(editor, u"pointsClub"_s, u"abc"_s);
            Click(editor, u"ok"_s);
            QVERIFY(editor->isVisible()); // a word in a number field is refused
            Type(editor, u"pointsClub"_s, u"3"_s);
            ModalDriver::TypeText(Find<QPlainTextEdit>(editor, u"comments"_s),
                                  u"Wrócił z \"Łodzi\""_s);
            Click(editor, u"ok"_s);
        });
        ClickCaption(Caption::AddFlyerCaption);
        QCOMPARE(MessageBox::History(),
                 (QStringList{u"Musisz wybrać gołębia"_s,
                              u"Points earned (Club): please enter a number."_s}));
        const RowIdTableModel* flyers = m_tab->FlyersModel();
        QStringList cells;
        for (int column = FlyerPigeon; column < FlyerVelocity; ++column)
            cells.append(flyers->CellText(0, column));
        QCOMPARE(cells, (QStringList{u"PL 0207 2024 101"_s, u"11:40"_s, u"0 "_s, u"45.67 "_s,
                                     u"12.5 "_s}));

        // Edit after the loft is read again (a double click): the typed values come back.
        m_dialog->loadLoftData(1);
        ClickRow(m_tab->RacesView(), 1);
        const auto edit = OnNextModal([](QDialog* editor) {
            auto* arrival = Find<DateTimeFields>(editor, u"arrival"_s);
            QStringList shown{arrival->DateEdit()->text(), arrival->TimeEdit()->text()};
            for (const QString& name : {u"positionClub"_s, u"coefficientUnion"_s, u"pointsUnion"_s})
                shown.append(Find<QLineEdit>(editor, name)->text());
            QCOMPARE(shown,
                     (QStringList{u"05/07/2025"_s, u"11:40:30"_s, u"2"_s, u"45.67"_s, u"12.5"_s}));
            QVERIFY(!Find<QPushButton>(editor, u"selectPigeon"_s)->isEnabled());
            Type(editor, u"positionUnion"_s, u"1"_s);
            Click(editor, u"ok"_s);
        });
        QTableView* flyersView = m_tab->FlyersView();
        ClickRow(flyersView, 0);
        QTest::mouseDClick(flyersView->viewport(), Qt::LeftButton, {},
                           flyersView->visualRect(flyers->index(0, 1)).center());
        QCOMPARE(flyers->CellText(0, FlyerPosition), u"1 "_s);
        QCOMPARE(DbProbe::Rows(m_data->pigeonsDb(),
                               u"SELECT nr_konkursu, notatki FROM lotniki WHERE id_lotu = 2;"_s),
                 (std::vector<QStringList>{{u"1"_s, u"Wrócił z \"Łodzi\""_s}}));

        // Delete asks; afterwards no entry is selected and a new click does not bring it back.
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        ShellFixture::MenuAction(*m_dialog, CmdDeleteFlyer)->trigger();
        QCOMPARE(MessageBox::History().last(), u"Do you want delete this flyer?"_s);
        QCOMPARE(m_tab->SelectedFlyer(), -1);
        ClickRow(m_tab->RacesView(), 0);
        ClickRow(m_tab->RacesView(), 1);
        QCOMPARE(flyers->rowCount(), 0);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(),
                                 u"SELECT count(*) FROM lotniki WHERE id_lotu = 2;"_s),
                 0);
    }

    void failedWritesChangeNothing() {
        ReadOnlyFiles readOnly({m_data->pigeonsDb()});
        QVERIFY(readOnly.isReadOnly());
        const auto add = OnNextModal([](QDialog* editor) {
            Type(editor, u"place"_s, u"Nigdzie"_s);
            Click(editor, u"ok"_s);
            QVERIFY(editor->isVisible()); // the failure is shown, the typing is kept
            Click(editor, u"cancel"_s);
        });
        ClickCaption(Caption::NewRaceCaption);
        m_tab->SelectRace(0);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        ClickCaption(Caption::DeleteRaceCaption);
        QCOMPARE(m_tab->RacesModel()->rowCount(), 2);
        QCOMPARE(m_app->races.size(), 2u);
        QCOMPARE(m_app->pigeons.at(m_pigeons[0]).raceEntries, 1);
        QCOMPARE(MessageBox::History().size(), 3); // the failure, the question, the failure
        QVERIFY(MessageBox::History()[0].contains(u"could not be saved"_s));
    }

    void bestPigeonsOfTheLoft() {
        m_app->pigeons.at(m_pigeons[0]).raceEntries = 11; // enough to be ranked
        const auto best = OnNextModal([](QDialog* dialog) {
            QCOMPARE(QApplication::activeWindow(), dialog);
            auto* page = qobject_cast<CNajlepszeGolebie*>(dialog);
            QCOMPARE(page->RankedModel()->rowCount(), 1);
            QCOMPARE(page->RankedModel()->CellText(0, 1), u"PL 0207 2024 100"_s);
            page->RankedList()->setFocus();
            QCOMPARE(page->ResultsModel()->rowCount(), 0); // focus alone picks no pigeon
            QApplication::processEvents();
            QTest::keyClick(page->RankedList(), Qt::Key_Down);
            QCOMPARE(page->ResultsModel()->CellText(0, 1), u"Hanower"_s);
            QStringList figures;
            for (const char16_t* name :
                 {u"qualifications", u"averagePosition", u"bestPosition", u"description"})
                figures.append(Find<QLabel>(dialog, QString::fromUtf16(name))->text());
            QCOMPARE(figures, (QStringList{u"1"_s, u"3"_s, u"3"_s, u"Niebieski samiec"_s}));
            // A click below the rows only empties the results.
            QTest::mouseClick(page->RankedList()->viewport(), Qt::LeftButton, {},
                              QPoint(10, page->RankedList()->viewport()->height() - 3));
            QCOMPARE(page->ResultsModel()->rowCount(), 0);
            Click(dialog, u"close"_s);
        });
        ClickCaption(Caption::BestPigeonsCaption);
    }

    void longNamesKeepTheWindowsOnScreen() {
        const QString longText(300, u'Ż');
        m_app->pigeons.at(m_pigeons[0]).raceEntries = 11;  // ranked among the best
        m_app->pigeons.at(m_pigeons[0]).name = u"Perła"_s; // a short name, then a long one
        const Caption captions[] = {Caption::EditRaceCaption, Caption::EditFlyerCaption,
                                    Caption::BestPigeonsCaption};
        std::vector<QSize> sizes;
        for (Caption caption : captions)
            sizes.push_back(OpenedSize(caption));
        m_app->races[0].miejscowosc = longText;
        m_app->races[0].pogodawmiejscuwypuszczenia = longText;
        PigeonRecord& pigeon = m_app->pigeons.at(m_pigeons[0]);
        pigeon.name = longText;
        pigeon.BandLabel = longText;
        pigeon.shortDescription = longText;
        m_tab->RebuildRaces();
        for (size_t i = 0; i < sizes.size(); ++i) {
            QCOMPARE(OpenedSize(captions[i]), sizes[i]);
            QVERIFY(sizes[i].width() <= 1280 && sizes[i].height() <= 800); // a small screen
        }
        QCOMPARE(m_dialog->size(), QSize(1280, 800));
    }

    void calculators() {
        const auto step = OnNextModal([](QDialog* dialog) {
            QCOMPARE(QApplication::activeWindow(), dialog);
            auto* distance = Find<QLineEdit>(dialog, u"distance"_s);
            Type(dialog, u"longitude2Degrees"_s, u"1"_s);
            QTest::keyClick(Find<QLineEdit>(dialog, u"longitude2Degrees"_s), Qt::Key_Return);
            QCOMPARE(distance->text(), u"111.125"_s);
            QVERIFY(dialog->isVisible()); // Enter calculates, it does not close
            // 90 degrees is the pole; beyond it there is no point to measure from.
            Type(dialog, u"latitude1Degrees"_s, u"90"_s);
            Click(dialog, u"calculate"_s);
            QCOMPARE(distance->text(), u"10001.3"_s);
            // Refused (beyond the pole, a minus on the minutes), no earlier answer stays.
            for (const QString& minutes : {u"1"_s, u"-1"_s}) {
                Type(dialog, u"latitude1Minutes"_s, minutes);
                Click(dialog, u"calculate"_s);
                QCOMPARE(distance->text(), QString());
            }
            Click(dialog, u"close"_s);
        });
        ShellFixture::MenuAction(*m_dialog, CmdDistanceCalculator)->trigger();

        const auto velocity = OnNextModal([](QDialog* dialog) {
            QCOMPARE(QApplication::activeWindow(), dialog);
            Type(dialog, u"hours"_s, u"2147483648"_s); // beyond a whole number's range
            Click(dialog, u"calculate"_s);
            Type(dialog, u"hours"_s, u"1"_s);
            Type(dialog, u"distance"_s, u"72"_s);
            Click(dialog, u"calculate"_s);
            QCOMPARE(Find<QLineEdit>(dialog, u"metresPerSecond"_s)->text(), u"20"_s);
            QCOMPARE(Find<QLineEdit>(dialog, u"kilometresPerHour"_s)->text(), u"72"_s);
            for (const QString& refused : {u"1e40"_s, u"-72"_s}) {
                Type(dialog, u"distance"_s, refused);
                Click(dialog, u"calculate"_s);
                QCOMPARE(Find<QLineEdit>(dialog, u"metresPerSecond"_s)->text(), QString());
            }
            Type(dialog, u"distance"_s, u"72"_s);
            // A fly time of 0 gives a message and no number, not even the last one.
            Type(dialog, u"hours"_s, u"0"_s);
            QTest::keyClick(Find<QLineEdit>(dialog, u"hours"_s), Qt::Key_Enter);
            QCOMPARE(Find<QLineEdit>(dialog, u"kilometresPerHour"_s)->text(), QString());
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        ShellFixture::MenuAction(*m_dialog, CmdVelocityCalculator)->trigger();
        QCOMPARE(
            MessageBox::History(),
            (QStringList{
                u"Latitude (point 1): please enter an angle from -90 to 90 degrees."_s,
                u"Latitude (point 1): minutes and seconds take no sign; put it before the "
                u"degrees."_s,
                u"Fly time (hours): please enter a whole number from -2147483648 to 2147483647."_s,
                u"Distance(km): please enter a distance from 0 to 400000 km."_s,
                u"Distance(km): please enter a distance from 0 to 400000 km."_s,
                u"The fly time must be longer than 0 seconds to give a velocity."_s}));
    }

    void branchList() {
        QVERIFY(InstallShippedFiles());
        const auto step = OnNextModal([](QDialog* dialog) {
            QCOMPARE(QApplication::activeWindow(), dialog);
            auto* search = Find<QLineEdit>(dialog, u"search"_s);
            QCOMPARE(QApplication::focusWidget(), search);
            ModalDriver::TypeText(search, u"ełk"_s);
            QTest::keyClick(search, Qt::Key_Return);
            auto* results = Find<QPlainTextEdit>(dialog, u"results"_s);
            QCOMPARE(results->toPlainText(), u"013   - EŁK, Oddział: Białystok\n"_s);
            Type(dialog, u"search"_s, u"07"_s);
            Click(dialog, u"show"_s);
            QCOMPARE(results->toPlainText().count(u'\n'), 3); // in place of the last answer
            Click(dialog, u"close"_s);
        });
        ShellFixture::MenuAction(*m_dialog, CmdBranchList)->trigger();
    }

private:
    void ClickCaption(Caption caption) {
        QTest::mouseClick(m_tab, Qt::LeftButton, {}, m_tab->CaptionRect(caption).center());
    }

    // The size a window opens at from its caption, with the first race, entry and pigeon chosen.
    QSize OpenedSize(Caption caption) {
        m_tab->SelectRace(0);
        m_tab->SelectFlyer(0);
        QSize size;
        const auto step = OnNextModal([&size](QDialog* dialog) {
            if (auto* best = qobject_cast<CNajlepszeGolebie*>(dialog))
                best->RankedList()->selectRow(0);
            QApplication::processEvents();
            size = dialog->frameGeometry().size();
            dialog->reject();
        });
        ClickCaption(caption);
        return size;
    }

    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<AppData> m_app;
    std::unique_ptr<CMainDialog> m_dialog;
    CZakladkaLotyGolebi* m_tab = nullptr;
    std::vector<int> m_pigeons;
};

QTEST_MAIN(TestRacingWindows)
#include "tst_racingwindows.moc"
