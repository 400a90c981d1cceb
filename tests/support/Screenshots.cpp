// Takes the pictures under docs/screenshots: every window of the application shell, on a small
// sample loft. Run under a display, for example:
//   xvfb-run -a -s "-screen 0 1600x1000x24" build/tests/vornel_screenshots docs/screenshots

#include "app/DodajEdytujHodowle.h"
#include "app/LoftApp.h"
#include "app/MainDialog.h"
#include "app/MainMenu.h"
#include "app/Oprogramie.h"
#include "app/Pomoc.h"
#include "app/ShippedFiles.h"
#include "app/ZarzadzajHodowlami.h"
#include "racing/DodajLotnika.h"
#include "racing/KalkulatorOdleglosci.h"
#include "racing/KalkulatorPredkosci.h"
#include "racing/NajlepszeGolebie.h"
#include "racing/NowyLot.h"
#include "racing/SpisOddzialow.h"
#include "racing/ZakladkaLotyGolebi.h"
#include "register/ChooserCandidates.h"
#include "register/DodajGolebia.h"
#include "register/DodajSerieObraczek.h"
#include "register/LeczenieSuplementacjaDodajZmien.h"
#include "register/LookupListDialog.h"
#include "register/PigeonTableModel.h"
#include "register/PrzeniesPsa.h"
#include "register/WybierzPsaZListy.h"
#include "register/ZakladkaListaPsow.h"
#include "storage/AppData.h"
#include "storage/InstallDir.h"
#include "storage/LocalTime.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void Save(QWidget* widget, const QString& folder, const QString& name) {
    widget->show();
    widget->raise();
    widget->activateWindow();
    QTest::qWait(400);
    const QString path = folder + u'/' + name;
    if (!widget->grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

void SampleLoft(AppData& data) {
    data.LoadLofts(); // lays down the tables
    data.SelectLoft(1);
    for (const QString& name : {u"Gołębnik główny"_s, u"Młodzież 2026"_s}) {
        LoftRecord loft;
        loft.name = name;
        loft.description = u"Strych nad stodołą"_s;
        data.SaveLoft(-1, loft);
        for (const QString& category : {u"Lotowe"_s, u"Rozpłodowe"_s, u"Sprzedane"_s}) {
            CategoryRecord c;
            c.idLoft = loft.id;
            c.name = category;
            data.SaveCategory(-1, c);
        }
    }
    int colour = 0;
    data.AddLookup(Lookup::Colours, 1, u"Niebieski"_s, &colour);
    for (const QString& name : {u"Czerwony"_s, u"Szpakowaty"_s, u"Płowy"_s})
        data.AddLookup(Lookup::Colours, 1, name);
    const QString names[] = {u"Błyskawica"_s, u""_s, u"Zefir"_s, u"Kometa"_s, u""_s, u"Grom"_s};
    for (int i = 0; i < 24; ++i) {
        PigeonRecord pigeon;
        pigeon.idLoft = 1;
        pigeon.country = u"PL"_s;
        pigeon.branch = u"0207"_s;
        pigeon.year = QString::number(2020 + i % 6);
        pigeon.ringNumber = QString::number(1200 + i);
        pigeon.name = names[i % 6];
        pigeon.sex = 1 + i % 2;
        pigeon.idColour = i % 3 == 0 ? colour : 0;
        pigeon.notesGeneral = i % 4 == 0 ? u"Bardzo dobry lotnik, wraca pierwszy"_s : QString();
        pigeon.idSire = i >= 2 ? 1 : 0;
        pigeon.idDam = i >= 2 ? 2 : 0;
        data.SavePigeon(-1, pigeon);
        data.AddCategoryLink(1, pigeon.id);
        if (i == 3) {
            TreatmentRecord treatment;
            treatment.idPigeon = pigeon.id;
            treatment.name = u"Paramyksowiroza"_s;
            treatment.category = 1;
            treatment.dose = u"0,5 ml"_s;
            treatment.remarks = u"Szczepienie coroczne"_s;
            treatment.dateGiven = 1'775'000'000;
            data.SaveTreatment(-1, treatment);
        }
    }
}

// Twelve races of the summer, each flown by eight of the loft's birds.
void SampleRaces(AppData& data) {
    const QString places[] = {u"Gniezno"_s, u"Poznań"_s, u"Hanower"_s, u"Gotha"_s};
    const QString weather[] = {u"słonecznie, wiatr SW 3 m/s"_s, u"pochmurno"_s, u"mgła do 8:00"_s};
    for (int r = 0; r < 12; ++r) {
        RaceRecord race;
        race.id_hodowli = 1;
        race.miejscowosc = places[r % 4];
        race.pogodawmiejscuwypuszczenia = weather[r % 3];
        race.pogodalokalna = u"bezchmurnie"_s;
        race.odleglosckm = 180 + r * 40;
        race.odlegloscm = 120 + r * 7;
        race.czasodlotu = ComposeLocalTime(2025, 5, 4 + r * 7, 7, 15, 0);
        race.czas_pierwszego_w_konk = race.czasodlotu + 9000 + r * 1800;
        race.czas_ostatniego_w_konk = race.czas_pierwszego_w_konk + 5400;
        race.golebi_oddzial = 2400 + r * 13;
        race.golebi_sekcja = 610 + r;
        race.konkursow_oddzial = race.golebi_oddzial / 5;
        race.konkursow_sekcja = race.golebi_sekcja / 5;
        race.liczba_hodowcow = 96;
        race.wlozonychgolebi = 8;
        race.iloscwkonkursie = 3 + r % 5;
        race.typ = r < 9 ? 0 : 1;
        race.kategoria = 1 + r % 3;
        race.kategoria2 = -1;
        data.SaveRace(-1, race);
        for (int e = 0; e < 8; ++e) {
            FlyerRecord flyer;
            flyer.id_lotu = race.id;
            flyer.id_hodowli = 1;
            flyer.id_golebia = 1 + (e * 3 + r) % 24;
            flyer.DataCzasPrzylotu = race.czas_pierwszego_w_konk + e * 431 + r * 17;
            flyer.nr_konkursu = 4 + e * 37 + r % 5;
            flyer.nr_konkursu_sekcja = 1 + e * 9;
            flyer.CoefficientOddzialowy = static_cast<float>(flyer.nr_konkursu) * 1000.0f / 2400.0f;
            flyer.PunktyOddzial = 60.0f - e * 6.5f;
            data.SaveFlyer(-1, flyer);
        }
    }
    // Three birds that flew every race, so that the best pigeons have some to rank.
    for (int bird : {4, 9, 15}) {
        for (int r = 1; r <= 12; ++r) {
            FlyerRecord flyer;
            flyer.id_lotu = r;
            flyer.id_hodowli = 1;
            flyer.id_golebia = bird;
            flyer.DataCzasPrzylotu =
                ComposeLocalTime(2025, 5, 4 + (r - 1) * 7, 10, 2, 11) + r * 1800 + bird * 60;
            flyer.nr_konkursu = bird + r % 4 * bird;
            flyer.PunktyOddzial = 75.0f - bird;
            data.SaveFlyer(-1, flyer);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    CLoftApp::SetIdentity();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"."_s;
    QDir().mkpath(folder);
    QTemporaryDir data;
    SetInstallDirOverride(data.path());
    PrepareInstallDir();
    InstallShippedFiles();
    QApplication::setStyle(new MenuGradientStyle);

    AppData appData;
    SampleLoft(appData);
    SampleRaces(appData);
    CMainDialog main(appData);
    main.Initialise();
    main.resize(app.primaryScreen()->availableSize());
    main.showMaximized();
    Save(&main, folder, u"main-window.png"_s);
    if (auto* menu = main.findChild<QMenu*>(u"menu Database"_s)) {
        menu->popup(main.mapToGlobal(QPoint(0, 20)));
        QTest::qWait(300);
        menu->setActiveAction(menu->actions().value(1));
        Save(menu, folder, u"menu-database.png"_s);
        menu->hide();
    }
    main.SetActiveTab(CMainDialog::TabPigeons);
    if (auto* list = main.findChild<CZakladkaListaPsow*>())
        list->SelectRow(3);
    Save(&main, folder, u"pigeon-list-tab.png"_s);
    main.SetActiveTab(CMainDialog::TabStart);

    {
        auto* list = main.findChild<CZakladkaListaPsow*>();
        CDodajGolebia editor(appData, CDodajGolebia::Mode::Edit,
                             appData.FindPigeon(list->Model()->PigeonAt(3)), nullptr, &main);
        const char* const pages[] = {"editor-information.png", "editor-remarks.png",
                                     "editor-documents.png",   "editor-treatments.png",
                                     "editor-photos.png",      "editor-pedigree-notes.png"};
        for (int page = 0; page < CDodajGolebia::PageCount; ++page) {
            editor.Tabs()->setCurrentIndex(page);
            Save(&editor, folder, QString::fromLatin1(pages[page]));
        }
        editor.hide();
        TreatmentRecord treatment;
        treatment.id = -1;
        CLeczenieSuplementacjaDodajZmien dialog(appData, treatment, &main);
        Save(&dialog, folder, u"treatment-dialog.png"_s);
        dialog.hide();
        CWybierzPsaZListy chooser(appData, ChooseAll, &main);
        chooser.findChild<QListWidget*>(u"candidates"_s)->setCurrentRow(2);
        Save(&chooser, folder, u"pigeon-chooser.png"_s);
        chooser.hide();
        CWyborKoloru colours(appData, 1, &main);
        Save(&colours, folder, u"lookup-manager.png"_s);
        colours.hide();
        CPrzeniesPsa move(appData, &main);
        Save(&move, folder, u"move-dialog.png"_s);
        move.hide();
        CDodajSerieObraczek series(&main);
        Save(&series, folder, u"ring-series-dialog.png"_s);
        series.hide();
    }

    main.SetActiveTab(CMainDialog::TabRaces);
    if (auto* races = main.findChild<CZakladkaLotyGolebi*>()) {
        races->SelectRace(3);
        races->SelectFlyer(1);
        Save(&main, folder, u"races-tab.png"_s);
        const RaceRecord& race = appData.races[3];
        CNowyLot raceEditor(appData, 1, 1, race, &main);
        Save(&raceEditor, folder, u"race-editor.png"_s);
        raceEditor.hide();
        CDodajLotnika entry(appData, 1, race.id, 1, race.konkursow_oddzial, race.konkursow_sekcja,
                            race.flyers[1], &main);
        Save(&entry, folder, u"entry-editor.png"_s);
        entry.hide();
        CNajlepszeGolebie best(appData, &main);
        best.RankedList()->selectRow(0);
        Save(&best, folder, u"best-pigeons.png"_s);
        best.hide();
    }
    main.SetActiveTab(CMainDialog::TabStart);
    {
        CKalkulatorOdleglosci distance(&main);
        const std::pair<const char16_t*, const char16_t*> fields[] = {
            {u"latitude1Degrees", u"50"},  {u"latitude1Minutes", u"56"},
            {u"latitude1Seconds", u"52"},  {u"longitude1Degrees", u"10"},
            {u"longitude1Minutes", u"42"}, {u"longitude1Seconds", u"7"},
            {u"latitude2Degrees", u"51"},  {u"latitude2Minutes", u"45"},
            {u"latitude2Seconds", u"33"},  {u"longitude2Degrees", u"19"},
            {u"longitude2Minutes", u"27"}, {u"longitude2Seconds", u"26"}};
        for (const auto& [name, value] : fields)
            distance.findChild<QLineEdit*>(QString::fromUtf16(name))
                ->setText(QString::fromUtf16(value));
        distance.Calculate();
        Save(&distance, folder, u"distance-calculator.png"_s);
        distance.hide();
        CKalkulatorPredkosci velocity(&main);
        velocity.findChild<QLineEdit*>(u"hours"_s)->setText(u"7"_s);
        velocity.findChild<QLineEdit*>(u"minutes"_s)->setText(u"6"_s);
        velocity.findChild<QLineEdit*>(u"seconds"_s)->setText(u"7"_s);
        velocity.findChild<QLineEdit*>(u"distance"_s)->setText(u"612.347"_s);
        velocity.Calculate();
        Save(&velocity, folder, u"velocity-calculator.png"_s);
        velocity.hide();
        CSpisOddzialow branches(&main);
        branches.findChild<QLineEdit*>(u"search"_s)->setText(u"07"_s);
        branches.Search();
        Save(&branches, folder, u"branch-list.png"_s);
        branches.hide();
    }

    CZarzadzajHodowlami manager(appData, &main);
    manager.findChild<QListWidget*>(u"loftList"_s)->setCurrentRow(0);
    Save(&manager, folder, u"lofts-and-categories-manager.png"_s);
    manager.hide();

    CDodajEdytujHodowle loft(u"Edit Loft"_s, &main);
    loft.setName(appData.lofts[0].name);
    loft.setDescription(appData.lofts[0].description);
    Save(&loft, folder, u"loft-dialog.png"_s);
    loft.hide();

    CPomoc help(InstallDir() + u"/html/help/help.html"_s, &main);
    Save(&help, folder, u"help-window.png"_s);
    help.hide();

    COprogramie about(&main);
    Save(&about, folder, u"about-box.png"_s);
    return 0;
}
