#include "app/CommandLine.h"
#include "app/LoftApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    // Commands for scripts run without a display.
    if (IsCommand(argc, argv)) {
        QCoreApplication app(argc, argv);
        CLoftApp::SetIdentity();
        return RunCommand(app.arguments());
    }
    QApplication app(argc, argv);
    CLoftApp::SetIdentity();
    CLoftApp loftApp;
    return loftApp.Run(app);
}
