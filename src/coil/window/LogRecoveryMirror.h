// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps a coil window's modified log in a recovery file of its own: at once
// after a result block, within two seconds after any other change (typing,
// paste, font). The file goes when the log is saved, emptied, replaced by an
// opened file (its modified flag clears) or closed with an answer; it stays
// when the program ends without asking, for the next start to offer.
//
// Keeping a log recoverable costs what changed, not what the log holds: the
// file holds a full record (the log as it was opened, saved, emptied or last
// written whole) and after it the journal of the changes since, to which
// each write appends. The record is written whole again once the journal
// outgrows it, or when a change cannot be journalled. A big log opened or
// saved has its full record written ahead, from a thread of its own, so that
// its first change costs no more than any other.

#include "coil/LogJournal.h"
#include "coil/LogRecovery.h"

#include <QObject>
#include <QTimer>
#include <future>
#include <optional>

namespace coil {

class ResultsLog;

class LogRecoveryMirror : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDelayMs = 2000;

    explicit LogRecoveryMirror(ResultsLog *log, const QString &folder = RecoveryFolder::defaultPath());
    ~LogRecoveryMirror() override;

    QString recordPath() const { return m_recordPath; }
    // The wait after a change; tests shorten it.
    void setDelay(int milliseconds) { m_timer.setInterval(milliseconds); }
    bool isPending() const { return m_timer.isActive(); }

    // Writes the log now when it is modified. A folder that cannot be
    // written is reported once per run; nothing else stops.
    void writeNow();
    // The log was answered for: its file goes, and nothing is written until
    // the log changes again.
    void discard();
    // The program ends without asking: the file is written now and stays,
    // whatever a question still open answers afterwards.
    void keep();
    bool isKept() const { return m_kept; }

    // The state a record holds, and back.
    static RecoveryRecord recordOf(const ResultsLog &log);
    static RecoveryRecord recordOf(const ResultsLog &log, const QByteArray &content);
    static void restore(ResultsLog *log, const RecoveryRecord &record);

    // The journal is written whole with its record once it holds more than
    // this, or more than the record's content.
    static constexpr qint64 kJournalLimit = 256 * 1024;
    // A log's full record is written ahead from this size on; a smaller one
    // is written with its first change.
    static constexpr qint64 kPrepareFrom = 64 * 1024;

private:
    void logChanged();
    void contentsChange(int position, int removed, int added);
    void modificationChanged(bool modified);
    void removeRecord();
    void startOver();
    void writeRecord();
    void writeWhole();
    void appendJournal();
    void prepareRecord();
    bool usePreparedRecord();
    void dropPreparedRecord();
    void fullRecordWritten(qint64 contentSize, const LogJournalState &state);
    LogJournalState currentState() const;
    static LogJournalState stateOf(const RecoveryRecord &record);

    ResultsLog *m_log;
    RecoveryFolder m_folder;
    QString m_recordPath;
    QTimer m_timer;
    LogChangeTracker m_tracker;
    // The log's content when it was last unmodified, until the first write.
    std::optional<QByteArray> m_base;
    // The changes since the full record (or m_base) can be journalled.
    bool m_followed = false;
    QByteArray m_pending;         // journal entries not yet in the file
    qint64 m_contentSize = 0;     // of the full record in the file
    qint64 m_journalSize = 0;     // journal bytes in the file
    LogJournalState m_writtenState;
    // The full record being written ahead, and its state.
    std::future<bool> m_prepared;
    qint64 m_preparedSize = 0;
    LogJournalState m_preparedState;
    bool m_written = false;
    bool m_discarded = false;
    bool m_kept = false;
};

} // namespace coil
