// SPDX-License-Identifier: GPL-3.0-or-later
// Photos and documents enter and leave the store together with their rows.

#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/InstallDir.h"
#include "support/DbProbe.h"
#include "support/TestDataDir.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestFileStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_data = std::make_unique<TestDataDir>();
        m_app = std::make_unique<AppData>();
        QVERIFY(m_app->SelectLoft(1).ok());
        QVERIFY(PrepareInstallDir());
        m_source = m_data->makeFile(u"głowa.jpg"_s, QByteArray("JPEG bytes"));
        m_images = m_data->path() + u"/db/images/"_s;
    }

    // Id, kind, category and subcategory joined: the names every stored file has.
    void fileNames_data() {
        QTest::addColumn<QList<int>>("fields");
        QTest::addColumn<QString>("name");
        QTest::newRow("photo 3") << QList<int>{3, 1, 2, 0} << u"3120.jpg"_s;
        QTest::newRow("photo 12") << QList<int>{12, 0, 0, 0} << u"12000.jpg"_s;
        QTest::newRow("negative kind") << QList<int>{4, -1, 0, 0} << u"4-100.jpg"_s;
    }

    void fileNames() {
        QFETCH(QList<int>, fields);
        QFETCH(QString, name);
        PhotoRecord photo{fields[0], 0, 0, fields[1], fields[2], fields[3], {}, u"jpg"_s, {}};
        QCOMPARE(PhotoPath(photo), m_images + name);
        QCOMPARE(photo.path, m_images + name);
        DocumentRecord document{fields[0], 0,  0,        fields[1], fields[2],
                                fields[3], {}, u"jpg"_s, {},        {}};
        QCOMPARE(DocumentPath(document), m_data->path() + u"/db/documents/"_s + name);
        QCOMPARE(NotePath(7), m_data->path() + u"/db/notes/7.html"_s);
    }

    // What is added comes back through the loader, naming the file it was stored as.
    void addedFilesAreStoredAndLoaded() {
        PigeonRecord pigeon;
        pigeon.idLoft = 1;
        QVERIFY(m_app->SavePigeon(-1, pigeon).ok());
        PhotoRecord photo{0, pigeon.id, 1, 1, 2, 5, m_source, u"jpg"_s, u"z profilu"_s};
        QVERIFY(m_app->AddPhoto(photo).ok());
        QCOMPARE(photo.subcategory, 0); // photos are always stored with subcategory 0
        QCOMPARE(photo.path, m_images + QString::number(photo.id) + u"120.jpg"_s);
        QCOMPARE(DbProbe::Rows(m_data->pigeonsDb(),
                               u"SELECT opis1, id_golebia, id_hodowli, rozszerzenie, rodzaj,"
                               u" kategoria, subkategoria FROM zdjecia;"_s),
                 (std::vector<QStringList>{{u"z profilu"_s, QString::number(pigeon.id), u"1"_s,
                                            u"jpg"_s, u"1"_s, u"2"_s, u"0"_s}}));
        PhotoRecord again = photo; // the same source twice gives two rows and two files
        again.path = m_source;
        QVERIFY(m_app->AddPhoto(again).ok());
        QVERIFY(again.path != photo.path);
        DocumentRecord document{0,        1,        pigeon.id,    2,        3, 4,
                                m_source, u"pdf"_s, u"Rodowód"_s, u"skan"_s};
        QVERIFY(m_app->AddDocument(document).ok());
        QCOMPARE(document.path, m_data->path() + u"/db/documents/"_s +
                                    QString::number(document.id) + u"234.pdf"_s);

        AppData reloaded;
        QVERIFY(reloaded.LoadPigeons(1).ok());
        PigeonRecord loaded = reloaded.pigeons.at(pigeon.id);
        QCOMPARE(loaded.photos.size(), 2u);
        QCOMPARE(PhotoPath(loaded.photos[0]), photo.path);
        QCOMPARE(PhotoPath(loaded.photos[1]), again.path);
        QCOMPARE(loaded.photos[0].description, u"z profilu"_s);
        QCOMPARE(Contents(again.path), QByteArray("JPEG bytes"));
        QCOMPARE(loaded.documents.size(), 1u);
        QCOMPARE(DocumentPath(loaded.documents[0]), document.path);
        QCOMPARE(loaded.documents[0].name + loaded.documents[0].description, u"Rodowódskan"_s);
        QCOMPARE(Contents(document.path), QByteArray("JPEG bytes"));
    }

    // A copy that fails, or would overwrite another row's file, adds no row.
    void failedAddsLeaveNoRow() {
        PhotoRecord photo;
        photo.extension = u"jpg"_s;
        photo.path = m_data->path() + u"/missing.jpg"_s;
        QVERIFY(m_app->AddPhoto(photo).failed());
        QCOMPARE(photo.id, 0);
        DocumentRecord document;
        document.path = m_data->path(); // a folder, not a file
        QVERIFY(m_app->AddDocument(document).failed());
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM dokumenty;"_s), 0);

        // Row 1 of kind 20 is stored as 12000.jpg, the name row 12 of kind 0 would get.
        QVERIFY(DbProbe::Exec(m_data->pigeonsDb(),
                              u"INSERT INTO zdjecia(id, rodzaj, kategoria, subkategoria,"
                              u" rozszerzenie) VALUES (1, 20, 0, 0, 'jpg'),"
                              u" (11, 0, 0, 0, 'jpg');"_s));
        PhotoRecord existing{1, 0, 0, 20, 0, 0, {}, u"jpg"_s, {}};
        QVERIFY(QFile::copy(m_data->makeFile(u"other.jpg"_s, "other bytes"), PhotoPath(existing)));
        PhotoRecord clash{0, 0, 0, 0, 0, 0, m_source, u"jpg"_s, {}};
        QVERIFY(m_app->AddPhoto(clash).failed());
        QCOMPARE(clash.id, 0);
        QCOMPARE(Contents(existing.path), QByteArray("other bytes"));
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM zdjecia;"_s), 2);
    }

    void deletesRemoveRowAndFile() {
        PhotoRecord photo{0, 0, 0, 0, 0, 0, m_source, u"jpg"_s, {}};
        PhotoRecord gone = photo;
        DocumentRecord document{0, 0, 0, 0, 0, 0, m_source, u"pdf"_s, {}, {}};
        QVERIFY(m_app->AddPhoto(photo).ok());
        QVERIFY(m_app->AddPhoto(gone).ok());
        QVERIFY(m_app->AddDocument(document).ok());
        QVERIFY(m_app->DeletePhoto(photo).ok());
        QVERIFY(!QFile::exists(photo.path));
        // A file removed by hand does not keep its row alive.
        QVERIFY(QFile::remove(gone.path));
        QVERIFY(m_app->DeletePhoto(gone).ok());
        QVERIFY(m_app->DeleteDocument(document).ok());
        QVERIFY(!QFile::exists(document.path));
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM zdjecia;"_s), 0);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM dokumenty;"_s), 0);
        QVERIFY(QFile::exists(m_source));
    }

    // A write that cannot be committed keeps every row with its file, and adds neither.
    void blockedWritesKeepRowsAndFiles_data() {
        QTest::addColumn<bool>("readOnly"); // or another program reading the file
        QTest::newRow("read-only file") << true;
        QTest::newRow("a reader holds the file") << false;
    }

    void blockedWritesKeepRowsAndFiles() {
        QFETCH(bool, readOnly);
        PhotoRecord photo{0, 0, 0, 0, 0, 0, m_source, u"jpg"_s, {}};
        DocumentRecord document{0, 0, 0, 0, 0, 0, m_source, u"pdf"_s, {}, {}};
        QVERIFY(m_app->AddPhoto(photo).ok());
        QVERIFY(m_app->AddDocument(document).ok());
        std::unique_ptr<ReadOnlyFiles> unwritable;
        DbSession reader;
        if (readOnly) {
            unwritable = std::make_unique<ReadOnlyFiles>(QStringList{m_data->pigeonsDb()});
            QVERIFY(unwritable->isReadOnly());
        } else {
            QVERIFY(reader.Open(m_data->pigeonsDb()));
            QVERIFY(reader.Run(u"BEGIN;"_s).ok());
            QVERIFY(reader.Query(u"SELECT count(*) FROM zdjecia;"_s));
        }
        QVERIFY(m_app->DeletePhoto(photo).failed());
        QVERIFY(m_app->DeleteDocument(document).failed());
        PhotoRecord another{0, 0, 0, 0, 0, 0, m_source, u"png"_s, {}};
        QVERIFY(m_app->AddPhoto(another).failed());
        QCOMPARE(another.id, 0);
        reader.Close();
        unwritable.reset();
        QVERIFY(QFile::exists(photo.path));
        QVERIFY(QFile::exists(document.path));
        QCOMPARE(QDir(m_images).entryList(QDir::Files).size(), 1);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM zdjecia;"_s), 1);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM dokumenty;"_s), 1);
    }

private:
    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<AppData> m_app;
    QString m_source;
    QString m_images;
};

QTEST_GUILESS_MAIN(TestFileStore)
#include "tst_filestore.moc"
