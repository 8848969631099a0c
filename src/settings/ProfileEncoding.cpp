// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ProfileEncoding.h"

#include "base/CodePages.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace settings {
namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF", 3);
const QByteArray kUtf16LEBom("\xFF\xFE", 2);
const QByteArray kUtf16BEBom("\xFE\xFF", 2);

QString decodeWith(QStringConverter::Encoding encoding, const QByteArray &bytes)
{
    // A byte-order mark inside the text (say a second one at the start)
    // is part of it and must survive a write.
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless
                                         | QStringConverter::Flag::ConvertInitialBom);
    return decoder(bytes);
}

QByteArray encodeWith(QStringConverter::Encoding encoding, const QString &text)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::Stateless);
    return encoder(text);
}

std::optional<QByteArray> toWindows1251(const QString &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = base::encodeWindows1251(text.at(i).unicode());
        if (byte < 0)
            return std::nullopt;
        bytes[i] = char(byte);
    }
    return bytes;
}

} // namespace

QString fromWindows1251(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(base::decodeByte(1251, static_cast<unsigned char>(bytes.at(i))));
    return text;
}

FileEncoding detectEncoding(const QByteArray &bytes)
{
    if (bytes.startsWith(kUtf8Bom))
        return FileEncoding::Utf8WithBom;
    if (bytes.startsWith(kUtf16LEBom))
        return FileEncoding::Utf16LE;
    if (bytes.startsWith(kUtf16BEBom))
        return FileEncoding::Utf16BE;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? FileEncoding::Windows1251 : FileEncoding::Utf8;
}

QByteArray byteOrderMark(FileEncoding encoding)
{
    switch (encoding) {
    case FileEncoding::Utf8WithBom: return kUtf8Bom;
    case FileEncoding::Utf16LE: return kUtf16LEBom;
    case FileEncoding::Utf16BE: return kUtf16BEBom;
    case FileEncoding::Utf8:
    case FileEncoding::Windows1251:
        break;
    }
    return QByteArray();
}

int codeUnitSize(FileEncoding encoding)
{
    return encoding == FileEncoding::Utf16LE || encoding == FileEncoding::Utf16BE ? 2 : 1;
}

qsizetype indexOfLineFeed(const QByteArray &bytes, qsizetype from, FileEncoding encoding)
{
    if (codeUnitSize(encoding) == 1)
        return bytes.indexOf('\n', from);
    const char low = encoding == FileEncoding::Utf16LE ? '\n' : '\0';
    const char high = encoding == FileEncoding::Utf16LE ? '\0' : '\n';
    for (qsizetype i = from; i + 1 < bytes.size(); i += 2) {
        if (bytes.at(i) == low && bytes.at(i + 1) == high)
            return i;
    }
    return -1;
}

QString decodeLine(const QByteArray &bytes, FileEncoding encoding)
{
    switch (encoding) {
    case FileEncoding::Utf16LE: return decodeWith(QStringConverter::Utf16LE, bytes);
    case FileEncoding::Utf16BE: return decodeWith(QStringConverter::Utf16BE, bytes);
    case FileEncoding::Windows1251: return fromWindows1251(bytes);
    case FileEncoding::Utf8:
    case FileEncoding::Utf8WithBom:
        break;
    }
    return decodeWith(QStringConverter::Utf8, bytes);
}

std::optional<QByteArray> encodeLine(const QString &text, FileEncoding encoding)
{
    switch (encoding) {
    case FileEncoding::Utf16LE: return encodeWith(QStringConverter::Utf16LE, text);
    case FileEncoding::Utf16BE: return encodeWith(QStringConverter::Utf16BE, text);
    case FileEncoding::Windows1251: return toWindows1251(text);
    case FileEncoding::Utf8:
    case FileEncoding::Utf8WithBom:
        break;
    }
    return text.toUtf8();
}

} // namespace settings
