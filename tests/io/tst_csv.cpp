// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SingleInstance.h"
#include "io/Csv.h"
#include "io/CsvCommands.h"
#include "io/CsvExport.h"
#include "io/CsvImport.h"
#include "io/CsvImportDialog.h"
#include "storage/AppData.h"
#include "storage/LocalTime.h"
#include "storage/Velocity.h"
#include "support/DbProbe.h"
#include "support/TestDataDir.h"
#include "ui/FileDialog.h"

#include <QComboBox>
#include <QFile>
#include <QLockFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A loft "Home" with a category "Young" (and "Old" for imports), loaded and current.
struct Loft {
    AppData data;
    int young = 0;
    int old = 0;
    explicit Loft(const QString& name = u"Home"_s) {
        Reload(0); // makes the tables
        LoftRecord loft{0, name, {}, 0, {}};
        data.SaveLoft(-1, loft);
        CategoryRecord a{0, loft.id, u"Young"_s, {}}, b{0, loft.id, u"Old"_s, {}};
        data.SaveCategory(-1, a);
        data.SaveCategory(-1, b);
        young = a.id;
        old = b.id;
        Reload(loft.id);
    }
    void Reload(int loftId) {
        data.LoadLofts();
        for (size_t i = 0; i < data.lofts.size(); ++i)
            if (data.lofts[i].id == loftId)
                data.currentLoft = int(i);
        data.SelectLoft(loftId);
    }
    int Add(const QString& band, const QString& name = {}, int category = 0) {
        const BandParts parts = SplitBand(band);
        PigeonRecord p;
        p.idLoft = data.CurrentLoftId();
        p.country = parts.country;
        p.branch = parts.branch;
        p.year = parts.year;
        p.ringNumber = parts.ring;
        p.name = name;
        data.AddPigeonToCategory(p, category ? category : young);
        return p.id;
    }
    int Race(qint64 release, double km, int m) {
        RaceRecord race;
        race.id_hodowli = data.CurrentLoftId();
        race.czasodlotu = release;
        race.odleglosckm = km;
        race.odlegloscm = m;
        race.miejscowosc = u"Hanower"_s;
        data.SaveRace(-1, race);
        data.races.push_back(race);
        return race.id;
    }
};

std::vector<CsvRecord> Parse(const QString& text) {
    std::vector<CsvRecord> records;
    QString error;
    ParseCsv(text, GuessCsvDelimiter(text), records, error);
    return records;
}

CsvImportPlan Import(AppData& data, const QString& text, CsvImportOptions options) {
    const std::vector<CsvRecord> records = Parse(text);
    CsvImportPlan plan = PlanCsvImport(
        data, records,
        GuessCsvMapping(options.kind, records.empty() ? QStringList() : records[0].fields),
        options);
    if (plan.ok())
        ApplyCsvImport(data, plan, options);
    return plan;
}

QString Text(const CsvTable& table) {
    const QByteArray bytes = CsvBytes(table);
    return QString::fromUtf8(bytes.mid(3));
}

const qint64 kRelease = ComposeLocalTime(2024, 5, 18, 7, 30, 0);

} // namespace

class TestCsv : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QSettings(u"Vornel"_s, u"Vornel"_s).remove(u"CsvImport"_s); }

    void writer() {
        CsvTable table{{u"Band"_s, u"Remarks"_s}, {{u"PL 1"_s, u"a, \"b\"\nc"_s}, {u"Ł"_s, {}}}};
        QCOMPARE(CsvBytes(table, u';'),
                 QByteArray("\xEF\xBB\xBF"
                            "Band;Remarks\r\nPL 1;\"a, \"\"b\"\"\nc\"\r\n\xC5\x81;\r\n"));
        QCOMPARE(CsvBytes(table), QByteArray("\xEF\xBB\xBF"
                                             "Band,Remarks\r\nPL 1,\"a, \"\"b\"\"\nc\"\r\n"
                                             "\xC5\x81,\r\n"));
    }

    // The delimiter goes with the file type chosen in the save dialog, and is offered first the
    // next time.
    void savedWithTheChosenDelimiter() {
        TestDataDir dir;
        FileDialog::SetTestMode(true);
        const auto off = qScopeGuard([] { FileDialog::SetTestMode(false); });
        const CsvTable table{{u"Band"_s, u"Name"_s}, {{u"PL 1"_s, u"A; B"_s}}};
        const auto saved = [&](const QString& name, const QString& filter) {
            FileDialog::SetNextName(dir.path() + u'/' + name);
            FileDialog::SetNextFilter(filter);
            CsvCommands::Save(nullptr, table, u"x.csv"_s);
            QFile file(dir.path() + u'/' + name + (name.contains(u'.') ? u""_s : u".csv"_s));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QCOMPARE(saved(u"a"_s, u"CSV file, semicolon-separated (*.csv)"_s), CsvBytes(table, u';'));
        QCOMPARE(saved(u"b.csv"_s, {}), CsvBytes(table, u';'));
        QCOMPARE(saved(u"c.csv"_s, u"CSV file, comma-separated (*.csv)"_s), CsvBytes(table));
    }

    void reader_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QString>("fields"); // records joined by '|', fields by '/'
        QTest::addColumn<QString>("error");
        QTest::newRow("utf8 semicolon, quoted line break") // record 2 begins on line 2
            << QByteArray("\xEF\xBB\xBF"
                          "a;b\r\n\"x\ny\";\"say \"\"hi\"\"\"\r\n\r\n1;2")
            << u"UTF-8"_s << u"a/b|x\ny/say \"hi\"|1/2"_s << QString();
        QTest::newRow("utf16 tab") << QByteArray("\xFF\xFE"
                                                 "a\0\t\0b\0\n\0"
                                                 "1\0\t\0"
                                                 "2\0",
                                                 16)
                                   << u"UTF-16"_s << u"a/b|1/2"_s << QString();
        QTest::newRow("windows-1250")
            << QByteArray("Kolor,Nazwa\n\xA3upek,\xA3\xF3\x64\x9F") << u"Windows-1250"_s
            << u"Kolor/Nazwa|Łupek/Łódź"_s << QString();
        QTest::newRow("not text") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << QString()
                                  << QString() << u"not a text file"_s;
        QTest::newRow("quote left open") << QByteArray("a,b\n\"x,1\n") << u"UTF-8"_s << QString()
                                         << u"Line 2: a quoted field is never closed"_s;
    }
    void reader() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, encoding);
        QFETCH(QString, fields);
        QFETCH(QString, error);
        TestDataDir dir;
        CsvSource source;
        QString message;
        const bool ok = LoadCsvSource(dir.makeFile(u"f.csv"_s, bytes), source, message);
        QCOMPARE(ok, error.isEmpty());
        QVERIFY2(message.contains(error), qPrintable(message));
        if (!ok)
            return;
        QCOMPARE(CsvEncodingName(source.encoding), encoding);
        QStringList records;
        for (const CsvRecord& r : source.records)
            records.append(r.fields.join(u'/'));
        QCOMPARE(records.join(u'|'), fields);
        if (QLatin1StringView(QTest::currentDataTag()) == "utf8 semicolon, quoted line break"_L1)
            QCOMPARE(source.records[2].line, 5);
    }

    void roundTripPigeons() {
        TestDataDir dir;
        Loft from;
        const int sire = from.Add(u"PL-0123-20-100"_s, u"Orzeł"_s);
        const int dam = from.Add(u"PL 0123 20 101"_s);
        from.data.AddLookup(Lookup::Colours, from.data.CurrentLoftId(), u"Niebieska"_s);
        PigeonRecord child = from.data.FindPigeon(sire);
        child.ringNumber = u"555"_s;
        child.year = u"24"_s;
        child.name = u"Kometa, \"mała\""_s;
        child.sex = 2;
        child.idColour = from.data.colours.rbegin()->first;
        child.idSire = sire;
        child.idDam = dam;
        child.dateOfBirth = ComposeLocalTime(2024, 3, 2, 1, 1, 1);
        child.notesGeneral = u"line one\nline two"_s;
        from.data.AddPigeonToCategory(child, from.young);
        std::vector<int> ids;
        from.data.ReadCategoryMembers(from.young, ids);
        const QString exported = Text(PigeonsCsv(from.data, ids));

        Loft to(u"Empty"_s);
        const CsvImportPlan plan = Import(to.data, exported, {CsvImportKind::Pigeons, to.old, 0});
        QVERIFY2(plan.ok(), qPrintable(plan.Message()));
        to.Reload(to.data.CurrentLoftId());
        std::vector<int> imported;
        to.data.ReadCategoryMembers(to.old, imported);
        QCOMPARE(imported.size(), size_t(3));
        QCOMPARE(Text(PigeonsCsv(to.data, imported)), exported); // parents and colour included
    }

    void roundTripEntries() {
        TestDataDir dir;
        Loft loft;
        const int race = loft.Race(kRelease, 287, 415);
        for (int i = 0; i < 3; ++i) {
            FlyerRecord f;
            f.id_lotu = race;
            f.id_hodowli = loft.data.CurrentLoftId();
            f.id_golebia = loft.Add(u"PL 0123 23 %1"_s.arg(700 + i));
            f.DataCzasPrzylotu = kRelease + 12757 + i * 611;
            f.nr_konkursu = i + 1;
            f.CoefficientOddzialowy = 1.25f * float(i);
            loft.data.SaveFlyer(-1, f);
        }
        loft.Reload(loft.data.CurrentLoftId());
        const CsvTable before = RaceEntriesCsv(loft.data, race);
        const int again = loft.Race(kRelease, 287, 415);
        const CsvImportPlan plan =
            Import(loft.data, Text(before), {CsvImportKind::Entries, 0, again});
        QVERIFY2(plan.ok(), qPrintable(plan.Message()));
        loft.Reload(loft.data.CurrentLoftId());
        QCOMPARE(Text(RaceEntriesCsv(loft.data, again)), Text(before));
        QCOMPARE(before.rows.size(), size_t(3));
    }

    void clubResultList() {
        // A constructed sheet in the published format of a Polish club's result list (PZHGP
        // "lista konkursowa": Lp., Hodowca, Obrączka, Odległość, Czas przylotu, Prędkość,
        // Coef., Pkt.), not a real one; the loft's own birds are those of "Nowak Jan".
        const QString list =
            u"Lp.;Hodowca;Obrączka;Odległość [m];Czas przylotu;Prędkość [m/min];Coef.;Pkt.\r\n"
            u"1;Nowak Jan;PL-0123-22-4567;287415;11:02:37;1351,80;0,52;60,00\r\n"
            u"2;Kowalski Piotr;PL-0456-21-1200;291002;11:07:01;1341,13;1,04;59,21\r\n"
            u"3;Nowak Jan;PL-0123-23-911;287415;11:05:12;1335,57;1,56;58,42\r\n"
            u"4;Nowak Jan;PL-0123-22-4601;287415;11:09:58;1306,63;2,08;57,63\r\n"
            u"5;Nowak Jan;PL-0123-21-77;287415;11:17:44;1262,07;2,60;56,84\r\n"_s;
        TestDataDir dir;
        Loft loft;
        for (const QString& band :
             {u"PL 0123 22 4567"_s, u"PL 0123 23 911"_s, u"PL 0123 22 4601"_s, u"PL 0123 21 77"_s})
            loft.Add(band);
        const int race = loft.Race(kRelease, 287, 415);
        const CsvImportPlan plan = Import(loft.data, list, {CsvImportKind::Entries, 0, race});
        QVERIFY2(plan.ok(), qPrintable(plan.Message()));
        QCOMPARE(plan.skipped, 1); // the other fancier's bird
        QCOMPARE(plan.Summary(), u"Imported 4 race entries; 1 row skipped."_s);
        const std::vector<CsvRecord> rows = Parse(list);
        const RaceRecord& stored = loft.data.races.back();
        QCOMPARE(stored.flyers.size(), size_t(4));
        for (size_t i = 0, r = 1; i < stored.flyers.size(); ++i, ++r) {
            r += rows[r].fields[1] != u"Nowak Jan"_s;
            QCOMPARE(QString::number(*RaceVelocity(stored, stored.flyers[i]), 'f', 2),
                     QString(rows[r].fields[5]).replace(u',', u'.'));
            QCOMPARE(stored.flyers[i].nr_konkursu, rows[r].fields[0].toInt());
        }
    }

    void badInput_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString head = u"Band;Arrival time;Remarks\r\n"_s;
        QTest::newRow("wrong delimiter") << u"Band|Arrival time\r\nPL 1 20 5|11:00\r\n"_s
                                         << u"No column is chosen for \"Whole band\""_s;
        QTest::newRow("semicolon read as comma") << u"Band;Arrival time\r\nPL 1 20 5;11:00\r\n"_s
                                                 << u"The file splits into one column only"_s;
        QTest::newRow("missing column") << u"Band;Remarks\r\nPL 1 20 5;x\r\n"_s
                                        << u"No column is chosen for \"Arrival time\""_s;
        QTest::newRow("two pigeons")
            << head + u"20 5;11:00;\r\n"_s << u"Line 2: the band \"20 5\" matches 2 pigeons"_s;
        QTest::newRow("25:61") << head + u"PL 1 20 5;25:61;\r\n"_s
                               << u"Line 2: \"25:61\" is not a time of day"_s;
        QTest::newRow("31/02") << u"Band;Arrival\r\nPL 1 20 5;31/02/2024 11:00\r\n"_s
                               << u"Line 2: \"31/02/2024\" is not a date"_s;
        QTest::newRow("line break in band") << head + u"\"PL 1\n20 5\";11:00;\r\n"_s
                                            << u"Line 2: the band \"PL 1 20 5\" holds a line"_s;
        QTest::newRow("short row")
            << head + u"PL 1 20 5;11:00\r\n"_s << u"Line 2: 2 fields where the header has 3"_s;
    }
    void badInput() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        TestDataDir dir;
        Loft loft;
        loft.Add(u"PL 1 20 5"_s);
        loft.Add(u"PL 2 20 5"_s);
        const int race = loft.Race(kRelease, 100, 0);
        std::vector<CsvRecord> records;
        QString error;
        QVERIFY(ParseCsv(text,
                         QLatin1StringView(QTest::currentDataTag()) == "semicolon read as comma"_L1
                             ? QChar(u',')
                             : GuessCsvDelimiter(text),
                         records, error));
        const CsvImportPlan plan = PlanCsvImport(
            loft.data, records, GuessCsvMapping(CsvImportKind::Entries, records[0].fields),
            {CsvImportKind::Entries, loft.young, race, true});
        QVERIFY2(plan.Message().startsWith(message), qPrintable(plan.Message()));
        CsvImportPlan copy = plan;
        QVERIFY(ApplyCsvImport(loft.data, copy, {}).failed());
        QCOMPARE(DbProbe::Number(dir.pigeonsDb(), u"SELECT COUNT(*) FROM lotniki;"_s), 0);
        QCOMPARE(DbProbe::Number(dir.pigeonsDb(), u"SELECT COUNT(*) FROM pigeons;"_s), 2);
    }

    void remarksKeepLineBreaks() {
        TestDataDir dir;
        Loft loft;
        loft.Add(u"PL 1 20 5"_s);
        const int race = loft.Race(kRelease, 100, 0);
        const CsvImportPlan plan =
            Import(loft.data, u"Band;Arrival time;Remarks\r\nPL 1 20 5;9:00;\"wet\nlate\"\r\n"_s,
                   {CsvImportKind::Entries, 0, race});
        QVERIFY2(plan.ok(), qPrintable(plan.Message()));
        QCOMPARE(loft.data.races.back().flyers.at(0).notatki, u"wet\nlate"_s);
    }

    void largeFileRefused() {
        TestDataDir dir;
        QByteArray big = "Band;Arrival time\r\n";
        big += QByteArray(10 * 1024 * 1024, 'x');
        CsvSource source;
        QString error;
        QVERIFY(!LoadCsvSource(dir.makeFile(u"big.csv"_s, big), source, error));
        QVERIFY2(error.contains(u"is 10.0 MB; files of up to 8 MB are read"_s), qPrintable(error));
    }

    void mappingDialog() {
        TestDataDir dir;
        Loft loft;
        CsvSource source;
        QString error;
        QVERIFY(LoadCsvSource(dir.makeFile(u"p.csv"_s, "Ring;Nazwa;Kolor\r\nPL 7 24 1;A;Biała\r\n"),
                              source, error));
        CsvImportDialog dialog(loft.data, source, {CsvImportKind::Pigeons, loft.young, 0});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.Delimiter()->currentIndex(), 1);
        QCOMPARE(dialog.ColumnField(1)->currentText(), u"Name"_s);
        // The user sets the second column to "(ignore)" by keys, then clicks "Import".
        dialog.ColumnField(1)->setFocus();
        QTest::keyClick(dialog.ColumnField(1), Qt::Key_Home);
        QCOMPARE(dialog.ColumnField(1)->currentText(), u"(ignore)"_s);
        auto* import = dialog.findChild<QPushButton*>(u"import"_s);
        QTest::mouseClick(import, Qt::LeftButton);
        QVERIFY2(dialog.result() == QDialog::Accepted,
                 qPrintable(dialog.Problems()->toPlainText()));
        const PigeonRecord& p = loft.data.pigeons.rbegin()->second;
        QCOMPARE(BandText(p.country, p.branch, p.year, p.ringNumber), u"PL 7 24 1"_s);
        QCOMPARE(p.name, QString());
        QCOMPARE(loft.data.colours.at(p.idColour), u"Biała"_s);
        // The mapping is kept for this header row.
        QCOMPARE(RememberedCsvMapping(CsvImportKind::Pigeons, source.records[0].fields)[1],
                 CsvField::Ignore);
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message"); // stderr, or stdout on success
        QTest::newRow("export pigeons")
            << QStringList{u"export"_s,     u"pigeons"_s, u"--loft"_s, u"Home"_s,
                           u"--category"_s, u"Young"_s,   u"--csv"_s,  u"@/out.csv"_s}
            << false << 0 << u"1 rows written"_s;
        QTest::newRow("import entries") << QStringList{u"import"_s, u"entries"_s, u"--race"_s,
                                                       u"1"_s,      u"--csv"_s,   u"@/in.csv"_s}
                                        << false << 0 << u"Imported 1 race entry; 0 rows skipped."_s;
        QTest::newRow("bad row") << QStringList{u"import"_s, u"entries"_s, u"--race"_s,
                                                u"1"_s,      u"--csv"_s,   u"@/bad.csv"_s}
                                 << false << 3 << u"vornel: Line 2: \"25:61\" is not a time"_s;
        QTest::newRow("no such category")
            << QStringList{u"export"_s, u"pigeons"_s, u"--category"_s,
                           u"X"_s,      u"--csv"_s,   u"@/o.csv"_s}
            << false << 2 << u"vornel: the loft has no category named \"X\"."_s;
        QTest::newRow("backup") << QStringList{u"backup"_s, u"@"_s} << false << 0
                                << u"Backup written to"_s;
        QTest::newRow("window holds the data")
            << QStringList{u"backup"_s, u"@"_s} << true << 4 << u"vornel: the data folder"_s;
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, locked);
        QFETCH(int, code);
        QFETCH(QString, message);
        TestDataDir dir;
        QTemporaryDir out;
        {
            Loft loft;
            loft.Add(u"PL 1 20 5"_s);
            loft.Race(kRelease, 100, 0);
        }
        for (QString& a : arguments)
            a.replace(u"@"_s, out.path());
        QFile in(out.filePath(u"in.csv"_s));
        in.open(QIODevice::WriteOnly);
        in.write("Band,Arrival time\n20 5,9:00\n");
        in.close();
        QFile bad(out.filePath(u"bad.csv"_s));
        bad.open(QIODevice::WriteOnly);
        bad.write("Band,Arrival time\n20 5,25:61\n");
        bad.close();
        QLockFile window(SingleInstance::DataLockPath(dir.path()));
        if (locked)
            QVERIFY(window.tryLock(0));
        QProcess process;
        process.start(QStringLiteral(VORNEL_BINARY),
                      arguments + QStringList{u"--data-dir"_s, dir.path()});
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), code);
        const QString said = QString::fromUtf8(code ? process.readAllStandardError()
                                                    : process.readAllStandardOutput());
        QVERIFY2(said.startsWith(message), qPrintable(said));
        QCOMPARE(said.count(u'\n'), 1);
    }
};

QTEST_MAIN(TestCsv)
#include "tst_csv.moc"
