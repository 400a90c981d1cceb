// SPDX-License-Identifier: GPL-3.0-or-later
// Times the three loaders on a large generated loft against the floor: plain SELECT * scans of
// the same tables on the same files, in the same run.
//
//   vornel_bench_load [--dir DIR] [--scale F] [--runs N] [--one-category] [--max-ratio R]
//
// Without --dir a temporary folder is generated and removed afterwards. With --max-ratio the
// exit code is 1 when the loaders take more than R times the floor.

#include "BenchStats.h"
#include "LargeLoft.h"
#include "storage/AppData.h"
#include "storage/DbSession.h"
#include "storage/InstallDir.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

qint64 Scan(const QString& path, const QStringList& tables) {
    DbSession session;
    qint64 rows = 0;
    if (!session.Open(path))
        return -1;
    for (const QString& table : tables) {
        if (!session.Query(u"SELECT * FROM "_s + table + u';'))
            return -1;
        for (; session.HasRow(); session.Next())
            ++rows;
    }
    return rows;
}

const QStringList kLoftTables{u"hodowla"_s, u"kategoria"_s, u"pigeons"_s};
const QStringList kPigeonTables{u"pigeons"_s,   u"transakcje"_s,     u"zdjecia"_s,
                                u"dokumenty"_s, u"lekisuplementy"_s, u"pary"_s,
                                u"dzieci"_s,    u"loty"_s,           u"lotniki"_s};
const QStringList kExtraTables{u"kolory"_s,       u"gatunekrasa"_s, u"linia"_s,
                               u"koloroka"_s,     u"statusy"_s,     u"notatki"_s,
                               u"sezonylegowe"_s, u"klienci"_s,     u"hodowcy"_s};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Loader benchmark on a large generated loft."_s);
    AddLoftOptions(parser);
    parser.addOption({u"one-category"_s, u"Put every bird of a loft into one category."_s});
    parser.addOption(
        {u"max-ratio"_s, u"Fail when loaders exceed this multiple of the floor."_s, u"r"_s});
    parser.process(app);

    QTemporaryDir temporary;
    const LoftOptions options = ReadLoftOptions(parser, temporary);
    const QString& dir = options.dir;
    const int runs = options.runs;
    LargeLoftSize size = options.size;
    if (parser.isSet(u"one-category"_s))
        size.categoriesPerLoft = 1;

    if (!QFile::exists(PigeonsDbPath()) || QFile(PigeonsDbPath()).size() == 0) {
        std::printf("Generating %d pigeons, %d races with %d entries, %d pairs with %d children,"
                    " %d photos in %s\n",
                    size.pigeons + size.otherLoftPigeons, size.races,
                    size.races * size.entriesPerRace, size.pairs, size.pairs * size.childrenPerPair,
                    size.photos, qPrintable(dir));
        QElapsedTimer timer;
        timer.start();
        if (const QString error = GenerateLargeLoft(size); !error.isEmpty()) {
            std::fprintf(stderr, "Generating failed: %s\n", qPrintable(error));
            return 2;
        }
        std::printf("Generated in %.0f ms\n", static_cast<double>(timer.elapsed()));
    }

    std::vector<double> lofts, pigeons, extra, floor;
    AppData data;
    bool ok = true;
    for (int run = 0; run <= runs; ++run) { // run 0 warms the file cache
        const double l = TimeMs([&] { ok = data.LoadLofts().ok() && ok; });
        const double p = TimeMs([&] { ok = data.LoadPigeons(1).ok() && ok; });
        const double e = TimeMs([&] { ok = data.LoadExtra(1).ok() && ok; });
        qint64 rows = 0;
        const double f = TimeMs([&] {
            rows += Scan(PigeonsDbPath(), kLoftTables);
            rows += Scan(PigeonsDbPath(), kPigeonTables);
            rows += Scan(ExtraDbPath(), kExtraTables);
        });
        if (rows < 0)
            ok = false;
        if (run == 0)
            continue;
        lofts.push_back(l);
        pigeons.push_back(p);
        extra.push_back(e);
        floor.push_back(f);
    }
    if (!ok) {
        std::fprintf(stderr, "A load or a scan failed.\n");
        return 2;
    }

    size_t entries = 0;
    for (const RaceRecord& race : data.races)
        entries += race.flyers.size();
    size_t children = 0;
    for (const PairRecord& pair : data.pairs)
        children += pair.children.size();
    std::printf("Loaded: %zu lofts, %zu pigeons, %zu races with %zu of this loft's entries,"
                " %zu pairs with %zu children\n",
                data.lofts.size(), data.pigeons.size(), data.races.size(), entries,
                data.pairs.size(), children);

    const double total = Median(lofts) + Median(pigeons) + Median(extra);
    const double ratio = total / Median(floor);
    std::printf("Medians of %d runs (ms):\n", runs);
    std::printf("  LoadLofts    %8.1f\n", Median(lofts));
    std::printf("  LoadPigeons  %8.1f\n", Median(pigeons));
    std::printf("  LoadExtra    %8.1f\n", Median(extra));
    std::printf("  loaders      %8.1f\n", total);
    std::printf("  floor        %8.1f   (SELECT * of every table the loaders read)\n",
                Median(floor));
    std::printf("  ratio        %8.2f\n", ratio);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("  peak memory  %8.1f MiB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);

    if (parser.isSet(u"max-ratio"_s) && ratio > parser.value(u"max-ratio"_s).toDouble()) {
        std::printf("The loaders take more than %s times the floor.\n",
                    qPrintable(parser.value(u"max-ratio"_s)));
        return 1;
    }
    return 0;
}
