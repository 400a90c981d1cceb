// SPDX-License-Identifier: GPL-3.0-or-later
// The three loaders, fed by rows written straight into the files: what each loft sees, how
// children, entries and attachments are grouped, and the racing totals. Each field's column is
// checked by the writers' round trip.

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

template <typename Records> QString Ids(const Records& records) {
    QStringList ids;
    for (const auto& record : records)
        ids.append(QString::number(record.id));
    return ids.join(u' ');
}

// What the pigeon loader gave, by ids: each pigeon with its photos, documents and treatments,
// the transactions, and each pair with its children.
QString Loaded(const AppData& data) {
    QStringList parts;
    for (const auto& [id, p] : data.pigeons)
        parts.append(
            u"%1[%2|%3|%4]"_s.arg(id).arg(Ids(p.photos), Ids(p.documents), Ids(p.treatments)));
    QStringList transactions;
    for (const auto& entry : data.transactions)
        transactions.append(QString::number(entry.first));
    parts.append(u"t "_s + transactions.join(u' '));
    for (const PairRecord& pair : data.pairs)
        parts.append(u"p%1[%2]"_s.arg(pair.id).arg(Ids(pair.children)));
    return parts.join(u' ');
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

    void loftsWithCategoriesAndCounts() {
        AppData data;
        QVERIFY(data.LoadLofts().ok());
        QCOMPARE(data.CurrentLoftId(), 0);
        Exec(m_p,
             u"INSERT INTO hodowla(id, nazwahodowli) VALUES (4, 'Północ'), (2, 'Południe');"_s);
        Exec(m_p, u"INSERT INTO kategoria(id, nazwakategorii, id_hodowli) VALUES (1, 'Młode', 2),"
                  u" (2, 'Stare', 4), (3, 'Lotowe', 2), (4, 'Sierota', 9);"_s);
        Exec(m_p, u"INSERT INTO pigeons(id, id_hodowli) VALUES (1, 4), (2, 2), (3, 2), (4, 2);"_s);
        QVERIFY(data.LoadLofts().ok());
        QVERIFY(data.LoadLofts().ok()); // loading again replaces, not appends
        QStringList seen;               // in row order, as the loft list shows them
        for (const LoftRecord& loft : data.lofts) {
            seen.append(u"%1 %2 (%3)"_s.arg(loft.id).arg(loft.name).arg(loft.pigeonCount));
            for (const CategoryRecord& category : loft.categories)
                seen.append(u"%1 %2 %3"_s.arg(category.id).arg(category.idLoft).arg(category.name));
        }
        QCOMPARE(seen, (QStringList{u"2 Południe (3)"_s, u"1 2 Młode"_s, u"3 2 Lotowe"_s,
                                    u"4 Północ (1)"_s, u"2 4 Stare"_s}));
    }

    void pigeonLoaderKeepsToItsLoft() {
        Exec(m_p, u"INSERT INTO pigeons(id, id_hodowli) VALUES (10, 1), (11, 1), (20, 2);"_s);
        Exec(m_p, u"INSERT INTO transakcje(id, id_hodowli) VALUES (1, 1), (2, 2);"_s);
        Exec(m_p, u"INSERT INTO zdjecia(id, id_golebia, id_hodowli) VALUES (1, 10, 1),"
                  u" (2, 20, 2), (3, 999, 1), (4, 0, 1), (5, 10, 1);"_s);
        Exec(m_p, u"INSERT INTO dokumenty(id, id_hodowli, id_wlasciciela) VALUES (1, 1, 11),"
                  u" (2, 2, 20);"_s);
        Exec(m_p, u"INSERT INTO lekisuplementy(id, id_hodowli, id_golebia) VALUES (1, 1, 11),"
                  u" (2, 2, 20);"_s);
        Exec(m_p, u"INSERT INTO pary(id, id_hodowli) VALUES (1, 1), (2, 2), (3, 1);"_s);
        Exec(m_p, u"INSERT INTO dzieci(id, id_pary, id_hodowli) VALUES (1, 1, 1), (2, 2, 2),"
                  u" (3, 1, 1), (4, 3, 1), (5, 99, 1);"_s);
        AppData data;
        QVERIFY(data.LoadPigeons(1).ok());
        QCOMPARE(Loaded(data), u"10[1 5||] 11[|1|1] t 1 p1[1 3] p3[4]"_s);
        // Another loft's pigeon, or one that is not there, is an empty record.
        QCOMPARE(data.FindPigeon(20).id, 0);
        QCOMPARE(data.FindPigeon(0).dateAdded, -1);

        QVERIFY(data.LoadPigeons(2).ok()); // switching loft replaces every container
        QCOMPARE(Loaded(data), u"20[2|2|2] t 2 p2[2]"_s);
    }

    void racesCarryTheLoftsEntriesAndTheTotals() {
        Exec(m_p, u"INSERT INTO pigeons(id, id_hodowli) VALUES (10, 1), (11, 1), (20, 2);"_s);
        // 250.5 km and 100 km, both released at kRelease; every race is loaded, whatever its loft.
        Exec(m_p, u"INSERT INTO loty(id, id_hodowli, odleglosckm, odlegloscm, czasodlotu) VALUES"
                  u" (5, 2, 250, 500, %1), (6, 1, 100, 0, %1);"_s.arg(kRelease));
        Exec(m_p, u"INSERT INTO lotniki(id, id_lotu, id_hodowli, id_golebia, DataCzasPrzylotu,"
                  u" nr_konkursu) VALUES (1, 5, 1, 10, %1 + 12600, 3), (2, 5, 1, 11, %1, 8),"
                  u" (3, 5, 2, 20, %1 + 12000, 1), (4, 6, 1, 10, %1 + 6000, 6),"
                  u" (5, 6, 1, 999, %1 + 6000, 2), (6, 77, 1, 10, %1 + 6000, 50);"_s.arg(kRelease));
        AppData data;
        for (int load = 0; load < 2; ++load) { // the next load recomputes, never adds
            QVERIFY(data.LoadPigeons(1).ok());
            QCOMPARE(Ids(data.races), u"5 6"_s);
            // This loft's entries only, its entry of a pigeon not loaded included.
            QCOMPARE(Ids(data.races[0].flyers), u"1 2"_s);
            QCOMPARE(Ids(data.races[1].flyers), u"4 5"_s);
            const PigeonRecord& p10 = data.pigeons.at(10);
            QCOMPARE(p10.raceEntries, 2);
            QCOMPARE(p10.positionSum, 9);
            QCOMPARE(p10.averagePosition, 4);
            QCOMPARE(p10.velocitySum, float(250500.0 / 12600 * 60) + float(100000.0 / 6000 * 60));
            // A flight time of zero counts the entry but adds no velocity.
            const PigeonRecord& p11 = data.pigeons.at(11);
            QCOMPARE(p11.raceEntries, 1);
            QCOMPARE(p11.averagePosition, 8);
            QCOMPARE(p11.velocitySum, 0.0f);
        }
    }

    void extraLoaderLookupsNotesSeasonsContacts() {
        Exec(m_d, u"INSERT INTO kolory(id, id_hodowli, nazwa) VALUES (1, 1, 'Niebieski'),"
                  u" (2, 2, 'Czerwony'), (0, 1, 'zero');"_s);
        Exec(m_d, u"INSERT INTO notatki(id, id_hodowli, nazwa) VALUES (1, 1, 'Plan'),"
                  u" (2, 2, 'Inna'), (3, 1, 'Karma');"_s);
        Exec(m_d, u"INSERT INTO sezonylegowe(id, id_hodowli) VALUES (1, 2);"_s);
        Exec(m_d, u"INSERT INTO klienci(id, nazwisko) VALUES (8, 'O''Neill');"_s);
        Exec(m_d, u"INSERT INTO hodowcy(id, kod2) VALUES (3, '00-951');"_s);
        AppData data;
        for (int loft : {2, 1}) { // a second load replaces every container
            QVERIFY(data.LoadExtra(loft).ok());
            QCOMPARE(Ids(data.notes), loft == 1 ? u"1 3"_s : u"2"_s);
        }
        // Lookups of every loft; id 0 stays a blank whatever a row says.
        QCOMPARE(data.colours, (LookupMap{{0, u" "_s}, {1, u"Niebieski"_s}, {2, u"Czerwony"_s}}));
        QCOMPARE(Ids(data.seasons), u"1"_s); // seasons of every loft
        QCOMPARE(data.clients.at(8).lastName, u"O'Neill"_s);
        QCOMPARE(data.breeders.at(3).postCode2, u"00-951"_s);
    }

    void unreadableFileIsReportedAndLeavesContainersEmpty() {
        AppData data;
        data.pigeons[1].name = u"stale"_s;
        QVERIFY(QFile::remove(m_p));
        m_data->makeFile(u"db/pigeons.db"_s, QByteArray("garbage, not a database ").repeated(200));
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
