#include "storage/TextFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The text, or nothing when the bytes are not valid in the encoding.
std::optional<QString> Decode(const QByteArray& data, QStringConverter::Encoding encoding) {
    QStringDecoder decoder(encoding, QStringDecoder::Flag::ConvertInitialBom |
                                         QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(data);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

QString ReadTextFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return u"Error"_s;
    const QByteArray data = file.readAll();
    // A byte-order mark decides; without one the pages this program writes and reads are
    // UTF-16LE. UTF-8 text never holds a zero byte while UTF-16 text of Latin letters is full of
    // them, so a file without zero bytes (or not valid as UTF-16) is read as UTF-8.
    if (const auto marked = QStringConverter::encodingForData(data))
        return Decode(data, *marked).value_or(QString());
    const bool looksUtf16 = data.size() % 2 == 0 && data.contains('\0');
    if (looksUtf16 || !Decode(data, QStringConverter::Utf8))
        if (auto text = Decode(data, QStringConverter::Utf16LE); text && data.size() % 2 == 0)
            return *text;
    QStringDecoder utf8(QStringConverter::Utf8);
    return utf8.decode(data);
}

bool WriteTextFile(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QString body = text;
    if (!body.startsWith(QChar(0xFEFF)))
        body.prepend(QChar(0xFEFF));
    QStringEncoder encoder(QStringConverter::Utf16LE);
    const QByteArray bytes = encoder.encode(body);
    return file.write(bytes) == bytes.size() && file.commit();
}
