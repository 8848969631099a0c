// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: a temporary file beside the old one, FlushFileBuffers() before
// the rename, and MoveFileExW() with write-through, which returns only when
// the new name is on the disk. QSaveFile's own rename does not write through.
#include "base/DurableReplace.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <io.h>
#include <windows.h>

namespace base::detail {
namespace {

QString systemReason()
{
    return qt_error_string(int(::GetLastError()));
}

bool syncFile(QFileDevice &file, const QString &path, QString *reason)
{
    if (testSyncer()) {
        if (testSyncer()(SyncTarget::File, path))
            return true;
        *reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(file.handle()));
    if (handle != INVALID_HANDLE_VALUE && ::FlushFileBuffers(handle))
        return true;
    *reason = systemReason();
    return false;
}

std::wstring nativePath(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdWString();
}

} // namespace

ReplaceResult replaceDurably(const QString &path, const QByteArray &data, FileAccess)
{
    // The owner-only mode has no meaning here: a new file takes the access
    // rules of its folder, and the per-user folders are the user's alone.
    QTemporaryFile file(QFileInfo(path).absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!file.open())
        return {ReplaceFailure::Create, file.errorString()};
    // The temporary file goes with this object on every failure below.
    if (writeAll(file, data) != data.size() || !file.flush()) {
        const QString reason = file.errorString();
        return {ReplaceFailure::Write, reason};
    }
    // Synced before it takes the name, so that the name never stands for
    // bytes that are not on the disk yet.
    QString reason;
    if (!syncFile(file, path, &reason))
        return {ReplaceFailure::Write, reason};
    file.close();
    if (!::MoveFileExW(nativePath(file.fileName()).c_str(), nativePath(path).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {ReplaceFailure::Create, systemReason()};
    file.setAutoRemove(false);
    return {};
}

} // namespace base::detail
