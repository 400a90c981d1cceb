// SPDX-License-Identifier: GPL-3.0-or-later
// Times the pairing tab and the best pairs on a large generated loft whose 2,000 pairs and
// 10,000 young all belong to the loft shown: listing "All Pairs" (with the F of every pair's
// young) and one season, a click on a pair (its young listed), ranking the best pairs and
// opening their window, the F column alone, and a test mating (F with its common ancestors,
// its page, its window). Every bird of the generated loft has the two birds before it as
// parents, so each line runs back through thousands of generations and every ancestor is common.
//
//   vornel_bench_breeding [--dir DIR] [--scale F] [--runs N]

#include "BenchStats.h"
#include "LargeLoft.h"
#include "breeding/BestPairs.h"
#include "breeding/NajlepszePary.h"
#include "breeding/Relationship.h"
#include "breeding/TestMating.h"
#include "breeding/TestMatingPage.h"
#include "breeding/ZakladkaEdycjaPtaka.h"
#include "storage/AppData.h"
#include "storage/InstallDir.h"
#include "storage/RowIdTableModel.h"

#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Pairing tab and best pairs on a large loft."_s);
    AddLoftOptions(parser);
    parser.process(app);

    QTemporaryDir temporary;
    const LoftOptions options = ReadLoftOptions(parser, temporary);
    const QString& dir = options.dir;
    const int runs = options.runs;
    LargeLoftSize size = options.size;
    size.pairsInFirstLoft = true;
    if (!QFile::exists(PigeonsDbPath()) || QFile(PigeonsDbPath()).size() == 0) {
        std::printf("Generating %d pairs in %s\n", size.pairs, qPrintable(dir));
        if (const QString error = GenerateLargeLoft(size); !error.isEmpty()) {
            std::fprintf(stderr, "Generating failed: %s\n", qPrintable(error));
            return 2;
        }
    }
    AppData data;
    if (!data.LoadLofts().ok() || !data.SelectLoft(1).ok() || data.lofts.empty() ||
        data.seasons.empty()) {
        std::fprintf(stderr, "The loft could not be loaded.\n");
        return 2;
    }
    data.currentLoft = 0;
    size_t children = 0;
    for (const PairRecord& pair : data.pairs)
        children += pair.children.size();

    CZakladkaEdycjaPtaka page(data, nullptr);
    page.resize(1400, 800);
    page.FillLoftLists();
    page.show();
    page.LayoutPage();
    QApplication::processEvents();
    RowIdTableModel* pairs = page.PairsModel();
    std::vector<double> all, season, click, ranking, dialog, column, mating, written, window;
    size_t common = 0;
    int listed = 0;
    int seasonListed = 0;
    int ranked = 0;
    for (int run = 0; run <= runs; ++run) {
        page.Seasons()->setCurrentIndex(1);
        const double a = TimeMs([&] { page.Seasons()->setCurrentIndex(0); });
        listed = pairs->rowCount();
        const double s = TimeMs([&] { page.Seasons()->setCurrentIndex(1); });
        seasonListed = pairs->rowCount();
        const double c =
            TimeMs([&] { page.PairsView()->selectRow((run * 397 + 11) % pairs->rowCount()); });
        if (page.SelectedPair() < 0)
            return 2;
        QElapsedTimer timer;
        timer.start();
        ranked = static_cast<int>(RankBestPairs(data).size());
        const double r = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        const double d = TimeMs([&] {
            CNajlepszePary best(data);
            best.show();
            QApplication::processEvents();
        });
        // Each figure starts from a new lineage, as each list and each window makes its own.
        const double f = TimeMs([&] {
            Lineage lineage(data);
            for (const PairRecord& pair : data.pairs)
                lineage.MatingInbreeding(pair.idCock, pair.idHen);
        });
        const PairRecord& tried = data.pairs[size_t(run * 397 + 11) % data.pairs.size()];
        MatingReport report;
        const double m = TimeMs([&] {
            Lineage lineage(data);
            report = lineage.Analyse(tried.idCock, tried.idHen);
        });
        common = report.ancestors.size();
        const double p = TimeMs([&] {
            Lineage lineage(data);
            TestMatingPage(lineage, lineage.Analyse(tried.idCock, tried.idHen));
        });
        const double w = TimeMs([&] {
            CTestMating testMating(data, tried.idCock, tried.idHen);
            testMating.show();
            QApplication::processEvents();
        });
        if (run == 0)
            continue; // warms the caches and the fonts
        column.push_back(f);
        mating.push_back(m);
        written.push_back(p);
        window.push_back(w);
        all.push_back(a);
        season.push_back(s);
        click.push_back(c);
        ranking.push_back(r);
        dialog.push_back(d);
    }
    std::printf("Loft of %zu pairs with %zu young (medians of %d runs):\n", data.pairs.size(),
                children, runs);
    const auto line = [](const QString& what, double ms) {
        std::printf("  %-44s %7.1f ms\n", qPrintable(what), ms);
    };
    line(u"pairing tab, \"All Pairs\" (%1 rows)"_s.arg(listed), Median(all));
    line(u"pairing tab, one season (%1 rows)"_s.arg(seasonListed), Median(season));
    line(u"a click on a pair, its young listed"_s, Median(click));
    line(u"ranking the best pairs (%1 couples)"_s.arg(ranked), Median(ranking));
    line(u"best pairs window opened and drawn"_s, Median(dialog));
    line(u"F of the young of all %1 pairs"_s.arg(data.pairs.size()), Median(column));
    line(u"one test mating, F and %1 common ancestors"_s.arg(common), Median(mating));
    line(u"the same with its page written"_s, Median(written));
    line(u"test mating window opened and drawn"_s, Median(window));
    return listed == static_cast<int>(data.pairs.size()) ? 0 : 2;
}
