// SPDX-License-Identifier: GPL-3.0-or-later
// Display texts and local time, in a zone with daylight saving (the test runs with
// TZ=Europe/Warsaw).

#include "storage/Formatting.h"
#include "storage/LocalTime.h"
#include "storage/Records.h"
#include "storage/RowIdTableModel.h"

#include <QDateTime>
#include <QTest>

#include <ctime>

using namespace Qt::StringLiterals;

class TestFormatting : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        qputenv("TZ", "Europe/Warsaw");
        tzset();
    }

    void bandsPricesAndDates() {
        PigeonRecord p;
        p.country = u"PL"_s;
        p.branch = u"0207"_s;
        p.year = u"2025"_s;
        p.ringNumber = u"1234"_s;
        QCOMPARE(BandLabel(p), u"PL 0207 2025 1234"_s);
        p.name = u"Żbik"_s;
        QCOMPARE(BandLabel(p), u"PL 0207 2025 1234 [Żbik]"_s);
        QCOMPARE(BandLabel(PigeonRecord{}), u"   "_s);
        // A tooltip shows a name as typed, even one that looks like markup.
        QCOMPARE(PlainToolTip(u"Żbik & co"_s), u"Żbik & co"_s);
        QCOMPARE(PlainToolTip(u"<b>Orzeł</b> & co\nline"_s),
                 u"<qt>&lt;b&gt;Orzeł&lt;/b&gt; &amp; co<br>line</qt>"_s);
        QCOMPARE(PriceText(45.67f, EUR), u"45.67 EUR"_s);
        QCOMPARE(PriceText(7.0, 5), u"7"_s); // no such currency
        QCOMPARE(PriceText(7.0, -1), u"7"_s);
        const qint64 t = ComposeLocalTime(2025, 7, 5, 9, 7, 0);
        QCOMPARE(FormatDate(t), u"05/07/25"_s);
        QCOMPARE(FormatTime(t), u"09:07"_s);
        QCOMPARE(FormatDateTime(t), u"05/07/25, 09:07"_s);
        // A missing date shows nothing rather than a day in 1970.
        QCOMPARE(FormatDate(-1), QString());
        QCOMPARE(FormatDateTime(-1), QString());
        LocalFields none;
        QVERIFY(!SplitLocalTime(-1, none));
    }

    void numbers_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 250.0 << u"250"_s;
        QTest::newRow("half") << 12.5 << u"12.5"_s;
        QTest::newRow("third") << 1.0 / 3.0 << u"0.333333"_s;
        QTest::newRow("velocity") << 250500.0 / 12600.0 * 60.0 << u"1192.86"_s;
        QTest::newRow("million") << 1234567.0 << u"1.23457e+06"_s;
        QTest::newRow("float 45.67") << double(45.67f) << u"45.67"_s;
        QTest::newRow("zero") << 0.0 << u"0"_s;
        QTest::newRow("negative") << -0.75 << u"-0.75"_s;
    }

    void numbers() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(FormatNumber(value), text);
    }

    // A list sorted by a column: the rows' first cells in the new order.
    void sortedLists_data() {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("sorted");
        const QStringList numbers{u"9"_s, u""_s, u"100"_s, u"-2.5"_s, u"10"_s};
        QTest::newRow("numbers") << numbers << 0 << int(Qt::AscendingOrder)
                                 << QStringList{u"-2.5"_s, u"9"_s, u"10"_s, u"100"_s, u""_s};
        QTest::newRow("numbers, empty last")
            << numbers << 0 << int(Qt::DescendingOrder)
            << QStringList{u"100"_s, u"10"_s, u"9"_s, u"-2.5"_s, u""_s};
        QTest::newRow("program's order") << numbers << -1 << int(Qt::AscendingOrder) << numbers;
        QTest::newRow("prices") << QStringList{u"12.5 PLN"_s, u"100 EUR"_s, u"3 PLN"_s} << 0
                                << int(Qt::AscendingOrder)
                                << QStringList{u"3 PLN"_s, u"12.5 PLN"_s, u"100 EUR"_s};
        QTest::newRow("dates") << QStringList{u"14/06/25, 07:15"_s, u"02/01/26, 10:00"_s,
                                              u"31/12/24, 23:59"_s, u"14/06/25, 06:00"_s}
                               << 0 << int(Qt::AscendingOrder)
                               << QStringList{u"31/12/24, 23:59"_s, u"14/06/25, 06:00"_s,
                                              u"14/06/25, 07:15"_s, u"02/01/26, 10:00"_s};
        QTest::newRow("bands") << QStringList{u"PL 0207 2025 10"_s, u"pl 0207 2025 9"_s,
                                              u"DV 0100 2024 300"_s}
                               << 0 << int(Qt::AscendingOrder)
                               << QStringList{u"DV 0100 2024 300"_s, u"pl 0207 2025 9"_s,
                                              u"PL 0207 2025 10"_s};
    }
    void sortedLists() {
        QFETCH(QStringList, cells);
        QFETCH(int, column);
        QFETCH(int, order);
        QFETCH(QStringList, sorted);
        RowIdTableModel model({u"A"_s, u"Id"_s});
        std::vector<RowIdTableModel::Row> rows;
        for (int i = 0; i < cells.size(); ++i)
            rows.push_back({i + 1, {cells[i], QString::number(i + 1)}});
        model.SetRows(std::move(rows));
        const QPersistentModelIndex first = model.index(0, 0);
        model.sort(column, Qt::SortOrder(order));
        QStringList shown;
        for (int row = 0; row < model.rowCount(); ++row) {
            shown.push_back(model.CellText(row, 0));
            QCOMPARE(model.CellText(row, 1), QString::number(model.IdAt(row))); // ids go along
        }
        QCOMPARE(shown, sorted);
        QCOMPARE(model.IdAt(first.row()), 1);
        // A refill keeps the chosen order.
        model.SetRows({{1, {cells[0], u"1"_s}}, {2, {cells[1], u"2"_s}}});
        QCOMPARE(model.CellText(0, 0),
                 sorted.indexOf(cells[0]) < sorted.indexOf(cells[1]) ? cells[0] : cells[1]);
    }

    void composeLocalTime_data() {
        QTest::addColumn<QList<int>>("fields"); // y, m, d, h, min, s
        QTest::addColumn<qint64>("utc");
        // Winter is UTC+1, summer UTC+2.
        QTest::newRow("winter") << QList<int>{2025, 1, 15, 12, 0, 0} << qint64(1736938800);
        QTest::newRow("summer") << QList<int>{2025, 7, 15, 12, 0, 0} << qint64(1752573600);
        QTest::newRow("31 April is 1 May")
            << QList<int>{2025, 4, 31, 8, 0, 0} << qint64(1746079200);
        QTest::newRow("minute 60 is the next hour")
            << QList<int>{2025, 1, 15, 11, 60, 0} << qint64(1736938800);
        QTest::newRow("month 13 is next January")
            << QList<int>{2024, 13, 15, 12, 0, 0} << qint64(1736938800);
        QTest::newRow("just after the spring jump")
            << QList<int>{2025, 3, 30, 3, 30, 15} << qint64(1743298215);
        QTest::newRow("before 1970, negative yet a date")
            << QList<int>{1965, 6, 15, 1, 1, 1} << qint64(-143510339);
    }

    // Splitting gives the local fields of the time, as Qt sees them.
    void composeLocalTime() {
        QFETCH(QList<int>, fields);
        QFETCH(qint64, utc);
        QCOMPARE(ComposeLocalTime(fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]),
                 utc);
        LocalFields f;
        QVERIFY(SplitLocalTime(utc, f));
        const QDateTime local = QDateTime::fromSecsSinceEpoch(utc);
        const QDate d = local.date();
        const QTime t = local.time();
        QCOMPARE((QList<int>{f.year, f.month, f.day, f.hour, f.minute, f.second}),
                 (QList<int>{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()}));
    }
};

QTEST_GUILESS_MAIN(TestFormatting)
#include "tst_formatting.moc"
