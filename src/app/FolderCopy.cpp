// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FolderCopy.h"

#include "app/SingleInstance.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Written into the staging folder once every file is copied and checked: from then on the copy
// is finished, not thrown away, when the program was killed.
const QString kCompleteMarker = u".vornel-copy-complete"_s;
// Where the files being replaced are kept until the copy is in place, so that it can be undone.
const QString kReplacedFolder = u".vornel-replaced"_s;

std::filesystem::path FsPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// rename(2): the target is replaced in one step, so it exists at every moment.
bool RenameOver(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(FsPath(from), FsPath(to), error);
    return !error;
}

bool KeepAside(const QString& file, const QString& aside) {
    if (!QDir().mkpath(QFileInfo(aside).absolutePath()))
        return false;
    std::error_code error;
    std::filesystem::create_hard_link(FsPath(file), FsPath(aside), error);
    return !error || QFile::copy(file, aside); // no hard links on FAT media
}

// The running copy's lock is neither backed up nor restored over.
bool Reserved(const QString& relative) {
    return relative == kCompleteMarker || relative == kReplacedFolder ||
           relative == QString::fromUtf16(SingleInstance::kDataLockName) ||
           relative.startsWith(kReplacedFolder + u'/');
}

QStringList Entries(const QString& root, QDir::Filters kind) {
    const QDir from(root);
    QStringList entries;
    QDirIterator it(root, kind | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = from.relativeFilePath(it.next());
        if (!Reserved(relative))
            entries.append(relative);
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

// Moves every copied file over its target. On a failure the files already moved are put back
// from the kept originals.
FolderCopyResult PutInPlace(const QString& staging, const CopyPlan& plan,
                            const CopyProgress& progress) {
    FolderCopyResult result;
    const QDir from(staging);
    const QDir to(plan.destination);
    for (const QString& folder : plan.folders) {
        if (!QDir().mkpath(to.filePath(folder))) {
            result.status = FolderCopyResult::Status::Failed;
            result.error = to.filePath(folder);
            return result;
        }
    }
    struct Moved {
        QString file;
        bool replaced;
    };
    std::vector<Moved> moved;
    for (const QString& file : plan.files) {
        const QString target = to.filePath(file);
        const bool replaced = QFileInfo::exists(target);
        const bool ok =
            QDir().mkpath(QFileInfo(target).absolutePath()) &&
            (!replaced || KeepAside(target, from.filePath(kReplacedFolder + u'/' + file))) &&
            RenameOver(from.filePath(file), target);
        if (ok) {
            moved.push_back({file, replaced});
            if (progress)
                progress(static_cast<int>(plan.files.size() + moved.size()),
                         static_cast<int>(2 * plan.files.size()));
            continue;
        }
        result.status = FolderCopyResult::Status::Failed;
        result.error = target;
        for (auto it = moved.rbegin(); it != moved.rend(); ++it) {
            const QString undone = to.filePath(it->file);
            const bool back =
                it->replaced ? RenameOver(from.filePath(kReplacedFolder + u'/' + it->file), undone)
                             : QFile::remove(undone);
            result.mixed = result.mixed || !back;
        }
        return result;
    }
    result.copied = static_cast<int>(moved.size());
    return result;
}

} // namespace

QString StagingFolder(const QString& destination) {
    return QDir::cleanPath(destination) + u".part"_s;
}

CopyPlan PlanFolderCopy(const QString& source, const QString& destination) {
    CopyPlan plan;
    plan.source = source;
    plan.destination = destination;
    if (!QFileInfo(source).isDir())
        return plan;
    plan.folders = Entries(source, QDir::Dirs);
    plan.files = Entries(source, QDir::Files);
    return plan;
}

bool AskBeforeReplacing(CopyPlan& plan, const QStringList& together, const AskOverwrite& ask) {
    const QDir to(plan.destination);
    const auto exists = [&to](const QString& file) {
        return QFileInfo::exists(to.filePath(file));
    };
    QList<QStringList> questions;
    QStringList group;
    for (const QString& file : together)
        if (plan.files.contains(file) && exists(file))
            group.append(file);
    if (!group.isEmpty())
        questions.append(group);
    for (const QString& file : plan.files)
        if (!group.contains(file) && exists(file))
            questions.append(QStringList{file});

    for (const QStringList& question : questions) {
        QStringList targets;
        for (const QString& file : question)
            targets.append(to.filePath(file));
        switch (ask(targets)) {
        case OverwriteAnswer::Yes:
            break;
        case OverwriteAnswer::YesToAll:
            return true;
        case OverwriteAnswer::No:
            for (const QString& file : question) {
                plan.files.removeAll(file);
                plan.kept.append(file);
            }
            break;
        case OverwriteAnswer::Cancel:
            return false;
        }
    }
    return true;
}

FolderCopyResult CopyFolder(const CopyPlan& plan, const CopyProgress& progress,
                            const CopyCheck& check) {
    FolderCopyResult result;
    const auto fail = [&result](FolderCopyResult::Status status, const QString& error) {
        result.status = status;
        result.error = error;
        return result;
    };
    if (!QFileInfo(plan.source).isDir())
        return fail(FolderCopyResult::Status::Failed, plan.source);

    const QString staging = StagingFolder(plan.destination);
    QDir(staging).removeRecursively(); // what an earlier copy left was dealt with at start
    const auto discard = qScopeGuard([&staging] { QDir(staging).removeRecursively(); });
    const QDir from(plan.source);
    const QDir to(staging);
    for (const QString& folder : QStringList{QString()} + plan.folders)
        if (!QDir().mkpath(to.filePath(folder)))
            return fail(FolderCopyResult::Status::Failed, to.filePath(folder));
    for (int i = 0; i < plan.files.size(); ++i) {
        const QString copy = to.filePath(plan.files[i]);
        // The staging folder is fresh, so the copy need not go through a temporary file of its
        // own as QFile::copy does; the kernel copies (several times faster on many small files).
        std::error_code error;
        std::filesystem::copy_file(FsPath(from.filePath(plan.files[i])), FsPath(copy), error);
        if (error) {
            // The file that could not be read, or else the one that could not be written.
            const QString source = from.filePath(plan.files[i]);
            fail(FolderCopyResult::Status::Failed,
                 QFileInfo(source).isReadable() ? QDir(plan.destination).filePath(plan.files[i])
                                                : source);
            result.reason = QString::fromLocal8Bit(error.message());
            return result;
        }
        // A backup burnt on a CD comes back read-only.
        std::filesystem::permissions(FsPath(copy), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, error);
        if (progress && !progress(i + 1, static_cast<int>(2 * plan.files.size())))
            return fail(FolderCopyResult::Status::Cancelled, {});
    }
    if (check)
        if (const QString refusal = check(staging); !refusal.isEmpty())
            return fail(FolderCopyResult::Status::Refused, refusal);
    if (QFile marker(to.filePath(kCompleteMarker)); !marker.open(QIODevice::WriteOnly))
        return fail(FolderCopyResult::Status::Failed, marker.fileName());
    return PutInPlace(staging, plan, progress);
}

InterruptedCopy FinishInterruptedCopy(const QString& destination) {
    InterruptedCopy result;
    const QString staging = StagingFolder(destination);
    if (!QFileInfo(staging).isDir())
        return result;
    const QDir from(staging);
    if (!from.exists(kCompleteMarker)) {
        result.kind = InterruptedCopy::Kind::Discarded;
        if (!QDir(staging).removeRecursively())
            result.error = staging;
        return result;
    }
    const QDir to(destination);
    result.kind = InterruptedCopy::Kind::Completed;
    for (const QString& folder : QStringList{QString()} + Entries(staging, QDir::Dirs)) {
        if (!QDir().mkpath(to.filePath(folder))) {
            result.kind = InterruptedCopy::Kind::Stuck;
            result.error = to.filePath(folder);
            return result;
        }
    }
    for (const QString& file : Entries(staging, QDir::Files)) {
        if (!RenameOver(from.filePath(file), to.filePath(file))) {
            result.kind = InterruptedCopy::Kind::Stuck;
            result.error = to.filePath(file);
            return result;
        }
    }
    QDir(staging).removeRecursively();
    return result;
}
