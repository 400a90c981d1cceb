#include "app/LoftApp.h"

#include "app/CommandLine.h"

#include "app/BackupChecks.h"
#include "app/MainDialog.h"
#include "app/MainMenu.h"
#include "app/ShippedFiles.h"
#include "app/SingleInstance.h"
#include "storage/AppData.h"
#include "storage/InstallDir.h"
#include "storage/Schema.h"
#include "ui/Artwork.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QSplashScreen>
#include <QTimer>

using namespace Qt::StringLiterals;

void CLoftApp::SetIdentity() {
    QCoreApplication::setOrganizationName(u"Vornel"_s);
    QCoreApplication::setApplicationName(u"Vornel"_s);
    QCoreApplication::setApplicationVersion(u"0.1.0"_s);
    // No display name: it would append " — Vornel" to every window title.
}

std::optional<CLoftApp::Options> CLoftApp::ParseCommandLine(QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Vornel, the loft register for pigeon fanciers.\n\n"
                                     u"Commands for scripts (no display needed):\n"_s +
                                     CommandUsage());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption noSplash(u"nosplash"_s, u"Start without the splash picture."_s);
    const QCommandLineOption dataDir(u"data-dir"_s,
                                     u"Keep the databases, photos and notes in <dir>."_s, u"dir"_s);
    QCommandLineOption quitWhenShown(u"quit-when-shown"_s,
                                     u"End as soon as the main window is shown (timing runs)."_s);
    quitWhenShown.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(noSplash);
    parser.addOption(dataDir);
    parser.addOption(quitWhenShown);
    parser.process(app); // --help, --version and unknown options end the process here
    Options options;
    options.splash = !parser.isSet(noSplash);
    options.dataDir = parser.value(dataDir);
    options.quitWhenShown = parser.isSet(quitWhenShown);
    return options;
}

int CLoftApp::Run(QApplication& app) {
    const std::optional<Options> options = ParseCommandLine(app);
    if (!options)
        return 0;
    return Start(*options);
}

int CLoftApp::Start(const Options& options) {
    if (!options.dataDir.isEmpty())
        SetInstallDirOverride(options.dataDir);

    SingleInstance guard;
    switch (guard.Acquire(InstallDir())) {
    case SingleInstance::Outcome::Acquired:
    case SingleInstance::Outcome::ReadOnly: // every write fails and is reported as such
        break;
    case SingleInstance::Outcome::Running:
        MessageBox::ShowMessage(nullptr, u"Nie można uruchomić jednocześnie dwóch kopii programu"_s,
                                u"Błąd uruchomienia"_s);
        return 0;
    case SingleInstance::Outcome::Unlockable:
        MessageBox::ShowMessage(
            nullptr,
            u"The lock file\n%1\ncannot be made, so another copy of the program on the same data "
            u"could write over this one's changes. The program ends. Make the folder writable (or "
            u"free some space on its disk) and start the program again."_s.arg(
                QDir::toNativeSeparators(SingleInstance::DataLockPath(InstallDir()))),
            u"Błąd uruchomienia"_s, QMessageBox::Warning);
        return 1;
    }

    // Before anything opens a database file: a restore that was killed is finished or undone.
    if (const auto recovery = BackupChecks::FinishInterruptedRestore(InstallDir() + u"/db"_s);
        !recovery.message.isEmpty()) {
        MessageBox::ShowMessage(nullptr, recovery.message, {}, QMessageBox::Warning);
        if (recovery.stop)
            return 1;
    }
    // Another program's database is not made a register unasked.
    for (const auto& [path, pigeons] : {std::pair{PigeonsDbPath(), true}, {ExtraDbPath(), false}}) {
        if (HoldsOnlyOtherTables(path, pigeons) &&
            !MessageBox::AskYesNo(
                nullptr,
                u"The file\n%1\nholds no register: it is a database of another program, with "
                u"tables of its own. Add the program's tables to it and keep the register there?"
                u"\n\nNo ends the program and leaves the file as it is."_s.arg(
                    QDir::toNativeSeparators(path)),
                u"Vornel"_s, QMessageBox::Warning))
            return 0;
    }
    PrepareInstallDir();
    InstallShippedFiles();
    QApplication::setStyle(new MenuGradientStyle);

    std::unique_ptr<QSplashScreen> splash;
    if (options.splash) {
        splash = std::make_unique<QSplashScreen>(Artwork::Splash());
        splash->show();
        QTimer::singleShot(1000, splash.get(), &QWidget::close);
    }

    AppData data;
    CMainDialog dialog(data);
    dialog.Initialise();
    dialog.showMaximized();
    if (options.quitWhenShown)
        QTimer::singleShot(0, &dialog, &QDialog::accept);
    dialog.exec();
    return 0;
}
