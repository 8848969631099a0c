// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace settings {

bool isInstalledFolder(const QString &folder)
{
    QDir dir(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    if (dir.dirName() != QLatin1String("bandimor") || !dir.cdUp() || dir.dirName() != QLatin1String("lib")
        || !dir.cdUp())
        return false;
    return QFileInfo(dir.filePath(QStringLiteral("bin"))).isDir();
}

bool isPortableFolder(const QString &folder)
{
    return !isInstalledFolder(folder) && folderWritable(folder);
}

QString fileDialogStartFolder(const QString &programFolder)
{
    if (isPortableFolder(programFolder))
        return QDir::cleanPath(programFolder) + QLatin1Char('/');
    // The documents folder is the home folder itself when the user has none.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents + QLatin1Char('/');
    return QDir::homePath() + QLatin1Char('/');
}

QString fileDialogStartFolder()
{
    return fileDialogStartFolder(QCoreApplication::applicationDirPath());
}

} // namespace settings
