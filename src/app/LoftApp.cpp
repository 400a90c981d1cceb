// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LoftApp.h"

#include "app/BackupChecks.h"
#include "app/CommandLine.h"
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

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QString kProgram = u"vornel"_s;

QString Version() {
    return QString::fromLatin1(VORNEL_VERSION);
}

// Every option the program reads; Qt's own (-platform, -style...) are taken by QApplication.
struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{{u"h"_s, u"help"_s}};
    QCommandLineOption version{{u"v"_s, u"version"_s}};
    QCommandLineOption noSplash{u"nosplash"_s};
    QCommandLineOption dataDir{u"data-dir"_s, {}, u"DIR"_s};
    QCommandLineOption quitWhenShown{u"quit-when-shown"_s}; // timing and smoke runs

    explicit Parser(const QStringList& arguments) {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({help, version, noSplash, dataDir, quitWhenShown});
        parser.parse(arguments);
    }
};

void Print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

void CLoftApp::SetIdentity() {
    QCoreApplication::setOrganizationName(u"Vornel"_s);
    QCoreApplication::setApplicationName(u"Vornel"_s); // also the window class X11 sees
    QCoreApplication::setApplicationVersion(Version());
    QGuiApplication::setDesktopFileName(QString::fromLatin1(VORNEL_APP_ID));
    // No display name: it would append " — Vornel" to every window title.
}

QString CLoftApp::CopyrightNotice() {
    return u"Copyright (C) 2026 the Vornel authors.\n"
           u"License GPL-3.0-or-later: GNU GPL version 3 or later "
           u"<https://gnu.org/licenses/gpl.html>.\n"
           u"This is free software: you are free to change and redistribute it.\n"
           u"There is NO WARRANTY, to the extent permitted by law.\n"_s;
}

QStringList CLoftApp::Arguments(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

bool CLoftApp::AnswerInformationOptions(const QStringList& arguments) {
    const Parser p(arguments);
    if (p.parser.isSet(p.help)) {
        Print(stdout,
              u"Usage: %1 [OPTION]...\n"
              u"Keep a loft register for pigeon fanciers: birds, pairs, races, sales and "
              u"pedigrees.\n\n"
              u"      --data-dir=DIR   keep the databases, photos and notes in DIR\n"
              u"      --nosplash       start without the splash picture\n"
              u"  -h, --help           display this help and exit\n"
              u"  -v, --version        output version information and exit\n\n"
              u"Without --data-dir the data folder is $VORNEL_HOME, else the InstallPath "
              u"setting\nof ~/.config/Vornel/Vornel.conf, else ~/.local/share/Vornel/Vornel.\n"
              u"Full documentation: man %1\n\n"
              u"Commands for scripts (no display needed):\n"_s.arg(kProgram) +
                  CommandUsage());
        return true;
    }
    if (p.parser.isSet(p.version)) {
        Print(stdout, u"%1 %2\n"_s.arg(kProgram, Version()) + CopyrightNotice());
        return true;
    }
    return false;
}

std::optional<CLoftApp::Options> CLoftApp::ParseCommandLine(const QStringList& arguments) {
    const Parser p(arguments);
    if (!p.parser.errorText().isEmpty()) {
        Print(stderr, u"%1: %2\nTry '%1 --help' for more information.\n"_s.arg(
                          kProgram, p.parser.errorText()));
        return std::nullopt;
    }
    Options options;
    options.splash = !p.parser.isSet(p.noSplash);
    options.dataDir = p.parser.value(p.dataDir);
    options.quitWhenShown = p.parser.isSet(p.quitWhenShown);
    return options;
}

int CLoftApp::Run(QApplication& app) {
    const std::optional<Options> options = ParseCommandLine(app.arguments());
    if (!options)
        return 1;
    return Start(*options);
}

int CLoftApp::Start(const Options& options) {
    if (!options.dataDir.isEmpty())
        SetInstallDirOverride(options.dataDir);

    SingleInstance guard;
    switch (guard.Acquire(InstallDir())) {
    case SingleInstance::Outcome::Acquired:
        break;
    case SingleInstance::Outcome::ReadOnly:
        // Said once at the start rather than learnt at the first change that fails.
        MessageBox::ShowMessage(
            nullptr,
            u"The data folder\n%1\ncannot be written. You can look at your records, but nothing "
            u"you change can be saved until the folder is writable."_s.arg(
                QDir::toNativeSeparators(InstallDir())),
            u"Read-only data"_s, QMessageBox::Warning);
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
    QApplication::setWindowIcon(Artwork::AppIcon());

    std::unique_ptr<QSplashScreen> splash;
    if (options.splash) {
        splash = std::make_unique<QSplashScreen>(Artwork::Splash());
        splash->show();
        QTimer::singleShot(1000, splash.get(), &QWidget::close);
    }

    AppData data;
    CMainDialog dialog(data);
    dialog.Initialise();
    dialog.ShowAsLastLeft();
    if (options.quitWhenShown)
        QTimer::singleShot(0, &dialog, &QDialog::accept);
    dialog.exec();
    return 0;
}
