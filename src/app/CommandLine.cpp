// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "app/BackupChecks.h"
#include "app/FolderCopy.h"
#include "app/SingleInstance.h"
#include "io/CsvExport.h"
#include "io/CsvImport.h"
#include "racing/RaceEditing.h"
#include "storage/AppData.h"
#include "storage/InstallDir.h"

#include <QDir>
#include <QLockFile>
#include <QMap>

#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

struct Failure {
    int code;
    QString message;
};

void Print(FILE* stream, const QString& text) {
    std::fputs(qPrintable(text + u'\n'), stream);
}

// Options with a value, and the flags.
const QStringList kValued = {u"--data-dir"_s, u"--loft"_s, u"--category"_s,  u"--race"_s,
                             u"--pigeon"_s,   u"--csv"_s,  u"--delimiter"_s, u"--encoding"_s};
const QStringList kFlags = {u"--create-missing"_s};

bool Parse(const QStringList& args, QStringList& words, QMap<QString, QString>& options,
           QString& error) {
    for (qsizetype i = 1; i < args.size(); ++i) {
        QString arg = args[i];
        QString value;
        const bool inlineValue = arg.startsWith(u"--"_s) && arg.contains(u'=');
        if (inlineValue) {
            value = arg.mid(arg.indexOf(u'=') + 1);
            arg = arg.left(arg.indexOf(u'='));
        }
        if (kValued.contains(arg)) {
            if (!inlineValue) {
                if (i + 1 >= args.size()) {
                    error = u"the option %1 needs a value."_s.arg(arg);
                    return false;
                }
                value = args[++i];
            }
            options[arg] = value;
        } else if (kFlags.contains(arg)) {
            options[arg] = u"1"_s;
        } else if (arg.startsWith(u"-"_s)) {
            error = u"unknown option %1 (see vornel --help)."_s.arg(arg);
            return false;
        } else {
            words.append(arg);
        }
    }
    return true;
}

std::optional<Failure> Backup(const QString& folder) {
    const QString source = InstallDir() + u"/db"_s;
    if (!QFileInfo(folder).isDir())
        return Failure{2, u"the backup folder %1 does not exist."_s.arg(folder)};
    if (BackupChecks::IsSameOrInside(folder, source))
        return Failure{
            2,
            u"the backup cannot go into the data folder %1 or a folder inside it."_s.arg(source)};
    const QString destination = QDir(folder).filePath(u"VNBACKUP"_s);
    if (FinishInterruptedCopy(destination).kind == InterruptedCopy::Kind::Stuck)
        return Failure{1, u"an earlier backup into %1 was stopped halfway and cannot be "
                          u"finished; nothing was copied."_s.arg(destination)};
    CopyPlan plan = PlanFolderCopy(source, destination);
    // A scheduled backup replaces the one before it, both database files together.
    AskBeforeReplacing(plan, BackupChecks::DatabaseFiles(),
                       [](const QStringList&) { return OverwriteAnswer::YesToAll; });
    const FolderCopyResult result = CopyFolder(plan);
    if (result.status != FolderCopyResult::Status::Done)
        return Failure{1, u"the backup failed at %1%2; %3"_s.arg(
                              result.error,
                              result.reason.isEmpty() ? QString() : u" ("_s + result.reason + u')',
                              result.mixed ? u"the backup folder holds old and new files."_s
                                           : u"nothing was copied."_s)};
    Print(stdout, u"Backup written to %1 (%2 files)."_s.arg(destination).arg(result.copied));
    return std::nullopt;
}

// Loads the loft named (or the only one) and makes it current.
std::optional<Failure> OpenLoft(AppData& data, const QMap<QString, QString>& options) {
    if (DbResult r = data.LoadLofts(); !r.ok())
        return Failure{1, r.message()};
    const QString name = options.value(u"--loft"_s);
    int index = -1;
    for (size_t i = 0; i < data.lofts.size(); ++i)
        if (name.isEmpty() ? data.lofts.size() == 1 : data.lofts[i].name == name)
            index = int(i);
    if (index < 0)
        return Failure{2, name.isEmpty() ? u"name the loft with --loft NAME."_s
                                         : u"there is no loft named \"%1\"."_s.arg(name)};
    data.currentLoft = index;
    if (DbResult r = data.SelectLoft(data.lofts[size_t(index)].id); !r.ok())
        return Failure{1, r.message()};
    const QString category = options.value(u"--category"_s);
    const auto& categories = data.lofts[size_t(index)].categories;
    for (size_t i = 0; i < categories.size(); ++i)
        if (categories[i].name == category)
            data.currentCategory = int(i);
    if (!category.isEmpty() && data.currentCategory < 0)
        return Failure{2, u"the loft has no category named \"%1\"."_s.arg(category)};
    return std::nullopt;
}

int CategoryId(const AppData& data) {
    return data.currentCategory < 0
               ? 0
               : data.lofts[size_t(data.currentLoft)].categories[size_t(data.currentCategory)].id;
}

std::optional<Failure> RaceOf(const AppData& data, const QMap<QString, QString>& options,
                              int& raceId) {
    bool ok = false;
    raceId = options.value(u"--race"_s).toInt(&ok);
    if (!ok || RaceIndexOf(data, raceId) < 0)
        return Failure{2, options.contains(u"--race"_s)
                              ? u"there is no race %1."_s.arg(options.value(u"--race"_s))
                              : u"name the race with --race ID."_s};
    return std::nullopt;
}

std::optional<Failure> Export(AppData& data, const QString& what,
                              const QMap<QString, QString>& options, QChar delimiter) {
    CsvTable table;
    if (what == u"pigeons"_s) {
        if (data.currentCategory < 0)
            return Failure{2, u"name the category with --category NAME."_s};
        std::vector<int> ids;
        if (DbResult r = data.ReadCategoryMembers(CategoryId(data), ids); !r.ok())
            return Failure{1, r.message()};
        table = PigeonsCsv(data, ids);
    } else if (what == u"results"_s) {
        const QString band = options.value(u"--pigeon"_s);
        const std::vector<int> found = FindPigeonsByBand(data, band);
        if (found.size() != 1)
            return Failure{
                2, band.isEmpty()
                       ? u"name the pigeon with --pigeon BAND."_s
                       : u"the band \"%1\" matches %2 pigeons."_s.arg(band).arg(found.size())};
        table = ResultsCsv(data, found.front());
    } else if (what == u"race"_s) {
        int raceId = 0;
        if (auto failure = RaceOf(data, options, raceId))
            return failure;
        table = RaceEntriesCsv(data, raceId);
    } else if (what == u"transactions"_s) {
        table = TransactionsCsv(data);
    } else {
        return Failure{2, u"export what? pigeons, results, race or transactions."_s};
    }
    const QString path = options.value(u"--csv"_s);
    if (!WriteCsvFile(path, table, delimiter))
        return Failure{1, u"the file %1 could not be written."_s.arg(path)};
    Print(stdout, u"%1 rows written to %2."_s.arg(table.rows.size()).arg(path));
    return std::nullopt;
}

std::optional<Failure> Import(AppData& data, const QString& what,
                              const QMap<QString, QString>& options) {
    CsvImportOptions settings;
    settings.createMissing = options.contains(u"--create-missing"_s);
    settings.categoryId = CategoryId(data);
    if (what == u"pigeons"_s) {
        settings.kind = CsvImportKind::Pigeons;
        if (settings.categoryId < 1)
            return Failure{2, u"name the category with --category NAME."_s};
    } else if (what == u"entries"_s) {
        settings.kind = CsvImportKind::Entries;
        if (auto failure = RaceOf(data, options, settings.raceId))
            return failure;
    } else {
        return Failure{2, u"import what? pigeons or entries."_s};
    }
    CsvSource source;
    QString error;
    if (!LoadCsvSource(options.value(u"--csv"_s), source, error))
        return Failure{2, error};
    bool reparse = false;
    if (options.contains(u"--delimiter"_s)) {
        const QString d = options.value(u"--delimiter"_s);
        source.delimiter = d == u"tab"_s ? QChar(u'\t') : d.isEmpty() ? QChar(u',') : d.front();
        reparse = true;
    }
    if (options.contains(u"--encoding"_s)) {
        const qsizetype e = CsvEncodingNames().indexOf(options.value(u"--encoding"_s));
        if (e < 0)
            return Failure{2, u"the encoding is one of "_s + CsvEncodingNames().join(u", "_s)};
        source.encoding = e == 0   ? CsvEncoding::Utf8
                          : e == 1 ? CsvEncoding::Utf16LE
                                   : CsvEncoding::Windows1250;
        reparse = true;
    }
    if (reparse && !ReparseCsvSource(source, error))
        return Failure{2, error};
    const QStringList header = source.records.empty() ? QStringList() : source.records[0].fields;
    CsvImportPlan plan =
        PlanCsvImport(data, source.records, RememberedCsvMapping(settings.kind, header), settings);
    if (!plan.ok()) {
        QString message = plan.Message(1).replace(u'\n', u' ');
        if (plan.problems.size() > 1)
            message = message.section(u" ... "_s, 0, 0) +
                      u" (%1 rows do not fit; nothing was imported)"_s.arg(plan.problems.size());
        return Failure{3, message};
    }
    if (DbResult r = ApplyCsvImport(data, plan, settings); !r.ok())
        return Failure{1, r.message()};
    Print(stdout, plan.Summary());
    return std::nullopt;
}

std::optional<Failure> Run(const QStringList& arguments) {
    QStringList words;
    QMap<QString, QString> options;
    QString error;
    if (!Parse(arguments, words, options, error))
        return Failure{2, error};
    if (options.contains(u"--data-dir"_s))
        SetInstallDirOverride(options.value(u"--data-dir"_s));
    const QString command = words.value(0);
    if (words.size() != 2)
        return Failure{2, u"usage: "_s + CommandUsage().section(u'\n', 0, 0).trimmed()};
    if (command != u"backup"_s && !options.contains(u"--csv"_s))
        return Failure{2, u"name the file with --csv FILE."_s};

    // The same lock as a window's on this data folder: one of them at a time.
    QDir().mkpath(InstallDir() + u"/db"_s);
    QLockFile lock(SingleInstance::DataLockPath(InstallDir()));
    if (!lock.tryLock(0) && lock.error() == QLockFile::LockFailedError)
        return Failure{4, u"the data folder %1 is in use by the program; close it and try "
                          u"again."_s.arg(InstallDir())};
    if (const auto recovery = BackupChecks::FinishInterruptedRestore(InstallDir() + u"/db"_s);
        recovery.stop)
        return Failure{1, recovery.message.simplified()};

    if (command == u"backup"_s)
        return Backup(words[1]);
    AppData data;
    if (auto failure = OpenLoft(data, options))
        return failure;
    if (command == u"export"_s) {
        const QString d = options.value(u"--delimiter"_s, u","_s);
        return Export(data, words[1], options, d == u"tab"_s ? QChar(u'\t') : d.front());
    }
    return Import(data, words[1], options);
}

} // namespace

bool IsCommand(int argc, char** argv) {
    if (argc < 2)
        return false;
    for (const char* command : {"backup", "export", "import"})
        if (std::strcmp(argv[1], command) == 0)
            return true;
    return false;
}

QString CommandUsage() {
    return u"  vornel backup DIR [--data-dir DIR]\n"
           u"  vornel export pigeons --loft NAME --category NAME --csv FILE [--delimiter ;]\n"
           u"  vornel export results --loft NAME --pigeon BAND --csv FILE\n"
           u"  vornel export race --loft NAME --race ID --csv FILE\n"
           u"  vornel export transactions --loft NAME --csv FILE\n"
           u"  vornel import pigeons --loft NAME --category NAME --csv FILE [--create-missing]\n"
           u"  vornel import entries --loft NAME --race ID --csv FILE [--category NAME] "
           u"[--create-missing]\n"
           u"  (also --data-dir DIR, --delimiter , ; tab, --encoding UTF-8|UTF-16|Windows-1250)"_s;
}

int RunCommand(const QStringList& arguments) {
    if (const auto failure = Run(arguments)) {
        Print(stderr, u"vornel: "_s + failure->message);
        return failure->code;
    }
    return 0;
}
