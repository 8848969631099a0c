// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into the Windows build's tests, which run under Wine on Qt's
// offscreen platform. There Qt reads its faces from one folder of font files
// (QT_QPA_FONTDIR, which scripts/windows/wine-run.sh points at the Liberation
// fonts) and knows none of the system's font replacements. The faces the
// windows ask for by their Windows names get the Liberation face of the same
// metrics, as a Windows desktop (and the Wine prefix) gives them, so the
// tests measure the texts in the faces the layouts are made for.
#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>

namespace {

void useLiberationFacesOffscreen()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())
        || QGuiApplication::platformName() != QLatin1String("offscreen"))
        return;
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(useLiberationFacesOffscreen)
