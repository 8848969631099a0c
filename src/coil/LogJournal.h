// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The journal of a results log's changes since its last full record: each
// change of the document, as QTextDocument::contentsChange reports it, is
// kept as the place and length of what went and the text and formats of
// what came, so that writing it costs what changed, not what the log holds.
// Replayed in order onto the document of the full record, it gives the log
// back as it was. Entries carry their own length: a last entry cut short is
// left out.

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace coil {

// The state of a log besides its text, as its last entry gave it.
struct LogJournalState
{
    QString logFileName;
    int capacity = 0;
    QString font;       // QFont::toString()
    int charset = 1;
    QString textColor;  // a colour name; empty for the palette's

    bool operator==(const LogJournalState &other) const;
};

// One change of the document: at position, removed characters went and added
// ones came, which the document now holds from position on.
QByteArray logJournalChange(const QTextDocument &document, int position, int removed, int added);
QByteArray logJournalState(const LogJournalState &state);

struct LogJournalReplay
{
    bool complete = true;   // false when an entry did not fit the document
    bool hasState = false;  // a state entry was there
    LogJournalState state;  // the last one
};

// Applies the entries in order; stops at one that does not fit.
LogJournalReplay replayLogJournal(QTextDocument *document, const QByteArray &journal);

// Follows a shown document's changes and tells which of them the journal
// can carry: contentsChange counts the paragraph separator after the last
// block in some changes, which no cursor can remove or add again.
class LogChangeTracker
{
public:
    // The document as the journal's full record holds it.
    void reset(const QTextDocument &document);
    // Turns a reported change into its entry; empty when the change does not
    // add up with the lengths before and after (the journal cannot follow,
    // and a full record is due).
    QByteArray entryFor(const QTextDocument &document, int position, int removed, int added);

private:
    int m_length = 1;
};

} // namespace coil
