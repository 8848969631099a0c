// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replacing a file's content in one piece, shared by the log and the settings
// file. The new bytes go to a temporary file beside the old one, written
// unbuffered so that a full disk shows in the count of every write, and the
// temporary file takes the old one's name only once everything is written
// and synced to the disk; the rename itself is made durable too (Linux syncs
// the folder after it, Windows renames with write-through), so that a power
// cut after a reported success finds the new file under its name.
// A failure at any step leaves the old file byte for byte and no temporary
// file behind. Only a regular file (or none) is ever replaced: a device node,
// a pipe or a socket at the path (or behind a symbolic link) stays.

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

namespace base {

enum class ReplaceFailure {
    None,
    Create,   // the path holds something else than a regular file, or no
              // temporary file could be made, or it could not be renamed
    Write,    // fewer bytes were written than given, or syncing failed
};

struct ReplaceResult
{
    ReplaceFailure failure = ReplaceFailure::None;
    QString reason;  // the system's reason, for the error text
    bool ok() const { return failure == ReplaceFailure::None; }
};

enum class FileAccess {
    Usual,      // the old file's permissions, or the usual ones for a new file
    OwnerOnly,  // readable and writable by the owner alone (0600)
};

// Synced: the call returns once the new file is on the disk.
// Later: the file is whole under its name for every program that reads it,
// and a killed program leaves the old file or the new one, but the disk is
// not waited for; syncToDisk() (or BackgroundSync) puts it there.
enum class Durability { Synced, Later };

ReplaceResult replaceFileContent(const QString &path, const QByteArray &data,
                                 FileAccess access = FileAccess::Usual,
                                 Durability durability = Durability::Synced);

// Puts a file written without waiting for the disk (replaced Later, or
// appended to) on it: its bytes, and on Linux its name in the folder. A file
// that is not there (any more) is nothing to do.
ReplaceResult syncToDisk(const QString &path);

// A reason to refuse the path, or empty: something other than a regular file
// is there. Folders give "Is a directory".
QString nonRegularFileReason(const QString &path);

// Tests put a writer here that writes less than asked, as a full disk does.
// It returns the count written (or -1); an empty function restores the real one.
using ChunkWriter = std::function<qint64(QIODevice &, const QByteArray &)>;
void setChunkWriterForTesting(ChunkWriter writer);

// Tests put a syncer here, in place of the system's, to see what is synced,
// in which order, and to make a sync fail. It gets the path of the file or
// the folder and returns false on failure (errno set for the reason); an
// empty function restores the system's sync. Windows has no folder step:
// its rename writes through.
enum class SyncTarget { File, Folder };
using Syncer = std::function<bool(SyncTarget, const QString &path)>;
void setSyncerForTesting(Syncer syncer);

} // namespace base
