#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Only one copy of the program may work on the data at a time. Two lock files guard it: one in
// the user's runtime folder, named after the program's fixed identifier, and one in the data
// folder, so that copies started with different runtime folders (other users, other sessions)
// on the same data refuse each other too. The lock of a copy that died is taken over.
class SingleInstance {
public:
    static constexpr char16_t kId[] = u"7E1B9C40-5D2A-4F83-B6E1-0A93D4C2F517";

    /// True when no other copy runs here nor on this data folder; the locks are held until
    /// destruction. A data folder where no lock file can be made (read-only) is not refused.
    bool Acquire(const QString& dataFolder);
    QString LockPath() const;
    static QString DataLockPath(const QString& dataFolder);

private:
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLockFile> m_dataLock;
};
