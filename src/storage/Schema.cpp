// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/Schema.h"

#include "storage/DbSession.h"
#include "storage/InstallDir.h"

#include <QFileInfo>
#include <QScopeGuard>
#include <QStringList>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
// Loaders read by column position, so the column order below is part of the file format.
const SchemaTable kTables[] = {
    {u"pigeons",
     u"CREATE TABLE pigeons(id INTEGER PRIMARY KEY, id_hodowli INTEGER, nazwa TEXT,"
     u" kraj TEXT, oddzial TEXT, rocznik TEXT, nr_obraczki TEXT, genotyp TEXT,"
     u" fenotyp TEXT, id_matki INTEGER, id_ojca INTEGER DEFAULT 0,"
     u" id_wlasciciela INTEGER DEFAULT 0, id_hodowcy INTEGER DEFAULT 0,"
     u" id_rasy INTEGER DEFAULT 0, id_linia INTEGER DEFAULT 0,"
     u" id_koloroka INTEGER DEFAULT 0, id_koloru INTEGER DEFAULT 0,"
     u" plec INTEGER DEFAULT 0, id_statusu INTEGER DEFAULT 0,"
     u" ocena_ogolna INTEGER DEFAULT 0, ocena_zdrowia INTEGER DEFAULT 0,"
     u" ocena_upierzenia INTEGER DEFAULT 0, ocena_lotowa INTEGER DEFAULT 0,"
     u" id_kraju INTEGER DEFAULT 0, ikona INTEGER DEFAULT 0,"
     u" id_statusu2 INTEGER DEFAULT 0, DataDodania INTEGER(64),"
     u" DataUrodzenia INTEGER(64), DataKupna INTEGER(64), DataSprzedazy INTEGER(64),"
     u" DataOdejscia INTEGER(64), DataOstatniejAktualizacji INTEGER(64),"
     u" NotatkaRodowodowa0 TEXT, NotatkaRodowodowa1 TEXT, NotatkaRodowodowa2 TEXT,"
     u" NotatkaRodowodowa3 TEXT, NotatkaRodowodowa4 TEXT, NotatkaRodowodowa5 TEXT,"
     u" znakiszczegolne TEXT, nr_chipu TEXT, notatkiogolne TEXT,"
     u" notatkicechywygladu TEXT, notatkichoroby TEXT, notatkiproblemy TEXT,"
     u" notatkiwystawowe TEXT, notatkif TEXT, nrceli TEXT, krotkiopis TEXT,"
     u" NieDrukuj INTEGER DEFAULT 0, ZaznaczonyNaLiscie INTEGER DEFAULT 0,"
     u" niedostepny INTEGER DEFAULT 0, rozplodowy INTEGER DEFAULT 0,"
     u" lotowy INTEGER DEFAULT 0, ignorowany INTEGER DEFAULT 0, chory INTEGER DEFAULT 0,"
     u" sprzedany INTEGER DEFAULT 0, ukryty INTEGER DEFAULT 0, vet INTEGER DEFAULT 0,"
     u" last_pair INTEGER DEFAULT 0, last_fly INTEGER DEFAULT 0,"
     u" last_konk INTEGER DEFAULT 0, CF1 INTEGER DEFAULT 0, CF2 INTEGER DEFAULT 0,"
     u" DataF1 INTEGER(64), DataF2 INTEGER(64), DataF3 INTEGER(64), F1 INTEGER,"
     u" F2 INTEGER, F3 INTEGER, F4 INTEGER, F5 INTEGER, F6 INTEGER, SF1 TEXT, SF2 TEXT,"
     u" SF3 TEXT, SF4 TEXT, SF5 TEXT, SF6 TEXT)"},
    {u"hodowla",
     u"CREATE TABLE hodowla(id INTEGER PRIMARY KEY, nazwahodowli TEXT, opishodowli TEXT,"
     u" notatka1 TEXT, notatka2 TEXT, notatka3 TEXT, id_hodowcy INTEGER,"
     u" UNIQUE(nazwahodowli))"},
    {u"kategoria", u"CREATE TABLE kategoria(id INTEGER PRIMARY KEY, nazwakategorii TEXT,"
                   u" id_hodowli INTEGER NOT NULL, opiskategorii TEXT, kat1 INTEGER, kat2 INTEGER,"
                   u" kat3 INTEGER, fs1 TEXT, fs2 TEXT, fs3 TEXT)"},
    {u"kategoria_id",
     u"CREATE TABLE kategoria_id(id INTEGER PRIMARY KEY, id_kategorii INTEGER,"
     u" id_golebia INTEGER, f1 INTEGER, f2 INTEGER, f3 INTEGER, f4 INTEGER, s1 TEXT,"
     u" s2 TEXT, s3 TEXT)"},
    {u"pary", u"CREATE TABLE pary(id INTEGER PRIMARY KEY, id_samca INTEGER, id_samicy INTEGER,"
              u" id_hodowli INTEGER, id_sezonu INTEGER, ocena_pary INTEGER DEFAULT 0,"
              u" ocena_2 INTEGER DEFAULT 0, ocena_3 INTEGER DEFAULT 0, ocena_4 INTEGER DEFAULT 0,"
              u" DataParowania INTEGER(64), DataZlozeniaJaj INTEGER(64), DataWylegu INTEGER(64),"
              u" DataDodania INTEGER(64), DataF1 INTEGER(64), DataF2 INTEGER(64),"
              u" not_ojciec TEXT, not_matka TEXT, uwagi TEXT, zlozonych INTEGER DEFAULT 0,"
              u" wyklute INTEGER DEFAULT 0, stracone INTEGER DEFAULT 0, metodaparowania INTEGER,"
              u" status INTEGER, F1 INTEGER, F2 INTEGER, F3 INTEGER, F4 INTEGER, F5 INTEGER,"
              u" SF1 TEXT, SF2 TEXT, SF3 TEXT, SF4 TEXT, SF5 TEXT, SF6 TEXT)"},
    {u"dzieci", u"CREATE TABLE dzieci(id INTEGER PRIMARY KEY, id_golebia INTEGER, id_pary INTEGER,"
                u" id_hodowli INTEGER, uwagi TEXT, DataDodania INTEGER(64), FD1 INTEGER(64),"
                u" FD2 INTEGER(64), Ocena_1 INTEGER DEFAULT 0, Ocena_2 INTEGER DEFAULT 0,"
                u" Ocena_3 INTEGER DEFAULT 0, F1 INTEGER, F2 INTEGER, F3 INTEGER, F4 INTEGER,"
                u" F5 INTEGER, SF1 TEXT, SF2 TEXT, SF3 TEXT, SF4 TEXT, SF5 TEXT)"},
    {u"loty", u"CREATE TABLE loty(id INTEGER PRIMARY KEY, id_hodowli INTEGER,"
              u" typ INTEGER DEFAULT 0, subtyp INTEGER DEFAULT 0, kategoria INTEGER DEFAULT 0,"
              u" kategoria2 INTEGER DEFAULT 0, kategoria3 INTEGER, odleglosckm INTEGER,"
              u" odlegloscm INTEGER, liczba_hodowcow INTEGER, liczba_hodowcow_sekcja INTEGER,"
              u" golebi_oddzial INTEGER, golebi_sekcja INTEGER, konkursow_oddzial INTEGER,"
              u" konkursow_sekcja INTEGER, wlozonychgolebi INTEGER, iloscwkonkursie INTEGER,"
              u" ocena INTEGER, ocena2 INTEGER, ocena3 INTEGER, DL_stopnie INTEGER,"
              u" DL_minuty INTEGER, DL_sekundy INTEGER, SZ_stopnie INTEGER, SZ_minuty INTEGER,"
              u" SZ_sekundy INTEGER, czas_trwania_konkursu_g INTEGER,"
              u" czas_trwania_konkursu_m INTEGER, czas_trwania_konkursu_s INTEGER,"
              u" czasodlotu INTEGER(64), czas_pierwszego_w_konk INTEGER(64),"
              u" czas_ostatniego_w_konk INTEGER(64), FD1 INTEGER(64), FD2 INTEGER(64),"
              u" miejscowosc TEXT, kraj TEXT, region TEXT, kodpocztowy TEXT, pogodalokalna TEXT,"
              u" pogodawmiejscuwypuszczenia TEXT, notatki TEXT, notatki2 TEXT, notatki3 TEXT,"
              u" wind TEXT, wind2 TEXT, punktow_stalych NUMERIC(6,6) DEFAULT 0,"
              u" zagraniczny INTEGER, important INTEGER DEFAULT 0, CF1 INTEGER DEFAULT 0,"
              u" CF2 INTEGER DEFAULT 0, CF3 INTEGER DEFAULT 0, FS1 TEXT, FS2 TEXT, FS3 TEXT,"
              u" FS4 TEXT, FS5 TEXT, FF1 NUMERIC(10,6), FF2 NUMERIC(10,6), FI1 INTEGER,"
              u" FI2 INTEGER, FI3 INTEGER, FI4 INTEGER, FI5 INTEGER, FI6 INTEGER, FI7 INTEGER)"},
    {u"lotniki",
     u"CREATE TABLE lotniki(id INTEGER PRIMARY KEY, id_lotu INTEGER, id_hodowli INTEGER,"
     u" id_golebia INTEGER, DataCzasPrzylotu INTEGER(64), nr_konkursu INTEGER,"
     u" nr_konkursu_sekcja INTEGER, CoefficientOddzialowy NUMERIC(6,6),"
     u" CoefficientSekcyjny NUMERIC(6,6), PunktyOddzial NUMERIC(6,6),"
     u" PunktySekcja NUMERIC(6,6), rate INTEGER DEFAULT 0, rate2 INTEGER DEFAULT 0,"
     u" notprint INTEGER DEFAULT 0, notatki TEXT, notatki2 TEXT, notatki3 TEXT,"
     u" PunktyFed NUMERIC(6,6), PunktyLoft NUMERIC(6,6), MiejsceFed INTEGER DEFAULT 0,"
     u" MiejsceLoft INTEGER DEFAULT 0, CF1 INTEGER DEFAULT 0, CF2 INTEGER DEFAULT 0,"
     u" CF3 INTEGER DEFAULT 0, CF4 INTEGER DEFAULT 0, FF1 NUMERIC(6,6),"
     u" FF2 NUMERIC(6,6), FF3 NUMERIC(6,6), FF4 NUMERIC(6,6), FF5 NUMERIC(6,6),"
     u" FF6 NUMERIC(6,6), FF7 NUMERIC(6,6), FS1 TEXT, FS2 TEXT, FS3 TEXT, FS4 TEXT,"
     u" FS5 TEXT, FI1 INTEGER, FI2 INTEGER, FI3 INTEGER, FI4 INTEGER, FI5 INTEGER,"
     u" FI6 INTEGER, FI7 INTEGER)"},
    {u"zdjecia", u"CREATE TABLE zdjecia(id INTEGER PRIMARY KEY, id_golebia INTEGER,"
                 u" id_hodowli INTEGER, rodzaj INTEGER, kategoria INTEGER, subkategoria INTEGER,"
                 u" rozszerzenie TEXT, classify1 INTEGER DEFAULT 0, classify2 INTEGER DEFAULT 0,"
                 u" classify3 INTEGER DEFAULT 0, classify4 INTEGER DEFAULT 0,"
                 u" classify5 INTEGER DEFAULT 0, opis1 TEXT, opis2 TEXT, opis3 TEXT, nazwa TEXT,"
                 u" ocena INTEGER DEFAULT 0, FI1 INTEGER, FI2 INTEGER, SF1 TEXT, SF2 TEXT)"},
    {u"dokumenty",
     u"CREATE TABLE dokumenty(id INTEGER PRIMARY KEY, id_hodowli INTEGER,"
     u" rodzaj INTEGER, id_wlasciciela INTEGER, kategoria INTEGER, subkategoria INTEGER,"
     u" rozszerzenie TEXT, nazwa TEXT, opis1 TEXT, opis2 TEXT, opis3 TEXT, SF1 TEXT,"
     u" F1 INTEGER, F2 INTEGER)"},
    {u"lekisuplementy",
     u"CREATE TABLE lekisuplementy(id INTEGER PRIMARY KEY, id_hodowli INTEGER,"
     u" rodzaj INTEGER, id_golebia INTEGER, kategoria INTEGER, data_podania INTEGER(64),"
     u" data_expire INTEGER(64), nazwa TEXT, dawka TEXT, dzialanie TEXT, f1 INTEGER,"
     u" f2 INTEGER, uwagi TEXT, opis1 TEXT, opis2 TEXT, opis3 TEXT)"},
    {u"transakcje",
     u"CREATE TABLE transakcje(id INTEGER PRIMARY KEY, id_hodowli INTEGER,"
     u" id_golebia INTEGER, id_klienta INTEGER, cena NUMERIC(10,2), waluta INTEGER,"
     u" rodzajtransakcji INTEGER, przedmiottransakcji INTEGER, data INTEGER(64),"
     u" innyprzedmiottransakcji TEXT, not1 TEXT, not2 TEXT, not3 TEXT, not4 TEXT,"
     u" not5 TEXT, zaznaczonanaliscie INTEGER, niedrukuj INTEGER, tax1 NUMERIC(10,6),"
     u" tax2 NUMERIC(10,6), flaga_wlasna1 INTEGER, flaga_wlasna2 INTEGER)"},
    {u"kolory", u"CREATE TABLE kolory(id INTEGER PRIMARY KEY, id_hodowli INTEGER, nazwa TEXT,"
                u" nazwaf TEXT, f1 INTEGER, f2 INTEGER, UNIQUE(nazwa))"},
    {u"gatunekrasa",
     u"CREATE TABLE gatunekrasa(id INTEGER PRIMARY KEY, id_hodowli INTEGER, nazwa TEXT,"
     u" nazwaf TEXT, nazwalatin TEXT, id_2 INTEGER, f1 INTEGER, f2 INTEGER, f3 INTEGER,"
     u" sf1 TEXT, sf2 TEXT, sf3 TEXT, UNIQUE(nazwa))"},
    {u"linia", u"CREATE TABLE linia(id INTEGER PRIMARY KEY, id_hodowli INTEGER,"
               u" id_gatunku INTEGER, nazwa TEXT, nazwaf TEXT, nazwalatin TEXT, f1 INTEGER,"
               u" f2 INTEGER, UNIQUE(nazwa))"},
    {u"koloroka", u"CREATE TABLE koloroka(id INTEGER PRIMARY KEY, id_hodowli INTEGER,"
                  u" id_podgatunku INTEGER, nazwa TEXT, nazwaf TEXT, nazwalatin TEXT, f1 INTEGER,"
                  u" f2 INTEGER, UNIQUE(nazwa))"},
    {u"statusy", u"CREATE TABLE statusy(id INTEGER PRIMARY KEY, id_hodowli INTEGER, nazwa TEXT,"
                 u" opis TEXT, UNIQUE(nazwa))"},
    {u"notatki", u"CREATE TABLE notatki(id INTEGER PRIMARY KEY, id_hodowli INTEGER, nazwa TEXT,"
                 u" opis TEXT, tresc TEXT, pas TEXT, kategoria INTEGER, ikona INTEGER, f1 INTEGER,"
                 u" f2 INTEGER, f3 INTEGER)"},
    {u"sezonylegowe",
     u"CREATE TABLE sezonylegowe(id INTEGER PRIMARY KEY, id_hodowli INTEGER, Nazwa TEXT,"
     u" Opis TEXT, DATA_B INTEGER(64), DATA_E INTEGER(64), DATA_3 INTEGER(64),"
     u" DATA_4 INTEGER(64), s1 TEXT, s2 TEXT, f1 INTEGER, f2 INTEGER, f3 INTEGER,"
     u" f4 INTEGER)"},
    {u"ild", u"CREATE TABLE ild(id INTEGER PRIMARY KEY, id_golebia INTEGER, s1 TEXT, f1 INTEGER,"
             u" f2 INTEGER)"},
    {u"klienci", u"CREATE TABLE klienci(id INTEGER PRIMARY KEY, hodowla INTEGER, kategoria INTEGER,"
                 u" subkategoria INTEGER, typ INTEGER, imie TEXT, nazwisko TEXT, miejscowosc TEXT,"
                 u" ulica TEXT, nrdomu TEXT, teldom TEXT, teldom2 TEXT, telkom TEXT, telkom2 TEXT,"
                 u" email TEXT, adreswww TEXT, uwagi TEXT, not1 TEXT, not2 TEXT, not3 TEXT,"
                 u" wojewodztwo INTEGER, kraj INTEGER, kodpocztowy TEXT, nip TEXT, regon TEXT,"
                 u" pesel TEXT, nazwafirmy TEXT, adresfirmy TEXT, region TEXT,"
                 u" nazwa_wyswietlana TEXT, vip INTEGER DEFAULT 0, ocena INTEGER DEFAULT 0,"
                 u" referer INTEGER DEFAULT 0, preferowany_kontakt INTEGER DEFAULT 0,"
                 u" oddzial INTEGER, id_klubu INTEGER, klient_od INTEGER(64),"
                 u" dataurodzin INTEGER(64), fs1 TEXT, fs2 TEXT, fs3 TEXT, fs4 TEXT, fs5 TEXT,"
                 u" df1 INTEGER(64), df2 INTEGER(64), f1 INTEGER, f2 INTEGER, f3 INTEGER)"},
    // Breeders: the clients' columns with the second post code kod2 inserted at position 23.
    {u"hodowcy", u"CREATE TABLE hodowcy(id INTEGER PRIMARY KEY, hodowla INTEGER, kategoria INTEGER,"
                 u" subkategoria INTEGER, typ INTEGER, imie TEXT, nazwisko TEXT, miejscowosc TEXT,"
                 u" ulica TEXT, nrdomu TEXT, teldom TEXT, teldom2 TEXT, telkom TEXT, telkom2 TEXT,"
                 u" email TEXT, adreswww TEXT, uwagi TEXT, not1 TEXT, not2 TEXT, not3 TEXT,"
                 u" wojewodztwo INTEGER, kraj INTEGER, kodpocztowy TEXT, kod2 TEXT, nip TEXT,"
                 u" regon TEXT, pesel TEXT, nazwafirmy TEXT, adresfirmy TEXT, region TEXT,"
                 u" nazwa_wyswietlana TEXT, vip INTEGER DEFAULT 0, ocena INTEGER DEFAULT 0,"
                 u" referer INTEGER DEFAULT 0, preferowany_kontakt INTEGER DEFAULT 0,"
                 u" oddzial INTEGER, id_klubu INTEGER, klient_od INTEGER(64),"
                 u" dataurodzin INTEGER(64), fs1 TEXT, fs2 TEXT, fs3 TEXT, fs4 TEXT, fs5 TEXT,"
                 u" df1 INTEGER(64), df2 INTEGER(64), f1 INTEGER, f2 INTEGER, f3 INTEGER)"},
};

} // namespace

std::span<const SchemaTable> AllTables() {
    return kTables;
}

QString CreateTableSql(QStringView table) {
    for (const SchemaTable& t : kTables)
        if (table == QStringView(t.name))
            return QString::fromUtf16(t.createSql);
    return {};
}

namespace {

constexpr QStringView kPigeonTables[] = {u"pigeons",   u"pary",           u"dzieci",
                                         u"loty",      u"lotniki",        u"zdjecia",
                                         u"dokumenty", u"lekisuplementy", u"transakcje"};
constexpr QStringView kLoftTables[] = {u"kategoria_id", u"hodowla", u"kategoria"};
constexpr QStringView kExtraTables[] = {u"kolory",      u"ild",    u"sezonylegowe", u"notatki",
                                        u"gatunekrasa", u"linia",  u"koloroka",     u"statusy",
                                        u"klienci",     u"hodowcy"};

std::optional<QStringList> TableNames(DbSession& session) {
    QStringList names;
    if (!session.Query(u"SELECT name FROM sqlite_master WHERE type = 'table';"_s))
        return std::nullopt;
    for (; session.HasRow(); session.Next())
        names.append(session.Text(0));
    if (session.LastErrorCode() != 0)
        return std::nullopt;
    return names;
}

DbResult CreateMissing(DbSession& session, std::span<const QStringView> tables) {
    const std::optional<QStringList> existing = TableNames(session);
    if (!existing)
        return ResultOfFailure(session);
    for (QStringView table : tables) {
        if (existing->contains(table))
            continue;
        if (DbResult result = session.Run(CreateTableSql(table)); !result.ok())
            return result;
    }
    return DbResult::Done();
}

} // namespace

DbResult CreateTablesPigeons(DbSession& session) {
    return CreateMissing(session, kPigeonTables);
}

DbResult CreateTablesLofts(DbSession& session) {
    return CreateMissing(session, kLoftTables);
}

DbResult CreateTablesExtra(DbSession& session) {
    return CreateMissing(session, kExtraTables);
}

bool HoldsOnlyOtherTables(const QString& path, bool pigeonsFile) {
    const QFileInfo file(path);
    if (!file.isFile() || file.size() == 0)
        return false;
    DbSession session;
    const std::optional<QStringList> names =
        session.Open(path) ? TableNames(session) : std::nullopt;
    if (!names)
        return false; // not a database: the loaders say so
    const auto ours = [&names](std::span<const QStringView> tables) {
        return std::any_of(tables.begin(), tables.end(),
                           [&names](QStringView table) { return names->contains(table); });
    };
    const bool known = pigeonsFile ? ours(kPigeonTables) || ours(kLoftTables) : ours(kExtraTables);
    return !known && std::any_of(names->begin(), names->end(), [](const QString& name) {
        return !name.startsWith(u"sqlite_"_s);
    });
}

DbResult PrepareDatabases() {
    DbSession session;
    const auto prepare = [&session](const QString& path,
                                    std::initializer_list<DbResult (*)(DbSession&)> steps) {
        const auto close = qScopeGuard([&session] { session.Close(); });
        DbResult result = session.Open(path) ? DbResult::Done() : ResultOfFailure(session);
        for (auto step : steps)
            if (result.ok())
                result = step(session);
        return result.ok() ? result
                           : DbResult::Failed(u"The file %1 could not be prepared: %2"_s.arg(
                                 path, result.message()));
    };
    if (DbResult result = prepare(PigeonsDbPath(), {&CreateTablesLofts, &CreateTablesPigeons});
        !result.ok())
        return result;
    return prepare(ExtraDbPath(), {&CreateTablesExtra});
}
