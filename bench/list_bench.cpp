// SPDX-License-Identifier: GPL-3.0-or-later
// Times filling the pigeon list tab with one category of many pigeons, after the loft is
// loaded, as choosing the category does.
//
//   vornel_bench_list [--pigeons N] [--runs N]

#include "BenchStats.h"
#include "register/ZakladkaListaPsow.h"
#include "storage/AppData.h"
#include "storage/DbSession.h"
#include "storage/InstallDir.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({u"pigeons"_s, u"Pigeons in the category."_s, u"n"_s, u"5000"_s});
    parser.addOption({u"runs"_s, u"Timed runs; the median is printed."_s, u"n"_s, u"5"_s});
    parser.process(app);
    const int count = std::max(1, parser.value(u"pigeons"_s).toInt());
    const int runs = std::max(1, parser.value(u"runs"_s).toInt());

    QTemporaryDir dir;
    SetInstallDirOverride(dir.path());
    AppData data;
    if (!data.LoadLofts().ok() || !data.SelectLoft(1).ok())
        return 2;
    {
        DbSession session;
        session.Open(PigeonsDbPath());
        DbTransaction transaction(session);
        session.Run(u"INSERT INTO hodowla(id, nazwahodowli) VALUES (1, 'Loft');"_s);
        session.Run(
            u"INSERT INTO kategoria(id, nazwakategorii, id_hodowli) VALUES (1, 'All', 1);"_s);
        for (int id = 1; id <= count; ++id) {
            session.Run(u"INSERT INTO pigeons(id, id_hodowli, kraj, oddzial, rocznik, nr_obraczki,"
                        u" plec, id_ojca, id_matki, notatkiogolne) VALUES (?, 1, 'PL', '0207',"
                        u" '2025', ?, ?, ?, ?, 'Uwagi o gołębiu numer');"_s,
                        {id, QString::number(100000 + id), id % 3, id > 2 ? id - 2 : 0,
                         id > 1 ? id - 1 : 0});
            session.Run(u"INSERT INTO kategoria_id(id_kategorii, id_golebia) VALUES (1, ?);"_s,
                        {id});
        }
        if (!transaction.Commit().ok())
            return 2;
    }
    if (!data.LoadLofts().ok() || !data.SelectLoft(1).ok())
        return 2;
    data.currentLoft = 0;
    data.currentCategory = 0;

    CZakladkaListaPsow page(data, nullptr);
    page.resize(1400, 800);
    page.LayoutPage();
    page.show();
    std::vector<double> times;
    for (int run = 0; run <= runs; ++run) {
        page.ClearList();
        QElapsedTimer timer;
        timer.start();
        page.ShowCategory(0, 0);
        QApplication::processEvents(); // the rows on screen are drawn
        if (run > 0)
            times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("Filling the list with %d pigeons: %.1f ms (median of %d runs, %d rows)\n", count,
                Median(times), runs, page.View()->model()->rowCount());
    return page.View()->model()->rowCount() == count ? 0 : 2;
}
