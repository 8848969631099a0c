// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The RTF control words the reader acts on. Every other word is read and
// ignored; an unknown word after \* skips its whole group.

#include <string_view>

namespace richtext {

enum class RtfAction {
    // Character formatting; the parameter is the value (toggles: absent or
    // non-zero means on).
    Bold, Italic, Underline, UnderlineNone, StrikeOut, Hidden,
    FontNumber, FontSize, Colour, Plain,
    // Document and font table.
    Rtf, AnsiCodePage, DefaultFont, FontCharset, FontTable, ColourTable,
    Red, Green, Blue,
    // Unicode characters and their fall-back.
    Unicode, UnicodeSkip, UnicodePair, UnicodeText,
    // A character or a break of the text; the character is in the entry.
    Character, ParagraphBreak, LineBreak,
    // Groups whose content is not text of the document.
    SkipDestination,
    // Raw binary data follows: the parameter is its length in bytes.
    Binary,
};

struct RtfKeyword
{
    std::string_view word;
    RtfAction action;
    char16_t character; // for Character only
};

// The entry of a control word, or nullptr when the reader ignores the word.
const RtfKeyword *findRtfKeyword(std::string_view word);

} // namespace richtext
