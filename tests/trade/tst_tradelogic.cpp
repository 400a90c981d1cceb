// SPDX-License-Identifier: GPL-3.0-or-later
// What the trade and note windows show and store, without a window: list cells, the search
// filters, typed prices, the contact books in memory and the note bodies.

#include "notes/NoteBodies.h"
#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/Formatting.h"
#include "storage/InstallDir.h"
#include "support/DbProbe.h"
#include "support/TestDataDir.h"
#include "trade/ContactBook.h"
#include "trade/TradeTexts.h"
#include "trade/TransactionReport.h"

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
        QTest::newRow("remarks cut")
            << int(TransactionRemarks) << 3 << 7 << u"Zapłacono gotów\u2026"_s;
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
        QTest::addColumn<double>("price");
        QTest::newRow("point") << u"12.50"_s << true << 12.5;
        QTest::newRow("comma") << u"12,5"_s << true << 12.5;
        QTest::newRow("negative") << u"-3.25"_s << true << -3.25;
        QTest::newRow("every cent") << u"1234567.89"_s << true << 1234567.89;
        QTest::newRow("to the cent") << u"0.125001"_s << true << 0.13;
        QTest::newRow("empty") << QString() << false << 0.0;
        QTest::newRow("words") << u"dużo"_s << false << 0.0;
        QTest::newRow("two numbers") << u"1.2.3"_s << false << 0.0;
        QTest::newRow("beyond the cents") << u"1e13"_s << false << 0.0;
        QTest::newRow("not a number") << u"nan"_s << false << 0.0;
    }

    void typedPrices() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(double, price);
        const std::optional<double> parsed = ParsePrice(typed);
        QCOMPARE(parsed.has_value(), accepted);
        if (accepted)
            QVERIFY2(*parsed == price, qPrintable(QString::number(*parsed, 'g', 17)));
    }

    // The list's cell and the report's row and total show the price whole, to its cents.
    void priceTexts_data() {
        QTest::addColumn<double>("price");
        QTest::addColumn<int>("currency");
        QTest::addColumn<QString>("shown");
        QTest::newRow("cents") << 12345.67 << int(EUR) << u"12345.67 EUR"_s;
        QTest::newRow("millions") << 1234567.89 << int(USD) << u"1234567.89 USD"_s;
        QTest::newRow("ten billion") << 1e10 << int(PLN) << u"10000000000 PLN"_s;
        QTest::newRow("half") << 12.5 << int(EUR) << u"12.5 EUR"_s;
        QTest::newRow("a float's cents") << double(45.67f) << int(JEN) << u"45.67 JEN"_s;
        QTest::newRow("a tenth of a cent") << 0.001 << int(FRA) << u"0 FRA"_s;
        QTest::newRow("negative") << -3.1 << int(PLN) << u"-3.1 PLN"_s;
    }

    void priceTexts() {
        QFETCH(double, price);
        QFETCH(int, currency);
        QFETCH(QString, shown);
        AppData data;
        TransactionRecord t;
        t.price = price;
        t.currency = currency;
        data.transactions[1] = t;
        QCOMPARE(TransactionCell(data, t, TransactionPrice), shown);
        const QString report = TransactionReportHtml(data);
        const QString unbroken = u"<td style=\"white-space:nowrap\">"_s;
        QVERIFY2(report.contains(unbroken + shown + u"</td>"_s), qPrintable(report));
        const QString number = shown.section(u' ', 0, 0);
        QVERIFY(report.contains(u"<tr><td>"_s + CurrencyCode(currency) + u"</td>"_s + unbroken +
                                number + u"</td>"_s + unbroken + u"0</td></tr>"_s));
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
