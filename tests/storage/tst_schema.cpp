// SPDX-License-Identifier: GPL-3.0-or-later
// The two files as the program creates them: every table column for column, UTF-16le text,
// and loads that leave an existing file untouched.

#include "storage/AppData.h"
#include "storage/InstallDir.h"
#include "storage/Schema.h"
#include "support/DbProbe.h"
#include "support/TestDataDir.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

enum File { P, D };

// The file format, one short fingerprint per table of its columns (name, declared type, NOT
// NULL, default, key) and its UNIQUE constraint. Stored files are read by column position, so a
// changed table is a changed file format: the fingerprint makes that a deliberate act.
struct ExpectedTable {
    const char16_t* name;
    File file;
    const char* fingerprint;
};

const ExpectedTable kExpected[] = {
    {u"kategoria_id", P, "6ed7ebfd"},   {u"hodowla", P, "15338938"},
    {u"kategoria", P, "e48e3851"},      {u"pigeons", P, "41ad601c"},
    {u"pary", P, "11801c30"},           {u"dzieci", P, "6681a719"},
    {u"loty", P, "73ce211c"},           {u"lotniki", P, "72fe6ac6"},
    {u"zdjecia", P, "47dc8248"},        {u"dokumenty", P, "4b8b3101"},
    {u"lekisuplementy", P, "ffc0403e"}, {u"transakcje", P, "fff513a0"},
    {u"kolory", D, "17ee7827"},         {u"ild", D, "53be9121"},
    {u"sezonylegowe", D, "8cc1cb6a"},   {u"notatki", D, "a47d5420"},
    {u"gatunekrasa", D, "814e705c"},    {u"linia", D, "81876415"},
    {u"koloroka", D, "19cceabd"},       {u"statusy", D, "90cca29b"},
    {u"klienci", D, "5398ace3"},        {u"hodowcy", D, "4cfdec76"},
};

QByteArray Digest(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// The first eight hex digits of a hash over what the file reports of a table.
QString Fingerprint(const QString& db, const QString& table) {
    QByteArray text;
    for (const QStringList& column : DbProbe::Rows(db, u"PRAGMA table_info("_s + table + u");"_s))
        text += column.join(u'|').toUtf8() + '\n';
    const QString sql = DbProbe::Text(
        db, u"SELECT sql FROM sqlite_master WHERE type = 'table' AND name = '"_s + table + u"';"_s);
    if (const qsizetype unique = sql.indexOf(u"UNIQUE"_s); unique >= 0)
        text += sql.mid(unique).toUtf8();
    return QString::fromLatin1(
        QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex().left(8));
}

} // namespace

class TestSchema : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every function works on files of its own, made as at the first start.
    void init() {
        m_data = std::make_unique<TestDataDir>();
        QVERIFY(PrepareInstallDir());
        QVERIFY(PrepareDatabases().ok());
    }

    void unwritableFolderIsNamed() {
        TestDataDir other;
        QVERIFY(QDir().mkpath(other.path() + u"/db"_s));
        ReadOnlyFiles readOnly({other.path() + u"/db"_s});
        QVERIFY(readOnly.isReadOnly());
        const DbResult result = PrepareDatabases();
        QVERIFY(result.failed());
        QVERIFY2(result.message().contains(other.pigeonsDb()), qPrintable(result.message()));
    }

    void tablesMatchTheFileFormat_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("file");
        QTest::addColumn<QString>("fingerprint");
        for (const ExpectedTable& t : kExpected)
            QTest::newRow(QString::fromUtf16(t.name).toUtf8().constData())
                << QString::fromUtf16(t.name) << int(t.file) << QString::fromLatin1(t.fingerprint);
    }

    void tablesMatchTheFileFormat() {
        QFETCH(QString, table);
        QFETCH(int, file);
        QFETCH(QString, fingerprint);
        QCOMPARE(Fingerprint(file == P ? m_data->pigeonsDb() : m_data->extraDb(), table),
                 fingerprint);
    }

    // Each table's columns are checked above; here no table is missing or left over.
    void everyTableOnceAndLoadsChangeNothing() {
        qint64 tables = 0;
        for (const QString& db : {m_data->pigeonsDb(), m_data->extraDb()}) {
            QCOMPARE(DbProbe::Text(db, u"PRAGMA encoding;"_s), u"UTF-16le"_s);
            tables +=
                DbProbe::Number(db, u"SELECT count(*) FROM sqlite_master WHERE type = 'table';"_s);
        }
        QCOMPARE(tables, qint64(std::size(kExpected)));
        AppData data;
        LoftRecord loft;
        loft.name = u"Północ"_s;
        QVERIFY(data.SaveLoft(-1, loft).ok());
        const QByteArray pigeons = Digest(m_data->pigeonsDb());
        const QByteArray extra = Digest(m_data->extraDb());
        for (int i = 0; i < 2; ++i) {
            QVERIFY(data.LoadLofts().ok());
            QVERIFY(data.SelectLoft(loft.id).ok());
        }
        QCOMPARE(Digest(m_data->pigeonsDb()), pigeons);
        QCOMPARE(Digest(m_data->extraDb()), extra);
    }

    void existingTableKeepsItsColumns() {
        // A table made by an older definition is left alone; loaders read by position.
        TestDataDir other;
        QDir().mkpath(other.path() + u"/db"_s);
        QVERIFY(DbProbe::Exec(other.extraDb(), u"CREATE TABLE statusy(id INTEGER PRIMARY KEY, "
                                               u"id_hodowli INTEGER, nazwa TEXT)"_s));
        AppData data;
        QVERIFY(data.LoadExtra(1).ok());
        QCOMPARE(DbProbe::Rows(other.extraDb(), u"PRAGMA table_info(statusy);"_s).size(), 3u);
        QCOMPARE(DbProbe::Rows(other.extraDb(), u"PRAGMA table_info(klienci);"_s).size(), 48u);
    }

private:
    std::unique_ptr<TestDataDir> m_data;
};

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
