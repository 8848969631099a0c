// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/LogJournal.h"

#include <QDataStream>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtEndian>

namespace coil {
namespace {

// Entries written by one version of the program are read by the next.
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;
enum EntryKind : quint8 { ChangeEntry = 1, StateEntry = 2 };
enum RunKind : quint8 { TextRun = 1, BlockRun = 2 };
constexpr int kLengthBytes = 4;

QByteArray framed(const QByteArray &payload)
{
    QByteArray entry(kLengthBytes, '\0');
    qToBigEndian(quint32(payload.size()), entry.data());
    return entry + payload;
}

QDataStream &operator<<(QDataStream &out, const LogJournalState &state)
{
    return out << state.logFileName << qint32(state.capacity) << state.font << qint32(state.charset)
               << state.textColor;
}

QDataStream &operator>>(QDataStream &in, LogJournalState &state)
{
    qint32 capacity = 0;
    qint32 charset = 0;
    in >> state.logFileName >> capacity >> state.font >> charset >> state.textColor;
    state.capacity = capacity;
    state.charset = charset;
    return in;
}

// Replays one change; false when it does not fit the document.
bool replayChange(QTextDocument *document, QDataStream &in)
{
    qint32 position = 0;
    qint32 removed = 0;
    QTextFormat firstBlockFormat;
    qint32 runs = 0;
    in >> position >> removed >> firstBlockFormat >> runs;
    const int length = document->characterCount() - 1;
    if (in.status() != QDataStream::Ok || position < 0 || removed < 0 || position + removed > length)
        return false;
    QTextCursor cursor(document);
    cursor.setPosition(position);
    cursor.setPosition(position + removed, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.setBlockFormat(firstBlockFormat.toBlockFormat());
    for (qint32 run = 0; run < runs; ++run) {
        quint8 kind = 0;
        in >> kind;
        if (kind == BlockRun) {
            QTextFormat blockFormat;
            QTextFormat charFormat;
            in >> blockFormat >> charFormat;
            cursor.insertBlock(blockFormat.toBlockFormat(), charFormat.toCharFormat());
        } else {
            QString text;
            QTextFormat charFormat;
            in >> text >> charFormat;
            cursor.insertText(text, charFormat.toCharFormat());
        }
        if (in.status() != QDataStream::Ok)
            return false;
    }
    return true;
}

} // namespace

bool LogJournalState::operator==(const LogJournalState &other) const
{
    return logFileName == other.logFileName && capacity == other.capacity && font == other.font
           && charset == other.charset && textColor == other.textColor;
}

QByteArray logJournalChange(const QTextDocument &document, int position, int removed, int added)
{
    QByteArray runData;
    QDataStream runs(&runData, QIODevice::WriteOnly);
    runs.setVersion(kStreamVersion);
    qint32 runCount = 0;
    const int end = position + added;
    QTextBlock block = document.findBlock(position);
    const QTextBlockFormat firstBlockFormat = block.blockFormat();
    for (; block.isValid() && block.position() <= end; block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int from = qMax(fragment.position(), position);
            const int to = qMin(fragment.position() + fragment.length(), end);
            if (from < to) {
                runs << quint8(TextRun) << fragment.text().mid(from - fragment.position(), to - from)
                     << QTextFormat(fragment.charFormat());
                ++runCount;
            }
        }
        // The paragraph separator after the block starts the next one, with
        // that block's formats.
        const int separator = block.position() + block.length() - 1;
        if (separator >= end)
            break;
        if (separator >= position) {
            const QTextBlock next = block.next();
            runs << quint8(BlockRun) << QTextFormat(next.blockFormat()) << QTextFormat(next.charFormat());
            ++runCount;
        }
    }

    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << quint8(ChangeEntry) << qint32(position) << qint32(removed) << QTextFormat(firstBlockFormat)
        << runCount;
    return framed(payload + runData);
}

QByteArray logJournalState(const LogJournalState &state)
{
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << quint8(StateEntry) << state;
    return framed(payload);
}

LogJournalReplay replayLogJournal(QTextDocument *document, const QByteArray &journal)
{
    LogJournalReplay replay;
    qsizetype at = 0;
    while (journal.size() - at >= kLengthBytes) {
        const quint32 size = qFromBigEndian<quint32>(journal.constData() + at);
        at += kLengthBytes;
        // Cut short by the end of the program while it was written.
        if (quint64(size) > quint64(journal.size() - at))
            break;
        QDataStream in(journal.mid(at, size));
        in.setVersion(kStreamVersion);
        at += size;
        quint8 kind = 0;
        in >> kind;
        if (kind == ChangeEntry) {
            if (!replayChange(document, in)) {
                replay.complete = false;
                break;
            }
        } else if (kind == StateEntry) {
            in >> replay.state;
            replay.hasState = in.status() == QDataStream::Ok;
        }
    }
    return replay;
}

void LogChangeTracker::reset(const QTextDocument &document)
{
    m_length = document.characterCount();
}

QByteArray LogChangeTracker::entryFor(const QTextDocument &document, int position, int removed, int added)
{
    const int before = m_length;
    m_length = document.characterCount();
    const int lastSeparator = m_length - 1;
    if (position + added > lastSeparator) {
        const int over = position + added - lastSeparator;
        added -= over;
        removed -= over;
    }
    if (position < 0 || removed < 0 || added < 0 || before - removed + added != m_length)
        return {};
    return logJournalChange(document, position, removed, added);
}

} // namespace coil
