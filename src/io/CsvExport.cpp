// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/CsvExport.h"

#include "racing/RaceEditing.h"
#include "racing/RaceResults.h"
#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "storage/LocalTime.h"
#include "storage/Velocity.h"
#include "trade/TradeTexts.h"

#include <map>

using namespace Qt::StringLiterals;

namespace {

QString Two(int n) {
    return QString::number(n).rightJustified(2, u'0');
}

QString LookupName(const LookupMap& map, int id) {
    const auto found = map.find(id);
    return found == map.end() ? QString() : found->second.trimmed();
}

QString Band(const PigeonRecord& p) {
    return BandText(p.country, p.branch, p.year, p.ringNumber);
}

} // namespace

QString CsvDate(qint64 time) {
    LocalFields f;
    if (!SplitLocalTime(time, f))
        return {};
    return QString::number(f.year).rightJustified(4, u'0') + u'-' + Two(f.month) + u'-' +
           Two(f.day);
}

QString CsvDateTime(qint64 time) {
    LocalFields f;
    if (!SplitLocalTime(time, f))
        return {};
    return CsvDate(time) + u' ' + Two(f.hour) + u':' + Two(f.minute) + u':' + Two(f.second);
}

QString BandText(const QString& country, const QString& branch, const QString& year,
                 const QString& ring) {
    QStringList parts;
    for (const QString& part : {country, branch, year, ring})
        if (!part.trimmed().isEmpty())
            parts.append(part.trimmed());
    return parts.join(u' ');
}

CsvTable PigeonsCsv(const AppData& data, const std::vector<int>& pigeonIds) {
    CsvTable table;
    table.header = {u"Country"_s,     u"Union"_s,   u"Year"_s,          u"Band"_s,
                    u"Sex"_s,         u"Remarks"_s, u"Color"_s,         u"Sire"_s,
                    u"Dam"_s,         u"Name"_s,    u"Date of birth"_s, u"Date of purchase"_s,
                    u"Date of sale"_s};
    table.rows.reserve(pigeonIds.size());
    for (int id : pigeonIds) {
        const PigeonRecord& p = data.FindPigeon(id);
        if (p.id == 0)
            continue;
        const PigeonRecord& sire = data.FindPigeon(p.idSire);
        const PigeonRecord& dam = data.FindPigeon(p.idDam);
        table.rows.push_back({p.country, p.branch, p.year, p.ringNumber, SexWord(p.sex),
                              p.notesGeneral, LookupName(data.colours, p.idColour),
                              sire.id ? Band(sire) : QString(), dam.id ? Band(dam) : QString(),
                              p.name, CsvDate(p.dateOfBirth), CsvDate(p.datePurchased),
                              CsvDate(p.dateSold)});
    }
    return table;
}

CsvTable ResultsCsv(const AppData& data, int pigeonId) {
    CsvTable table;
    table.header = {u"Race"_s,     u"Release"_s, u"Distance (m)"_s,
                    u"Position"_s, u"Arrival"_s, u"Velocity (m/min)"_s};
    for (const RaceResultRow& row : CollectRaceResults(data, pigeonId).rows) {
        const qint64 metres = qint64(row.race.odleglosckm) * 1000 + row.race.odlegloscm;
        table.rows.push_back({row.race.miejscowosc, CsvDateTime(row.race.czasodlotu),
                              QString::number(metres), QString::number(row.position),
                              CsvDateTime(row.arrival), VelocityText(row.velocity)});
    }
    return table;
}

CsvTable RaceEntriesCsv(const AppData& data, int raceId) {
    CsvTable table;
    table.header = {u"Band"_s,
                    u"Name"_s,
                    u"Arrival"_s,
                    u"Position (union)"_s,
                    u"Position (club)"_s,
                    u"Coefficient (union)"_s,
                    u"Coefficient (club)"_s,
                    u"Points (union)"_s,
                    u"Points (club)"_s,
                    u"Velocity (m/min)"_s,
                    u"Remarks"_s};
    const int index = RaceIndexOf(data, raceId);
    if (index < 0)
        return table;
    const RaceRecord& race = data.races[size_t(index)];
    for (const FlyerRecord& flyer : race.flyers) {
        const PigeonRecord& p = data.FindPigeon(flyer.id_golebia);
        table.rows.push_back(
            {Band(p), p.name, CsvDateTime(flyer.DataCzasPrzylotu),
             QString::number(flyer.nr_konkursu), QString::number(flyer.nr_konkursu_sekcja),
             FormatNumber(flyer.CoefficientOddzialowy), FormatNumber(flyer.CoefficientSekcyjny),
             FormatNumber(flyer.PunktyOddzial), FormatNumber(flyer.PunktySekcja),
             VelocityText(RaceVelocity(race, flyer)), flyer.notatki});
    }
    return table;
}

CsvTable TransactionsCsv(const AppData& data) {
    CsvTable table;
    table.header = {u"Date"_s,  u"Kind"_s,     u"Item"_s,   u"Client"_s,
                    u"Price"_s, u"Currency"_s, u"Remarks"_s};
    std::map<int, std::pair<double, double>> totals; // sales, purchases
    for (const auto& [id, t] : data.transactions) {
        table.rows.push_back({CsvDate(t.date), TransactionKindText(t.kind),
                              TransactionCell(data, t, TransactionItem),
                              TransactionCell(data, t, TransactionClient), PriceNumber(t.price),
                              CurrencyCode(t.currency), t.note});
        if (t.kind == 0)
            totals[t.currency].first += t.price;
        else if (t.kind == 1)
            totals[t.currency].second += t.price;
    }
    // "Another" counts in neither total, as in the printed report.
    for (const auto& [currency, sums] : totals) {
        table.rows.push_back(
            {{}, u"Total sales"_s, {}, {}, PriceNumber(sums.first), CurrencyCode(currency), {}});
        table.rows.push_back({{},
                              u"Total purchases"_s,
                              {},
                              {},
                              PriceNumber(sums.second),
                              CurrencyCode(currency),
                              {}});
    }
    return table;
}
