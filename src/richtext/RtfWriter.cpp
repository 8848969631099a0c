// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/RtfWriter.h"

#include "base/CodePages.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextFragment>

#include <algorithm>
#include <cmath>

namespace richtext {

namespace {

constexpr qsizetype kWrapColumn = 200;
const char kHexDigits[] = "0123456789abcdef";

// The face a document names when it names none: the log's design font.
const QString kFallbackFamily = QStringLiteral("Times New Roman");

int halfPointsOf(const QFont &font)
{
    qreal points = font.pointSizeF();
    if (points <= 0 && font.pixelSize() > 0)
        points = font.pixelSize() * 72.0 / 96.0; // Windows' 96 pixels per inch
    if (points <= 0)
        points = 12;
    return std::clamp(int(std::lround(points * 2)), 1, 3276);
}

void appendNumber(QByteArray &out, int n)
{
    out.append(QByteArray::number(n));
}

// Text as RTF: printable ASCII as it is, Windows-1251 as \'hh, the rest as
// \uN. With lineStart given, long paragraphs are broken between characters
// (a line end in the RTF source is no text to any reader).
void appendEscaped(QStringView text, QByteArray &out, qsizetype *lineStart)
{
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (lineStart && out.size() - *lineStart >= kWrapColumn) {
            out.append('\n');
            *lineStart = out.size();
        }
        if (c >= 0x20 && c < 0x7F) {
            if (c == u'\\' || c == u'{' || c == u'}')
                out.append('\\');
            out.append(char(c));
            continue;
        }
        switch (c) {
        case u'\t':
            out.append("\\tab ");
            continue;
        case QChar::LineSeparator:
            out.append("\\line ");
            continue;
        case QChar::ObjectReplacementCharacter:
        case 0xFDD0: // frame markers of the document's structure
        case 0xFDD1:
            continue;
        default:
            break;
        }
        if (c < 0x20 || c == 0x7F)
            continue; // control characters are no text of a log
        const int byte = base::encodeWindows1251(c);
        if (byte >= 0x80) {
            out.append("\\'");
            out.append(kHexDigits[byte >> 4]);
            out.append(kHexDigits[byte & 0xF]);
        } else {
            out.append("\\u");
            appendNumber(out, int(static_cast<short>(c))); // signed 16-bit, as RTF wants
            out.append('?');
        }
    }
}

} // namespace

RtfWriter::RtfWriter(const QTextDocument &document)
    : m_document(document)
    , m_defaultFont(document.defaultFont())
{
    QString family = m_defaultFont.family();
    m_fonts.append(family.isEmpty() ? kFallbackFamily : family);
    m_current.halfPoints = halfPointsOf(m_defaultFont);
}

QByteArray RtfWriter::write()
{
    m_body.reserve(m_document.characterCount() * 2 + 256);
    bool first = true;
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        if (!first) {
            m_body.append("\\par\n");
            m_lineStart = m_body.size();
        }
        first = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            auto cached = m_styleOfFormat.constFind(fragment.charFormatIndex());
            if (cached == m_styleOfFormat.cend())
                cached = m_styleOfFormat.insert(fragment.charFormatIndex(), styleOf(fragment.charFormat()));
            writeStyleChange(*cached);
            appendEscaped(fragment.text(), m_body, &m_lineStart);
        }
    }
    QByteArray rtf = header();
    rtf.reserve(rtf.size() + m_body.size() + 4);
    rtf.append(m_body);
    rtf.append("}\n");
    return rtf;
}

QByteArray RtfWriter::header() const
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl";
    for (int i = 0; i < m_fonts.size(); ++i) {
        out.append("{\\f");
        appendNumber(out, i);
        out.append("\\fnil\\fcharset204 ");
        QString name = m_fonts.at(i);
        name.remove(u';'); // would end the entry early
        appendEscaped(name, out, nullptr);
        out.append(";}");
    }
    out.append("}\n");
    if (!m_colours.empty()) {
        out.append("{\\colortbl ;");
        for (QRgb colour : m_colours) {
            out.append("\\red");
            appendNumber(out, qRed(colour));
            out.append("\\green");
            appendNumber(out, qGreen(colour));
            out.append("\\blue");
            appendNumber(out, qBlue(colour));
            out.append(';');
        }
        out.append("}\n");
    }
    // LibreOffice takes a file without a generator for one of Word's and
    // turns runs of blanks into pairs of narrow and normal spaces; the
    // log's indented lines must keep their blanks.
    out.append("{\\*\\generator Bandimor;}");
    // The body starts in the default font; styleOf() gave every run its
    // face and size, so only the changes follow.
    out.append("\\viewkind4\\uc1\\pard\\plain\\f0\\fs");
    appendNumber(out, halfPointsOf(m_defaultFont));
    out.append(' ');
    return out;
}

RtfWriter::RunStyle RtfWriter::styleOf(const QTextCharFormat &format)
{
    const QFont font = format.font().resolve(m_defaultFont);
    RunStyle style;
    const QString family = font.family();
    style.font = family.isEmpty() ? 0 : fontIndex(family);
    style.halfPoints = halfPointsOf(font);
    style.bold = font.weight() >= QFont::DemiBold;
    style.italic = font.italic();
    style.underline = font.underline();
    style.strikeOut = font.strikeOut();
    const QBrush foreground = format.foreground();
    style.colour = foreground.style() == Qt::NoBrush ? 0 : colourIndex(foreground.color().rgb());
    return style;
}

int RtfWriter::fontIndex(const QString &family)
{
    const int index = int(m_fonts.indexOf(family));
    if (index >= 0)
        return index;
    m_fonts.append(family);
    return int(m_fonts.size()) - 1;
}

int RtfWriter::colourIndex(QRgb colour)
{
    colour = qRgb(qRed(colour), qGreen(colour), qBlue(colour)); // RTF has no alpha
    const auto it = std::find(m_colours.begin(), m_colours.end(), colour);
    if (it != m_colours.end())
        return int(it - m_colours.begin()) + 1;
    m_colours.push_back(colour);
    return int(m_colours.size()); // entry 0 is the automatic colour
}

void RtfWriter::writeStyleChange(const RunStyle &style)
{
    const qsizetype before = m_body.size();
    if (style.font != m_current.font) {
        m_body.append("\\f");
        appendNumber(m_body, style.font);
    }
    if (style.halfPoints != m_current.halfPoints) {
        m_body.append("\\fs");
        appendNumber(m_body, style.halfPoints);
    }
    if (style.bold != m_current.bold)
        m_body.append(style.bold ? "\\b" : "\\b0");
    if (style.italic != m_current.italic)
        m_body.append(style.italic ? "\\i" : "\\i0");
    if (style.underline != m_current.underline)
        m_body.append(style.underline ? "\\ul" : "\\ulnone");
    if (style.strikeOut != m_current.strikeOut)
        m_body.append(style.strikeOut ? "\\strike" : "\\strike0");
    if (style.colour != m_current.colour) {
        m_body.append("\\cf");
        appendNumber(m_body, style.colour);
    }
    if (m_body.size() != before)
        m_body.append(' ');
    m_current = style;
}

} // namespace richtext
