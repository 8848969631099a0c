// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text with the character format of each of its runs, gathered in full
// before it replaces a document's content: a read that fails half-way leaves
// the document as it was, and the document is then filled in one edit.

#include <QString>
#include <QTextCharFormat>

#include <vector>

class QTextDocument;

namespace richtext {

class StyledText
{
public:
    StyledText();

    // Registers a format; the returned index selects it in setFormat().
    int addFormat(const QTextCharFormat &format);
    // The format of the text appended from now on.
    void setFormat(int index);

    // Paragraphs are separated by QChar::ParagraphSeparator (or '\n').
    void append(char16_t character) { m_text.append(QChar(character)); }
    void append(const QString &text) { m_text.append(text); }
    void reserve(qsizetype length) { m_text.reserve(length); }
    const QString &text() const { return m_text; }

    // Clears the document and inserts the text, without an undo step.
    void replaceContent(QTextDocument *document) const;

private:
    struct Run
    {
        qsizetype start;
        int format;
    };

    QString m_text;
    std::vector<Run> m_runs;
    std::vector<QTextCharFormat> m_formats;
};

} // namespace richtext
