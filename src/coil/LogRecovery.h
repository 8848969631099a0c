// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recovery files of unsaved results logs: each modified log is mirrored
// into a file of its own in the user's state folder, so that a crash, a kill
// or a power cut loses nothing; the next start offers the logs back. A record
// holds the log's content at its last full record (the file it was opened
// from, the RTF it was saved as or written as) and what the window needs to
// show it as it was: its file name, capacity, font, character set and text
// colour; then the journal of its changes since (coil/LogJournal.h).

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace coil {

struct RecoveryRecord
{
    QString logFileName;
    QByteArray rtf;
    int capacity = 0;
    QString font;       // QFont::toString()
    int charset = 1;
    QString textColor;  // a colour name; empty for the palette's
    QByteArray journal; // appended after the content
};

// The record, then the journal it holds; later entries are appended to the
// file as the log changes.
QByteArray encodeRecoveryRecord(const RecoveryRecord &record);
// Throws AppError when the data is not a whole record.
RecoveryRecord decodeRecoveryRecord(const QByteArray &data);
// What a damaged record still holds: its header's fields and its RTF as far
// as it goes (an untitled log of the opened capacity where those are
// missing). Nothing when there is no header or no text at all.
std::optional<RecoveryRecord> readablePartOfRecord(const QByteArray &data);

// The question asked at start when records of an earlier run are there.
QString recoveryQuestion(int count);

// Tests put the program's recovery folder here, as a process of the test's
// own; an empty path gives the user's own back.
void setRecoveryFolderForTesting(const QString &path);

// A log holds the user's own words: the folder and its files are readable by
// the user alone.
class RecoveryFolder
{
public:
    // settings::userRecoveryFolder(), unless a test set another.
    static QString defaultPath();

    explicit RecoveryFolder(const QString &path = defaultPath());
    QString path() const { return m_path; }

    // The records there, oldest first.
    QStringList recordPaths() const;
    // A name no other log uses.
    QString newRecordPath() const;
    // Where a record of a log as it was opened or saved is written ahead,
    // before it changes; the folder does not list it as a record.
    static QString preparedPath(const QString &recordPath);
    // Removes prepared records that a program which ended left behind.
    void removePrepared() const;

    // Writes a record in one piece (on Linux made 0600, in a folder made 0700).
    // A program killed at any moment leaves the old record or the new one;
    // the disk is not waited for but synced from a thread of its own, so that
    // a slow disk never holds up the window.
    // Throws AppError when the folder or the file cannot be written.
    void write(const QString &recordPath, const RecoveryRecord &record) const;
    // Appends journal entries to a record that is there, synced the same way.
    static void append(const QString &recordPath, const QByteArray &journal);
    // Returns once what was written is on the disk: before the program ends.
    static void waitForDisk();
    // Throws AppError when the file cannot be read or is not a record; the
    // text names the file.
    static RecoveryRecord read(const QString &recordPath);
    static void remove(const QString &recordPath);
    // Renames a damaged record so that the folder no longer lists it; its
    // new path, or empty when it could not be renamed.
    static QString setAside(const QString &recordPath);

private:
    void makeFolder() const;

    QString m_path;
};

} // namespace coil
