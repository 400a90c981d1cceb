#include "app/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

QString SingleInstance::LockPath() const {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + u'/' + QString::fromUtf16(kId) + u".lock"_s;
}

QString SingleInstance::DataLockPath(const QString& dataFolder) {
    // Beside db/, not in it, so that a backup never carries the lock away and back.
    return QDir(dataFolder).filePath(u".vornel.lock"_s);
}

bool SingleInstance::Acquire(const QString& dataFolder) {
    m_lock = std::make_unique<QLockFile>(LockPath());
    if (!m_lock->tryLock(0)) {
        m_lock.reset();
        return false;
    }
    QDir().mkpath(dataFolder);
    m_dataLock = std::make_unique<QLockFile>(DataLockPath(dataFolder));
    if (m_dataLock->tryLock(0))
        return true;
    const bool held = m_dataLock->error() == QLockFile::LockFailedError;
    m_dataLock.reset();
    if (held)
        m_lock.reset();
    return !held;
}
