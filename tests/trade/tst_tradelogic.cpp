// What the trade and note windows show and store, without a window: list cells, the search
// filters, typed prices, the contact books in memory and the note bodies.

#include "notes/NoteBodies.h"
#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/InstallDir.h"
#include "support/DbProbe.h"
#include "support/TestDataDir.h"
#include "trade/ContactBook.h"
#include "trade/TradeTexts.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

class TestTradeLogic : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void transactionCells_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("client");
        QTest::addColumn<int>("pigeon");
        QTest::addColumn<QString>("shown");
        QTest::newRow("price in euro") << int(TransactionPrice) << 3 << 7 << u"12.5 EUR"_s;
        QTest::newRow("the bird") << int(TransactionItem) << 3 << 7
                                  << u"PL 0207 2025 1234 [Perła]"_s;
        QTest::newRow("another item") << int(TransactionItem) << 3 << 0 << u"Karma na zimę"_s;
        QTest::newRow("no such bird") << int(TransactionItem) << 3 << 99 << QString();
        // The list says "Another", where the editor's choice reads " Another".
        QTest::newRow("another kind") << int(TransactionKind) << 3 << 7 << u"Another"_s;
        QTest::newRow("remarks cut") << int(TransactionRemarks) << 3 << 7 << u"Zapłacono gotów"_s;
        QTest::newRow("client") << int(TransactionClient) << 3 << 7 << u"Zdzisław D'Arco"_s;
        QTest::newRow("no client") << int(TransactionClient) << -1 << 7 << QString();
    }

    void transactionCells() {
        QFETCH(int, column);
        QFETCH(int, client);
        QFETCH(int, pigeon);
        QFETCH(QString, shown);
        AppData data;
        data.pigeons[7].BandLabel = u"PL 0207 2025 1234 [Perła]"_s;
        data.clients[3].firstName = u"Zdzisław"_s;
        data.clients[3].lastName = u"D'Arco"_s;
        TransactionRecord t;
        t.idClient = client;
        t.idPigeon = pigeon;
        t.price = 12.50f;
        t.currency = 2;
        t.kind = 2;
        t.otherSubject = u"Karma na zimę"_s;
        t.note = u"Zapłacono gotówką przy odbiorze"_s;
        QCOMPARE(TransactionCell(data, t, column), shown);
    }

    void clientSearch_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::vector<int>>("ids");
        QTest::newRow("everyone") << QString() << std::vector<int>{2, 5, 9};
        QTest::newRow("inside the name") << u"z"_s << std::vector<int>{2, 9};
        QTest::newRow("case counts") << u"Dz"_s << std::vector<int>{};
        QTest::newRow("Polish letters") << u"ł"_s << std::vector<int>{2};
        QTest::newRow("last names are not searched") << u"Nowak"_s << std::vector<int>{};
    }

    void clientSearch() {
        QFETCH(QString, text);
        QFETCH(std::vector<int>, ids);
        std::map<int, ContactRecord> clients;
        clients[9].firstName = u"Jędrzej"_s;
        clients[2].firstName = u"Zdzisław"_s;
        clients[5].firstName = u"Anna"_s;
        clients[5].lastName = u"Nowak"_s;
        QCOMPARE(ClientsMatching(clients, text), ids);
    }

    void typedPrices_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<float>("price");
        QTest::newRow("point") << u"12.50"_s << true << 12.5f;
        QTest::newRow("comma") << u"12,5"_s << true << 12.5f;
        QTest::newRow("negative") << u"-3.25"_s << true << -3.25f;
        QTest::newRow("empty") << QString() << false << 0.0f;
        QTest::newRow("words") << u"dużo"_s << false << 0.0f;
        QTest::newRow("two numbers") << u"1.2.3"_s << false << 0.0f;
        QTest::newRow("beyond a float") << u"1e39"_s << false << 0.0f;
        QTest::newRow("not a number") << u"nan"_s << false << 0.0f;
    }

    void typedPrices() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(float, price);
        const std::optional<float> parsed = ParsePrice(typed);
        QCOMPARE(parsed.has_value(), accepted);
        if (accepted)
            QCOMPARE(*parsed, price);
    }

    void contactBooksFollowTheWriters() {
        TestDataDir dir;
        AppData app;
        LayDownFiles(app);
        for (ContactBook book : {ContactBook::Clients, ContactBook::Breeders}) {
            ContactRecord contact = NewContact(4);
            contact.firstName = u"Jan"_s;
            QVERIFY(SaveContact(app, book, -1, contact).ok());
            QCOMPARE(ContactsOf(app, book).at(contact.id).country, 48);
            contact.lastName = u"Kos"_s;
            QVERIFY(SaveContact(app, book, contact.id, contact).ok());
            QCOMPARE(ContactsOf(app, book).at(contact.id).lastName, u"Kos"_s);
            QVERIFY(SaveContact(app, book, -2, contact).ok());
            QVERIFY(ContactsOf(app, book).empty());
        }
        // A write that fails leaves the book as it was.
        ContactRecord kept = NewContact(1);
        QVERIFY(app.SaveClient(-1, kept).ok());
        ReadOnlyFiles readOnly({dir.extraDb()});
        QVERIFY(readOnly.isReadOnly());
        ContactRecord changed = kept;
        changed.firstName = u"Inny"_s;
        QVERIFY(app.SaveClient(kept.id, changed).failed());
        ContactRecord added = NewContact(1);
        QVERIFY(app.SaveClient(-1, added).failed());
        QCOMPARE(app.clients.size(), 1u);
        QCOMPARE(app.clients.at(kept.id).firstName, QString());
    }

    void aNoteWhoseBodyCannotBeWrittenIsTakenBack() {
        TestDataDir dir;
        AppData app;
        LayDownFiles(app);
        // The next note will be number 1; its file is in the way and cannot be replaced.
        QVERIFY(WriteNoteBody(1, u"<p>stara treść</p>"_s).ok());
        ReadOnlyFiles readOnly({NotePath(1), QFileInfo(NotePath(1)).absolutePath()});
        QVERIFY(readOnly.isReadOnly());
        NoteRecord note;
        note.idLoft = 1;
        note.name = u"Nowa"_s;
        const DbResult result = CreateNote(app, note);
        QVERIFY(result.failed());
        QVERIFY(result.message().contains(NotePath(1)));
        QVERIFY(note.id < 1);
        QVERIFY(app.notes.empty());
        QCOMPARE(DbProbe::Number(dir.extraDb(), u"SELECT count(*) FROM notatki;"_s), 0);
        QCOMPARE(ReadNoteBody(1).html, u"<p>stara treść</p>"_s);
        // A body that was never written reads as empty, so that its note can still be edited.
        QVERIFY(ReadNoteBody(2).ok);
        QVERIFY(ReadNoteBody(2).html.isEmpty());
    }

private:
    static void LayDownFiles(AppData& app) {
        QVERIFY(PrepareInstallDir());
        QVERIFY(!app.LoadLofts().failed());
        QVERIFY(!app.SelectLoft(1).failed());
    }
};

QTEST_GUILESS_MAIN(TestTradeLogic)
#include "tst_tradelogic.moc"
