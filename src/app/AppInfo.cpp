#include "app/AppInfo.h"

#include <QCoreApplication>

namespace app {

QString applicationTitle()
{
    return QStringLiteral("Bandimor v1.7");
}

QString mainWindowCaption()
{
    return QStringLiteral("Bandimor v 1.7");
}

QString executableDir()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

QString errorBoxText(const QString &text)
{
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        return text + QLatin1Char('.');
    return text;
}

} // namespace app
