#include "settings/SettingsPath.h"

#include <QCoreApplication>

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

QString settingsFilePath()
{
    return iniPathFor(QCoreApplication::applicationFilePath());
}

} // namespace settings
