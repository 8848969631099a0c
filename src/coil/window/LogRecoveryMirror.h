// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps a coil window's modified log in a recovery file of its own: at once
// after a result block, within two seconds after any other change (typing,
// paste, font). The file goes when the log is saved, emptied, replaced by an
// opened file (its modified flag clears) or closed with an answer; it stays
// when the program ends without asking, for the next start to offer.

#include "coil/LogRecovery.h"

#include <QObject>
#include <QTimer>

namespace coil {

class ResultsLog;

class LogRecoveryMirror : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDelayMs = 2000;

    explicit LogRecoveryMirror(ResultsLog *log, const QString &folder = RecoveryFolder::defaultPath());

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
    static void restore(ResultsLog *log, const RecoveryRecord &record);

private:
    void logChanged();
    void modificationChanged(bool modified);
    void removeRecord();

    ResultsLog *m_log;
    RecoveryFolder m_folder;
    QString m_recordPath;
    QTimer m_timer;
    bool m_written = false;
    bool m_discarded = false;
    bool m_kept = false;
};

} // namespace coil
