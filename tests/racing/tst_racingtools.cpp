// The Tools menu's racing windows: the distance and velocity calculators and the branch list,
// each opened through its menu entry, typed into and clicked as a user does.

#include "RacingDriver.h"
#include "app/MainDialog.h"
#include "app/MainMenu.h"
#include "app/ShippedFiles.h"
#include "racing/BranchList.h"
#include "racing/SpisOddzialow.h"
#include "storage/AppData.h"
#include "support/ModalDriver.h"
#include "support/ShellFixture.h"
#include "support/TestDataDir.h"
#include "ui/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;
using namespace RacingDriver;

class TestRacingTools : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { MessageBox::SetTestMode(true); }

    void init() {
        m_data = std::make_unique<TestDataDir>();
        m_app = std::make_unique<AppData>();
        m_dialog = ShellFixture::OpenMainDialog(*m_app);
        MessageBox::History().clear();
    }

    void cleanup() {
        m_dialog.reset();
        m_app.reset();
    }

    void distanceCalculator() {
        const auto step = OnDialog([](QDialog* dialog) {
            QCOMPARE(QApplication::activeWindow(), dialog);
            QCOMPARE(dialog->windowTitle(), u"Distance calclulator"_s);
            Click(dialog, u"calculate"_s);
            QCOMPARE(Find<QLineEdit>(dialog, u"distance"_s)->text(), u"0"_s);
            Type(dialog, u"longitude2Degrees"_s, u"1"_s);
            QTest::keyClick(Find<QLineEdit>(dialog, u"longitude2Degrees"_s), Qt::Key_Return);
            QCOMPARE(Find<QLineEdit>(dialog, u"distance"_s)->text(), u"111.125"_s);
            QVERIFY(dialog->isVisible());                   // Enter calculates, it does not close
            Type(dialog, u"latitude1Minutes"_s, u"30,5"_s); // a decimal comma is a point
            Click(dialog, u"calculate"_s);
            QCOMPARE(Find<QLineEdit>(dialog, u"distance"_s)->text(), u"124.657"_s);
            Type(dialog, u"latitude1Seconds"_s, u"x"_s);
            Click(dialog, u"calculate"_s);
            QVERIFY(dialog->isVisible());
            Click(dialog, u"close"_s);
        });
        ShellFixture::MenuAction(*m_dialog, CmdDistanceCalculator)->trigger();
        QCOMPARE(MessageBox::History(),
                 QStringList{u"Latitude (point 1): please enter a number."_s});
    }

    void velocityCalculator() {
        const auto step = OnDialog([](QDialog* dialog) {
            QCOMPARE(QApplication::activeWindow(), dialog);
            Click(dialog, u"calculate"_s); // a fly time of 0 gives no number
            QCOMPARE(Find<QLineEdit>(dialog, u"metresPerSecond"_s)->text(), QString());
            Type(dialog, u"hours"_s, u"2147483648"_s); // beyond a whole number's range
            Click(dialog, u"calculate"_s);
            Type(dialog, u"hours"_s, u"1"_s);
            Type(dialog, u"distance"_s, u"72"_s);
            Click(dialog, u"calculate"_s);
            QCOMPARE(Find<QLineEdit>(dialog, u"metresPerSecond"_s)->text(), u"20"_s);
            QCOMPARE(Find<QLineEdit>(dialog, u"kilometresPerHour"_s)->text(), u"72"_s);
            Type(dialog, u"hours"_s, u"0"_s);
            QTest::keyClick(Find<QLineEdit>(dialog, u"hours"_s), Qt::Key_Enter);
            QCOMPARE(Find<QLineEdit>(dialog, u"kilometresPerHour"_s)->text(), QString());
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        ShellFixture::MenuAction(*m_dialog, CmdVelocityCalculator)->trigger();
        QCOMPARE(
            MessageBox::History(),
            (QStringList{u"The fly time must be longer than 0 seconds to give a velocity."_s,
                         u"Fly time (hours): please enter a whole number."_s,
                         u"The fly time must be longer than 0 seconds to give a velocity."_s}));
    }

    void branchList() {
        QVERIFY(InstallShippedFiles());
        const auto first = OnDialog([](QDialog* dialog) {
            QCOMPARE(QApplication::activeWindow(), dialog);
            QCOMPARE(dialog->windowTitle(), u"Spis oddziałów PZHGP"_s);
            auto* results = Find<QPlainTextEdit>(dialog, u"results"_s);
            QCOMPARE(results->toPlainText(), u"Wpisz nazwę szukanego oddziału lub jego numer i "
                                             u"kliknij w przycisk 'Pokaż informacje'"_s);
            auto* search = Find<QLineEdit>(dialog, u"search"_s);
            QCOMPARE(QApplication::focusWidget(), search);
            TypeText(search, u"ełk"_s);
            QTest::keyClick(search, Qt::Key_Return);
            QCOMPARE(results->toPlainText(), u"013   - EŁK, Oddział: Białystok\n"_s);
            Type(dialog, u"search"_s, u"07"_s);
            Click(dialog, u"show"_s);
            QCOMPARE(results->toPlainText().count(u'\n'), 3);
            Click(dialog, u"close"_s);
        });
        ShellFixture::MenuAction(*m_dialog, CmdBranchList)->trigger();
        // A second time, each match is listed once.
        const auto second = OnDialog([](QDialog* dialog) {
            Type(dialog, u"search"_s, u"07"_s);
            Click(dialog, u"show"_s);
            QCOMPARE(qobject_cast<CSpisOddzialow*>(dialog)->ResultText().count(u'\n'), 3);
            dialog->reject();
        });
        m_dialog->RunCommand(CmdBranchList);
    }

private:
    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<AppData> m_app;
    std::unique_ptr<CMainDialog> m_dialog;
};

QTEST_MAIN(TestRacingTools)
#include "tst_racingtools.moc"
