#include "support/TestDataDir.h"

#include "storage/InstallDir.h"

#include <QDir>
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
        // Root writes whatever the permissions say; nobody does not. The folders down to the
        // files must let nobody in to read.
        for (const QString& path : paths) {
            for (QDir dir = QFileInfo(path).dir(); !dir.isRoot(); dir.cdUp()) {
                const QString folder = dir.absolutePath();
                if (folder == QDir::tempPath())
                    break;
                QFile::setPermissions(folder, QFile::permissions(folder) | QFileDevice::ReadOther |
                                                  QFileDevice::ExeOther);
            }
        }
        m_switchedUser = seteuid(kNobody) == 0;
    }
    m_readOnly = std::none_of(paths.begin(), paths.end(), Writable);
}

ReadOnlyFiles::~ReadOnlyFiles() {
    if (m_switchedUser && seteuid(0) != 0)
        qFatal("Could not return to the test's own user");
    for (qsizetype i = 0; i < m_paths.size(); ++i)
        QFile::setPermissions(m_paths[i], m_permissions[i]);
}
