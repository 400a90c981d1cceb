// SPDX-License-Identifier: GPL-3.0-or-later
#include "racing/RaceResults.h"

#include "racing/RaceEditing.h"
#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "storage/InstallDir.h"
#include "storage/LocalTime.h"
#include "storage/TextFile.h"
#include "storage/Velocity.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int kNoBest = 10000;

// Every field of a race but its entries, which a result row has no use for.
RaceRecord WithoutEntries(const RaceRecord& r) {
    RaceRecord c;
    c.id = r.id;
    c.id_hodowli = r.id_hodowli;
    c.typ = r.typ;
    c.kategoria = r.kategoria;
    c.kategoria2 = r.kategoria2;
    c.odleglosckm = r.odleglosckm;
    c.odlegloscm = r.odlegloscm;
    c.liczba_hodowcow = r.liczba_hodowcow;
    c.golebi_oddzial = r.golebi_oddzial;
    c.golebi_sekcja = r.golebi_sekcja;
    c.konkursow_oddzial = r.konkursow_oddzial;
    c.konkursow_sekcja = r.konkursow_sekcja;
    c.wlozonychgolebi = r.wlozonychgolebi;
    c.iloscwkonkursie = r.iloscwkonkursie;
    c.ocena = r.ocena;
    c.DL_stopnie = r.DL_stopnie;
    c.DL_minuty = r.DL_minuty;
    c.DL_sekundy = r.DL_sekundy;
    c.SZ_stopnie = r.SZ_stopnie;
    c.SZ_minuty = r.SZ_minuty;
    c.SZ_sekundy = r.SZ_sekundy;
    c.czas_trwania_konkursu_g = r.czas_trwania_konkursu_g;
    c.czas_trwania_konkursu_m = r.czas_trwania_konkursu_m;
    c.czas_trwania_konkursu_s = r.czas_trwania_konkursu_s;
    c.czasodlotu = r.czasodlotu;
    c.czas_pierwszego_w_konk = r.czas_pierwszego_w_konk;
    c.czas_ostatniego_w_konk = r.czas_ostatniego_w_konk;
    c.miejscowosc = r.miejscowosc;
    c.pogodalokalna = r.pogodalokalna;
    c.pogodawmiejscuwypuszczenia = r.pogodawmiejscuwypuszczenia;
    c.notatki = r.notatki;
    return c;
}

QString Cell(const QString& value) {
    return u"<td>"_s + value.toHtmlEscaped() + u"</td>"_s;
}

} // namespace

PigeonRaceResults CollectRaceResults(const AppData& data, int pigeonId) {
    PigeonRaceResults results;
    int best = kNoBest;
    int placed = 0;
    for (const RaceRecord& race : data.races) {
        for (const FlyerRecord& flyer : race.flyers) {
            if (flyer.id_golebia != pigeonId)
                continue;
            RaceResultRow row;
            row.race = WithoutEntries(race);
            row.position = flyer.nr_konkursu;
            row.arrival = flyer.DataCzasPrzylotu;
            row.velocity = RaceVelocity(race, flyer);
            if (IsPlaced(row.position)) {
                results.positionSum += row.position;
                ++placed;
                best = std::min(best, row.position);
            }
            if (row.velocity && (!results.maxVelocity || *row.velocity > *results.maxVelocity))
                results.maxVelocity = row.velocity;
            results.rows.push_back(std::move(row));
        }
    }
    results.averagePosition = placed > 0 ? results.positionSum / placed : 0;
    results.bestPosition = best == kNoBest ? 0 : best;
    return results;
}

QStringList ResultRowTexts(const RaceResultRow& row) {
    return {row.race.miejscowosc, row.race.pogodawmiejscuwypuszczenia,
            QString::number(row.position), VelocityText(row.velocity), FormatTime(row.arrival)};
}

std::vector<int> RankBestPigeons(const AppData& data) {
    std::vector<const PigeonRecord*> taken;
    for (const auto& [id, pigeon] : data.pigeons)
        if (pigeon.raceEntries > 10)
            taken.push_back(&pigeon);
    // A bird that never placed (average 0) comes after every bird that did.
    std::stable_sort(taken.begin(), taken.end(), [](const PigeonRecord* a, const PigeonRecord* b) {
        if (IsPlaced(a->averagePosition) != IsPlaced(b->averagePosition))
            return IsPlaced(a->averagePosition);
        return a->averagePosition < b->averagePosition;
    });
    std::vector<int> ids;
    ids.reserve(taken.size());
    for (const PigeonRecord* pigeon : taken)
        ids.push_back(pigeon->id);
    return ids;
}

QString RacingPageHead(const QString& font, const QString& fontSize, const QString& pageHeight) {
    return u"<html><style type=\"text/css\" media=\"print,screen\" >td { page-break-inside: auto; "
           u"font-size: "_s +
           fontSize + u"pt; font-family: "_s + font + u" }th { \t    font-family: "_s + font +
           u"; color:black; \t    background-color: lightgrey; \t}thead { \t    "
           u"display:table-header-group; \t\t}tbody { \t    display: table-row-group; "
           u"\t}</style><script type=\"text/javascript\">window.onload = load;function load(){var "
           u"rowHeight=0;var tblHeight = 0;for(var i = 0; i < document.all.masterTbl.rows.length;"
           u"i++){oBndRct = document.all.masterTbl.rows[i].getBoundingClientRect();rowHeight = "
           u"oBndRct.bottom - oBndRct.top + 1;  if(tblHeight + rowHeight > "_s +
           pageHeight +
           u") {document.all.masterTbl.rows[i-1].style.pageBreakAfter=\"always\";tblHeight = "
           u"0;}tblHeight += rowHeight;}}</script><body>"_s;
}

QString ResultsPageHtml(const std::vector<RaceResultRow>& rows, const PigeonRecord& pigeon) {
    QString page = RacingPageHead(u"Tahoma"_s, u"10"_s, u"900"_s);
    page += u"<h2>Racing Results of "_s + BandLabel(pigeon).toHtmlEscaped() + u"</h2>"_s;
    page += u"<br><table style=\"width: 170mm\" border=1 cellspacing=0 cellpadding=2 "
            u"style=\"table-layout:fixed; word-wrap: break-word; page-break-after: always;\" "
            u"name=masterTbl id=masterTbl>"_s;
    page += u"<thead><tr><th width=40>LP.</th><th>Place</th><th>Weather</th><th>Position</th>"
            u"<th>Arrive time</th><th>Speed [m/min]</th></tr></thead>"_s;
    page += u"<tbody>"_s;
    int number = 0;
    for (const RaceResultRow& row : rows) {
        page += u"<tr valign=top>\r\n"_s;
        page += Cell(QString::number(++number));
        page += Cell(row.race.miejscowosc);
        page += Cell(row.race.pogodawmiejscuwypuszczenia);
        page += Cell(QString::number(row.position));
        page += Cell(FormatTime(row.arrival));
        page += Cell(VelocityText(row.velocity));
        page += u"</tr>\r\n"_s;
    }
    page += u"</table>"_s;
    return page;
}

bool WriteResultsPage(const QString& path, const std::vector<RaceResultRow>& rows,
                      const PigeonRecord& pigeon) {
    return WriteTextFile(path, ResultsPageHtml(rows, pigeon));
}

QString ResultsPagePath() {
    return InstallDir() + u"/gx_wyniki.html"_s;
}
