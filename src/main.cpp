#include "app/LoftApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    CLoftApp::SetIdentity();
    CLoftApp loftApp;
    return loftApp.Run(app);
}
