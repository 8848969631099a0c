// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/LogLines.h"

#include "base/AppError.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace coil {
namespace {

// A document always has one block; the text ends with a line break exactly
// when its last block is empty and not the only one.
bool endsWithLineBreak(const QTextDocument &document)
{
    return document.blockCount() > 1 && document.lastBlock().length() == 1;
}

} // namespace

int logLineCount(const QTextDocument &document)
{
    if (document.isEmpty())
        return 0;
    return document.blockCount() - (endsWithLineBreak(document) ? 1 : 0);
}

int logTextLength(const QTextDocument &document)
{
    // characterCount() includes the paragraph separator after the last block.
    return document.characterCount() - 1;
}

void appendLogLine(QTextDocument *document, const QString &text, int capacity,
                   const QTextCharFormat &format)
{
    const qint64 needed = qint64(logTextLength(*document)) + text.size() + 1;
    if (needed > capacity)
        throw AppError(QStringLiteral("RichEdit line insertion error"));

    const bool atLineStart = document->isEmpty() || endsWithLineBreak(*document);
    // Switching undo off drops the history, so nothing before the appended
    // line can be undone across it either, and the line itself is not recorded.
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    // One change for the layout: told of the line break alone, the editor's
    // layout takes the new empty paragraph for the widest and, laying it out
    // next, searches every paragraph of the log for the widest again.
    cursor.beginEditBlock();
    if (atLineStart) {
        cursor.insertText(text, format);
        cursor.insertBlock(QTextBlockFormat(), format);
    } else {
        cursor.insertBlock(QTextBlockFormat(), format);
        cursor.insertText(text, format);
    }
    cursor.endEditBlock();
    document->setUndoRedoEnabled(true);
    document->setModified(true);
}

} // namespace coil
