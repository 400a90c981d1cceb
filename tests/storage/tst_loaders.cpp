// The three loaders, fed by rows written straight into the files: the loft filters, the grouping
// of children and entries, and the racing totals. Each field's column is checked by the writers'
// round trip.

#include "storage/AppData.h"
#include "support/DbProbe.h"
#include "support/TestDataDir.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kRelease = 1'750'000'000; // a summer morning, seconds since 1970

void Exec(const QString& db, const QString& sql) {
    QVERIFY2(DbProbe::Exec(db, sql), qPrintable(sql));
}

} // namespace

class TestLoaders : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_data = std::make_unique<TestDataDir>();
        AppData schema; // the first load creates both files
        QVERIFY(schema.LoadLofts().ok());
        QVERIFY(schema.SelectLoft(0).ok());
        m_p = m_data->pigeonsDb();
        m_d = m_data->extraDb();
    }

    void noLoftsLoadsNothing() {
        AppData data;
        QVERIFY(data.LoadLofts().ok());
        QVERIFY(data.lofts.empty());
        QCOMPARE(data.CurrentLoftId(), 0);
    }

    void loftsWithCategoriesAndCounts() {
        Exec(m_p, u"INSERT INTO hodowla(id, nazwahodowli, opishodowli) VALUES "
                  u"(4, 'Północ', 'na strychu'), (2, 'Południe', NULL);"_s);
        Exec(m_p, u"INSERT INTO kategoria(id, nazwakategorii, id_hodowli, opiskategorii) VALUES "
                  u"(1, 'Młode', 2, 'tegoroczne'), (2, 'Stare', 4, ''), (3, 'Lotowe', 2, ''),"
                  u"(4, 'Sierota', 9, '');"_s);
        Exec(m_p, u"INSERT INTO pigeons(id, id_hodowli) VALUES (1, 4), (2, 2), (3, 2), (4, 2);"_s);
        AppData data;
        QVERIFY(data.LoadLofts().ok());
        QCOMPARE(data.lofts.size(), 2u);
        // Row order, as the loft list shows them.
        const LoftRecord& south = data.lofts[0];
        QCOMPARE(south.id, 2);
        QCOMPARE(south.name, u"Południe"_s);
        QCOMPARE(south.description, QString());
        QCOMPARE(south.pigeonCount, 3);
        QCOMPARE(south.categories.size(), 2u);
        QCOMPARE(south.categories[0].id, 1);
        QCOMPARE(south.categories[0].idLoft, 2);
        QCOMPARE(south.categories[0].description, u"tegoroczne"_s);
        QCOMPARE(south.categories[1].name, u"Lotowe"_s);
        const LoftRecord& north = data.lofts[1];
        QCOMPARE(north.id, 4);
        QCOMPARE(north.name, u"Północ"_s);
        QCOMPARE(north.description, u"na strychu"_s);
        QCOMPARE(north.pigeonCount, 1);
        QCOMPARE(north.categories.size(), 1u);
        QCOMPARE(north.categories[0].name, u"Stare"_s);

        // Loading again replaces, not appends.
        QVERIFY(data.LoadLofts().ok());
        QCOMPARE(data.lofts.size(), 2u);
        QCOMPARE(data.lofts[0].categories.size(), 2u);
    }

    void pigeonLoaderKeepsToItsLoft() {
        Exec(m_p, u"INSERT INTO pigeons(id, id_hodowli) VALUES (10, 1), (11, 1), (20, 2);"_s);
        Exec(m_p, u"INSERT INTO transakcje(id, id_hodowli, id_golebia, id_klienta, cena, waluta,"
                  u" rodzajtransakcji, przedmiottransakcji, data, innyprzedmiottransakcji, not1)"
                  u" VALUES (1, 1, 10, 5, 12.50, 2, 1, 3, 777, 'karma', 'zapłacono'),"
                  u" (2, 2, 20, 5, 99, 0, 0, 0, 0, '', '');"_s);
        Exec(m_p, u"INSERT INTO zdjecia(id, id_golebia, id_hodowli, rodzaj, kategoria,"
                  u" subkategoria, rozszerzenie, opis1) VALUES (1, 10, 1, 1, 2, 0, 'jpg', 'głowa'),"
                  u" (2, 20, 2, 0, 0, 0, 'png', ''), (3, 999, 1, 0, 0, 0, 'png', ''),"
                  u" (4, 0, 1, 0, 0, 0, 'png', ''), (5, 10, 1, 0, 0, 0, 'bmp', 'skrzydło');"_s);
        Exec(m_p, u"INSERT INTO dokumenty(id, id_hodowli, rodzaj, id_wlasciciela, kategoria,"
                  u" subkategoria, rozszerzenie, nazwa, opis1) VALUES"
                  u" (1, 1, 3, 11, 4, 5, 'pdf', 'Rodowód', 'oryginał'), (2, 2, 0, 20, 0, 0, 'pdf',"
                  u" 'x', '');"_s);
        Exec(m_p, u"INSERT INTO lekisuplementy(id, id_hodowli, rodzaj, id_golebia, kategoria,"
                  u" data_podania, nazwa, dawka, dzialanie, uwagi) VALUES"
                  u" (1, 1, 2, 11, 1, 555, 'Witaminy', '2 ml', 'odporność', 'rano'),"
                  u" (2, 2, 0, 20, 0, 0, '', '', '', '');"_s);
        Exec(m_p, u"INSERT INTO pary(id, id_samca, id_samicy, id_hodowli, DataParowania,"
                  u" DataDodania, not_ojciec, not_matka, uwagi) VALUES"
                  u" (1, 10, 11, 1, 100, 200, 'ojciec', 'matka', 'uwagi'),"
                  u" (2, 20, 21, 2, 0, 0, '', '', ''), (3, 10, 11, 1, 0, 0, '', '', '');"_s);
        Exec(m_p, u"INSERT INTO dzieci(id, id_golebia, id_pary, id_hodowli, uwagi, DataDodania)"
                  u" VALUES (1, 30, 1, 1, 'pierwsze', 300), (2, 31, 2, 2, '', 0),"
                  u" (3, 32, 1, 1, 'drugie', 301), (4, 33, 3, 1, '', 0), (5, 34, 99, 1, '', 0);"_s);
        AppData data;
        QVERIFY(data.LoadPigeons(1).ok());

        QCOMPARE(data.pigeons.size(), 2u);
        QVERIFY(data.pigeons.count(10) && data.pigeons.count(11));

        QCOMPARE(data.transactions.size(), 1u);
        QCOMPARE(data.transactions.at(1).price, 12.5f);

        const PigeonRecord& p10 = data.pigeons.at(10);
        QCOMPARE(p10.photos.size(), 2u);
        const PhotoRecord& photo = p10.photos[0];
        QCOMPARE(photo.id, 1);
        QCOMPARE(photo.idPigeon, 10);
        QCOMPARE(photo.idLoft, 1);
        QCOMPARE(photo.kind, 1);
        QCOMPARE(photo.category, 2);
        QCOMPARE(photo.extension, u"jpg"_s);
        QCOMPARE(photo.description, u"głowa"_s);
        QCOMPARE(p10.photos[1].extension, u"bmp"_s);

        const PigeonRecord& p11 = data.pigeons.at(11);
        QCOMPARE(p11.documents.size(), 1u);
        const DocumentRecord& doc = p11.documents[0];
        QCOMPARE(doc.kind, 3);
        QCOMPARE(doc.idOwner, 11);
        QCOMPARE(doc.category, 4);
        QCOMPARE(doc.subcategory, 5);
        QCOMPARE(doc.extension, u"pdf"_s);
        QCOMPARE(doc.name, u"Rodowód"_s);
        QCOMPARE(doc.description, u"oryginał"_s);
        QCOMPARE(p11.treatments.size(), 1u);
        QCOMPARE(p11.treatments[0].name, u"Witaminy"_s);
        QVERIFY(p10.documents.empty() && p10.treatments.empty());

        QCOMPARE(data.pairs.size(), 2u);
        const PairRecord& pair = data.pairs[0];
        QCOMPARE(pair.children.size(), 2u);
        QCOMPARE(pair.children[0].idPigeon, 30);
        QCOMPARE(pair.children[0].remarks, u"pierwsze"_s);
        QCOMPARE(pair.children[0].dateAdded, 300);
        QCOMPARE(pair.children[1].id, 3);
        QCOMPARE(data.pairs[1].id, 3);
        QCOMPARE(data.pairs[1].children.size(), 1u);

        // Another loft's pigeon ids never enter the map through the lookups.
        QVERIFY(!data.pigeons.count(20) && !data.pigeons.count(999) && !data.pigeons.count(0));
        QCOMPARE(data.FindPigeon(20).id, 0);
        QCOMPARE(data.FindPigeon(0).name, QString());
        QCOMPARE(data.FindPigeon(0).dateAdded, -1);
        QCOMPARE(data.pigeons.size(), 2u);

        // Switching loft replaces every loft-filtered container.
        QVERIFY(data.LoadPigeons(2).ok());
        QCOMPARE(data.pigeons.size(), 1u);
        QCOMPARE(data.pigeons.at(20).photos.size(), 1u);
        QCOMPARE(data.transactions.size(), 1u);
        QCOMPARE(data.pairs.size(), 1u);
        QCOMPARE(data.pairs[0].children.size(), 1u);
    }

    void racesCarryTheLoftsEntriesAndTheTotals() {
        Exec(m_p, u"INSERT INTO pigeons(id, id_hodowli) VALUES (10, 1), (11, 1), (20, 2);"_s);
        // 250 km 500 m; release at kRelease.
        Exec(m_p, u"INSERT INTO loty(id, id_hodowli, typ, kategoria, kategoria2, odleglosckm,"
                  u" odlegloscm, liczba_hodowcow, golebi_oddzial, golebi_sekcja, konkursow_oddzial,"
                  u" konkursow_sekcja, wlozonychgolebi, iloscwkonkursie, ocena, DL_stopnie,"
                  u" DL_minuty, DL_sekundy, SZ_stopnie, SZ_minuty, SZ_sekundy,"
                  u" czas_trwania_konkursu_g, czas_trwania_konkursu_m, czas_trwania_konkursu_s,"
                  u" czasodlotu, czas_pierwszego_w_konk, czas_ostatniego_w_konk, miejscowosc,"
                  u" pogodalokalna, pogodawmiejscuwypuszczenia, notatki) VALUES"
                  u" (5, 2, 1, 3, 4, 250, 500, 40, 900, 300, 180, 60, 12, 7, 9, 17, 1, 2, 51, 3, 4,"
                  u" 5, 6, 7, "_s +
                      QString::number(kRelease) +
                      u", 11, 12, 'Gniezno', 'słońce', 'mgła', 'n');"_s);
        Exec(m_p, u"INSERT INTO loty(id, id_hodowli, odleglosckm, odlegloscm, czasodlotu) VALUES"
                  u" (6, 1, 100, 0, "_s +
                      QString::number(kRelease) + u");"_s);
        const auto arrival = [](qint64 s) {
            return QString::number(kRelease + s);
        };
        Exec(m_p, u"INSERT INTO lotniki(id, id_lotu, id_hodowli, id_golebia, DataCzasPrzylotu,"
                  u" nr_konkursu, nr_konkursu_sekcja, CoefficientOddzialowy, CoefficientSekcyjny,"
                  u" PunktyOddzial, PunktySekcja, notatki) VALUES"
                  u" (1, 5, 1, 10, "_s +
                      arrival(12600) + u", 3, 1, 0.75, 12.5, 45.67, 1234567, 'ok'),"_s +
                      u" (2, 5, 1, 11, "_s + arrival(0) + u", 8, 2, 0, 0, 0, 0, ''),"_s +
                      u" (3, 5, 2, 20, "_s + arrival(12000) + u", 1, 1, 0, 0, 0, 0, ''),"_s +
                      u" (4, 6, 1, 10, "_s + arrival(6000) + u", 6, 1, 0, 0, 0, 0, ''),"_s +
                      u" (5, 6, 1, 999, "_s + arrival(6000) + u", 2, 1, 0, 0, 0, 0, ''),"_s +
                      u" (6, 77, 1, 10, "_s + arrival(6000) + u", 50, 1, 0, 0, 0, 0, '');"_s);
        AppData data;
        QVERIFY(data.LoadPigeons(1).ok());

        // Every race, whatever its loft, in row order.
        QCOMPARE(data.races.size(), 2u);
        const RaceRecord& r = data.races[0];
        QCOMPARE(r.id, 5);
        QCOMPARE(r.id_hodowli, 2);
        QCOMPARE(r.miejscowosc, u"Gniezno"_s);

        // The current loft's entries only; another loft's entry stays out.
        QCOMPARE(r.flyers.size(), 2u);
        QCOMPARE(r.flyers[0].id, 1);
        QCOMPARE(r.flyers[0].PunktyOddzial, 45.67f);
        // An entry of this loft whose pigeon is not loaded is still the race's.
        QCOMPARE(data.races[1].flyers.size(), 2u);
        QCOMPARE(data.races[1].flyers[1].id_golebia, 999);

        const PigeonRecord& p10 = data.pigeons.at(10);
        QCOMPARE(p10.raceEntries, 2);
        QCOMPARE(p10.positionSum, 9);
        QCOMPARE(p10.averagePosition, 4);
        const float expected = float(250500.0 / 12600 * 60) + float(100000.0 / 6000 * 60);
        QCOMPARE(p10.velocitySum, expected);
        // A flight time of zero counts the entry but adds no velocity.
        const PigeonRecord& p11 = data.pigeons.at(11);
        QCOMPARE(p11.raceEntries, 1);
        QCOMPARE(p11.averagePosition, 8);
        QCOMPARE(p11.velocitySum, 0.0f);
        QVERIFY(!data.pigeons.count(999));

        // Totals are recomputed, not added to, by the next load.
        QVERIFY(data.LoadPigeons(1).ok());
        QCOMPARE(data.pigeons.at(10).raceEntries, 2);
        QCOMPARE(data.races[0].flyers.size(), 2u);
    }

    void extraLoaderLookupsNotesSeasonsContacts() {
        Exec(m_d, u"INSERT INTO kolory(id, id_hodowli, nazwa) VALUES (1, 1, 'Niebieski'),"
                  u" (2, 2, 'Czerwony'), (0, 1, 'zero');"_s);
        Exec(m_d, u"INSERT INTO gatunekrasa(id, id_hodowli, nazwa) VALUES (3, 1, 'Pocztowy');"_s);
        Exec(
            m_d,
            u"INSERT INTO linia(id, id_hodowli, id_gatunku, nazwa) VALUES (4, 1, 0, 'Janssen');"_s);
        Exec(
            m_d,
            u"INSERT INTO koloroka(id, id_hodowli, id_podgatunku, nazwa) VALUES (5, 1, 0, 'Perłowe');"_s);
        Exec(
            m_d,
            u"INSERT INTO statusy(id, id_hodowli, nazwa, opis) VALUES (6, 2, 'Sprzedany', 'x');"_s);
        Exec(m_d,
             u"INSERT INTO notatki(id, id_hodowli, nazwa, opis) VALUES (1, 1, 'Plan', 'wiosna'),"
             u" (2, 2, 'Inna', ''), (3, 1, 'Karma', '');"_s);
        Exec(m_d, u"INSERT INTO sezonylegowe(id, id_hodowli, Nazwa, Opis, DATA_B, DATA_E) VALUES"
                  u" (1, 2, 'Sezon 2025', 'opis', 10, 20);"_s);
        Exec(
            m_d,
            u"INSERT INTO klienci(id, hodowla, kategoria, subkategoria, typ, imie, nazwisko,"
            u" miejscowosc, ulica, nrdomu, teldom, teldom2, telkom, telkom2, email, adreswww,"
            u" uwagi, wojewodztwo, kraj, kodpocztowy) VALUES (8, 1, 2, 3, 4, 'Jan', 'O''Neill',"
            u" 'Łódź', 'Długa', '5a', '1', '2', '3', '4', 'j@x.pl', 'www', 'uw', 7, 9, '90-001');"_s);
        Exec(m_d, u"INSERT INTO hodowcy(id, imie, kodpocztowy, kod2, nip) VALUES"
                  u" (3, 'Anna', '00-950', '00-951', 'nip');"_s);
        AppData data;
        QVERIFY(data.LoadExtra(1).ok());

        // Not filtered by loft; id 0 stays a blank whatever a row says.
        QCOMPARE(data.colours, (LookupMap{{0, u" "_s}, {1, u"Niebieski"_s}, {2, u"Czerwony"_s}}));
        QCOMPARE(data.varieties, (LookupMap{{0, u" "_s}, {3, u"Pocztowy"_s}}));
        QCOMPARE(data.lines, (LookupMap{{0, u" "_s}, {4, u"Janssen"_s}}));
        QCOMPARE(data.eyeColours, (LookupMap{{0, u" "_s}, {5, u"Perłowe"_s}}));
        QCOMPARE(data.statuses, (LookupMap{{0, u" "_s}, {6, u"Sprzedany"_s}}));

        QCOMPARE(data.notes.size(), 2u);
        QCOMPARE(data.notes[0].name, u"Plan"_s);
        QCOMPARE(data.notes[0].description, u"wiosna"_s);
        QCOMPARE(data.notes[1].id, 3);

        QCOMPARE(data.seasons.size(), 1u);
        QCOMPARE(data.seasons[0].idLoft, 2); // seasons of every loft
        QCOMPARE(data.clients.at(8).lastName, u"O'Neill"_s);
        QCOMPARE(data.clients.at(8).postCode2, QString()); // clients have no second post code
        QCOMPARE(data.breeders.at(3).postCode2, u"00-951"_s);

        // A second load replaces every container.
        QVERIFY(data.LoadExtra(2).ok());
        QCOMPARE(data.notes.size(), 1u);
        QCOMPARE(data.colours.size(), 3u);
        QCOMPARE(data.clients.size(), 1u);
    }

    void unreadableFileIsReportedAndLeavesContainersEmpty() {
        AppData data;
        data.pigeons[1].name = u"stale"_s;
        QFile::remove(m_p);
        QFile bad(m_p);
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(QByteArray("garbage, not a database ").repeated(200));
        bad.close();
        QVERIFY(data.LoadPigeons(1).failed());
        QVERIFY(data.pigeons.empty());
        QVERIFY(data.LoadLofts().failed());
        QVERIFY(data.lofts.empty());
    }

private:
    std::unique_ptr<TestDataDir> m_data;
    QString m_p;
    QString m_d;
};

QTEST_GUILESS_MAIN(TestLoaders)
#include "tst_loaders.moc"
