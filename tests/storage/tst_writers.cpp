// SPDX-License-Identifier: GPL-3.0-or-later
// Every writer's insert, update and delete, seen in the files column by column and through the
// loaders, and the failures that must leave memory as it was.

#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/InstallDir.h"
#include "storage/PigeonLinks.h"
#include "storage/TextFile.h"
#include "support/DbProbe.h"
#include "support/TestDataDir.h"

#include <QFile>
#include <QTest>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <variant>

using namespace Qt::StringLiterals;

namespace {

enum Written { Inserted = 1, Updated = 2, Both = 3 };

template <typename R>
using Member = std::variant<QString R::*, int R::*, qint64 R::*, float R::*, double R::*>;

// A column of a table and the field that mirrors it.
template <typename R> struct Column {
    const char16_t* name;
    Member<R> member;
    int written = Both;
};

template <typename R, typename T>
Column<R> C(const char16_t* name, T R::*member, int written = Both) {
    return {name, member, written};
}

template <typename R, typename... More>
std::vector<Column<R>> Columns(const Column<R>& first, const More&... more) {
    return {first, more...};
}

// How one record type is written and read back; the writer also sets the references the
// loaders filter on.
template <typename R> struct Kind {
    QString table;
    QString db;
    std::vector<Column<R>> columns;
    std::function<DbResult(int mode, R&)> write;
    std::function<std::optional<R>(int id)> load;
    bool updates = true;
};

// Each column gets a value of its own: texts carry their column's name, an apostrophe and a
// Polish letter; numbers differ from column to column, 64-bit ones beyond 32 bits.
template <typename R>
void FillDistinct(R& record, const std::vector<Column<R>>& columns, int seed) {
    for (size_t i = 0; i < columns.size(); ++i) {
        const int n = seed * 100 + int(i) + 1;
        std::visit(
            [&](auto member) {
                auto& value = record.*member;
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, QString>)
                    value = QString::fromUtf16(columns[i].name) + u"'ł"_s + QString::number(n);
                else if constexpr (std::is_same_v<T, qint64>)
                    value = n * 10'000'000'000LL;
                else
                    value = T(n) + T(std::is_floating_point_v<T> ? 0.5 : 0);
            },
            columns[i].member);
    }
}

template <typename R> QString TextOf(const R& record, const Column<R>& column) {
    return std::visit([&record](auto member) { return QVariant(record.*member).toString(); },
                      column.member);
}

// The stored row, read by column name, holds what the record says for every column written so
// far, and the loader gives back every field.
template <typename R> void Check(const Kind<R>& kind, int id, const R& expected, int written) {
    const std::optional<R> loaded = kind.load(id);
    QVERIFY2(loaded.has_value(), qPrintable(kind.table + u": not loaded"_s));
    for (const Column<R>& column : kind.columns) {
        const QString name = QString::fromUtf16(column.name);
        const QString want = TextOf(expected, column);
        const QString stored =
            (column.written & written)
                ? DbProbe::Text(kind.db,
                                u"SELECT %1 FROM %2 WHERE id = %3;"_s.arg(name, kind.table).arg(id))
                : want;
        QVERIFY2(stored == want && TextOf(*loaded, column) == want,
                 qPrintable(u"%1.%2: %3 / %4 != %5"_s.arg(kind.table, name, stored,
                                                          TextOf(*loaded, column), want)));
    }
}

// Insert, update and delete of one record type; columns a mode does not write keep what they
// held.
template <typename R> void RoundTrip(const Kind<R>& kind) {
    R record;
    FillDistinct(record, kind.columns, 1);
    QVERIFY(kind.write(-1, record).ok());
    QVERIFY(record.id >= 1);
    R expected{};
    expected.id = record.id;
    R edited = record;
    FillDistinct(edited, kind.columns, 2);
    for (const Column<R>& column : kind.columns)
        if (column.written & Inserted)
            std::visit([&](auto member) { expected.*member = record.*member; }, column.member);
    Check(kind, record.id, expected, Inserted);
    if (QTest::currentTestFailed() || !kind.updates)
        return;

    QVERIFY(kind.write(record.id, edited).ok());
    for (const Column<R>& column : kind.columns)
        if (column.written & Updated)
            std::visit([&](auto member) { expected.*member = edited.*member; }, column.member);
    Check(kind, record.id, expected, Both);

    QVERIFY(kind.write(-2, edited).ok());
    QCOMPARE(DbProbe::Number(kind.db, u"SELECT count(*) FROM "_s + kind.table + u';'), 0);
}

// The record with this id in a vector or a map.
template <typename R, typename Container>
std::optional<R> FindById(const Container& records, int id) {
    for (const auto& entry : records) {
        if constexpr (std::is_same_v<std::decay_t<decltype(entry)>, R>) {
            if (entry.id == id)
                return entry;
        } else if (entry.first == id) {
            return entry.second;
        }
    }
    return std::nullopt;
}

// The record with a reference set that the loaders filter on.
template <typename R, typename T> R& With(R& record, T R::*member, T value) {
    record.*member = value;
    return record;
}

// The files read afresh; a failed load leaves nothing to find.
std::unique_ptr<AppData> Reloaded() {
    auto fresh = std::make_unique<AppData>();
    if (fresh->LoadLofts().ok() && fresh->LoadPigeons(1).ok())
        (void)fresh->LoadExtra(1);
    return fresh;
}

// Runs each statement of a script (no value holds a semicolon); true when all succeeded.
bool ExecEach(const QString& db, const QString& script) {
    const QStringList statements = script.split(u';', Qt::SkipEmptyParts);
    return std::all_of(statements.begin(), statements.end(),
                       [&db](const QString& sql) { return DbProbe::Exec(db, sql); });
}

// Rows of a query, or what memory holds of one kind of link, as "column,column row ...".
QString RowsText(const QString& db, const QString& sql) {
    QStringList rows;
    for (const QStringList& row : DbProbe::Rows(db, sql))
        rows.append(row.join(u','));
    return rows.join(u' ');
}

QString MemoryOf(const AppData& app, const QString& kind) {
    QStringList out;
    const auto add = [&](const char16_t* of, const QString& text) {
        if (kind == QStringView(of))
            out.append(text);
    };
    for (const auto& [id, p] : app.pigeons) {
        add(u"parents", u"%1,%2,%3"_s.arg(id).arg(p.idSire).arg(p.idDam));
        for (const PhotoRecord& photo : p.photos)
            add(u"attachments", QString::number(photo.idPigeon));
    }
    for (const PairRecord& pair : app.pairs) {
        add(u"pairs", QString::number(pair.id));
        for (const ChildRecord& child : pair.children)
            add(u"children", QString::number(child.id));
    }
    for (const RaceRecord& race : app.races)
        for (const FlyerRecord& flyer : race.flyers)
            add(u"entries", QString::number(flyer.id));
    for (const auto& [id, t] : app.transactions)
        add(u"transactions",
            u"%1,%2,%3,%4"_s.arg(id).arg(t.idPigeon).arg(t.subject).arg(t.otherSubject));
    return out.join(u' ');
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

    void everyColumnRoundTrips_data() {
        QTest::addColumn<QString>("record");
        for (const char* record :
             {"pigeon", "race", "flyer", "treatment", "transaction", "client", "breeder", "pair",
              "child", "loft", "category", "season", "note"})
            QTest::newRow(record) << QString::fromLatin1(record);
    }

    void everyColumnRoundTrips() {
        QFETCH(QString, record);
        AppData& app = *m_app;
        const QString p = m_data->pigeonsDb();
        const QString d = m_data->extraDb();
        // A pigeon, a race, a pair and a loft that other records refer to.
        PigeonRecord owner;
        owner.idLoft = 1;
        RaceRecord race;
        PairRecord pair;
        pair.idLoft = 1;
        LoftRecord loft;
        loft.name = u"Gołębnik"_s;
        if (record == u"treatment"_s)
            QVERIFY(app.SavePigeon(-1, owner).ok());
        if (record == u"flyer"_s)
            QVERIFY(app.SaveRace(-1, race).ok());
        if (record == u"child"_s)
            QVERIFY(app.SavePair(-1, pair).ok());
        if (record == u"category"_s)
            QVERIFY(app.SaveLoft(-1, loft).ok());

        if (record == u"pigeon"_s) {
            using P = PigeonRecord;
            RoundTrip<P>(
                {u"pigeons"_s, p,
                 Columns(
                     C(u"nazwa", &P::name), C(u"id_hodowli", &P::idLoft, Inserted),
                     C(u"kraj", &P::country), C(u"oddzial", &P::branch), C(u"rocznik", &P::year),
                     C(u"nr_obraczki", &P::ringNumber), C(u"genotyp", &P::genotype),
                     C(u"fenotyp", &P::phenotype), C(u"id_matki", &P::idDam),
                     C(u"id_ojca", &P::idSire), C(u"id_wlasciciela", &P::idOwner),
                     C(u"id_hodowcy", &P::idBreeder), C(u"id_rasy", &P::idVariety),
                     C(u"id_linia", &P::idLine), C(u"id_koloroka", &P::idEyeColour),
                     C(u"id_koloru", &P::idColour), C(u"plec", &P::sex),
                     C(u"id_statusu", &P::idStatus), C(u"ocena_ogolna", &P::ratingOverall),
                     C(u"ocena_zdrowia", &P::ratingHealth),
                     C(u"ocena_upierzenia", &P::ratingPlumage),
                     C(u"ocena_lotowa", &P::ratingRacing),
                     C(u"DataDodania", &P::dateAdded, Inserted),
                     C(u"DataUrodzenia", &P::dateOfBirth), C(u"DataKupna", &P::datePurchased),
                     C(u"DataSprzedazy", &P::dateSold), C(u"DataOdejscia", &P::dateLeft),
                     C(u"NotatkaRodowodowa0", &P::pedigreeNote0),
                     C(u"NotatkaRodowodowa1", &P::pedigreeNote1),
                     C(u"NotatkaRodowodowa2", &P::pedigreeNote2),
                     C(u"NotatkaRodowodowa3", &P::pedigreeNote3),
                     C(u"NotatkaRodowodowa4", &P::pedigreeNote4),
                     C(u"notatkiogolne", &P::notesGeneral),
                     C(u"notatkicechywygladu", &P::notesAppearance),
                     C(u"notatkichoroby", &P::notesDiseases),
                     C(u"notatkiproblemy", &P::notesProblems), C(u"notatkif", &P::notesF, Updated)),
                 [&](int mode, P& r) { return app.SavePigeon(mode, With(r, &P::idLoft, 1)); },
                 [&](int id) {
                     return FindById<P>(Reloaded()->pigeons, id);
                 }});
        } else if (record == u"race"_s) {
            using R = RaceRecord;
            RoundTrip<R>(
                {u"loty"_s, p,
                 Columns(C(u"id_hodowli", &R::id_hodowli), C(u"typ", &R::typ),
                         C(u"kategoria", &R::kategoria), C(u"kategoria2", &R::kategoria2),
                         C(u"odleglosckm", &R::odleglosckm), C(u"odlegloscm", &R::odlegloscm),
                         C(u"liczba_hodowcow", &R::liczba_hodowcow),
                         C(u"golebi_oddzial", &R::golebi_oddzial),
                         C(u"golebi_sekcja", &R::golebi_sekcja),
                         C(u"konkursow_oddzial", &R::konkursow_oddzial),
                         C(u"konkursow_sekcja", &R::konkursow_sekcja),
                         C(u"wlozonychgolebi", &R::wlozonychgolebi),
                         C(u"iloscwkonkursie", &R::iloscwkonkursie),
                         C(u"DL_stopnie", &R::DL_stopnie), C(u"DL_minuty", &R::DL_minuty),
                         C(u"DL_sekundy", &R::DL_sekundy), C(u"SZ_stopnie", &R::SZ_stopnie),
                         C(u"SZ_minuty", &R::SZ_minuty), C(u"SZ_sekundy", &R::SZ_sekundy),
                         C(u"czas_trwania_konkursu_g", &R::czas_trwania_konkursu_g),
                         C(u"czas_trwania_konkursu_m", &R::czas_trwania_konkursu_m),
                         C(u"czas_trwania_konkursu_s", &R::czas_trwania_konkursu_s),
                         C(u"czasodlotu", &R::czasodlotu),
                         C(u"czas_pierwszego_w_konk", &R::czas_pierwszego_w_konk),
                         C(u"czas_ostatniego_w_konk", &R::czas_ostatniego_w_konk),
                         C(u"miejscowosc", &R::miejscowosc), C(u"pogodalokalna", &R::pogodalokalna),
                         C(u"pogodawmiejscuwypuszczenia", &R::pogodawmiejscuwypuszczenia),
                         C(u"notatki", &R::notatki)),
                 [&](int mode, R& r) { return app.SaveRace(mode, r); },
                 [&](int id) {
                     return FindById<R>(Reloaded()->races, id);
                 }});
        } else if (record == u"flyer"_s) {
            using F = FlyerRecord;
            RoundTrip<F>({u"lotniki"_s, p,
                          Columns(C(u"notatki", &F::notatki), C(u"id_lotu", &F::id_lotu, Inserted),
                                  C(u"id_hodowli", &F::id_hodowli, Inserted),
                                  C(u"id_golebia", &F::id_golebia, Inserted),
                                  C(u"DataCzasPrzylotu", &F::DataCzasPrzylotu),
                                  C(u"nr_konkursu", &F::nr_konkursu),
                                  C(u"nr_konkursu_sekcja", &F::nr_konkursu_sekcja),
                                  C(u"CoefficientOddzialowy", &F::CoefficientOddzialowy),
                                  C(u"CoefficientSekcyjny", &F::CoefficientSekcyjny),
                                  C(u"PunktyOddzial", &F::PunktyOddzial),
                                  C(u"PunktySekcja", &F::PunktySekcja)),
                          [&](int mode, F& r) {
                              return app.SaveFlyer(
                                  mode, With(With(r, &F::id_lotu, race.id), &F::id_hodowli, 1));
                          },
                          [&](int id) -> std::optional<F> {
                              const auto stored = FindById<RaceRecord>(Reloaded()->races, race.id);
                              return stored ? FindById<F>(stored->flyers, id) : std::nullopt;
                          }});
        } else if (record == u"treatment"_s) {
            using T = TreatmentRecord;
            RoundTrip<T>(
                {u"lekisuplementy"_s, p,
                 Columns(C(u"uwagi", &T::remarks), C(u"id_golebia", &T::idPigeon, Inserted),
                         C(u"id_hodowli", &T::idLoft, Inserted), C(u"rodzaj", &T::kind, Inserted),
                         C(u"kategoria", &T::category), C(u"data_podania", &T::dateGiven),
                         C(u"nazwa", &T::name), C(u"dawka", &T::dose), C(u"dzialanie", &T::effect)),
                 [&](int mode, T& r) {
                     return app.SaveTreatment(mode, With(r, &T::idPigeon, owner.id));
                 },
                 [&](int id) {
                     return FindById<T>(Reloaded()->pigeons.at(owner.id).treatments, id);
                 }});
        } else if (record == u"transaction"_s) {
            using T = TransactionRecord;
            RoundTrip<T>(
                {u"transakcje"_s, p,
                 Columns(C(u"id_golebia", &T::idPigeon), C(u"id_hodowli", &T::idLoft, Inserted),
                         C(u"id_klienta", &T::idClient), C(u"not1", &T::note),
                         C(u"waluta", &T::currency), C(u"cena", &T::price),
                         C(u"rodzajtransakcji", &T::kind), C(u"przedmiottransakcji", &T::subject),
                         C(u"data", &T::date), C(u"innyprzedmiottransakcji", &T::otherSubject)),
                 [&](int mode, T& r) { return app.SaveTransaction(mode, With(r, &T::idLoft, 1)); },
                 [&](int id) {
                     return FindById<T>(Reloaded()->transactions, id);
                 }});
        } else if (record == u"client"_s || record == u"breeder"_s) {
            using K = ContactRecord;
            const bool breeder = record == u"breeder"_s;
            std::vector<Column<K>> columns = Columns(
                C(u"imie", &K::firstName), C(u"nazwisko", &K::lastName),
                C(u"miejscowosc", &K::town), C(u"ulica", &K::street), C(u"nrdomu", &K::houseNumber),
                C(u"teldom", &K::phoneHome), C(u"teldom2", &K::phoneHome2),
                C(u"telkom", &K::phoneMobile), C(u"telkom2", &K::phoneMobile2),
                C(u"email", &K::email), C(u"adreswww", &K::www), C(u"kodpocztowy", &K::postCode),
                C(u"uwagi", &K::remarks), C(u"hodowla", &K::loft, Inserted),
                C(u"kategoria", &K::category, Inserted),
                C(u"subkategoria", &K::subcategory, Inserted), C(u"typ", &K::type, Inserted),
                C(u"wojewodztwo", &K::province, Inserted), C(u"kraj", &K::country, Inserted));
            if (breeder)
                columns.push_back(C(u"kod2", &K::postCode2));
            RoundTrip<K>({breeder ? u"hodowcy"_s : u"klienci"_s, d, columns,
                          [&](int mode, K& r) {
                              return breeder ? app.SaveBreeder(mode, r) : app.SaveClient(mode, r);
                          },
                          [&](int id) {
                              const auto fresh = Reloaded();
                              return FindById<K>(breeder ? fresh->breeders : fresh->clients, id);
                          }});
        } else if (record == u"pair"_s) {
            using P = PairRecord;
            RoundTrip<P>(
                {u"pary"_s, p,
                 Columns(C(u"uwagi", &P::remarks), C(u"not_ojciec", &P::sireNote),
                         C(u"not_matka", &P::damNote), C(u"id_samca", &P::idCock),
                         C(u"id_samicy", &P::idHen), C(u"id_hodowli", &P::idLoft, Inserted),
                         C(u"DataParowania", &P::datePaired),
                         C(u"DataDodania", &P::dateAdded, Inserted)),
                 [&](int mode, P& r) { return app.SavePair(mode, With(r, &P::idLoft, 1)); },
                 [&](int id) {
                     return FindById<P>(Reloaded()->pairs, id);
                 }});
        } else if (record == u"child"_s) {
            using H = ChildRecord;
            RoundTrip<H>(
                {u"dzieci"_s, p,
                 Columns(C(u"uwagi", &H::remarks), C(u"id_golebia", &H::idPigeon),
                         C(u"id_pary", &H::idPair, Inserted),
                         C(u"id_hodowli", &H::idLoft, Inserted),
                         C(u"DataDodania", &H::dateAdded, Inserted)),
                 [&](int mode, H& r) { return app.SaveChild(mode, With(r, &H::idPair, pair.id)); },
                 [&](int id) -> std::optional<H> {
                     const auto stored = FindById<PairRecord>(Reloaded()->pairs, pair.id);
                     return stored ? FindById<H>(stored->children, id) : std::nullopt;
                 }});
        } else if (record == u"loft"_s) {
            using L = LoftRecord;
            RoundTrip<L>({u"hodowla"_s, p,
                          Columns(C(u"nazwahodowli", &L::name), C(u"opishodowli", &L::description)),
                          [&](int mode, L& r) { return app.SaveLoft(mode, r); },
                          [&](int id) {
                              return FindById<L>(Reloaded()->lofts, id);
                          }});
        } else if (record == u"category"_s) {
            using G = CategoryRecord;
            RoundTrip<G>(
                {u"kategoria"_s, p,
                 Columns(C(u"nazwakategorii", &G::name), C(u"opiskategorii", &G::description),
                         C(u"id_hodowli", &G::idLoft, Inserted)),
                 [&](int mode, G& r) {
                     return app.SaveCategory(mode, With(r, &G::idLoft, loft.id));
                 },
                 [&](int id) -> std::optional<G> {
                     const auto stored = FindById<LoftRecord>(Reloaded()->lofts, loft.id);
                     return stored ? FindById<G>(stored->categories, id) : std::nullopt;
                 }});
        } else if (record == u"season"_s) {
            using S = SeasonRecord;
            RoundTrip<S>({u"sezonylegowe"_s, d,
                          Columns(C(u"id_hodowli", &S::idLoft), C(u"Nazwa", &S::name),
                                  C(u"Opis", &S::description), C(u"DATA_B", &S::dateBegin),
                                  C(u"DATA_E", &S::dateEnd)),
                          [&](int, S& r) { return app.AddSeason(r); },
                          [&](int id) { return FindById<S>(Reloaded()->seasons, id); }, false});
        } else if (record == u"note"_s) {
            using N = NoteRecord;
            RoundTrip<N>({u"notatki"_s, d,
                          Columns(C(u"nazwa", &N::name), C(u"opis", &N::description),
                                  C(u"id_hodowli", &N::idLoft)),
                          [&](int, N& r) { return app.AddNote(With(r, &N::idLoft, 1)); },
                          [&](int id) { return FindById<N>(Reloaded()->notes, id); }, false});
        }
    }

    void modesOutsideTheConventionWriteNothing_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("0") << 0;
        QTest::newRow("-3") << -3;
        QTest::newRow("update of a missing row") << 999;
    }

    void modesOutsideTheConventionWriteNothing() {
        QFETCH(int, mode);
        PigeonRecord pigeon;
        pigeon.id = mode;
        pigeon.idLoft = 1;
        QVERIFY(m_app->SavePigeon(mode, pigeon).failed());
        LoftRecord loft;
        loft.id = mode;
        loft.name = u"Loft"_s;
        QVERIFY(m_app->SaveLoft(mode, loft).failed());
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM pigeons;"_s), 0);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM hodowla;"_s), 0);
        QVERIFY(m_app->pigeons.empty());
    }

    void memoryFollowsTheWriters() {
        AppData& app = *m_app;
        PigeonRecord pigeon;
        pigeon.idLoft = 1;
        pigeon.country = u"PL"_s;
        pigeon.ringNumber = u"4711"_s;
        pigeon.name = u"D'Artagnan"_s;
        QVERIFY(app.SavePigeon(-1, pigeon).ok());
        QCOMPARE(app.pigeons.at(pigeon.id).BandLabel, u"PL   4711 [D'Artagnan]"_s);
        PigeonRecord twin = pigeon; // two inserts of one record give two rows
        QVERIFY(app.SavePigeon(-1, twin).ok());
        QVERIFY(twin.id != pigeon.id);
        QVERIFY(app.SavePigeon(-2, twin).ok());
        QCOMPARE(app.pigeons.size(), 1u);

        PairRecord pair;
        pair.idLoft = 1;
        QVERIFY(app.SavePair(-1, pair).ok());
        QCOMPARE(app.pairs.size(), 1u); // the writer adds a stored pair, once
        ChildRecord first{0, 30, pair.id, 1, 600, u"pierwsze"_s};
        ChildRecord second{0, 31, pair.id, 1, 601, u"drugie"_s};
        QVERIFY(app.SaveChild(-1, first).ok());
        QVERIFY(app.SaveChild(-1, second).ok());
        second.idPigeon = 32;
        QVERIFY(app.SaveChild(second.id, second).ok());
        QCOMPARE(app.pairs[0].children.size(), 2u);
        QCOMPARE(app.pairs[0].children[1].idPigeon, 32);
        QVERIFY(app.SaveChild(-2, first).ok());
        QCOMPARE(app.pairs[0].children.size(), 1u);
        // Deleting the pair takes its children's rows with it, and nothing else.
        PairRecord other;
        other.idLoft = 1;
        QVERIFY(app.SavePair(-1, other).ok());
        ChildRecord ofOther{0, 40, other.id, 1, 700, QString()};
        QVERIFY(app.SaveChild(-1, ofOther).ok());
        PairRecord edited = app.pairs[0];
        edited.children.clear();
        edited.remarks = u"zmienione"_s;
        QVERIFY(app.SavePair(edited.id, edited).ok());
        QCOMPARE(app.pairs[0].remarks, u"zmienione"_s);
        QCOMPARE(app.pairs[0].children.size(), 1u); // an edit keeps the stored children
        // A copy that misses its children still takes every child row of the pair along.
        PairRecord toDelete = edited;
        QVERIFY(app.SavePair(-2, toDelete).ok());
        QCOMPARE(app.pairs.size(), 1u);
        QCOMPARE(app.pairs[0].id, other.id);
        QCOMPARE(DbProbe::Rows(m_data->pigeonsDb(), u"SELECT id_golebia FROM dzieci;"_s),
                 (std::vector<QStringList>{{u"40"_s}}));

        TransactionRecord sale;
        sale.idLoft = 1;
        sale.price = 45.67;
        QVERIFY(app.SaveTransaction(-1, sale).ok());
        QCOMPARE(app.transactions.at(sale.id).price, 45.67);
        QVERIFY(app.SaveTransaction(-2, sale).ok());
        QVERIFY(app.transactions.empty());

        RaceRecord race;
        QVERIFY(app.SaveRace(-1, race).ok());
        app.races.push_back(race);
        QVERIFY(app.SaveRace(-2, race).ok());
        QVERIFY(app.races.empty());
    }

    void loftNamesAreUnique() {
        AppData& app = *m_app;
        LoftRecord loft;
        loft.name = u"Gołębnik O'Briena"_s;
        QVERIFY(app.SaveLoft(-1, loft).ok());
        LoftRecord twin;
        twin.name = loft.name;
        QVERIFY(app.SaveLoft(-1, twin).refused());
        QCOMPARE(twin.id, 0);
        LoftRecord other;
        other.name = u"Inny"_s;
        QVERIFY(app.SaveLoft(-1, other).ok());
        other.name = loft.name;
        QVERIFY(app.SaveLoft(other.id, other).refused());
        QCOMPARE(DbProbe::Text(m_data->pigeonsDb(),
                               u"SELECT nazwahodowli FROM hodowla WHERE id = %1;"_s.arg(other.id)),
                 u"Inny"_s);
    }

    void lookupsSeasonsAndNotes() {
        AppData& app = *m_app;
        const std::pair<Lookup, QString> lookups[] = {{Lookup::Colours, u"kolory"_s},
                                                      {Lookup::Varieties, u"gatunekrasa"_s},
                                                      {Lookup::Lines, u"linia"_s},
                                                      {Lookup::EyeColours, u"koloroka"_s},
                                                      {Lookup::Statuses, u"statusy"_s}};
        for (const auto& [lookup, table] : lookups)
            QVERIFY(app.AddLookup(lookup, 1, table + u" O'Brien"_s).ok());
        int colourId = 0;
        QVERIFY(app.AddLookup(Lookup::Colours, 1, u"Niebieski pas"_s, &colourId).ok());
        QCOMPARE(app.colours.at(colourId), u"Niebieski pas"_s);
        // Names are unique over the whole table, whatever the loft.
        int twin = -5;
        QVERIFY(app.AddLookup(Lookup::Colours, 2, u"Niebieski pas"_s, &twin).refused());
        QCOMPARE(twin, 0);
        QCOMPARE(app.colours.size(), 3u);
        SeasonRecord season{0, 1, u"Sezon 2026"_s, u"wiosna"_s, 100, 200};
        QVERIFY(app.AddSeason(season).ok());
        QCOMPARE(app.seasons.size(), 1u);
        NoteRecord note{0, 1, u"Plan lotów"_s, u"na maj"_s};
        QVERIFY(app.AddNote(note).ok());
        QCOMPARE(app.notes.size(), 1u);
        QCOMPARE(DbProbe::Rows(m_data->extraDb(), u"SELECT kategoria, f1, f2, f3 FROM notatki;"_s),
                 (std::vector<QStringList>{{u"0"_s, u"0"_s, u"0"_s, u"0"_s}}));

        QVERIFY(app.DeleteColour(colourId).ok());
        QVERIFY(!app.colours.count(colourId)); // the delete leaves the map too
        QVERIFY(app.DeleteSeason(season.id).ok());
        QVERIFY(app.seasons.empty()); // the delete leaves memory too
        QVERIFY(PrepareInstallDir());
        QVERIFY(WriteTextFile(NotePath(note.id), u"<p>treść</p>"_s));
        QVERIFY(app.DeleteNote(note).ok());
        QVERIFY(!QFile::exists(NotePath(note.id)));
        AppData reloaded;
        QVERIFY(reloaded.LoadExtra(1).ok());
        for (const auto& [lookup, table] : lookups) { // each in its own table
            const QString name = table + u" O'Brien"_s;
            QCOMPARE(DbProbe::Text(m_data->extraDb(), u"SELECT nazwa FROM "_s + table + u';'),
                     name);
            QCOMPARE(reloaded.LookupMapOf(lookup), (LookupMap{{0, u" "_s}, {1, name}}));
        }
        QVERIFY(reloaded.seasons.empty());
        QVERIFY(reloaded.notes.empty());
    }

    // Statements that write one field or one link row.
    void singleFieldsAndLinks() {
        AppData& app = *m_app;
        PigeonRecord pigeon;
        pigeon.idLoft = 1;
        pigeon.name = u"Zefir"_s;
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
        QCOMPARE(p.name, u"Zefir"_s);
        QVERIFY(p.treatments.empty());

        QVERIFY(app.AddCategoryLink(2, 10).ok());
        QVERIFY(app.AddCategoryLink(3, 10).ok());
        QVERIFY(app.RemoveCategoryLink(2, 10).ok());
        QVERIFY(app.RemoveCategoryLink(2, 99).ok()); // no such link: nothing changes
        QCOMPARE(DbProbe::Rows(m_data->pigeonsDb(),
                               u"SELECT id_kategorii, id_golebia FROM kategoria_id;"_s),
                 (std::vector<QStringList>{{u"3"_s, u"10"_s}}));

        QVERIFY(app.AddToBirdList(10).ok());
        QVERIFY(app.AddToBirdList(11).ok());
        QVERIFY(app.RemoveFromBirdList(10).ok());
        QCOMPARE(DbProbe::Rows(m_data->extraDb(), u"SELECT id_golebia FROM ild;"_s),
                 (std::vector<QStringList>{{u"11"_s}}));
    }

    void childOfPairSetsParentsAndChildTogether() {
        AppData& app = *m_app;
        PigeonRecord child;
        child.idLoft = 1;
        child.idSire = 7;
        child.idDam = 8;
        QVERIFY(app.SavePigeon(-1, child).ok());
        PairRecord pair;
        pair.idLoft = 1;
        pair.idCock = 12;
        pair.idHen = 15;
        QVERIFY(app.SavePair(-1, pair).ok());

        ChildRecord record{0, child.id, pair.id, 1, 500, u"pierwszy lęg"_s};
        QVERIFY(app.SaveChildOfPair(-1, record, 12, 15).ok());
        QVERIFY(record.id > 0);
        QCOMPARE(app.pigeons.at(child.id).idSire, 12);
        QCOMPARE(app.pigeons.at(child.id).idDam, 15);
        QCOMPARE(app.pairs[0].children.size(), 1u);
        const QString parents = u"SELECT id_ojca, id_matki FROM pigeons WHERE id = %1;"_s;
        QCOMPARE(DbProbe::Rows(m_data->pigeonsDb(), parents.arg(child.id)),
                 (std::vector<QStringList>{{u"12"_s, u"15"_s}}));

        record.remarks = u"poprawione"_s;
        QVERIFY(app.SaveChildOfPair(record.id, record, 12, 15).ok());
        QCOMPARE(app.pairs[0].children[0].remarks, u"poprawione"_s);

        // A pigeon that is no longer stored: neither the parents nor the child row are written.
        ChildRecord ghost{0, 999, pair.id, 1, 501, QString()};
        QVERIFY(app.SaveChildOfPair(-1, ghost, 12, 15).failed());
        QCOMPARE(ghost.id, 0);
        QCOMPARE(app.pairs[0].children.size(), 1u);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM dzieci;"_s), 1);

        // A child row that cannot be written takes the parents' update back with it.
        PigeonRecord other;
        other.idLoft = 1;
        QVERIFY(app.SavePigeon(-1, other).ok());
        QVERIFY(DbProbe::Exec(m_data->pigeonsDb(),
                              u"CREATE TRIGGER refuse BEFORE INSERT ON dzieci BEGIN "
                              u"SELECT RAISE(ABORT, 'refused'); END;"_s));
        ChildRecord refused{0, other.id, pair.id, 1, 502, QString()};
        QVERIFY(app.SaveChildOfPair(-1, refused, 12, 15).failed());
        QCOMPARE(refused.id, 0);
        QCOMPARE(app.pigeons.at(other.id).idSire, 0);
        QCOMPARE(DbProbe::Rows(m_data->pigeonsDb(), parents.arg(other.id)),
                 (std::vector<QStringList>{{u"0"_s, u"0"_s}}));
        QCOMPARE(app.pairs[0].children.size(), 1u);
    }

    // Pigeons 1 and 2 are stored, and 3, the largest, was deleted by a program that left rows
    // naming it: every way of storing a pigeon passes every id still named, up to the last id.
    void newPigeonsPassEveryNamedId_data() {
        QTest::addColumn<bool>("extra");
        QTest::addColumn<QString>("rows");
        const auto add = [](const char* tag, const char16_t* rows, bool extra = false) {
            QTest::newRow(tag) << extra << QString::fromUtf16(rows);
        };
        add("pigeon", u"INSERT INTO pigeons(id, id_hodowli) VALUES (%1, 2)");
        add("sire", u"INSERT INTO pigeons(id_ojca) VALUES (%1)");
        add("dam", u"INSERT INTO pigeons(id_matki) VALUES (%1)");
        add("category", u"INSERT INTO kategoria_id(id_kategorii, id_golebia) VALUES (1, %1)");
        add("cock", u"INSERT INTO pary(id_samca, id_hodowli) VALUES (%1, 1)");
        add("hen", u"INSERT INTO pary(id_samicy, id_hodowli) VALUES (%1, 1)");
        add("young", u"INSERT INTO dzieci(id_golebia, id_pary) VALUES (%1, 1)");
        add("entry as text", u"INSERT INTO lotniki(id_lotu, id_golebia) VALUES (1, '%1')");
        add("transaction", u"INSERT INTO transakcje(id_hodowli, id_golebia) VALUES (1, %1)");
        add("photo", u"INSERT INTO zdjecia(id_golebia) VALUES (%1)");
        add("document", u"INSERT INTO dokumenty(id_wlasciciela) VALUES (%1)");
        add("treatment", u"INSERT INTO lekisuplementy(id_golebia) VALUES (%1)");
        add("bird list", u"INSERT INTO ild(id_golebia) VALUES (%1)", true);
        add("all links", u"INSERT INTO pary(id_samca, id_hodowli) VALUES (%1, 1);"
                         u"INSERT INTO dzieci(id_golebia, id_pary) VALUES (%1, 1);"
                         u"INSERT OR IGNORE INTO loty(id) VALUES (1);"
                         u"INSERT INTO lotniki(id_lotu, id_hodowli, id_golebia) VALUES (1, 1, %1);"
                         u"INSERT INTO transakcje(id_hodowli, id_golebia) VALUES (1, %1)");
    }

    void newPigeonsPassEveryNamedId() {
        QFETCH(bool, extra);
        QFETCH(QString, rows);
        const QString db = extra ? m_data->extraDb() : m_data->pigeonsDb();
        QVERIFY(ExecEach(m_data->pigeonsDb(),
                         u"INSERT INTO pigeons(id, id_hodowli) VALUES (1, 2), (2, 2)"_s));
        QVERIFY(ExecEach(db, rows.arg(3)));
        PigeonRecord bird;
        bird.idLoft = 1;
        QVERIFY(m_app->SavePigeon(-1, bird).ok());
        PigeonRecord linked = bird;
        QVERIFY(m_app->AddPigeonToCategory(linked, 1).ok());
        std::vector<int> ids;
        QVERIFY(m_app->AddRingSeries(bird, 7, 8, 1, ids).ok());
        QCOMPARE((std::vector<int>{bird.id, linked.id, ids[0], ids[1]}),
                 (std::vector<int>{4, 5, 6, 7}));
        const std::unique_ptr<AppData> reloaded = Reloaded();
        QCOMPARE(reloaded->pigeons.at(4).raceEntries, 0);
        for (const PairRecord& pair : reloaded->pairs) // its young stays the deleted bird
            QVERIFY(pair.children.empty() || pair.children[0].idPigeon == 3);

        QVERIFY(ExecEach(db, rows.arg(2147483646)));
        QVERIFY(m_app->AddRingSeries(bird, 9, 10, 1, ids).failed());
        QVERIFY(m_app->SavePigeon(-1, bird).ok());
        QCOMPARE(bird.id, 2147483647);
        const DbResult refused = m_app->AddPigeonToCategory(bird, 1);
        QVERIFY(refused.failed() && refused.message().contains(u"2147483647"_s));
        QCOMPARE(m_app->pigeons.size(), 5u);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(),
                                 u"SELECT count(*) FROM pigeons WHERE id_hodowli = 1;"_s),
                 5);
    }

    // A pigeon with every kind of link is deleted; each row looks at one kind: what goes, what
    // is mended, what stays (also of the other pigeons). A blocked delete changes nothing.
    void deleteMendsEveryLink_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("memory");
        const auto add = [](const char* kind, const char16_t* sql, const QString& stored,
                            const QString& memory) {
            QTest::newRow(kind) << QString::fromLatin1(kind) << QString::fromUtf16(sql) << stored
                                << memory;
        };
        add("parents", u"SELECT id, id_ojca, id_matki FROM pigeons", u"2,0,0 3,0,2 4,2,0"_s,
            u"2,0,0 3,0,2 4,2,0"_s);
        add("pairs", u"SELECT id FROM pary", u"11"_s, u"11"_s);
        add("children", u"SELECT id FROM dzieci", u"22"_s, u"22"_s);
        add("entries", u"SELECT id FROM lotniki", u"41"_s, u"41"_s);
        const QString kept = u"50,0,1,PL 0207 2020 5 [Kometa] 51,2,"_s;
        add("transactions",
            u"SELECT id, id_golebia, przedmiottransakcji, innyprzedmiottransakcji FROM transakcje",
            kept + u"<null>,<null>"_s, kept + u"0,"_s);
        add("categories", u"SELECT id_kategorii, id_golebia FROM kategoria_id", u"1,2"_s, {});
        add("attachments",
            u"SELECT id_golebia FROM zdjecia UNION ALL SELECT id_golebia FROM lekisuplementy",
            u"2 2"_s, u"2"_s);
    }

    void deleteMendsEveryLink() {
        QFETCH(QString, kind);
        QFETCH(QString, sql);
        const QString db = m_data->pigeonsDb();
        QVERIFY(ExecEach(
            db, u"INSERT INTO pigeons(id, id_hodowli, kraj, oddzial, rocznik, nr_obraczki, nazwa, "
                u"id_ojca, id_matki) VALUES (1, 1, 'PL', '0207', '2020', '5', 'Kometa', 0, 0), "
                u"(2, 1, '', '', '', '', '', 0, 0), (3, 1, '', '', '', '', '', 1, 2), "
                u"(4, 1, '', '', '', '', '', 2, 1);"
                u"INSERT INTO pary(id, id_samca, id_samicy, id_hodowli) VALUES "
                u"(10, 1, 2, 1), (11, 2, 4, 1), (12, 3, 1, 1);"
                u"INSERT INTO dzieci(id, id_golebia, id_pary) VALUES (20, 3, 10), (21, 1, 11), "
                u"(22, 3, 11), (23, 4, 12);"
                u"INSERT INTO loty(id) VALUES (30);"
                u"INSERT INTO lotniki(id, id_lotu, id_hodowli, id_golebia) VALUES (40, 30, 1, 1), "
                u"(41, 30, 1, 2);"
                u"INSERT INTO transakcje(id, id_hodowli, id_golebia) VALUES (50, 1, 1), (51, 1, 2);"
                u"INSERT INTO kategoria_id(id_kategorii, id_golebia) VALUES (1, 1), (2, 1), (1, 2);"
                u"INSERT INTO zdjecia(id_golebia, rozszerzenie) VALUES (1, 'jpg'), (2, 'jpg');"
                u"INSERT INTO lekisuplementy(id_golebia) VALUES (1), (2);"_s));
        QVERIFY(m_app->SelectLoft(1).ok());
        PigeonLinks links;
        QVERIFY(CountPigeonLinks(1, links).ok());
        QCOMPARE((std::vector<int>{links.young, links.pairs, links.childRows, links.raceEntries,
                                   links.transactions}),
                 (std::vector<int>{2, 2, 1, 1, 1}));
        const QString stored = RowsText(db, sql);
        const QString memory = MemoryOf(*m_app, kind);
        {
            ReadOnlyFiles readOnly({db});
            QVERIFY(readOnly.isReadOnly() && m_app->DeletePigeonWithAttachments(1).failed());
        }
        QCOMPARE(RowsText(db, sql), stored);
        QCOMPARE(MemoryOf(*m_app, kind), memory);
        QVERIFY(m_app->DeletePigeonWithAttachments(1).ok());
        QTEST(RowsText(db, sql), "stored");
        QTEST(MemoryOf(*m_app, kind), "memory");
        QTEST(MemoryOf(*Reloaded(), kind), "memory");
    }

    void readOnlyFileFailsAndLeavesMemoryAsItWas() {
        AppData& app = *m_app;
        PigeonRecord pigeon;
        pigeon.idLoft = 1;
        pigeon.name = u"Zefir"_s;
        QVERIFY(app.SavePigeon(-1, pigeon).ok());
        TransactionRecord sale;
        sale.idLoft = 1;
        QVERIFY(app.SaveTransaction(-1, sale).ok());
        PairRecord pair;
        pair.idLoft = 1;
        QVERIFY(app.SavePair(-1, pair).ok());
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

        PigeonRecord fresh;
        QVERIFY(app.SavePigeon(-1, fresh).failed());
        QCOMPARE(fresh.id, 0);
        QVERIFY(app.AddPigeonToCategory(fresh, 1).failed());
        QCOMPARE(app.pigeons.size(), 1u);
        QVERIFY(app.DeletePigeon(pigeon.id).failed());
        QCOMPARE(app.pigeons.size(), 1u);

        TransactionRecord changed = sale;
        changed.price = 10;
        QVERIFY(app.SaveTransaction(sale.id, changed).failed());
        QCOMPARE(app.transactions.at(sale.id).price, 0.0);
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
        app.seasons.push_back({5, 1, u"Sezon"_s, QString(), 100, 200});
        QVERIFY(app.DeleteSeason(5).failed());
        QCOMPARE(app.seasons.size(), 1u);
    }

private:
    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<AppData> m_app;
};

QTEST_GUILESS_MAIN(TestWriters)
#include "tst_writers.moc"
