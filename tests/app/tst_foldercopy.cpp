// The folder copy behind backups: the whole tree, and every answer to "replace it?".

#include "app/FolderCopy.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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

} // namespace

class TestFolderCopy : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_from = m_dir->path() + u"/db"_s;
        m_to = m_dir->path() + u"/backup/VNBACKUP"_s;
        Write(m_from + u"/pigeons.db"_s, "P");
        Write(m_from + u"/dodatkowe_informacje.db"_s, "D");
        Write(m_from + u"/images/1000.jpg"_s, "I");
        Write(m_from + u"/notes/7.html"_s, "N");
        QDir().mkpath(m_from + u"/documents"_s);
    }

    void copiesTheWholeTree() {
        int asked = 0;
        int lastDone = 0;
        const FolderCopyResult result = CopyFolder(
            m_from, m_to,
            [&asked](const QString&) {
                ++asked;
                return OverwriteAnswer::Yes;
            },
            [&lastDone](int done, int total) {
                lastDone = done;
                return total == 4;
            });
        QCOMPARE(result.status, FolderCopyResult::Status::Done);
        QCOMPARE(result.copied, 4);
        QCOMPARE(asked, 0);
        QCOMPARE(lastDone, 4);
        QCOMPARE(Read(m_to + u"/images/1000.jpg"_s), QByteArray("I"));
        QCOMPARE(Read(m_to + u"/notes/7.html"_s), QByteArray("N"));
        QCOMPARE(Read(m_to + u"/pigeons.db"_s), QByteArray("P"));
        QVERIFY(QDir(m_to + u"/documents"_s).exists());
    }

    void answersToReplacing_data() {
        QTest::addColumn<QList<int>>("answers"); // OverwriteAnswer per question, in file order
        QTest::addColumn<QByteArray>("notes");   // notes/7.html afterwards
        QTest::addColumn<QByteArray>("pigeons"); // pigeons.db afterwards
        QTest::addColumn<int>("status");
        using A = OverwriteAnswer;
        // Files come in name order: dodatkowe_informacje.db, images/..., notes/..., pigeons.db.
        QTest::newRow("yes to each")
            << QList<int>{int(A::Yes), int(A::Yes), int(A::Yes)} << QByteArray("N")
            << QByteArray("P") << int(FolderCopyResult::Status::Done);
        QTest::newRow("no keeps the old file")
            << QList<int>{int(A::Yes), int(A::No), int(A::Yes)} << QByteArray("old note")
            << QByteArray("P") << int(FolderCopyResult::Status::Done);
        QTest::newRow("yes to all stops asking")
            << QList<int>{int(A::YesToAll)} << QByteArray("N") << QByteArray("P")
            << int(FolderCopyResult::Status::Done);
        QTest::newRow("cancel stops the copy")
            << QList<int>{int(A::Yes), int(A::Cancel)} << QByteArray("old note")
            << QByteArray("old pigeons") << int(FolderCopyResult::Status::Cancelled);
    }

    void answersToReplacing() {
        QFETCH(QList<int>, answers);
        QFETCH(QByteArray, notes);
        QFETCH(QByteArray, pigeons);
        QFETCH(int, status);
        Write(m_to + u"/dodatkowe_informacje.db"_s, "old extra");
        Write(m_to + u"/notes/7.html"_s, "old note");
        Write(m_to + u"/pigeons.db"_s, "old pigeons");
        int question = 0;
        const FolderCopyResult result = CopyFolder(m_from, m_to, [&](const QString&) {
            return static_cast<OverwriteAnswer>(
                answers.value(question++, int(OverwriteAnswer::No)));
        });
        QCOMPARE(int(result.status), status);
        QCOMPARE(question, answers.size());
        QCOMPARE(Read(m_to + u"/notes/7.html"_s), notes);
        QCOMPARE(Read(m_to + u"/pigeons.db"_s), pigeons);
        QVERIFY(!QFile::exists(m_to + u"/notes/7.html.part"_s));
    }

    void progressCanCancel() {
        const FolderCopyResult result = CopyFolder(
            m_from, m_to, [](const QString&) { return OverwriteAnswer::Yes; },
            [](int done, int) { return done < 2; });
        QCOMPARE(result.status, FolderCopyResult::Status::Cancelled);
        QCOMPARE(result.copied, 2);
    }

    void missingSourceFails() {
        const FolderCopyResult result =
            CopyFolder(m_dir->path() + u"/nothing"_s, m_to,
                       [](const QString&) { return OverwriteAnswer::Yes; });
        QCOMPARE(result.status, FolderCopyResult::Status::Failed);
        QVERIFY(!QDir(m_to).exists());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_from;
    QString m_to;
};

QTEST_GUILESS_MAIN(TestFolderCopy)
#include "tst_foldercopy.moc"
