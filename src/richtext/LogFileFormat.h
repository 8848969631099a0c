// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and writing the results log's files. A log is always written as RTF;
// a file is read as RTF, and when the RTF reader reports an error, read again
// from its start as plain text.

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace richtext {

// Replaces the document's content with the RTF in data. Returns false, with a
// reason in *error when given, when data is not RTF or cannot be read as RTF;
// the document is then left as it was. Data is RTF when it starts with "{\rtf"
// after optional blanks; a file cut short keeps the text read so far; groups
// nested more than 1000 deep are an error (RtfParser.h). Each \par ends a
// block, so RTF ending in "\par }" gives an empty last block. The new content
// is not an undo step: the document's undo stack is emptied.
bool readRtf(const QByteArray &data, QTextDocument *document, QString *error = nullptr);

// The whole document as RTF (\ansicpg1251, a font table with each face and
// its character set, the character formatting of every run).
QByteArray writeRtf(const QTextDocument &document);

// The plain-text fall-back: Windows-1251, or UTF-8 when the data starts with a
// UTF-8 byte-order mark or is valid UTF-8 holding non-ASCII characters, or
// UTF-16 after its byte-order mark. CRLF, LF and CR all become '\n'.
QString decodePlainText(const QByteArray &data);

// RTF, else plain text: replaces the document's content with what data holds.
void readLogFile(const QByteArray &data, QTextDocument *document);

} // namespace richtext
