// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestDataDir.h"

#include "storage/InstallDir.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

#include <algorithm>

TestDataDir::TestDataDir()
    : m_previousHome(qgetenv("VORNEL_HOME")) {
    // Should a test ever fall through to the per-user folder, it lands in Qt's test location.
    QStandardPaths::setTestModeEnabled(true);
    SetInstallDirOverride({});
    qputenv("VORNEL_HOME", m_dir.path().toLocal8Bit());
}

TestDataDir::~TestDataDir() {
    // A newer fixture may already have taken over; leave its folder in place.
    if (qgetenv("VORNEL_HOME") != m_dir.path().toLocal8Bit())
        return;
    if (m_previousHome.isEmpty())
        qunsetenv("VORNEL_HOME");
    else
        qputenv("VORNEL_HOME", m_previousHome);
}

QString TestDataDir::makeFile(const QString& name, const QByteArray& content) const {
    const QString file = path() + QLatin1Char('/') + name;
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write(content);
    return file;
}

namespace {

bool Writable(const QString& path) {
    if (QFileInfo(path).isDir()) {
        QFile probe(path + QStringLiteral("/.probe"));
        const bool created = probe.open(QIODevice::WriteOnly);
        probe.remove();
        return created;
    }
    QFile file(path);
    return file.open(QIODevice::ReadWrite);
}

constexpr uid_t kNobody = 65534;

// Gives a folder and everything in it to a user (a symbolic link itself, not its target).
void SetOwner(const QString& folder, uid_t user) {
    if (lchown(QFile::encodeName(folder).constData(), user, gid_t(-1)) != 0)
        return;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        if (lchown(QFile::encodeName(it.next()).constData(), user, gid_t(-1)) != 0)
            qWarning("Could not hand %s to another user", qPrintable(it.filePath()));
}

} // namespace

ReadOnlyFiles::ReadOnlyFiles(const QStringList& paths)
    : m_paths(paths) {
    for (const QString& path : paths) {
        m_permissions.append(QFile::permissions(path));
        // A folder keeps the right to be entered, so that its files can still be read.
        const QFileDevice::Permissions enter =
            QFileInfo(path).isDir()
                ? QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther
                : QFileDevice::Permissions();
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                        QFileDevice::ReadOther | enter);
    }
    if (geteuid() == 0) {
        // Root writes whatever the permissions say; nobody does not. The data folder is handed
        // to nobody for the while, so that everything but these files stays writable.
        m_owned = QString::fromLocal8Bit(qgetenv("VORNEL_HOME"));
        SetOwner(m_owned, kNobody);
        // Real and effective user both, as access() checks the real one; the saved user stays
        // root, so that the guard can return.
        m_switchedUser = setresuid(kNobody, kNobody, 0) == 0;
    }
    m_readOnly = std::none_of(paths.begin(), paths.end(), Writable);
}

ReadOnlyFiles::~ReadOnlyFiles() {
    if (m_switchedUser && setresuid(0, 0, 0) != 0)
        qFatal("Could not return to the test's own user");
    if (!m_owned.isEmpty())
        SetOwner(m_owned, 0);
    for (qsizetype i = 0; i < m_paths.size(); ++i)
        QFile::setPermissions(m_paths[i], m_permissions[i]);
}
