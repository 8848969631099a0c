#include "settings/ProfileEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace settings {
namespace {

// Windows-1251 from 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F in
// order. 0x98 is unassigned and kept as the control character U+0098.
constexpr char16_t kUpperHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

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
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes.at(i));
        char16_t unit = byte;
        if (byte >= 0xC0)
            unit = char16_t(0x0410 + (byte - 0xC0));
        else if (byte >= 0x80)
            unit = kUpperHalf[byte - 0x80];
        text[i] = QChar(unit);
    }
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
