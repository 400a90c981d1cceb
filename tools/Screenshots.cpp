// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the pictures under docs/screenshots: every window of the application shell, on a small
// sample loft. Run under a display, for example:
//   xvfb-run -a -s "-screen 0 1600x1000x24" build/tools/vornel_screenshots docs/screenshots
// With --dark first it takes only the dark-*.png pictures, in the Fusion style with a dark
// palette.

#include "app/DodajEdytujHodowle.h"
#include "app/LoftApp.h"
#include "app/LoftSelector.h"
#include "app/MainDialog.h"
#include "app/MainMenu.h"
#include "app/Oprogramie.h"
#include "app/Pomoc.h"
#include "app/ShippedFiles.h"
#include "app/ZarzadzajHodowlami.h"
#include "breeding/DodajEdytujPare.h"
#include "breeding/DodajPsaDoPary.h"
#include "breeding/DodajSezon.h"
#include "breeding/NajlepszePary.h"
#include "breeding/TestMating.h"
#include "breeding/ZakladkaEdycjaPtaka.h"
#include "notes/NoteBodies.h"
#include "pedigree/DrukujKarteMiotu.h"
#include "pedigree/DrukujRodowodGolebia.h"
#include "pedigree/DrzewoGenealogicznePsa.h"
#include "pedigree/EksportListyDoHTML.h"
#include "pedigree/FamilyTreeView.h"
#include "pedigree/ListPage.h"
#include "pedigree/Pedigree.h"
#include "pedigree/PodgladHTML.h"
#include "racing/DodajLotnika.h"
#include "racing/HistoriaLotow.h"
#include "racing/KalkulatorOdleglosci.h"
#include "racing/KalkulatorPredkosci.h"
#include "racing/NajlepszeGolebie.h"
#include "racing/NowyLot.h"
#include "racing/RaceHistoryChart.h"
#include "racing/RaceResults.h"
#include "racing/SpisOddzialow.h"
#include "racing/ZakladkaLotyGolebi.h"
#include "register/ChooserCandidates.h"
#include "register/DodajGolebia.h"
#include "register/DodajSerieObraczek.h"
#include "register/LeczenieSuplementacjaDodajZmien.h"
#include "register/LookupListDialog.h"
#include "register/PreviewPages.h"
#include "register/PrzeniesPsa.h"
#include "register/WybierzPsaZListy.h"
#include "register/ZakladkaListaPsow.h"
#include "storage/AppData.h"
#include "storage/InstallDir.h"
#include "storage/LocalTime.h"
#include "storage/RowIdTableModel.h"
#include "support/BreedingFixture.h"
#include "support/FamilyFixture.h"
#include "support/ShellFixture.h"
#include "trade/ContactBook.h"
#include "trade/ContactEditor.h"
#include "trade/ContactManager.h"
#include "trade/DodajZmienTransakcje.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListView>
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

// Clients, transactions of birds and of other items, and notes with formatted bodies.
void SampleTrade(AppData& data) {
    data.SelectLoft(1);
    const std::tuple<const char16_t*, const char16_t*, const char16_t*, const char16_t*> people[] =
        {{u"Zdzisław", u"Kowalski", u"Kraków", u"Floriańska 12"},
         {u"Anna", u"Nowak", u"Łódź", u"Piotrkowska 90"},
         {u"Jan", u"Wiśniewski", u"Gniezno", u"Chrobrego 3"},
         {u"Ewa", u"Dąbrowska", u"Poznań", u"Półwiejska 7"}};
    std::vector<int> clients;
    for (const auto& [first, last, town, street] : people) {
        ContactRecord client = NewContact(1);
        client.firstName = QString::fromUtf16(first);
        client.lastName = QString::fromUtf16(last);
        client.town = QString::fromUtf16(town);
        client.street = QString::fromUtf16(street);
        client.postCode = u"90-001"_s;
        data.SaveClient(-1, client);
        clients.push_back(client.id);
    }
    std::vector<int> pigeons;
    for (const auto& [id, pigeon] : data.pigeons)
        pigeons.push_back(id);
    const char16_t* const remarks[] = {u"Zapłacono gotówką", u"Przelew, 14 dni",
                                       u"Wymiana na młode", u""};
    for (int i = 0; i < 9; ++i) {
        TransactionRecord t;
        t.idLoft = 1;
        t.idClient = clients[size_t(i) % clients.size()];
        t.kind = i % 3;
        t.subject = i % 4 == 3 ? 1 : 0;
        t.idPigeon = t.subject ? 0 : pigeons[size_t(i * 2) % pigeons.size()];
        t.otherSubject = t.subject ? u"Karma i witaminy"_s : QString();
        t.price = 150.0f + 12.5f * float(i * 7);
        t.currency = i % 3 == 2 ? 2 : 0;
        t.date = 1'775'000'000 + i * 86'400LL * 9;
        t.note = QString::fromUtf16(remarks[i % 4]);
        data.SaveTransaction(-1, t);
    }
    for (const QString& name : {u"Plan lotów 2026"_s, u"Szczepienia"_s, u"Karma i witaminy"_s}) {
        NoteRecord note;
        note.idLoft = 1;
        note.name = name;
        CreateNote(data, note);
        if (note.id == 1)
            WriteNoteBody(
                note.id,
                u"<p><b><font size=\"5\">Plan lotów 2026</font></b></p><hr />"
                u"<p><b>Maj</b>: <i>Gniezno</i> (120 km), <i>Łęczyca</i> (210 km)</p>"
                u"<p><b>Czerwiec</b>: <u>Hanower</u> – koszowanie w piątek do 18:00</p>"
                u"<p><font size=\"2\">Młode: szczepienie przed pierwszym lotem.</font></p>"_s);
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

// The main window, its races tab and two editors under a dark palette.
int DarkShots(AppData& appData, CMainDialog& main, const QString& folder) {
    Save(&main, folder, u"dark-start-page.png"_s);
    main.SetActiveTab(CMainDialog::TabPigeons);
    auto* list = main.findChild<CZakladkaListaPsow*>();
    list->SelectRow(3);
    Save(&main, folder, u"dark-main-window.png"_s);
    CDodajGolebia editor(appData, CDodajGolebia::Mode::Edit,
                         appData.FindPigeon(list->Model()->IdAt(3)), nullptr, &main);
    Save(&editor, folder, u"dark-pigeon-editor.png"_s);
    editor.hide();
    main.SetActiveTab(CMainDialog::TabRaces);
    auto* races = main.findChild<CZakladkaLotyGolebi*>();
    races->SelectRace(3);
    races->SelectFlyer(1);
    Save(&main, folder, u"dark-races-tab.png"_s);
    CNowyLot raceEditor(appData, 1, 1, appData.races[3], &main);
    Save(&raceEditor, folder, u"dark-race-editor.png"_s);
    return 0;
}

int main(int argc, char** argv) {
    const bool dark = argc > 1 && qstrcmp(argv[1], "--dark") == 0;
    // The dark pictures show the Fusion style, the one a dark palette is made for.
    if (dark)
        qputenv("QT_STYLE_OVERRIDE", "Fusion");
    QApplication app(argc, argv);
    CLoftApp::SetIdentity();
    const int folderArg = dark ? 2 : 1;
    const QString folder = argc > folderArg ? QString::fromLocal8Bit(argv[folderArg]) : u"."_s;
    QDir().mkpath(folder);
    QTemporaryDir data;
    SetInstallDirOverride(data.path());
    PrepareInstallDir();
    InstallShippedFiles();
    QApplication::setStyle(new MenuGradientStyle);
    if (dark)
        QApplication::setPalette(ShellFixture::DarkPalette());

    AppData appData;
    SampleLoft(appData);
    SampleTrade(appData);
    SampleRaces(appData);
    CMainDialog main(appData);
    main.Initialise();
    main.resize(app.primaryScreen()->availableSize());
    main.showMaximized();
    if (dark)
        return DarkShots(appData, main, folder);
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
                             appData.FindPigeon(list->Model()->IdAt(3)), nullptr, &main);
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
        {
            // A name of 300 characters is elided and wrapped; the windows keep their size.
            PigeonRecord named;
            named.idLoft = 1;
            named.country = u"PL"_s;
            named.branch = u"0207"_s;
            named.year = u"2026"_s;
            named.ringNumber = u"9999"_s;
            named.name =
                QString(u"Bardzo długie imię gołębia z rodu mistrzów "_s).repeated(8).left(300);
            named.sex = 1;
            appData.SavePigeon(-1, named);
            appData.SetPigeonShortDescription(named.id, named.name);
            appData.pigeons[named.id].shortDescription = named.name;
            CWybierzPsaZListy longChooser(appData, ChooseAll, &main);
            auto* search = longChooser.findChild<QLineEdit*>(u"band"_s);
            search->setText(u"9999"_s);
            longChooser.findChild<QListWidget*>(u"candidates"_s)->setCurrentRow(0);
            Save(&longChooser, folder, u"pigeon-chooser-long-name.png"_s);
            longChooser.hide();
            CDodajGolebia longEditor(appData, CDodajGolebia::Mode::Edit,
                                     appData.FindPigeon(named.id), nullptr, &main);
            Save(&longEditor, folder, u"editor-long-name.png"_s);
            longEditor.hide();
        }
        CWyborKoloru colours(appData, 1, &main);
        Save(&colours, folder, u"lookup-manager.png"_s);
        colours.hide();
        CPrzeniesPsa move(appData, &main);
        Save(&move, folder, u"move-dialog.png"_s);
        move.hide();
        CDodajSerieObraczek series({}, &main);
        Save(&series, folder, u"ring-series-dialog.png"_s);
        series.hide();
    }

    main.SetActiveTab(CMainDialog::TabTransactions);
    Save(&main, folder, u"transactions-tab.png"_s);
    {
        CDodajZmienTransakcje editor(appData, 1, appData.transactions.begin()->second, &main);
        editor.ClientList()->setCurrentIndex(editor.ClientList()->model()->index(0, 0));
        Save(&editor, folder, u"transaction-editor.png"_s);
        editor.hide();
        CZarzadzajKlientami clients(appData, &main);
        clients.View()->selectRow(1);
        Save(&clients, folder, u"clients-manager.png"_s);
        clients.hide();
        CDodajEdytujKlienta client(appData, 1, appData.clients.begin()->second, &main);
        Save(&client, folder, u"client-editor.png"_s);
        client.hide();
    }
    main.SetActiveTab(CMainDialog::TabNotepad);
    Save(&main, folder, u"notepad.png"_s);
    main.SetActiveTab(CMainDialog::TabStart);
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
        // The race history of a bird that flew every race, its two seasons before drawn from
        // this one's races a year earlier.
        const std::vector<RaceResultRow> season = CollectRaceResults(appData, 4).rows;
        std::vector<RaceResultRow> rows;
        for (int back = 2; back >= 0; --back) {
            for (size_t i = 0; i < season.size(); ++i) {
                RaceResultRow row = season[i];
                row.race.czasodlotu -= back * 364 * 86400LL;
                if (row.velocity)
                    *row.velocity *= 0.9f + 0.03f * float(2 - back) + 0.01f * float(i % 4);
                row.position = (i + size_t(back)) % 5 == 3 ? 0 : row.position + back * 23;
                rows.push_back(row);
            }
        }
        CHistoriaLotow history(appData.FindPigeon(4), rows, &main);
        history.Chart()->Highlight(int(rows.size()) - 3);
        Save(&history, folder, u"race-history.png"_s);
        history.hide();
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
    about.hide();

    // The pedigree and printing windows, on a pigeon with four generations and photos.
    const FamilyFixture::Family family = FamilyFixture::SeedFamily(true);
    const int cousin = FamilyFixture::StoreCousinHen(family);
    AppData familyData;
    familyData.LoadLofts();
    familyData.SelectLoft(family.loftId);
    {
        CDrzewoGenealogicznePsa tree(familyData, family.subject(), &main);
        tree.Tree()->Button(TreeDam)->click();
        Save(&tree, folder, u"family-tree.png"_s);
    }
    {
        CDrukujRodowodGolebia pedigree(familyData, familyData.FindPigeon(family.subject()), &main);
        Save(&pedigree, folder, u"pedigree-dialog.png"_s);
        WritePedigree(familyData, familyData.FindPigeon(family.subject()),
                      PedigreeTemplatePath(PedigreeTemplates()[1]), PedigreePreviewPath());
        CPodgladHTML preview(PedigreePreviewPath(), &pedigree, QPageLayout::Landscape);
        preview.resize(1280, 900);
        Save(&preview, folder, u"preview-pedigree.png"_s);
    }
    {
        CTestMating mating(familyData, family.subject(), cousin, &main);
        mating.resize(1100, 900);
        Save(&mating, folder, u"test-mating.png"_s);
    }
    {
        const PairRecord& pair = familyData.pairs.front();
        CDrukujKarteMiotu card(familyData, pair, u"Pairing Card"_s, &main);
        Save(&card, folder, u"pairing-card-dialog.png"_s);
    }
    {
        std::vector<int> ids;
        familyData.ReadCategoryMembers(family.categoryId, ids);
        CEksportListyDoHTML list(familyData, ids, u"Print Category"_s, 0, &main);
        list.Available()->setCurrentRow(0);
        list.MoveToPrint();
        Save(&list, folder, u"list-export-dialog.png"_s);
        WritePage(ListPagePath(), ListPageHtml(familyData, ids, list.Settings()));
        CPodgladHTML preview(ListPagePath(), &list);
        Save(&preview, folder, u"preview-list.png"_s);
    }

    // The breeding windows, on the family with pairs, young, seasons and races.
    {
        const BreedingFixture::Breeding breeding = BreedingFixture::SeedBreeding(family);
        AppData breedingData;
        CMainDialog breedingMain(breedingData);
        breedingMain.Initialise();
        breedingMain.resize(app.primaryScreen()->availableSize());
        breedingMain.showMaximized();
        auto* lofts = breedingMain.findChild<QComboBox*>(u"loftList"_s);
        lofts->setCurrentIndex(lofts->findText(u"Gołębnik"_s));
        breedingMain.Lofts()->OnLoftChosen(lofts->currentIndex());
        breedingMain.SetActiveTab(CMainDialog::TabPairing);
        auto* page = static_cast<CZakladkaEdycjaPtaka*>(breedingMain.Page(CMainDialog::TabPairing));
        page->SelectPair(page->PairsModel()->RowOfId(breeding.parentsPair));
        page->SelectChild(0);
        Save(&breedingMain, folder, u"pairing-tab.png"_s);
        {
            CDodajEdytujPare editor(breedingData, CDodajEdytujPare::Mode::Edit,
                                    *page->CurrentPair(), &breedingMain);
            Save(&editor, folder, u"pair-editor.png"_s);
        }
        {
            const PairRecord& pair = *page->CurrentPair();
            CDodajPsaDoPary child(breedingData, pair, CDodajPsaDoPary::Mode::Edit,
                                  pair.children.front(), &breedingMain);
            Save(&child, folder, u"child-dialog.png"_s);
        }
        {
            CDodajSezon season(breedingData, &breedingMain);
            Save(&season, folder, u"season-dialog.png"_s);
        }
        {
            CNajlepszePary best(breedingData, &breedingMain);
            best.PairsView()->selectRow(0);
            best.ChildrenView()->selectRow(0);
            Save(&best, folder, u"best-pairs.png"_s);
        }
        // The pigeon list with each page of the preview panel, on the family's sire: his
        // partners, young and races fill the pages.
        breedingMain.SetActiveTab(CMainDialog::TabPigeons);
        auto* list = static_cast<CZakladkaListaPsow*>(breedingMain.Page(CMainDialog::TabPigeons));
        const auto& rows = list->Model()->RowMap();
        const auto row = std::find(rows.begin(), rows.end(), family.sire());
        const char* const pages[] = {"preview-summary.png", "preview-family-tree.png",
                                     "preview-progeny.png", "preview-siblings.png",
                                     "preview-race-results.png"};
        for (int preview = 0; preview < 5; ++preview) {
            list->ShowPreviewPage(preview);
            list->SelectRow(preview == 3 ? 0 : int(row - rows.begin()));
            if (preview == 2)
                static_cast<CPanelPodgladuTab3*>(list->PreviewPage(2))
                    ->Partners()
                    ->setCurrentRow(0);
            Save(&breedingMain, folder, QString::fromLatin1(pages[preview]));
        }
    }
    return 0;
}
