// Backup and restore through the menu, the one-copy guard, the start page and the help window.

#include "app/LoftApp.h"
#include "app/MainDialog.h"
#include "app/MainMenu.h"
#include "app/Pomoc.h"
#include "app/ShippedFiles.h"
#include "app/SingleInstance.h"
#include "app/ZakladkaStartowa.h"
#include "storage/AppData.h"
#include "storage/InstallDir.h"
#include "storage/TextFile.h"
#include "support/DbProbe.h"
#include "support/ModalDriver.h"
#include "support/ShellFixture.h"
#include "support/TestDataDir.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace Qt::StringLiterals;

class TestShell : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        MessageBox::SetTestMode(true);
        FileDialog::SetTestMode(true);
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    }

    void init() {
        m_data = std::make_unique<TestDataDir>();
        m_app = std::make_unique<AppData>();
        MessageBox::History().clear();
        QVERIFY(PrepareInstallDir());
    }

    void cleanup() {
        m_dialog.reset();
        m_app.reset();
    }

    void backupAndRestore() {
        AddLoft(u"Przed kopią"_s);
        QVERIFY(WriteTextFile(InstallDir() + u"/db/notes/3.html"_s, u"<p>notatka</p>"_s));
        QVERIFY(QFile(m_data->makeFile(u"photo.jpg"_s, "jpeg"))
                    .copy(InstallDir() + u"/db/images/1000.jpg"_s));
        Open();

        QTemporaryDir target;
        FileDialog::SetNextName(target.path());
        Trigger(CmdCreateBackup);
        const QString backup = target.path() + u"/VNBACKUP"_s;
        QCOMPARE(MessageBox::History(),
                 QStringList{QDir::toNativeSeparators(InstallDir() + u"/db/*"_s)});
        for (const QString& file : {u"/pigeons.db"_s, u"/dodatkowe_informacje.db"_s,
                                    u"/notes/3.html"_s, u"/images/1000.jpg"_s})
            QVERIFY2(QFile::exists(backup + file), qPrintable(file));
        QVERIFY(QDir(backup + u"/documents"_s).exists()); // empty, and still part of the tree

        // After the backup the data changes; the restore brings the old state back and reloads.
        AddLoft(u"Po kopii"_s);
        QVERIFY(QFile::remove(InstallDir() + u"/db/notes/3.html"_s));
        Trigger(CmdManageLoftsAndClose);
        QCOMPARE(LoftList()->count(), 2);

        MessageBox::History().clear();
        FileDialog::SetNextName(backup);
        MessageBox::SetNextAnswer(QMessageBox::YesToAll);
        Trigger(CmdImportBackup);
        QCOMPARE(MessageBox::History().size(), 1); // one question, answered for all files
        QVERIFY(QFile::exists(InstallDir() + u"/db/notes/3.html"_s));
        QCOMPARE(LoftList()->count(), 1);
        QCOMPARE(LoftList()->itemText(0), u"Przed kopią"_s);
        QCOMPARE(m_app->currentLoft, 0);
        QCOMPARE(DbProbe::Number(m_data->pigeonsDb(), u"SELECT count(*) FROM hodowla;"_s), 1);
    }

    void secondBackupAsksAndCanBeCancelled() {
        Open();
        QTemporaryDir target;
        FileDialog::SetNextName(target.path());
        Trigger(CmdCreateBackup);
        QVERIFY(QFile::exists(target.path() + u"/VNBACKUP/pigeons.db"_s));
        MessageBox::History().clear();
        FileDialog::SetNextName(target.path());
        MessageBox::SetNextAnswer(QMessageBox::Ok);     // the source pattern
        MessageBox::SetNextAnswer(QMessageBox::Cancel); // replace the first file?
        Trigger(CmdCreateBackup);
        QCOMPARE(MessageBox::History().size(), 3);
        QVERIFY(MessageBox::History()[1].contains(u"exist already"_s));
        QVERIFY(MessageBox::History()[2].contains(u"cancelled"_s));
    }

    void importRefusesAFolderWithoutABackup() {
        AddLoft(u"Zostaje"_s);
        Open();
        QTemporaryDir stranger;
        QFile(stranger.path() + u"/readme.txt"_s).open(QIODevice::WriteOnly);
        FileDialog::SetNextName(stranger.path());
        Trigger(CmdImportBackup);
        QCOMPARE(MessageBox::History().size(), 1);
        QVERIFY(MessageBox::History()[0].contains(u"holds no Vornel backup"_s));
        QVERIFY(!QFile::exists(InstallDir() + u"/db/readme.txt"_s));
        QCOMPARE(LoftList()->count(), 1);
    }

    void secondCopyIsRefused() {
        SingleInstance first;
        QVERIFY(first.Acquire(InstallDir()));
        SingleInstance second;
        QVERIFY(!second.Acquire(InstallDir()));

        CLoftApp app;
        CLoftApp::Options options;
        options.splash = false;
        QCOMPARE(app.Start(options), 0);
        QCOMPARE(MessageBox::History(),
                 QStringList{u"Nie można uruchomić jednocześnie dwóch kopii programu"_s});
        QCOMPARE(MessageBox::Captions().last(), u"Błąd uruchomienia"_s);
    }

    void programStartsOnAnEmptyDataFolder() {
        QTemporaryDir folder;
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.insert(u"XDG_RUNTIME_DIR"_s, m_runtime.path());
        program.setProcessEnvironment(environment);
        program.start(QString::fromUtf8(VORNEL_BINARY),
                      {u"--nosplash"_s, u"--data-dir"_s, folder.path()});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder.path() + u"/db/pigeons.db"_s), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder.path() + u"/html/help/help.html"_s), 10000);
        QCOMPARE(program.state(), QProcess::Running);
        program.terminate();
        QVERIFY(program.waitForFinished(5000));

        QProcess version;
        version.start(QString::fromUtf8(VORNEL_BINARY), {u"--version"_s});
        QVERIFY(version.waitForFinished(5000));
        QCOMPARE(version.exitCode(), 0);
        QVERIFY(version.readAllStandardOutput().contains("Vornel 0.1.0"));
    }

    void startPageLinks_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("command"); // PageCommand, or -1 for none
        QTest::newRow("add pigeon") << QPoint(60, 110) << int(PageCommand::AddPigeon);
        QTest::newRow("add pair") << QPoint(345, 159) << int(PageCommand::AddPair);
        QTest::newRow("add transaction") << QPoint(200, 160) << int(PageCommand::AddTransaction);
        QTest::newRow("new note") << QPoint(200, 249) << int(PageCommand::NewNote);
        QTest::newRow("left of the links") << QPoint(39, 110) << -1;
        QTest::newRow("right of the links") << QPoint(350, 110) << -1;
        QTest::newRow("between the groups") << QPoint(200, 300) << -1;
    }

    void startPageLinks() {
        QFETCH(QPoint, point);
        QFETCH(int, command);
        Open();
        QList<int> performed;
        for (int tab = 1; tab < CMainDialog::TabCount; ++tab)
            connect(m_dialog->Page(tab), &CTabPage::commandPerformed, this,
                    [&performed](PageCommand c) { performed.append(int(c)); });
        ModalDriver::NoDialogGuard guard;
        QTest::mouseClick(m_dialog->Page(CMainDialog::TabStart), Qt::LeftButton, {}, point);
        // A link to a window this program does not have yet is greyed out and does nothing.
        const auto* start = static_cast<CZakladkaStartowa*>(m_dialog->Page(CMainDialog::TabStart));
        bool enabled = false;
        for (size_t i = 0; i < start->LinkRects().size(); ++i)
            enabled = enabled || (start->LinkRects()[i].contains(point) &&
                                  start->LinkEnabled(static_cast<int>(i)));
        QCOMPARE(performed, enabled ? QList<int>{command} : QList<int>{});
        QCOMPARE(guard.dialogsSeen(), 0);
    }

    void startPageHelpLinkOpensTheHelp() {
        QVERIFY(InstallShippedFiles());
        Open();
        const auto step1 = ModalDriver::OnNextModal([this](QDialog* dialog) {
            m_helpTitle = dialog->findChild<QTextBrowser*>()->documentTitle();
            dialog->reject();
        });
        QTest::mouseClick(m_dialog->Page(CMainDialog::TabStart), Qt::LeftButton, {},
                          QPoint(100, 400));
        QCOMPARE(step1.DialogClass(), u"CPomoc"_s);
        QVERIFY(!m_helpTitle.isEmpty());
    }

    void calendarOnlyOnWidePages() {
        Open();
        auto* start = static_cast<CZakladkaStartowa*>(m_dialog->Page(CMainDialog::TabStart));
        m_dialog->resize(1200, 800);
        QVERIFY(!start->Calendar()->isVisible());
        m_dialog->resize(1400, 800); // the page is 30 pixels narrower than the window
        QVERIFY(start->width() >= 1281);
        QVERIFY(start->Calendar()->isVisible());
    }

    void shippedHelpIsInstalledOnceAndKept() {
        QVERIFY(InstallShippedFiles());
        const QString intro = InstallDir() + u"/html/help/intro.html"_s;
        QVERIFY(ReadTextFile(intro).contains(u"<html"_s, Qt::CaseInsensitive));
        QVERIFY(WriteTextFile(intro, u"<p>my own notes</p>"_s));
        QVERIFY(InstallShippedFiles());
        QCOMPARE(ReadTextFile(intro), QChar(0xFEFF) + u"<p>my own notes</p>"_s);

        CPomoc help(InstallDir() + u"/html/help/missing.html"_s);
        QVERIFY(help.Browser()->toPlainText().contains(u"not there"_s));
    }

private:
    // Closes the manager right away: the main window then reloads every loft.
    static constexpr int CmdManageLoftsAndClose = -100;

    void Open() { m_dialog = ShellFixture::OpenMainDialog(*m_app); }

    void AddLoft(const QString& name) { ShellFixture::SeedLofts({{name, {}}}); }

    void Trigger(int id) {
        if (id == CmdManageLoftsAndClose) {
            const auto step2 = ModalDriver::OnNextModal([](QDialog* d) { d->reject(); });
            ShellFixture::MenuAction(*m_dialog, CmdManageLofts)->trigger();
            return;
        }
        ShellFixture::MenuAction(*m_dialog, id)->trigger();
    }
    QComboBox* LoftList() const { return m_dialog->findChild<QComboBox*>(u"loftList"_s); }

    QTemporaryDir m_runtime;
    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<AppData> m_app;
    std::unique_ptr<CMainDialog> m_dialog;
    QString m_helpTitle;
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
