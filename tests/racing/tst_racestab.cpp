// The races tab with the race editor, the entry editor and the best pigeons dialog, driven as a
// user drives them: the menu, the painted captions, key presses and clicks.

#include "RacingDriver.h"
#include "app/MainDialog.h"
#include "app/MainMenu.h"
#include "pedigree/PodgladHTML.h"
#include "racing/NajlepszeGolebie.h"
#include "racing/RaceLists.h"
#include "racing/RacePage.h"
#include "racing/TextTableModel.h"
#include "racing/ZakladkaLotyGolebi.h"
#include "storage/AppData.h"
#include "storage/LocalTime.h"
#include "storage/TextFile.h"
#include "support/DbProbe.h"
#include "support/ModalDriver.h"
#include "support/ShellFixture.h"
#include "support/TestDataDir.h"
#include "ui/DateTimeFields.h"
#include "ui/LongText.h"
#include "ui/MessageBox.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTimeEdit>

using namespace Qt::StringLiterals;
using namespace RacingDriver;

class TestRacesTab : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { MessageBox::SetTestMode(true); }

    void init() {
        m_data = std::make_unique<TestDataDir>();
        ShellFixture::SeedLofts({{u"Gołębnik"_s, {u"Lotowe"_s}}});
        AppData seed;
        QVERIFY(seed.SelectLoft(1).ok());
        m_pigeons.clear();
        for (const QString& ring : {u"100"_s, u"101"_s, u"102"_s}) {
            PigeonRecord pigeon;
            pigeon.idLoft = 1;
            pigeon.country = u"PL"_s;
            pigeon.branch = u"0207"_s;
            pigeon.year = u"2024"_s;
            pigeon.ringNumber = ring;
            pigeon.shortDescription = u"Niebieski samiec"_s;
            QVERIFY(seed.SavePigeon(-1, pigeon).ok());
            QVERIFY(seed.SetPigeonShortDescription(pigeon.id, pigeon.shortDescription).ok());
            QVERIFY(seed.AddCategoryLink(1, pigeon.id).ok());
            m_pigeons.push_back(pigeon.id);
        }
        // Race 1 "Hanower" (250.5 km, 10 basketed, 5 scored) with two entries; race 2 "Gniezno".
        RaceRecord race;
        race.miejscowosc = u"Hanower"_s;
        race.odleglosckm = 250;
        race.odlegloscm = 500;
        race.czasodlotu = ComposeLocalTime(2025, 7, 5, 7, 0, 0);
        race.wlozonychgolebi = 10;
        race.iloscwkonkursie = 5;
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
        race.iloscwkonkursie = 0;
        QVERIFY(seed.SaveRace(-1, race).ok());
        m_app = std::make_unique<AppData>();
        m_dialog = ShellFixture::OpenMainDialog(*m_app);
        m_dialog->SetActiveTab(CMainDialog::TabRaces);
        m_tab = static_cast<CZakladkaLotyGolebi*>(m_dialog->Page(CMainDialog::TabRaces));
        MessageBox::History().clear();
        MessageBox::Captions().clear();
    }

    void cleanup() {
        m_dialog.reset();
        m_app.reset();
    }

    void listsFollowClicksAndKeys() {
        const TextTableModel* model = m_tab->RacesModel();
        QCOMPARE(model->headerData(RaceScored, Qt::Horizontal).toString(),
                 u"Scored(%, all, scored"_s);
        QCOMPARE(model->CellText(0, RaceDistance), u"250 km"_s);
        QCOMPARE(model->CellText(0, RaceScored), u"50 %   (10 / 5)"_s);
        QCOMPARE(model->CellText(1, RaceScored), u"0 %   (10 / 0)"_s);
        QCOMPARE(m_tab->RacesView()->columnWidth(RacePlace), 160);
        QTableView* races = m_tab->RacesView();
        ClickRow(races, 1);
        QCOMPARE(m_tab->SelectedRace(), 1);
        QCOMPARE(m_tab->FlyersModel()->rowCount(), 0);
        QTest::keyClick(races, Qt::Key_Up);
        QCOMPARE(m_tab->SelectedRace(), 0);
        QCOMPARE(m_tab->FlyersModel()->rowCount(), 2);
        QTest::keyClick(races, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(races, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(m_tab->SelectedRace(), 0);

        QTableView* flyers = m_tab->FlyersView();
        flyers->setFocus();
        QCOMPARE(m_tab->SelectedFlyer(), -1); // focus alone picks no entry
        ClickRow(flyers, 0);
        QCOMPARE(m_tab->SelectedFlyer(), 0);
        QTest::keyClick(flyers, Qt::Key_Down);
        QCOMPARE(m_tab->SelectedFlyer(), 1);
        QTest::keyClick(flyers, Qt::Key_Up);
        QCOMPARE(m_tab->SelectedFlyer(), 0);
        QCOMPARE(m_tab->FlyersModel()->CellText(0, FlyerVelocity), u"1192.86 "_s);
        // Another race clears the entry selection; a click below the rows selects no race.
        QTest::keyClick(races, Qt::Key_Down);
        QCOMPARE(m_tab->SelectedFlyer(), -1);
        QTest::mouseClick(races->viewport(), Qt::LeftButton, {},
                          QPoint(20, races->viewport()->height() - 3));
        QCOMPARE(m_tab->SelectedRace(), -1);
        QCOMPARE(m_tab->FlyersModel()->rowCount(), 0);
    }

    void addEditAndDeleteRaces() {
        // A new race through the menu, typed in.
        const auto add = OnDialog([](QDialog* editor) {
            QCOMPARE(QApplication::activeWindow(), editor);
            QCOMPARE(editor->windowTitle(), u"Add new race"_s);
            QCOMPARE(Find<QComboBox>(editor, u"raceType"_s)->currentIndex(), 0);
            Type(editor, u"place"_s, u"Gotha 'Süd'"_s);
            Type(editor, u"weather"_s, u"pochmurno"_s);
            Type(editor, u"distanceKm"_s, u"612"_s);
            Type(editor, u"distanceM"_s, u"347"_s);
            Type(editor, u"birdsInRace"_s, u"20"_s);
            Type(editor, u"birdsScored"_s, u"0"_s);
            // Tab leads from the place to the release date and on to its time.
            auto* release = Find<DateTimeFields>(editor, u"release"_s);
            Find<QLineEdit>(editor, u"place"_s)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), release->DateEdit());
            TypeText(release->DateEdit(), u"14/06/2025"_s);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), release->TimeEdit());
            TypeText(release->TimeEdit(), u"07:15:00"_s);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(),
                     Find<DateTimeFields>(editor, u"firstPigeon"_s)->DateEdit());
            Click(editor, u"ok"_s);
        });
        ShellFixture::MenuAction(*m_dialog, CmdAddRace)->trigger();
        QCOMPARE(m_tab->RacesModel()->rowCount(), 3);
        QCOMPARE(m_tab->RacesModel()->CellText(2, RacePlace), u"Gotha 'Süd'"_s);
        QCOMPARE(m_tab->RacesModel()->CellText(2, RaceDistance), u"612 km"_s);
        QCOMPARE(m_tab->RacesModel()->CellText(2, RaceScored), u"0 %   (20 / 0)"_s);
        QCOMPARE(m_tab->SelectedRace(), -1);
        const QString p = m_data->pigeonsDb();
        QCOMPARE(DbProbe::Text(p, u"SELECT odlegloscm FROM loty WHERE id = 3;"_s), u"347"_s);
        QCOMPARE(DbProbe::Number(p, u"SELECT czasodlotu FROM loty WHERE id = 3;"_s),
                 ComposeLocalTime(2025, 6, 14, 7, 15, 0));
        QCOMPARE(DbProbe::Number(p, u"SELECT kategoria FROM loty WHERE id = 3;"_s), -1);

        // Edit it from its caption: type, both categories, longitude and latitude.
        ClickRow(m_tab->RacesView(), 2);
        const auto edit = OnDialog([](QDialog* editor) {
            QCOMPARE(editor->windowTitle(), u"Edit race"_s);
            QCOMPARE(Find<QLineEdit>(editor, u"distanceKm"_s)->text(), u"612"_s);
            ChooseItem(editor, u"raceType"_s, 2);
            ChooseItem(editor, u"category1"_s, 1);
            ChooseItem(editor, u"category2"_s, 6);
            const QString parts[] = {u"Degrees"_s, u"Minutes"_s, u"Seconds"_s};
            const QString longitude[] = {u"10"_s, u"42"_s, u"7"_s};
            const QString latitude[] = {u"50"_s, u"56"_s, u"52"_s};
            for (int i = 0; i < 3; ++i) {
                Type(editor, u"longitude"_s + parts[i], longitude[i]);
                Type(editor, u"latitude"_s + parts[i], latitude[i]);
            }
            Click(editor, u"ok"_s);
        });
        ClickCaption(CZakladkaLotyGolebi::EditRaceCaption);
        QVERIFY(edit.Shown());
        QCOMPARE(m_tab->RacesModel()->rowCount(), 3);

        // After the loft is read again from the files the editor shows what was stored.
        m_dialog->loadLoftData(1);
        m_tab->SelectRace(2);
        const auto reopen = OnDialog([](QDialog* editor) {
            QCOMPARE(Find<QComboBox>(editor, u"raceType"_s)->currentText(), u"Training race"_s);
            QCOMPARE(Find<QComboBox>(editor, u"category1"_s)->currentText(), u"A"_s);
            QCOMPARE(Find<QComboBox>(editor, u"category2"_s)->currentText(), u"H"_s);
            QStringList angles;
            for (const char16_t* part : {u"Degrees", u"Minutes", u"Seconds"})
                for (const QString& row : {u"longitude"_s, u"latitude"_s})
                    angles.append(Find<QLineEdit>(editor, row + QString::fromUtf16(part))->text());
            QCOMPARE(angles, (QStringList{u"10"_s, u"50"_s, u"42"_s, u"56"_s, u"7"_s, u"52"_s}));
            Click(editor, u"cancel"_s);
        });
        m_tab->Perform(PageCommand::EditRace);

        // Delete asks first; No keeps it, Yes removes it with its entries.
        m_tab->SelectRace(0);
        MessageBox::SetNextAnswer(QMessageBox::No);
        ShellFixture::MenuAction(*m_dialog, CmdDeleteRace)->trigger();
        QCOMPARE(MessageBox::History().last(), u"Do you want delete selected race?"_s);
        QCOMPARE(MessageBox::Captions().last(), u"Are you sure?"_s);
        QCOMPARE(m_tab->RacesModel()->rowCount(), 3);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        ClickCaption(CZakladkaLotyGolebi::DeleteRaceCaption);
        QCOMPARE(m_tab->RacesModel()->rowCount(), 2);
        QCOMPARE(m_tab->RacesModel()->CellText(0, RacePlace), u"Gniezno"_s);
        QCOMPARE(m_tab->SelectedRace(), -1);
        QCOMPARE(m_tab->FlyersModel()->rowCount(), 0);
        QCOMPARE(DbProbe::Number(p, u"SELECT count(*) FROM loty;"_s), 2);
        QCOMPARE(DbProbe::Number(p, u"SELECT count(*) FROM lotniki;"_s), 0);
        QCOMPARE(m_app->pigeons.at(m_pigeons[0]).raceEntries, 0);

        // Without a selection Edit and Delete do nothing.
        ModalDriver::NoDialogGuard guard;
        ShellFixture::MenuAction(*m_dialog, CmdEditRace)->trigger();
        ShellFixture::MenuAction(*m_dialog, CmdDeleteRace)->trigger();
        QCOMPARE(guard.dialogsSeen(), 0);
        QCOMPARE(MessageBox::History().size(), 2);
    }

    void releaseTimes() {
        QCOMPARE(qgetenv("TZ"), QByteArray("Europe/Warsaw"));
        const auto add = OnDialog([](QDialog* editor) {
            Type(editor, u"place"_s, u"Lato"_s);
            TypeDateTime(Find<DateTimeFields>(editor, u"release"_s), u"15/07/2025"_s,
                         u"06:30:00"_s);
            Click(editor, u"ok"_s);
        });
        ClickCaption(CZakladkaLotyGolebi::NewRaceCaption);
        // 06:30 in Warsaw's summer is 04:30 UTC.
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT czasodlotu FROM loty WHERE "
                                                      u"miejscowosc = 'Lato';"_s),
                 qint64(1752553800));
        m_tab->SelectRace(2);
        const auto reopen = OnDialog([](QDialog* editor) {
            auto* release = Find<DateTimeFields>(editor, u"release"_s);
            QCOMPARE(release->TimeEdit()->text(), u"06:30:00"_s);
            QCOMPARE(release->DateEdit()->text(), u"15/07/2025"_s);
            Click(editor, u"cancel"_s);
        });
        m_tab->Perform(PageCommand::EditRace);

        // A race before 1970 is stored and shown like any other.
        const auto old = OnDialog([](QDialog* editor) {
            Type(editor, u"place"_s, u"Dawno"_s);
            TypeDateTime(Find<DateTimeFields>(editor, u"release"_s), u"20/06/1965"_s,
                         u"06:00:00"_s);
            Click(editor, u"ok"_s);
        });
        ClickCaption(CZakladkaLotyGolebi::NewRaceCaption);
        QCOMPARE(m_tab->RacesModel()->CellText(3, RaceReleaseDate), u"20/06/65"_s);
        QVERIFY(m_app->races[3].czasodlotu < 0);
        m_tab->SelectRace(3);
        const auto reopenOld = OnDialog([](QDialog* editor) {
            QCOMPARE(Find<DateTimeFields>(editor, u"release"_s)->DateEdit()->text(),
                     u"20/06/1965"_s);
            Click(editor, u"cancel"_s);
        });
        m_tab->Perform(PageCommand::EditRace);
    }

    void addEditAndDeleteEntries() {
        // Without a race: the messages, and no window.
        {
            ModalDriver::NoDialogGuard guard;
            ClickCaption(CZakladkaLotyGolebi::AddFlyerCaption);
            ClickCaption(CZakladkaLotyGolebi::EditFlyerCaption);
            ClickCaption(CZakladkaLotyGolebi::DeleteFlyerCaption);
            QCOMPARE(guard.dialogsSeen(), 0);
            QCOMPARE(MessageBox::History(),
                     (QStringList{u"First you must select race to add flyer."_s,
                                  u"First you must select race and then flyer to edit."_s}));
            QCOMPARE(MessageBox::Captions().first(), QCoreApplication::applicationName());
        }
        ClickRow(m_tab->RacesView(), 1);

        // A new entry: no pigeon first, then one chosen in the chooser.
        MessageBox::History().clear();
        const auto add = OnDialog([](QDialog* editor) {
            QCOMPARE(QApplication::activeWindow(), editor);
            QCOMPARE(editor->windowTitle(), u"Add racing pigeon"_s);
            QCOMPARE(Find<ElidedLabel>(editor, u"chosenBand"_s)->text(), u"Nie wybrano"_s);
            Click(editor, u"ok"_s);
            QVERIFY(editor->isVisible());
            const auto choose = OnDialog([](QDialog* chooser) {
                auto* list = Find<QListWidget>(chooser, u"candidates"_s);
                list->setFocus(); // the first bird is current, the next one is chosen
                QTest::keyClick(list, Qt::Key_Down);
                Click(chooser, u"ok"_s);
            });
            Click(editor, u"selectPigeon"_s);
            QCOMPARE(Find<ElidedLabel>(editor, u"chosenBand"_s)->text(), u"PL 0207 2024 101"_s);
            QVERIFY(Find<QLabel>(editor, u"chosenDetails"_s)->text().contains(u"Niebieski"_s));
            TypeDateTime(Find<DateTimeFields>(editor, u"arrival"_s), {}, u"11:40:30"_s);
            Type(editor, u"positionUnion"_s, u"7"_s);
            Type(editor, u"positionClub"_s, u"2"_s);
            Type(editor, u"coefficientUnion"_s, u"45,67"_s);
            Type(editor, u"pointsUnion"_s, u"12.5"_s);
            Type(editor, u"pointsClub"_s, u"abc"_s);
            Click(editor, u"ok"_s);
            QVERIFY(editor->isVisible()); // a word in a number field is refused
            Type(editor, u"pointsClub"_s, u"3"_s);
            auto* comments = Find<QPlainTextEdit>(editor, u"comments"_s);
            comments->setFocus();
            TypeText(comments, u"Wrócił z \"Łodzi\""_s);
            Click(editor, u"ok"_s);
        });
        ClickCaption(CZakladkaLotyGolebi::AddFlyerCaption);
        QCOMPARE(MessageBox::History().first(), u"Musisz wybrać gołębia"_s);
        QCOMPARE(MessageBox::History()[1], u"Points earned (Club): please enter a number."_s);
        const TextTableModel* flyers = m_tab->FlyersModel();
        QCOMPARE(flyers->rowCount(), 1);
        QCOMPARE(flyers->CellText(0, FlyerPigeon), u"PL 0207 2024 101"_s);
        QCOMPARE(flyers->CellText(0, FlyerCoefficient), u"45.67 "_s);
        QCOMPARE(m_app->pigeons.at(m_pigeons[1]).raceEntries, 2);

        // Coefficient and points come back unchanged from the file.
        {
            AppData reloaded;
            QVERIFY(reloaded.SelectLoft(1).ok());
            const FlyerRecord& stored = reloaded.races[1].flyers.at(0);
            QCOMPARE(stored.CoefficientOddzialowy, 45.67f);
            QCOMPARE(stored.PunktyOddzial, 12.5f);
            QCOMPARE(stored.nr_konkursu_sekcja, 2);
            QCOMPARE(stored.notatki, u"Wrócił z \"Łodzi\""_s);
            QCOMPARE(stored.DataCzasPrzylotu, ComposeLocalTime(2025, 7, 5, 11, 40, 30));
        }

        // Edit (a double click): the values come back in the editor; the pigeon stays.
        ClickRow(m_tab->FlyersView(), 0);
        const auto edit = OnDialog([](QDialog* editor) {
            QCOMPARE(editor->windowTitle(), u"Add racing pigeon"_s);
            QCOMPARE(Find<QLineEdit>(editor, u"coefficientUnion"_s)->text(), u"45.67"_s);
            QCOMPARE(Find<QPlainTextEdit>(editor, u"comments"_s)->toPlainText(),
                     u"Wrócił z \"Łodzi\""_s);
            QVERIFY(!Find<QPushButton>(editor, u"selectPigeon"_s)->isEnabled());
            Type(editor, u"positionUnion"_s, u"1"_s);
            Click(editor, u"ok"_s);
        });
        QTableView* flyersView = m_tab->FlyersView();
        QTest::mouseDClick(flyersView->viewport(), Qt::LeftButton, {},
                           flyersView->visualRect(flyersView->model()->index(0, 1)).center());
        QVERIFY(edit.Shown());
        QCOMPARE(flyers->CellText(0, FlyerPosition), u"1 "_s);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(),
                                 u"SELECT nr_konkursu FROM lotniki WHERE id_lotu = 2;"_s),
                 1);

        // Delete asks; afterwards no entry is selected and a new click does not bring it back.
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        ShellFixture::MenuAction(*m_dialog, CmdDeleteFlyer)->trigger();
        QCOMPARE(MessageBox::History().last(), u"Do you want delete this flyer?"_s);
        QCOMPARE(flyers->rowCount(), 0);
        QCOMPARE(m_tab->SelectedFlyer(), -1);
        ClickRow(m_tab->RacesView(), 0);
        ClickRow(m_tab->RacesView(), 1);
        QCOMPARE(flyers->rowCount(), 0);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(),
                                 u"SELECT count(*) FROM lotniki WHERE id_lotu = 2;"_s),
                 0);
        QCOMPARE(m_app->pigeons.at(m_pigeons[1]).raceEntries, 1);
    }

    void failedWritesChangeNothing() {
        ReadOnlyFiles readOnly({m_data->pigeonsDb()});
        QVERIFY(readOnly.isReadOnly());
        const auto add = OnDialog([](QDialog* editor) {
            Type(editor, u"place"_s, u"Nigdzie"_s);
            Click(editor, u"ok"_s);
            QVERIFY(editor->isVisible()); // the failure is shown, the typing is kept
            Click(editor, u"cancel"_s);
        });
        ClickCaption(CZakladkaLotyGolebi::NewRaceCaption);
        QCOMPARE(m_tab->RacesModel()->rowCount(), 2);
        QCOMPARE(MessageBox::History().size(), 1);
        QVERIFY(MessageBox::History()[0].contains(u"could not be saved"_s));

        m_tab->SelectRace(0);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        ClickCaption(CZakladkaLotyGolebi::DeleteRaceCaption);
        QCOMPARE(m_tab->RacesModel()->rowCount(), 2);
        QCOMPARE(m_app->races.size(), 2u);
        QCOMPARE(m_app->pigeons.at(m_pigeons[0]).raceEntries, 1);
        QCOMPARE(MessageBox::History().size(), 3); // the failure, the question, the failure
    }

    void printRaceShowsThePageInThePreview() {
        ClickRow(m_tab->RacesView(), 0);
        QString shown;
        bool landscape = false;
        {
            const auto preview = OnDialog([&](QDialog* dialog) {
                auto* page = qobject_cast<CPodgladHTML*>(dialog);
                QVERIFY(page);
                shown = page->Path();
                landscape = page->Orientation() == QPageLayout::Landscape;
                dialog->reject();
            });
            ClickCaption(CZakladkaLotyGolebi::PrintRaceCaption);
        }
        QCOMPARE(shown, RacePagePath());
        QVERIFY(landscape);
        const QString page = ReadTextFile(RacePagePath());
        QVERIFY(page.startsWith(QChar(0xFEFF)));
        QVERIFY(page.contains(u"<h2>Race Hanower</h2>"_s));
        QVERIFY(page.contains(u"<td>PL 0207 2024 101</td>"_s));

        m_tab->SelectRace(-1);
        ModalDriver::NoDialogGuard guard;
        ClickCaption(CZakladkaLotyGolebi::PrintRaceCaption);
        QCOMPARE(guard.dialogsSeen(), 0);
        QCOMPARE(MessageBox::History(), QStringList{u"First you must select race to print it."_s});
    }

    void bestPigeonsOfTheLoft() {
        // Pigeon 100 flies 11 races in all (with the seeded one), 101 flies 10: only 100 ranks.
        AddEntries(m_pigeons[0], {5, 0, 0, 2, 9, 14, 1, 0, 3, 7});
        AddEntries(m_pigeons[1], {1, 1, 1, 1, 1, 1, 1, 1, 1});
        m_dialog->loadLoftData(1);
        const auto best = OnDialog([](QDialog* dialog) {
            QCOMPARE(QApplication::activeWindow(), dialog);
            QCOMPARE(dialog->windowTitle(), u"Best Pigeons In The Loft"_s);
            auto* page = qobject_cast<CNajlepszeGolebie*>(dialog);
            QCOMPARE(page->RankedModel()->rowCount(), 1);
            QCOMPARE(page->RankedModel()->CellText(0, 1), u"PL 0207 2024 100"_s);
            QCOMPARE(Find<QLabel>(dialog, u"description"_s)->text(),
                     u"You must select pigeon to see \n their all racing results."_s);
            QVERIFY(Find<PictureBox>(dialog, u"photo"_s)->ShowsPlaceholder());
            page->RankedList()->setFocus();
            QCOMPARE(page->ResultsModel()->rowCount(), 0); // focus alone picks no pigeon
            QApplication::processEvents();
            QTest::keyClick(page->RankedList(), Qt::Key_Down);
            QCOMPARE(page->ResultsModel()->rowCount(), 11);
            QCOMPARE(page->ResultsModel()->CellText(0, 4), u"1192.86"_s);
            QCOMPARE(Find<QLabel>(dialog, u"qualifications"_s)->text(), u"11"_s);
            QCOMPARE(Find<QLabel>(dialog, u"averagePosition"_s)->text(), u"4"_s); // 44 / 11
            QCOMPARE(Find<QLabel>(dialog, u"bestPosition"_s)->text(), u"1"_s);
            QCOMPARE(Find<QLabel>(dialog, u"description"_s)->text(), u"Niebieski samiec"_s);
            // A click below the rows only empties the results.
            QTest::mouseClick(page->RankedList()->viewport(), Qt::LeftButton, {},
                              QPoint(10, page->RankedList()->viewport()->height() - 3));
            QCOMPARE(page->ResultsModel()->rowCount(), 0);
            Click(dialog, u"close"_s);
        });
        ClickCaption(CZakladkaLotyGolebi::BestPigeonsCaption);
        QVERIFY(best.Shown());
        const auto fromMenu = OnDialog([](QDialog* d) { d->reject(); });
        ShellFixture::MenuAction(*m_dialog, CmdBestPigeons)->trigger();
        QCOMPARE(fromMenu.DialogClass(), u"CNajlepszeGolebie"_s);
    }

    void longNamesKeepTheWindowsOnScreen() {
        const QString longText(300, u'Ż');
        m_app->pigeons.at(m_pigeons[0]).raceEntries = 11; // ranked among the best
        const int captions[] = {CZakladkaLotyGolebi::EditRaceCaption,
                                CZakladkaLotyGolebi::EditFlyerCaption,
                                CZakladkaLotyGolebi::BestPigeonsCaption};
        std::vector<QSize> sizes;
        for (int caption : captions)
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

private:
    void ClickRow(QTableView* view, int row) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(row, 1)).center());
    }

    void ClickCaption(int caption) {
        QTest::mouseClick(m_tab, Qt::LeftButton, {}, m_tab->CaptionRect(caption).center());
    }

    void AddEntries(int pigeonId, const std::vector<int>& positions) {
        AppData writer;
        for (int position : positions) {
            RaceRecord race;
            race.miejscowosc = u"Trening"_s;
            race.odleglosckm = 100;
            race.czasodlotu = ComposeLocalTime(2025, 8, 1, 8, 0, 0);
            QVERIFY(writer.SaveRace(-1, race).ok());
            FlyerRecord flyer;
            flyer.id_lotu = race.id;
            flyer.id_hodowli = 1;
            flyer.id_golebia = pigeonId;
            flyer.DataCzasPrzylotu = race.czasodlotu + 6000;
            flyer.nr_konkursu = position;
            QVERIFY(writer.SaveFlyer(-1, flyer).ok());
        }
    }

    // The size a window opens at from its caption, with the first race, entry and best pigeon
    // chosen.
    QSize OpenedSize(int caption) {
        m_tab->SelectRace(0);
        m_tab->SelectFlyer(0);
        QSize size;
        const auto step = OnDialog([&size](QDialog* dialog) {
            if (auto* best = qobject_cast<CNajlepszeGolebie*>(dialog))
                best->RankedList()->selectRow(0);
            QApplication::processEvents();
            size = dialog->frameGeometry().size();
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

QTEST_MAIN(TestRacesTab)
#include "tst_racestab.moc"
