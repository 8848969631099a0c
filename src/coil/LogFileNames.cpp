// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/LogFileNames.h"

#include "base/AppInfo.h"

#include <QFileInfo>

namespace coil {
namespace {

QString fileNamePart(const QString &path)
{
    // QFileInfo knows the system's separators: a backslash and a drive's
    // colon as well on Windows, "/" alone elsewhere. It reads no disk here.
    return QFileInfo(path).fileName();
}

QString patternOf(const QString &filterString, int filterIndex)
{
    const QStringList parts = filterString.split(QLatin1Char('|'));
    const qsizetype at = qsizetype(filterIndex) * 2 + 1;
    return filterIndex >= 0 && at < parts.size() ? parts.at(at) : QString();
}

} // namespace

QString untitledLogName()
{
    return QStringLiteral("Безымянный");
}

QString logCaption(const QString &logFileName)
{
    return QStringLiteral("{%1} - %2").arg(fileNamePart(logFileName), base::applicationTitle());
}

QString printJobName(const QString &logFileName)
{
    return fileNamePart(logFileName);
}

QString logFileFilterString()
{
    return QStringLiteral(
        "Rich Text Files (*.RTF)|*.RTF|Text Files (*.TXT)|*.TXT|Все файлы (*.*)|*.*");
}

QStringList qtNameFilters(const QString &filterString)
{
    const QStringList parts = filterString.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString shown = QLatin1Char('(') + patterns + QLatin1Char(')');
        const QString &description = parts.at(i);
        filters.append(description.endsWith(shown) ? description
                                                   : description + QLatin1Char(' ') + shown);
    }
    return filters;
}

QString extensionOfFilter(const QString &filterString, int filterIndex)
{
    // The first pattern of the type decides: "*.RTF;*.DOC" gives RTF.
    const QString pattern = patternOf(filterString, filterIndex).section(QLatin1Char(';'), 0, 0);
    const QString extension = pattern.section(QLatin1Char('.'), -1);
    if (!pattern.startsWith(QLatin1String("*.")) || extension.isEmpty()
        || extension.contains(QLatin1Char('*')) || extension.contains(QLatin1Char('?')))
        return QStringLiteral("RTF");
    return extension;
}

QString withDefaultExtension(const QString &path, const QString &filterString, int filterIndex)
{
    if (fileNamePart(path).contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + extensionOfFilter(filterString, filterIndex);
}

} // namespace coil
