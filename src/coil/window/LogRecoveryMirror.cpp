// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/window/LogRecoveryMirror.h"

#include "base/AppError.h"
#include "coil/window/ResultsLog.h"
#include "ui/CommandGuard.h"

#include <QFile>
#include <QTextDocument>

namespace coil {
namespace {

// One box for the whole run: the folder stays unwritable for every window
// and every keystroke.
bool &failureReported()
{
    static bool reported = false;
    return reported;
}

} // namespace

LogRecoveryMirror::LogRecoveryMirror(ResultsLog *log, const QString &folder)
    : QObject(log)
    , m_log(log)
    , m_folder(folder)
    , m_recordPath(m_folder.newRecordPath())
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &LogRecoveryMirror::writeNow);
    connect(log, &ResultsLog::logChanged, this, &LogRecoveryMirror::logChanged);
    connect(log, &ResultsLog::modificationChanged, this, &LogRecoveryMirror::modificationChanged);
    connect(log, &ResultsLog::modificationCleared, this, &LogRecoveryMirror::removeRecord);
    connect(log, &ResultsLog::contentsChange, this, &LogRecoveryMirror::contentsChange);
    // Filled otherwise than by changes (a recovered log, for one): written
    // whole next time.
    connect(log, &ResultsLog::documentReplaced, this, [this] { m_followed = false; });
    startOver();
}

LogRecoveryMirror::~LogRecoveryMirror()
{
    dropPreparedRecord();
}

void LogRecoveryMirror::startOver()
{
    dropPreparedRecord();
    m_base = m_log->unchangedContent();
    m_followed = m_base.has_value();
    m_pending.clear();
    m_tracker.reset(*m_log->document());
    if (m_base && m_base->size() >= kPrepareFrom)
        prepareRecord();
}

void LogRecoveryMirror::prepareRecord()
{
    const RecoveryRecord record = recordOf(*m_log, *m_base);
    m_preparedSize = record.rtf.size();
    m_preparedState = currentState();
    m_prepared = std::async(std::launch::async, [folder = m_folder, path = RecoveryFolder::preparedPath(m_recordPath),
                                                 record] {
        try {
            folder.write(path, record);
            return true;
        } catch (const AppError &) {
            // The first change writes the record itself, and reports.
            return false;
        }
    });
}

bool LogRecoveryMirror::usePreparedRecord()
{
    if (!m_prepared.valid())
        return false;
    const QString prepared = RecoveryFolder::preparedPath(m_recordPath);
    // Whole under its new name at once; the journal follows it.
    if (m_prepared.get() && QFile::rename(prepared, m_recordPath)) {
        fullRecordWritten(m_preparedSize, m_preparedState);
        return true;
    }
    QFile::remove(prepared);
    return false;
}

void LogRecoveryMirror::dropPreparedRecord()
{
    if (!m_prepared.valid())
        return;
    m_prepared.wait();
    m_prepared = {};
    QFile::remove(RecoveryFolder::preparedPath(m_recordPath));
}

void LogRecoveryMirror::contentsChange(int position, int removed, int added)
{
    if (!m_followed)
        return;
    const QByteArray entry = m_tracker.entryFor(*m_log->document(), position, removed, added);
    m_followed = !entry.isEmpty();
    if (m_followed)
        m_pending += entry;
    else
        m_pending.clear();
}

void LogRecoveryMirror::logChanged()
{
    if (!m_log->isModified())
        return;
    // A change after an answer is unsaved work again (the session that asked
    // went on, for one).
    m_discarded = false;
    // A timer already running is left alone: steady typing still reaches the
    // file within the delay.
    if (!m_timer.isActive())
        m_timer.start();
}

void LogRecoveryMirror::modificationChanged(bool modified)
{
    if (!modified)
        removeRecord();
}

void LogRecoveryMirror::writeNow()
{
    m_timer.stop();
    if (m_discarded || m_kept || !m_log->isModified())
        return;
    try {
        writeRecord();
        m_written = true;
    } catch (const AppError &error) {
        if (!failureReported()) {
            failureReported() = true;
            ui::showGeneralError(m_log->window(), error.text());
        }
    }
}

void LogRecoveryMirror::writeRecord()
{
    const bool inFile = m_written && QFile::exists(m_recordPath);
    if (!m_followed || (!inFile && !m_base)) {
        writeWhole();
        return;
    }
    if (!inFile && !usePreparedRecord()) {
        // The log as it was unmodified; its changes since follow it.
        const RecoveryRecord record = recordOf(*m_log, *m_base);
        m_folder.write(m_recordPath, record);
        fullRecordWritten(record.rtf.size(), stateOf(record));
    }
    appendJournal();
}

void LogRecoveryMirror::fullRecordWritten(qint64 contentSize, const LogJournalState &state)
{
    m_contentSize = contentSize;
    m_journalSize = 0;
    m_writtenState = state;
    m_base.reset();
}

void LogRecoveryMirror::writeWhole()
{
    dropPreparedRecord();
    const RecoveryRecord record = recordOf(*m_log);
    m_folder.write(m_recordPath, record);
    fullRecordWritten(record.rtf.size(), stateOf(record));
    m_pending.clear();
    m_followed = true;
    m_tracker.reset(*m_log->document());
}

void LogRecoveryMirror::appendJournal()
{
    const LogJournalState state = currentState();
    if (!(state == m_writtenState))
        m_pending += logJournalState(state);
    if (m_pending.isEmpty())
        return;
    if (m_journalSize + m_pending.size() > qMax(kJournalLimit, m_contentSize)) {
        writeWhole();
        return;
    }
    RecoveryFolder::append(m_recordPath, m_pending);
    m_journalSize += m_pending.size();
    m_writtenState = state;
    m_pending.clear();
}

LogJournalState LogRecoveryMirror::currentState() const
{
    return stateOf(recordOf(*m_log, QByteArray()));
}

LogJournalState LogRecoveryMirror::stateOf(const RecoveryRecord &record)
{
    return {record.logFileName, record.capacity, record.font, record.charset, record.textColor};
}

void LogRecoveryMirror::discard()
{
    if (m_kept)
        return;
    m_discarded = true;
    removeRecord();
}

void LogRecoveryMirror::keep()
{
    writeNow();
    m_kept = true;
    // The program ends next.
    RecoveryFolder::waitForDisk();
}

void LogRecoveryMirror::removeRecord()
{
    m_timer.stop();
    if (m_written && !m_kept) {
        RecoveryFolder::remove(m_recordPath);
        m_written = false;
    }
    startOver();
}

RecoveryRecord LogRecoveryMirror::recordOf(const ResultsLog &log)
{
    return recordOf(log, log.rtfContent());
}

RecoveryRecord LogRecoveryMirror::recordOf(const ResultsLog &log, const QByteArray &content)
{
    RecoveryRecord record;
    record.logFileName = log.LogFileName();
    record.rtf = content;
    record.capacity = log.capacity();
    record.font = log.logFont().toString();
    record.charset = log.logCharset();
    if (log.logTextColor().isValid())
        record.textColor = log.logTextColor().name(QColor::HexArgb);
    return record;
}

namespace {

void restoreState(ResultsLog *log, const LogJournalState &state)
{
    QFont font = log->logFont();
    if (!state.font.isEmpty() && font.fromString(state.font) && font != log->logFont())
        log->setLogFont(font);
    log->setLogCharset(state.charset);
    if (!state.textColor.isEmpty())
        log->setLogTextColor(QColor(state.textColor));
    log->setCapacity(state.capacity);
    log->SetLogFileName(state.logFileName);
}

} // namespace

void LogRecoveryMirror::restore(ResultsLog *log, const RecoveryRecord &record)
{
    const LogJournalState recorded = stateOf(record);
    restoreState(log, recorded);
    log->loadContent(record.rtf);
    // The changes since the full record, as they were made; what an entry
    // cut short by the end of the program held is lost with it.
    QTextDocument *document = log->document();
    document->setUndoRedoEnabled(false);
    const LogJournalReplay replay = replayLogJournal(document, record.journal);
    document->setUndoRedoEnabled(true);
    restoreState(log, replay.hasState ? replay.state : recorded);
    // Still unsaved: the user is asked about it as about any other change.
    log->setModified(true);
}

} // namespace coil
