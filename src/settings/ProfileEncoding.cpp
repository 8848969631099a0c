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
    QStringDecoder decoder(encoding);
    return decoder(bytes);
}

} // namespace

QString fromWindows1251(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(base::decodeByte(1251, static_cast<unsigned char>(bytes.at(i))));
    return text;
}

DecodedText decodeProfileBytes(const QByteArray &bytes)
{
    if (bytes.startsWith(kUtf8Bom))
        return {decodeWith(QStringConverter::Utf8, bytes.mid(3)), FileEncoding::Utf8WithBom};
    if (bytes.startsWith(kUtf16LEBom))
        return {decodeWith(QStringConverter::Utf16LE, bytes.mid(2)), FileEncoding::Utf16LE};
    if (bytes.startsWith(kUtf16BEBom))
        return {decodeWith(QStringConverter::Utf16BE, bytes.mid(2)), FileEncoding::Utf16BE};

    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return {text, FileEncoding::Utf8};
    return {fromWindows1251(bytes), FileEncoding::Windows1251};
}

QByteArray encodeProfileText(const QString &text, FileEncoding encoding)
{
    switch (encoding) {
    case FileEncoding::Utf16LE: {
        QStringEncoder encoder(QStringConverter::Utf16LE);
        return kUtf16LEBom + QByteArray(encoder(text));
    }
    case FileEncoding::Utf16BE: {
        QStringEncoder encoder(QStringConverter::Utf16BE);
        return kUtf16BEBom + QByteArray(encoder(text));
    }
    case FileEncoding::Utf8WithBom:
        return kUtf8Bom + text.toUtf8();
    case FileEncoding::Utf8:
    case FileEncoding::Windows1251:
        break;
    }
    return text.toUtf8();
}

} // namespace settings
