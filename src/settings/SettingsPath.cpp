// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsPath.h"

#include "settings/UserFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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

QString settingsFilePath(const QString &executablePath)
{
    if (isPortableFolder(QFileInfo(executablePath).absolutePath()))
        return iniPathFor(executablePath);
    // Installed (under /usr, say), or where the user cannot write: the
    // user's own settings folder.
    const QString folder = userSettingsFolder();
    QDir().mkpath(folder);
    return folder + QStringLiteral("/bandimor.ini");
}

QString settingsFilePath()
{
    return settingsFilePath(QCoreApplication::applicationFilePath());
}

} // namespace settings
