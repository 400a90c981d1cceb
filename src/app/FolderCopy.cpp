#include "app/FolderCopy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

FolderCopyResult CopyFolder(const QString& source, const QString& destination,
                            const AskOverwrite& ask, const CopyProgress& progress) {
    FolderCopyResult result;
    const QDir from(source);
    if (!from.exists()) {
        result.status = FolderCopyResult::Status::Failed;
        result.error = source;
        return result;
    }
    QStringList files;
    QDirIterator it(source, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(from.relativeFilePath(it.next()));
    std::sort(files.begin(), files.end());

    // Folders first, so that empty ones (no documents yet) are part of the copy too.
    QStringList folders{QString()};
    QDirIterator dirs(source, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                      QDirIterator::Subdirectories);
    while (dirs.hasNext())
        folders.append(from.relativeFilePath(dirs.next()));
    for (const QString& folder : folders) {
        if (!QDir().mkpath(QDir(destination).filePath(folder))) {
            result.status = FolderCopyResult::Status::Failed;
            result.error = QDir(destination).filePath(folder);
            return result;
        }
    }
    bool overwriteAll = false;
    for (int i = 0; i < files.size(); ++i) {
        const QString target = destination + u'/' + files[i];
        bool copy = true;
        if (QFileInfo::exists(target) && !overwriteAll) {
            switch (ask(target)) {
            case OverwriteAnswer::Yes:
                break;
            case OverwriteAnswer::YesToAll:
                overwriteAll = true;
                break;
            case OverwriteAnswer::No:
                copy = false;
                break;
            case OverwriteAnswer::Cancel:
                result.status = FolderCopyResult::Status::Cancelled;
                return result;
            }
        }
        if (copy) {
            QDir().mkpath(QFileInfo(target).absolutePath());
            // Copy beside the target first, so that a failed copy leaves the old file whole.
            const QString partial = target + u".part"_s;
            QFile::remove(partial);
            if (!QFile::copy(from.filePath(files[i]), partial) ||
                (QFileInfo::exists(target) && !QFile::remove(target)) ||
                !QFile::rename(partial, target)) {
                QFile::remove(partial);
                result.status = FolderCopyResult::Status::Failed;
                result.error = target;
                return result;
            }
            QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
            ++result.copied;
        } else {
            ++result.skipped;
        }
        if (progress && !progress(i + 1, static_cast<int>(files.size()))) {
            result.status = FolderCopyResult::Status::Cancelled;
            return result;
        }
    }
    return result;
}
