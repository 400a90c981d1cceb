// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ExternalPrograms.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace ExternalPrograms {

namespace {

Launcher& TestLauncher() {
    static Launcher launcher;
    return launcher;
}

} // namespace

void SetLauncherForTests(Launcher launcher) {
    TestLauncher() = std::move(launcher);
}

bool OpenUrl(const QUrl& url) {
    if (TestLauncher())
        return TestLauncher()(url.toString());
    return QDesktopServices::openUrl(url);
}

bool StartCalculator() {
    static const char16_t* const kCalculators[] = {
        u"gnome-calculator", u"kcalc",        u"galculator",  u"mate-calc",
        u"qalculate-gtk",    u"qalculate-qt", u"speedcrunch", u"xcalc"};
    for (const char16_t* name : kCalculators) {
        const QString program = QStandardPaths::findExecutable(QString::fromUtf16(name));
        if (program.isEmpty())
            continue;
        if (TestLauncher())
            return TestLauncher()(program);
        return QProcess::startDetached(program, {});
    }
    return false;
}

} // namespace ExternalPrograms
