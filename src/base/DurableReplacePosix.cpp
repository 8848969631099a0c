// SPDX-License-Identifier: GPL-3.0-or-later
// Linux: QSaveFile's temporary file, fsync() before the rename, and the
// folder fsync()ed after it.
#include "base/DurableReplace.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace base::detail {
namespace {

bool syncDescriptor(SyncTarget target, int descriptor, const QString &path)
{
    if (testSyncer())
        return testSyncer()(target, path);
    return ::fsync(descriptor) == 0;
}

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The rename lives in the folder's own data: without this a power cut may
// bring back the old file, or none.
bool syncFolderOf(const QString &path, QString *reason)
{
    const QString folder = QFileInfo(path).absolutePath();
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        *reason = systemReason();
        return false;
    }
    const bool synced = syncDescriptor(SyncTarget::Folder, descriptor, folder);
    if (!synced)
        *reason = systemReason();
    ::close(descriptor);
    return synced;
}

} // namespace

ReplaceResult replaceDurably(const QString &path, const QByteArray &data, FileAccess access,
                             Durability durability)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {ReplaceFailure::Create, file.errorString()};
    if (access == FileAccess::OwnerOnly && ::fchmod(file.handle(), S_IRUSR | S_IWUSR) != 0) {
        const QString reason = systemReason();
        file.cancelWriting();
        return {ReplaceFailure::Create, reason};
    }
    // Without commit() the temporary file is removed again.
    if (writeAll(file, data) != data.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {ReplaceFailure::Write, reason};
    }
    // Synced before it takes the name, so that the name never stands for
    // bytes that are not on the disk yet.
    if (durability == Durability::Synced && !syncDescriptor(SyncTarget::File, file.handle(), path)) {
        const QString reason = systemReason();
        file.cancelWriting();
        return {ReplaceFailure::Write, reason};
    }
    if (!file.commit()) {
        // Renaming the finished temporary file is the step that creates the
        // file under its name; anything else failed writing.
        const ReplaceFailure failure = file.error() == QFileDevice::RenameError
                                           ? ReplaceFailure::Create
                                           : ReplaceFailure::Write;
        return {failure, file.errorString()};
    }
    QString reason;
    if (durability == Durability::Synced && !syncFolderOf(path, &reason))
        return {ReplaceFailure::Write, reason};
    return {};
}

ReplaceResult syncExisting(const QString &path)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return errno == ENOENT ? ReplaceResult{} : ReplaceResult{ReplaceFailure::Write, systemReason()};
    const bool synced = syncDescriptor(SyncTarget::File, descriptor, path);
    const QString fileReason = synced ? QString() : systemReason();
    ::close(descriptor);
    if (!synced)
        return {ReplaceFailure::Write, fileReason};
    QString reason;
    if (!syncFolderOf(path, &reason))
        return {ReplaceFailure::Write, reason};
    return {};
}

} // namespace base::detail
