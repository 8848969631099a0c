// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: a temporary file beside the old one, FlushFileBuffers() before
// the rename, and MoveFileExW() with write-through, which returns only when
// the new name is on the disk. QSaveFile's own rename does not write through.
#include "base/DurableReplace.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>

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

ReplaceResult replaceDurably(const QString &path, const QByteArray &data, FileAccess,
                             Durability durability)
{
    // The owner-only mode has no meaning here: a new file takes the access
    // rules of its folder, and the per-user folders are the user's alone.
    // A plain file, not a QTemporaryFile: that one keeps its handle open
    // after close(), and the rename below then fails on a sharing violation.
    const QString temporary = QFileInfo(path).absoluteFilePath()
        + QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    QFile file(temporary);
    if (!file.open(QIODevice::NewOnly | QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {ReplaceFailure::Create, file.errorString()};
    // The temporary file goes on every failure below.
    auto removeTemporary = qScopeGuard([&] {
        file.close();
        QFile::remove(temporary);
    });
    if (writeAll(file, data) != data.size() || !file.flush())
        return {ReplaceFailure::Write, file.errorString()};
    // Synced before it takes the name, so that the name never stands for
    // bytes that are not on the disk yet.
    const bool synced = durability == Durability::Synced;
    QString reason;
    if (synced && !syncFile(file, path, &reason))
        return {ReplaceFailure::Write, reason};
    file.close();
    if (!::MoveFileExW(nativePath(temporary).c_str(), nativePath(path).c_str(),
                       MOVEFILE_REPLACE_EXISTING | (synced ? MOVEFILE_WRITE_THROUGH : 0)))
        return {ReplaceFailure::Create, systemReason()};
    removeTemporary.dismiss();
    return {};
}

ReplaceResult syncExisting(const QString &path)
{
    if (testSyncer()) {
        if (testSyncer()(SyncTarget::File, path))
            return {};
        return {ReplaceFailure::Write, QString::fromLocal8Bit(std::strerror(errno))};
    }
    // Shared for deleting too (QFile's handle is not): the program may
    // replace the file by a rename while this handle is open.
    const HANDLE handle = ::CreateFileW(nativePath(path).c_str(), GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return {};
        return {ReplaceFailure::Write, qt_error_string(int(error))};
    }
    const bool flushed = ::FlushFileBuffers(handle);
    const QString reason = flushed ? QString() : systemReason();
    ::CloseHandle(handle);
    if (!flushed)
        return {ReplaceFailure::Write, reason};
    return {};
}

} // namespace base::detail
