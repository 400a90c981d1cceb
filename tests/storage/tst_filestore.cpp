// Photos and documents enter and leave the store together with their rows.

#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/InstallDir.h"
#include "support/DbProbe.h"
#include "support/TestDataDir.h"

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
    }

    void fileNames_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("subcategory");
        QTest::addColumn<QString>("name");
        QTest::newRow("photo 3") << 3 << 1 << 2 << 0 << u"3120.jpg"_s;
        QTest::newRow("photo 12") << 12 << 0 << 0 << 0 << u"12000.jpg"_s;
        QTest::newRow("negative kind") << 4 << -1 << 0 << 0 << u"4-100.jpg"_s;
    }

    void fileNames() {
        QFETCH(int, id);
        QFETCH(int, kind);
        QFETCH(int, category);
        QFETCH(int, subcategory);
        QFETCH(QString, name);
        PhotoRecord photo{id, 0, 0, kind, category, subcategory, {}, u"jpg"_s, {}};
        QCOMPARE(PhotoFileName(photo), name);
        QCOMPARE(PhotoPath(photo), m_data->path() + u"/db/images/"_s + name);
        QCOMPARE(photo.path, m_data->path() + u"/db/images/"_s + name);
        QCOMPARE(PhotoPathEscaped(photo), photo.path);
        DocumentRecord document{id, 0, 0, kind, category, subcategory, {}, u"jpg"_s, {}, {}};
        QCOMPARE(DocumentPath(document), m_data->path() + u"/db/documents/"_s + name);
        QCOMPARE(NotePath(7), m_data->path() + u"/db/notes/7.html"_s);
    }

    void addPhotoStoresRowAndFile() {
        PhotoRecord photo;
        photo.idPigeon = 10;
        photo.idLoft = 1;
        photo.kind = 1;
        photo.category = 2;
        photo.subcategory = 5; // photos are always stored with subcategory 0
        photo.extension = u"jpg"_s;
        photo.description = u"z profilu"_s;
        photo.path = m_source;
        QVERIFY(m_app->AddPhoto(photo).ok());
        QVERIFY(photo.id >= 1);
        QCOMPARE(photo.subcategory, 0);
        const QString expected =
            m_data->path() + u"/db/images/"_s + QString::number(photo.id) + u"120.jpg"_s;
        QCOMPARE(photo.path, expected);
        QCOMPARE(Contents(expected), QByteArray("JPEG bytes"));
        QCOMPARE(DbProbe::Rows(m_data->pigeonsDb(),
                               u"SELECT opis1, id_golebia, id_hodowli, rozszerzenie, rodzaj,"
                               u" kategoria, subkategoria FROM zdjecia;"_s),
                 (std::vector<QStringList>{
                     {u"z profilu"_s, u"10"_s, u"1"_s, u"jpg"_s, u"1"_s, u"2"_s, u"0"_s}}));

        // The same source twice gives two rows and two files.
        PhotoRecord again = photo;
        again.path = m_source;
        QVERIFY(m_app->AddPhoto(again).ok());
        QVERIFY(again.id != photo.id);
        QVERIFY(QFile::exists(again.path));
        QVERIFY(QFile::exists(photo.path));
    }

    void addDocumentStoresRowAndFile() {
        DocumentRecord document;
        document.idOwner = 10;
        document.idLoft = 1;
        document.kind = 2;
        document.category = 3;
        document.subcategory = 4;
        document.extension = u"pdf"_s;
        document.name = u"Rodowód"_s;
        document.description = u"skan"_s;
        document.path = m_source;
        QVERIFY(m_app->AddDocument(document).ok());
        QCOMPARE(document.path, m_data->path() + u"/db/documents/"_s +
                                    QString::number(document.id) + u"234.pdf"_s);
        QVERIFY(QFile::exists(document.path));

        QVERIFY(m_app->LoadPigeons(1).ok()); // no pigeon 10 in the register: not attached
        QCOMPARE(DbProbe::Text(m_data->pigeonsDb(), u"SELECT nazwa FROM dokumenty;"_s),
                 u"Rodowód"_s);
    }

    void failedCopyLeavesNoRow() {
        PhotoRecord photo;
        photo.extension = u"jpg"_s;
        photo.path = m_data->path() + u"/missing.jpg"_s;
        const DbResult result = m_app->AddPhoto(photo);
        QVERIFY(result.failed());
        QCOMPARE(photo.id, 0);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM zdjecia;"_s), 0);

        DocumentRecord document;
        document.path = m_data->path(); // a folder, not a file
        QVERIFY(m_app->AddDocument(document).failed());
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM dokumenty;"_s), 0);
    }

    void nameClashWithAnotherRowIsRefused() {
        // Row 1 of kind 20 is stored as 12000.jpg, the name row 12 of kind 0 would get.
        QVERIFY(DbProbe::Exec(m_data->pigeonsDb(),
                              u"INSERT INTO zdjecia(id, rodzaj, kategoria, subkategoria,"
                              u" rozszerzenie) VALUES (1, 20, 0, 0, 'jpg'),"
                              u" (11, 0, 0, 0, 'jpg');"_s));
        PhotoRecord existing{1, 0, 0, 20, 0, 0, {}, u"jpg"_s, {}};
        const QString precious = m_data->makeFile(u"other.jpg"_s, "other bytes");
        QVERIFY(QFile::copy(precious, PhotoPath(existing)));

        PhotoRecord clash;
        clash.extension = u"jpg"_s;
        clash.path = m_source;
        QVERIFY(m_app->AddPhoto(clash).failed());
        QCOMPARE(clash.id, 0);
        QCOMPARE(Contents(existing.path), QByteArray("other bytes"));
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM zdjecia;"_s), 2);
    }

    void deletesRemoveRowAndFile() {
        PhotoRecord photo;
        photo.extension = u"jpg"_s;
        photo.path = m_source;
        QVERIFY(m_app->AddPhoto(photo).ok());
        PhotoRecord gone = photo;
        gone.path = m_source;
        QVERIFY(m_app->AddPhoto(gone).ok());
        DocumentRecord document;
        document.extension = u"pdf"_s;
        document.path = m_source;
        QVERIFY(m_app->AddDocument(document).ok());

        QVERIFY(m_app->DeletePhoto(photo).ok());
        QVERIFY(!QFile::exists(photo.path));
        // A file removed by hand does not keep its row alive.
        QVERIFY(QFile::remove(gone.path));
        QVERIFY(m_app->DeletePhoto(gone).ok());
        QVERIFY(QFile::remove(document.path));
        QVERIFY(m_app->DeleteDocument(document).ok());
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM zdjecia;"_s), 0);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM dokumenty;"_s), 0);
        QVERIFY(QFile::exists(m_source));
    }

    void deleteThatCannotBeStoredKeepsTheFile() {
        PhotoRecord photo;
        photo.extension = u"jpg"_s;
        photo.path = m_source;
        QVERIFY(m_app->AddPhoto(photo).ok());
        ReadOnlyFiles readOnly({m_data->pigeonsDb()});
        QVERIFY(readOnly.isReadOnly());
        QVERIFY(m_app->DeletePhoto(photo).failed());
        QVERIFY(QFile::exists(photo.path));

        PhotoRecord another;
        another.extension = u"png"_s;
        another.path = m_source;
        QVERIFY(m_app->AddPhoto(another).failed());
        QCOMPARE(another.id, 0);
    }

    void deleteBlockedByAReaderKeepsRowAndFile() {
        PhotoRecord photo;
        photo.extension = u"jpg"_s;
        photo.path = m_source;
        QVERIFY(m_app->AddPhoto(photo).ok());
        DocumentRecord document;
        document.extension = u"pdf"_s;
        document.path = m_source;
        QVERIFY(m_app->AddDocument(document).ok());
        // Another program reading the file holds it until its read ends: the delete cannot be
        // committed, so the files must stay with their rows.
        DbSession reader;
        QVERIFY(reader.Open(m_data->pigeonsDb()));
        QVERIFY(reader.Run(u"BEGIN;"_s).ok());
        QVERIFY(reader.Query(u"SELECT count(*) FROM zdjecia;"_s));
        QVERIFY(m_app->DeletePhoto(photo).failed());
        QVERIFY(m_app->DeleteDocument(document).failed());
        reader.Close();
        QVERIFY(QFile::exists(photo.path));
        QVERIFY(QFile::exists(document.path));
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM zdjecia;"_s), 1);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM dokumenty;"_s), 1);
    }

private:
    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<AppData> m_app;
    QString m_source;
};

QTEST_GUILESS_MAIN(TestFileStore)
#include "tst_filestore.moc"
