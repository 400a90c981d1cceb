#include "support/TestDataDir.h"

#include "storage/InstallDir.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

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
    QFile file(path);
    return file.open(QIODevice::ReadWrite);
}

bool RunChattr(const char* flag, const QString& path) {
    QProcess chattr;
    chattr.start(QStringLiteral("chattr"), {QString::fromLatin1(flag), path});
    return chattr.waitForFinished(5000) && chattr.exitStatus() == QProcess::NormalExit &&
           chattr.exitCode() == 0;
}

} // namespace

ReadOnlyFile::ReadOnlyFile(const QString& path)
    : m_path(path) {
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    if (Writable(path))
        m_immutable = RunChattr("+i", path);
    m_readOnly = !Writable(path);
}

ReadOnlyFile::~ReadOnlyFile() {
    if (m_immutable)
        RunChattr("-i", m_path);
    QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ReadGroup);
}
