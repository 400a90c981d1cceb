// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Only one copy of the program may work on the data at a time. Two lock files guard it: one in
// the user's runtime folder, named after the program's fixed identifier, and one in the data
// folder's db/, where the data is written, so that copies started with different runtime
// folders (other users, other sessions) on the same data refuse each other too. The lock of a
// copy that died, and an empty or damaged lock that no process holds, is taken over at once.
class SingleInstance {
public:
    static constexpr char16_t kId[] = u"7E1B9C40-5D2A-4F83-B6E1-0A93D4C2F517";
    static constexpr char16_t kDataLockName[] = u".vornel.lock";

    enum class Outcome {
        Acquired,  // the locks are held until destruction
        ReadOnly,  // no lock can be made, and nothing in the data folder can be written either
        Running,   // another copy runs here or on this data folder
        Unlockable // no lock can be made in a data folder that could be written to
    };
    Outcome Acquire(const QString& dataFolder);
    QString LockPath() const;
    static QString DataLockPath(const QString& dataFolder);

private:
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLockFile> m_dataLock;
};
