// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ShippedFiles.h"

#include "storage/InstallDir.h"
#include "storage/TextFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

// Resources of a static library must be registered by name, outside any namespace.
static void InitResources() {
    Q_INIT_RESOURCE(vornel);
}

bool InstallShippedFiles() {
    InitResources();
    bool ok = true;
    // Resource folder -> folder under the data folder.
    const std::pair<QString, QString> folders[] = {{u":/help"_s, u"/html/help"_s},
                                                   {u":/pedigrees"_s, u"/data/pedigrees"_s},
                                                   {u":/racing"_s, u"/data"_s}};
    for (const auto& [resource, target] : folders) {
        QDirIterator it(resource, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString destination = InstallDir() + target + file.mid(resource.size());
            if (QFileInfo::exists(destination))
                continue;
            QDir().mkpath(QFileInfo(destination).absolutePath());
            // Pedigree templates are kept as UTF-8 here and installed as UTF-16LE with its mark.
            if (resource == u":/pedigrees"_s && file.endsWith(u".html"_s)) {
                QFile source(file);
                ok = source.open(QIODevice::ReadOnly) &&
                     WriteTextFile(destination, QString::fromUtf8(source.readAll())) && ok;
                continue;
            }
            // Files copied out of the resources are read-only; the user may edit them.
            ok = CopyFileChecked(file, destination) &&
                 QFile::setPermissions(destination,
                                       QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ReadGroup | QFileDevice::ReadOther) &&
                 ok;
        }
    }
    return ok;
}
