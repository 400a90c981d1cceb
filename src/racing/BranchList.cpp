// SPDX-License-Identifier: GPL-3.0-or-later
#include "racing/BranchList.h"

#include "storage/InstallDir.h"
#include "storage/TextFile.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

// Resources of a static library must be registered by name, outside any namespace.
static void InitBranchResources() {
    Q_INIT_RESOURCE(vornel);
}

namespace {

struct BranchLine {
    int rank;
    int order; // first appearance of an unknown district
    QString district;
    QString number;
    QString name;
};

qint64 NumberValue(const QString& number) {
    bool ok = false;
    const qint64 value = number.toLongLong(&ok);
    return ok ? value : std::numeric_limits<qint64>::max();
}

} // namespace

const QStringList& BranchDistrictOrder() {
    static const QStringList order{u"Biała Podlaska"_s,
                                   u"Białystok"_s,
                                   u"BIELSKO BIAŁA"_s,
                                   u"BYDGOSZCZ"_s,
                                   u"CIECHANÓW"_s,
                                   u"CZĘSTOCHOWA"_s,
                                   u"GDAŃSK"_s,
                                   u"GORZÓW WIELKOPOLSKI"_s,
                                   u"JELENIA GÓRA"_s,
                                   u"KALISZ"_s,
                                   u"KATOWICE"_s,
                                   u"KIELCE"_s,
                                   u"KONIN"_s,
                                   u"KOSZALIN"_s,
                                   u"KRAKÓW"_s,
                                   u"LEGNICA"_s,
                                   u"LESZNO"_s,
                                   u"LUBLIN"_s,
                                   u"ŁÓDŹ"_s,
                                   u"NOWY SĄCZ"_s,
                                   u"OLSZTYN"_s,
                                   u"OPOLE"_s,
                                   u"OPOLE POŁUDNIE"_s,
                                   u"PIŁA"_s,
                                   u"PIOTRKÓW TRYBUNALSKI"_s,
                                   u"PŁOCK"_s,
                                   u"POMORZE ŚRODKOWE"_s,
                                   u"POZNAŃ"_s,
                                   u"RZESZÓW"_s,
                                   u"SZCZECIN"_s,
                                   u"ŚLĄSK POŁUDNIE"_s,
                                   u"TARNÓW"_s,
                                   u"TORUŃ"_s,
                                   u"WAŁBRZYCH"_s,
                                   u"WARSZAWA"_s,
                                   u"WŁOCŁAWEK"_s,
                                   u"WROCŁAW"_s,
                                   u"ZIELONA GÓRA"_s};
    return order;
}

QString BranchEntryText(int districtRank, const QString& number, const QString& name) {
    if (districtRank >= 0 && districtRank < 3)
        return number.leftJustified(6, u' ') + u"- "_s + name;
    return number.leftJustified(7, u' ') + name;
}

std::vector<BranchDistrict> ParseBranchTable(const QString& text) {
    const QStringList& order = BranchDistrictOrder();
    std::vector<BranchLine> lines;
    QStringList unknown;
    const QStringList rows = text.split(QRegularExpression(u"\r\n|\n|\r"_s));
    for (qsizetype i = 1; i < rows.size(); ++i) {
        QString row = rows[i];
        if (row.startsWith(QChar(0xFEFF)))
            row.remove(0, 1);
        const QStringList fields = row.split(u'\t');
        if (fields.size() < 3)
            continue;
        const QString district = fields[0].trimmed();
        const QString number = fields[1].trimmed();
        const QString name = fields[2].trimmed();
        if (district.isEmpty() || number.isEmpty())
            continue;
        int rank = static_cast<int>(order.indexOf(district));
        int appearance = 0;
        if (rank < 0) {
            if (!unknown.contains(district))
                unknown.append(district);
            rank = static_cast<int>(order.size());
            appearance = static_cast<int>(unknown.indexOf(district));
        }
        lines.push_back({rank, appearance, district, number, name});
    }
    std::stable_sort(lines.begin(), lines.end(), [](const BranchLine& a, const BranchLine& b) {
        if (a.rank != b.rank)
            return a.rank < b.rank;
        if (a.order != b.order)
            return a.order < b.order;
        return NumberValue(a.number) < NumberValue(b.number);
    });
    std::vector<BranchDistrict> table;
    for (const BranchLine& line : lines) {
        if (table.empty() || table.back().name != line.district)
            table.push_back({line.district, {}});
        table.back().entries.append(BranchEntryText(line.rank, line.number, line.name));
    }
    return table;
}

QString SearchBranches(const std::vector<BranchDistrict>& table, const QString& text) {
    const QString wanted = text.toUpper();
    QString found;
    for (const BranchDistrict& district : table)
        for (const QString& entry : district.entries)
            if (entry.contains(wanted))
                found += entry + u", Oddział: "_s + district.name + u"\r\n"_s;
    return found;
}

QString BranchTablePath() {
    return InstallDir() + u"/data/branches.tsv"_s;
}

std::vector<BranchDistrict> LoadBranchTable() {
    QFile file(BranchTablePath());
    if (file.exists() && file.open(QIODevice::ReadOnly)) {
        file.close();
        std::vector<BranchDistrict> table = ParseBranchTable(ReadTextFile(BranchTablePath()));
        if (!table.empty())
            return table;
    }
    InitBranchResources();
    return ParseBranchTable(ReadTextFile(u":/racing/branches.tsv"_s));
}
