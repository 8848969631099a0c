// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/LogFileIo.h"

#include "base/AppError.h"
#include "base/FileReplacement.h"
#include "coil/LogLines.h"

#include <QFile>

namespace coil {
namespace {

AppError cannotOpen(const QString &path, const QString &reason)
{
    return AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason));
}

} // namespace

QByteArray readLogFileBytes(const QString &path)
{
    // Only a regular file is read: opening a pipe waits for a writer for
    // good, and a device such as /dev/zero never ends. A folder opens as a
    // QFile on some systems and then reads nothing.
    const QString refusal = base::nonRegularFileReason(path);
    if (!refusal.isEmpty())
        throw cannotOpen(path, refusal);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw cannotOpen(path, file.errorString());
    // More than an opened log holds cannot be shown anyway. read() sets
    // aside as much memory as it is allowed to read, so the limit is the
    // file's size where that is less.
    QByteArray data = file.read(qMin<qint64>(file.size(), kOpenedLogCapacity));
    if (file.error() != QFileDevice::NoError)
        throw AppError(QStringLiteral("Failed to Load Stream"));
    return data;
}

void writeLogFileBytes(const QString &path, const QByteArray &data)
{
    const base::ReplaceResult result = base::replaceFileContent(path, data);
    switch (result.failure) {
    case base::ReplaceFailure::None:
        return;
    case base::ReplaceFailure::Create:
        throw AppError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, result.reason));
    case base::ReplaceFailure::Write:
        throw AppError(QStringLiteral("Failed to Save Stream"));
    }
}

} // namespace coil
