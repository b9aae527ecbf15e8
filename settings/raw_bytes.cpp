// SPDX-License-Identifier: MIT
#include "settings/raw_bytes.h"

#include <QUtf8StringView>

#include <algorithm>

namespace erakon {

namespace {

constexpr char16_t kRawByteBase = 0xDC00;

// Where the raw byte at index i of text stands alone, not as the second half
// of a surrogate pair (which UTF-8 never decodes to, but a caller may build).
bool isRawByteAt(QStringView text, qsizetype i)
{
    return isRawByte(text[i]) && (i == 0 || !text[i - 1].isHighSurrogate());
}

} // namespace

QString rawBytesAsText(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    std::transform(bytes.begin(), bytes.end(), text.begin(), [](char byte) {
        const auto value = static_cast<unsigned char>(byte);
        return QChar(value < 0x80 ? char16_t(value) : char16_t(kRawByteBase + value));
    });
    return text;
}

QString decodeUtf8KeepingRawBytes(QByteArrayView bytes)
{
    if (QUtf8StringView(bytes.data(), bytes.size()).isValidUtf8())
        return QString::fromUtf8(bytes);
    return rawBytesAsText(bytes);
}

bool containsRawBytes(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isRawByteAt(text, i))
            return true;
    }
    return false;
}

QString textKeepingRawBytes(std::string_view text)
{
    // A surrogate in the three-byte form: ED A0..BF 80..BF, which valid UTF-8 never holds.
    const auto surrogateAt = [&text](std::size_t i) {
        return i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0xA0
            && (static_cast<unsigned char>(text[i + 2]) & 0xC0) == 0x80;
    };
    QString result;
    result.reserve(qsizetype(text.size()));
    std::size_t runStart = 0;
    for (std::size_t i = text.find('\xED'); i != std::string_view::npos; i = text.find('\xED', i + 1)) {
        if (!surrogateAt(i))
            continue;
        result += QString::fromUtf8(text.data() + runStart, qsizetype(i - runStart));
        const auto byte = [&text](std::size_t at) { return char16_t(static_cast<unsigned char>(text[at]) & 0x3F); };
        result += QChar(char16_t(0xD000 | byte(i + 1) << 6 | byte(i + 2)));
        runStart = i + 3;
        i += 2;
    }
    result += QString::fromUtf8(text.data() + runStart, qsizetype(text.size() - runStart));
    return result;
}

QByteArray encodeUtf8KeepingRawBytes(QStringView text)
{
    if (!containsRawBytes(text))
        return text.toUtf8();
    QByteArray bytes;
    bytes.reserve(text.size() * 3);
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isRawByteAt(text, i))
            continue;
        bytes += text.sliced(runStart, i - runStart).toUtf8();
        bytes += char(text[i].unicode() - kRawByteBase);
        runStart = i + 1;
    }
    bytes += text.sliced(runStart).toUtf8();
    return bytes;
}

QString withRawBytesReplaced(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isRawByteAt(text, i))
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

QString decodeFileName(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size());
    qsizetype partStart = 0;
    while (partStart <= bytes.size()) {
        qsizetype slash = bytes.indexOf('/', partStart);
        if (slash < 0)
            slash = bytes.size();
        name += decodeUtf8KeepingRawBytes(bytes.sliced(partStart, slash - partStart));
        if (slash < bytes.size())
            name += u'/';
        partStart = slash + 1;
    }
    return name;
}

QByteArray encodeFileName(QStringView fileName) { return encodeUtf8KeepingRawBytes(fileName); }

} // namespace erakon
