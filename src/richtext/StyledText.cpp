// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/StyledText.h"

#include <QTextCursor>
#include <QTextDocument>

namespace richtext {

StyledText::StyledText()
    : m_runs{{0, 0}}
    , m_formats{QTextCharFormat()}
{
}

int StyledText::addFormat(const QTextCharFormat &format)
{
    m_formats.push_back(format);
    return int(m_formats.size()) - 1;
}

void StyledText::setFormat(int index)
{
    Run &last = m_runs.back();
    if (last.format == index)
        return;
    if (last.start == m_text.size())
        last.format = index; // nothing was written in the previous format
    else
        m_runs.push_back({m_text.size(), index});
}

void StyledText::replaceContent(QTextDocument *document) const
{
    // A loaded text is not an edit the user could take back; an undo stack
    // holding the whole file would only cost memory.
    const bool undoRedo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    document->clear();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (std::size_t i = 0; i < m_runs.size(); ++i) {
        const qsizetype start = m_runs[i].start;
        const qsizetype end = i + 1 < m_runs.size() ? m_runs[i + 1].start : m_text.size();
        if (end > start)
            cursor.insertText(m_text.mid(start, end - start), m_formats[std::size_t(m_runs[i].format)]);
    }
    cursor.endEditBlock();
    document->setUndoRedoEnabled(undoRedo);
}

} // namespace richtext
