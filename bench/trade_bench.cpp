// SPDX-License-Identifier: GPL-3.0-or-later
// Times the trade and note windows on the large loft: filling the transactions tab, opening the
// transaction editor with its searchable lists (and a keystroke in each search), and switching
// notes in the notepad, plain and after typing (which writes the note left); then the
// transactions report: its page shown in the preview and its Print Preview, each timed to the
// first screen and for the longest stretch the window was busy while the rest was laid out.
//
//   vornel_bench_trade [--dir DIR] [--scale F] [--runs N] [--transactions N]
//
// Without --dir a temporary folder is generated and removed afterwards.

#include "BenchStats.h"
#include "LargeLoft.h"
#include "PreviewTiming.h"
#include "notes/ZakladkaNotatnik.h"
#include "pedigree/ListPage.h"
#include "pedigree/LongPageView.h"
#include "pedigree/PageWriting.h"
#include "pedigree/PodgladHTML.h"
#include "storage/AppData.h"
#include "storage/InstallDir.h"
#include "storage/RowIdTableModel.h"
#include "trade/DodajZmienTransakcje.h"
#include "trade/TransactionReport.h"
#include "trade/ZakladkaTransakcje.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextEdit>

#include <cstdio>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Trade and notepad benchmark on a large generated loft."_s);
    AddLoftOptions(parser);
    parser.addOption(
        {u"transactions"_s, u"Transactions of the large loft (else as scaled)."_s, u"n"_s});
    parser.process(app);

    QTemporaryDir temporary;
    const LoftOptions options = ReadLoftOptions(parser, temporary);
    const int runs = options.runs;
    LargeLoftSize size = options.size;
    if (parser.isSet(u"transactions"_s))
        size.transactions = std::max(1, parser.value(u"transactions"_s).toInt());
    if (!QFile::exists(PigeonsDbPath()) || QFile(PigeonsDbPath()).size() == 0) {
        if (const QString error = GenerateLargeLoft(size); !error.isEmpty()) {
            std::fprintf(stderr, "Generating failed: %s\n", qPrintable(error));
            return 2;
        }
    }
    AppData data;
    if (!data.LoadLofts().ok() || data.lofts.empty() || !data.SelectLoft(data.lofts[0].id).ok())
        return 2;
    data.currentLoft = 0;
    std::printf("Loft: %zu pigeons, %zu transactions, %zu clients, %zu notes\n",
                data.pigeons.size(), data.transactions.size(), data.clients.size(),
                data.notes.size());

    CZakladkaTransakcje tab(data, nullptr);
    tab.resize(1400, 800);
    tab.LayoutPage();
    tab.show();
    std::vector<double> fill;
    for (int run = 0; run <= runs; ++run) { // run 0 warms up
        tab.ClearLoftLists();
        const double t = TimeMs([&] { tab.FillLoftLists(); });
        if (run > 0)
            fill.push_back(t);
    }
    tab.hide();

    std::vector<double> openNew, openEdit, pigeonKey, clientKey;
    const TransactionRecord& edited = data.transactions.rbegin()->second;
    for (int run = 0; run <= runs; ++run) {
        double tNew = 0;
        double tEdit = 0;
        double tPigeon = 0;
        double tClient = 0;
        {
            std::unique_ptr<CDodajZmienTransakcje> editor;
            tNew = TimeMs([&] {
                editor = std::make_unique<CDodajZmienTransakcje>(data, 0, TransactionRecord{});
                editor->show();
            });
            // One keystroke each: a band digit, and a letter every generated client has.
            tPigeon =
                TimeMs([&] { editor->findChild<QLineEdit*>(u"pigeonSearch"_s)->setText(u"1"_s); });
            tClient =
                TimeMs([&] { editor->findChild<QLineEdit*>(u"clientSearch"_s)->setText(u"J"_s); });
        }
        {
            std::unique_ptr<CDodajZmienTransakcje> editor;
            tEdit = TimeMs([&] {
                editor = std::make_unique<CDodajZmienTransakcje>(data, 1, edited);
                editor->show();
            });
        }
        if (run == 0)
            continue;
        openNew.push_back(tNew);
        openEdit.push_back(tEdit);
        pigeonKey.push_back(tPigeon);
        clientKey.push_back(tClient);
    }

    CZakladkaNotatnik notepad(data, nullptr);
    notepad.resize(1400, 800);
    notepad.LayoutPage();
    notepad.FillLoftLists();
    notepad.show();
    notepad.PageShown();
    QApplication::processEvents();
    const int notes = notepad.List()->count();
    std::vector<double> plainSwitch, typedSwitch;
    for (int i = 1; i < std::min(notes, 4 * runs + 2); ++i) {
        if (i % 2 == 0) {
            notepad.Editor()->moveCursor(QTextCursor::End);
            notepad.Editor()->insertPlainText(u" dopisane"_s);
            typedSwitch.push_back(TimeMs([&] { notepad.SelectNote(i); }));
        } else {
            plainSwitch.push_back(TimeMs([&] { notepad.SelectNote(i); }));
        }
    }
    notepad.SavePendingEdits();

    std::printf("Medians of %d runs (ms):\n", runs);
    std::printf("  filling the transactions tab (%d rows)        %8.1f\n", tab.Model()->rowCount(),
                Median(fill));
    std::printf("  opening the transaction editor, new            %8.1f\n", Median(openNew));
    std::printf("  opening the transaction editor, edit           %8.1f\n", Median(openEdit));
    std::printf("  a keystroke in the pigeon search               %8.1f\n", Median(pigeonKey));
    std::printf("  a keystroke in the client search               %8.1f\n", Median(clientKey));
    std::printf("  switching notes                                %8.1f\n", Median(plainSwitch));
    std::printf("  switching notes after typing (writes the note) %8.1f\n", Median(typedSwitch));

    // The report as "Print Report" shows it, then its Print Preview.
    std::vector<double> write, shown, shownBusy, preview, previewAll, previewBusy;
    int pages = 0;
    for (int run = 0; run <= runs; ++run) {
        const double w = TimeMs([&] { WritePage(ListPagePath(), TransactionReportHtml(data)); });
        double s = 0;
        double busy = 0;
        {
            LoopWatch watch;
            QElapsedTimer timer;
            timer.start();
            CPodgladHTML page(ListPagePath());
            page.show();
            QApplication::processEvents();
            s = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            LongPageView* view = page.LongView();
            RunEventsUntil(
                [&] { return !page.ShowsInParts() || view->MeasuredParts() == view->PartCount(); });
            busy = watch.LongestMs();
        }
        const PreviewFigures figures = TimePrintPreview(ListPagePath());
        pages = figures.pages;
        if (run == 0)
            continue;
        write.push_back(w);
        shown.push_back(s);
        shownBusy.push_back(busy);
        preview.push_back(figures.firstSheetMs);
        previewAll.push_back(figures.allSheetsMs);
        previewBusy.push_back(figures.busiestMs);
    }
    std::printf("Transactions report of %zu transactions (ms):\n", data.transactions.size());
    std::printf("  the page written                               %8.1f\n", Median(write));
    std::printf("  the page shown in the preview                  %8.1f\n", Median(shown));
    std::printf("    the window busy at most, laying out the rest %8.1f\n", Median(shownBusy));
    std::printf("  Print Preview: the first sheet shown           %8.1f\n", Median(preview));
    std::printf("    every sheet laid out (%5d sheets)           %8.1f\n", pages,
                Median(previewAll));
    std::printf("    the window busy at most                      %8.1f\n", Median(previewBusy));

    const bool filled = tab.Model()->rowCount() == static_cast<int>(data.transactions.size()) &&
                        notes == static_cast<int>(data.notes.size());
    return filled ? 0 : 2;
}
