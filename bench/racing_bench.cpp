// SPDX-License-Identifier: GPL-3.0-or-later
// Times the races tab and the best pigeons on the large loft: filling the tab's race list,
// showing the entries of the race of 1,000 entries after a click on it, and ranking the loft's
// best pigeons (alone, and with the dialog that shows them), and drawing the race history of a
// pigeon with 100 races.
//
//   vornel_bench_racing [--dir DIR] [--scale F] [--runs N]

#include "BenchStats.h"
#include "LargeLoft.h"
#include "racing/HistoriaLotow.h"
#include "racing/NajlepszeGolebie.h"
#include "racing/RaceHistoryChart.h"
#include "racing/RaceResults.h"
#include "racing/ZakladkaLotyGolebi.h"
#include "storage/AppData.h"
#include "storage/InstallDir.h"
#include "storage/RowIdTableModel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Races tab and best pigeons on a large loft."_s);
    AddLoftOptions(parser);
    parser.process(app);

    QTemporaryDir temporary;
    const LoftOptions options = ReadLoftOptions(parser, temporary);
    const int runs = options.runs;
    if (!parser.isSet(u"dir"_s)) {
        if (const QString error = GenerateLargeLoft(options.size); !error.isEmpty()) {
            std::fprintf(stderr, "generating the loft failed: %s\n", qPrintable(error));
            return 2;
        }
    }
    AppData data;
    if (!data.LoadLofts().ok() || !data.SelectLoft(1).ok())
        return 2;
    data.currentLoft = 0;
    size_t entries = 0;
    for (const RaceRecord& race : data.races)
        entries += race.flyers.size();

    CZakladkaLotyGolebi page(data, nullptr);
    page.resize(1400, 900);
    page.show();
    QApplication::processEvents();

    std::vector<double> fill;
    std::vector<double> click;
    for (int run = 0; run <= runs; ++run) {
        page.ClearLoftLists();
        QApplication::processEvents();
        const double filled = TimeMs([&page] {
            page.FillLoftLists();
            QApplication::processEvents(); // the rows on screen are drawn
        });
        // Race 1 holds the most entries: a click on its row fills the entries list.
        QTableView* races = page.RacesView();
        const QPoint row = races->visualRect(races->model()->index(0, 1)).center();
        const double clicked = TimeMs([races, row] {
            QTest::mouseClick(races->viewport(), Qt::LeftButton, {}, row);
            QApplication::processEvents();
        });
        if (run > 0) {
            fill.push_back(filled);
            click.push_back(clicked);
        }
    }
    const int shown = page.FlyersModel()->rowCount();

    std::vector<double> rank;
    std::vector<double> dialog;
    size_t ranked = 0;
    for (int run = 0; run <= runs; ++run) {
        const double alone = TimeMs([&data, &ranked] { ranked = RankBestPigeons(data).size(); });
        const double opened = TimeMs([&data] {
            CNajlepszeGolebie best(data);
            best.show();
            QApplication::processEvents();
            best.RankedList()->selectRow(0); // the first pigeon's races are listed
            QApplication::processEvents();
        });
        if (run > 0) {
            rank.push_back(alone);
            dialog.push_back(opened);
        }
    }

    // The first pigeon is given entries in memory until it has flown 100 races.
    const int flown = data.pigeons.begin()->first;
    size_t have = CollectRaceResults(data, flown).rows.size();
    for (size_t r = 0; r < data.races.size() && have < 100; ++r) {
        RaceRecord& race = data.races[r];
        if (std::any_of(race.flyers.begin(), race.flyers.end(),
                        [flown](const FlyerRecord& f) { return f.id_golebia == flown; }))
            continue;
        FlyerRecord flyer;
        flyer.id_lotu = race.id;
        flyer.id_hodowli = 1;
        flyer.id_golebia = flown;
        flyer.DataCzasPrzylotu = race.czasodlotu + 3 * 3600 + qint64(r % 50) * 60;
        flyer.nr_konkursu = r % 7 == 0 ? 0 : int(r % 300) + 1;
        race.flyers.push_back(flyer);
        ++have;
    }
    std::vector<double> history;
    size_t drawn = 0;
    for (int run = 0; run <= runs; ++run) {
        const double opened = TimeMs([&data, flown, &drawn] {
            CHistoriaLotow window(data.FindPigeon(flown), CollectRaceResults(data, flown).rows);
            window.show();
            QApplication::processEvents();
            window.Chart()->repaint(); // drawn at least once, whatever the platform posted
            drawn = window.Chart()->History().points.size();
        });
        if (run > 0)
            history.push_back(opened);
    }

    std::printf("Large loft: %zu races, %zu entries of the loft, %zu pigeons\n", data.races.size(),
                entries, data.pigeons.size());
    std::printf("Filling the races tab: %.1f ms (median of %d runs)\n", Median(fill), runs);
    std::printf("Showing the %d entries of a race after a click: %.1f ms (goal: under 20 ms)\n",
                shown, Median(click));
    std::printf("Ranking the best pigeons (%zu ranked): %.2f ms; opening the dialog with the "
                "first pigeon's races: %.1f ms (goal: under 100 ms)\n",
                ranked, Median(rank), Median(dialog));
    std::printf("Opening and drawing the race history of a pigeon with %zu races: %.1f ms "
                "(goal: under 50 ms)\n",
                drawn, Median(history));
    return shown > 0 && ranked > 0 && drawn == have ? 0 : 2;
}
