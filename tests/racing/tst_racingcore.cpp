// SPDX-License-Identifier: GPL-3.0-or-later
// The racing computations without a window: velocities, list cells, results and ranking, the
// printed pages, the calculators, the branch table, and what a change of a race or an entry does
// in memory.

#include "app/ShippedFiles.h"
#include "racing/BranchList.h"
#include "racing/Calculators.h"
#include "racing/RaceEditing.h"
#include "racing/RaceHistory.h"
#include "racing/RaceLists.h"
#include "racing/RacePage.h"
#include "racing/RaceResults.h"
#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "storage/InstallDir.h"
#include "storage/LocalTime.h"
#include "storage/TextFile.h"
#include "storage/Velocity.h"
#include "support/DbProbe.h"
#include "support/TestDataDir.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The page frame exactly as the results page must start, tabs and all.
const QString kFrame =
    u"<html><style type=\"text/css\" media=\"print,screen\" >td { page-break-inside: auto; "
    u"font-size: 10pt; font-family: Tahoma }th { \t    font-family: Tahoma; color:black; \t    "
    u"background-color: lightgrey; \t}thead { \t    display:table-header-group; \t\t}tbody { \t"
    u"    display: table-row-group; \t}</style><script type=\"text/javascript\">window.onload = "
    u"load;function load(){var rowHeight=0;var tblHeight = 0;for(var i = 0; i < "
    u"document.all.masterTbl.rows.length;i++){oBndRct = "
    u"document.all.masterTbl.rows[i].getBoundingClientRect();rowHeight = oBndRct.bottom - "
    u"oBndRct.top + 1;  if(tblHeight + rowHeight > 900) "
    u"{document.all.masterTbl.rows[i-1].style.pageBreakAfter=\"always\";tblHeight = "
    u"0;}tblHeight += rowHeight;}}</script><body>"_s;
const QString kTableHead =
    u"<br><table style=\"width: 170mm\" border=1 cellspacing=0 cellpadding=2 "
    u"style=\"table-layout:fixed; word-wrap: break-word; page-break-after: always;\" "
    u"name=masterTbl id=masterTbl><thead><tr><th width=40>LP.</th><th>Place</th>"
    u"<th>Weather</th><th>Position</th><th>Arrive time</th><th>Speed [m/min]</th></tr></thead>"
    u"<tbody>"_s;

RaceRecord Race(int id, double km, int m, qint64 release, const QString& place = u"Hanower"_s) {
    RaceRecord race;
    race.id = id;
    race.odleglosckm = km;
    race.odlegloscm = m;
    race.czasodlotu = release;
    race.miejscowosc = place;
    race.pogodawmiejscuwypuszczenia = u"słonecznie"_s;
    return race;
}

FlyerRecord Flyer(int id, int raceId, int pigeonId, qint64 arrival, int position) {
    FlyerRecord flyer;
    flyer.id = id;
    flyer.id_lotu = raceId;
    flyer.id_golebia = pigeonId;
    flyer.DataCzasPrzylotu = arrival;
    flyer.nr_konkursu = position;
    return flyer;
}

PigeonRecord Pigeon(int id, const QString& ring, const QString& name = {}) {
    PigeonRecord pigeon;
    pigeon.id = id;
    pigeon.country = u"PL"_s;
    pigeon.branch = u"0207"_s;
    pigeon.year = u"2024"_s;
    pigeon.ringNumber = ring;
    pigeon.name = name;
    return pigeon;
}

// A loft whose pigeon 1 flew the given positions, one race each, 250.5 km in 3.5 hours.
void FlewPositions(AppData& data, int pigeonId, const std::vector<int>& positions) {
    for (int position : positions) {
        const int raceId = static_cast<int>(data.races.size()) + 1;
        RaceRecord race = Race(raceId, 250, 500, 25200 + raceId * 86400LL);
        race.flyers.push_back(Flyer(raceId, raceId, pigeonId, race.czasodlotu + 12600, position));
        data.races.push_back(race);
    }
}

// A result row from "yyyy-mm-dd place velocity position" ("-" for no date, no velocity); a date
// after "arrived" is the arrival of a race whose release is not known.
RaceResultRow HistoryRow(const QString& described) {
    const QStringList f = described.split(u' ');
    const auto date = [](const QString& text) {
        const QStringList d = text.split(u'-');
        return d.size() == 3 ? ComposeLocalTime(d[0].toInt(), d[1].toInt(), d[2].toInt(), 7, 0, 0)
                             : qint64(-1);
    };
    RaceResultRow row;
    const bool arrived = f[0] == u"arrived"_s;
    row.race.czasodlotu = arrived ? -1 : date(f[0]);
    const qint64 arrival = arrived ? date(f[1]) : row.race.czasodlotu;
    row.arrival = arrival == -1 ? -1 : arrival + 3600;
    row.race.miejscowosc = f[arrived ? 2 : 1];
    if (f[arrived ? 3 : 2] != u"-"_s)
        row.velocity = f[arrived ? 3 : 2].toFloat();
    row.position = f[arrived ? 4 : 3].toInt();
    return row;
}

QByteArray Utf16File(const QString& text) {
    QByteArray bytes("\xFF\xFE", 2);
    bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    return bytes;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestRacingCore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void velocity_data() {
        QTest::addColumn<double>("km");
        QTest::addColumn<int>("m");
        QTest::addColumn<qint64>("release");
        QTest::addColumn<qint64>("arrival");
        QTest::addColumn<QString>("cell");
        QTest::newRow("250.5 km in 3.5 h")
            << 250.0 << 500 << qint64(25200) << qint64(37800) << u"1192.86 "_s;
        QTest::newRow("beyond 32 bits")
            << 100.0 << 0 << qint64(5'000'000'000) << qint64(5'000'006'000) << u"1000 "_s;
        QTest::newRow("before 1970")
            << 100.0 << 0 << qint64(-150'000'000) << qint64(-149'994'000) << u"1000 "_s;
        // No velocity, and so an empty cell, without a positive flight time.
        QTest::newRow("zero flight time")
            << 250.0 << 0 << qint64(1000) << qint64(1000) << QString();
        QTest::newRow("arrival before release")
            << 250.0 << 0 << qint64(2000) << qint64(1000) << QString();
        QTest::newRow("no arrival") << 250.0 << 0 << qint64(1000) << qint64(-1) << QString();
        QTest::newRow("no release") << 250.0 << 0 << qint64(-1) << qint64(1000) << QString();
        // Nor without a distance (a file not written by the program may hold any).
        QTest::newRow("negative distance")
            << -250.0 << 500 << qint64(25200) << qint64(37800) << QString();
        QTest::newRow("no distance") << 0.0 << 0 << qint64(25200) << qint64(37800) << QString();
        QTest::newRow("beyond a float")
            << 1e300 << 0 << qint64(25200) << qint64(37800) << QString();
        // The first and the last of ten birds of one fancier from a 612.347 km race released at
        // 07:15:00 (all ten typed in through the windows by hand), the velocities worked out
        // apart as 612347 m / flight seconds * 60.
        const std::tuple<int, int, int, const char16_t*> sheet[] = {{14, 21, 7, u"1437.04"},
                                                                    {17, 41, 38, u"977.201"}};
        for (const auto& [hour, minute, second, velocity] : sheet)
            QTest::addRow("sheet %02d:%02d:%02d", hour, minute, second)
                << 612.0 << 347 << ComposeLocalTime(2025, 6, 14, 7, 15, 0)
                << ComposeLocalTime(2025, 6, 14, hour, minute, second)
                << QString::fromUtf16(velocity) + u' ';
    }

    void velocity() {
        QFETCH(double, km);
        QFETCH(int, m);
        QFETCH(qint64, release);
        QFETCH(qint64, arrival);
        QFETCH(QString, cell);
        const AppData data;
        const RaceRecord race = Race(1, km, m, release);
        const FlyerRecord flyer = Flyer(1, 1, 1, arrival, 1);
        QCOMPARE(FlyerCellText(data, race, flyer, FlyerVelocity), cell);
        PigeonRecord pigeon; // what no cell shows adds nothing to the totals either
        CountInTotals(pigeon, race, flyer, 1);
        QCOMPARE(FormatNumber(pigeon.velocitySum) + u' ', cell.isEmpty() ? u"0 "_s : cell);
    }

    void raceCells_data() {
        QTest::addColumn<int>("basketed");
        QTest::addColumn<int>("scored");
        QTest::addColumn<QString>("text");
        QTest::newRow("half") << 10 << 5 << u"50 %   (10 / 5)"_s;
        QTest::newRow("none basketed") << 0 << 5 << u"0 %   (0 / 5)"_s;
        QTest::newRow("none scored") << 10 << 0 << u"0 %   (10 / 0)"_s;
    }

    void raceCells() {
        QFETCH(int, basketed);
        QFETCH(int, scored);
        QFETCH(QString, text);
        RaceRecord race = Race(1, 250, 500, ComposeLocalTime(2025, 7, 5, 7, 0, 0));
        race.wlozonychgolebi = basketed;
        race.iloscwkonkursie = scored;
        QCOMPARE(RaceCellText(race, RaceScored), text);
        QCOMPARE(RaceCellText(race, RaceDistance), u"250 km"_s); // the metres are not shown
    }

    void pigeonResults_data() {
        QTest::addColumn<std::vector<int>>("positions");
        QTest::addColumn<int>("average");
        QTest::addColumn<int>("best");
        // Position 0 is "not placed": neither averaged nor the best.
        QTest::newRow("unplaced count in neither") << std::vector<int>{3, 0, 0} << 3 << 3;
        QTest::newRow("never placed") << std::vector<int>{0, 0} << 0 << 0;
        QTest::newRow("10000 and above never best")
            << std::vector<int>{10000, 12000, 0} << 11000 << 0;
        QTest::newRow("9999 can be best") << std::vector<int>{10000, 9999} << 9999 << 9999;
        QTest::newRow("smallest of many") << std::vector<int>{40, 7, 19, 7} << 18 << 7;
        QTest::newRow("no entries") << std::vector<int>{} << 0 << 0;
    }

    void pigeonResults() {
        QFETCH(std::vector<int>, positions);
        QFETCH(int, average);
        QFETCH(int, best);
        AppData data;
        data.pigeons[1] = Pigeon(1, u"1"_s);
        FlewPositions(data, 1, positions);
        // Another pigeon's entries never count.
        data.races.push_back(Race(99, 100, 0, 1000));
        data.races.back().flyers.push_back(Flyer(99, 99, 2, 2000, 1));
        const PigeonRaceResults results = CollectRaceResults(data, 1);
        QCOMPARE(results.rows.size(), positions.size());
        QCOMPARE(results.averagePosition, average);
        for (const RaceRecord& race : data.races) // the totals that rank the bird, alike
            if (race.flyers[0].id_golebia == 1)
                CountInTotals(data.pigeons[1], race, race.flyers[0], 1);
        QCOMPARE(data.pigeons[1].averagePosition, average);
        QCOMPARE(results.bestPosition, best);
        QCOMPARE(results.maxVelocity.has_value(), !positions.empty());
        if (!positions.empty()) {
            QCOMPARE(ResultRowTexts(results.rows[0]),
                     (QStringList{u"Hanower"_s, u"słonecznie"_s, QString::number(positions[0]),
                                  u"1192.86"_s, FormatTime(results.rows[0].arrival)}));
        }
    }

    void raceHistory_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("points");
        QTest::addColumn<QString>("axes"); // velocity min max step, position max step
        QTest::addColumn<QList<int>>("seasons");
        QTest::addColumn<int>("undated");
        QTest::newRow("date order over three seasons")
            << QStringList{u"2026-06-14 Gniezno 1250 5"_s, u"2024-05-04 Hanower 1100.5 0"_s,
                           u"2025-07-01 Poznań - 12"_s}
            << QStringList{u"Hanower, 04/05/24: 1100.5 m/min, not placed"_s,
                           u"Poznań, 01/07/25: no velocity, position 12"_s,
                           u"Gniezno, 14/06/26: 1250 m/min, position 5"_s}
            << u"1100 1250 50, 15 5"_s << QList<int>{2024, 2025, 2026} << 0;
        QTest::newRow("before 1970, dated by the arrival")
            << QStringList{u"arrived 1966-05-01 Lipsk - 1"_s, u"1965-06-20 Lipsk 980 3"_s}
            << QStringList{u"Lipsk, 20/06/65: 980 m/min, position 3"_s,
                           u"Lipsk, 01/05/66: no velocity, position 1"_s}
            << u"850 1100 50, 5 1"_s << QList<int>{1965, 1966} << 0;
        QTest::newRow("one race") << QStringList{u"2025-05-04 Gniezno 1192.86 2"_s}
                                  << QStringList{u"Gniezno, 04/05/25: 1192.86 m/min, position 2"_s}
                                  << u"1050 1350 50, 5 1"_s << QList<int>{2025} << 0;
        QTest::newRow("no velocity, no date")
            << QStringList{u"- Gniezno 1200 1"_s, u"2025-06-01 Gniezno - 0"_s}
            << QStringList{u"Gniezno, 01/06/25: no velocity, not placed"_s} << u"0 1000 200, 5 1"_s
            << QList<int>{2025} << 1;
        QTest::newRow("no races") << QStringList{} << QStringList{} << u"0 1000 200, 5 1"_s
                                  << QList<int>{} << 0;
    }

    void raceHistory() {
        QFETCH(QStringList, rows);
        QFETCH(QStringList, points);
        QFETCH(QString, axes);
        QFETCH(QList<int>, seasons);
        QFETCH(int, undated);
        std::vector<RaceResultRow> results;
        for (const QString& row : rows)
            results.push_back(HistoryRow(row));
        const RaceHistory history = BuildRaceHistory(results);
        QStringList texts;
        for (const RaceHistoryPoint& point : history.points) {
            texts.append(RaceHistoryText(point));
            QVERIFY(point.date > history.from && point.date < history.to);
        }
        QCOMPARE(texts, points);
        const ChartAxis& v = history.velocity;
        QCOMPARE(u"%1 %2 %3, %4 %5"_s.arg(v.min)
                     .arg(v.max)
                     .arg(v.step)
                     .arg(history.position.max)
                     .arg(history.position.step),
                 axes);
        QCOMPARE(v.Ticks().front(), v.min);
        QCOMPARE(v.Ticks().back(), v.max);
        QList<int> years;
        for (const ChartSeason& season : history.seasons) {
            years.append(season.year);
            QVERIFY(season.from < season.to);
        }
        QCOMPARE(years, seasons);
        QCOMPARE(history.undated, undated);
    }

    void bestPigeonRanking() {
        AppData data;
        // Entries 11, 10, 11, 12 and 11 with averages 5, 1, 5, 2 and 0 (never placed).
        const std::pair<int, int> birds[] = {{11, 5}, {10, 1}, {11, 5}, {12, 2}, {11, 0}};
        for (int i = 0; i < 5; ++i) {
            PigeonRecord pigeon = Pigeon(i + 1, QString::number(i + 1));
            pigeon.raceEntries = birds[i].first;
            pigeon.averagePosition = birds[i].second;
            data.pigeons[pigeon.id] = pigeon;
        }
        QCOMPARE(RankBestPigeons(data), (std::vector<int>{4, 1, 3, 5}));
    }

    void resultsPageIsTheFixedText() {
        TestDataDir dir;
        AppData data;
        data.pigeons[1] = Pigeon(1, u"555"_s, u"Grom"_s);
        FlewPositions(data, 1, {3, 0});
        data.races[1].miejscowosc = u"Gniezno"_s;
        const PigeonRaceResults results = CollectRaceResults(data, 1);
        const QString path = dir.path() + u"/wyniki.html"_s;
        QVERIFY(WriteResultsPage(path, results.rows, data.pigeons[1]));
        const QString expected =
            kFrame + u"<h2>Racing Results of PL 0207 2024 555 [Grom]</h2>"_s + kTableHead +
            u"<tr valign=top>\r\n<td>1</td><td>Hanower</td><td>słonecznie</td><td>3</td><td>"_s +
            FormatTime(results.rows[0].arrival) +
            u"</td><td>1192.86</td></tr>\r\n<tr valign=top>\r\n<td>2</td><td>Gniezno</td>"
            u"<td>słonecznie</td><td>0</td><td>"_s +
            FormatTime(results.rows[1].arrival) + u"</td><td>1192.86</td></tr>\r\n</table>"_s;
        QCOMPARE(FileBytes(path), Utf16File(expected));

        // A pigeon without entries: frame, heading, table head and the end only.
        QVERIFY(WriteResultsPage(path, {}, Pigeon(2, u"9"_s)));
        QCOMPARE(FileBytes(path),
                 Utf16File(kFrame + u"<h2>Racing Results of PL 0207 2024 9</h2>"_s + kTableHead +
                           u"</table>"_s));
        // A name is shown as typed, never taken as markup.
        QVERIFY(ResultsPageHtml({}, Pigeon(3, u"1"_s, u"<b>O'Neil & \"Syn\""_s))
                    .contains(u"[&lt;b&gt;O'Neil &amp; &quot;Syn&quot;]"_s));
        // A file that cannot be written is reported.
        QVERIFY(!WriteResultsPage(dir.path() + u"/missing/folder/x.html"_s, {}, Pigeon(2, {})));
    }

    void racePage() {
        AppData data;
        data.pigeons[1] = Pigeon(1, u"555"_s, u"<i>Grom</i>"_s);
        RaceRecord race =
            Race(4, 612, 347, ComposeLocalTime(2025, 6, 14, 7, 15, 0), u"Gotha <Niemcy>"_s);
        race.kategoria = 2;
        race.kategoria2 = 4;
        race.notatki = u"wiatr\npołudniowy"_s;
        FlyerRecord flyer = Flyer(1, 4, 1, ComposeLocalTime(2025, 6, 14, 14, 21, 7), 12);
        flyer.PunktySekcja = 48.5f;
        race.flyers = {flyer, Flyer(2, 4, 1, ComposeLocalTime(2025, 6, 15, 6, 2, 0), 0)};
        const QString page = RacePageHtml(data, race);
        for (const QString& part :
             {u"<h2>Race Gotha &lt;Niemcy&gt;</h2>"_s, u"14/06/25, 07:15:00"_s, u"612 km 347 m"_s,
              u"B / M"_s, u"wiatr<br>południowy"_s,
              u"<td>PL 0207 2024 555 [&lt;i&gt;Grom&lt;/i&gt;]</td><td>14:21:07</td><td>12</td>"_s,
              u"<td>48.5</td><td>1437.04</td>"_s, u"<td>15/06/25, 06:02:00</td>"_s})
            QVERIFY2(page.contains(part), qPrintable(part));
    }

    void distanceCalculator_data() {
        QTest::addColumn<QList<double>>("points"); // lat1 d m s, lon1 d m s, lat2..., lon2...
        QTest::addColumn<QString>("kilometres");
        QTest::newRow("equal points")
            << QList<double>{52, 13, 5, 21, 0, 40, 52, 13, 5, 21, 0, 40} << u"0"_s;
        QTest::newRow("180 and -180 degrees are one")
            << QList<double>{52, 0, 0, 180, 0, 0, 52, 0, 0, -180, 0, 0} << u"0"_s;
        QTest::newRow("a degree along the equator")
            << QList<double>{0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0} << u"111.125"_s;
        QTest::newRow("a degree along a meridian")
            << QList<double>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0} << u"111.125"_s;
        QTest::newRow("minutes above 59 add up")
            << QList<double>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 60, 0} << u"111.125"_s;
        // The sign of the degrees is the whole angle's, -0 too.
        QTest::newRow("-0 30 0 to 0 30 0")
            << QList<double>{0, 0, 0, -0.0, 30, 0, 0, 0, 0, 0, 30, 0} << u"111.125"_s;
        QTest::newRow("west of Greenwich, as in decimals")
            << QList<double>{36, 7, 12, -86, 40, 12, 33, 56, 24, -118, 24, 0} << u"2884.63"_s;
        QTest::newRow("the same in decimals")
            << QList<double>{36.12, 0, 0, -86.67, 0, 0, 33.94, 0, 0, -118.4, 0, 0} << u"2884.63"_s;
    }

    void distanceCalculator() {
        QFETCH(QList<double>, points);
        QFETCH(QString, kilometres);
        const auto angle = [&points](int i) {
            return AngleInRadians(points[i], points[i + 1], points[i + 2]);
        };
        QCOMPARE(FormatNumber(GreatCircleDistance(angle(0), angle(3), angle(6), angle(9))),
                 kilometres);
    }

    void velocityCalculator() {
        // 72 km in an hour is shown by the calculator's window test.
        QCOMPARE(ThreeDigits(VelocityOfFlight(7, 6, 7, 612.347f)->kilometresPerHour), u"86.2"_s);
        QVERIFY(!VelocityOfFlight(0, 0, 0, 72.0f));
        QVERIFY(!VelocityOfFlight(0, -5, 0, 72.0f));
        // Hours past the range of int seconds still give a finite answer.
        QVERIFY(VelocityOfFlight(2'000'000, 0, 0, 72.0f));
    }

    void branchSearch_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("EŁK") << u"EŁK"_s << QStringList{u"013   - EŁK, Oddział: Białystok"_s};
        QTest::newRow("07") << u"07"_s
                            << QStringList{u"07    - BIAŁA PODLASKA, Oddział: Biała Podlaska"_s,
                                           u"070    PUCK, Oddział: GDAŃSK"_s,
                                           u"0207   LEGNICA, Oddział: LEGNICA"_s};
        QTest::newRow("nothing") << u"XYZ"_s << QStringList{};
    }

    void branchSearch() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        TestDataDir dir;
        const std::vector<BranchDistrict> table = LoadBranchTable();
        QString expected;
        for (const QString& line : lines)
            expected += line + u"\r\n"_s;
        QCOMPARE(SearchBranches(table, text), expected);
    }

    void branchTable() {
        TestDataDir dir;
        // The shipped table goes into the data folder once; a user's completed copy stays.
        QVERIFY(InstallShippedFiles());
        const std::vector<BranchDistrict> shipped = LoadBranchTable();
        QCOMPARE(SearchBranches(shipped, {}).count(u"\r\n"_s), 32); // every shipped entry

        QString text = ReadTextFile(BranchTablePath());
        text += u"\nŁÓDŹ\t0139\tZGIERZ\nBiała Podlaska\t0386\tTERESPOL\nNOWY OKRĘG\t0999\tTEST\n"
                u"KATOWICE\t0110\n"_s;
        QVERIFY(WriteTextFile(BranchTablePath(), text));
        QVERIFY(InstallShippedFiles());
        const std::vector<BranchDistrict> completed = LoadBranchTable();
        QStringList names;
        for (const BranchDistrict& district : completed)
            names.append(district.name);
        // Districts in the association's order, an unknown one last; numbers in order.
        QCOMPARE(names.indexOf(u"ŁÓDŹ"_s), names.indexOf(u"LEGNICA"_s) + 1);
        QCOMPARE(names.last(), u"NOWY OKRĘG"_s);
        QCOMPARE(completed.front().entries.at(5), u"0386  - TERESPOL"_s);
        QCOMPARE(SearchBranches(completed, u"ZGIERZ"_s), u"0139   ZGIERZ, Oddział: ŁÓDŹ\r\n"_s);
        QCOMPARE(completed.back().entries, QStringList{u"0999   TEST"_s});

        // A table that cannot be read falls back to the shipped one.
        QVERIFY(QFile::remove(BranchTablePath()));
        QVERIFY(QDir().mkpath(BranchTablePath()));
        QCOMPARE(LoadBranchTable().size(), shipped.size());
    }

    void changesKeepTheTotalsOfAReload() {
        TestDataDir dir;
        AppData data; // loft 1, no loft rows needed
        QVERIFY(data.SelectLoft(1).ok());
        PigeonRecord pigeon = Pigeon(0, u"1"_s);
        pigeon.idLoft = 1;
        QVERIFY(data.SavePigeon(-1, pigeon).ok());
        RaceRecord race = Race(-1, 250, 500, 25200);
        QVERIFY(data.SaveRace(-1, race).ok());
        AddLoadedRace(data, race);
        for (int position : {4, 9}) {
            FlyerRecord flyer = Flyer(-1, race.id, pigeon.id, 37800, position);
            flyer.id_hodowli = 1;
            QVERIFY(data.SaveFlyer(-1, flyer).ok());
            AddLoadedFlyer(data, flyer);
        }
        FlyerRecord edited = data.races[0].flyers[0];
        edited.nr_konkursu = 2;
        edited.DataCzasPrzylotu = 25200; // no velocity any more
        QVERIFY(data.SaveFlyer(edited.id, edited).ok());
        ReplaceLoadedFlyer(data, edited);
        RaceRecord longer = data.races[0];
        longer.odleglosckm = 300;
        QVERIFY(data.SaveRace(longer.id, longer).ok());
        ReplaceLoadedRace(data, longer);
        QCOMPARE(data.races[0].flyers.size(), 2u);

        const auto sameAsReload = [&data, &pigeon] {
            AppData reloaded;
            QVERIFY(reloaded.SelectLoft(1).ok());
            const PigeonRecord& a = data.pigeons.at(pigeon.id);
            const PigeonRecord& b = reloaded.pigeons.at(pigeon.id);
            QCOMPARE(a.raceEntries, b.raceEntries);
            QCOMPARE(a.positionSum, b.positionSum);
            QCOMPARE(a.averagePosition, b.averagePosition);
            QCOMPARE(a.velocitySum, b.velocitySum);
        };
        sameAsReload();
        QCOMPARE(data.pigeons.at(pigeon.id).averagePosition, 5);

        FlyerRecord gone = data.races[0].flyers[1];
        QVERIFY(data.SaveFlyer(-2, gone).ok());
        RemoveLoadedFlyer(data, gone.id_lotu, gone.id);
        sameAsReload();

        // Deleting the race takes its entries along, so that none joins a later race that gets
        // the same id.
        QVERIFY(DeleteRaceWithEntries(data, race.id).ok());
        QVERIFY(data.races.empty());
        QCOMPARE(data.pigeons.at(pigeon.id).raceEntries, 0);
        QCOMPARE(DbProbe::Number(dir.pigeonsDb(), u"SELECT count(*) FROM lotniki;"_s), 0);
    }
};

QTEST_GUILESS_MAIN(TestRacingCore)
#include "tst_racingcore.moc"
