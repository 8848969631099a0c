#include "app/AboutTexts.h"

namespace app::about {

QString signature()
{
    return QStringLiteral("Bandimor project");
}

QString boxCaption()
{
    return QStringLiteral("* * *  ") + signature() + QStringLiteral("  * * *");
}

QString versionCaption()
{
    return QStringLiteral("Bandimor v 1.7");
}

QString buttonCaption()
{
    return QStringLiteral("Так и есть");
}

QString greeting()
{
    return QStringLiteral("Удачи в эфире!");
}

QString originLine()
{
    return QStringLiteral("Сделано на Qt 6");
}

QString mailAddress()
{
    return QStringLiteral("bandimor@mail.test");
}

QUrl mailtoUrl(const QString &address)
{
    // Parsed from the whole text, so the blank after the colon stays part
    // of the address as the shell expects it.
    return QUrl(QStringLiteral("mailto: ") + address
                    + QStringLiteral("?subject=Замечания по Bandimor v 1.7"),
                QUrl::TolerantMode);
}

} // namespace app::about
