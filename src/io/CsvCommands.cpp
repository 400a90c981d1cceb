// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/CsvCommands.h"

#include "io/CsvImportDialog.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace CsvCommands {

QChar Delimiter() {
    const QString stored =
        QSettings(u"Vornel"_s, u"Vornel"_s).value(u"Csv/Delimiter"_s, u","_s).toString();
    return stored == u";"_s ? QChar(u';') : QChar(u',');
}

void SetDelimiter(QChar delimiter) {
    QSettings(u"Vornel"_s, u"Vornel"_s).setValue(u"Csv/Delimiter"_s, QString(delimiter));
}

namespace {

// CSV files are the user's own: the dialogs open where the last one was, at first in the
// documents folder, never in the folder the program happened to be started from.
QString Folder() {
    const QString last = QSettings(u"Vornel"_s, u"Vornel"_s).value(u"Csv/Folder"_s).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void RememberFolder(const QString& path) {
    QSettings(u"Vornel"_s, u"Vornel"_s).setValue(u"Csv/Folder"_s, QFileInfo(path).absolutePath());
}

} // namespace

void Save(QWidget* parent, const CsvTable& table, const QString& fileName) {
    // The delimiter is chosen with the file's type; spreadsheets set to a decimal comma read
    // semicolons. The last choice is offered first.
    const QString comma = u"CSV file, comma-separated (*.csv)"_s;
    const QString semicolon = u"CSV file, semicolon-separated (*.csv)"_s;
    QString chosen = Delimiter() == u';' ? semicolon : comma;
    QString path =
        FileDialog::ChooseSaveFile(parent, u"Save as CSV..."_s, QDir(Folder()).filePath(fileName),
                                   comma + u";;"_s + semicolon, &chosen);
    if (path.isEmpty())
        return;
    RememberFolder(path);
    if (QFileInfo(path).suffix().isEmpty())
        path += u".csv"_s;
    const QChar delimiter = chosen == semicolon ? QChar(u';') : QChar(u',');
    SetDelimiter(delimiter);
    if (!WriteCsvFile(path, table, delimiter))
        MessageBox::ShowMessage(parent, u"The file\n%1\ncould not be written."_s.arg(path), {},
                                QMessageBox::Warning);
}

bool Import(QWidget* parent, AppData& data, const CsvImportOptions& options) {
    const QString path =
        FileDialog::ChooseOpenFile(parent, u"Import from CSV..."_s,
                                   FileDialog::QtFilter(u"CSV file|*.csv;*.txt||"_s), Folder());
    if (path.isEmpty())
        return false;
    RememberFolder(path);
    CsvSource source;
    QString error;
    if (!LoadCsvSource(path, source, error)) {
        MessageBox::ShowMessage(parent, error, {}, QMessageBox::Warning);
        return false;
    }
    CsvImportDialog dialog(data, source, options, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    MessageBox::ShowMessage(parent, dialog.Plan().Summary());
    return true;
}

} // namespace CsvCommands
