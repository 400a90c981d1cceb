// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/Csv.h"

#include "storage/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace {

QString Quoted(const QString& field, QChar delimiter) {
    if (!field.contains(delimiter) && !field.contains(u'"') && !field.contains(u'\n') &&
        !field.contains(u'\r') && !field.startsWith(u' ') && !field.endsWith(u' '))
        return field;
    QString quoted = field;
    quoted.replace(u"\""_s, u"\"\""_s);
    return u'"' + quoted + u'"';
}

void AppendLine(QString& out, const QStringList& fields, QChar delimiter) {
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += delimiter;
        out += Quoted(fields[i], delimiter);
    }
    out += u"\r\n"_s;
}

// Windows-1250 from 0x80 up; 0 marks the five bytes the code page leaves undefined.
constexpr char16_t kCp1250[128] = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021, 0,      0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0,      0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

bool IsControl(char16_t c) {
    return c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r';
}

const QString kNotText = u"The file is not a text file (CSV): it holds bytes no text holds."_s;

} // namespace

QByteArray CsvBytes(const CsvTable& table, QChar delimiter) {
    QString text;
    text.reserve(qsizetype(table.rows.size() + 1) * 80);
    AppendLine(text, table.header, delimiter);
    for (const QStringList& row : table.rows)
        AppendLine(text, row, delimiter);
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

bool WriteCsvFile(const QString& path, const CsvTable& table, QChar delimiter) {
    return WriteFileBytes(path, CsvBytes(table, delimiter));
}

QString CsvEncodingName(CsvEncoding encoding) {
    switch (encoding) {
    case CsvEncoding::Utf8:
        return u"UTF-8"_s;
    case CsvEncoding::Utf16LE:
    case CsvEncoding::Utf16BE:
        return u"UTF-16"_s;
    case CsvEncoding::Windows1250:
        return u"Windows-1250"_s;
    }
    return {};
}

QStringList CsvEncodingNames() {
    return {u"UTF-8"_s, u"UTF-16"_s, u"Windows-1250"_s};
}

bool ReadCsvBytes(const QString& path, QByteArray& bytes, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = u"The file %1 cannot be read: %2"_s.arg(path, file.errorString());
        return false;
    }
    if (file.size() > kCsvMaxBytes) {
        error = u"The file %1 is %2 MB; files of up to %3 MB are read. Split it into smaller "
                u"files."_s.arg(path)
                    .arg(double(file.size()) / (1024 * 1024), 0, 'f', 1)
                    .arg(kCsvMaxBytes / (1024 * 1024));
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = u"The file %1 cannot be read: %2"_s.arg(path, file.errorString());
        return false;
    }
    return true;
}

CsvEncoding GuessCsvEncoding(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE"))
        return CsvEncoding::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return CsvEncoding::Utf16BE;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return CsvEncoding::Utf8;
    // Text of Latin letters in UTF-16 has a zero byte in every other place.
    const qsizetype probe = std::min<qsizetype>(bytes.size() & ~qsizetype(1), 4096);
    int evenZeros = 0;
    int oddZeros = 0;
    for (qsizetype i = 0; i < probe; ++i)
        if (bytes[i] == '\0')
            ++(i % 2 ? oddZeros : evenZeros);
    if (probe > 0 && (oddZeros + evenZeros) * 4 >= probe && (oddZeros == 0 || evenZeros == 0))
        return oddZeros ? CsvEncoding::Utf16LE : CsvEncoding::Utf16BE;
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString decoded = utf8.decode(bytes);
    return utf8.hasError() ? CsvEncoding::Windows1250 : CsvEncoding::Utf8;
}

bool DecodeCsv(const QByteArray& bytes, CsvEncoding encoding, QString& text, QString& error) {
    text.clear();
    if (encoding == CsvEncoding::Windows1250) {
        text.resize(bytes.size());
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            const char16_t c = b < 0x80 ? char16_t(b) : kCp1250[b - 0x80];
            if (c == 0 || IsControl(c)) {
                error = kNotText;
                return false;
            }
            text[i] = QChar(c);
        }
    } else {
        const auto qtEncoding = encoding == CsvEncoding::Utf8      ? QStringConverter::Utf8
                                : encoding == CsvEncoding::Utf16LE ? QStringConverter::Utf16LE
                                                                   : QStringConverter::Utf16BE;
        if (encoding != CsvEncoding::Utf8 && bytes.size() % 2) {
            error = kNotText;
            return false;
        }
        QStringDecoder decoder(qtEncoding);
        text = decoder.decode(bytes);
        if (decoder.hasError()) {
            error = u"The file is not %1 text: choose another encoding."_s.arg(
                CsvEncodingName(encoding));
            return false;
        }
        for (const QChar c : std::as_const(text))
            if (IsControl(c.unicode())) {
                error = kNotText;
                return false;
            }
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return true;
}

QChar GuessCsvDelimiter(const QString& text) {
    // The header row decides: the delimiter that splits it into the most fields.
    const qsizetype end = text.indexOf(u'\n');
    const QString head = end < 0 ? text : text.left(end);
    QChar best = u',';
    qsizetype bestCount = 1;
    for (const QChar delimiter : {u',', u';', u'\t'}) {
        std::vector<CsvRecord> records;
        QString error;
        ParseCsv(head, delimiter, records, error);
        if (!records.empty() && records.front().fields.size() > bestCount) {
            best = delimiter;
            bestCount = records.front().fields.size();
        }
    }
    return best;
}

bool ParseCsv(const QString& text, QChar delimiter, std::vector<CsvRecord>& records,
              QString& error) {
    records.clear();
    int line = 1;
    CsvRecord record;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    int quoteLine = 0;
    const auto endField = [&] {
        record.fields.append(field);
        field.clear();
        fieldStarted = false;
    };
    const auto endRecord = [&] {
        endField();
        const bool empty = record.fields.size() == 1 && record.fields.front().isEmpty();
        if (!empty)
            records.push_back(std::move(record));
        record = CsvRecord{};
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (record.line == 0)
            record.line = line;
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < n && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == u'"' && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
            fieldStarted = true;
            quoteLine = line;
        } else if (c == delimiter) {
            endField();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            endRecord();
            ++line;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        error = u"Line %1: a quoted field is never closed."_s.arg(quoteLine);
        return false;
    }
    if (fieldStarted || !field.isEmpty() || !record.fields.isEmpty())
        endRecord();
    return true;
}
