// SPDX-License-Identifier: GPL-3.0-or-later
// The lofts and categories manager: its two lists, its indexes and its six commands.

#include "app/DodajEdytujHodowle.h"
#include "app/ZarzadzajHodowlami.h"
#include "storage/AppData.h"
#include "support/DbProbe.h"
#include "support/ModalDriver.h"
#include "support/ShellFixture.h"
#include "support/TestDataDir.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using ShellFixture::Items;

class TestLoftManager : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { MessageBox::SetTestMode(true); }

    void init() {
        m_data = std::make_unique<TestDataDir>();
        ShellFixture::SeedLofts({{u"Pierwszy"_s, {}}, {u"Drugi"_s, {u"Lotowe"_s}}});
        m_app = std::make_unique<AppData>();
        QVERIFY(m_app->LoadLofts().ok());
        m_manager = std::make_unique<CZarzadzajHodowlami>(*m_app);
        QVERIFY(ModalDriver::ShowFocused(m_manager.get()));
        MessageBox::History().clear();
        MessageBox::Captions().clear();
    }

    void cleanup() { m_manager.reset(); }

    // The loft list has the focus, yet no loft is chosen until the user picks one; then the
    // keys choose the loft and its category.
    void keysChooseTheLoft() {
        QCOMPARE(Items(Lofts()), (QStringList{u"Pierwszy"_s, u"Drugi"_s}));
        QVERIFY(Lofts()->hasFocus());
        QTest::keyClick(m_manager.get(), Qt::Key_Tab);
        QTest::keyClick(m_manager.get(), Qt::Key_Backtab);
        QCOMPARE(Categories()->count(), 0);
        QCOMPARE(m_manager->LoftIndex(), -1);
        QCOMPARE(m_manager->CategoryIndex(), -1);
        {
            // Nothing selected: the commands that need a selection do nothing.
            ModalDriver::NoDialogGuard guard;
            for (const char16_t* button :
                 {u"editLoft", u"deleteLoft", u"addCategory", u"editCategory", u"deleteCategory"})
                QTest::mouseClick(Button(QString::fromUtf16(button)), Qt::LeftButton);
            QCOMPARE(guard.dialogsSeen(), 0);
        }
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM hodowla;"_s), 2);

        // Focus chose nothing: the first Down chooses the first row, the next the second.
        Lofts()->setFocus();
        QTest::keyClick(Lofts(), Qt::Key_Down);
        QCOMPARE(m_manager->LoftIndex(), 0);
        QTest::keyClick(Lofts(), Qt::Key_Down);
        QCOMPARE(m_manager->LoftIndex(), 1);
        QCOMPARE(Items(Categories()), QStringList{u"Lotowe"_s});
        QTest::keyClick(m_manager.get(), Qt::Key_Tab); // on to the categories
        QVERIFY(Categories()->hasFocus());
        QApplication::processEvents();
        QTest::keyClick(Categories(), Qt::Key_Down);
        QCOMPARE(m_manager->CategoryIndex(), 0);
        // The loft the keys chose is the one the button edits.
        QString offered;
        const auto edit = ModalDriver::OnNextModal([&offered](QDialog* dialog) {
            offered = dialog->findChild<QLineEdit*>(u"name"_s)->text();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::mouseClick(Button(u"editLoft"_s), Qt::LeftButton);
        QCOMPARE(offered, u"Drugi"_s);
        // Another loft forgets the category.
        Lofts()->setFocus();
        QTest::keyClick(Lofts(), Qt::Key_Up);
        QCOMPARE(m_manager->LoftIndex(), 0);
        QCOMPARE(m_manager->CategoryIndex(), -1);
        QCOMPARE(Categories()->count(), 0);
    }

    void loftCommands() {
        {
            const auto add = ModalDriver::AnswerNameDialog(u"Trzeci"_s);
            Click(u"addLoft"_s);
        }
        QCOMPARE(Items(Lofts()), (QStringList{u"Pierwszy"_s, u"Drugi"_s, u"Trzeci"_s}));

        Lofts()->setCurrentRow(0);
        {
            const auto edit = ModalDriver::AnswerNameDialog(u"Pierwszy nowy"_s, u"opis"_s);
            Click(u"editLoft"_s);
        }
        QCOMPARE(Lofts()->item(0)->text(), u"Pierwszy nowy"_s);
        QCOMPARE(m_manager->LoftIndex(), -1);
        QCOMPARE(StoredLofts(), (std::vector<QStringList>{{u"1"_s, u"Pierwszy nowy"_s, u"opis"_s},
                                                          {u"2"_s, u"Drugi"_s, QString()},
                                                          {u"3"_s, u"Trzeci"_s, QString()}}));

        Lofts()->setCurrentRow(2);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        Click(u"deleteLoft"_s);
        QCOMPARE(Items(Lofts()), (QStringList{u"Pierwszy nowy"_s, u"Drugi"_s}));
        QCOMPARE(m_manager->LoftIndex(), -1);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM hodowla;"_s), 2);
    }

    void takenLoftNameKeepsTheDialogOpen_data() {
        QTest::addColumn<bool>("rename");
        QTest::newRow("new loft") << false;
        QTest::newRow("rename") << true;
    }

    void takenLoftNameKeepsTheDialogOpen() {
        QFETCH(bool, rename);
        const auto before = StoredLofts();
        bool stayedOpen = false;
        QString typed;
        const auto answer = ModalDriver::OnNextModal([&](QDialog* dialog) {
            auto* name = dialog->findChild<QLineEdit*>(u"name"_s);
            name->selectAll();
            QTest::keyClicks(name, u"Pierwszy"_s);
            QTest::keyClick(name, Qt::Key_Return);
            stayedOpen = dialog->isVisible();
            typed = name->text();
            dialog->reject();
        });
        if (rename) {
            Lofts()->setCurrentRow(1);
            Click(u"editLoft"_s);
        } else {
            Click(u"addLoft"_s);
        }
        QVERIFY(stayedOpen);
        QCOMPARE(typed, u"Pierwszy"_s);
        QCOMPARE(MessageBox::History(),
                 QStringList{u"A loft named \"Pierwszy\" exists already. Choose another name."_s});
        QCOMPARE(StoredLofts(), before);
        QCOMPARE(Items(Lofts()), (QStringList{u"Pierwszy"_s, u"Drugi"_s}));
    }

    void failedRenameKeepsTheOldName() {
        Lofts()->setCurrentRow(1);
        bool stayedOpen = false;
        {
            ReadOnlyFiles readOnly({m_data->pigeonsDb()});
            QVERIFY(readOnly.isReadOnly());
            const auto answer = ModalDriver::OnNextModal([&stayedOpen](QDialog* dialog) {
                dialog->findChild<QLineEdit*>(u"name"_s)->setText(u"Drugi zmieniony"_s);
                dialog->findChild<QPushButton*>(u"ok"_s)->click();
                stayedOpen = dialog->isVisible();
                dialog->reject();
            });
            Click(u"editLoft"_s);
        }
        QVERIFY(stayedOpen);
        QCOMPARE(MessageBox::History().size(), 1);
        QVERIFY(MessageBox::History()[0].contains(u"could not be saved"_s));
        QCOMPARE(Lofts()->item(1)->text(), u"Drugi"_s);
        QCOMPARE(m_app->lofts[1].name, u"Drugi"_s);
        QCOMPARE(StoredLofts()[1][1], u"Drugi"_s);
    }

    void longNamesKeepTheWindowsAtTheirSize() {
        const int managerWidth = m_manager->frameGeometry().width();
        CDodajEdytujHodowle dialog(u"Edit loft"_s);
        QVERIFY(ModalDriver::ShowFocused(&dialog));
        const int dialogWidth = dialog.frameGeometry().width();
        dialog.hide();

        const QString longName = QString(u"Gołębnik na strychu "_s).repeated(15).left(300);
        m_app->lofts[1].name = longName;
        m_app->lofts[1].categories[0].name = longName;
        CZarzadzajHodowlami manager(*m_app);
        QVERIFY(ModalDriver::ShowFocused(&manager));
        manager.findChild<QListWidget*>(u"loftList"_s)->setCurrentRow(1);
        QCOMPARE(manager.frameGeometry().width(), managerWidth);
        dialog.setName(longName);
        dialog.setDescription(longName);
        QVERIFY(ModalDriver::ShowFocused(&dialog));
        QCOMPARE(dialog.frameGeometry().width(), dialogWidth);
    }

    void categoryCommands() {
        Lofts()->setCurrentRow(1);
        const auto step4 = ModalDriver::AnswerNameDialog(u"Młode"_s);
        Click(u"addCategory"_s);
        QCOMPARE(Items(Categories()), (QStringList{u"Lotowe"_s, u"Młode"_s}));

        Categories()->setCurrentRow(1);
        const auto step5 = ModalDriver::AnswerNameDialog(u"Młode 2026"_s);
        Click(u"editCategory"_s);
        QCOMPARE(Categories()->item(1)->text(), u"Młode 2026"_s);
        // The file holds the new name, still in the loft it was made in.
        QCOMPARE(DbProbe::Rows(m_data->pigeonsDb(),
                               u"SELECT id_hodowli, nazwakategorii FROM kategoria ORDER BY id;"_s),
                 (std::vector<QStringList>{{u"2"_s, u"Lotowe"_s}, {u"2"_s, u"Młode 2026"_s}}));

        Categories()->setCurrentRow(0);
        MessageBox::SetNextAnswer(QMessageBox::No);
        Click(u"deleteCategory"_s);
        QCOMPARE(Categories()->count(), 2);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        Click(u"deleteCategory"_s);
        QCOMPARE(Items(Categories()), QStringList{u"Młode 2026"_s});
        QCOMPARE(m_manager->CategoryIndex(), -1);
        QCOMPARE(DbProbe::Text(m_data->pigeonsDb(), u"SELECT nazwakategorii FROM kategoria;"_s),
                 u"Młode 2026"_s);
    }

private:
    QListWidget* Lofts() const { return m_manager->findChild<QListWidget*>(u"loftList"_s); }
    QListWidget* Categories() const {
        return m_manager->findChild<QListWidget*>(u"categoryList"_s);
    }
    QPushButton* Button(const QString& name) const {
        return m_manager->findChild<QPushButton*>(name);
    }
    void Click(const QString& button) { Button(button)->click(); }
    // The lofts as the file holds them: id, name, description.
    std::vector<QStringList> StoredLofts() const {
        return DbProbe::Rows(m_data->pigeonsDb(),
                             u"SELECT id, nazwahodowli, opishodowli FROM hodowla ORDER BY id;"_s);
    }

    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<AppData> m_app;
    std::unique_ptr<CZarzadzajHodowlami> m_manager;
};

QTEST_MAIN(TestLoftManager)
#include "tst_loftmanager.moc"
