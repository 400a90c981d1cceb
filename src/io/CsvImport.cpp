// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/CsvImport.h"

#include "io/CsvExport.h"
#include "racing/NumberText.h"
#include "racing/RaceEditing.h"
#include "storage/AppData.h"
#include "storage/InstallDir.h"
#include "storage/LocalTime.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>

#include <array>
#include <unordered_map>

using namespace Qt::StringLiterals;

namespace {

struct FieldInfo {
    CsvField field;
    const char16_t* name;
    const char16_t* synonyms; // lower case, '|' between them
};

const FieldInfo kFields[] = {
    {CsvField::Ignore, u"(ignore)", u""},
    {CsvField::Band, u"Whole band", u"band|ring|obrączka|obraczka|nr obrączki|numer obrączki"},
    {CsvField::Country, u"Country", u"country|kraj"},
    {CsvField::Union, u"Union", u"union|oddział|oddzial|branch"},
    {CsvField::Year, u"Year", u"year|rocznik|rok"},
    {CsvField::Ring, u"Band number", u"band number|ring number|number|numer|nr"},
    {CsvField::Name, u"Name", u"name|nazwa|przydomek"},
    {CsvField::Sex, u"Sex", u"sex|płeć|plec"},
    {CsvField::Colour, u"Color", u"color|colour|kolor|barwa"},
    {CsvField::Remarks, u"Remarks", u"remarks|notes|uwagi|notatki"},
    {CsvField::DateOfBirth, u"Date of birth", u"date of birth|born|data urodzenia|urodzony"},
    {CsvField::DatePurchased, u"Date of purchase", u"date of purchase|data kupna|kupiony"},
    {CsvField::DateSold, u"Date of sale", u"date of sale|date sold|data sprzedaży"},
    {CsvField::Sire, u"Sire", u"sire|father|ojciec"},
    {CsvField::Dam, u"Dam", u"dam|mother|matka"},
    {CsvField::Arrival, u"Arrival (date and time)", u"arrival|przylot|data i czas przylotu"},
    {CsvField::ArrivalDate, u"Arrival date", u"arrival date|data przylotu|data"},
    {CsvField::ArrivalTime, u"Arrival time", u"arrival time|czas przylotu|czas|time|godzina"},
    {CsvField::PositionUnion, u"Position (union)",
     u"position (union)|position|place|lp|lp.|miejsce|konkurs"},
    {CsvField::PositionClub, u"Position (club)", u"position (club)|miejsce sekcja"},
    {CsvField::CoefficientUnion, u"Coefficient (union)",
     u"coefficient (union)|coefficient|coef|coef.|współczynnik|wspolczynnik"},
    {CsvField::CoefficientClub, u"Coefficient (club)", u"coefficient (club)|coef. sekcja"},
    {CsvField::PointsUnion, u"Points (union)", u"points (union)|points|pkt|pkt.|punkty"},
    {CsvField::PointsClub, u"Points (club)", u"points (club)|pkt. sekcja"},
};

const FieldInfo& Info(CsvField field) {
    return kFields[size_t(field)];
}

QStringList Tokens(const QString& band) {
    QString text = band.trimmed();
    if (const qsizetype open = text.indexOf(u'['); open > 0 && text.endsWith(u']'))
        text = text.left(open).trimmed();
    static const QRegularExpression separators(u"[\\s\\-/]+"_s);
    return text.split(separators, Qt::SkipEmptyParts);
}

QString Key(const QStringList& tokens, qsizetype from) {
    return tokens.mid(from).join(u' ').toCaseFolded();
}

struct TextHash {
    size_t operator()(const QString& s) const { return qHash(s); }
};

// Every pigeon under each tail of its band ("19 4567", "0123 19 4567", ...), so that a band
// given in full or in its last parts finds it at once.
class BandIndex {
public:
    void Add(const QString& band, int ref) {
        const QStringList tokens = Tokens(band);
        for (qsizetype i = 0; i < tokens.size(); ++i)
            m_map[Key(tokens, i)].push_back(ref);
    }
    const std::vector<int>& Find(const QString& band) const {
        static const std::vector<int> none;
        const QStringList tokens = Tokens(band);
        if (tokens.isEmpty())
            return none;
        const auto found = m_map.find(Key(tokens, 0));
        return found == m_map.end() ? none : found->second;
    }

private:
    std::unordered_map<QString, std::vector<int>, TextHash> m_map;
};

QString PigeonBand(const PigeonRecord& p) {
    return BandText(p.country, p.branch, p.year, p.ringNumber);
}

bool ParseWhole(const QString& text, int& value) {
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        value = 0;
        return true;
    }
    bool ok = false;
    value = QString(t).remove(u'.').toInt(&ok);
    return ok && value >= 0;
}

int ParseSex(const QString& text, bool& ok) {
    const QString t = text.trimmed().toCaseFolded();
    ok = true;
    if (t.isEmpty() || t == u"n/a"_s)
        return 0;
    if (t == u"cock"_s || t == u"1"_s || t == u"m"_s || t == u"samiec"_s || t == u"♂"_s)
        return 1;
    if (t == u"hen"_s || t == u"2"_s || t == u"f"_s || t == u"s"_s || t == u"samica"_s ||
        t == u"♀"_s)
        return 2;
    ok = false;
    return 0;
}

} // namespace

QString CsvFieldName(CsvField field) {
    return QString::fromUtf16(Info(field).name);
}

std::vector<CsvField> CsvFieldsOf(CsvImportKind kind) {
    using F = CsvField;
    if (kind == CsvImportKind::Pigeons)
        return {F::Ignore,      F::Band,          F::Country,  F::Union,  F::Year,
                F::Ring,        F::Name,          F::Sex,      F::Colour, F::Remarks,
                F::DateOfBirth, F::DatePurchased, F::DateSold, F::Sire,   F::Dam};
    return {F::Ignore,          F::Band,         F::Country,
            F::Union,           F::Year,         F::Ring,
            F::Arrival,         F::ArrivalDate,  F::ArrivalTime,
            F::PositionUnion,   F::PositionClub, F::CoefficientUnion,
            F::CoefficientClub, F::PointsUnion,  F::PointsClub,
            F::Remarks};
}

CsvMapping GuessCsvMapping(CsvImportKind kind, const QStringList& header) {
    const std::vector<CsvField> offered = CsvFieldsOf(kind);
    CsvMapping mapping(size_t(header.size()), CsvField::Ignore);
    std::vector<bool> taken(std::size(kFields), false);
    // An exact field name first, then each synonym; "Band" alone is the whole band.
    for (int pass = 0; pass < 2; ++pass)
        for (qsizetype i = 0; i < header.size(); ++i) {
            if (mapping[size_t(i)] != CsvField::Ignore)
                continue;
            const QString name = header[i].trimmed().toCaseFolded();
            for (CsvField field : offered) {
                if (field == CsvField::Ignore || taken[size_t(field)])
                    continue;
                const QString own = CsvFieldName(field).toCaseFolded();
                const QStringList synonyms =
                    QString::fromUtf16(Info(field).synonyms).split(u'|', Qt::SkipEmptyParts);
                if (pass == 0 ? name == own : synonyms.contains(name)) {
                    mapping[size_t(i)] = field;
                    taken[size_t(field)] = true;
                    break;
                }
            }
        }
    // The list's "Band" column beside country, union and year is the number alone.
    const auto has = [&](CsvField f) {
        return std::find(mapping.begin(), mapping.end(), f) != mapping.end();
    };
    if (has(CsvField::Band) && !has(CsvField::Ring) &&
        (has(CsvField::Country) || has(CsvField::Year)))
        std::replace(mapping.begin(), mapping.end(), CsvField::Band, CsvField::Ring);
    return mapping;
}

QString CsvMappingKey(CsvImportKind kind, const QStringList& header) {
    const QByteArray digest =
        QCryptographicHash::hash(header.join(u'\x1f').toUtf8(), QCryptographicHash::Sha1);
    return (kind == CsvImportKind::Pigeons ? u"CsvImport/pigeons/"_s : u"CsvImport/entries/"_s) +
           QString::fromLatin1(digest.toHex());
}

CsvMapping RememberedCsvMapping(CsvImportKind kind, const QStringList& header) {
    const QStringList stored =
        QSettings(u"Vornel"_s, u"Vornel"_s).value(CsvMappingKey(kind, header)).toStringList();
    if (stored.size() != header.size())
        return GuessCsvMapping(kind, header);
    CsvMapping mapping;
    const std::vector<CsvField> offered = CsvFieldsOf(kind);
    for (const QString& name : stored) {
        CsvField chosen = CsvField::Ignore;
        for (CsvField field : offered)
            if (CsvFieldName(field) == name)
                chosen = field;
        mapping.push_back(chosen);
    }
    return mapping;
}

void RememberCsvMapping(CsvImportKind kind, const QStringList& header, const CsvMapping& mapping) {
    QStringList names;
    for (CsvField field : mapping)
        names.append(CsvFieldName(field));
    QSettings(u"Vornel"_s, u"Vornel"_s).setValue(CsvMappingKey(kind, header), names);
}

BandParts SplitBand(const QString& band) {
    QStringList t = Tokens(band);
    BandParts parts;
    if (t.isEmpty())
        return parts;
    parts.ring = t.takeLast();
    if (t.isEmpty())
        return parts;
    parts.year = t.takeLast();
    if (t.isEmpty())
        return parts;
    const bool letters = t.front().contains(QRegularExpression(u"\\p{L}"_s));
    if (t.size() == 1 && !letters) {
        parts.branch = t.front();
        return parts;
    }
    parts.country = t.takeFirst();
    parts.branch = t.join(u'-');
    return parts;
}

bool LoadCsvSource(const QString& path, CsvSource& source, QString& error) {
    if (!ReadCsvBytes(path, source.bytes, error))
        return false;
    source.encoding = GuessCsvEncoding(source.bytes);
    QString text;
    if (!DecodeCsv(source.bytes, source.encoding, text, error))
        return false;
    source.delimiter = GuessCsvDelimiter(text);
    return ParseCsv(text, source.delimiter, source.records, error);
}

bool ReparseCsvSource(CsvSource& source, QString& error) {
    QString text;
    source.records.clear();
    if (!DecodeCsv(source.bytes, source.encoding, text, error))
        return false;
    return ParseCsv(text, source.delimiter, source.records, error);
}

QString CsvImportPlan::Summary() const {
    const auto count = [](size_t n, const QString& one, const QString& many) {
        return u"%1 %2"_s.arg(n).arg(n == 1 ? one : many);
    };
    QString stored = count(newPigeons.size(), u"pigeon"_s, u"pigeons"_s);
    if (!entries.empty())
        stored = count(entries.size(), u"race entry"_s, u"race entries"_s) +
                 (newPigeons.empty()
                      ? QString()
                      : u" and "_s + count(newPigeons.size(), u"new pigeon"_s, u"new pigeons"_s));
    return u"Imported %1; %2 skipped."_s.arg(stored, count(size_t(skipped), u"row"_s, u"rows"_s));
}

QString CsvImportPlan::Message(int limit) const {
    if (!error.isEmpty())
        return error;
    QStringList lines;
    for (const CsvProblem& p : problems) {
        if (lines.size() == limit) {
            lines.append(u"... and %1 more."_s.arg(problems.size() - size_t(limit)));
            break;
        }
        lines.append(u"Line %1: %2"_s.arg(p.line).arg(p.reason));
    }
    return lines.join(u'\n');
}

std::vector<int> FindPigeonsByBand(const AppData& data, const QString& band) {
    BandIndex index;
    for (const auto& [id, pigeon] : data.pigeons)
        index.Add(PigeonBand(pigeon), id);
    return index.Find(band);
}

bool ParseCsvTime(const QString& text, int& seconds) {
    static const QRegularExpression form(u"^(\\d{1,2})[:.](\\d{2})(?:[:.](\\d{2}))?$"_s);
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    const int h = m.captured(1).toInt();
    const int min = m.captured(2).toInt();
    const int s = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
    if (h > 23 || min > 59 || s > 59)
        return false;
    seconds = h * 3600 + min * 60 + s;
    return true;
}

bool ParseCsvDate(const QString& text, int& year, int& month, int& day) {
    static const QRegularExpression iso(u"^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"_s);
    static const QRegularExpression local(u"^(\\d{1,2})[./-](\\d{1,2})[./-](\\d{2}|\\d{4})$"_s);
    const QString t = text.trimmed();
    if (const auto m = iso.match(t); m.hasMatch()) {
        year = m.captured(1).toInt();
        month = m.captured(2).toInt();
        day = m.captured(3).toInt();
    } else if (const auto l = local.match(t); l.hasMatch()) {
        day = l.captured(1).toInt();
        month = l.captured(2).toInt();
        year = l.captured(3).toInt();
        if (l.captured(3).size() == 2)
            year += year <= QDate::currentDate().year() % 100 + 1 ? 2000 : 1900;
    } else {
        return false;
    }
    return year >= 1900 && year <= 2100 && QDate::isValid(year, month, day);
}

namespace {

// Works through the rows of one import.
class Planner {
public:
    Planner(const AppData& data, const CsvMapping& mapping, const CsvImportOptions& options,
            CsvImportPlan& plan)
        : m_data(data)
        , m_mapping(mapping)
        , m_options(options)
        , m_plan(plan) {
        m_column.fill(-1);
        for (const auto& [id, pigeon] : data.pigeons)
            m_stored.Add(PigeonBand(pigeon), id);
        for (const auto& [id, name] : data.colours)
            if (!name.isEmpty())
                m_colours.emplace(name.toCaseFolded(), id);
        for (size_t i = 0; i < mapping.size(); ++i)
            if (mapping[i] != CsvField::Ignore)
                m_column[size_t(mapping[i])] = int(i);
    }

    bool Has(CsvField f) const { return m_column[size_t(f)] >= 0; }
    QString Get(const CsvRecord& r, CsvField f) const {
        const int c = m_column[size_t(f)];
        return c >= 0 && c < r.fields.size() ? r.fields[c] : QString();
    }

    // The band of a row, from the whole band or its parts; empty with a reason when wrong.
    bool RowBand(const CsvRecord& r, BandParts& parts, QString& reason) const {
        for (CsvField f :
             {CsvField::Band, CsvField::Country, CsvField::Union, CsvField::Year, CsvField::Ring})
            if (Get(r, f).contains(u'\n') || Get(r, f).contains(u'\r')) {
                reason = u"the band \"%1\" holds a line break; a band is one line."_s.arg(
                    Get(r, f).simplified());
                return false;
            }
        parts = SplitBand(Get(r, CsvField::Band));
        const auto over = [&](CsvField f, QString& part) {
            if (Has(f) && !Get(r, f).trimmed().isEmpty())
                part = Get(r, f).trimmed();
        };
        over(CsvField::Country, parts.country);
        over(CsvField::Union, parts.branch);
        over(CsvField::Year, parts.year);
        over(CsvField::Ring, parts.ring);
        if (parts.ring.isEmpty()) {
            reason = u"no band number."_s;
            return false;
        }
        return true;
    }

    // A stored or new pigeon by band: 0 when none, -1 with a reason when more than one.
    int Resolve(const QString& band, QString& reason) const {
        std::vector<int> refs = m_stored.Find(band);
        const std::vector<int>& fresh = m_new.Find(band);
        refs.insert(refs.end(), fresh.begin(), fresh.end());
        if (refs.size() > 1) {
            reason = u"the band \"%1\" matches %2 pigeons; give it in full."_s.arg(band).arg(
                refs.size());
            return -1;
        }
        return refs.empty() ? 0 : refs.front();
    }

    int AddNew(const BandParts& parts) {
        PigeonRecord p;
        p.idLoft = m_data.CurrentLoftId();
        p.country = parts.country;
        p.branch = parts.branch;
        p.year = parts.year;
        p.ringNumber = parts.ring;
        p.dateAdded = QDateTime::currentSecsSinceEpoch();
        m_plan.newPigeons.push_back(p);
        m_plan.newColourOf.push_back(-1);
        m_plan.parents.push_back({});
        const int ref = -int(m_plan.newPigeons.size());
        m_new.Add(PigeonBand(p), ref);
        return ref;
    }

    bool Date(const CsvRecord& r, CsvField f, qint64& time, QString& reason) const {
        const QString text = Get(r, f).trimmed();
        if (text.isEmpty())
            return true;
        int y = 0, m = 0, d = 0;
        if (!ParseCsvDate(text, y, m, d)) {
            reason = u"\"%1\" is not a date (%2)."_s.arg(text, CsvFieldName(f));
            return false;
        }
        time = ComposeLocalTime(y, m, d, 1, 1, 1);
        return true;
    }

    void PigeonRows(const std::vector<CsvRecord>& records) {
        // New pigeons first, so that a parent further down the file is found.
        std::vector<std::pair<const CsvRecord*, int>> rows;
        for (size_t i = 1; i < records.size(); ++i) {
            const CsvRecord& r = records[i];
            BandParts parts;
            QString reason;
            if (!RowBand(r, parts, reason)) {
                Problem(r, reason);
                continue;
            }
            const QString band = BandText(parts.country, parts.branch, parts.year, parts.ring);
            if (!m_stored.Find(band).empty() || !m_new.Find(band).empty()) {
                Problem(r, u"the band \"%1\" is already registered in this loft."_s.arg(band));
                continue;
            }
            const int ref = AddNew(parts);
            PigeonRecord& p = m_plan.newPigeons.back();
            p.name = Get(r, CsvField::Name).trimmed();
            p.notesGeneral = Get(r, CsvField::Remarks);
            bool sexOk = true;
            p.sex = ParseSex(Get(r, CsvField::Sex), sexOk);
            if (!sexOk)
                reason = u"\"%1\" is not a sex (Cock or Hen)."_s.arg(Get(r, CsvField::Sex));
            if (reason.isEmpty() && Date(r, CsvField::DateOfBirth, p.dateOfBirth, reason) &&
                Date(r, CsvField::DatePurchased, p.datePurchased, reason))
                Date(r, CsvField::DateSold, p.dateSold, reason);
            if (!reason.isEmpty())
                Problem(r, reason);
            const QString colour = Get(r, CsvField::Colour).trimmed();
            p.phenotype = colour;
            if (!colour.isEmpty()) {
                if (const auto found = m_colours.find(colour.toCaseFolded());
                    found != m_colours.end()) {
                    p.idColour = found->second;
                } else {
                    qsizetype index = -1;
                    for (qsizetype c = 0; c < m_plan.newColours.size() && index < 0; ++c)
                        if (m_plan.newColours[c].compare(colour, Qt::CaseInsensitive) == 0)
                            index = c;
                    if (index < 0) {
                        index = m_plan.newColours.size();
                        m_plan.newColours.append(colour);
                    }
                    m_plan.newColourOf.back() = int(index);
                }
            }
            rows.emplace_back(&r, ref);
        }
        for (const auto& [r, ref] : rows) {
            auto& parents = m_plan.parents[size_t(-ref - 1)];
            Parent(*r, CsvField::Sire, ref, parents.sire);
            Parent(*r, CsvField::Dam, ref, parents.dam);
        }
    }

    void Parent(const CsvRecord& r, CsvField f, int self, int& parent) {
        const QString band = Get(r, f).trimmed();
        if (band.isEmpty())
            return;
        QString reason;
        const int ref = Resolve(band, reason);
        if (ref == -1 && !reason.isEmpty())
            return Problem(r, CsvFieldName(f) + u": "_s + reason);
        if (ref == self)
            return Problem(r, u"a pigeon cannot be its own %1."_s.arg(CsvFieldName(f).toLower()));
        if (ref != 0) {
            parent = ref;
        } else if (m_options.createMissing) {
            parent = AddNew(SplitBand(band));
        } else {
            ++m_plan.skipped;
        }
    }

    void EntryRows(const std::vector<CsvRecord>& records, const RaceRecord& race) {
        LocalFields release;
        const bool hasRelease = SplitLocalTime(race.czasodlotu, release);
        std::unordered_map<int, int> lineOf; // pigeon ref → line of its entry
        for (size_t i = 1; i < records.size(); ++i) {
            const CsvRecord& r = records[i];
            BandParts parts;
            QString reason;
            if (!RowBand(r, parts, reason)) {
                Problem(r, reason);
                continue;
            }
            FlyerRecord flyer;
            flyer.id_lotu = race.id;
            flyer.id_hodowli = m_data.CurrentLoftId();
            if (!Arrival(r, hasRelease ? &release : nullptr, race.czasodlotu,
                         flyer.DataCzasPrzylotu, reason) ||
                !Figures(r, flyer, reason)) {
                Problem(r, reason);
                continue;
            }
            flyer.notatki = Get(r, CsvField::Remarks);
            const QString band = BandText(parts.country, parts.branch, parts.year, parts.ring);
            int ref = Resolve(band, reason);
            if (ref == -1) {
                Problem(r, reason);
                continue;
            }
            if (ref == 0) {
                if (!m_options.createMissing) {
                    ++m_plan.skipped;
                    continue;
                }
                if (m_options.categoryId < 1) {
                    Problem(r, u"the band \"%1\" matches no pigeon, and no category is chosen "
                               u"for new pigeons."_s.arg(band));
                    continue;
                }
                ref = AddNew(parts);
            }
            if (const auto [at, added] = lineOf.emplace(ref, r.line); !added) {
                Problem(r, u"the band \"%1\" is also on line %2."_s.arg(band).arg(at->second));
                continue;
            }
            m_plan.entries.push_back(flyer);
            m_plan.entryPigeon.push_back(ref);
        }
    }

    bool Arrival(const CsvRecord& r, const LocalFields* release, qint64 releaseTime, qint64& time,
                 QString& reason) const {
        QString date = Get(r, CsvField::ArrivalDate).trimmed();
        QString clock = Get(r, CsvField::ArrivalTime).trimmed();
        if (Has(CsvField::Arrival)) {
            QStringList both = Get(r, CsvField::Arrival)
                                   .trimmed()
                                   .split(QRegularExpression(u"[\\sT,]+"_s), Qt::SkipEmptyParts);
            if (both.size() == 2) {
                date = both[0];
                clock = both[1];
            } else if (both.size() == 1) {
                clock = both[0];
            }
        }
        if (clock.isEmpty()) {
            reason = u"no arrival time."_s;
            return false;
        }
        int seconds = 0;
        if (!ParseCsvTime(clock, seconds)) {
            reason =
                u"\"%1\" is not a time of day (hours 0-23, minutes and seconds 0-59)."_s.arg(clock);
            return false;
        }
        int y = 0, m = 0, d = 0;
        if (!date.isEmpty()) {
            if (!ParseCsvDate(date, y, m, d)) {
                reason = u"\"%1\" is not a date."_s.arg(date);
                return false;
            }
        } else if (release) {
            y = release->year;
            m = release->month;
            d = release->day;
        } else {
            reason = u"no arrival date, and the race has no release time."_s;
            return false;
        }
        time = ComposeLocalTime(y, m, d, seconds / 3600, seconds / 60 % 60, seconds % 60);
        // A time alone before the release is the next day's.
        if (date.isEmpty() && releaseTime != -1 && time < releaseTime)
            time = ComposeLocalTime(y, m, d + 1, seconds / 3600, seconds / 60 % 60, seconds % 60);
        return true;
    }

    bool Figures(const CsvRecord& r, FlyerRecord& f, QString& reason) const {
        const std::pair<CsvField, int*> wholes[] = {
            {CsvField::PositionUnion, &f.nr_konkursu},
            {CsvField::PositionClub, &f.nr_konkursu_sekcja}};
        for (const auto& [field, target] : wholes)
            if (!ParseWhole(Get(r, field), *target)) {
                reason =
                    u"\"%1\" is not a whole number (%2)."_s.arg(Get(r, field), CsvFieldName(field));
                return false;
            }
        const std::pair<CsvField, float*> reals[] = {
            {CsvField::CoefficientUnion, &f.CoefficientOddzialowy},
            {CsvField::CoefficientClub, &f.CoefficientSekcyjny},
            {CsvField::PointsUnion, &f.PunktyOddzial},
            {CsvField::PointsClub, &f.PunktySekcja}};
        for (const auto& [field, target] : reals)
            if (const auto number = ParseRealNumber(Get(r, field)))
                *target = float(*number);
            else {
                reason = u"\"%1\" is not a number (%2)."_s.arg(Get(r, field), CsvFieldName(field));
                return false;
            }
        return true;
    }

    void Problem(const CsvRecord& r, const QString& reason) {
        m_plan.problems.push_back({r.line, reason});
    }

private:
    const AppData& m_data;
    const CsvMapping& m_mapping;
    const CsvImportOptions& m_options;
    CsvImportPlan& m_plan;
    BandIndex m_stored;
    BandIndex m_new;
    std::unordered_map<QString, int, TextHash> m_colours;
    std::array<int, std::size(kFields)> m_column;
};

} // namespace

CsvImportPlan PlanCsvImport(const AppData& data, const std::vector<CsvRecord>& records,
                            const CsvMapping& mapping, const CsvImportOptions& options) {
    CsvImportPlan plan;
    if (records.empty()) {
        plan.error = u"The file holds no rows."_s;
        return plan;
    }
    const QStringList& header = records.front().fields;
    if (header.size() == 1) {
        for (const QChar other : {u';', u',', u'\t'})
            if (header.front().contains(other)) {
                plan.error =
                    u"The file splits into one column only: its delimiter is not the "
                    u"one chosen. Choose \"%1\"."_s.arg(other == u'\t' ? u"TAB"_s : QString(other));
                return plan;
            }
    }
    Planner planner(data, mapping, options, plan);
    const bool band = planner.Has(CsvField::Band) || planner.Has(CsvField::Ring);
    const bool arrival = planner.Has(CsvField::Arrival) || planner.Has(CsvField::ArrivalTime);
    const bool entries = options.kind == CsvImportKind::Entries;
    if (!band || (entries && !arrival)) {
        plan.error = u"No column is chosen for \"%1\": the file needs one."_s.arg(
            !band ? u"Whole band"_s : u"Arrival time"_s);
        return plan;
    }
    for (size_t i = 1; i < records.size(); ++i)
        if (records[i].fields.size() != header.size())
            planner.Problem(records[i],
                            u"%1 fields where the header has %2."_s.arg(records[i].fields.size())
                                .arg(header.size()));
    if (!plan.problems.empty())
        return plan;
    if (entries) {
        const int index = RaceIndexOf(data, options.raceId);
        if (index < 0) {
            plan.error = u"There is no race %1."_s.arg(options.raceId);
            return plan;
        }
        planner.EntryRows(records, data.races[size_t(index)]);
    } else {
        if (options.categoryId < 1) {
            plan.error = u"Choose a category for the pigeons."_s;
            return plan;
        }
        planner.PigeonRows(records);
    }
    if (plan.ok() && plan.newPigeons.empty() && plan.entries.empty())
        plan.error = u"No row of the file can be imported (%1 skipped)."_s.arg(plan.skipped);
    return plan;
}

DbResult ApplyCsvImport(AppData& data, CsvImportPlan& plan, const CsvImportOptions& options) {
    if (!plan.ok())
        return DbResult::Failed(plan.Message());
    // The colours live in the other file: stored first, and taken out again if the rest fails.
    std::vector<int> colourIds;
    if (!plan.newColours.isEmpty()) {
        DbSession extra;
        if (!extra.Open(ExtraDbPath()))
            return ResultOfFailure(extra);
        DbTransaction transaction(extra);
        if (!transaction.Begun())
            return ResultOfFailure(extra);
        for (const QString& name : std::as_const(plan.newColours)) {
            if (DbResult r = extra.Run(u"INSERT INTO kolory(nazwa, id_hodowli) VALUES ( ?, ? );"_s,
                                       {name, data.CurrentLoftId()});
                !r.ok())
                return r;
            colourIds.push_back(extra.LastInsertId());
        }
        if (DbResult r = transaction.Commit(); !r.ok())
            return r;
    }
    auto undoColours = qScopeGuard([&] {
        for (int id : colourIds)
            DbSession::Execute(ExtraDbPath(), u"DELETE FROM kolory WHERE id = ?;"_s, {id});
    });
    for (size_t i = 0; i < plan.newPigeons.size(); ++i) {
        if (plan.newColourOf[i] >= 0)
            plan.newPigeons[i].idColour = colourIds[size_t(plan.newColourOf[i])];
        // Stored parents are known now; new ones once their ids are.
        const auto& parents = plan.parents[i];
        plan.newPigeons[i].idSire = std::max(parents.sire, 0);
        plan.newPigeons[i].idDam = std::max(parents.dam, 0);
    }
    const auto idOf = [](const std::vector<PigeonRecord>& added, int ref) {
        return ref < 0 ? added[size_t(-ref - 1)].id : ref;
    };
    const auto tail = [&](DbSession& session, std::vector<PigeonRecord>& added) {
        for (size_t i = 0; i < added.size(); ++i) {
            const auto& parents = plan.parents[i];
            if (parents.sire >= 0 && parents.dam >= 0)
                continue;
            added[i].idSire = parents.sire ? idOf(added, parents.sire) : 0;
            added[i].idDam = parents.dam ? idOf(added, parents.dam) : 0;
            if (DbResult r = session.Run(u"UPDATE pigeons SET id_ojca = ?, id_matki = ? "
                                         u"WHERE id = ?;"_s,
                                         {added[i].idSire, added[i].idDam, added[i].id});
                !r.ok())
                return r;
        }
        const QString insert =
            u"INSERT INTO lotniki (notatki, id_lotu, id_hodowli, id_golebia, DataCzasPrzylotu, "
            u"nr_konkursu, nr_konkursu_sekcja, CoefficientOddzialowy, CoefficientSekcyjny, "
            u"PunktyOddzial, PunktySekcja) VALUES ( ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ? );"_s;
        for (size_t i = 0; i < plan.entries.size(); ++i) {
            FlyerRecord& f = plan.entries[i];
            f.id_golebia = idOf(added, plan.entryPigeon[i]);
            if (DbResult r = session.Run(
                    insert, {f.notatki, f.id_lotu, f.id_hodowli, f.id_golebia, f.DataCzasPrzylotu,
                             f.nr_konkursu, f.nr_konkursu_sekcja, f.CoefficientOddzialowy,
                             f.CoefficientSekcyjny, f.PunktyOddzial, f.PunktySekcja});
                !r.ok())
                return r;
            f.id = session.LastInsertId();
        }
        return DbResult::Done();
    };
    const DbResult result = data.AddPigeonsWith(plan.newPigeons, options.categoryId, tail);
    if (!result.ok())
        return result;
    undoColours.dismiss();
    for (size_t c = 0; c < colourIds.size(); ++c)
        data.colours[colourIds[c]] = plan.newColours[qsizetype(c)];
    for (const FlyerRecord& flyer : plan.entries)
        AddLoadedFlyer(data, flyer);
    if (data.currentLoft >= 0 && size_t(data.currentLoft) < data.lofts.size())
        data.lofts[size_t(data.currentLoft)].pigeonCount += int(plan.newPigeons.size());
    return result;
}
