// SPDX-License-Identifier: GPL-3.0-or-later
// The statement runner, the data folder and text files.

#include "storage/DbSession.h"
#include "storage/InstallDir.h"
#include "storage/TextFile.h"
#include "support/DbProbe.h"
#include "support/TestDataDir.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QVariant>

using namespace Qt::StringLiterals;

class TestDbSession : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(u"Vornel"_s);
        QCoreApplication::setApplicationName(u"vornel-tests"_s);
    }

    void init() {
        m_data = std::make_unique<TestDataDir>();
        m_db = m_data->path() + u"/t.db"_s;
        QVERIFY(DbProbe::Exec(m_db, u"CREATE TABLE t(id INTEGER PRIMARY KEY, n NUMERIC(10,2), "
                                    u"s TEXT, d INTEGER(64), UNIQUE(s))"_s));
    }

    // A float goes to the NUMERIC(10,2) column, a qint64 to the 64-bit one, a text to the text one.
    void valuesReadBackAsStored_data() {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("45.67") << QVariant(45.67f);
        QTest::newRow("one third") << QVariant(1.0f / 3.0f);
        QTest::newRow("1234567") << QVariant(1234567.0f);
        QTest::newRow("negative") << QVariant(-0.1f);
        QTest::newRow("2100-01-01, beyond 32 bits") << QVariant(qint64(4'102'444'800LL));
        QTest::newRow("apostrophes, Polish") << QVariant(u"O'Neill's 'loft' Zażółć ŁÓDŹ"_s);
        QTest::newRow("nul inside") << QVariant(QString(u"before\0after"_s));
        QTest::newRow("sql lookalike") << QVariant(u"x'); DROP TABLE t; --"_s);
        QTest::newRow("beyond the plane") << QVariant(u"\U0001F54A dove"_s);
        QTest::newRow("empty") << QVariant(QString());
    }

    void valuesReadBackAsStored() {
        QFETCH(QVariant, value);
        const bool real = value.typeId() == QMetaType::Float;
        const bool date = value.typeId() == QMetaType::LongLong;
        const SqlValue bound = real   ? SqlValue(value.toFloat())
                               : date ? SqlValue(value.toLongLong())
                                      : SqlValue(value.toString());
        const QString column = real ? u"n"_s : date ? u"d"_s : u"s"_s;
        QVERIFY(
            DbSession::Execute(m_db, u"INSERT INTO t(%1) VALUES (?);"_s.arg(column), {bound}).ok());
        DbSession s;
        QVERIFY(s.Open(m_db));
        QVERIFY(s.Query(
            u"SELECT %1, (SELECT count(*) FROM sqlite_master WHERE type = 'table') FROM t;"_s.arg(
                column)));
        QVERIFY(s.HasRow());
        QCOMPARE(real   ? QVariant(s.Real(0))
                 : date ? QVariant(s.Int64(0))
                        : QVariant(s.Text(0)),
                 value);
        QCOMPARE(s.Int(1), 1); // the table is still there
    }

    void refusalsAndFailuresAreToldApart() {
        DbSession s;
        QVERIFY(s.Open(m_db));
        QVERIFY(s.Run(u"INSERT INTO t(s) VALUES (?);"_s, {u"a"_s}).ok());
        const int first = s.LastInsertId();
        const DbResult again = s.Run(u"INSERT INTO t(s) VALUES (?);"_s, {u"a"_s});
        QVERIFY(again.refused());
        QVERIFY(!again.failed());
        QCOMPARE(s.LastInsertId(), first);

        const DbResult broken = s.Run(u"INSERT INTO nowhere VALUES (1);"_s);
        QVERIFY(broken.failed());
        QVERIFY(!broken.message().isEmpty());
        QCOMPARE(DbProbe::Number(m_db, u"SELECT count(*) FROM t;"_s), 1);
        const QString damaged =
            m_data->makeFile(u"damaged.db"_s, QByteArray("this is not a database").repeated(300));
        QVERIFY(DbSession::Execute(damaged, u"CREATE TABLE x(id INTEGER)"_s).failed());
    }

    void rowsReadNullsAsZeroAndStopAtTheEnd() {
        for (int i = 0; i < 3; ++i)
            QVERIFY(DbProbe::Exec(m_db, u"INSERT INTO t(s) VALUES (NULL);"_s));
        DbSession s;
        QVERIFY(s.Open(m_db));
        QVERIFY(s.Query(u"SELECT id, n, s, d FROM t ORDER BY id;"_s));
        int rows = 0;
        for (; s.HasRow(); s.Next()) {
            QCOMPARE(s.Int(0), ++rows);
            QCOMPARE(s.Real(1), 0.0f);
            QCOMPARE(s.Text(2), QString());
            QCOMPARE(s.Int64(3), 0);
            QVERIFY(s.IsNull(3));
        }
        QCOMPARE(rows, 3);
        QVERIFY(!s.Next());
        QCOMPARE(s.LastErrorCode(), 0);
        QVERIFY(!s.Query(u"SELECT nothing FROM t;"_s));
        QVERIFY(!s.HasRow());
    }

    void transactionRollsBackUnlessCommitted() {
        DbSession s;
        QVERIFY(s.Open(m_db));
        {
            DbTransaction transaction(s);
            QVERIFY(transaction.Begun());
            QVERIFY(s.Run(u"INSERT INTO t(s) VALUES ('x');"_s).ok());
            QVERIFY(s.Run(u"INSERT INTO t(s) VALUES ('x');"_s).refused()); // fails halfway
        }
        QCOMPARE(DbProbe::Number(m_db, u"SELECT count(*) FROM t;"_s), 0);
        {
            DbTransaction transaction(s);
            QVERIFY(s.Run(u"INSERT INTO t(s) VALUES ('y');"_s).ok());
            QVERIFY(transaction.Commit().ok());
        }
        QCOMPARE(DbProbe::Number(m_db, u"SELECT count(*) FROM t;"_s), 1);
    }

    void installDirSources() {
        // The option wins over the environment, the environment over the setting.
        const QString option = m_data->path() + u"/option"_s;
        SetInstallDirOverride(option + u"/"_s);
        QCOMPARE(InstallDir(), option);
        QCOMPARE(EscapedInstallDir(), option + u'/');
        SetInstallDirOverride({});
        QCOMPARE(InstallDir(), m_data->path());
        QVERIFY(PrepareInstallDir());
        for (const QString& sub : {u"/db/images"_s, u"/db/documents"_s, u"/db/notes"_s})
            QVERIFY2(QDir(m_data->path() + sub).exists(), qPrintable(sub));

        const QByteArray home = qgetenv("VORNEL_HOME");
        qunsetenv("VORNEL_HOME");
        QSettings settings(u"Vornel"_s, u"Vornel"_s);
        settings.setValue(u"InstallPath"_s, m_data->path() + u"/configured"_s);
        settings.sync();
        QCOMPARE(InstallDir(), m_data->path() + u"/configured"_s);

        // Without a configured folder the per-user data folder is used, never the root.
        settings.remove(u"InstallPath"_s);
        settings.sync();
        const QString fallback = InstallDir();
        QCOMPARE(fallback, QDir::cleanPath(
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
        qputenv("VORNEL_HOME", "/");
        QCOMPARE(InstallDir(), fallback);
        qputenv("VORNEL_HOME", home);
    }

    void readTextFileByMark_data() {
        QTest::addColumn<QByteArray>("bytes"); // null: no file at all
        QTest::addColumn<QString>("text");
        const QString polish = u"Rodowód gołębia"_s;
        const auto utf16le = [](const QString& text) {
            return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        };
        QTest::newRow("utf-16le with mark")
            << utf16le(QChar(0xFEFF) + polish) << QChar(0xFEFF) + polish;
        QTest::newRow("utf-16le without mark") << utf16le(polish) << polish;
        QTest::newRow("utf-16le of Latin letters, valid as utf-8 too")
            << utf16le(u"<p>Lot</p>"_s) << u"<p>Lot</p>"_s;
        QTest::newRow("utf-8 of even length")
            << QByteArray("<html></html>!") << u"<html></html>!"_s;
        QTest::newRow("utf-8 with mark")
            << QByteArray("\xEF\xBB\xBF") + polish.toUtf8() << QChar(0xFEFF) + polish;
        QTest::newRow("utf-8 without mark") << polish.toUtf8() << polish;
        QTest::newRow("empty") << QByteArray("") << QString();
        QTest::newRow("missing") << QByteArray() << u"Error"_s;
    }

    void readTextFileByMark() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const QString path = m_data->path() + u"/t.html"_s;
        if (!bytes.isNull())
            m_data->makeFile(u"t.html"_s, bytes);
        QCOMPARE(ReadTextFile(path), text);
    }

    void writeTextFileIsUtf16WithMark() {
        const QString path = m_data->path() + u"/page.html"_s;
        QVERIFY(WriteTextFile(path, u"<p>Łódź</p>"_s));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith(QByteArray("\xFF\xFE", 2)));
        QCOMPARE(bytes.size(), 2 + 11 * 2);
        QCOMPARE(ReadTextFile(path), QChar(0xFEFF) + u"<p>Łódź</p>"_s);
        // A text that already carries its mark is not given a second one.
        QVERIFY(WriteTextFile(path, ReadTextFile(path)));
        QCOMPARE(QFile(path).size(), bytes.size());
        QVERIFY(!WriteTextFile(m_data->path() + u"/no/such/folder/x.html"_s, u"x"_s));
    }

private:
    std::unique_ptr<TestDataDir> m_data;
    QString m_db;
};

QTEST_GUILESS_MAIN(TestDbSession)
#include "tst_dbsession.moc"
