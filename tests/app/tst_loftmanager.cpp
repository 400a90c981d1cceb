// The lofts and categories manager: its two lists, its indexes and its six commands.

#include "app/ZarzadzajHodowlami.h"
#include "storage/AppData.h"
#include "support/DbProbe.h"
#include "support/ModalDriver.h"
#include "support/ShellFixture.h"
#include "support/TestDataDir.h"
#include "ui/MessageBox.h"

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
        m_app = std::make_unique<AppData>();
        QVERIFY(m_app->LoadLofts().ok());
        for (const QString& name : {u"Pierwszy"_s, u"Drugi"_s}) {
            LoftRecord loft;
            loft.name = name;
            QVERIFY(m_app->SaveLoft(-1, loft).ok());
        }
        CategoryRecord category;
        category.idLoft = 2;
        category.name = u"Lotowe"_s;
        QVERIFY(m_app->SaveCategory(-1, category).ok());
        QVERIFY(m_app->LoadLofts().ok());
        m_manager = std::make_unique<CZarzadzajHodowlami>(*m_app);
        m_manager->show();
        MessageBox::History().clear();
    }

    void cleanup() { m_manager.reset(); }

    void opensWithTheLoftsAndNoSelection() {
        QCOMPARE(m_manager->windowTitle(), u"LOFT and Categories Manager"_s);
        QCOMPARE(Items(Lofts()), (QStringList{u"Pierwszy"_s, u"Drugi"_s}));
        QCOMPARE(Categories()->count(), 0);
        QCOMPARE(m_manager->LoftIndex(), -1);
        QCOMPARE(m_manager->CategoryIndex(), -1);
        // Nothing selected: the commands that need a selection do nothing.
        ModalDriver::NoDialogGuard guard;
        for (const char16_t* button :
             {u"editLoft", u"deleteLoft", u"addCategory", u"editCategory", u"deleteCategory"})
            Click(QString::fromUtf16(button));
        QCOMPARE(guard.dialogsSeen(), 0);
    }

    void choosingALoftShowsItsCategories() {
        Lofts()->setCurrentRow(1);
        QCOMPARE(m_manager->LoftIndex(), 1);
        QCOMPARE(Items(Categories()), QStringList{u"Lotowe"_s});
        Categories()->setCurrentRow(0);
        QCOMPARE(m_manager->CategoryIndex(), 0);
        Lofts()->setCurrentRow(0);
        QCOMPARE(m_manager->CategoryIndex(), -1);
        QCOMPARE(Categories()->count(), 0);
    }

    void loftCommands() {
        const auto step1 = ModalDriver::AnswerNameDialog(u"Trzeci"_s);
        Click(u"addLoft"_s);
        QCOMPARE(Items(Lofts()), (QStringList{u"Pierwszy"_s, u"Drugi"_s, u"Trzeci"_s}));
        QCOMPARE(m_app->lofts.size(), 3u);
        const auto step2 =
            ModalDriver::AnswerNameDialog(u"Trzeci"_s); // refused by the database, quietly
        Click(u"addLoft"_s);
        QCOMPARE(Lofts()->count(), 3);
        QVERIFY(MessageBox::History().isEmpty());

        Lofts()->setCurrentRow(0);
        const auto step3 = ModalDriver::AnswerNameDialog(u"Pierwszy nowy"_s);
        Click(u"editLoft"_s);
        QCOMPARE(Lofts()->item(0)->text(), u"Pierwszy nowy"_s);
        QCOMPARE(m_manager->LoftIndex(), -1);
        QCOMPARE(m_app->lofts[0].name, u"Pierwszy nowy"_s);

        Lofts()->setCurrentRow(2);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        Click(u"deleteLoft"_s);
        QCOMPARE(Items(Lofts()), (QStringList{u"Pierwszy nowy"_s, u"Drugi"_s}));
        QCOMPARE(m_manager->LoftIndex(), -1);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM hodowla;"_s), 2);
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
        QCOMPARE(m_app->lofts[1].categories[1].name, u"Młode 2026"_s);

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
    void Click(const QString& button) { m_manager->findChild<QPushButton*>(button)->click(); }

    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<AppData> m_app;
    std::unique_ptr<CZarzadzajHodowlami> m_manager;
};

QTEST_MAIN(TestLoftManager)
#include "tst_loftmanager.moc"
