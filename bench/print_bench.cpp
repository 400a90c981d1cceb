// SPDX-License-Identifier: GPL-3.0-or-later
// Times the printouts on a large generated loft: filling and writing a five-generation
// pedigree, writing the list page of a category of 5,000 pigeons, showing that page in the
// preview, laid out and ready to scroll, and its Print Preview: the first sheet shown, every
// sheet laid out, the longest stretch the window was busy, and the memory it took and gave back.
//
//   vornel_bench_print [--dir DIR] [--scale F] [--runs N] [--whole]
//
// The loft is generated with two categories, so that each holds half of its 10,000 pigeons
// (--scale 4: 20,000 in the printed category); the first photo of every pigeon of the printed
// category is made a real picture file.

#include "BenchStats.h"
#include "LargeLoft.h"
#include "PreviewTiming.h"
#include "app/ShippedFiles.h"
#include "pedigree/EksportListyDoHTML.h"
#include "pedigree/ListPage.h"
#include "pedigree/LongPageView.h"
#include "pedigree/PageWriting.h"
#include "pedigree/PagedPrintout.h"
#include "pedigree/Pedigree.h"
#include "pedigree/PodgladHTML.h"
#include "pedigree/PrintPreview.h"
#include "pedigree/SheetView.h"
#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/InstallDir.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// A small photograph-sized picture, written wherever a printed pigeon's first photo belongs.
void MakePhotoFiles(const AppData& data, const std::vector<int>& ids) {
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(QColor(120, 160, 210));
    QPainter(&image).fillRect(QRect(80, 60, 160, 120), QColor(230, 230, 240));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 80);
    QDir().mkpath(InstallDir() + u"/db/images"_s);
    for (int id : ids) {
        const PigeonRecord& pigeon = data.FindPigeon(id);
        if (pigeon.photos.empty())
            continue;
        PhotoRecord photo = pigeon.photos.front();
        QFile file(PhotoPath(photo));
        if (!file.exists() && file.open(QIODevice::WriteOnly))
            file.write(jpeg);
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Printout benchmark on a large generated loft."_s);
    AddLoftOptions(parser);
    parser.addOption({u"whole"_s, u"Also time the page laid out as one document, once."_s});
    parser.process(app);

    QTemporaryDir temporary;
    const LoftOptions options = ReadLoftOptions(parser, temporary);
    const QString& dir = options.dir;
    const int runs = options.runs;
    LargeLoftSize size = options.size;
    size.categoriesPerLoft = 2;
    if (!QFile::exists(PigeonsDbPath()) || QFile(PigeonsDbPath()).size() == 0) {
        std::printf("Generating %d pigeons in %s\n", size.pigeons + size.otherLoftPigeons,
                    qPrintable(dir));
        if (const QString error = GenerateLargeLoft(size); !error.isEmpty()) {
            std::fprintf(stderr, "Generating failed: %s\n", qPrintable(error));
            return 2;
        }
    }
    PrepareInstallDir();
    InstallShippedFiles();
    AppData data;
    if (!data.LoadLofts().ok() || !data.SelectLoft(1).ok() || data.lofts.empty()) {
        std::fprintf(stderr, "The loft could not be loaded.\n");
        return 2;
    }
    std::vector<int> ids;
    if (!data.ReadCategoryMembers(data.lofts[0].categories[0].id, ids).ok() || ids.empty())
        return 2;
    MakePhotoFiles(data, ids);

    // The youngest pigeon has ancestors in every generation.
    const PigeonRecord& pigeon = data.pigeons.rbegin()->second;
    const QString pedigreeTemplate = PedigreeTemplatePath(PedigreeTemplates()[1]);
    std::vector<double> pedigree, listPage, preview, whole;
    bool ok = true;
    for (int run = 0; run <= runs; ++run) {
        const double p = TimeMs([&] {
            ok = WritePedigree(data, pigeon, pedigreeTemplate, PedigreePreviewPath()) && ok;
        });
        const double l = TimeMs([&] {
            ListPageSettings list;
            list.textWidth = ListFontWidth(list.style);
            ok = WritePage(ListPagePath(), ListPageHtml(data, ids, list)) && ok;
        });
        QElapsedTimer timer;
        timer.start();
        CPodgladHTML dialog(ListPagePath());
        dialog.show();
        QApplication::processEvents();
        LongPageView* view = dialog.LongView();
        ok = ok && dialog.ShowsInParts() && view->MeasuredParts() > 0 &&
             view->verticalScrollBar()->maximum() > 0;
        const double v = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        while (view->MeasuredParts() < view->PartCount())
            QApplication::processEvents();
        const double w = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        if (run == 0)
            continue; // warms the file cache and the fonts
        pedigree.push_back(p);
        listPage.push_back(l);
        preview.push_back(v);
        whole.push_back(w);
    }
    if (!ok) {
        std::fprintf(stderr, "A printout failed.\n");
        return 2;
    }
    std::printf("Pedigree of five generations filled and written: %.2f ms\n", Median(pedigree));
    std::printf("List page of %zu pigeons written: %.1f ms (%lld bytes)\n", ids.size(),
                Median(listPage), static_cast<long long>(QFile(ListPagePath()).size()));
    std::printf("List page shown in the preview, laid out and ready to scroll: %.0f ms\n",
                Median(preview));
    std::printf("  (every part measured in the background after %.0f ms; median of %d runs)\n",
                Median(whole), runs);

    std::vector<double> firstSheet, allSheets, busiest;
    int pages = 0;
    for (int run = 0; run <= runs; ++run) {
        const PreviewFigures figures = TimePrintPreview(ListPagePath());
        pages = figures.pages;
        if (run == 0)
            continue;
        firstSheet.push_back(figures.firstSheetMs);
        allSheets.push_back(figures.allSheetsMs);
        busiest.push_back(figures.busiestMs);
    }
    std::printf("Print Preview of the list (%d sheets): first sheet shown after %.0f ms, every "
                "sheet laid out after %.0f ms, the window at most %.0f ms busy\n",
                pages, Median(firstSheet), Median(allSheets), Median(busiest));

    // Memory: the preview laid out to its end and paged through, then closed.
    QApplication::processEvents();
    ResetPeakMemory();
    const double before = MemoryMiB("VmRSS");
    {
        CPodgladHTML page(ListPagePath());
        std::unique_ptr<CPrintPreview> printPreview = OpenPrintPreview(page);
        RunEventsUntil([&] { return printPreview->Printout().Complete(); });
        SheetView* view = printPreview->View();
        for (int sheet = 0; sheet < pages; sheet += std::max(1, pages / 40)) {
            view->ShowPage(sheet);
            RunEventsUntil([&] { return view->PaintedPages().contains(sheet); });
        }
    }
    QApplication::processEvents();
    std::printf("  memory: %.0f MiB before opening, at most %.0f MiB while open, %.0f MiB after "
                "closing\n",
                before, MemoryMiB("VmHWM"), MemoryMiB("VmRSS"));

    if (parser.isSet(u"whole"_s)) {
        // What the preview would cost if it laid the whole page out as one document.
        QFile file(ListPagePath());
        file.open(QIODevice::ReadOnly);
        const QString page = ForRichText(DecodePage(file.readAll()));
        QTextBrowser browser;
        browser.resize(900, 700);
        browser.show();
        const double oneDocument = TimeMs([&] {
            browser.setHtml(page);
            browser.document()->documentLayout()->documentSize();
            QApplication::processEvents();
        });
        std::printf("The same page as one document in a QTextBrowser: %.0f ms\n", oneDocument);
    }
    return 0;
}
