// The client and breeder editors and managers, from the menu, the start page and the
// transactions tab, and where their contacts show up.

#include "app/MainDialog.h"
#include "app/MainMenu.h"
#include "app/ZakladkaStartowa.h"
#include "register/DodajGolebia.h"
#include "storage/AppData.h"
#include "support/DbProbe.h"
#include "support/ModalDriver.h"
#include "support/ShellFixture.h"
#include "support/TestDataDir.h"
#include "trade/ContactEditor.h"
#include "trade/ContactManager.h"
#include "trade/IdTableModel.h"
#include "trade/ZakladkaTransakcje.h"
#include "ui/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;
using ShellFixture::MenuAction;

namespace {

template <typename T> T* Find(QWidget* parent, const QString& name) {
    T* child = parent->findChild<T*>(name);
    if (!child)
        QTest::qFail(qPrintable(u"no control "_s + name), __FILE__, __LINE__);
    return child;
}

QStringList Headers(const QTableView* view) {
    QStringList headers;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        headers.append(view->model()->headerData(column, Qt::Horizontal).toString());
    return headers;
}

QStringList RowCells(const QTableView* view, int row) {
    QStringList cells;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        cells.append(view->model()->index(row, column).data().toString());
    return cells;
}

void ClickRow(QTableView* view, int row) {
    const QModelIndex index = view->model()->index(row, 1);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

} // namespace

class TestContacts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { MessageBox::SetTestMode(true); }

    void init() {
        m_data = std::make_unique<TestDataDir>();
        ShellFixture::SeedLofts({{u"Gołębnik"_s, {u"Lotowe"_s}}, {u"Druga"_s, {}}});
        AppData seed;
        QVERIFY(seed.SelectLoft(1).ok());
        for (ContactBook book : {ContactBook::Clients, ContactBook::Breeders}) {
            for (const QString& last : {u"Nowak"_s, u"Kowalski"_s}) {
                ContactRecord c = NewContact(1);
                c.firstName = u"Jan"_s;
                c.lastName = last;
                c.postCode = u"90-001"_s;
                c.postCode2 = u"002"_s;
                c.town = u"Łódź"_s;
                c.street = u"Piotrkowska"_s;
                c.phoneMobile = u"600 100 200"_s;
                c.remarks = u"stały"_s;
                QVERIFY(SaveContact(seed, book, -1, c).ok());
            }
        }
        m_app = std::make_unique<AppData>();
        m_dialog = ShellFixture::OpenMainDialog(*m_app);
        MessageBox::History().clear();
    }

    void cleanup() {
        m_dialog.reset();
        m_app.reset();
    }

    void managersShowTheirColumns_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QString>("close");
        QTest::newRow("clients") << int(CmdManageClients) << u"Manage Clients"_s
                                 << QStringList{u"..."_s,      u"Name"_s,  u"Last Name"_s,
                                                u"Zip Code"_s, u"Place"_s, u"Street"_s}
                                 << u"Close Window"_s;
        QTest::newRow("breeders") << int(CmdManageBreeders) << u"Manage Breeders"_s
                                  << QStringList{u"..."_s,          u"Imię"_s,        u"Nazwisko"_s,
                                                 u"Kod pocztowy"_s, u"Miejscowość"_s, u"Ulica"_s}
                                  << u"Zamknij"_s;
    }

    void managersShowTheirColumns() {
        QFETCH(int, command);
        QFETCH(QString, title);
        QFETCH(QStringList, headers);
        QFETCH(QString, close);
        QVERIFY(MenuAction(*m_dialog, command)->isEnabled());
        const auto step = ModalDriver::OnNextModal([&](QDialog* d) {
            QTRY_COMPARE(QApplication::activeWindow(), d);
            QCOMPARE(d->windowTitle(), title);
            auto* view = Find<QTableView>(d, u"contacts"_s);
            QCOMPARE(Headers(view), headers);
            QCOMPARE(RowCells(view, 1), (QStringList{u" "_s, u"Jan"_s, u"Kowalski"_s, u"90-001"_s,
                                                     u"Łódź"_s, u"Piotrkowska"_s}));
            const int widths[] = {30, 110, 110, 80, 100, 210};
            for (int column = 0; column < 6; ++column)
                QCOMPARE(view->columnWidth(column), widths[column]);
            QVERIFY(!Find<QPushButton>(d, u"delete"_s)->isEnabled());
            auto* closeButton = Find<QPushButton>(d, u"close"_s);
            QCOMPARE(closeButton->text(), close);
            QTest::mouseClick(closeButton, Qt::LeftButton);
        });
        MenuAction(*m_dialog, command)->trigger();
        QVERIFY(!QApplication::activeModalWidget());
    }

    void aNewContactGetsCountry48AndProvince0() {
        const auto step = ModalDriver::OnNextModal([](QDialog* manager) {
            const auto step2 = ModalDriver::OnNextModal([](QDialog* editor) {
                QTRY_COMPARE(QApplication::activeWindow(), editor);
                QCOMPARE(Find<QComboBox>(editor, u"country"_s)->count(), 0);
                QCOMPARE(Find<QComboBox>(editor, u"province"_s)->count(), 0);
                auto* first = Find<QLineEdit>(editor, u"firstName"_s);
                first->setFocus();
                QTest::keyClicks(first, u"Ewa"_s);
                QTest::keyClick(first, Qt::Key_Tab);
                QTest::keyClicks(editor->focusWidget(), u"O'Brien"_s);
                QTest::keyClicks(Find<QLineEdit>(editor, u"postCode"_s), u"31-001"_s);
                QTest::keyClick(editor->focusWidget(), Qt::Key_Return); // the save button
            });
            QTest::mouseClick(Find<QPushButton>(manager, u"add"_s), Qt::LeftButton);
            auto* view = Find<QTableView>(manager, u"contacts"_s);
            QCOMPARE(view->model()->rowCount(), 3);
            QCOMPARE(RowCells(view, 2).mid(1, 3),
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
        const int id = m_app->breeders.rbegin()->first;
        const auto step = ModalDriver::OnNextModal([](QDialog* manager) {
            auto* view = Find<QTableView>(manager, u"contacts"_s);
            auto* edit = Find<QPushButton>(manager, u"edit"_s);
            QVERIFY(!edit->isEnabled());
            // The keyboard picks the row as a click does.
            ClickRow(view, 0);
            QTest::keyClick(view, Qt::Key_Down);
            QCOMPARE(static_cast<ContactManager*>(manager)->SelectedRow(), 1);
            const auto step2 = ModalDriver::OnNextModal([](QDialog* editor) {
                QCOMPARE(Find<QLineEdit>(editor, u"lastName"_s)->text(), u"Kowalski"_s);
                auto* mobile2 = Find<QLineEdit>(editor, u"phoneMobile2"_s);
                QVERIFY(mobile2->text().isEmpty());
                QTest::keyClicks(mobile2, u"+48 601 202 303"_s);
                QTest::mouseClick(Find<QPushButton>(editor, u"save"_s), Qt::LeftButton);
            });
            QVERIFY(edit->isEnabled());
            QTest::keyClick(view, Qt::Key_Return); // as the Edit button
            QCOMPARE(view->model()->rowCount(), 2);
            manager->reject();
        });
        MenuAction(*m_dialog, CmdManageBreeders)->trigger();
        AppData reloaded;
        QVERIFY(reloaded.SelectLoft(1).ok());
        const ContactRecord& b = reloaded.breeders.at(id);
        QCOMPARE(b.phoneMobile2, u"+48 601 202 303"_s);
        QCOMPARE(b.phoneMobile, u"600 100 200"_s);
        QCOMPARE(b.postCode2, u"002"_s); // kept though not shown
        QCOMPARE(b.remarks, u"stały"_s);
    }

    void entryPoints() {
        // The start page link and the menu need a loft; the tab's captions open the clients.
        auto* start = static_cast<CZakladkaStartowa*>(m_dialog->Page(CMainDialog::TabStart));
        QVERIFY(start->LinkEnabled(3));
        {
            const auto step = ModalDriver::OnNextModal([](QDialog* d) {
                QCOMPARE(d->metaObject()->className(), "CDodajEdytujKlienta");
                d->reject();
            });
            QTest::mouseClick(start, Qt::LeftButton, {}, start->LinkRects()[3].center());
        }
        auto* tab = static_cast<CZakladkaTransakcje*>(m_dialog->Page(CMainDialog::TabTransactions));
        m_dialog->SetActiveTab(CMainDialog::TabTransactions);
        for (int link : {int(CZakladkaTransakcje::AddClientLink),
                         int(CZakladkaTransakcje::ManageClientsLink)}) {
            const auto step = ModalDriver::OnNextModal([](QDialog* d) { d->reject(); });
            QTest::mouseClick(tab, Qt::LeftButton, {}, tab->LinkRect(link).center());
            QCOMPARE(step.DialogClass(), link == CZakladkaTransakcje::AddClientLink
                                             ? u"CDodajEdytujKlienta"_s
                                             : u"CZarzadzajKlientami"_s);
        }
        m_app->currentLoft = -1;
        ModalDriver::NoDialogGuard guard;
        MenuAction(*m_dialog, CmdAddNewClient)->trigger();
        QTest::mouseClick(start, Qt::LeftButton, {}, start->LinkRects()[3].center());
        QTest::qWait(50);
        QCOMPARE(guard.dialogsSeen(), 0);
    }

    void longNamesLeaveTheWindowsSize() {
        CZarzadzajKlientami shortNames(*m_app, m_dialog.get());
        QVERIFY(ModalDriver::ShowFocused(&shortNames));
        const QSize managerSize = shortNames.size();
        shortNames.hide();
        CDodajEdytujKlienta shortEditor(*m_app, 1, m_app->clients.begin()->second, m_dialog.get());
        QVERIFY(ModalDriver::ShowFocused(&shortEditor));
        const QSize editorSize = shortEditor.size();
        shortEditor.hide();

        ContactRecord c = NewContact(1);
        c.firstName = QString(300, u'Ł');
        c.lastName = QString(300, u'w');
        c.street = QString(300, u's');
        c.remarks = QString(300, u'r');
        QVERIFY(m_app->SaveClient(-1, c).ok());
        CZarzadzajKlientami longNames(*m_app, m_dialog.get());
        QVERIFY(ModalDriver::ShowFocused(&longNames));
        QCOMPARE(longNames.size(), managerSize);
        CDodajEdytujKlienta longEditor(*m_app, 1, c, m_dialog.get());
        QVERIFY(ModalDriver::ShowFocused(&longEditor));
        QCOMPARE(longEditor.size(), editorSize);
    }

    void aFailedSaveKeepsTheEditorOpen() {
        ReadOnlyFiles readOnly({m_data->extraDb()});
        QVERIFY(readOnly.isReadOnly());
        ContactManager manager(*m_app, ContactBook::Clients, m_dialog.get());
        const auto step = ModalDriver::OnNextModal([](QDialog* editor) {
            Find<QLineEdit>(editor, u"firstName"_s)->setText(u"Nikt"_s);
            QTest::mouseClick(Find<QPushButton>(editor, u"save"_s), Qt::LeftButton);
            QVERIFY(editor->isVisible());
            editor->reject();
        });
        manager.AddContact();
        QCOMPARE(MessageBox::History().size(), 1);
        QVERIFY(MessageBox::History()[0].contains(u"could not be saved"_s));
        QCOMPARE(manager.Model()->rowCount(), 2);
        QCOMPARE(m_app->clients.size(), 2u);
    }

private:
    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<AppData> m_app;
    std::unique_ptr<CMainDialog> m_dialog;
};

QTEST_MAIN(TestContacts)
#include "tst_contacts.moc"
