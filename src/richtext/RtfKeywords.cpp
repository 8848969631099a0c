// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/RtfKeywords.h"

#include <algorithm>
#include <iterator>

namespace richtext {

namespace {

using A = RtfAction;

// Sorted by word for the binary search below.
constexpr RtfKeyword kKeywords[] = {
    {"aftncn", A::SkipDestination, 0},
    {"aftnsep", A::SkipDestination, 0},
    {"aftnsepc", A::SkipDestination, 0},
    {"annotation", A::SkipDestination, 0},
    {"ansicpg", A::AnsiCodePage, 0},
    {"atnauthor", A::SkipDestination, 0},
    {"atnid", A::SkipDestination, 0},
    {"author", A::SkipDestination, 0},
    {"b", A::Bold, 0},
    {"bin", A::Binary, 0},
    {"blue", A::Blue, 0},
    {"bullet", A::Character, 0x2022},
    {"buptim", A::SkipDestination, 0},
    {"category", A::SkipDestination, 0},
    {"cell", A::Character, u'\t'},
    {"cf", A::Colour, 0},
    {"colorschememapping", A::SkipDestination, 0},
    {"colortbl", A::ColourTable, 0},
    {"comment", A::SkipDestination, 0},
    {"company", A::SkipDestination, 0},
    {"creatim", A::SkipDestination, 0},
    {"datastore", A::SkipDestination, 0},
    {"deff", A::DefaultFont, 0},
    {"do", A::SkipDestination, 0},
    {"doccomm", A::SkipDestination, 0},
    {"emdash", A::Character, 0x2014},
    {"emspace", A::Character, 0x2003},
    {"endash", A::Character, 0x2013},
    {"enspace", A::Character, 0x2002},
    {"f", A::FontNumber, 0},
    {"fcharset", A::FontCharset, 0},
    {"filetbl", A::SkipDestination, 0},
    {"fldinst", A::SkipDestination, 0},
    {"fonttbl", A::FontTable, 0},
    {"footer", A::SkipDestination, 0},
    {"footerf", A::SkipDestination, 0},
    {"footerl", A::SkipDestination, 0},
    {"footerr", A::SkipDestination, 0},
    {"footnote", A::SkipDestination, 0},
    {"fs", A::FontSize, 0},
    {"ftncn", A::SkipDestination, 0},
    {"ftnsep", A::SkipDestination, 0},
    {"ftnsepc", A::SkipDestination, 0},
    {"generator", A::SkipDestination, 0},
    {"green", A::Green, 0},
    {"header", A::SkipDestination, 0},
    {"headerf", A::SkipDestination, 0},
    {"headerl", A::SkipDestination, 0},
    {"headerr", A::SkipDestination, 0},
    {"i", A::Italic, 0},
    {"info", A::SkipDestination, 0},
    {"keywords", A::SkipDestination, 0},
    {"latentstyles", A::SkipDestination, 0},
    {"ldblquote", A::Character, 0x201C},
    {"line", A::LineBreak, 0},
    {"listoverridetable", A::SkipDestination, 0},
    {"listtable", A::SkipDestination, 0},
    {"lquote", A::Character, 0x2018},
    {"ltrmark", A::Character, 0x200E},
    {"manager", A::SkipDestination, 0},
    {"nestcell", A::Character, u'\t'},
    {"nestrow", A::ParagraphBreak, 0},
    {"nonshppict", A::SkipDestination, 0},
    {"objclass", A::SkipDestination, 0},
    {"objdata", A::SkipDestination, 0},
    {"operator", A::SkipDestination, 0},
    {"page", A::ParagraphBreak, 0},
    {"par", A::ParagraphBreak, 0},
    {"pgdsctbl", A::SkipDestination, 0},
    {"pict", A::SkipDestination, 0},
    {"plain", A::Plain, 0},
    {"pn", A::SkipDestination, 0},
    {"printim", A::SkipDestination, 0},
    {"qmspace", A::Character, 0x2005},
    {"rdblquote", A::Character, 0x201D},
    {"red", A::Red, 0},
    {"revtbl", A::SkipDestination, 0},
    {"revtim", A::SkipDestination, 0},
    {"row", A::ParagraphBreak, 0},
    {"rquote", A::Character, 0x2019},
    {"rsidtbl", A::SkipDestination, 0},
    {"rtf", A::Rtf, 0},
    {"rtlmark", A::Character, 0x200F},
    {"sect", A::ParagraphBreak, 0},
    {"shppict", A::SkipDestination, 0},
    {"strike", A::StrikeOut, 0},
    {"striked", A::StrikeOut, 0},
    {"stylesheet", A::SkipDestination, 0},
    {"subject", A::SkipDestination, 0},
    {"tab", A::Character, u'\t'},
    {"tc", A::SkipDestination, 0},
    {"template", A::SkipDestination, 0},
    {"themedata", A::SkipDestination, 0},
    {"title", A::SkipDestination, 0},
    {"txe", A::SkipDestination, 0},
    {"u", A::Unicode, 0},
    {"uc", A::UnicodeSkip, 0},
    {"ud", A::UnicodeText, 0},
    {"ul", A::Underline, 0},
    {"uld", A::Underline, 0},
    {"uldash", A::Underline, 0},
    {"uldashd", A::Underline, 0},
    {"uldashdd", A::Underline, 0},
    {"uldb", A::Underline, 0},
    {"ulhwave", A::Underline, 0},
    {"ulnone", A::UnderlineNone, 0},
    {"ulth", A::Underline, 0},
    {"ulw", A::Underline, 0},
    {"ulwave", A::Underline, 0},
    {"upr", A::UnicodePair, 0},
    {"userprops", A::SkipDestination, 0},
    {"v", A::Hidden, 0},
    {"xe", A::SkipDestination, 0},
    {"xmlnstbl", A::SkipDestination, 0},
    {"zwj", A::Character, 0x200D},
    {"zwnj", A::Character, 0x200C},
};

constexpr bool isSorted()
{
    for (std::size_t i = 1; i < std::size(kKeywords); ++i) {
        if (!(kKeywords[i - 1].word < kKeywords[i].word))
            return false;
    }
    return true;
}
static_assert(isSorted(), "the keyword table must stay sorted");

} // namespace

const RtfKeyword *findRtfKeyword(std::string_view word)
{
    const auto end = std::end(kKeywords);
    const auto it = std::lower_bound(std::begin(kKeywords), end, word,
                                     [](const RtfKeyword &k, std::string_view w) { return k.word < w; });
    return it != end && it->word == word ? &*it : nullptr;
}

} // namespace richtext

