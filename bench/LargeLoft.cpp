// SPDX-License-Identifier: GPL-3.0-or-later
#include "LargeLoft.h"

#include "storage/AppData.h"
#include "storage/DbSession.h"
#include "storage/FileStore.h"
#include "storage/InstallDir.h"
#include "storage/TextFile.h"

#include <QCommandLineParser>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kSeasonStart = 1'735'689'600; // 2025-01-01

int Scale(int count, double factor) {
    return std::max(1, static_cast<int>(count * factor));
}

const QString kNames[] = {u"Błyskawica"_s, u"Zefir"_s,  u"Kometa"_s,  u"Orzeł"_s, u"Strzała"_s,
                          u"Perła"_s,      u"Tajfun"_s, u"Śnieżka"_s, u""_s,      u"Grom"_s};
const QString kPlaces[] = {u"Gniezno"_s, u"Hanower"_s, u"Łęczyca"_s, u"Brno"_s, u"Poznań"_s};

class Writer {
public:
    explicit Writer(const QString& path) { m_ok = m_session.Open(path); }
    DbSession& Session() { return m_session; }
    bool Run(const QString& sql, const SqlValues& values) {
        if (!m_ok)
            return false;
        if (DbResult r = m_session.Run(sql, values); !r.ok()) {
            m_error = r.message();
            m_ok = false;
        }
        return m_ok;
    }
    bool Ok() const { return m_ok; }
    QString Error() const {
        return m_ok ? QString() : (m_error.isEmpty() ? m_session.LastError() : m_error);
    }

private:
    DbSession m_session;
    bool m_ok = false;
    QString m_error;
};

QString FillPigeons(const LargeLoftSize& n) {
    Writer w(PigeonsDbPath());
    DbTransaction transaction(w.Session());
    QRandomGenerator random(20251206);
    w.Run(u"INSERT INTO hodowla(id, nazwahodowli, opishodowli) VALUES (1, 'Gołębnik główny', "
          u"'strych'),"
          u" (2, 'Druga hodowla', '');"_s,
          {});
    for (int loft = 1; loft <= 2; ++loft)
        for (int c = 0; c < n.categoriesPerLoft; ++c)
            w.Run(
                u"INSERT INTO kategoria(nazwakategorii, id_hodowli, opiskategorii) VALUES (?, ?, '');"_s,
                {u"Kategoria %1"_s.arg(c + 1), loft});

    const int total = n.pigeons + n.otherLoftPigeons;
    for (int id = 1; id <= total && w.Ok(); ++id) {
        const int loft = id <= n.pigeons ? 1 : 2;
        const QString note =
            id % 3 == 0 ? u"Dobry lotnik, wrócił z Hanoweru jako pierwszy."_s : QString();
        w.Run(u"INSERT INTO pigeons(id, id_hodowli, nazwa, kraj, oddzial, rocznik, nr_obraczki,"
              u" id_matki, id_ojca, id_koloru, plec, id_statusu, DataDodania, DataUrodzenia,"
              u" DataKupna, DataSprzedazy, DataOdejscia, notatkiogolne, krotkiopis,"
              u" NotatkaRodowodowa0) VALUES (?, ?, ?, 'PL', '0207', ?, ?, ?, ?, ?, ?, 0, ?, ?,"
              u" -1, -1, -1, ?, ?, ?);"_s,
              {id, loft, kNames[id % 10], QString::number(2015 + id % 10),
               QString::number(100000 + id), id > 2 ? id - 2 : 0, id > 1 ? id - 1 : 0, id % 12,
               1 + id % 2, kSeasonStart + id, kSeasonStart - 86400LL * (id % 900), note,
               u"Niebieski samiec, linia Janssen"_s, u"Po zwycięzcy z 2019"_s});
        w.Run(u"INSERT INTO kategoria_id(id_kategorii, id_golebia) VALUES (?, ?);"_s,
              {1 + (loft - 1) * n.categoriesPerLoft + id % n.categoriesPerLoft, id});
    }
    for (int i = 0; i < n.photos && w.Ok(); ++i)
        w.Run(u"INSERT INTO zdjecia(id_golebia, id_hodowli, rodzaj, kategoria, subkategoria,"
              u" rozszerzenie, opis1) VALUES (?, 1, 0, ?, 0, 'jpg', 'profil');"_s,
              {1 + i % total, i % 3});
    for (int i = 0; i < n.documents && w.Ok(); ++i)
        w.Run(u"INSERT INTO dokumenty(id_hodowli, rodzaj, id_wlasciciela, kategoria, subkategoria,"
              u" rozszerzenie, nazwa, opis1) VALUES (1, 0, ?, 0, 0, 'pdf', 'Rodowód', '');"_s,
              {1 + i % total});
    for (int i = 0; i < n.treatments && w.Ok(); ++i)
        w.Run(u"INSERT INTO lekisuplementy(id_hodowli, rodzaj, id_golebia, kategoria, data_podania,"
              u" nazwa, dawka, dzialanie, uwagi) VALUES (1, 1, ?, 0, ?, 'Witaminy', '2 ml',"
              u" 'odporność', '');"_s,
              {1 + i % total, kSeasonStart + i * 600LL});
    // Every tenth deal is for another item than a bird.
    const int otherLoftTransactions = n.transactions / 10;
    for (int i = 0; i < n.transactions + otherLoftTransactions && w.Ok(); ++i) {
        const int loft = i < n.transactions ? 1 : 2;
        const bool bird = i % 10 != 0;
        const int pigeon = !bird       ? 0
                           : loft == 1 ? 1 + i % n.pigeons
                                       : n.pigeons + 1 + i % std::max(1, n.otherLoftPigeons);
        w.Run(u"INSERT INTO transakcje(id_hodowli, id_golebia, id_klienta, cena, waluta,"
              u" rodzajtransakcji, przedmiottransakcji, data, innyprzedmiottransakcji, not1)"
              u" VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 'gotówka, odbiór osobisty');"_s,
              {loft, pigeon, 1 + i % std::max(1, n.clients), 50.0f + (i % 40) * 12.5f, i % 5, i % 3,
               bird ? 0 : 1, kSeasonStart + i * 3600LL, bird ? QString() : u"Karma i witaminy"_s});
    }
    for (int pair = 1; pair <= n.pairs && w.Ok(); ++pair) {
        const int loft = pair % 10 == 0 && !n.pairsInFirstLoft ? 2 : 1;
        w.Run(u"INSERT INTO pary(id, id_samca, id_samicy, id_hodowli, id_sezonu, DataParowania,"
              u" DataDodania, not_ojciec, not_matka, uwagi) VALUES (?, ?, ?, ?, 1, ?, ?, '', '',"
              u" 'para z sezonu');"_s,
              {pair, 1 + (2 * pair) % n.pigeons, 2 + (2 * pair) % n.pigeons, loft,
               kSeasonStart + pair, kSeasonStart + pair});
        for (int c = 0; c < n.childrenPerPair; ++c)
            w.Run(u"INSERT INTO dzieci(id_golebia, id_pary, id_hodowli, uwagi, DataDodania)"
                  u" VALUES (?, ?, ?, '', ?);"_s,
                  {1 + static_cast<int>(random.bounded(n.pigeons)), pair, loft, kSeasonStart});
    }
    for (int race = 1; race <= n.races && w.Ok(); ++race) {
        const qint64 release = kSeasonStart + race * 86400LL + 7 * 3600;
        w.Run(u"INSERT INTO loty(id, id_hodowli, typ, kategoria, kategoria2, odleglosckm,"
              u" odlegloscm, liczba_hodowcow, golebi_oddzial, czasodlotu, miejscowosc,"
              u" pogodalokalna, pogodawmiejscuwypuszczenia, notatki) VALUES (?, 1, ?, 1, 0, ?, ?,"
              u" 120, 3000, ?, ?, 'słonecznie', 'wiatr z zachodu', '');"_s,
              {race, race % 3, 100.0 + race % 500, race % 1000, release, kPlaces[race % 5]});
        const bool largest = race == 1;
        const int entries = largest ? n.largestRaceEntries : n.entriesPerRace;
        for (int e = 0; e < entries; ++e) {
            const int loft = e % 20 == 0 && !largest ? 2 : 1;
            const int pigeon = loft == 1 ? 1 + static_cast<int>(random.bounded(n.pigeons))
                                         : n.pigeons + 1 + e % std::max(1, n.otherLoftPigeons);
            w.Run(u"INSERT INTO lotniki(id_lotu, id_hodowli, id_golebia, DataCzasPrzylotu,"
                  u" nr_konkursu, nr_konkursu_sekcja, CoefficientOddzialowy, CoefficientSekcyjny,"
                  u" PunktyOddzial, PunktySekcja, notatki) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?,"
                  u" '');"_s,
                  {race, loft, pigeon, release + 3 * 3600 + e * 37LL, e + 1, e / 4 + 1,
                   12.5f + e * 0.75f, 3.25f, 45.67f, 20.0f});
        }
    }
    if (!w.Ok())
        return w.Error();
    DbResult committed = transaction.Commit();
    return committed.ok() ? QString() : committed.message();
}

QString FillExtra(const LargeLoftSize& n) {
    Writer w(ExtraDbPath());
    DbTransaction transaction(w.Session());
    for (Lookup lookup :
         {Lookup::Colours, Lookup::Varieties, Lookup::Lines, Lookup::EyeColours, Lookup::Statuses})
        for (int i = 1; i <= 50; ++i)
            w.Run(u"INSERT INTO "_s + LookupTable(lookup) + u"(nazwa, id_hodowli) VALUES (?, 1);"_s,
                  {LookupTable(lookup) + u" %1"_s.arg(i)});
    const int notes = n.notes + n.notes / 10;
    for (int i = 1; i <= notes && w.Ok(); ++i)
        w.Run(u"INSERT INTO notatki(id, nazwa, opis, id_hodowli, kategoria, f1, f2, f3) VALUES"
              u" (?, ?, '', ?, 0, 0, 0, 0);"_s,
              {i, u"Notatka %1"_s.arg(i), i <= n.notes ? 1 : 2});
    for (int i = 1; i <= 10; ++i)
        w.Run(u"INSERT INTO sezonylegowe(id_hodowli, Nazwa, Opis, DATA_B, DATA_E) VALUES"
              u" (1, ?, '', ?, ?);"_s,
              {u"Sezon %1"_s.arg(2015 + i), kSeasonStart, kSeasonStart + 86400LL * 90});
    for (const auto& [table, count] :
         {std::pair{u"klienci"_s, n.clients}, {u"hodowcy"_s, n.breeders}})
        for (int i = 1; i <= count && w.Ok(); ++i)
            w.Run(u"INSERT INTO "_s + table +
                      u"(imie, nazwisko, miejscowosc, ulica, nrdomu, teldom, email, kodpocztowy,"
                      u" uwagi, hodowla, kategoria, subkategoria, typ, wojewodztwo, kraj) VALUES"
                      u" ('Jan', ?, 'Łódź', 'Piotrkowska', '12', '42 000 00 00', 'jan@example.pl',"
                      u" '90-001', '', 1, 0, 0, 0, 5, 0);"_s,
                  {u"Kowalski %1"_s.arg(i)});
    if (!w.Ok())
        return w.Error();
    DbResult committed = transaction.Commit();
    return committed.ok() ? QString() : committed.message();
}

// A page of notes with the formats the notepad offers, about 3 KB.
QString NoteBody(int i) {
    QString body = u"<html><body><p><b>Plan na sezon %1</b></p><hr />"_s.arg(2015 + i % 10);
    for (int line = 0; line < 12; ++line)
        body += u"<p>Lot %1: <i>wkładanie</i> w piątek, <u>odjazd</u> o %2:00, "
                u"<font size=\"%3\">Gniezno – Hanower</font>.</p>"_s.arg(line + 1)
                    .arg(5 + line % 4)
                    .arg(2 + line % 5);
    return body + u"</body></html>"_s;
}

QString FillNoteBodies(const LargeLoftSize& n) {
    const int notes = n.notes + n.notes / 10;
    for (int i = 1; i <= notes; ++i)
        if (!WriteTextFile(NotePath(i), NoteBody(i)))
            return u"Cannot write "_s + NotePath(i);
    return {};
}

} // namespace

LargeLoftSize LargeLoftSize::Scaled(double factor) const {
    LargeLoftSize s = *this;
    for (int* count : {&s.pigeons, &s.otherLoftPigeons, &s.races, &s.pairs, &s.photos, &s.documents,
                       &s.treatments, &s.transactions, &s.clients, &s.breeders, &s.notes})
        *count = Scale(*count, factor);
    return s;
}

QString GenerateLargeLoft(const LargeLoftSize& size) {
    if (!PrepareInstallDir())
        return u"Cannot make the data folders under "_s + InstallDir();
    // The loaders lay down the schema exactly as the program does.
    AppData schema;
    if (DbResult r = schema.LoadLofts(); !r.ok())
        return r.message();
    if (DbResult r = schema.SelectLoft(1); !r.ok())
        return r.message();
    if (QString error = FillPigeons(size); !error.isEmpty())
        return error;
    if (QString error = FillExtra(size); !error.isEmpty())
        return error;
    return FillNoteBodies(size);
}

void AddLoftOptions(QCommandLineParser& parser) {
    parser.addHelpOption();
    parser.addOption({u"dir"_s, u"Data folder to use (generated when empty)."_s, u"dir"_s});
    parser.addOption(
        {u"scale"_s, u"Size of the loft relative to the large one."_s, u"f"_s, u"1"_s});
    parser.addOption({u"runs"_s, u"Timed runs; medians are printed."_s, u"n"_s, u"5"_s});
}

LoftOptions ReadLoftOptions(const QCommandLineParser& parser, const QTemporaryDir& temporary) {
    LoftOptions options;
    options.dir = parser.isSet(u"dir"_s) ? parser.value(u"dir"_s) : temporary.path();
    SetInstallDirOverride(options.dir);
    options.size = LargeLoftSize{}.Scaled(parser.value(u"scale"_s).toDouble());
    options.runs = std::max(1, parser.value(u"runs"_s).toInt());
    return options;
}
