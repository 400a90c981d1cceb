// SPDX-License-Identifier: GPL-3.0-or-later
// The folder copy behind backups and restores: every answer to "replace it?", a copy failing
// or killed halfway, and the check of a backup's database files. The menu's backups and
// restores, cancelled and refused, are the shell's test.

#include "app/BackupChecks.h"
#include "app/FolderCopy.h"
#include "storage/DbSession.h"
#include "storage/Schema.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

void Write(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A database file made by the program's own statements, with one loft in it.
QByteArray MakeDatabase(const QString& path, bool pigeons) {
    {
        DbSession session;
        if (!session.Open(path))
            return {};
        if (pigeons) {
            CreateTablesLofts(session);
            CreateTablesPigeons(session);
            session.Run(u"INSERT INTO hodowla(nazwahodowli) VALUES('Z kopii');"_s);
        } else {
            CreateTablesExtra(session);
        }
    }
    return Read(path);
}

using A = OverwriteAnswer;
using Status = FolderCopyResult::Status;

} // namespace

class TestFolderCopy : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_from = m_dir->path() + u"/backup/VNBACKUP"_s;
        m_to = m_dir->path() + u"/db"_s;
        Write(m_from + u"/pigeons.db"_s, "P");
        Write(m_from + u"/dodatkowe_informacje.db"_s, "D");
        Write(m_from + u"/images/1000.jpg"_s, "I");
        Write(m_from + u"/notes/7.html"_s, "N");
        QDir().mkpath(m_from + u"/documents"_s);
    }

    void answersToReplacing_data() {
        QTest::addColumn<QList<int>>("answers");   // per question: the databases, then the note
        QTest::addColumn<QByteArray>("databases"); // pigeons.db + dodatkowe_informacje.db after
        QTest::addColumn<QByteArray>("note");
        QTest::newRow("no keeps both databases")
            << QList<int>{int(A::No), int(A::Yes)} << QByteArray("old Pold D") << QByteArray("N");
        QTest::newRow("no keeps the note")
            << QList<int>{int(A::Yes), int(A::No)} << QByteArray("PD") << QByteArray("old N");
        QTest::newRow("yes to all stops asking")
            << QList<int>{int(A::YesToAll)} << QByteArray("PD") << QByteArray("N");
        QTest::newRow("cancel at the last question copies nothing")
            << QList<int>{int(A::Yes), int(A::Cancel)} << QByteArray("old Pold D")
            << QByteArray("old N");
    }

    void answersToReplacing() {
        QFETCH(QList<int>, answers);
        QFETCH(QByteArray, databases);
        QFETCH(QByteArray, note);
        Write(m_to + u"/pigeons.db"_s, "old P");
        Write(m_to + u"/dodatkowe_informacje.db"_s, "old D");
        Write(m_to + u"/notes/7.html"_s, "old N");
        // The running copy's lock is neither carried nor replaced, nor asked about.
        Write(m_from + u"/.vornel.lock"_s, "theirs");
        Write(m_to + u"/.vornel.lock"_s, "ours");
        QList<QStringList> asked;
        CopyPlan plan = PlanFolderCopy(m_from, m_to);
        const bool go =
            AskBeforeReplacing(plan, BackupChecks::DatabaseFiles(), [&](const QStringList& files) {
                asked.append(files);
                return A(answers.value(asked.size() - 1));
            });
        QCOMPARE(go, answers.last() != int(A::Cancel));
        if (go)
            QCOMPARE(int(CopyFolder(plan).status), int(Status::Done));
        QCOMPARE(asked.size(), answers.size());
        // The two database files come in one question, so they are never split.
        QCOMPARE(asked[0],
                 QStringList({m_to + u"/pigeons.db"_s, m_to + u"/dodatkowe_informacje.db"_s}));
        QCOMPARE(Read(m_to + u"/pigeons.db"_s) + Read(m_to + u"/dodatkowe_informacje.db"_s),
                 databases);
        QCOMPARE(Read(m_to + u"/notes/7.html"_s), note);
        QCOMPARE(Read(m_to + u"/images/1000.jpg"_s), go ? QByteArray("I") : "<missing>");
        QCOMPARE(Read(m_to + u"/.vornel.lock"_s), QByteArray("ours"));
    }

    // A file that cannot be put in place takes back the ones already put there.
    void failedPutInPlaceIsUndone() {
        Write(m_to + u"/dodatkowe_informacje.db"_s, "old D");
        Write(m_to + u"/pigeons.db/inside"_s, "old P"); // a folder: no rename can replace it
        const FolderCopyResult result = CopyFolder(PlanFolderCopy(m_from, m_to));
        QCOMPARE(int(result.status), int(Status::Failed));
        QVERIFY(!result.mixed);
        QCOMPARE(Read(m_to + u"/dodatkowe_informacje.db"_s), QByteArray("old D"));
        QVERIFY(!QFileInfo::exists(m_to + u"/images/1000.jpg"_s));
        QVERIFY(!QFileInfo::exists(m_to + u"/notes/7.html"_s));
        QVERIFY(!QFileInfo::exists(StagingFolder(m_to)));
    }

    // A disk that takes no more (here a limit on file sizes) is named where it was written to.
    void fullDestinationIsNamed() {
        Write(m_from + u"/images/big.jpg"_s, QByteArray(64 * 1024, 'x'));
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 16 * 1024;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const FolderCopyResult result = CopyFolder(PlanFolderCopy(m_from, m_to));
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, signal);
        QCOMPARE(int(result.status), int(Status::Failed));
        QCOMPARE(result.error, m_to + u"/images/big.jpg"_s);
        QVERIFY(!result.reason.isEmpty());
        QVERIFY(!QFileInfo::exists(m_to + u"/pigeons.db"_s));
    }

    // The copy runs in a child process that dies at a given step, as a killed program would;
    // the next start finds either the old files or, once every file was copied, the new ones.
    void killedCopyIsUndoneOrFinished_data() {
        QTest::addColumn<int>("dieAt"); // progress step: 1-4 copying, 5-8 putting in place
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("while copying")
            << 3 << int(InterruptedCopy::Kind::Discarded) << QByteArray("old Dold P");
        QTest::newRow("all but the last in place")
            << 7 << int(InterruptedCopy::Kind::Completed) << QByteArray("DP");
    }

    void killedCopyIsUndoneOrFinished() {
        QFETCH(int, dieAt);
        QFETCH(int, kind);
        QFETCH(QByteArray, after);
        Write(m_to + u"/dodatkowe_informacje.db"_s, "old D");
        Write(m_to + u"/pigeons.db"_s, "old P");
        const CopyPlan plan = PlanFolderCopy(m_from, m_to);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            CopyFolder(plan, [&](int done, int) {
                // Each database file exists at every step: no file is ever removed first.
                if (!QFileInfo::exists(m_to + u"/pigeons.db"_s) ||
                    !QFileInfo::exists(m_to + u"/dodatkowe_informacje.db"_s))
                    _exit(3);
                if (done == dieAt)
                    _exit(0);
                return true;
            });
            _exit(4);
        }
        int childStatus = 0;
        QCOMPARE(waitpid(child, &childStatus, 0), child);
        QCOMPARE(WEXITSTATUS(childStatus), 0);
        QVERIFY(QFileInfo::exists(StagingFolder(m_to)));

        const InterruptedCopy found = FinishInterruptedCopy(m_to);
        QCOMPARE(int(found.kind), kind);
        QCOMPARE(Read(m_to + u"/dodatkowe_informacje.db"_s) + Read(m_to + u"/pigeons.db"_s), after);
        QVERIFY(!QFileInfo::exists(StagingFolder(m_to)));
        QCOMPARE(int(FinishInterruptedCopy(m_to).kind), int(InterruptedCopy::Kind::None));
    }

    void backupDatabaseIsChecked_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("refusal"); // part of the message
        QTest::newRow("random bytes") << u"pigeons.db"_s << u"random"_s << u"not a database"_s;
        QTest::newRow("empty file") << u"pigeons.db"_s << u"empty"_s << u"not a database"_s;
        QTest::newRow("damaged page") << u"pigeons.db"_s << u"page"_s << u"damaged"_s;
        QTest::newRow("cut short") << u"pigeons.db"_s << u"cut"_s << u"damaged"_s;
        QTest::newRow("the other file")
            << u"dodatkowe_informacje.db"_s << u"swap"_s << u"holds none of the program's"_s;
        // Made at the next start, as for any older file.
        QTest::newRow("a whole table missing") << u"pigeons.db"_s << u"table"_s << QString();
        QTest::newRow("a table short of columns")
            << u"pigeons.db"_s << u"columns"_s << u"hodowla with 2 columns instead of 7"_s;
    }

    void backupDatabaseIsChecked() {
        QFETCH(QString, name);
        QFETCH(QString, damage);
        QFETCH(QString, refusal);
        const QString path = m_dir->path() + u'/' + name;
        const bool pigeons = name == u"pigeons.db"_s;
        QByteArray bytes = MakeDatabase(path, damage == u"swap"_s ? !pigeons : pigeons);
        QVERIFY(bytes.size() >= 4096);
        if (damage == u"random"_s) {
            bytes.fill('\x5a');
            bytes[0] = '\x13';
        } else if (damage == u"empty"_s) {
            bytes.clear();
        } else if (damage == u"page"_s) {
            for (qsizetype i = 4096; i < bytes.size(); i += 7)
                bytes[i] = '\xff';
        } else if (damage == u"cut"_s) {
            bytes.truncate(bytes.size() / 2);
        } else if (damage == u"table"_s) {
            QVERIFY(DbSession::Execute(path, u"DROP TABLE transakcje;"_s).ok());
            bytes = Read(path);
        } else if (damage == u"columns"_s) {
            QVERIFY(DbSession::Execute(path, u"DROP TABLE hodowla;"_s).ok());
            QVERIFY(DbSession::Execute(path, u"CREATE TABLE hodowla(id INTEGER, x TEXT);"_s).ok());
            bytes = Read(path);
        }
        QVERIFY(QFile::remove(path));
        Write(path, bytes);
        const QString verdict = BackupChecks::CheckDatabaseFile(path, name);
        QVERIFY2(refusal.isEmpty() ? verdict.isEmpty() : verdict.contains(refusal),
                 qPrintable(verdict));
        QCOMPARE(Read(path), bytes); // looking does not change the file
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_from;
    QString m_to;
};

QTEST_GUILESS_MAIN(TestFolderCopy)
#include "tst_foldercopy.moc"
