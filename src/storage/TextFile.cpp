// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/TextFile.h"

#include <QFile>
#include <QFileInfo>
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

namespace {

bool Replaceable(const QString& path) {
    // The file is replaced by a rename, which a read-only file would not stop: respect it.
    const QFileInfo existing(path);
    return !existing.exists() || existing.isWritable();
}

// The new file goes; the old one stays as it was.
bool Discard(QSaveFile& file) {
    file.cancelWriting();
    file.commit();
    return false;
}

// QSaveFile::commit() of Qt 6.4 puts the new file in place even when its last flush failed (a
// full disk): the flush and the device's error are checked first.
bool Commit(QSaveFile& file) {
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return Discard(file);
    return file.commit();
}

} // namespace

bool WriteFileBytes(const QString& path, const QByteArray& bytes) {
    if (!Replaceable(path))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    return file.write(bytes) == bytes.size() ? Commit(file) : Discard(file);
}

bool CopyFileChecked(const QString& source, const QString& destination) {
    QFile in(source);
    if (!Replaceable(destination) || !in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    bool ok = true;
    while (ok && !in.atEnd()) {
        const QByteArray block = in.read(1 << 20);
        ok = !block.isEmpty() && out.write(block) == block.size();
    }
    return ok && in.error() == QFileDevice::NoError ? Commit(out) : Discard(out);
}

bool WriteTextFile(const QString& path, const QString& text) {
    QString body = text;
    if (!body.startsWith(QChar(0xFEFF)))
        body.prepend(QChar(0xFEFF));
    QStringEncoder encoder(QStringConverter::Utf16LE);
    return WriteFileBytes(path, encoder.encode(body));
}
