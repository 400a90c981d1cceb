#pragma once

#include <QString>

#include <functional>

// Copies a folder tree file by file, asking before it overwrites and reporting progress, for
// backups of the data folder.
enum class OverwriteAnswer { Yes, YesToAll, No, Cancel };

struct FolderCopyResult {
    enum class Status { Done, Cancelled, Failed };
    Status status = Status::Done;
    int copied = 0;
    int skipped = 0;
    QString error; // the file that failed, for the message
};

using AskOverwrite = std::function<OverwriteAnswer(const QString& destinationFile)>;
/// Told after each file; false cancels the rest.
using CopyProgress = std::function<bool(int done, int total)>;

/// Copies every file under source into destination (made when missing), keeping sub-folders.
FolderCopyResult CopyFolder(const QString& source, const QString& destination,
                            const AskOverwrite& ask, const CopyProgress& progress = {});
