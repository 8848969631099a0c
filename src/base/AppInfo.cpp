// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/AppInfo.h"

#include <QCoreApplication>
#include <QDir>

namespace base {

QString programName()
{
    return QStringLiteral("Bandimor");
}

QString programVersion()
{
    return QStringLiteral("1.7");
}

QString applicationTitle()
{
    return programName() + QStringLiteral(" v") + programVersion();
}

QString mainWindowCaption()
{
    return programName() + QStringLiteral(" v ") + programVersion();
}

QString executableDir()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

QString programFile(const QString &programDir, const QString &relativePath)
{
    return QDir::cleanPath(QDir(programDir).filePath(relativePath));
}

QString errorBoxText(const QString &text)
{
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        return text + QLatin1Char('.');
    return text;
}

} // namespace base
