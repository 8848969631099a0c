// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The results log seen as a list of lines, as the block writers use it: the
// line count and the appending of one line after the last. Works on the
// log's QTextDocument, so it needs no window.

#include <QString>
#include <QTextCharFormat>

class QTextDocument;

namespace coil {

// How many characters the log holds: a fresh log takes 64K, one that a file
// has been opened into takes (almost) 2 GB.
constexpr int kFreshLogCapacity = 65535;
constexpr int kOpenedLogCapacity = 2147483632;

// Lines of the text; a last line that is empty (text ending with a line
// break) does not count: an empty log has 0, a single line break 1.
int logLineCount(const QTextDocument &document);

// Characters of the text, each line break counting one.
int logTextLength(const QTextDocument &document);

// Adds text as a new last line in the given character format: text and a
// line break when the log is empty or ends with a line break, otherwise a
// line break and text. The insertion cannot be undone: the undo history is
// dropped. Throws AppError "RichEdit line insertion error" when the line does
// not fit into capacity; the document is then left as it was.
void appendLogLine(QTextDocument *document, const QString &text, int capacity,
                   const QTextCharFormat &format = QTextCharFormat());

} // namespace coil
