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
// the document is then left as it was.
bool readRtf(const QByteArray &data, QTextDocument *document, QString *error = nullptr);

// The whole document as RTF (\ansicpg1251, a font table with each face and
// its character set, the character formatting of every run).
QByteArray writeRtf(const QTextDocument &document);

// The plain-text fall-back: Windows-1251, or UTF-8 when the data starts with a
// UTF-8 byte-order mark or is valid UTF-8 holding non-ASCII characters.
QString decodePlainText(const QByteArray &data);

// RTF, else plain text: replaces the document's content with what data holds.
void readLogFile(const QByteArray &data, QTextDocument *document);

} // namespace richtext
