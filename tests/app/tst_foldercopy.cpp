// The folder copy behind backups and restores: all or nothing, every answer to "replace it?",
// a copy killed halfway, and the check of a backup's database files.

#include "app/BackupChecks.h"
#include "app/FolderCopy.h"
#include "storage/DbSession.h"
#include "storage/Schema.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

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

    void copiesTheWholeTree() {
        int lastDone = 0;
        const FolderCopyResult result =
            CopyFolder(PlanFolderCopy(m_from, m_to), [&](int done, int) {
                lastDone = done;
                return true;
            });
        QCOMPARE(result.status, Status::Done);
        QCOMPARE(result.copied, 4);
        QCOMPARE(lastDone, 8); // four copied, then four put in place
        QCOMPARE(Read(m_to + u"/images/1000.jpg"_s), QByteArray("I"));
        QCOMPARE(Read(m_to + u"/notes/7.html"_s), QByteArray("N"));
        QCOMPARE(Read(m_to + u"/pigeons.db"_s), QByteArray("P"));
        QVERIFY(QDir(m_to + u"/documents"_s).exists());
        QVERIFY(!QFileInfo::exists(StagingFolder(m_to)));
    }

    void answersToReplacing_data() {
        QTest::addColumn<QList<int>>("answers"); // per question: the databases, then the note
        QTest::addColumn<int>("questions");
        QTest::addColumn<QByteArray>("databases"); // pigeons.db + dodatkowe_informacje.db after
        QTest::addColumn<QByteArray>("note");
        QTest::addColumn<int>("status");
        QTest::newRow("yes to each") << QList<int>{int(A::Yes), int(A::Yes)} << 2
                                     << QByteArray("PD") << QByteArray("N") << int(Status::Done);
        QTest::newRow("no keeps both databases")
            << QList<int>{int(A::No), int(A::Yes)} << 2 << QByteArray("old Pold D")
            << QByteArray("N") << int(Status::Done);
        QTest::newRow("no keeps the note")
            << QList<int>{int(A::Yes), int(A::No)} << 2 << QByteArray("PD") << QByteArray("old N")
            << int(Status::Done);
        QTest::newRow("yes to all stops asking")
            << QList<int>{int(A::YesToAll)} << 1 << QByteArray("PD") << QByteArray("N")
            << int(Status::Done);
        QTest::newRow("cancel at the last question copies nothing")
            << QList<int>{int(A::Yes), int(A::Cancel)} << 2 << QByteArray("old Pold D")
            << QByteArray("old N") << int(Status::Cancelled);
    }

    void answersToReplacing() {
        QFETCH(QList<int>, answers);
        QFETCH(int, questions);
        QFETCH(QByteArray, databases);
        QFETCH(QByteArray, note);
        QFETCH(int, status);
        Write(m_to + u"/pigeons.db"_s, "old P");
        Write(m_to + u"/dodatkowe_informacje.db"_s, "old D");
        Write(m_to + u"/notes/7.html"_s, "old N");
        QList<QStringList> asked;
        CopyPlan plan = PlanFolderCopy(m_from, m_to);
        const bool go =
            AskBeforeReplacing(plan, BackupChecks::DatabaseFiles(), [&](const QStringList& files) {
                asked.append(files);
                return A(answers.value(asked.size() - 1));
            });
        const Status outcome = go ? CopyFolder(plan).status : Status::Cancelled;
        QCOMPARE(int(outcome), status);
        QCOMPARE(asked.size(), questions);
        // The two database files come in one question, so they are never split.
        QCOMPARE(asked[0],
                 QStringList({m_to + u"/pigeons.db"_s, m_to + u"/dodatkowe_informacje.db"_s}));
        QCOMPARE(Read(m_to + u"/pigeons.db"_s) + Read(m_to + u"/dodatkowe_informacje.db"_s),
                 databases);
        QCOMPARE(Read(m_to + u"/notes/7.html"_s), note);
        QCOMPARE(Read(m_to + u"/images/1000.jpg"_s), go ? QByteArray("I") : "<missing>");
    }

    // However a copy stops before its end, the destination keeps every file as it was.
    void stoppedCopyChangesNothing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("status");
        QTest::newRow("cancelled after two files") << u"cancel"_s << int(Status::Cancelled);
        QTest::newRow("check refuses") << u"refuse"_s << int(Status::Refused);
        QTest::newRow("last file cannot be put in place") << u"block"_s << int(Status::Failed);
    }

    void stoppedCopyChangesNothing() {
        QFETCH(QString, how);
        QFETCH(int, status);
        Write(m_to + u"/dodatkowe_informacje.db"_s, "old D");
        // A folder where the file should go: no rename can replace it.
        Write(m_to + (how == u"block"_s ? u"/pigeons.db/inside"_s : u"/pigeons.db"_s), "old P");
        const CopyPlan plan = PlanFolderCopy(m_from, m_to);
        const FolderCopyResult result = CopyFolder(
            plan, [&](int done, int) { return !(how == u"cancel"_s && done == 2); },
            [&](const QString& copied) {
                return how == u"refuse"_s && QFileInfo::exists(copied + u"/pigeons.db"_s)
                           ? u"not a backup"_s
                           : QString();
            });
        QCOMPARE(int(result.status), status);
        QVERIFY(!result.mixed);
        QCOMPARE(Read(m_to + u"/dodatkowe_informacje.db"_s), QByteArray("old D"));
        if (how != u"block"_s)
            QCOMPARE(Read(m_to + u"/pigeons.db"_s), QByteArray("old P"));
        QVERIFY(!QFileInfo::exists(m_to + u"/images/1000.jpg"_s));
        QVERIFY(!QFileInfo::exists(m_to + u"/notes/7.html"_s));
        QVERIFY(!QFileInfo::exists(StagingFolder(m_to)));
    }

    // The copy runs in a child process that dies at a given step, as a killed program would;
    // the next start finds either the old files or, once every file was copied, the new ones.
    void killedCopyIsUndoneOrFinished_data() {
        QTest::addColumn<int>("dieAt"); // progress step: 1-4 copying, 5-8 putting in place
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("while copying")
            << 3 << int(InterruptedCopy::Kind::Discarded) << QByteArray("old Dold P");
        QTest::newRow("first file in place")
            << 5 << int(InterruptedCopy::Kind::Completed) << QByteArray("DP");
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
        QTest::addColumn<QString>("refusal"); // part of the message; empty when accepted
        QTest::newRow("pigeons.db") << u"pigeons.db"_s << QString() << QString();
        QTest::newRow("extra file") << u"dodatkowe_informacje.db"_s << QString() << QString();
        QTest::newRow("random bytes") << u"pigeons.db"_s << u"random"_s << u"not a database"_s;
        QTest::newRow("empty file") << u"pigeons.db"_s << u"empty"_s << u"not a database"_s;
        QTest::newRow("damaged page") << u"pigeons.db"_s << u"page"_s << u"damaged"_s;
        QTest::newRow("cut short") << u"pigeons.db"_s << u"cut"_s << u"damaged"_s;
        QTest::newRow("the other file")
            << u"dodatkowe_informacje.db"_s << u"swap"_s << u"has no table"_s;
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
        } else if (damage == u"columns"_s) {
            QVERIFY(DbSession::Execute(path, u"DROP TABLE hodowla;"_s).ok());
            QVERIFY(DbSession::Execute(path, u"CREATE TABLE hodowla(id INTEGER, x TEXT);"_s).ok());
            bytes = Read(path);
        }
        QVERIFY(QFile::remove(path));
        Write(path, bytes);
        const QString verdict = BackupChecks::CheckDatabaseFile(path, name);
        if (refusal.isEmpty())
            QVERIFY2(verdict.isEmpty(), qPrintable(verdict));
        else
            QVERIFY2(verdict.contains(refusal), qPrintable(verdict));
        QCOMPARE(Read(path), bytes); // looking does not change the file
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_from;
    QString m_to;
};

QTEST_GUILESS_MAIN(TestFolderCopy)
#include "tst_foldercopy.moc"
