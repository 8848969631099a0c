// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/FileReplacement.h"

#include <QFileInfo>
#include <QSaveFile>

namespace base {
namespace {

ChunkWriter &chunkWriter()
{
    static ChunkWriter writer;
    return writer;
}

qint64 writeAll(QIODevice &device, const QByteArray &data)
{
    if (chunkWriter())
        return chunkWriter()(device, data);
    return device.write(data);
}

} // namespace

void setChunkWriterForTesting(ChunkWriter writer)
{
    chunkWriter() = std::move(writer);
}

QString nonRegularFileReason(const QString &path)
{
    // QFileInfo follows symbolic links, as opening and QSaveFile do.
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return QString();
    if (info.isDir())
        return QStringLiteral("Is a directory");
    return QStringLiteral("Not a regular file");
}

ReplaceResult replaceFileContent(const QString &path, const QByteArray &data)
{
    const QString refusal = nonRegularFileReason(path);
    if (!refusal.isEmpty())
        return {ReplaceFailure::Create, refusal};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {ReplaceFailure::Create, file.errorString()};
    // Without commit() the temporary file is removed again.
    if (writeAll(file, data) != data.size()) {
        const QString reason = file.errorString();
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
    return {};
}

} // namespace base
