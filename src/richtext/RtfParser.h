// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The RTF reader: one pass over the bytes with an explicit stack of group
// states (no recursion), producing the text and its character formats.
//
// What the reader accepts:
// - Data is RTF when, after optional blanks and line ends, it starts with
//   "{\rtf" ending the control word there ("{\rtf1", "{\rtf "); anything else
//   is not RTF and reading fails, so the caller falls back to plain text.
// - Groups nested deeper than kMaxNesting fail the whole read: no legitimate
//   document comes near it, and failing keeps hostile files harmless.
// - A file cut short (groups left open, an \'h or \bin running past the end)
//   keeps the text read so far; bytes after the closing brace of the document
//   are ignored, and so is whatever the reader does not know.
// - Nothing in a file makes the reader open anything: fields and objects give
//   their result text, pictures and field instructions are skipped.
// - Text without \ansicpg or a font character set is taken as Windows-1251,
//   the code page of the machines the logs come from; text without \fs keeps
//   the document's default size.

#include "richtext/StyledText.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace richtext {

struct RtfKeyword;

class RtfParser
{
public:
    static constexpr int kMaxNesting = 1000;

    explicit RtfParser(const QByteArray &data);

    // False, with the reason in *error, when the data is not RTF or nests
    // too deep; text() is then incomplete.
    bool parse(QString *error);
    const StyledText &text() const { return m_text; }

private:
    enum class Destination : unsigned char { Text, Skip, FontTable, ColourTable, AnsiAlternative };

    struct CharStyle
    {
        int font = -1; // -1: the \deff font
        int halfPoints = 0; // 0: the document's default size
        int colour = 0;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;

        bool operator<(const CharStyle &other) const;
        bool operator==(const CharStyle &other) const;
    };

    struct GroupState
    {
        Destination destination = Destination::Text;
        Destination afterAnsiAlternative = Destination::Text; // where \ud resumes inside \upr
        CharStyle style;
        bool hidden = false;
        int unicodeSkip = 1;
    };

    struct Font
    {
        QString name;
        int codePage = 0; // 0: the document's \ansicpg
    };

    qsizetype rtfHeaderStart() const; // -1: not RTF
    bool openGroup();
    bool closeGroup();
    void readControl();
    void readText();
    void handleWord(const RtfKeyword *keyword, bool hasParameter, int parameter);
    void handleSymbol(char symbol);
    void skipBinary(int length);

    void emitData(char16_t character);
    void emitCharacter(char16_t character);
    void emitBreak(char16_t separator);
    void selectFormat();
    QTextCharFormat makeFormat(const CharStyle &style) const;
    int textCodePage();
    int fontTableCodePage() const;

    void startFontEntry(int number);
    void commitFontEntry();
    void commitColour();

    GroupState &state() { return m_stack.back(); }

    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;

    std::vector<GroupState> m_stack;
    bool m_ignorableDestination = false; // \* seen, the next word decides
    int m_pendingSkip = 0; // fall-back characters of \u still to skip

    int m_ansiCodePage = 1251;
    int m_defaultFont = -1;
    QHash<int, Font> m_fonts;
    std::vector<std::optional<QRgb>> m_colours; // nullopt: automatic colour

    // The font table entry being read.
    bool m_entryOpen = false;
    int m_entryNumber = 0;
    int m_entryCharset = -1;
    QString m_entryName;

    // The colour table entry being read.
    bool m_colourDefined = false;
    int m_red = 0, m_green = 0, m_blue = 0;

    // The code page of the current font, looked up again when the font or
    // the tables change.
    int m_codePageFont = -2;
    int m_codePage = 1251;

    std::map<CharStyle, int> m_formatIndex;
    bool m_haveStyle = false;
    CharStyle m_currentStyle;

    StyledText m_text;
};

} // namespace richtext
