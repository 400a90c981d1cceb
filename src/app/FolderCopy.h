// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Copies a folder tree into another as one change, for backups of the data folder and their
// restores. Every question is asked before anything is copied; the files are then copied into a
// folder beside the destination and, once every one is there (and looked at), put in place,
// each by one atomic rename. A cancelled or failed copy leaves the destination as it was.
enum class OverwriteAnswer { Yes, YesToAll, No, Cancel };

// What a copy will do, worked out before anything is copied. Paths are relative.
struct CopyPlan {
    QString source;
    QString destination;
    QStringList folders; // every sub-folder, so that empty ones are copied too
    QStringList files;   // the files to copy, in order
    QStringList kept;    // files the user chose to keep as they are at the destination
};

struct FolderCopyResult {
    enum class Status { Done, Cancelled, Failed, Refused };
    Status status = Status::Done;
    int copied = 0;     // files put in place
    QString error;      // the file that failed, or why the copy was refused
    QString reason;     // the system's word on a file that failed ("No space left on device")
    bool mixed = false; // a failure that could not be undone: the destination is part old, part new
};

/// The files and folders under source; nothing when source is not a folder.
CopyPlan PlanFolderCopy(const QString& source, const QString& destination);

/// One question about the destination files that would be replaced.
using AskOverwrite = std::function<OverwriteAnswer(const QStringList& destinationFiles)>;
/// Asks before replacing each file that exists at the destination; the files named in together
/// are asked about in one question, so that they are replaced or kept as one. The files the
/// user keeps move from files to kept. False when the user cancels.
bool AskBeforeReplacing(CopyPlan& plan, const QStringList& together, const AskOverwrite& ask);

/// Told after each file copied (done 1 to n of total 2n) and after each file put in place (n + 1
/// to 2n); false cancels the copy while files are still being copied.
using CopyProgress = std::function<bool(int done, int total)>;
/// Looks at the copied files (in the given folder) before any is put in place; a text refuses
/// the copy and says why.
using CopyCheck = std::function<QString(const QString& copiedFolder)>;

/// Copies the plan's files and puts them in place as one change.
FolderCopyResult CopyFolder(const CopyPlan& plan, const CopyProgress& progress = {},
                            const CopyCheck& check = {});

/// The folder beside destination in which a copy is put together.
QString StagingFolder(const QString& destination);

struct InterruptedCopy {
    enum class Kind {
        None,      // nothing was left
        Completed, // every file had been copied: they are now in place
        Discarded, // the copy had not finished: it is removed, the destination was not touched
        Stuck      // the files could not be put in place; they wait in the staging folder
    };
    Kind kind = Kind::None;
    QString error;
};
/// Finishes what a copy into destination that was killed left behind.
InterruptedCopy FinishInterruptedCopy(const QString& destination);
