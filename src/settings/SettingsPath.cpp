// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace settings {

QString iniPathFor(const QString &executablePath)
{
    const qsizetype nameStart =
        qMax(executablePath.lastIndexOf(QLatin1Char('/')),
             executablePath.lastIndexOf(QLatin1Char('\\'))) + 1;
    const qsizetype dot = executablePath.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot >= nameStart ? executablePath.left(dot) : executablePath;
    return stem + QStringLiteral(".ini");
}

bool folderWritable(const QString &folder)
{
    // isWritable() asks the system (access()), which also answers for a
    // read-only mount; the permission bits alone would not.
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

QString settingsFilePath(const QString &executablePath)
{
    if (folderWritable(QFileInfo(executablePath).absolutePath()))
        return iniPathFor(executablePath);
    // Installed where the user cannot write (under /usr, say): the user's
    // own configuration folder.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                           + QStringLiteral("/bandimor");
    QDir().mkpath(folder);
    return folder + QStringLiteral("/bandimor.ini");
}

QString settingsFilePath()
{
    return settingsFilePath(QCoreApplication::applicationFilePath());
}

} // namespace settings
