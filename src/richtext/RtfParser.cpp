// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/RtfParser.h"

#include "base/CodePages.h"
#include "richtext/RtfKeywords.h"

#include <QColor>
#include <QFont>

#include <algorithm>
#include <tuple>

namespace richtext {

namespace {

constexpr int kMaxKeywordLength = 32;
constexpr int kMaxHalfPoints = 3276; // 1638 points, the most RTF describes
constexpr int kMaxUnicodeSkip = 255;

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Bytes that end a stretch of plain text.
bool isSpecial(char c)
{
    return c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n';
}

} // namespace

bool RtfParser::CharStyle::operator<(const CharStyle &o) const
{
    return std::tie(font, halfPoints, colour, bold, italic, underline, strikeOut)
        < std::tie(o.font, o.halfPoints, o.colour, o.bold, o.italic, o.underline, o.strikeOut);
}

bool RtfParser::CharStyle::operator==(const CharStyle &o) const
{
    return std::tie(font, halfPoints, colour, bold, italic, underline, strikeOut)
        == std::tie(o.font, o.halfPoints, o.colour, o.bold, o.italic, o.underline, o.strikeOut);
}

RtfParser::RtfParser(const QByteArray &data)
    : m_data(data.constData())
    , m_size(data.size())
{
    // The state outside the document's outermost group.
    m_stack.reserve(64);
    m_stack.push_back(GroupState());
}

qsizetype RtfParser::rtfHeaderStart() const
{
    qsizetype p = 0;
    while (p < m_size && (m_data[p] == ' ' || m_data[p] == '\t' || m_data[p] == '\r' || m_data[p] == '\n'))
        ++p;
    const std::string_view rest(m_data + p, std::size_t(m_size - p));
    if (rest.substr(0, 5) != "{\\rtf" || (rest.size() > 5 && isLetter(rest[5])))
        return -1;
    return p;
}

bool RtfParser::parse(QString *error)
{
    m_pos = rtfHeaderStart();
    if (m_pos < 0) {
        if (error)
            *error = QStringLiteral("The data is not RTF: it does not start with {\\rtf");
        return false;
    }
    m_text.reserve(m_size);
    while (m_pos < m_size) {
        switch (m_data[m_pos]) {
        case '{':
            ++m_pos;
            if (!openGroup()) {
                if (error)
                    *error = QStringLiteral("RTF groups are nested more than %1 deep").arg(kMaxNesting);
                return false;
            }
            break;
        case '}':
            ++m_pos;
            if (!closeGroup())
                return true; // the document's group has ended
            break;
        case '\\':
            ++m_pos;
            readControl();
            break;
        case '\r':
        case '\n':
            ++m_pos; // line ends of the RTF source are not text
            break;
        default:
            readText();
            break;
        }
    }
    return true; // cut short: keep what was read
}

bool RtfParser::openGroup()
{
    if (int(m_stack.size()) > kMaxNesting)
        return false;
    m_stack.push_back(m_stack.back());
    m_pendingSkip = 0;
    m_ignorableDestination = false;
    return true;
}

bool RtfParser::closeGroup()
{
    if (state().destination == Destination::FontTable && m_entryOpen)
        commitFontEntry();
    m_stack.pop_back();
    m_pendingSkip = 0;
    m_ignorableDestination = false;
    return m_stack.size() > 1;
}

void RtfParser::readControl()
{
    if (m_pos >= m_size)
        return;
    if (!isLetter(m_data[m_pos])) {
        handleSymbol(m_data[m_pos++]);
        return;
    }

    const qsizetype start = m_pos;
    while (m_pos < m_size && isLetter(m_data[m_pos]))
        ++m_pos;
    const qsizetype length = m_pos - start;

    bool negative = false;
    if (m_pos + 1 < m_size && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    bool hasParameter = false;
    long long value = 0;
    while (m_pos < m_size && isDigit(m_data[m_pos])) {
        hasParameter = true;
        // Saturate: a hostile parameter of any length reads as a huge one.
        value = std::min<long long>(value * 10 + (m_data[m_pos] - '0'), 0x7fffffffLL);
        ++m_pos;
    }
    if (m_pos < m_size && m_data[m_pos] == ' ')
        ++m_pos; // the blank that ends a control word belongs to it

    const RtfKeyword *keyword = length <= kMaxKeywordLength
        ? findRtfKeyword(std::string_view(m_data + start, std::size_t(length)))
        : nullptr;
    handleWord(keyword, hasParameter, int(negative ? -value : value));
}

void RtfParser::skipBinary(int length)
{
    if (length > 0)
        m_pos += std::min<qsizetype>(length, m_size - m_pos);
}

void RtfParser::handleWord(const RtfKeyword *keyword, bool hasParameter, int parameter)
{
    const bool ignorable = m_ignorableDestination;
    m_ignorableDestination = false;

    // Raw bytes must be passed over wherever they stand, or they would be
    // read as RTF.
    if (keyword && keyword->action == RtfAction::Binary) {
        skipBinary(hasParameter ? parameter : 0);
        if (m_pendingSkip > 0)
            --m_pendingSkip;
        return;
    }
    if (m_pendingSkip > 0) {
        --m_pendingSkip; // a control word counts as one fall-back character
        return;
    }

    GroupState &s = state();
    if (s.destination == Destination::Skip)
        return;
    if (ignorable && !(keyword && keyword->action == RtfAction::UnicodeText)) {
        s.destination = Destination::Skip;
        return;
    }
    if (!keyword)
        return;

    const bool on = !hasParameter || parameter != 0;
    switch (keyword->action) {
    case RtfAction::Bold:
        s.style.bold = on;
        break;
    case RtfAction::Italic:
        s.style.italic = on;
        break;
    case RtfAction::Underline:
        s.style.underline = on;
        break;
    case RtfAction::UnderlineNone:
        s.style.underline = false;
        break;
    case RtfAction::StrikeOut:
        s.style.strikeOut = on;
        break;
    case RtfAction::Hidden:
        s.hidden = on;
        break;
    case RtfAction::FontNumber:
        if (s.destination == Destination::FontTable)
            startFontEntry(hasParameter ? parameter : 0);
        else
            s.style.font = hasParameter ? std::max(parameter, 0) : 0;
        break;
    case RtfAction::FontSize:
        if (!hasParameter)
            s.style.halfPoints = 24;
        else
            s.style.halfPoints = parameter > 0 ? std::min(parameter, kMaxHalfPoints) : 0;
        break;
    case RtfAction::Colour:
        s.style.colour = hasParameter ? std::max(parameter, 0) : 0;
        break;
    case RtfAction::Plain:
        s.style = CharStyle();
        s.hidden = false;
        break;
    case RtfAction::Rtf:
        break;
    case RtfAction::AnsiCodePage:
        m_ansiCodePage = base::hasCodePageTable(parameter) ? parameter : 1252;
        m_codePageFont = -2;
        break;
    case RtfAction::DefaultFont:
        m_defaultFont = hasParameter ? std::max(parameter, 0) : 0;
        m_codePageFont = -2;
        break;
    case RtfAction::FontCharset:
        if (s.destination == Destination::FontTable)
            m_entryCharset = parameter;
        break;
    case RtfAction::FontTable:
        s.destination = Destination::FontTable;
        m_entryOpen = false;
        break;
    case RtfAction::ColourTable:
        s.destination = Destination::ColourTable;
        m_colours.clear();
        m_colourDefined = false;
        m_red = m_green = m_blue = 0;
        break;
    case RtfAction::Red:
    case RtfAction::Green:
    case RtfAction::Blue:
        if (s.destination == Destination::ColourTable) {
            const int component = std::clamp(parameter, 0, 255);
            (keyword->action == RtfAction::Red ? m_red : keyword->action == RtfAction::Green ? m_green : m_blue) = component;
            m_colourDefined = true;
        }
        break;
    case RtfAction::Unicode:
        if (hasParameter) {
            // Values above 32767 are written as negative 16-bit numbers.
            const int code = parameter < 0 ? parameter + 65536 : parameter;
            if (code >= 0 && code <= 0xFFFF)
                emitData(char16_t(code));
        }
        m_pendingSkip = s.unicodeSkip;
        break;
    case RtfAction::UnicodeSkip:
        s.unicodeSkip = std::clamp(hasParameter ? parameter : 1, 0, kMaxUnicodeSkip);
        break;
    case RtfAction::UnicodePair:
        s.afterAnsiAlternative = s.destination;
        s.destination = Destination::AnsiAlternative;
        break;
    case RtfAction::UnicodeText:
        if (s.destination == Destination::AnsiAlternative)
            s.destination = s.afterAnsiAlternative;
        break;
    case RtfAction::Character:
        emitCharacter(keyword->character);
        break;
    case RtfAction::ParagraphBreak:
        emitBreak(QChar::ParagraphSeparator);
        break;
    case RtfAction::LineBreak:
        emitBreak(QChar::LineSeparator);
        break;
    case RtfAction::SkipDestination:
        s.destination = Destination::Skip;
        break;
    case RtfAction::Binary:
        break;
    }
}

void RtfParser::handleSymbol(char symbol)
{
    if (symbol == '\'') {
        int byte = -1;
        if (m_pos < m_size && hexValue(m_data[m_pos]) >= 0) {
            byte = hexValue(m_data[m_pos++]);
            if (m_pos < m_size && hexValue(m_data[m_pos]) >= 0)
                byte = byte * 16 + hexValue(m_data[m_pos++]);
        }
        if (m_pendingSkip > 0) {
            --m_pendingSkip;
            return;
        }
        if (byte < 0)
            return;
        const Destination d = state().destination;
        if (d == Destination::Text)
            emitData(base::decodeByte(textCodePage(), static_cast<unsigned char>(byte)));
        else if (d == Destination::FontTable)
            emitData(byte == ';' ? u';' : base::decodeByte(fontTableCodePage(), static_cast<unsigned char>(byte)));
        return;
    }
    if (m_pendingSkip > 0) {
        --m_pendingSkip;
        return;
    }
    switch (symbol) {
    case '*':
        m_ignorableDestination = true;
        break;
    case '\\':
    case '{':
    case '}':
        emitCharacter(char16_t(symbol));
        break;
    case '~':
        emitCharacter(0x00A0); // no-break space
        break;
    case '-':
        emitCharacter(0x00AD); // optional hyphen
        break;
    case '_':
        emitCharacter(0x2011); // no-break hyphen
        break;
    case '\r':
    case '\n':
        emitBreak(QChar::ParagraphSeparator); // a backslash before a line end means \par
        break;
    default:
        break;
    }
}

void RtfParser::readText()
{
    qsizetype start = m_pos;
    while (m_pos < m_size && !isSpecial(m_data[m_pos]))
        ++m_pos;
    if (m_pendingSkip > 0) {
        const qsizetype skipped = std::min<qsizetype>(m_pendingSkip, m_pos - start);
        start += skipped;
        m_pendingSkip -= int(skipped);
    }

    const GroupState &s = state();
    switch (s.destination) {
    case Destination::Text: {
        if (s.hidden)
            return;
        selectFormat();
        const int codePage = textCodePage();
        for (qsizetype p = start; p < m_pos; ++p) {
            const auto byte = static_cast<unsigned char>(m_data[p]);
            if (byte >= 0x20 && byte < 0x7F)
                m_text.append(byte);
            else
                emitData(base::decodeByte(codePage, byte));
        }
        break;
    }
    case Destination::FontTable:
        for (qsizetype p = start; p < m_pos; ++p) {
            if (m_data[p] == ';')
                commitFontEntry();
            else
                emitData(base::decodeByte(fontTableCodePage(), static_cast<unsigned char>(m_data[p])));
        }
        break;
    case Destination::ColourTable:
        for (qsizetype p = start; p < m_pos; ++p) {
            if (m_data[p] == ';')
                commitColour();
        }
        break;
    case Destination::Skip:
    case Destination::AnsiAlternative:
        break;
    }
}

// A character that comes from the file's data (a byte, \'hh or \uN): line
// ends and other control characters must not pass as text, since the
// document would read some of them as its own structure.
void RtfParser::emitData(char16_t character)
{
    if (character >= 0x20) {
        // Delete, the document's frame markers, and the place-holder of an
        // embedded object that is not there.
        if (character == 0x7F || character == 0xFDD0 || character == 0xFDD1
            || character == QChar::ObjectReplacementCharacter)
            return;
        if (character == QChar::ParagraphSeparator || character == QChar::LineSeparator)
            emitBreak(character);
        else
            emitCharacter(character);
        return;
    }
    switch (character) {
    case u'\t':
        emitCharacter(character);
        break;
    case u'\r':
    case u'\n':
        emitBreak(QChar::ParagraphSeparator);
        break;
    case 0x0B: // vertical tab: a line break within the paragraph
        emitBreak(QChar::LineSeparator);
        break;
    default:
        break;
    }
}

void RtfParser::emitCharacter(char16_t character)
{
    const GroupState &s = state();
    if (s.destination == Destination::Text) {
        if (s.hidden)
            return;
        selectFormat();
        m_text.append(character);
    } else if (s.destination == Destination::FontTable && m_entryOpen) {
        m_entryName.append(QChar(character));
    }
}

void RtfParser::emitBreak(char16_t separator)
{
    const GroupState &s = state();
    if (s.destination != Destination::Text || s.hidden)
        return;
    selectFormat();
    m_text.append(separator);
}

void RtfParser::selectFormat()
{
    CharStyle style = state().style;
    if (style.font < 0)
        style.font = m_defaultFont;
    if (m_haveStyle && style == m_currentStyle)
        return;
    m_haveStyle = true;
    m_currentStyle = style;
    auto it = m_formatIndex.find(style);
    if (it == m_formatIndex.end())
        it = m_formatIndex.emplace(style, m_text.addFormat(makeFormat(style))).first;
    m_text.setFormat(it->second);
}

QTextCharFormat RtfParser::makeFormat(const CharStyle &style) const
{
    QTextCharFormat format;
    const auto font = m_fonts.constFind(style.font);
    if (font != m_fonts.cend() && !font->name.isEmpty())
        format.setFontFamilies({font->name});
    if (style.halfPoints > 0)
        format.setFontPointSize(style.halfPoints / 2.0);
    format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style.italic);
    format.setFontUnderline(style.underline);
    format.setFontStrikeOut(style.strikeOut);
    // \cf0 is the automatic colour even where the table defines entry 0
    // (AbiWord writes black there): the text then follows the palette.
    if (style.colour > 0 && std::size_t(style.colour) < m_colours.size() && m_colours[std::size_t(style.colour)])
        format.setForeground(QColor(*m_colours[std::size_t(style.colour)]));
    return format;
}

int RtfParser::textCodePage()
{
    int font = state().style.font;
    if (font < 0)
        font = m_defaultFont;
    if (font != m_codePageFont) {
        m_codePageFont = font;
        const auto it = m_fonts.constFind(font);
        m_codePage = it != m_fonts.cend() && it->codePage != 0 ? it->codePage : m_ansiCodePage;
    }
    return m_codePage;
}

int RtfParser::fontTableCodePage() const
{
    const int codePage = m_entryCharset >= 0 ? base::codePageOfCharset(m_entryCharset) : 0;
    return codePage != 0 ? codePage : m_ansiCodePage;
}

void RtfParser::startFontEntry(int number)
{
    m_entryOpen = true;
    m_entryNumber = number;
    m_entryCharset = -1;
    m_entryName.clear();
}

void RtfParser::commitFontEntry()
{
    if (!m_entryOpen)
        return;
    Font font;
    font.name = m_entryName.trimmed();
    font.codePage = m_entryCharset >= 0 ? base::codePageOfCharset(m_entryCharset) : 0;
    m_fonts.insert(m_entryNumber, font);
    m_entryOpen = false;
    m_entryName.clear();
    m_codePageFont = -2;
}

void RtfParser::commitColour()
{
    m_colours.push_back(m_colourDefined ? std::optional<QRgb>(qRgb(m_red, m_green, m_blue)) : std::nullopt);
    m_colourDefined = false;
    m_red = m_green = m_blue = 0;
}

} // namespace richtext
