#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Only one copy of the program may work on the data at a time. The guard is a lock file in the
// user's runtime folder, named after the program's fixed identifier; the lock of a copy that
// died is taken over.
class SingleInstance {
public:
    static constexpr char16_t kId[] = u"7E1B9C40-5D2A-4F83-B6E1-0A93D4C2F517";

    /// True when this is the only running copy; the lock is held until destruction.
    bool Acquire();
    QString LockPath() const;

private:
    std::unique_ptr<QLockFile> m_lock;
};
