#include "app/Backup.h"

#include "app/FolderCopy.h"
#include "storage/InstallDir.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>

using namespace Qt::StringLiterals;

namespace Backup {

namespace {

FolderCopyResult CopyWithQuestions(QWidget* parent, const QString& source,
                                   const QString& destination, const QString& label) {
    QProgressDialog progress(label, u"Cancel"_s, 0, 0, parent);
    progress.setWindowTitle(QCoreApplication::applicationName());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    const auto ask = [parent](const QString& file) {
        switch (MessageBox::AskOverwrite(
            parent, u"The file\n%1\nexists already. Do you want to replace it?"_s.arg(
                        QDir::toNativeSeparators(file)))) {
        case QMessageBox::Yes:
            return OverwriteAnswer::Yes;
        case QMessageBox::YesToAll:
            return OverwriteAnswer::YesToAll;
        case QMessageBox::No:
            return OverwriteAnswer::No;
        default:
            return OverwriteAnswer::Cancel;
        }
    };
    const auto tell = [&progress](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        return !progress.wasCanceled();
    };
    FolderCopyResult result = CopyFolder(source, destination, ask, tell);
    progress.reset();
    return result;
}

// Says how a copy that did not finish ended; true when it finished.
bool Report(QWidget* parent, const FolderCopyResult& result) {
    switch (result.status) {
    case FolderCopyResult::Status::Done:
        return true;
    case FolderCopyResult::Status::Cancelled:
        MessageBox::ShowMessage(
            parent, u"The copy was cancelled after %1 file(s); the rest was not copied."_s.arg(
                        result.copied));
        break;
    case FolderCopyResult::Status::Failed:
        MessageBox::ShowMessage(parent,
                                u"The copy failed at\n%1\nafter %2 file(s)."_s
                                    .arg(QDir::toNativeSeparators(result.error))
                                    .arg(result.copied),
                                {}, QMessageBox::Warning);
        break;
    }
    return false;
}

} // namespace

void Create(QWidget* parent) {
    const QString chosen = FileDialog::ChooseFolder(
        parent, u"Select destination folder for program Database\r\nIn selected location will be "
                u"created folder named VNBACKUP, that you should save on CD or pendrive."_s);
    if (chosen.isEmpty())
        return;
    const QString destination = QDir(chosen).filePath(u"VNBACKUP"_s);
    const QString source = InstallDir() + u"/db"_s;
    MessageBox::ShowMessage(parent, QDir::toNativeSeparators(source + u"/*"_s));
    Report(parent, CopyWithQuestions(parent, source, destination, u"Creating the backup..."_s));
}

bool Import(QWidget* parent) {
    const QString chosen =
        FileDialog::ChooseFolder(parent, u"Select folder named VNBACKUP created in Vornel. "_s);
    if (chosen.isEmpty())
        return false;
    // Copying an arbitrary folder into the data would bury the databases in foreign files.
    const QDir folder(chosen);
    if (!folder.exists(u"pigeons.db"_s) && !folder.exists(u"dodatkowe_informacje.db"_s)) {
        MessageBox::ShowMessage(
            parent,
            u"The folder\n%1\nholds no Vornel backup: neither pigeons.db nor "
            u"dodatkowe_informacje.db is in it."_s.arg(QDir::toNativeSeparators(chosen)),
            {}, QMessageBox::Warning);
        return false;
    }
    const FolderCopyResult result =
        CopyWithQuestions(parent, chosen, InstallDir() + u"/db"_s, u"Restoring the backup..."_s);
    Report(parent, result);
    return result.copied > 0;
}

} // namespace Backup
