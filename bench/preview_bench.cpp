// SPDX-License-Identifier: GPL-3.0-or-later
// Times moving through the pigeon list on a large generated loft: 100 pigeons selected one
// after another, each selection refreshing the photo box and the preview page shown, for each
// of the five pages.
//
//   vornel_bench_preview [--dir DIR] [--scale F]

#include "BenchStats.h"
#include "LargeLoft.h"
#include "register/ZakladkaListaPsow.h"
#include "storage/AppData.h"
#include "storage/InstallDir.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Selecting pigeons with each preview page shown."_s);
    AddLoftOptions(parser);
    parser.process(app);

    QTemporaryDir temporary;
    const LoftOptions options = ReadLoftOptions(parser, temporary);
    const QString& dir = options.dir;
    LargeLoftSize size = options.size;
    size.pairsInFirstLoft = true;
    if (!QFile::exists(PigeonsDbPath()) || QFile(PigeonsDbPath()).size() == 0) {
        std::printf("Generating %d pigeons in %s\n", size.pigeons, qPrintable(dir));
        if (const QString error = GenerateLargeLoft(size); !error.isEmpty()) {
            std::fprintf(stderr, "Generating failed: %s\n", qPrintable(error));
            return 2;
        }
    }
    AppData data;
    if (!data.LoadLofts().ok() || data.lofts.empty() || !data.SelectLoft(data.lofts[0].id).ok()) {
        std::fprintf(stderr, "The loft could not be loaded.\n");
        return 2;
    }
    data.currentLoft = 0;
    data.currentCategory = 0;

    CZakladkaListaPsow page(data, nullptr);
    page.resize(1400, 900);
    page.show();
    page.LayoutPage();
    page.ShowCategory(0, 0);
    QApplication::processEvents();
    const int rows = std::min(100, page.View()->model()->rowCount());
    if (rows == 0)
        return 2;
    const char* const names[] = {"summary", "family tree", "progeny", "siblings", "race results"};
    std::printf("Selecting %d pigeons of %d, each drawn (median per selection):\n", rows,
                page.View()->model()->rowCount());
    for (int preview = 0; preview < 5; ++preview) {
        page.ShowPreviewPage(preview);
        page.SelectRow(rows - 1);
        QApplication::processEvents();
        std::vector<double> times;
        for (int row = 0; row < rows; ++row) {
            QElapsedTimer timer;
            timer.start();
            page.SelectRow(row);
            QApplication::processEvents();
            times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        std::printf("  %-13s %6.2f ms   (slowest %.2f ms)\n", names[preview], Median(times),
                    *std::max_element(times.begin(), times.end()));
    }
    return 0;
}
