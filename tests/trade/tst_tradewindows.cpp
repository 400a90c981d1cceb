// SPDX-License-Identifier: GPL-3.0-or-later
// The trade windows as a user reaches them: the transactions tab and editor, and the client and
// breeder managers and editors from the menu, the start page and the tab, with what they store.

#include "app/LoftSelector.h"
#include "app/MainDialog.h"
#include "app/MainMenu.h"
#include "app/ZakladkaStartowa.h"
#include "register/DodajGolebia.h"
#include "storage/AppData.h"
#include "storage/RowIdTableModel.h"
#include "support/DbProbe.h"
#include "support/ModalDriver.h"
#include "support/ShellFixture.h"
#include "support/TestDataDir.h"
#include "support/WidgetSteps.h"
#include "trade/ContactBook.h"
#include "trade/ContactEditor.h"
#include "trade/ContactManager.h"
#include "trade/DodajZmienTransakcje.h"
#include "trade/TradeTexts.h"
#include "trade/ZakladkaTransakcje.h"
#include "ui/LongText.h"
#include "ui/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;
using ShellFixture::MenuAction;

namespace {

// The first column's text of every row.
QStringList Rows(const QAbstractItemView* view) {
    QStringList rows;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        rows.append(view->model()->index(row, 0).data().toString());
    return rows;
}

QStringList RowCells(const QAbstractItemView* view, int row) {
    QStringList cells;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        cells.append(view->model()->index(row, column).data().toString());
    return cells;
}

void ClickRow(QAbstractItemView* view, int row, int column = 0) {
    const QModelIndex index = view->model()->index(row, column);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

QString Shown(QWidget* dialog, const QString& name) {
    return Find<ElidedLabel>(dialog, name)->text();
}

} // namespace

class TestTradeWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { MessageBox::SetTestMode(true); }

    void init() {
        m_data = std::make_unique<TestDataDir>();
        ShellFixture::SeedLofts({{u"Gołębnik"_s, {u"Lotowe"_s}}, {u"Druga"_s, {}}});
        AppData seed;
        QVERIFY(seed.SelectLoft(1).ok());
        int blue = 0;
        QVERIFY(seed.AddLookup(Lookup::Colours, 1, u"Niebieski"_s, &blue).ok());
        m_pigeons.clear();
        for (const QString& ring : {u"1001"_s, u"1010"_s, u"2002"_s}) {
            PigeonRecord p;
            p.idLoft = 1;
            p.country = u"PL"_s;
            p.branch = u"0207"_s;
            p.year = u"2025"_s;
            p.ringNumber = ring;
            p.idColour = blue;
            QVERIFY(seed.SavePigeon(-1, p).ok());
            m_pigeons.push_back(p.id);
        }
        // The same three people are breeders and clients, at other addresses.
        m_clients.clear();
        for (const auto& [first, last, town] : {std::tuple{u"Anna"_s, u"Nowak"_s, u"Łódź"_s},
                                                {u"Zdzisław"_s, u"Kowalski"_s, u"Kraków"_s},
                                                {u"andrzej"_s, u"Lis"_s, u"Gniezno"_s}}) {
            ContactRecord c = NewContact(1);
            c.firstName = first;
            c.lastName = last;
            c.town = town;
            c.street = u"Piotrkowska"_s;
            c.postCode = u"90-001"_s;
            c.postCode2 = u"002"_s;
            c.phoneMobile = u"600 100 200"_s;
            c.remarks = u"stały"_s;
            QVERIFY(seed.SaveBreeder(-1, c).ok());
            c.street = u"Floriańska"_s;
            QVERIFY(seed.SaveClient(-1, c).ok());
            m_clients.push_back(c.id);
        }
        m_transactions.clear();
        for (int i = 0; i < 3; ++i) {
            TransactionRecord t;
            t.idLoft = 1;
            t.idClient = m_clients[size_t(i)];
            t.idPigeon = m_pigeons[size_t(i)];
            t.price = 100.0 * (i + 1);
            t.date = 1'750'000'000 + i;
            QVERIFY(seed.SaveTransaction(-1, t).ok());
            m_transactions.push_back(t.id);
        }
        TransactionRecord elsewhere;
        elsewhere.idLoft = 2;
        QVERIFY(seed.SaveTransaction(-1, elsewhere).ok());
        m_app = std::make_unique<AppData>();
        m_dialog = ShellFixture::OpenMainDialog(*m_app);
        m_dialog->SetActiveTab(CMainDialog::TabTransactions);
        m_page = static_cast<CZakladkaTransakcje*>(m_dialog->Page(CMainDialog::TabTransactions));
        MessageBox::History().clear();
    }

    void cleanup() {
        m_dialog.reset();
        m_app.reset();
    }

    void aNewTransactionThroughTheMenu() {
        const auto step = ModalDriver::OnNextModal([](QDialog* d) {
            QTRY_COMPARE(QApplication::activeWindow(), d);
            auto* editor = qobject_cast<CDodajZmienTransakcje*>(d);
            auto* search = Find<QLineEdit>(d, u"clientSearch"_s);
            QTest::keyClicks(search, u"Zd"_s);
            ClickRow(editor->ClientList(), 0);
            QCOMPARE(Shown(d, u"clientAddress"_s), u"Kraków, Floriańska"_s);
            // A choice stays in force while another search hides it.
            search->selectAll();
            QTest::keyClicks(search, u"an"_s);
            QCOMPARE(Rows(editor->ClientList()), QStringList{u"andrzej Lis"_s});
            // The pigeon list follows the arrow keys as it follows clicks.
            ClickRow(editor->PigeonList(), 0);
            QCOMPARE(Shown(d, u"pigeonBand"_s), u"PL 0207 2025 1001"_s);
            QTest::keyClick(editor->PigeonList(), Qt::Key_Down);
            QCOMPARE(Shown(d, u"pigeonBand"_s), u"PL 0207 2025 1010"_s);
            QCOMPARE(Shown(d, u"pigeonColour"_s), u"Niebieski"_s);
            auto* price = Find<QLineEdit>(d, u"price"_s);
            price->selectAll();
            QTest::keyClicks(price, u"12,50"_s);
            auto* currency = Find<QComboBox>(d, u"currency"_s);
            currency->setFocus();
            QTest::keyClick(currency, Qt::Key_Down);
            QTest::keyClick(currency, Qt::Key_Down); // EUR
            ModalDriver::TypeText(Find<QPlainTextEdit>(d, u"remarks"_s), u"Zapłacono w całości'"_s);
            QTest::mouseClick(Find<QPushButton>(d, u"add"_s), Qt::LeftButton);
        });
        MenuAction(*m_dialog, CmdAddTransaction)->trigger();
        const int id = m_page->Model()->IdAt(3);
        QCOMPARE(m_page->Model()->CellText(3, TransactionPrice), u"12.5 EUR"_s);
        QCOMPARE(DbProbe::Rows(m_data->pigeonsDb(),
                               u"SELECT cena, waluta, id_klienta, id_golebia, id_hodowli, not1 "
                               u"FROM transakcje WHERE id = %1;"_s.arg(id)),
                 (std::vector<QStringList>{{u"12.5"_s, u"2"_s, QString::number(m_clients[1]),
                                            QString::number(m_pigeons[1]), u"1"_s,
                                            u"Zapłacono w całości'"_s}}));
        AppData reloaded;
        QVERIFY(reloaded.SelectLoft(1).ok());
        QCOMPARE(reloaded.transactions.at(id).price, 12.5);
    }

    // An edit that leaves the price alone stores it unchanged, to the last bit.
    void editingKeepsThePrice_data() {
        QTest::addColumn<double>("price");
        QTest::addColumn<QString>("shown");
        QTest::newRow("cents") << 12345.67 << u"12345.67"_s;
        QTest::newRow("millions") << 1234567.89 << u"1234567.89"_s;
        QTest::newRow("ten billion") << 1e10 << u"10000000000"_s;
        QTest::newRow("stored as a float before") << double(12345.67f) << u"12345.67"_s;
    }

    void editingKeepsThePrice() {
        QFETCH(double, price);
        QFETCH(QString, shown);
        TransactionRecord t = m_app->transactions.at(m_transactions[0]);
        t.price = price;
        QVERIFY(m_app->SaveTransaction(t.id, t).ok());
        m_page->FillLoftLists();
        ClickRow(m_page->View(), 0, TransactionPrice);
        QString boxText;
        const auto step = ModalDriver::OnNextModal([&boxText](QDialog* d) {
            boxText = Find<QLineEdit>(d, u"price"_s)->text();
            QTest::keyClicks(Find<QPlainTextEdit>(d, u"remarks"_s), u"bez zmian"_s);
            QTest::mouseClick(Find<QPushButton>(d, u"add"_s), Qt::LeftButton);
        });
        MenuAction(*m_dialog, CmdEditTransaction)->trigger();
        QCOMPARE(boxText, shown);
        AppData reloaded;
        QVERIFY(reloaded.SelectLoft(1).ok());
        QCOMPARE(reloaded.transactions.at(t.id).note, u"bez zmian"_s);
        QVERIFY2(reloaded.transactions.at(t.id).price == price,
                 qPrintable(QString::number(reloaded.transactions.at(t.id).price, 'g', 17)));
        QCOMPARE(m_page->Model()->CellText(0, TransactionPrice), shown + u" PLN"_s);
    }

    void deletingTheSecondThenEditingTheNewSecond() {
        QTableView* view = m_page->View();
        QCOMPARE(m_page->Model()->RowMap(), m_transactions);
        ClickRow(view, 1, TransactionPrice);
        MessageBox::SetNextAnswer(QMessageBox::No);
        MenuAction(*m_dialog, CmdDeleteTransaction)->trigger();
        QCOMPARE(m_page->Model()->rowCount(), 3);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        MenuAction(*m_dialog, CmdDeleteTransaction)->trigger();
        QCOMPARE(MessageBox::History(),
                 QStringList(2, u"Do you want delete selected transaction?"_s));
        QCOMPARE(m_page->Model()->RowMap(),
                 (std::vector<int>{m_transactions[0], m_transactions[2]}));
        QCOMPARE(m_page->SelectedRow(), -1);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM transakcje;"_s), 3);

        // The new second row, reached with the keyboard, edits the transaction that was third.
        ClickRow(view, 0, TransactionPrice);
        QTest::keyClick(view, Qt::Key_Down);
        const auto step = ModalDriver::OnNextModal([](QDialog* d) {
            QCOMPARE(Find<QLineEdit>(d, u"price"_s)->text(), u"300"_s);
            QTest::keyClicks(Find<QPlainTextEdit>(d, u"remarks"_s), u"poprawione"_s);
            QTest::mouseClick(Find<QPushButton>(d, u"add"_s), Qt::LeftButton);
        });
        QTest::keyClick(view, Qt::Key_Return); // Return edits the selected row
        QCOMPARE(
            DbProbe::Text(m_data->pigeonsDb(),
                          u"SELECT not1 FROM transakcje WHERE id = %1;"_s.arg(m_transactions[2])),
            u"poprawione"_s);
        QCOMPARE(m_page->Model()->CellText(1, TransactionRemarks), u"poprawione"_s);
        // The edited transaction keeps its time of day.
        QCOMPARE(m_app->transactions.at(m_transactions[2]).date, qint64(1'750'000'002));
    }

    void theTabAndItsCommands() {
        ModalDriver::NoDialogGuard guard;
        MenuAction(*m_dialog, CmdEditTransaction)->trigger();
        QTest::mouseClick(m_page, Qt::LeftButton, {},
                          m_page->LinkRect(CZakladkaTransakcje::DeleteLink).center());
        QCOMPARE(MessageBox::History(),
                 QStringList(2, u"You must select transaction from list."_s));
        QCOMPARE(m_page->Model()->CellText(1, TransactionItem), u"PL 0207 2025 1010"_s);
        // Another loft's transactions come with that loft, and its report can be printed.
        m_dialog->Lofts()->OnLoftChosen(1);
        QCOMPARE(m_page->Model()->rowCount(), 1);
        QVERIFY(m_page->LinkEnabled(CZakladkaTransakcje::PrintReportLink));
        // Without a loft nothing is added that could not be listed again.
        m_app->currentLoft = -1;
        m_page->Perform(PageCommand::AddTransaction);
        QCOMPARE(MessageBox::History().last(), u"Select a loft before adding a transaction."_s);
        QCOMPARE(guard.dialogsSeen(), 0);
    }

    void longNamesLeaveTheWindowsSize() {
        TransactionRecord t = m_app->transactions.at(m_transactions[0]);
        ContactRecord client = m_app->clients.at(t.idClient);
        const std::vector<QSize> sizes = OpenedSizes(t, client);
        client.firstName = QString(300, u'Ż');
        client.lastName = QString(300, u'w');
        client.street = client.town = client.remarks = QString(300, u's');
        QVERIFY(m_app->SaveClient(client.id, client).ok());
        PigeonRecord pigeon = m_app->pigeons.at(t.idPigeon);
        pigeon.name = QString(300, u'Ą');
        QVERIFY(m_app->SavePigeon(pigeon.id, pigeon).ok());
        t.note = QString(300, u'n');
        QVERIFY(m_app->SaveTransaction(t.id, t).ok());
        const QSize mainSize = m_dialog->size();
        m_page->FillLoftLists();
        QCOMPARE(m_dialog->size(), mainSize);
        QCOMPARE(OpenedSizes(t, client), sizes);
    }

    void refusedInputPigeonSearchAndAnotherItem() {
        const auto step = ModalDriver::OnNextModal([](QDialog* d) {
            for (const auto& [price, day] : {std::pair{u"10"_s, u"piąty"_s}, {u"sto"_s, u"5"_s}}) {
                Find<QLineEdit>(d, u"price"_s)->setText(price);
                Find<QLineEdit>(d, u"day"_s)->setText(day);
                QTest::mouseClick(Find<QPushButton>(d, u"add"_s), Qt::LeftButton);
                QVERIFY(d->isVisible());
            }
            Find<QLineEdit>(d, u"price"_s)->setText(u"10"_s);
            // The pigeon search filters the list; Ctrl+click takes a choice back.
            auto* editor = qobject_cast<CDodajZmienTransakcje*>(d);
            auto* pigeons = Find<QLineEdit>(d, u"pigeonSearch"_s);
            QTest::keyClicks(pigeons, u"101"_s);
            QCOMPARE(Rows(editor->PigeonList()), QStringList{u"PL 0207 2025 1010"_s});
            pigeons->clear();
            QCOMPARE(Rows(editor->PigeonList()).size(), 3);
            ClickRow(editor->PigeonList(), 2);
            QCOMPARE(Shown(d, u"pigeonBand"_s), u"PL 0207 2025 2002"_s);
            QTest::mouseClick(
                editor->PigeonList()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                editor->PigeonList()->visualRect(editor->PigeonRows()->index(2, 0)).center());
            QCOMPARE(Shown(d, u"pigeonBand"_s), u"Select pigeon from list "_s);
            auto* other = Find<QLineEdit>(d, u"otherItem"_s);
            QVERIFY(!other->isVisible());
            auto* item = Find<QComboBox>(d, u"item"_s);
            item->setFocus();
            QTest::keyClick(item, Qt::Key_Down); // "Another transaction"
            QVERIFY(other->isVisible());
            QTest::keyClicks(other, u"Karma <b>25 kg</b>"_s);
            QTest::mouseClick(Find<QPushButton>(d, u"add"_s), Qt::LeftButton);
        });
        QTest::mouseClick(m_page, Qt::LeftButton, {},
                          m_page->LinkRect(CZakladkaTransakcje::NewLink).center());
        const QStringList shown = MessageBox::History();
        QCOMPARE(shown.size(), 2);
        QVERIFY2(shown[0].startsWith(u"Transaction Date:"_s), qPrintable(shown[0]));
        QVERIFY2(shown[1].startsWith(u"Price: please enter"_s), qPrintable(shown[1]));
        // Nothing was added by the refused attempts; the other item is listed by its description.
        QCOMPARE(m_page->Model()->CellText(3, TransactionItem), u"Karma <b>25 kg</b>"_s);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(),
                                 u"SELECT id_golebia FROM transakcje WHERE id = %1;"_s.arg(
                                     m_page->Model()->IdAt(3))),
                 0);
    }

    void failedWritesAreShownAndChangeNothing() {
        ClickRow(m_page->View(), 0);
        ReadOnlyFiles readOnly({m_data->pigeonsDb(), m_data->extraDb()});
        QVERIFY(readOnly.isReadOnly());
        const auto edit = ModalDriver::OnNextModal([](QDialog* d) {
            Find<QLineEdit>(d, u"price"_s)->setText(u"999"_s);
            QTest::mouseClick(Find<QPushButton>(d, u"add"_s), Qt::LeftButton);
            QVERIFY(d->isVisible());
            d->reject();
        });
        MenuAction(*m_dialog, CmdEditTransaction)->trigger();
        QCOMPARE(m_page->Model()->CellText(0, TransactionPrice), u"100 PLN"_s);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        MenuAction(*m_dialog, CmdDeleteTransaction)->trigger();
        QCOMPARE(m_page->Model()->rowCount(), 3);
        ContactManager manager(*m_app, ContactBook::Clients, m_dialog.get());
        const auto contact = ModalDriver::OnNextModal([](QDialog* editor) {
            Find<QLineEdit>(editor, u"firstName"_s)->setText(u"Nikt"_s);
            QTest::mouseClick(Find<QPushButton>(editor, u"save"_s), Qt::LeftButton);
            QVERIFY(editor->isVisible());
            editor->reject();
        });
        manager.AddContact();
        QCOMPARE(manager.Model()->rowCount(), 3);
        // The edit, the question, the deletion and the new contact: each failure is shown.
        const QStringList shown = MessageBox::History();
        QCOMPARE(shown.size(), 4);
        QVERIFY(shown[0].contains(u"could not be saved"_s) &&
                shown[3].contains(u"could not be saved"_s));
    }

    void managersShowTheirColumns_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QString>("street");
        QTest::newRow("clients") << int(CmdManageClients) << u"Manage Clients"_s
                                 << QStringList{u"..."_s,      u"Name"_s,  u"Last Name"_s,
                                                u"Zip Code"_s, u"Place"_s, u"Street"_s}
                                 << u"Floriańska"_s;
        QTest::newRow("breeders") << int(CmdManageBreeders) << u"Manage Breeders"_s
                                  << QStringList{u"..."_s,          u"Imię"_s,        u"Nazwisko"_s,
                                                 u"Kod pocztowy"_s, u"Miejscowość"_s, u"Ulica"_s}
                                  << u"Piotrkowska"_s;
    }

    void managersShowTheirColumns() {
        QFETCH(int, command);
        QFETCH(QString, title);
        QFETCH(QStringList, headers);
        QFETCH(QString, street);
        const auto step = ModalDriver::OnNextModal([&](QDialog* d) {
            QTRY_COMPARE(QApplication::activeWindow(), d);
            QCOMPARE(d->windowTitle(), title);
            auto* view = Find<QTableView>(d, u"contacts"_s);
            QStringList shown;
            for (int column = 0; column < view->model()->columnCount(); ++column)
                shown.append(view->model()->headerData(column, Qt::Horizontal).toString());
            QCOMPARE(shown, headers);
            QVERIFY(HeadingsWhole(view));
            QCOMPARE(RowCells(view, 1), (QStringList{u" "_s, u"Zdzisław"_s, u"Kowalski"_s,
                                                     u"90-001"_s, u"Kraków"_s, street}));
            QVERIFY(!Find<QPushButton>(d, u"delete"_s)->isEnabled());
            QTest::mouseClick(Find<QPushButton>(d, u"close"_s), Qt::LeftButton);
        });
        MenuAction(*m_dialog, command)->trigger();
    }

    void aNewContactGetsCountry48AndProvince0() {
        const auto step = ModalDriver::OnNextModal([](QDialog* manager) {
            const auto step2 = ModalDriver::OnNextModal([](QDialog* editor) {
                QTRY_COMPARE(QApplication::activeWindow(), editor);
                auto* first = Find<QLineEdit>(editor, u"firstName"_s);
                first->setFocus();
                QTest::keyClicks(first, u"Ewa"_s);
                QTest::keyClick(first, Qt::Key_Tab);
                QTest::keyClicks(editor->focusWidget(), u"O'Brien"_s);
                QTest::keyClicks(Find<QLineEdit>(editor, u"postCode"_s), u"31-001"_s);
                QTest::keyClick(editor->focusWidget(), Qt::Key_Return); // the save button
            });
            QTest::mouseClick(Find<QPushButton>(manager, u"add"_s), Qt::LeftButton);
            QCOMPARE(RowCells(Find<QTableView>(manager, u"contacts"_s), 3).mid(1, 3),
                     (QStringList{u"Ewa"_s, u"O'Brien"_s, u"31-001"_s}));
            manager->reject();
        });
        MenuAction(*m_dialog, CmdManageBreeders)->trigger();
        QCOMPARE(DbProbe::Rows(m_data->extraDb(),
                               u"SELECT kraj, wojewodztwo, hodowla, kategoria, subkategoria, typ "
                               u"FROM hodowcy WHERE nazwisko = 'O''Brien';"_s),
                 (std::vector<QStringList>{{u"48"_s, u"0"_s, u"1"_s, u"0"_s, u"0"_s, u"0"_s}}));
        // The pigeon editor offers the new breeder at once.
        CDodajGolebia editor(*m_app, CDodajGolebia::Mode::Add, {}, nullptr, m_dialog.get());
        QVERIFY(
            ShellFixture::Items(Find<QComboBox>(&editor, u"breeder"_s)).contains(u"Ewa O'Brien"_s));
    }

    void aBreedersSecondMobileIsKept() {
        const int id = std::next(m_app->breeders.begin())->first;
        const auto step = ModalDriver::OnNextModal([](QDialog* manager) {
            auto* view = Find<QTableView>(manager, u"contacts"_s);
            auto* edit = Find<QPushButton>(manager, u"edit"_s);
            QVERIFY(!edit->isEnabled());
            // The keyboard picks the row as a click does.
            ClickRow(view, 0, 1);
            QTest::keyClick(view, Qt::Key_Down);
            QCOMPARE(static_cast<ContactManager*>(manager)->SelectedRow(), 1);
            const auto step2 = ModalDriver::OnNextModal([](QDialog* editor) {
                QTest::keyClicks(Find<QLineEdit>(editor, u"phoneMobile2"_s), u"+48 601 202 303"_s);
                QTest::mouseClick(Find<QPushButton>(editor, u"save"_s), Qt::LeftButton);
            });
            QTest::keyClick(view, Qt::Key_Return); // as the Edit button
            manager->reject();
        });
        MenuAction(*m_dialog, CmdManageBreeders)->trigger();
        AppData reloaded;
        QVERIFY(reloaded.SelectLoft(1).ok());
        const ContactRecord& b = reloaded.breeders.at(id);
        // The fields the editor does not show are kept as well.
        QCOMPARE((QStringList{b.phoneMobile2, b.phoneMobile, b.postCode2, b.remarks}),
                 (QStringList{u"+48 601 202 303"_s, u"600 100 200"_s, u"002"_s, u"stały"_s}));
    }

    void clientsFromEveryEntryPoint() {
        // A client added from the start page is offered at once in the transaction editor and as
        // a pigeon's owner.
        auto* start = static_cast<CZakladkaStartowa*>(m_dialog->Page(CMainDialog::TabStart));
        {
            const auto step = ModalDriver::OnNextModal([](QDialog* d) {
                QTRY_COMPARE(QApplication::activeWindow(), d);
                ModalDriver::TypeText(Find<QLineEdit>(d, u"firstName"_s), u"Józef"_s);
                ModalDriver::TypeText(Find<QLineEdit>(d, u"lastName"_s), u"Wiśniewski-Dąbrowski"_s);
                QTest::mouseClick(Find<QPushButton>(d, u"save"_s), Qt::LeftButton);
            });
            QTest::mouseClick(start, Qt::LeftButton, {}, start->LinkRects()[3].center());
        }
        CDodajZmienTransakcje editor(*m_app, 0, {}, m_dialog.get());
        QCOMPARE(Rows(editor.ClientList()).last(), u"Józef Wiśniewski-Dąbrowski"_s);
        CDodajGolebia pigeonEditor(*m_app, CDodajGolebia::Mode::Add, {}, nullptr, m_dialog.get());
        QVERIFY(ShellFixture::Items(Find<QComboBox>(&pigeonEditor, u"owner"_s))
                    .contains(u"Józef Wiśniewski-Dąbrowski"_s));
        // The tab's captions open the clients' windows; without a loft nothing opens.
        auto* tab = static_cast<CZakladkaTransakcje*>(m_dialog->Page(CMainDialog::TabTransactions));
        m_dialog->SetActiveTab(CMainDialog::TabTransactions);
        for (const auto& [link, dialog] :
             {std::pair{CZakladkaTransakcje::AddClientLink, u"CDodajEdytujKlienta"_s},
              {CZakladkaTransakcje::ManageClientsLink, u"CZarzadzajKlientami"_s}}) {
            const auto step = ModalDriver::OnNextModal([](QDialog* d) { d->reject(); });
            QTest::mouseClick(tab, Qt::LeftButton, {}, tab->LinkRect(link).center());
            QCOMPARE(step.DialogClass(), dialog);
        }
        m_app->currentLoft = -1;
        ModalDriver::NoDialogGuard guard;
        MenuAction(*m_dialog, CmdAddNewClient)->trigger();
        QTest::mouseClick(start, Qt::LeftButton, {}, start->LinkRects()[3].center());
        QTest::qWait(50);
        QCOMPARE(guard.dialogsSeen(), 0);
    }

private:
    // The sizes of the transaction editor, the clients manager and the client editor as they open.
    std::vector<QSize> OpenedSizes(const TransactionRecord& t, const ContactRecord& client) {
        CDodajZmienTransakcje transaction(*m_app, 1, t, m_dialog.get());
        CZarzadzajKlientami manager(*m_app, m_dialog.get());
        CDodajEdytujKlienta editor(*m_app, 1, client, m_dialog.get());
        std::vector<QSize> sizes;
        for (QDialog* dialog : std::initializer_list<QDialog*>{&transaction, &manager, &editor}) {
            ModalDriver::ShowFocused(dialog);
            QTest::qWait(20);
            sizes.push_back(dialog->size());
            dialog->hide();
        }
        return sizes;
    }

    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<AppData> m_app;
    std::unique_ptr<CMainDialog> m_dialog;
    CZakladkaTransakcje* m_page = nullptr;
    std::vector<int> m_pigeons;
    std::vector<int> m_clients;
    std::vector<int> m_transactions;
};

QTEST_MAIN(TestTradeWindows)
#include "tst_tradewindows.moc"
