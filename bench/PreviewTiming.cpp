// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreviewTiming.h"

#include "BenchStats.h"
#include "pedigree/PagePrinter.h"
#include "pedigree/PagedPrintout.h"
#include "pedigree/PodgladHTML.h"
#include "pedigree/PrintPreview.h"
#include "pedigree/SheetView.h"

#include <QElapsedTimer>
#include <QPrinter>

std::unique_ptr<CPrintPreview> OpenPrintPreview(CPodgladHTML& page) {
    QPrinter printer(QPrinter::HighResolution);
    PagePrinter::PreparePrinter(printer, page.Orientation());
    auto preview =
        std::make_unique<CPrintPreview>(page.NewPrintout(PagePrinter::PaperSize(printer)));
    preview->resize(900, 760);
    preview->show();
    return preview;
}

PreviewFigures TimePrintPreview(const QString& path) {
    PreviewFigures figures;
    CPodgladHTML page(path);
    LoopWatch watch;
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<CPrintPreview> preview = OpenPrintPreview(page);
    RunEventsUntil([&] { return !preview->View()->PaintedPages().isEmpty(); });
    figures.firstSheetMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    RunEventsUntil([&] { return preview->Printout().Complete(); });
    figures.allSheetsMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    figures.busiestMs = watch.LongestMs();
    figures.pages = preview->Printout().PageCount();
    return figures;
}
