// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

bool NamesACopy(const QString& path) {
    qint64 pid = 0;
    QString host;
    QString application;
    return QLockFile(path).getLockInfo(&pid, &host, &application);
}

// QLockFile waits 30 s before it takes over a lock file that names no copy (empty or damaged).
// A copy holds a lock on its file (flock) for as long as it runs, so a file nobody holds is
// left over and removed at once.
void RemoveDamagedLock(const QString& path) {
    if (!QFileInfo::exists(path) || NamesACopy(path))
        return;
    const QByteArray name = QFile::encodeName(path);
    const int fd = open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    // Looked at again once held: a copy that has just made the file has written it by now.
    if (flock(fd, LOCK_EX | LOCK_NB) == 0 && !NamesACopy(path))
        unlink(name.constData());
    close(fd);
}

bool AnyWritable(const QString& dataFolder) {
    const QDir root(dataFolder);
    for (const QString& folder :
         {u"."_s, u"db"_s, u"db/images"_s, u"db/documents"_s, u"db/notes"_s})
        if (const QFileInfo info(root.filePath(folder)); info.isDir() && info.isWritable())
            return true;
    return false;
}

} // namespace

QString SingleInstance::LockPath() const {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + u'/' + QString::fromUtf16(kId) + u".lock"_s;
}

QString SingleInstance::DataLockPath(const QString& dataFolder) {
    // In db/, where the data is written; backups and restores leave it out.
    return QDir(dataFolder).filePath(u"db/"_s + QString::fromUtf16(kDataLockName));
}

SingleInstance::Outcome SingleInstance::Acquire(const QString& dataFolder) {
    // A runtime folder that takes no file leaves the guard to the data folder's lock.
    m_lock = std::make_unique<QLockFile>(LockPath());
    if (!m_lock->tryLock(0)) {
        const bool held = m_lock->error() == QLockFile::LockFailedError;
        m_lock.reset();
        if (held)
            return Outcome::Running;
    }
    QDir().mkpath(QDir(dataFolder).filePath(u"db"_s));
    const QString path = DataLockPath(dataFolder);
    RemoveDamagedLock(path);
    m_dataLock = std::make_unique<QLockFile>(path);
    if (m_dataLock->tryLock(0))
        return Outcome::Acquired;
    const QLockFile::LockError error = m_dataLock->error();
    m_dataLock.reset();
    if (error != QLockFile::LockFailedError && !AnyWritable(dataFolder))
        return Outcome::ReadOnly;
    m_lock.reset();
    return error == QLockFile::LockFailedError ? Outcome::Running : Outcome::Unlockable;
}
