// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/LoftApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    CLoftApp::SetIdentity();
    // Commands for scripts run without a display.
    if (IsCommand(argc, argv)) {
        QCoreApplication app(argc, argv);
        return RunCommand(app.arguments());
    }
    // Before QApplication, which needs a display.
    if (CLoftApp::AnswerInformationOptions(CLoftApp::Arguments(argc, argv)))
        return 0;
    QApplication app(argc, argv);
    CLoftApp loftApp;
    return loftApp.Run(app);
}
