// Backup and restore through the menu, the one-copy guard, the start page and the help window.

#include "app/Backup.h"
#include "app/FolderCopy.h"
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
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

bool ProgressVisible() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget* window) {
        return qobject_cast<const QProgressDialog*>(window) && window->isVisible();
    });
}

QString Text(QDialog* dialog) {
    const auto* box = qobject_cast<QMessageBox*>(dialog);
    return box ? box->text() : QString();
}

// Message boxes shown for real, and the progress window up from the first file on.
class RealWindows {
public:
    RealWindows()
        : m_delay(Backup::SetProgressDelay(0)) {
        MessageBox::SetTestMode(false);
    }
    ~RealWindows() {
        MessageBox::SetTestMode(true);
        Backup::SetProgressDelay(m_delay);
    }
    RealWindows(const RealWindows&) = delete;
    RealWindows& operator=(const RealWindows&) = delete;

private:
    int m_delay;
};

// Sees the copy's progress window come up and acts on it at the copy's next step.
class ProgressWatch : public QObject {
public:
    explicit ProgressWatch(std::function<void(QProgressDialog*)> action = {})
        : m_action(std::move(action)) {
        qApp->installEventFilter(this);
    }
    ~ProgressWatch() override { qApp->removeEventFilter(this); }

    bool shown = false;
    bool active = false; // it was the active window when acted on

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* progress = qobject_cast<QProgressDialog*>(watched);
        if (!progress || event->type() != QEvent::Show || shown)
            return false;
        shown = true;
        QTimer::singleShot(0, this, [this, progress] {
            // Acted on in the middle of the copy, once the window is up for the user.
            active =
                QTest::qWaitFor([progress] { return QApplication::activeWindow() == progress; });
            if (m_action)
                m_action(progress);
        });
        return false;
    }

private:
    std::function<void(QProgressDialog*)> m_action;
};

// Answers the program's windows in the order they come, each once it is the active window and
// holds the keyboard focus, as a user answers them. It looks from the event loop, so that the
// window system's activation is never held up by a test waiting inside a callback. A step
// returns false to be asked again at the next look. A window no step expects, or one that
// stays unanswered, is rejected and counted, so that a test fails instead of hanging.
class WindowScript : public QObject {
public:
    using Step = std::function<bool(QDialog*)>;

    explicit WindowScript(std::vector<Step> steps)
        : m_steps(std::move(steps)) {
        connect(&m_timer, &QTimer::timeout, this, &WindowScript::Look);
        m_timer.start(10);
        m_clock.start();
    }

    int done() const { return static_cast<int>(m_next); }
    int lost() const { return m_lost; }

    // A key into the focused widget; false (and the window closed) when it did not close it.
    static bool Press(QDialog* dialog, Qt::Key key) {
        QWidget* focus = QApplication::focusWidget();
        if (focus && dialog->isAncestorOf(focus))
            QTest::keyClick(focus, key);
        return Closed(dialog);
    }

    // True when the window is closed; one left open is closed and false.
    static bool Closed(QDialog* dialog) {
        if (!dialog->isVisible())
            return true;
        dialog->reject();
        return false;
    }

    // Tab to the button, as a user does, and press Space.
    static bool PressButton(QDialog* dialog, const QString& text) {
        for (int i = 0; i < 8 && QApplication::focusWidget(); ++i) {
            const auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
            if (button && button->text() == text)
                break;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return Press(dialog, Qt::Key_Space);
    }

private:
    void Look() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (m_clock.elapsed() > 10000 && dialog) { // nobody answers: give up on it
            ++m_lost;
            dialog->reject();
            return;
        }
        const QWidget* focus = QApplication::focusWidget();
        if (!dialog || !dialog->isVisible() || qobject_cast<QProgressDialog*>(dialog) ||
            (dialog == m_answered && dialog->isVisible()) ||
            QApplication::activeWindow() != dialog || !focus || !dialog->isAncestorOf(focus))
            return;
        if (m_next >= m_steps.size()) {
            ++m_lost;
            dialog->reject();
            return;
        }
        if (m_steps[m_next](dialog)) {
            m_answered = dialog;
            ++m_next;
            m_clock.restart();
        }
    }

    std::vector<Step> m_steps;
    size_t m_next = 0;
    int m_lost = 0;
    QPointer<QDialog> m_answered; // a pointer: the next box may take the same address
    QTimer m_timer;
    QElapsedTimer m_clock;
};

} // namespace

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
        m_target = std::make_unique<QTemporaryDir>();
    }

    void cleanup() {
        m_target.reset();
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

    // The real windows of a backup over a backup: each question comes active and is answered by
    // key, the second left open past the progress window's delay; the progress window comes
    // after the questions and never stands over one.
    void backupOverABackupAsksBeforeTheProgressShows() {
        AddLoft(u"Przed kopią"_s);
        AddPhotos(40);
        Open();
        QVERIFY(ModalDriver::ShowFocused(m_dialog.get()));
        QTemporaryDir target;
        FileDialog::SetNextName(target.path());
        Trigger(CmdCreateBackup); // the first backup, answered in advance
        AddLoft(u"Po kopii"_s);

        RealWindows real;
        ProgressWatch watch;
        QString message;
        QStringList questions;
        bool questionStayedOnTop = false;
        QElapsedTimer asked;
        WindowScript script({[&](QDialog* box) {
                                 message = Text(box);
                                 return WindowScript::Press(box, Qt::Key_Return);
                             },
                             [&](QDialog* box) {
                                 questions.append(Text(box));
                                 return WindowScript::PressButton(box, u"&Yes"_s);
                             },
                             [&](QDialog* box) {
                                 // Left open far past the progress window's delay.
                                 if (!asked.isValid())
                                     asked.start();
                                 if (asked.elapsed() < 300)
                                     return false;
                                 questions.append(Text(box));
                                 questionStayedOnTop = QApplication::activeModalWidget() == box &&
                                                       QApplication::activeWindow() == box &&
                                                       !ProgressVisible();
                                 return WindowScript::PressButton(box, u"Yes to &All"_s);
                             }});
        FileDialog::SetNextName(target.path());
        Trigger(CmdCreateBackup);
        QCOMPARE(script.done(), 3);
        QCOMPARE(script.lost(), 0);
        QVERIFY(questionStayedOnTop);
        QCOMPARE(message, QDir::toNativeSeparators(InstallDir() + u"/db/*"_s));
        QCOMPARE(questions.size(), 2);
        QVERIFY(questions[0].contains(u"pigeons.db"_s));
        QVERIFY(questions[0].contains(u"dodatkowe_informacje.db"_s));
        QVERIFY(questions[1].contains(u"1000.jpg"_s));
        QVERIFY(watch.shown);
        QVERIFY(watch.active);
        const QString backup = target.path() + u"/VNBACKUP"_s;
        QCOMPARE(Read(backup + u"/pigeons.db"_s), Read(m_data->pigeonsDb()));
        QCOMPARE(QDir(backup + u"/images"_s).entryList(QDir::Files).size(), 40);
        QVERIFY(!QFileInfo::exists(StagingFolder(backup)));
    }

    // The real windows of a restore cancelled on its progress window: nothing is restored, and
    // the message says so.
    void cancelledRestoreLeavesBothDatabaseFiles() {
        AddLoft(u"Przed kopią"_s);
        AddPhotos(40);
        Open();
        QVERIFY(ModalDriver::ShowFocused(m_dialog.get()));
        const QString backup = MakeBackup();
        AddLoft(u"Po kopii"_s);
        Trigger(CmdManageLoftsAndClose);
        const QByteArray before = Read(m_data->pigeonsDb()) + Read(m_data->extraDb());

        RealWindows real;
        ProgressWatch watch([](QProgressDialog* progress) {
            QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
        });
        QString said;
        WindowScript script({[](QDialog* question) {
                                 return WindowScript::PressButton(question, u"Yes to &All"_s);
                             },
                             [&](QDialog* message) {
                                 said = Text(message);
                                 return WindowScript::Press(message, Qt::Key_Return);
                             }});
        FileDialog::SetNextName(backup);
        Trigger(CmdImportBackup);
        QCOMPARE(script.done(), 2);
        QCOMPARE(script.lost(), 0);
        QVERIFY(watch.shown);
        QVERIFY(watch.active);
        QCOMPARE(said, u"The restore was cancelled. Nothing was restored: the data is as it was "
                       u"before."_s);
        QCOMPARE(Read(m_data->pigeonsDb()) + Read(m_data->extraDb()), before);
        QVERIFY(!QFileInfo::exists(StagingFolder(InstallDir() + u"/db"_s)));
        QCOMPARE(ShellFixture::Items(LoftList()), QStringList({u"Przed kopią"_s, u"Po kopii"_s}));
    }

    void failedRestoreLeavesBothDatabaseFiles_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("said");
        QTest::newRow("random bytes as pigeons.db")
            << u"random"_s << u"The backup cannot be restored: pigeons.db is not a database"_s;
        QTest::newRow("damaged dodatkowe_informacje.db")
            << u"damaged"_s << u"dodatkowe_informacje.db is damaged"_s;
        QTest::newRow("a file gone during the copy") << u"gone"_s << u"The restore failed at"_s;
        QTest::newRow("one database file missing")
            << u"missing"_s << u"no complete Vornel backup: dodatkowe_informacje.db is missing"_s;
        QTest::newRow("not a backup") << u"stranger"_s << u"holds no Vornel backup"_s;
        QTest::newRow("the data folder itself") << u"self"_s << u"own data folder"_s;
    }

    void failedRestoreLeavesBothDatabaseFiles() {
        QFETCH(QString, fault);
        QFETCH(QString, said);
        AddLoft(u"Przed kopią"_s);
        AddPhotos(10); // so that the copy has steps after the progress window shows
        Open();
        QString backup = MakeBackup();
        AddLoft(u"Po kopii"_s);
        Trigger(CmdManageLoftsAndClose);
        const QByteArray before = Read(m_data->pigeonsDb()) + Read(m_data->extraDb());

        const QString extra = backup + u"/dodatkowe_informacje.db"_s;
        std::unique_ptr<ProgressWatch> watch;
        int delay = -1;
        const auto restoreDelay = qScopeGuard([&delay] {
            if (delay >= 0)
                Backup::SetProgressDelay(delay);
        });
        if (fault == u"random"_s) {
            QByteArray noise(8192, '\0');
            for (qsizetype i = 0; i < noise.size(); ++i)
                noise[i] = char((i * 7919) % 251);
            Write(backup + u"/pigeons.db"_s, noise);
        } else if (fault == u"damaged"_s) {
            QByteArray bytes = Read(extra);
            for (qsizetype i = 4096; i < bytes.size(); i += 5)
                bytes[i] = '\xff';
            Write(extra, bytes);
        } else if (fault == u"gone"_s) {
            delay = Backup::SetProgressDelay(0);
            watch = std::make_unique<ProgressWatch>(
                [backup](QProgressDialog*) { QFile::remove(backup + u"/pigeons.db"_s); });
        } else if (fault == u"missing"_s) {
            QVERIFY(QFile::remove(extra));
        } else if (fault == u"stranger"_s) {
            backup = target().path();
            Write(backup + u"/readme.txt"_s, "x");
        } else if (fault == u"self"_s) {
            backup = InstallDir() + u"/db/images"_s;
        }
        MessageBox::History().clear();
        MessageBox::SetNextAnswer(QMessageBox::YesToAll);
        FileDialog::SetNextName(backup);
        Trigger(CmdImportBackup);
        QVERIFY2(MessageBox::History().join(u'\n').contains(said),
                 qPrintable(MessageBox::History().join(u'\n')));
        if (fault != u"stranger"_s && fault != u"self"_s)
            QVERIFY(MessageBox::History().last().endsWith(u"Nothing was restored."_s) ||
                    MessageBox::History().last().endsWith(u"as it was before."_s));
        QCOMPARE(Read(m_data->pigeonsDb()) + Read(m_data->extraDb()), before);
        QVERIFY(!QFileInfo::exists(StagingFolder(InstallDir() + u"/db"_s)));
        QVERIFY(!QFileInfo::exists(InstallDir() + u"/db/readme.txt"_s));
        QCOMPARE(LoftList()->count(), 2);
    }

    void backupIntoTheDataFolderIsRefused_data() {
        QTest::addColumn<QString>("folder"); // under the data folder
        QTest::newRow("the db folder") << u"/db"_s;
        QTest::newRow("a folder inside it") << u"/db/images"_s;
    }

    void backupIntoTheDataFolderIsRefused() {
        QFETCH(QString, folder);
        Open();
        FileDialog::SetNextName(InstallDir() + folder);
        Trigger(CmdCreateBackup);
        QCOMPARE(MessageBox::History().size(), 1);
        QVERIFY(MessageBox::History()[0].contains(u"cannot go into the program's data folder"_s));
        QVERIFY(!QFileInfo::exists(InstallDir() + folder + u"/VNBACKUP"_s));
        QVERIFY(!QFileInfo::exists(InstallDir() + folder + u"/VNBACKUP.part"_s));
    }

    // The folder window itself, shown: the two-line instruction stands inside it.
    void backupFolderWindowShowsTheInstruction() {
        Open();
        QVERIFY(ModalDriver::ShowFocused(m_dialog.get()));
        FileDialog::SetTestMode(false);
        const auto restore = qScopeGuard([] { FileDialog::SetTestMode(true); });
        QString caption;
        QString instruction;
        const QString chosen = target().path();
        WindowScript script({[&](QDialog* dialog) {
            caption = dialog->windowTitle();
            if (const auto* label = dialog->findChild<QLabel*>(u"instruction"_s);
                label && label->isVisible())
                instruction = label->text();
            auto* name = dialog->findChild<QLineEdit*>(u"fileNameEdit"_s);
            if (name) {
                name->selectAll();
                QTest::keyClicks(name, chosen);
                QTest::keyClick(name, Qt::Key_Return);
            }
            return WindowScript::Closed(dialog);
        }});
        Trigger(CmdCreateBackup);
        QCOMPARE(script.done(), 1);
        QCOMPARE(script.lost(), 0);
        QCOMPARE(caption, u"Select destination folder for program Database"_s);
        QCOMPARE(instruction, u"Select destination folder for program Database\nIn selected "
                              u"location will be created folder named VNBACKUP, that you should "
                              u"save on CD or pendrive."_s);
        QVERIFY(QFileInfo::exists(chosen + u"/VNBACKUP/pigeons.db"_s));
    }

    void secondCopyIsRefused_data() {
        QTest::addColumn<bool>("otherRuntimeFolder");
        QTest::newRow("same runtime folder") << false;
        QTest::newRow("other runtime folder, same data") << true;
    }

    void secondCopyIsRefused() {
        QFETCH(bool, otherRuntimeFolder);
        SingleInstance first;
        QVERIFY(first.Acquire(InstallDir()));
        QTemporaryDir otherRuntime;
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        const auto restore = qScopeGuard([runtime] {
            qputenv("XDG_RUNTIME_DIR", runtime);
            SetInstallDirOverride({});
        });
        if (otherRuntimeFolder)
            qputenv("XDG_RUNTIME_DIR", otherRuntime.path().toLocal8Bit());

        CLoftApp app;
        CLoftApp::Options options;
        options.splash = false;
        options.quitWhenShown = true;
        QCOMPARE(app.Start(options), 0);
        QCOMPARE(MessageBox::History(),
                 QStringList{u"Nie można uruchomić jednocześnie dwóch kopii programu"_s});
        QCOMPARE(MessageBox::Captions().last(), u"Błąd uruchomienia"_s);

        if (!otherRuntimeFolder)
            return;
        // Other data in another runtime folder is another copy's own business.
        MessageBox::History().clear();
        const QTemporaryDir otherData;
        options.dataDir = otherData.path();
        QCOMPARE(app.Start(options), 0);
        QVERIFY(MessageBox::History().isEmpty());
        QVERIFY(QFileInfo::exists(otherData.path() + u"/db/pigeons.db"_s));
    }

    // What a restore killed halfway left is dealt with before anything opens the data.
    void startFinishesAnInterruptedRestore_data() {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QStringList>("lofts");
        QTest::newRow("an older version's pigeons.db.part")
            << u"part"_s << u"the finished copy pigeons.db.part was put in its place"_s
            << QStringList{u"Z kopii"_s};
        QTest::newRow("an older version's .part beside its file")
            << u"part beside"_s << u"the copy pigeons.db.part was removed and pigeons.db kept"_s
            << QStringList{u"Zostaje"_s};
        QTest::newRow("a copy stopped before its end")
            << u"unfinished"_s << u"Nothing had been replaced"_s << QStringList{u"Zostaje"_s};
    }

    void startFinishesAnInterruptedRestore() {
        QFETCH(QString, left);
        QFETCH(QString, said);
        QFETCH(QStringList, lofts);
        const QString db = InstallDir() + u"/db"_s;
        AddLoft(u"Zostaje"_s);
        const QString copy = target().path() + u"/pigeons.db"_s;
        QVERIFY(QFile::copy(m_data->pigeonsDb(), copy));
        QVERIFY(DbProbe::Exec(copy, u"UPDATE hodowla SET nazwahodowli = 'Z kopii';"_s));
        if (left.startsWith(u"part"_s)) {
            if (left == u"part"_s)
                QVERIFY(QFile::remove(m_data->pigeonsDb()));
            QVERIFY(QFile::copy(copy, m_data->pigeonsDb() + u".part"_s));
        } else {
            QVERIFY(QDir().mkpath(StagingFolder(db)));
            QVERIFY(QFile::copy(copy, StagingFolder(db) + u"/pigeons.db"_s));
        }
        CLoftApp app;
        CLoftApp::Options options;
        options.splash = false;
        options.quitWhenShown = true;
        QCOMPARE(app.Start(options), 0);
        QCOMPARE(MessageBox::History().size(), 1);
        QVERIFY2(MessageBox::History()[0].contains(said), qPrintable(MessageBox::History()[0]));
        QCOMPARE(DbProbe::Rows(m_data->pigeonsDb(), u"SELECT nazwahodowli FROM hodowla;"_s),
                 std::vector<QStringList>{lofts});
        QVERIFY(!QFileInfo::exists(StagingFolder(db)));
        QVERIFY(!QFileInfo::exists(m_data->pigeonsDb() + u".part"_s));
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
    const QTemporaryDir& target() const { return *m_target; }

    void AddPhotos(int count) {
        for (int i = 0; i < count; ++i)
            Write(InstallDir() + u"/db/images/%1.jpg"_s.arg(1000 + i), QByteArray(32768, char(i)));
    }

    // A backup of the data as it is now, made through the menu with the answers given.
    QString MakeBackup() {
        FileDialog::SetNextName(target().path());
        Trigger(CmdCreateBackup);
        MessageBox::History().clear();
        return target().path() + u"/VNBACKUP"_s;
    }

    QComboBox* LoftList() const { return m_dialog->findChild<QComboBox*>(u"loftList"_s); }

    QTemporaryDir m_runtime;
    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<AppData> m_app;
    std::unique_ptr<CMainDialog> m_dialog;
    QString m_helpTitle;
    std::unique_ptr<QTemporaryDir> m_target;
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
