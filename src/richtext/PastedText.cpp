// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/PastedText.h"

#include "richtext/LogFileFormat.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace richtext {
namespace {

// Only the properties the log's files carry: HTML brings anchors,
// backgrounds and more, which the log would show but not save.
QTextCharFormat logCharFormat(const QTextCharFormat &from)
{
    QTextCharFormat to;
    if (from.hasProperty(QTextFormat::FontFamilies))
        to.setFontFamilies(from.fontFamilies().toStringList());
    if (from.hasProperty(QTextFormat::FontPointSize))
        to.setFontPointSize(from.fontPointSize());
    else if (from.hasProperty(QTextFormat::FontPixelSize))
        to.setFontPointSize(from.intProperty(QTextFormat::FontPixelSize) * 0.75); // at 96 dpi
    if (from.hasProperty(QTextFormat::FontWeight))
        to.setFontWeight(from.fontWeight());
    if (from.hasProperty(QTextFormat::FontItalic))
        to.setFontItalic(from.fontItalic());
    if (from.fontUnderline())
        to.setFontUnderline(true);
    if (from.fontStrikeOut())
        to.setFontStrikeOut(true);
    if (from.hasProperty(QTextFormat::ForegroundBrush) && from.foreground().style() != Qt::NoBrush)
        to.setForeground(from.foreground().color());
    return to;
}

// The empty paragraphs that a table brings before and after itself.
bool bordersTable(const QTextBlock &block)
{
    if (block.length() > 1 || QTextCursor(block).currentTable())
        return false;
    for (const QTextBlock &neighbour : {block.previous(), block.next()}) {
        if (neighbour.isValid() && QTextCursor(neighbour).currentTable())
            return true;
    }
    return false;
}

QTextDocumentFragment logCharacters(const QTextDocument &source)
{
    QTextDocument target;
    target.setUndoRedoEnabled(false);
    QTextCursor out(&target);
    bool first = true;
    for (QTextBlock block = source.begin(); block.isValid(); block = block.next()) {
        if (bordersTable(block))
            continue;
        if (!first)
            out.insertBlock();
        first = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat format = logCharFormat(fragment.charFormat());
            QString text = fragment.text();
            text.remove(QChar::ObjectReplacementCharacter);
            // A line break inside a paragraph (<br>, \line) starts a line of its own.
            const QStringList lines = text.split(QChar::LineSeparator);
            for (qsizetype i = 0; i < lines.size(); ++i) {
                if (i > 0)
                    out.insertBlock();
                out.insertText(lines.at(i), format);
            }
        }
    }
    QTextCursor all(&target);
    all.select(QTextCursor::Document);
    return QTextDocumentFragment(all);
}

} // namespace

QTextDocumentFragment pastedHtml(const QString &html)
{
    QTextDocument source;
    source.setUndoRedoEnabled(false);
    source.setHtml(html);
    return logCharacters(source);
}

QTextDocumentFragment pastedRtf(const QByteArray &rtf)
{
    QTextDocument source;
    if (!readRtf(rtf, &source))
        return {};
    return logCharacters(source);
}

} // namespace richtext
