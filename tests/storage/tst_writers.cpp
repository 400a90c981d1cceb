// Every writer's insert, update and delete, seen through the loaders and the files, and the
// failures that must leave memory as it was.

#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/InstallDir.h"
#include "storage/TextFile.h"
#include "support/DbProbe.h"
#include "support/TestDataDir.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

PigeonRecord FullPigeon(int loftId) {
    PigeonRecord p;
    p.idLoft = loftId;
    p.name = u"D'Artagnan"_s;
    p.country = u"PL"_s;
    p.branch = u"0207"_s;
    p.year = u"2025"_s;
    p.ringNumber = u"4711"_s;
    p.genotype = u"g"_s;
    p.phenotype = u"f"_s;
    p.idDam = 3;
    p.idSire = 4;
    p.idOwner = 5;
    p.idBreeder = 6;
    p.idVariety = 7;
    p.idLine = 8;
    p.idEyeColour = 9;
    p.idColour = 10;
    p.sex = 1;
    p.idStatus = 11;
    p.ratingOverall = 1;
    p.ratingHealth = 2;
    p.ratingPlumage = 3;
    p.ratingRacing = 4;
    p.notesGeneral = u"ogólne"_s;
    p.notesAppearance = u"wygląd"_s;
    p.notesDiseases = u"zdrowy"_s;
    p.notesProblems = u"brak"_s;
    p.pedigreeNote0 = u"n0"_s;
    p.pedigreeNote1 = u"n1"_s;
    p.pedigreeNote2 = u"n2"_s;
    p.pedigreeNote3 = u"n3"_s;
    p.pedigreeNote4 = u"n4"_s;
    p.dateAdded = 1000;
    p.datePurchased = 1001;
    p.dateSold = 1002;
    p.dateOfBirth = 1003;
    p.dateLeft = 1004;
    return p;
}

void CompareStoredFields(const PigeonRecord& actual, const PigeonRecord& expected) {
    QCOMPARE(actual.idLoft, expected.idLoft);
    QCOMPARE(actual.name, expected.name);
    QCOMPARE(actual.country, expected.country);
    QCOMPARE(actual.branch, expected.branch);
    QCOMPARE(actual.year, expected.year);
    QCOMPARE(actual.ringNumber, expected.ringNumber);
    QCOMPARE(actual.genotype, expected.genotype);
    QCOMPARE(actual.phenotype, expected.phenotype);
    QCOMPARE(actual.idDam, expected.idDam);
    QCOMPARE(actual.idSire, expected.idSire);
    QCOMPARE(actual.idOwner, expected.idOwner);
    QCOMPARE(actual.idBreeder, expected.idBreeder);
    QCOMPARE(actual.idVariety, expected.idVariety);
    QCOMPARE(actual.idLine, expected.idLine);
    QCOMPARE(actual.idEyeColour, expected.idEyeColour);
    QCOMPARE(actual.idColour, expected.idColour);
    QCOMPARE(actual.sex, expected.sex);
    QCOMPARE(actual.idStatus, expected.idStatus);
    QCOMPARE(actual.ratingOverall, expected.ratingOverall);
    QCOMPARE(actual.ratingHealth, expected.ratingHealth);
    QCOMPARE(actual.ratingPlumage, expected.ratingPlumage);
    QCOMPARE(actual.ratingRacing, expected.ratingRacing);
    QCOMPARE(actual.notesGeneral, expected.notesGeneral);
    QCOMPARE(actual.notesAppearance, expected.notesAppearance);
    QCOMPARE(actual.notesDiseases, expected.notesDiseases);
    QCOMPARE(actual.notesProblems, expected.notesProblems);
    QCOMPARE(actual.pedigreeNote0, expected.pedigreeNote0);
    QCOMPARE(actual.pedigreeNote1, expected.pedigreeNote1);
    QCOMPARE(actual.pedigreeNote2, expected.pedigreeNote2);
    QCOMPARE(actual.pedigreeNote3, expected.pedigreeNote3);
    QCOMPARE(actual.pedigreeNote4, expected.pedigreeNote4);
    QCOMPARE(actual.datePurchased, expected.datePurchased);
    QCOMPARE(actual.dateSold, expected.dateSold);
    QCOMPARE(actual.dateOfBirth, expected.dateOfBirth);
    QCOMPARE(actual.dateLeft, expected.dateLeft);
}

} // namespace

class TestWriters : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_data = std::make_unique<TestDataDir>();
        m_app = std::make_unique<AppData>();
        QVERIFY(m_app->LoadLofts().ok());
        QVERIFY(m_app->SelectLoft(1).ok());
    }

    void pigeonInsertUpdateDelete() {
        AppData& app = *m_app;
        PigeonRecord pigeon = FullPigeon(1);
        QVERIFY(app.SavePigeon(-1, pigeon).ok());
        QVERIFY(pigeon.id >= 1);
        QCOMPARE(app.pigeons.at(pigeon.id).BandLabel, u"PL 0207 2025 4711 [D'Artagnan]"_s);

        AppData reloaded;
        QVERIFY(reloaded.LoadPigeons(1).ok());
        CompareStoredFields(reloaded.pigeons.at(pigeon.id), pigeon);
        QCOMPARE(reloaded.pigeons.at(pigeon.id).dateAdded, 1000);

        // An update rewrites the editable fields but keeps the date the pigeon was added.
        PigeonRecord edited = pigeon;
        edited.name = u"Zefir"_s;
        edited.sex = 2;
        edited.idColour = 12;
        edited.notesF = u"ff"_s;
        edited.dateLeft = -1;
        edited.dateAdded = 5;
        QVERIFY(app.SavePigeon(edited.id, edited).ok());
        QCOMPARE(app.pigeons.at(pigeon.id).name, u"Zefir"_s);
        QVERIFY(reloaded.LoadPigeons(1).ok());
        CompareStoredFields(reloaded.pigeons.at(pigeon.id), edited);
        QCOMPARE(reloaded.pigeons.at(pigeon.id).notesF, u"ff"_s);
        QCOMPARE(reloaded.pigeons.at(pigeon.id).dateAdded, 1000);

        // Two inserts of one record give two rows.
        PigeonRecord copy = FullPigeon(1);
        QVERIFY(app.SavePigeon(-1, copy).ok());
        QVERIFY(copy.id != pigeon.id);
        QCOMPARE(app.pigeons.size(), 2u);

        QVERIFY(app.SavePigeon(-2, copy).ok());
        QVERIFY(app.DeletePigeon(pigeon.id).ok());
        QVERIFY(app.pigeons.empty());
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM pigeons;"_s), 0);
    }

    void modesOutsideTheConventionWriteNothing_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("0") << 0;
        QTest::newRow("-3") << -3;
    }

    void modesOutsideTheConventionWriteNothing() {
        QFETCH(int, mode);
        PigeonRecord pigeon = FullPigeon(1);
        QVERIFY(m_app->SavePigeon(mode, pigeon).failed());
        LoftRecord loft;
        loft.name = u"Loft"_s;
        QVERIFY(m_app->SaveLoft(mode, loft).failed());
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM pigeons;"_s), 0);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM hodowla;"_s), 0);
        QVERIFY(m_app->pigeons.empty());
    }

    void updateOfAMissingRowIsAFailure() {
        PigeonRecord ghost = FullPigeon(1);
        ghost.id = 999;
        QVERIFY(m_app->SavePigeon(999, ghost).failed());
        QVERIFY(m_app->pigeons.empty());
    }

    void loftsAndCategories() {
        AppData& app = *m_app;
        LoftRecord loft;
        loft.name = u"Gołębnik O'Briena"_s;
        loft.description = u"dach"_s;
        QVERIFY(app.SaveLoft(-1, loft).ok());
        QVERIFY(loft.id >= 1);

        // A second loft of the same name is refused quietly and gets no id.
        LoftRecord twin;
        twin.name = loft.name;
        const DbResult refused = app.SaveLoft(-1, twin);
        QVERIFY(refused.refused());
        QCOMPARE(twin.id, 0);

        loft.name = u"Nowa nazwa"_s;
        QVERIFY(app.SaveLoft(loft.id, loft).ok());

        CategoryRecord category;
        category.idLoft = loft.id;
        category.name = u"Młode"_s;
        category.description = u"2025"_s;
        QVERIFY(app.SaveCategory(-1, category).ok());
        category.name = u"Stare"_s;
        category.idLoft = 77; // not part of an update
        QVERIFY(app.SaveCategory(category.id, category).ok());

        QVERIFY(app.LoadLofts().ok());
        QCOMPARE(app.lofts.size(), 1u);
        QCOMPARE(app.lofts[0].name, u"Nowa nazwa"_s);
        QCOMPARE(app.lofts[0].description, u"dach"_s);
        QCOMPARE(app.lofts[0].categories.size(), 1u);
        QCOMPARE(app.lofts[0].categories[0].name, u"Stare"_s);
        QCOMPARE(app.lofts[0].categories[0].description, u"2025"_s);

        // Renaming onto an existing name is refused too.
        LoftRecord other;
        other.name = u"Inny"_s;
        QVERIFY(app.SaveLoft(-1, other).ok());
        other.name = u"Nowa nazwa"_s;
        QVERIFY(app.SaveLoft(other.id, other).refused());

        QVERIFY(app.SaveCategory(-2, category).ok());
        QVERIFY(app.SaveLoft(-2, other).ok());
        QVERIFY(app.LoadLofts().ok());
        QCOMPARE(app.lofts.size(), 1u);
        QCOMPARE(app.lofts[0].id, loft.id);
        QVERIFY(app.lofts[0].categories.empty());
    }

    void pairsAndChildren() {
        AppData& app = *m_app;
        PairRecord pair;
        pair.idLoft = 1;
        pair.idCock = 10;
        pair.idHen = 11;
        pair.datePaired = 500;
        pair.dateAdded = 500;
        pair.remarks = u"pierwsza"_s;
        pair.sireNote = u"po ojcu"_s;
        pair.damNote = u"po matce"_s;
        QVERIFY(app.SavePair(-1, pair).ok());
        app.pairs.push_back(pair); // the pairing page appends the new pair itself

        ChildRecord first{0, 30, pair.id, 1, 600, u"pierwsze"_s};
        ChildRecord second{0, 31, pair.id, 1, 601, u"drugie"_s};
        QVERIFY(app.SaveChild(-1, first).ok());
        QVERIFY(app.SaveChild(-1, second).ok());
        QCOMPARE(app.pairs[0].children.size(), 2u);
        QCOMPARE(app.pairs[0].children[1].id, second.id);

        second.remarks = u"zmienione"_s;
        second.idPigeon = 32;
        QVERIFY(app.SaveChild(second.id, second).ok());
        QCOMPARE(app.pairs[0].children[1].idPigeon, 32);

        pair.remarks = u"edytowana"_s;
        pair.idHen = 12;
        pair.datePaired = 700;
        QVERIFY(app.SavePair(pair.id, pair).ok());

        AppData reloaded;
        QVERIFY(reloaded.LoadPigeons(1).ok());
        QCOMPARE(reloaded.pairs.size(), 1u);
        const PairRecord& stored = reloaded.pairs[0];
        QCOMPARE(stored.idHen, 12);
        QCOMPARE(stored.datePaired, 700);
        QCOMPARE(stored.dateAdded, 500);
        QCOMPARE(stored.remarks, u"edytowana"_s);
        QCOMPARE(stored.sireNote, u"po ojcu"_s);
        QCOMPARE(stored.damNote, u"po matce"_s);
        QCOMPARE(stored.children.size(), 2u);
        QCOMPARE(stored.children[1].remarks, u"zmienione"_s);
        QCOMPARE(stored.children[1].idPigeon, 32);

        QVERIFY(app.SaveChild(-2, first).ok());
        QCOMPARE(app.pairs[0].children.size(), 1u);

        // Deleting the pair takes its children's rows with it.
        PairRecord toDelete = app.pairs[0];
        QVERIFY(app.SavePair(-2, toDelete).ok());
        QVERIFY(app.pairs.empty());
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM dzieci;"_s), 0);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM pary;"_s), 0);
    }

    void racesAndFlyers() {
        AppData& app = *m_app;
        RaceRecord race;
        race.id_hodowli = 1;
        race.typ = 2;
        race.kategoria = 1;
        race.kategoria2 = -1;
        race.odleglosckm = 312;
        race.odlegloscm = 45;
        race.miejscowosc = u"Hanower"_s;
        race.pogodawmiejscuwypuszczenia = u"wiatr"_s;
        race.pogodalokalna = u"deszcz"_s;
        race.notatki = u"trudny"_s;
        race.czasodlotu = 1000;
        race.czas_pierwszego_w_konk = 2000;
        race.czas_ostatniego_w_konk = 3000;
        race.liczba_hodowcow = 1;
        race.golebi_oddzial = 2;
        race.golebi_sekcja = 3;
        race.konkursow_oddzial = 4;
        race.konkursow_sekcja = 5;
        race.wlozonychgolebi = 6;
        race.iloscwkonkursie = 7;
        race.DL_stopnie = 9;
        race.DL_minuty = 10;
        race.DL_sekundy = 11;
        race.SZ_stopnie = 52;
        race.SZ_minuty = 22;
        race.SZ_sekundy = 33;
        race.czas_trwania_konkursu_g = 1;
        race.czas_trwania_konkursu_m = 2;
        race.czas_trwania_konkursu_s = 3;
        QVERIFY(app.SaveRace(-1, race).ok());
        QVERIFY(race.id >= 1);

        race.miejscowosc = u"Hannover"_s;
        race.SZ_sekundy = 34;
        QVERIFY(app.SaveRace(race.id, race).ok());

        FlyerRecord flyer;
        flyer.id_lotu = race.id;
        flyer.id_hodowli = 1;
        flyer.id_golebia = 10;
        flyer.DataCzasPrzylotu = 1000 + 12600;
        flyer.nr_konkursu = 4;
        flyer.nr_konkursu_sekcja = 2;
        flyer.CoefficientOddzialowy = 0.75f;
        flyer.CoefficientSekcyjny = 12.5f;
        flyer.PunktyOddzial = 45.67f;
        flyer.PunktySekcja = 1234567.0f;
        flyer.notatki = u"szybki"_s;
        QVERIFY(app.SaveFlyer(-1, flyer).ok());
        flyer.nr_konkursu = 3;
        flyer.id_golebia = 99; // not part of an update
        QVERIFY(app.SaveFlyer(flyer.id, flyer).ok());

        AppData reloaded;
        QVERIFY(reloaded.LoadPigeons(1).ok());
        QCOMPARE(reloaded.races.size(), 1u);
        const RaceRecord& r = reloaded.races[0];
        QCOMPARE(r.typ, 2);
        QCOMPARE(r.kategoria, 1);
        QCOMPARE(r.kategoria2, -1);
        QCOMPARE(r.odleglosckm, 312.0);
        QCOMPARE(r.odlegloscm, 45);
        QCOMPARE(r.miejscowosc, u"Hannover"_s);
        QCOMPARE(r.pogodawmiejscuwypuszczenia, u"wiatr"_s);
        QCOMPARE(r.pogodalokalna, u"deszcz"_s);
        QCOMPARE(r.notatki, u"trudny"_s);
        QCOMPARE(r.czasodlotu, 1000);
        QCOMPARE(r.czas_pierwszego_w_konk, 2000);
        QCOMPARE(r.czas_ostatniego_w_konk, 3000);
        QCOMPARE(r.liczba_hodowcow, 1);
        QCOMPARE(r.golebi_oddzial, 2);
        QCOMPARE(r.golebi_sekcja, 3);
        QCOMPARE(r.konkursow_oddzial, 4);
        QCOMPARE(r.konkursow_sekcja, 5);
        QCOMPARE(r.wlozonychgolebi, 6);
        QCOMPARE(r.iloscwkonkursie, 7);
        QCOMPARE(r.DL_stopnie, 9);
        QCOMPARE(r.DL_minuty, 10);
        QCOMPARE(r.DL_sekundy, 11);
        QCOMPARE(r.SZ_stopnie, 52);
        QCOMPARE(r.SZ_minuty, 22);
        QCOMPARE(r.SZ_sekundy, 34);
        QCOMPARE(r.czas_trwania_konkursu_g, 1);
        QCOMPARE(r.czas_trwania_konkursu_m, 2);
        QCOMPARE(r.czas_trwania_konkursu_s, 3);
        QCOMPARE(r.flyers.size(), 1u);
        const FlyerRecord& f = r.flyers[0];
        QCOMPARE(f.id_golebia, 10);
        QCOMPARE(f.nr_konkursu, 3);
        QCOMPARE(f.nr_konkursu_sekcja, 2);
        QCOMPARE(f.CoefficientOddzialowy, 0.75f);
        QCOMPARE(f.CoefficientSekcyjny, 12.5f);
        QCOMPARE(f.PunktyOddzial, 45.67f);
        QCOMPARE(f.PunktySekcja, 1234567.0f);
        QCOMPARE(f.notatki, u"szybki"_s);
        QCOMPARE(f.DataCzasPrzylotu, 13600);

        app.races = reloaded.races;
        QVERIFY(app.SaveFlyer(-2, flyer).ok());
        QVERIFY(app.SaveRace(-2, race).ok());
        QVERIFY(app.races.empty());
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM loty;"_s), 0);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM lotniki;"_s), 0);
    }

    void treatmentsAndTransactions() {
        AppData& app = *m_app;
        PigeonRecord pigeon = FullPigeon(1);
        QVERIFY(app.SavePigeon(-1, pigeon).ok());

        TreatmentRecord treatment;
        treatment.idLoft = 1;
        treatment.idPigeon = pigeon.id;
        treatment.kind = 1;
        treatment.category = 2;
        treatment.dateGiven = 4000;
        treatment.name = u"Szczepionka"_s;
        treatment.dose = u"0,5 ml"_s;
        treatment.effect = u"paramyksowiroza"_s;
        treatment.remarks = u"skrzydło"_s;
        QVERIFY(app.SaveTreatment(-1, treatment).ok());
        treatment.dose = u"1 ml"_s;
        treatment.kind = 2; // not part of an update
        QVERIFY(app.SaveTreatment(treatment.id, treatment).ok());

        TransactionRecord sale;
        sale.idLoft = 1;
        sale.idPigeon = pigeon.id;
        sale.idClient = 3;
        sale.note = u"zaliczka"_s;
        sale.date = 5000;
        sale.currency = USD;
        sale.price = 45.67f;
        sale.kind = 1;
        sale.subject = 2;
        sale.otherSubject = u"klatka"_s;
        QVERIFY(app.SaveTransaction(-1, sale).ok());
        QCOMPARE(app.transactions.at(sale.id).price, 45.67f);
        sale.price = 1234567.0f;
        QVERIFY(app.SaveTransaction(sale.id, sale).ok());
        QCOMPARE(app.transactions.at(sale.id).price, 1234567.0f);

        AppData reloaded;
        QVERIFY(reloaded.LoadPigeons(1).ok());
        const TreatmentRecord& t = reloaded.pigeons.at(pigeon.id).treatments.at(0);
        QCOMPARE(t.kind, 1);
        QCOMPARE(t.category, 2);
        QCOMPARE(t.dateGiven, 4000);
        QCOMPARE(t.name, u"Szczepionka"_s);
        QCOMPARE(t.dose, u"1 ml"_s);
        QCOMPARE(t.effect, u"paramyksowiroza"_s);
        QCOMPARE(t.remarks, u"skrzydło"_s);
        const TransactionRecord& s = reloaded.transactions.at(sale.id);
        QCOMPARE(s.price, 1234567.0f);
        QCOMPARE(s.currency, int(USD));
        QCOMPARE(s.note, u"zaliczka"_s);
        QCOMPARE(s.otherSubject, u"klatka"_s);
        QCOMPARE(s.idClient, 3);
        QCOMPARE(s.date, 5000);
        QCOMPARE(s.kind, 1);
        QCOMPARE(s.subject, 2);

        QVERIFY(app.SaveTransaction(-2, sale).ok());
        QVERIFY(app.transactions.empty());
        QVERIFY(app.SaveTreatment(-2, treatment).ok());
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM transakcje;"_s), 0);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM lekisuplementy;"_s),
                 0);
    }

    void clientsAndBreeders() {
        AppData& app = *m_app;
        ContactRecord contact;
        contact.loft = 1;
        contact.category = 2;
        contact.subcategory = 3;
        contact.type = 4;
        contact.province = 5;
        contact.country = 6;
        contact.firstName = u"Zdzisław"_s;
        contact.lastName = u"D'Amico"_s;
        contact.town = u"Kraków"_s;
        contact.street = u"Floriańska"_s;
        contact.houseNumber = u"1"_s;
        contact.phoneHome = u"12"_s;
        contact.phoneHome2 = u"13"_s;
        contact.phoneMobile = u"600"_s;
        contact.phoneMobile2 = u"601"_s;
        contact.email = u"z@k.pl"_s;
        contact.www = u"k.pl"_s;
        contact.postCode = u"31-001"_s;
        contact.postCode2 = u"31-002"_s;
        contact.remarks = u"stały"_s;
        ContactRecord client = contact;
        ContactRecord breeder = contact;
        QVERIFY(app.SaveClient(-1, client).ok());
        QVERIFY(app.SaveBreeder(-1, breeder).ok());
        client.town = u"Tarnów"_s;
        client.type = 9; // not part of an update
        breeder.postCode2 = u"31-999"_s;
        QVERIFY(app.SaveClient(client.id, client).ok());
        QVERIFY(app.SaveBreeder(breeder.id, breeder).ok());

        QVERIFY(app.LoadExtra(1).ok());
        const ContactRecord& c = app.clients.at(client.id);
        QCOMPARE(c.town, u"Tarnów"_s);
        QCOMPARE(c.lastName, u"D'Amico"_s);
        QCOMPARE(c.type, 4);
        QCOMPARE(c.country, 6);
        QCOMPARE(c.postCode, u"31-001"_s);
        QCOMPARE(c.postCode2, QString()); // clients have no second post code
        const ContactRecord& b = app.breeders.at(breeder.id);
        QCOMPARE(b.postCode2, u"31-999"_s);
        QCOMPARE(b.remarks, u"stały"_s);
        QCOMPARE(b.province, 5);

        QVERIFY(app.SaveClient(-2, client).ok());
        QVERIFY(app.SaveBreeder(-2, breeder).ok());
        QVERIFY(app.LoadExtra(1).ok());
        QVERIFY(app.clients.empty() && app.breeders.empty());
    }

    void categoryLinksAndTheBirdList() {
        AppData& app = *m_app;
        const QString p = m_data->pigeonsDb();
        QVERIFY(app.AddCategoryLink(2, 10).ok());
        QVERIFY(app.AddCategoryLink(3, 10).ok());
        QVERIFY(app.RemoveCategoryLink(2, 10).ok());
        QVERIFY(app.RemoveCategoryLink(2, 99).ok()); // no such link: nothing changes
        QCOMPARE(DbProbe::Rows(p, u"SELECT id_kategorii, id_golebia FROM kategoria_id;"_s),
                 (std::vector<QStringList>{{u"3"_s, u"10"_s}}));

        const QString d = m_data->extraDb();
        QVERIFY(app.AddToBirdList(10).ok());
        QVERIFY(app.AddToBirdList(11).ok());
        QVERIFY(app.RemoveFromBirdList(10).ok());
        QCOMPARE(DbProbe::Rows(d, u"SELECT id_golebia FROM ild;"_s),
                 (std::vector<QStringList>{{u"11"_s}}));
    }

    void seasonsLookupsAndNotes() {
        AppData& app = *m_app;
        SeasonRecord season{0, 1, u"Sezon 2026"_s, u"wiosna"_s, 100, 200};
        QVERIFY(app.AddSeason(season).ok());
        QVERIFY(season.id >= 1);
        QCOMPARE(app.seasons.size(), 1u);
        QCOMPARE(app.seasons[0].name, u"Sezon 2026"_s);

        int colourId = 0;
        QVERIFY(app.AddLookup(Lookup::Colours, 1, u"Niebieski pas"_s, &colourId).ok());
        int quoted = 0;
        QVERIFY(app.AddLookup(Lookup::Lines, 1, u"Van den Bosch's"_s, &quoted).ok());
        QCOMPARE(app.lines.at(quoted), u"Van den Bosch's"_s);
        // Names are unique over the whole table, whatever the loft.
        int twin = -5;
        QVERIFY(app.AddLookup(Lookup::Colours, 2, u"Niebieski pas"_s, &twin).refused());
        QCOMPARE(twin, 0);
        QCOMPARE(app.colours.size(), 2u);
        QVERIFY(app.AddLookup(Lookup::Statuses, 1, u"Chory"_s).ok());
        QVERIFY(app.AddLookup(Lookup::Varieties, 1, u"Pocztowy"_s).ok());
        QVERIFY(app.AddLookup(Lookup::EyeColours, 1, u"Perłowe"_s).ok());

        NoteRecord note{0, 1, u"Plan lotów"_s, u"na maj"_s};
        QVERIFY(app.AddNote(note).ok());
        QCOMPARE(app.notes.size(), 1u);
        QCOMPARE(DbProbe::Rows(m_data->extraDb(), u"SELECT kategoria, f1, f2, f3 FROM notatki;"_s),
                 (std::vector<QStringList>{{u"0"_s, u"0"_s, u"0"_s, u"0"_s}}));

        AppData reloaded;
        QVERIFY(reloaded.LoadExtra(1).ok());
        QCOMPARE(reloaded.colours.at(colourId), u"Niebieski pas"_s);
        QCOMPARE(reloaded.lines.at(quoted), u"Van den Bosch's"_s);
        QCOMPARE(reloaded.statuses.size(), 2u);
        QCOMPARE(reloaded.varieties.size(), 2u);
        QCOMPARE(reloaded.eyeColours.size(), 2u);
        QCOMPARE(reloaded.seasons.size(), 1u);
        QCOMPARE(reloaded.notes.size(), 1u);
        QCOMPARE(reloaded.notes[0].description, u"na maj"_s);

        QVERIFY(app.DeleteColour(colourId).ok());
        QVERIFY(!app.colours.count(colourId)); // the delete leaves the map too
        QVERIFY(app.DeleteStatus(reloaded.statuses.rbegin()->first).ok());
        QVERIFY(app.DeleteVariety(reloaded.varieties.rbegin()->first).ok());
        QVERIFY(app.DeleteSeason(season.id).ok());
        QVERIFY(PrepareInstallDir());
        QVERIFY(WriteTextFile(NotePath(note.id), u"<p>treść</p>"_s));
        QVERIFY(app.DeleteNote(note).ok());
        QVERIFY(!QFile::exists(NotePath(note.id)));
        QVERIFY(reloaded.LoadExtra(1).ok());
        QCOMPARE(reloaded.colours.size(), 1u);
        QCOMPARE(reloaded.statuses.size(), 1u);
        QCOMPARE(reloaded.varieties.size(), 1u);
        QVERIFY(reloaded.seasons.empty());
        QVERIFY(reloaded.notes.empty());
    }

    void singleFieldStatements() {
        AppData& app = *m_app;
        PigeonRecord pigeon = FullPigeon(1);
        QVERIFY(app.SavePigeon(-1, pigeon).ok());
        TreatmentRecord treatment;
        treatment.idPigeon = pigeon.id;
        QVERIFY(app.SaveTreatment(-1, treatment).ok());
        QVERIFY(app.SaveTreatment(-1, treatment).ok());

        QVERIFY(app.SetPigeonParents(pigeon.id, 40, 41).ok());
        QVERIFY(app.SetPigeonShortDescription(pigeon.id, u"Szybki, ale 'nerwowy'"_s).ok());
        QVERIFY(app.DeletePigeonTreatments(pigeon.id).ok());

        AppData reloaded;
        QVERIFY(reloaded.LoadPigeons(1).ok());
        const PigeonRecord& p = reloaded.pigeons.at(pigeon.id);
        QCOMPARE(p.idSire, 40);
        QCOMPARE(p.idDam, 41);
        QCOMPARE(p.shortDescription, u"Szybki, ale 'nerwowy'"_s);
        QVERIFY(p.treatments.empty());
    }

    void readOnlyFileFailsAndLeavesMemoryAsItWas() {
        AppData& app = *m_app;
        PigeonRecord pigeon = FullPigeon(1);
        QVERIFY(app.SavePigeon(-1, pigeon).ok());
        TransactionRecord sale;
        sale.idLoft = 1;
        QVERIFY(app.SaveTransaction(-1, sale).ok());
        PairRecord pair;
        pair.idLoft = 1;
        QVERIFY(app.SavePair(-1, pair).ok());
        app.pairs.push_back(pair);
        RaceRecord race;
        QVERIFY(app.SaveRace(-1, race).ok());
        app.races.push_back(race);

        ReadOnlyFiles readOnly({m_data->pigeonsDb(), m_data->extraDb()});
        QVERIFY(readOnly.isReadOnly());

        PigeonRecord edited = pigeon;
        edited.name = u"never stored"_s;
        DbResult result = app.SavePigeon(edited.id, edited);
        QVERIFY(result.failed());
        QVERIFY(!result.message().isEmpty());
        QCOMPARE(app.pigeons.at(pigeon.id).name, pigeon.name);

        PigeonRecord fresh = FullPigeon(1);
        QVERIFY(app.SavePigeon(-1, fresh).failed());
        QCOMPARE(fresh.id, 0);
        QCOMPARE(app.pigeons.size(), 1u);

        QVERIFY(app.DeletePigeon(pigeon.id).failed());
        QCOMPARE(app.pigeons.size(), 1u);

        TransactionRecord changed = sale;
        changed.price = 10;
        QVERIFY(app.SaveTransaction(sale.id, changed).failed());
        QCOMPARE(app.transactions.at(sale.id).price, 0.0f);
        QVERIFY(app.SaveTransaction(-2, sale).failed());
        QCOMPARE(app.transactions.size(), 1u);

        QVERIFY(app.SavePair(-2, pair).failed());
        QCOMPARE(app.pairs.size(), 1u);

        RaceRecord newRace;
        QVERIFY(app.SaveRace(-1, newRace).failed());
        QCOMPARE(newRace.id, -1);
        QVERIFY(app.SaveRace(-2, race).failed());
        QCOMPARE(app.races.size(), 1u);

        int id = -5;
        QVERIFY(app.AddLookup(Lookup::Colours, 1, u"Szary"_s, &id).failed());
        QCOMPARE(id, 0);
        QCOMPARE(app.colours.size(), 1u);
        NoteRecord note{0, 1, u"n"_s, u""_s};
        QVERIFY(app.AddNote(note).failed());
        QVERIFY(app.notes.empty());
        SeasonRecord season;
        QVERIFY(app.AddSeason(season).failed());
        QVERIFY(app.seasons.empty());
    }

private:
    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<AppData> m_app;
};

QTEST_GUILESS_MAIN(TestWriters)
#include "tst_writers.moc"
