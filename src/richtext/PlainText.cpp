// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/LogFileFormat.h"

#include "base/CodePages.h"

#include <QStringDecoder>

#include <optional>

namespace richtext {

namespace {

bool hasNonAscii(const QByteArray &data)
{
    for (const char c : data) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    }
    return false;
}

// Null when the data is not UTF-8 through to its last byte.
std::optional<QString> strictUtf8(QByteArrayView data)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(data);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QString decodeWindows1251(QByteArrayView data)
{
    QString text(data.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : data)
        *out++ = QChar(base::decodeByte(1251, static_cast<unsigned char>(c)));
    return text;
}

QString decodeUtf16(QByteArrayView data, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding);
    return decoder.decode(data);
}

// CRLF, LF and a lone CR each end a line; all become '\n'.
QString normalizeLineEnds(QString text)
{
    if (!text.contains(u'\r'))
        return text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace

QString decodePlainText(const QByteArray &data)
{
    const QByteArrayView bytes(data);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return normalizeLineEnds(QString::fromUtf8(bytes.sliced(3)));
    // Notepad's "Unicode" files: Windows-1251 would turn them into garbage
    // with a zero between the letters.
    if (bytes.startsWith("\xFF\xFE"))
        return normalizeLineEnds(decodeUtf16(bytes.sliced(2), QStringConverter::Utf16LE));
    if (bytes.startsWith("\xFE\xFF"))
        return normalizeLineEnds(decodeUtf16(bytes.sliced(2), QStringConverter::Utf16BE));
    if (hasNonAscii(data)) {
        // Windows-1251 text in Russian is practically never valid UTF-8.
        if (const auto utf8 = strictUtf8(bytes))
            return normalizeLineEnds(*utf8);
    }
    return normalizeLineEnds(decodeWindows1251(bytes));
}

} // namespace richtext
