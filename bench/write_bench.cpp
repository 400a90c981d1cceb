// SPDX-License-Identifier: GPL-3.0-or-later
// Times a ring series of 100 pigeons (one transaction) against the same 200 writes made one by
// one (a pigeon and its category link each), in one run on the same files.
//
//   vornel_bench_write [--runs N] [--max-ratio R]

#include "BenchStats.h"
#include "storage/AppData.h"
#include "storage/InstallDir.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({u"runs"_s, u"Timed runs; medians are printed."_s, u"n"_s, u"5"_s});
    parser.addOption(
        {u"max-ratio"_s, u"Fail when the series exceeds this share of the writes."_s, u"r"_s});
    parser.process(app);
    const int runs = std::max(1, parser.value(u"runs"_s).toInt());

    QTemporaryDir dir;
    SetInstallDirOverride(dir.path());
    AppData data;
    if (!data.LoadLofts().ok() || !data.SelectLoft(1).ok())
        return 2;
    LoftRecord loft;
    loft.name = u"Benchmark loft"_s;
    CategoryRecord category;
    if (!data.SaveLoft(-1, loft).ok())
        return 2;
    category.idLoft = loft.id;
    category.name = u"Young birds"_s;
    if (!data.SaveCategory(-1, category).ok())
        return 2;

    PigeonRecord model;
    model.idLoft = loft.id;
    model.country = u"PL"_s;
    model.branch = u"0207"_s;
    model.year = u"2026"_s;
    std::vector<double> series;
    std::vector<double> separate;
    qint64 ring = 1;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        std::vector<int> ids;
        timer.start();
        if (!data.AddRingSeries(model, ring, ring + 99, category.id, ids).ok())
            return 2;
        series.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        ring += 100;

        timer.restart();
        for (int i = 0; i < 100; ++i) {
            PigeonRecord pigeon = model;
            pigeon.ringNumber = QString::number(ring++);
            if (!data.SavePigeon(-1, pigeon).ok() ||
                !data.AddCategoryLink(category.id, pigeon.id).ok())
                return 2;
        }
        separate.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    const double ratio = Median(series) / Median(separate);
    std::printf("Medians of %d runs (ms):\n", runs);
    std::printf("  ring series of 100     %8.1f\n", Median(series));
    std::printf("  200 separate writes    %8.1f\n", Median(separate));
    std::printf("  ratio                  %8.3f\n", ratio);
    if (parser.isSet(u"max-ratio"_s) && ratio > parser.value(u"max-ratio"_s).toDouble()) {
        std::printf("The series takes more than %s of the separate writes.\n",
                    qPrintable(parser.value(u"max-ratio"_s)));
        return 1;
    }
    return 0;
}
