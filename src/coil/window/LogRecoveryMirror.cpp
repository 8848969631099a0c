// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/window/LogRecoveryMirror.h"

#include "base/AppError.h"
#include "coil/window/ResultsLog.h"
#include "ui/CommandGuard.h"

#include <QFile>

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
        m_folder.write(m_recordPath, recordOf(*m_log));
        m_written = true;
    } catch (const AppError &error) {
        if (!failureReported()) {
            failureReported() = true;
            ui::showGeneralError(m_log->window(), error.text());
        }
    }
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
}

void LogRecoveryMirror::removeRecord()
{
    m_timer.stop();
    if (m_written && !m_kept) {
        RecoveryFolder::remove(m_recordPath);
        m_written = false;
    }
}

RecoveryRecord LogRecoveryMirror::recordOf(const ResultsLog &log)
{
    RecoveryRecord record;
    record.logFileName = log.LogFileName();
    record.rtf = log.rtfContent();
    record.capacity = log.capacity();
    record.font = log.logFont().toString();
    record.charset = log.logCharset();
    if (log.logTextColor().isValid())
        record.textColor = log.logTextColor().name(QColor::HexArgb);
    return record;
}

void LogRecoveryMirror::restore(ResultsLog *log, const RecoveryRecord &record)
{
    QFont font = log->logFont();
    if (!record.font.isEmpty() && font.fromString(record.font))
        log->setLogFont(font);
    log->setLogCharset(record.charset);
    if (!record.textColor.isEmpty())
        log->setLogTextColor(QColor(record.textColor));
    log->loadContent(record.rtf);
    log->setCapacity(record.capacity);
    log->SetLogFileName(record.logFileName);
    // Still unsaved: the user is asked about it as about any other change.
    log->setModified(true);
}

} // namespace coil
