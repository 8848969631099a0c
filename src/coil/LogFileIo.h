// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a results log file into memory and replacing a file with a new
// log, with the error texts the user sees. A save never leaves a half-written
// file: the new content goes to a temporary file beside the old one, which is
// replaced only once everything is written.

#include <QByteArray>
#include <QString>

namespace coil {

// The whole file, up to an opened log's capacity; regular files only.
// Throws AppError "Cannot open file "<path>". <reason>" or "Failed to Load
// Stream".
QByteArray readLogFileBytes(const QString &path);

// Replaces the file at path with data. Throws AppError "Cannot create file
// "<path>". <reason>" when the file cannot be created or put in place, or
// "Failed to Save Stream" when writing fails; the old file is then untouched.
// A device node or pipe at the path is never replaced ("Cannot create file").
void writeLogFileBytes(const QString &path, const QByteArray &data);

} // namespace coil
