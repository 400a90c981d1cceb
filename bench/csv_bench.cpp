// SPDX-License-Identifier: GPL-3.0-or-later
// Times CSV on the large loft: exporting the first loft's 10,000 pigeons (every bird put in one
// list), and importing 10,000 entries into a new race, checked and written in one transaction.
//
//   vornel_bench_csv [--dir DIR] [--scale F] [--runs N]

#include "BenchStats.h"
#include "LargeLoft.h"
#include "io/CsvExport.h"
#include "io/CsvImport.h"
#include "storage/AppData.h"
#include "storage/InstallDir.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTime>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"CSV export and import benchmark on a large loft."_s);
    AddLoftOptions(parser);
    parser.process(app);
    QTemporaryDir temporary;
    const LoftOptions options = ReadLoftOptions(parser, temporary);
    if (!QFile::exists(PigeonsDbPath()) || QFile(PigeonsDbPath()).size() == 0)
        if (const QString error = GenerateLargeLoft(options.size); !error.isEmpty()) {
            std::fprintf(stderr, "Generating failed: %s\n", qPrintable(error));
            return 2;
        }
    AppData data;
    data.LoadLofts();
    data.currentLoft = 0;
    data.SelectLoft(data.lofts.front().id);
    std::vector<int> ids;
    for (const auto& [id, pigeon] : data.pigeons)
        ids.push_back(id);

    std::vector<double> exportMs;
    QTemporaryDir out;
    const QString path = out.filePath(u"pigeons.csv"_s);
    for (int run = 0; run < options.runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        WriteCsvFile(path, PigeonsCsv(data, ids));
        exportMs.push_back(double(timer.nsecsElapsed()) / 1e6);
    }

    // One entry per pigeon, as a clock export would list them.
    CsvTable entries{{u"Band"_s, u"Arrival time"_s, u"Position"_s}, {}};
    for (size_t i = 0; i < ids.size(); ++i) {
        const PigeonRecord& p = data.pigeons.at(ids[i]);
        entries.rows.push_back({BandText(p.country, p.branch, p.year, p.ringNumber),
                                QTime(11, 0).addSecs(int(i)).toString(u"HH:mm:ss"_s),
                                QString::number(i + 1)});
    }
    const QString entriesPath = out.filePath(u"entries.csv"_s);
    WriteCsvFile(entriesPath, entries);
    std::vector<double> importMs;
    size_t imported = 0;
    for (int run = 0; run < options.runs; ++run) {
        RaceRecord race;
        race.id_hodowli = data.CurrentLoftId();
        race.czasodlotu = 1'715'000'000;
        race.odleglosckm = 300;
        data.SaveRace(-1, race);
        data.races.push_back(race);
        QElapsedTimer timer;
        timer.start();
        CsvSource source;
        QString error;
        LoadCsvSource(entriesPath, source, error);
        const CsvImportOptions settings{CsvImportKind::Entries, 0, race.id, false};
        CsvImportPlan plan =
            PlanCsvImport(data, source.records,
                          GuessCsvMapping(settings.kind, source.records[0].fields), settings);
        if (!plan.ok() || !ApplyCsvImport(data, plan, settings).ok()) {
            std::fprintf(stderr, "Import failed: %s\n", qPrintable(plan.Message(3)));
            return 1;
        }
        importMs.push_back(double(timer.nsecsElapsed()) / 1e6);
        imported = plan.entries.size();
    }
    std::printf("export of %zu pigeons to CSV: median %.1f ms\n", ids.size(), Median(exportMs));
    std::printf("import of %zu entries from CSV: median %.1f ms\n", imported, Median(importMs));
    return 0;
}
