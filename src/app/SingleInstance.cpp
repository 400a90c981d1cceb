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

bool SingleInstance::Acquire() {
    m_lock = std::make_unique<QLockFile>(LockPath());
    if (m_lock->tryLock(0))
        return true;
    m_lock.reset();
    return false;
}
