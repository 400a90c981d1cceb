// SPDX-License-Identifier: GPL-3.0-or-later
#include "racing/RacePage.h"

#include "racing/RaceLists.h"
#include "racing/RaceResults.h"
#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "storage/InstallDir.h"
#include "storage/LocalTime.h"
#include "storage/TextFile.h"
#include "storage/Velocity.h"

using namespace Qt::StringLiterals;

namespace {

QString TwoDigits(int value) {
    return u"%1"_s.arg(value, 2, 10, QLatin1Char('0'));
}

QString ClockText(const LocalFields& f) {
    return TwoDigits(f.hour) + u':' + TwoDigits(f.minute) + u':' + TwoDigits(f.second);
}

// Seconds count on a race page; the day is given when it is not the release day.
QString TimeText(qint64 time, qint64 release) {
    LocalFields f;
    if (!SplitLocalTime(time, f))
        return {};
    LocalFields r;
    const bool sameDay =
        SplitLocalTime(release, r) && r.year == f.year && r.month == f.month && r.day == f.day;
    const QString date =
        TwoDigits(f.day) + u'/' + TwoDigits(f.month) + u'/' + TwoDigits(f.year % 100) + u", "_s;
    return (sameDay ? QString() : date) + ClockText(f);
}

QString ListItem(const QStringList& items, int index) {
    return index >= 0 && index < items.size() ? items[index] : QString();
}

QString Pair(const QString& label, const QString& value) {
    return u"<th align=left>"_s + label + u"</th><td>"_s + value.toHtmlEscaped() + u"</td>"_s;
}

QString Angle(int degrees, int minutes, int seconds) {
    return u"%1° %2' %3\""_s.arg(degrees).arg(minutes).arg(seconds);
}

} // namespace

QString RacePageHtml(const AppData& data, const RaceRecord& race) {
    QString page = RacingPageHead(u"Tahoma"_s, u"10"_s, u"600"_s);
    page += u"<h2>Race "_s + race.miejscowosc.toHtmlEscaped() + u"</h2>"_s;

    const QString categories = ListItem(RaceCategoryNames(), race.kategoria) + u" / "_s +
                               ListItem(RaceCategoryNames(), race.kategoria2);
    const QString duration = u"%1:%2:%3"_s.arg(race.czas_trwania_konkursu_g)
                                 .arg(TwoDigits(race.czas_trwania_konkursu_m))
                                 .arg(TwoDigits(race.czas_trwania_konkursu_s));
    const QString releaseText = TimeText(race.czasodlotu, -1);
    const QString rows[][4] = {
        {u"Release"_s, releaseText, u"Race type"_s, ListItem(RaceTypeNames(), race.typ)},
        {u"Distance"_s, u"%1 km %2 m"_s.arg(FormatNumber(race.odleglosckm)).arg(race.odlegloscm),
         u"Category 1 / 2"_s, categories},
        {u"Weather"_s, race.pogodawmiejscuwypuszczenia, u"Local weather"_s, race.pogodalokalna},
        {u"First pigeon time"_s, TimeText(race.czas_pierwszego_w_konk, race.czasodlotu),
         u"Last pigeon time"_s, TimeText(race.czas_ostatniego_w_konk, race.czasodlotu)},
        {u"Race time(H:M:S)"_s, duration, u"Release point"_s,
         u"Longitude "_s + Angle(race.DL_stopnie, race.DL_minuty, race.DL_sekundy) +
             u", Latitude "_s + Angle(race.SZ_stopnie, race.SZ_minuty, race.SZ_sekundy)},
        {u"Number of breeders"_s, QString::number(race.liczba_hodowcow), u"Scored"_s,
         ScoredText(race.wlozonychgolebi, race.iloscwkonkursie)},
        {u"All pigeons in union"_s, QString::number(race.golebi_oddzial), u"All pigeons in club"_s,
         QString::number(race.golebi_sekcja)},
        {u"Winning Birds in Union"_s, QString::number(race.konkursow_oddzial),
         u"Winning Birds in Club"_s, QString::number(race.konkursow_sekcja)},
        {u"Birds in race"_s, QString::number(race.wlozonychgolebi), u"Birds that earned points"_s,
         QString::number(race.iloscwkonkursie)},
    };
    page += u"<table style=\"width: 250mm\" border=1 cellspacing=0 cellpadding=2>"_s;
    for (const auto& row : rows)
        page += u"<tr>"_s + Pair(row[0], row[1]) + Pair(row[2], row[3]) + u"</tr>\r\n"_s;
    if (!race.notatki.isEmpty())
        page += u"<tr><th align=left>Remarks</th><td colspan=3>"_s +
                race.notatki.toHtmlEscaped().replace(u'\n', u"<br>"_s) + u"</td></tr>\r\n"_s;
    page += u"</table>"_s;

    page += u"<br><table style=\"width: 250mm\" border=1 cellspacing=0 cellpadding=2 "
            u"style=\"table-layout:fixed; word-wrap: break-word;\" name=masterTbl id=masterTbl>"_s;
    page += u"<thead><tr><th width=40>LP.</th><th>Pigeon</th><th>Arrival</th>"
            u"<th>Position (Union)</th><th>Position (Club)</th><th>Coefficient (Union)</th>"
            u"<th>Coefficient (Club)</th><th>Points (Union)</th><th>Points (Club)</th>"
            u"<th>Velocity [m/min]</th></tr></thead><tbody>"_s;
    int number = 0;
    for (const FlyerRecord& flyer : race.flyers) {
        const QString cells[] = {QString::number(++number),
                                 BandLabel(data.FindPigeon(flyer.id_golebia)),
                                 TimeText(flyer.DataCzasPrzylotu, race.czasodlotu),
                                 QString::number(flyer.nr_konkursu),
                                 QString::number(flyer.nr_konkursu_sekcja),
                                 FormatNumber(flyer.CoefficientOddzialowy),
                                 FormatNumber(flyer.CoefficientSekcyjny),
                                 FormatNumber(flyer.PunktyOddzial),
                                 FormatNumber(flyer.PunktySekcja),
                                 VelocityText(RaceVelocity(race, flyer))};
        page += u"<tr valign=top>\r\n"_s;
        for (const QString& cell : cells)
            page += u"<td>"_s + cell.toHtmlEscaped() + u"</td>"_s;
        page += u"</tr>\r\n"_s;
    }
    page += u"</tbody></table></body></html>"_s;
    return page;
}

bool WriteRacePage(const QString& path, const AppData& data, const RaceRecord& race) {
    return WriteTextFile(path, RacePageHtml(data, race));
}

QString RacePagePath() {
    return InstallDir() + u"/gx_lot.html"_s;
}
