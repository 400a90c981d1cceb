// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "support/BreedingFixture.h"
#include "support/DbProbe.h"
#include "support/FamilyFixture.h"
#include "support/ModalDriver.h"
#include "support/ShellFixture.h"
#include "support/TestDataDir.h"
#include "ui/Artwork.h"
#include "ui/Contrast.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <map>
#include <optional>

using namespace Qt::StringLiterals;
using ModalDriver::WindowScript;

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

// A message names files and folders as they are: a box that would read them as markup has none.
QString Text(QDialog* dialog) {
    const auto* box = qobject_cast<QMessageBox*>(dialog);
    return box && box->textFormat() == Qt::PlainText ? box->text() : QString();
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

// Sees the copy's progress window come up and acts on it at the copy's next step, once the
// window is up for the user.
class ProgressWatch : public QObject {
public:
    explicit ProgressWatch(std::function<void(QProgressDialog*)> action = {})
        : m_action(std::move(action)) {
        qApp->installEventFilter(this);
    }
    ~ProgressWatch() override { qApp->removeEventFilter(this); }

    bool active = false; // it came up and was the active window

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* progress = qobject_cast<QProgressDialog*>(watched);
        if (!progress || event->type() != QEvent::Show || m_shown)
            return false;
        m_shown = true;
        QTimer::singleShot(0, this, [this, progress] {
            active =
                QTest::qWaitFor([progress] { return QApplication::activeWindow() == progress; });
            if (m_action)
                m_action(progress);
        });
        return false;
    }

private:
    std::function<void(QProgressDialog*)> m_action;
    bool m_shown = false;
};

// What reads at less than 4.5:1 in a window: a label against the colour most of its other
// pixels have (to 4 bits a channel, so that a gradient counts as one), a text box's runs and a
// list cell against their backgrounds. The cells' faults come second.
std::pair<QStringList, QStringList> Unreadable(QWidget* window) {
    QStringList labels;
    QStringList cells;
    const auto fault = [](QStringList& faults, const QString& what, const QColor& ink,
                          const QColor& back) {
        if (Contrast::Ratio(ink, back) < Contrast::kReadable)
            faults << u"%1: %2 on %3"_s.arg(what, ink.name(), back.name());
    };
    const auto coarse = [](QRgb c) {
        return c & 0xF0F0F0u;
    };
    const QImage shot = window->grab().toImage();
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || !label->isEnabled() || label->text().isEmpty())
            continue;
        const QColor ink = label->palette().color(QPalette::WindowText);
        std::map<QRgb, std::pair<int, QRgb>> counts;
        const QRect r = QRect(label->mapTo(window, QPoint()), label->size()) & shot.rect();
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (const QRgb pixel = shot.pixel(x, y); coarse(pixel) != coarse(ink.rgb()))
                    counts[coarse(pixel)] = {counts[coarse(pixel)].first + 1, pixel};
        if (counts.empty())
            continue;
        const auto back = std::max_element(counts.begin(), counts.end(), [](auto a, auto b) {
            return a.second.first < b.second.first;
        });
        fault(labels, label->text(), ink, QColor(back->second.second));
    }
    for (const QTextEdit* edit : window->findChildren<QTextEdit*>()) {
        if (!edit->isVisibleTo(window))
            continue;
        const QPalette& palette = edit->palette();
        for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (it.fragment().text().trimmed().isEmpty())
                    continue;
                const QColor ink = format.foreground().style() != Qt::NoBrush
                                       ? format.foreground().color()
                                   : format.isAnchor() ? palette.color(QPalette::Link)
                                                       : palette.color(QPalette::Text);
                fault(labels, it.fragment().text(), ink,
                      format.background().style() != Qt::NoBrush ? format.background().color()
                                                                 : palette.color(QPalette::Base));
            }
        }
    }
    for (const QAbstractItemView* view : window->findChildren<QAbstractItemView*>()) {
        const QAbstractItemModel* model = view->model();
        if (!model || qobject_cast<const QHeaderView*>(view) || !view->isVisibleTo(window))
            continue;
        const QPalette& palette = view->palette();
        fault(cells, view->objectName(), palette.color(QPalette::Text),
              palette.color(QPalette::Base));
        for (int row = 0; row < std::min(model->rowCount(), 30); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                if (index.data().toString().trimmed().isEmpty())
                    continue;
                const QVariant ink = index.data(Qt::ForegroundRole);
                const QVariant back = index.data(Qt::BackgroundRole);
                fault(cells, index.data().toString(),
                      ink.isValid() ? ink.value<QBrush>().color() : palette.color(QPalette::Text),
                      back.isValid() ? back.value<QBrush>().color()
                      : view->alternatingRowColors() && row % 2
                          ? palette.color(QPalette::AlternateBase)
                          : palette.color(QPalette::Base));
            }
        }
    }
    return {labels, cells};
}

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
        m_backup = m_target->path() + u"/VNBACKUP"_s;
    }

    void cleanup() {
        m_dialog.reset();
        m_app.reset();
    }

    // The whole tree goes out through the folder window, as the user chooses it, and comes back
    // over later changes, answered in advance.
    void backupAndRestore() {
        QVERIFY(WriteTextFile(InstallDir() + u"/db/notes/3.html"_s, u"<p>notatka</p>"_s));
        AddPhotos(1);
        ShellFixture::SeedLofts({{u"Przed kopią"_s, {}}});
        Open();
        QVERIFY(ModalDriver::ShowFocused(m_dialog.get()));
        FileDialog::SetTestMode(false);
        const auto restore = qScopeGuard([] { FileDialog::SetTestMode(true); });
        QString caption;
        QString instruction;
        {
            WindowScript script({[&](QDialog* dialog) {
                caption = dialog->windowTitle();
                if (const auto* label = dialog->findChild<QLabel*>(u"instruction"_s);
                    label && label->isVisible())
                    instruction = label->text();
                if (auto* name = dialog->findChild<QLineEdit*>(u"fileNameEdit"_s)) {
                    name->selectAll();
                    QTest::keyClicks(name, m_target->path());
                    QTest::keyClick(name, Qt::Key_Return);
                }
                return WindowScript::Closed(dialog);
            }});
            Trigger(CmdCreateBackup);
        }
        QCOMPARE(caption, u"Select destination folder for program Database"_s);
        QCOMPARE(instruction, u"Select destination folder for program Database\nIn selected "
                              u"location will be created folder named VNBACKUP, that you should "
                              u"save on CD or pendrive."_s);
        for (const QString& file : {u"/pigeons.db"_s, u"/dodatkowe_informacje.db"_s,
                                    u"/notes/3.html"_s, u"/images/1000.jpg"_s})
            QVERIFY2(QFile::exists(m_backup + file), qPrintable(file));
        QVERIFY(QDir(m_backup + u"/documents"_s).exists()); // empty, and still part of the tree

        FileDialog::SetTestMode(true);
        AddLoftAndReload(u"Po kopii"_s);
        QVERIFY(QFile::remove(InstallDir() + u"/db/notes/3.html"_s));
        MessageBox::History().clear();
        FileDialog::SetNextName(m_backup);
        MessageBox::SetNextAnswer(QMessageBox::YesToAll);
        Trigger(CmdImportBackup);
        QCOMPARE(MessageBox::History().size(), 1); // one question, answered for all files
        QVERIFY(QFile::exists(InstallDir() + u"/db/notes/3.html"_s));
        QCOMPARE(ShellFixture::Items(LoftList()), QStringList{u"Przed kopią"_s});
        QCOMPARE(m_app->currentLoft, 0);
    }

    // A backup over a backup, its windows shown: each question comes active and is answered by
    // key, the second left open past the progress window's delay; the progress window comes
    // after the questions and never stands over one.
    void backupOverABackupAsksBeforeTheProgressShows() {
        AddPhotos(40);
        OpenAndBackUp(); // the first backup, answered in advance
        ShellFixture::SeedLofts({{u"Po kopii"_s, {}}});

        RealWindows real;
        ProgressWatch watch;
        QStringList said;
        bool questionStayedOnTop = false;
        QElapsedTimer asked;
        WindowScript script({[&](QDialog* box) {
                                 said.append(Text(box));
                                 return WindowScript::Press(box, Qt::Key_Return);
                             },
                             [&](QDialog* box) {
                                 said.append(Text(box));
                                 return WindowScript::PressButton(box, u"&Yes"_s);
                             },
                             [&](QDialog* box) {
                                 if (!asked.isValid())
                                     asked.start();
                                 if (asked.elapsed() < 300)
                                     return false;
                                 said.append(Text(box));
                                 questionStayedOnTop = QApplication::activeModalWidget() == box &&
                                                       QApplication::activeWindow() == box &&
                                                       !ProgressVisible();
                                 return WindowScript::PressButton(box, u"Yes to &All"_s);
                             }});
        FileDialog::SetNextName(m_target->path());
        Trigger(CmdCreateBackup);
        QVERIFY(questionStayedOnTop);
        QVERIFY(watch.active);
        QCOMPARE(said.size(), 3);
        QCOMPARE(said[0], QDir::toNativeSeparators(InstallDir() + u"/db/*"_s));
        QVERIFY(said[1].contains(u"pigeons.db"_s) && said[1].contains(u"informacje.db"_s));
        QVERIFY(said[2].contains(u"1000.jpg"_s));
        QCOMPARE(Read(m_backup + u"/pigeons.db"_s), Read(m_data->pigeonsDb()));
        QCOMPARE(QDir(m_backup + u"/images"_s).entryList(QDir::Files).size(), 40);
        QVERIFY(!QFileInfo::exists(StagingFolder(m_backup)));
    }

    // A restore that fails, is refused or is cancelled on its progress window restores nothing.
    void failedRestoreLeavesBothDatabaseFiles_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("said");
        QTest::newRow("random bytes as pigeons.db")
            << u"random"_s << u"The backup cannot be restored: pigeons.db is not a database"_s;
        QTest::newRow("a file gone during the copy") << u"gone"_s << u"The restore failed at"_s;
        QTest::newRow("one database file missing")
            << u"missing"_s << u"no complete Vornel backup: dodatkowe_informacje.db is missing"_s;
        QTest::newRow("not a backup") << u"stranger"_s << u"holds no Vornel backup"_s;
        QTest::newRow("the data folder itself") << u"self"_s << u"own data folder"_s;
        QTest::newRow("cancelled on the progress window")
            << u"cancel"_s
            << u"The restore was cancelled. Nothing was restored: the data is as it was before."_s;
    }

    void failedRestoreLeavesBothDatabaseFiles() {
        QFETCH(QString, fault);
        QFETCH(QString, said);
        AddPhotos(10); // so that the copy has steps after the progress window shows
        OpenAndBackUp();
        AddLoftAndReload(u"Po kopii"_s);
        const QByteArray before = Read(m_data->pigeonsDb()) + Read(m_data->extraDb());

        QString backup = m_backup;
        std::unique_ptr<ProgressWatch> watch;
        const int delay = Backup::SetProgressDelay(0); // the progress window from the first file
        const auto restoreDelay = qScopeGuard([delay] { Backup::SetProgressDelay(delay); });
        if (fault == u"random"_s) {
            Write(backup + u"/pigeons.db"_s, QByteArray(8192, '\x5a'));
        } else if (fault == u"gone"_s) {
            watch = std::make_unique<ProgressWatch>(
                [backup](QProgressDialog*) { QFile::remove(backup + u"/pigeons.db"_s); });
        } else if (fault == u"cancel"_s) {
            watch = std::make_unique<ProgressWatch>([](QProgressDialog* progress) {
                QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
            });
        } else if (fault == u"missing"_s) {
            QVERIFY(QFile::remove(backup + u"/dodatkowe_informacje.db"_s));
        } else if (fault == u"stranger"_s) {
            backup = m_target->path();
            Write(backup + u"/readme.txt"_s, "x");
        } else if (fault == u"self"_s) {
            backup = InstallDir() + u"/db/images"_s;
        }
        MessageBox::History().clear();
        MessageBox::SetNextAnswer(QMessageBox::YesToAll);
        FileDialog::SetNextName(backup);
        Trigger(CmdImportBackup);
        QVERIFY(!watch || watch->active);
        const QString history = MessageBox::History().join(u'\n');
        QVERIFY2(history.contains(said), qPrintable(history));
        if (fault != u"stranger"_s && fault != u"self"_s)
            QVERIFY2(history.endsWith(u"Nothing was restored."_s) ||
                         history.endsWith(u"as it was before."_s),
                     qPrintable(history));
        QCOMPARE(Read(m_data->pigeonsDb()) + Read(m_data->extraDb()), before);
        QVERIFY(!QFileInfo::exists(StagingFolder(InstallDir() + u"/db"_s)));
        QVERIFY(!QFileInfo::exists(InstallDir() + u"/db/readme.txt"_s));
        QCOMPARE(LoftList()->count(), 2);
    }

    void backupIntoTheDataFolderIsRefused() {
        Open();
        for (const QString& folder : {InstallDir() + u"/db"_s, InstallDir() + u"/db/images"_s}) {
            MessageBox::History().clear();
            FileDialog::SetNextName(folder);
            Trigger(CmdCreateBackup);
            QCOMPARE(MessageBox::History().size(), 1);
            QVERIFY(
                MessageBox::History()[0].contains(u"cannot go into the program's data folder"_s));
            QVERIFY(!QFileInfo::exists(folder + u"/VNBACKUP"_s));
            QVERIFY(!QFileInfo::exists(folder + u"/VNBACKUP.part"_s));
        }
    }

    void secondCopyIsRefused_data() {
        QTest::addColumn<bool>("otherRuntimeFolder");
        QTest::newRow("same runtime folder") << false;
        QTest::newRow("other runtime folder, same data") << true;
    }

    void secondCopyIsRefused() {
        QFETCH(bool, otherRuntimeFolder);
        SingleInstance first;
        QCOMPARE(int(first.Acquire(InstallDir())), int(SingleInstance::Outcome::Acquired));
        QTemporaryDir otherRuntime;
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        const auto restore = qScopeGuard([runtime] {
            qputenv("XDG_RUNTIME_DIR", runtime);
            SetInstallDirOverride({});
        });
        if (otherRuntimeFolder)
            qputenv("XDG_RUNTIME_DIR", otherRuntime.path().toLocal8Bit());
        QCOMPARE(Start(), 0);
        QCOMPARE(MessageBox::History(),
                 QStringList{u"Nie można uruchomić jednocześnie dwóch kopii programu"_s});
        QCOMPARE(MessageBox::Captions().last(), u"Błąd uruchomienia"_s);
        if (!otherRuntimeFolder)
            return;
        // Other data in another runtime folder is another copy's own business: the program
        // itself, from its command line, starts on a folder that holds nothing yet.
        const QTemporaryDir otherData;
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        program.setProcessEnvironment(environment);
        program.start(QString::fromUtf8(VORNEL_BINARY),
                      {u"--nosplash"_s, u"--quit-when-shown"_s, u"--data-dir"_s, otherData.path()});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(QFile::exists(otherData.path() + u"/db/dodatkowe_informacje.db"_s));
        QVERIFY(QFile::exists(otherData.path() + u"/html/help/help.html"_s));
    }

    // --help and --version answer in a terminal without a display; a wrong option is named.
    void commandLineAnswers_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("platform"); // none: no display at all
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // standard output, else standard error
        const QString version = u"vornel " VORNEL_VERSION "\nCopyright (C) "_s;
        QTest::newRow("--help") << QStringList{u"--help"_s} << QString() << 0
                                << u"Usage: vornel [OPTION]...\n"_s;
        QTest::newRow("-h after an option")
            << QStringList{u"--nosplash"_s, u"-h"_s} << QString() << 0 << u"Usage: vornel "_s;
        QTest::newRow("--version") << QStringList{u"--version"_s} << QString() << 0 << version;
        QTest::newRow("-v") << QStringList{u"-v"_s} << QString() << 0 << version;
        QTest::newRow("a wrong option")
            << QStringList{u"--nosplash"_s, u"--colour"_s} << u"offscreen"_s << 1
            << u"vornel: Unknown option 'colour'.\nTry 'vornel --help' for more information.\n"_s;
    }

    void commandLineAnswers() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, platform);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString& name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
            environment.remove(name);
        if (!platform.isEmpty())
            environment.insert(u"QT_QPA_PLATFORM"_s, platform);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QString::fromUtf8(VORNEL_BINARY), arguments);
        QVERIFY(program.waitForFinished(20000));
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        QVERIFY2((exitCode == 0 ? out : err).startsWith(output), qPrintable(out + err));
        if (output.startsWith(u"vornel "_s)) {
            QVERIFY(out.contains(u"GPL-3.0-or-later"_s));
            QVERIFY(out.contains(u"NO WARRANTY"_s));
        }
    }

    // The data folder's lock lives in db/, where the data is written; a second copy started
    // from another runtime folder meets it.
    void dataFolderLock_data() {
        const QString twoCopies = u"Nie można uruchomić jednocześnie dwóch kopii programu"_s;
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("said"); // what the second start says; nothing when it runs
        QTest::newRow("read-only root, writable db/") << u"root"_s << twoCopies;
        QTest::newRow("a running copy's lock emptied") << u"emptied"_s << twoCopies;
        QTest::newRow("an empty lock, no copy running") << u"empty"_s << QString();
        QTest::newRow("db/ read-only, the folder writable") << u"db"_s << u"cannot be made"_s;
        QTest::newRow("all read-only") << u"all"_s << u"You can look at your records"_s;
    }

    void dataFolderLock() {
        QFETCH(QString, setup);
        QFETCH(QString, said);
        const QString root = InstallDir();
        const QString lock = SingleInstance::DataLockPath(root);
        const bool asNobody = geteuid() == 0 && setup != u"emptied"_s && setup != u"empty"_s;
        QTemporaryDir otherRuntime; // the read-only cases run as nobody, who must own it
        QVERIFY(!asNobody ||
                chown(QFile::encodeName(otherRuntime.path()).constData(), 65534, gid_t(-1)) == 0);
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        const auto restore = qScopeGuard([runtime] { qputenv("XDG_RUNTIME_DIR", runtime); });
        std::optional<ReadOnlyFiles> readOnly;
        QStringList locked;
        if (setup == u"root"_s || setup == u"all"_s)
            locked << root;
        if (setup == u"db"_s)
            locked << root + u"/db"_s;
        if (setup == u"all"_s) // a register the program made, then chmod -R a-w
            QCOMPARE(Start(), 0);
        if (setup == u"all"_s)
            for (QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot,
                                 QDirIterator::Subdirectories);
                 it.hasNext();)
                locked << it.next();
        if (!locked.isEmpty())
            QVERIFY(readOnly.emplace(locked).isReadOnly());
        SingleInstance first;
        if (setup == u"root"_s || setup == u"emptied"_s)
            QCOMPARE(int(first.Acquire(root)), int(SingleInstance::Outcome::Acquired));
        if (setup == u"emptied"_s || setup == u"empty"_s)
            Write(lock, {});
        qputenv("XDG_RUNTIME_DIR", otherRuntime.path().toLocal8Bit());
        MessageBox::History().clear();
        Start();
        QVERIFY2(MessageBox::History().size() == (said.isEmpty() ? 0 : 1),
                 qPrintable(MessageBox::History().join(u" | "_s)));
        if (!said.isEmpty())
            QVERIFY2(MessageBox::History()[0].contains(said), qPrintable(MessageBox::History()[0]));
    }

    // Another program's database is not made a register unasked; an empty file is a new one.
    void anotherProgramsDatabase_data() {
        QTest::addColumn<bool>("foreign");
        QTest::addColumn<bool>("yes");
        QTest::newRow("another program's file, No") << true << false;
        QTest::newRow("another program's file, Yes") << true << true;
        QTest::newRow("a zero-length file") << false << true;
    }

    void anotherProgramsDatabase() {
        QFETCH(bool, foreign);
        QFETCH(bool, yes);
        const QString file = m_data->pigeonsDb();
        Write(file, {});
        if (foreign)
            QVERIFY(DbProbe::Exec(file, u"CREATE TABLE faktury(id INTEGER, kwota REAL);"_s));
        const QByteArray before = Read(file);
        if (foreign)
            MessageBox::SetNextAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
        QCOMPARE(Start(), 0);
        QCOMPARE(MessageBox::History().size(), foreign ? 1 : 0);
        if (foreign)
            QVERIFY(MessageBox::History()[0].contains(u"holds no register"_s));
        const QString tables = u"SELECT count(*) FROM sqlite_master WHERE type = 'table';"_s;
        QCOMPARE(DbProbe::Number(file, tables), yes ? 12 + qint64(foreign) : 1);
        if (!yes)
            QCOMPARE(Read(file), before);
    }

    // What a restore killed halfway left is dealt with before anything opens the data.
    void startFinishesAnInterruptedRestore_data() {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("loft");
        QTest::newRow("an older version's pigeons.db.part")
            << u"part"_s << u"the finished copy pigeons.db.part was put in its place"_s
            << u"Z kopii"_s;
        QTest::newRow("an older version's .part beside its file")
            << u"part beside"_s << u"the copy pigeons.db.part was removed and pigeons.db kept"_s
            << u"Przed kopią"_s;
        QTest::newRow("a copy stopped before its end")
            << u"unfinished"_s << u"Nothing had been replaced"_s << u"Przed kopią"_s;
    }

    void startFinishesAnInterruptedRestore() {
        QFETCH(QString, left);
        QFETCH(QString, said);
        QFETCH(QString, loft);
        ShellFixture::SeedLofts({{u"Przed kopią"_s, {}}});
        const QString staging = StagingFolder(InstallDir() + u"/db"_s);
        const QString copy = m_target->path() + u"/pigeons.db"_s;
        QVERIFY(QFile::copy(m_data->pigeonsDb(), copy));
        QVERIFY(DbProbe::Exec(copy, u"UPDATE hodowla SET nazwahodowli = 'Z kopii';"_s));
        if (left == u"part"_s)
            QVERIFY(QFile::remove(m_data->pigeonsDb()));
        if (left.startsWith(u"part"_s))
            QVERIFY(QFile::copy(copy, m_data->pigeonsDb() + u".part"_s));
        else
            QVERIFY(QDir().mkpath(staging) && QFile::copy(copy, staging + u"/pigeons.db"_s));
        QCOMPARE(Start(), 0);
        QCOMPARE(MessageBox::History().size(), 1);
        QVERIFY2(MessageBox::History()[0].contains(said), qPrintable(MessageBox::History()[0]));
        QCOMPARE(DbProbe::Text(m_data->pigeonsDb(), u"SELECT nazwahodowli FROM hodowla;"_s), loft);
        QVERIFY(!QFileInfo::exists(staging));
        QVERIFY(!QFileInfo::exists(m_data->pigeonsDb() + u".part"_s));
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
        QCOMPARE(performed, command < 0 ? QList<int>{} : QList<int>{command});
        QCOMPARE(guard.dialogsSeen(), 0);
    }

    // The help link opens the installed help; a help page the user changed is kept, and a
    // missing one says so.
    void startPageHelpLinkAndCalendar() {
        QVERIFY(InstallShippedFiles());
        Open();
        QString title;
        const auto help = ModalDriver::OnNextModal([&title](QDialog* dialog) {
            title = dialog->findChild<QTextBrowser*>()->documentTitle();
            dialog->reject();
        });
        QTest::mouseClick(m_dialog->Page(CMainDialog::TabStart), Qt::LeftButton, {},
                          QPoint(100, 400));
        QCOMPARE(help.DialogClass(), u"CPomoc"_s);
        QVERIFY(!title.isEmpty());
        // The calendar only where the page is wide enough; the page is 30 pixels narrower.
        auto* start = static_cast<CZakladkaStartowa*>(m_dialog->Page(CMainDialog::TabStart));
        m_dialog->resize(1200, 800);
        QVERIFY(!start->Calendar()->isVisible());
        m_dialog->resize(1400, 800);
        QVERIFY(start->width() >= 1281);
        QVERIFY(start->Calendar()->isVisible());

        const QString intro = InstallDir() + u"/html/help/intro.html"_s;
        QVERIFY(ReadTextFile(intro).contains(u"<html"_s, Qt::CaseInsensitive));
        QVERIFY(WriteTextFile(intro, u"<p>my own notes</p>"_s));
        QVERIFY(InstallShippedFiles());
        QCOMPARE(ReadTextFile(intro), QChar(0xFEFF) + u"<p>my own notes</p>"_s);
        CPomoc missing(InstallDir() + u"/html/help/missing.html"_s);
        QVERIFY(missing.Browser()->toPlainText().contains(u"not there"_s));
    }

    void iconsAreSharpAtTwiceTheScale() {
        for (const QIcon& icon :
             {Artwork::MenuIcon(7), Artwork::MenuIcon(15), Artwork::NoteIcon()}) {
            const QPixmap sharp = icon.pixmap(QSize(16, 16), 2.0);
            QCOMPARE(sharp.size(), QSize(32, 32));
            QCOMPARE(sharp.deviceIndependentSize(), QSizeF(16, 16));
            QCOMPARE(icon.pixmap(QSize(16, 16), 1.0).size(), QSize(16, 16));
        }
        QCOMPARE(Artwork::Banner().deviceIndependentSize(), QSizeF(900, 58));
    }

    // Under a dark palette every label reads on what is drawn behind it, every list cell on its
    // background and every painted text on what its painter fills behind it.
    void darkPaletteKeepsTextReadable_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("command");
        for (int tab = 0; tab < CMainDialog::TabCount; ++tab)
            QTest::addRow("tab %d", tab) << tab << 0;
        QTest::newRow("pigeon editor") << int(CMainDialog::TabPigeons) << int(CmdAddNewPigeon);
        QTest::newRow("pair editor") << int(CMainDialog::TabPairing) << int(CmdAddPair);
        QTest::newRow("race editor") << int(CMainDialog::TabRaces) << int(CmdAddRace);
        QTest::newRow("transaction editor")
            << int(CMainDialog::TabTransactions) << int(CmdAddTransaction);
        QTest::newRow("list export") << int(CMainDialog::TabPigeons) << int(CmdPrintCategory);
        QTest::newRow("best pigeons") << int(CMainDialog::TabRaces) << int(CmdBestPigeons);
        QTest::newRow("best pairs") << int(CMainDialog::TabPairing) << int(CmdBestPairs);
        QTest::newRow("help") << int(CMainDialog::TabStart) << int(CmdAllHelpTopics);
    }

    void darkPaletteKeepsTextReadable() {
        QFETCH(int, tab);
        QFETCH(int, command);
        const QPalette light = QApplication::palette();
        const QString style = QApplication::style()->name();
        std::vector<Contrast::InkUse> inks;
        const auto restore = qScopeGuard([&] {
            Contrast::LogInks(nullptr);
            m_dialog.reset();
            QApplication::setStyle(style);
            QApplication::setPalette(light);
        });
        QApplication::setStyle(u"Fusion"_s);
        QApplication::setPalette(ShellFixture::DarkPalette());
        const FamilyFixture::Family family = FamilyFixture::SeedFamily(false);
        BreedingFixture::SeedBreeding(family);
        QVERIFY(InstallShippedFiles());
        Contrast::LogInks(&inks);
        Open();
        m_dialog->SetActiveTab(tab);
        std::pair<QStringList, QStringList> faults;
        if (command) {
            const auto shown = ModalDriver::OnNextModal([&faults](QDialog* dialog) {
                faults = Unreadable(dialog);
                dialog->reject();
            });
            Trigger(command);
        } else {
            faults = Unreadable(m_dialog.get());
        }
        for (const Contrast::InkUse& use : inks)
            if (Contrast::Ratio(use.ink, use.background) < Contrast::kReadable)
                faults.first << u"painted %1 on %2"_s.arg(use.ink.name(), use.background.name());
        QVERIFY2(faults.first.isEmpty(), qPrintable(faults.first.join(u"; "_s)));
        QVERIFY(!inks.empty());
        QVERIFY2(faults.second.isEmpty(), qPrintable(faults.second.join(u"; "_s)));
    }

private:
    void Open() { m_dialog = ShellFixture::OpenMainDialog(*m_app); }

    // The main window over one loft, and its backup in m_backup; what it said is forgotten.
    void OpenAndBackUp() {
        ShellFixture::SeedLofts({{u"Przed kopią"_s, {}}});
        Open();
        QVERIFY(ModalDriver::ShowFocused(m_dialog.get()));
        FileDialog::SetNextName(m_target->path());
        Trigger(CmdCreateBackup);
        MessageBox::History().clear();
    }

    void Trigger(int id) { ShellFixture::MenuAction(*m_dialog, id)->trigger(); }

    // Both files change after the backup; the manager, closed at once, reloads every loft.
    void AddLoftAndReload(const QString& name) {
        ShellFixture::SeedLofts({{name, {}}});
        QVERIFY(DbProbe::Exec(m_data->extraDb(), u"INSERT INTO kolory(nazwa) VALUES ('x');"_s));
        const auto manager = ModalDriver::OnNextModal([](QDialog* d) { d->reject(); });
        ShellFixture::MenuAction(*m_dialog, CmdManageLofts)->trigger();
    }

    void AddPhotos(int count) {
        for (int i = 0; i < count; ++i)
            Write(InstallDir() + u"/db/images/%1.jpg"_s.arg(1000 + i), QByteArray(32768, char(i)));
    }

    // The program's start, as after a restart, on the test's data.
    int Start() {
        CLoftApp app;
        CLoftApp::Options options;
        options.splash = false;
        options.quitWhenShown = true;
        return app.Start(options);
    }

    QComboBox* LoftList() const { return m_dialog->findChild<QComboBox*>(u"loftList"_s); }

    QTemporaryDir m_runtime;
    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<AppData> m_app;
    std::unique_ptr<CMainDialog> m_dialog;
    std::unique_ptr<QTemporaryDir> m_target;
    QString m_backup;
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
