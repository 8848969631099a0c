// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's part of replaceFileContent(): the temporary file beside the
// old one, its sync, the rename and what makes the rename durable. One
// implementation per system (DurableReplacePosix.cpp, DurableReplaceWindows.cpp);
// the checks before it and the test seams live in FileReplacement.cpp.

#include "base/FileReplacement.h"

namespace base::detail {

// Writes through the test's chunk writer when one is set.
qint64 writeAll(QIODevice &device, const QByteArray &data);
// The test's syncer, or an empty function.
const Syncer &testSyncer();

// Writes data to a temporary file beside path, syncs it (when durability
// asks for it) and gives it the name; path holds a regular file or nothing.
ReplaceResult replaceDurably(const QString &path, const QByteArray &data, FileAccess access,
                             Durability durability);
ReplaceResult syncExisting(const QString &path);

} // namespace base::detail
