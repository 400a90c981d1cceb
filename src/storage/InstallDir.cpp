// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/InstallDir.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

QString& Override() {
    static QString dir;
    return dir;
}

// An absolute, clean path, or nothing when the candidate is empty or the root.
QString Usable(const QString& candidate) {
    if (candidate.trimmed().isEmpty())
        return {};
    const QString path = QDir::cleanPath(QDir(candidate).absolutePath());
    if (QDir(path).isRoot())
        return {};
    return path;
}

QString EnsureFolder(const QString& relative) {
    const QString folder = InstallDir() + relative;
    QDir().mkpath(folder);
    return folder;
}

} // namespace

void SetInstallDirOverride(const QString& dir) {
    Override() = dir;
}

QString InstallDir() {
    if (QString dir = Usable(Override()); !dir.isEmpty())
        return dir;
    if (QString dir = Usable(qEnvironmentVariable("VORNEL_HOME")); !dir.isEmpty())
        return dir;
    {
        const QSettings settings(u"Vornel"_s, u"Vornel"_s);
        if (QString dir = Usable(settings.value(u"InstallPath"_s).toString()); !dir.isEmpty())
            return dir;
    }
    if (QString dir = Usable(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        !dir.isEmpty())
        return dir;
    // No home folder known: a folder of our own under the temporary folder still beats the root.
    return QDir::cleanPath(QDir::tempPath() + u"/vornel"_s);
}

QString EscapedInstallDir() {
    return InstallDir() + u'/';
}

bool PrepareInstallDir() {
    const QString root = InstallDir();
    bool ok = true;
    for (const QString& sub : {u"/db"_s, u"/db/images"_s, u"/db/documents"_s, u"/db/notes"_s})
        ok = QDir().mkpath(root + sub) && ok;
    return ok;
}

QString PigeonsDbPath() {
    return EnsureFolder(u"/db"_s) + u"/pigeons.db"_s;
}

QString ExtraDbPath() {
    return EnsureFolder(u"/db"_s) + u"/dodatkowe_informacje.db"_s;
}
