// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/LogFileIo.h"

#include "base/AppError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace coil {
namespace {

AppError cannotCreate(const QString &path, const QString &reason)
{
    return AppError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason));
}

} // namespace

QByteArray readLogFileBytes(const QString &path)
{
    QFile file(path);
    // A folder opens as a QFile on some systems and then reads nothing.
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        const QString reason = QFileInfo(path).isDir() ? QStringLiteral("Is a directory")
                                                      : file.errorString();
        throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason));
    }
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(QStringLiteral("Failed to Load Stream"));
    return data;
}

void writeLogFileBytes(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw cannotCreate(path, file.errorString());
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        throw AppError(QStringLiteral("Failed to Save Stream"));
    }
    if (!file.commit()) {
        // Renaming the finished temporary file over the old one is the step
        // that creates the file under its name; anything else failed writing.
        if (file.error() == QFileDevice::RenameError)
            throw cannotCreate(path, file.errorString());
        throw AppError(QStringLiteral("Failed to Save Stream"));
    }
}

} // namespace coil
