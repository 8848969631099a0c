// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/FileReplacement.h"

#include "base/DurableReplace.h"

#include <QFileInfo>

namespace base {
namespace {

ChunkWriter &chunkWriter()
{
    static ChunkWriter writer;
    return writer;
}

Syncer &syncer()
{
    static Syncer hook;
    return hook;
}

} // namespace

namespace detail {

qint64 writeAll(QIODevice &device, const QByteArray &data)
{
    if (chunkWriter())
        return chunkWriter()(device, data);
    return device.write(data);
}

const Syncer &testSyncer()
{
    return syncer();
}

} // namespace detail

void setSyncerForTesting(Syncer hook)
{
    syncer() = std::move(hook);
}

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

ReplaceResult replaceFileContent(const QString &path, const QByteArray &data, FileAccess access,
                                 Durability durability)
{
    const QString refusal = nonRegularFileReason(path);
    if (!refusal.isEmpty())
        return {ReplaceFailure::Create, refusal};
    return detail::replaceDurably(path, data, access, durability);
}

ReplaceResult syncToDisk(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return {};
    return detail::syncExisting(path);
}

} // namespace base
