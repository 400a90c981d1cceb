// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Backup.h"

#include "app/BackupChecks.h"
#include "app/FolderCopy.h"
#include "storage/InstallDir.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProgressDialog>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace Backup {

namespace {

int& ProgressDelay() {
    static int delay = 500;
    return delay;
}

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString Reason(const FolderCopyResult& result) {
    return result.reason.isEmpty() ? QString() : u"(%1)\n"_s.arg(result.reason);
}

// The two database files are asked about in one question: a backup or a restore never holds
// them from two different times.
OverwriteAnswer AskReplace(QWidget* parent, const QStringList& files) {
    QStringList shown;
    for (const QString& file : files)
        shown.append(Native(file));
    const QString text =
        files.size() == 1
            ? u"The file\n%1\nexists already. Do you want to replace it?"_s.arg(shown[0])
            : u"The database files\n%1\nexist already. They are replaced or kept together. Do "
              u"you want to replace them?"_s.arg(shown.join(u'\n'));
    switch (MessageBox::AskOverwrite(parent, text)) {
    case QMessageBox::Yes:
        return OverwriteAnswer::Yes;
    case QMessageBox::YesToAll:
        return OverwriteAnswer::YesToAll;
    case QMessageBox::No:
        return OverwriteAnswer::No;
    default:
        return OverwriteAnswer::Cancel;
    }
}

// Every question has been asked before the copy starts, so the progress window, which comes
// up after a short delay, never stands over a question.
FolderCopyResult RunCopy(QWidget* parent, const CopyPlan& plan, const QString& label,
                         const CopyCheck& check) {
    QProgressDialog progress(label, u"Cancel"_s, 0, static_cast<int>(plan.files.size()), parent);
    progress.setObjectName(u"copyProgress"_s);
    progress.setWindowTitle(QCoreApplication::applicationName());
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumDuration(ProgressDelay());
    progress.setValue(0);
    const auto say = [&progress](const QString& text) {
        progress.setLabelText(text);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    // Drawn and asked for a click some twenty times a second, not for each of thousands of files
    // (a test that shortens the delay sees every file).
    const qint64 refresh = std::min(50, ProgressDelay() / 10);
    QElapsedTimer shown;
    bool placing = false;
    const auto tell = [&](int done, int total) {
        const int files = total / 2;
        if (done > files && !placing) { // the renames cannot be cancelled any more
            placing = true;
            progress.setCancelButton(nullptr);
            say(u"Putting the files in place..."_s);
        }
        if (!shown.isValid() || shown.elapsed() >= refresh || done == total) {
            progress.setValue(placing ? done - files : done);
            shown.start();
        }
        return !progress.wasCanceled();
    };
    const auto look = [&](const QString& folder) {
        say(u"Checking the database files of the backup..."_s);
        return check(folder);
    };
    FolderCopyResult result = CopyFolder(plan, tell, check ? CopyCheck(look) : CopyCheck());
    progress.hide();
    return result;
}

} // namespace

int SetProgressDelay(int milliseconds) {
    return std::exchange(ProgressDelay(), milliseconds);
}

void Create(QWidget* parent) {
    const QString chosen = FileDialog::ChooseFolder(
        parent, u"Select destination folder for program Database\r\nIn selected location will be "
                u"created folder named VNBACKUP, that you should save on CD or pendrive."_s);
    if (chosen.isEmpty())
        return;
    const QString source = InstallDir() + u"/db"_s;
    if (BackupChecks::IsSameOrInside(chosen, source)) {
        MessageBox::ShowMessage(
            parent,
            u"The backup cannot go into the program's data folder\n%1\nor a folder inside it: it "
            u"would copy itself into itself. Choose another folder, best on a CD or pendrive."_s
                .arg(Native(source)),
            {}, QMessageBox::Warning);
        return;
    }
    const QString destination = QDir(chosen).filePath(u"VNBACKUP"_s);
    MessageBox::ShowMessage(parent, Native(source + u"/*"_s));

    // A backup here that was stopped halfway is finished first, so that the questions see
    // what the folder holds.
    if (const InterruptedCopy earlier = FinishInterruptedCopy(destination);
        earlier.kind == InterruptedCopy::Kind::Stuck) {
        MessageBox::ShowMessage(parent,
                                u"An earlier backup into\n%1\nwas stopped halfway and cannot be "
                                u"finished: %2 cannot be written. Nothing was copied."_s.arg(
                                    Native(destination), Native(earlier.error)),
                                {}, QMessageBox::Warning);
        return;
    }
    CopyPlan plan = PlanFolderCopy(source, destination);
    const auto ask = [parent](const QStringList& files) {
        return AskReplace(parent, files);
    };
    FolderCopyResult result;
    if (!AskBeforeReplacing(plan, BackupChecks::DatabaseFiles(), ask))
        result.status = FolderCopyResult::Status::Cancelled;
    else
        result = RunCopy(parent, plan, u"Creating the backup..."_s, {});

    const QString untouched =
        u"Nothing was copied: %1 is as it was before."_s.arg(Native(destination));
    switch (result.status) {
    case FolderCopyResult::Status::Done:
        return;
    case FolderCopyResult::Status::Cancelled:
        MessageBox::ShowMessage(parent, u"The backup was cancelled. "_s + untouched);
        return;
    case FolderCopyResult::Status::Failed:
    case FolderCopyResult::Status::Refused:
        MessageBox::ShowMessage(
            parent,
            result.mixed
                ? u"The backup failed at\n%1\nand could not be undone: %2 holds some new files "
                  u"and some old ones. Make the backup again."_s.arg(Native(result.error),
                                                                     Native(destination))
                : u"The backup failed at\n%1\n"_s.arg(Native(result.error)) + Reason(result) +
                      untouched,
            {}, QMessageBox::Warning);
        return;
    }
}

bool Import(QWidget* parent) {
    const QString chosen =
        FileDialog::ChooseFolder(parent, u"Select folder named VNBACKUP created in Vornel. "_s);
    if (chosen.isEmpty())
        return false;
    const QString target = InstallDir() + u"/db"_s;
    const auto refuse = [parent](const QString& text) {
        MessageBox::ShowMessage(parent, text, {}, QMessageBox::Warning);
        return false;
    };
    if (BackupChecks::IsSameOrInside(chosen, target))
        return refuse(u"The folder\n%1\nis the program's own data folder or lies inside it: it "
                      u"cannot be restored from."_s.arg(Native(chosen)));
    // A restore replaces both database files together, so a backup must hold both.
    const QDir folder(chosen);
    QStringList missing;
    for (const QString& file : BackupChecks::DatabaseFiles())
        if (!QFileInfo(folder.filePath(file)).isFile())
            missing.append(file);
    if (missing.size() == 2)
        return refuse(u"The folder\n%1\nholds no Vornel backup: neither pigeons.db nor "
                      u"dodatkowe_informacje.db is in it."_s.arg(Native(chosen)));
    if (!missing.isEmpty())
        return refuse(u"The folder\n%1\nholds no complete Vornel backup: %2 is missing. A "
                      u"restore replaces both database files together. Nothing was restored."_s.arg(
                          Native(chosen), missing[0]));

    CopyPlan plan = PlanFolderCopy(chosen, target);
    const auto ask = [parent](const QStringList& files) {
        return AskReplace(parent, files);
    };
    FolderCopyResult result;
    if (!AskBeforeReplacing(plan, BackupChecks::DatabaseFiles(), ask))
        result.status = FolderCopyResult::Status::Cancelled;
    else if (plan.files.isEmpty())
        return false; // every file kept: nothing to do
    else
        result =
            RunCopy(parent, plan, u"Restoring the backup..."_s, &BackupChecks::CheckDatabaseFiles);

    const QString untouched = u"Nothing was restored: the data is as it was before."_s;
    switch (result.status) {
    case FolderCopyResult::Status::Done:
        return true;
    case FolderCopyResult::Status::Cancelled:
        MessageBox::ShowMessage(parent, u"The restore was cancelled. "_s + untouched);
        return false;
    case FolderCopyResult::Status::Refused:
        return refuse(u"The backup cannot be restored: %1\n"_s.arg(result.error) + untouched);
    case FolderCopyResult::Status::Failed:
        if (!result.mixed)
            return refuse(u"The restore failed at\n%1\n"_s.arg(Native(result.error)) +
                          Reason(result) + untouched);
        refuse(u"The restore failed at\n%1\nand could not be undone: some files are restored "
               u"and some are not. Import the backup again."_s.arg(Native(result.error)));
        return true; // what is on disk changed: reload it
    }
    return false;
}

} // namespace Backup
