// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BaseFont.h"

#include <QStringList>

namespace ui {

QFont windowBaseFont()
{
    static const bool substitutesInstalled = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   QStringList{QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                                    QStringLiteral("Liberation Sans")});
        return true;
    }();
    Q_UNUSED(substitutesInstalled);

    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return font;
}

QFont pixelFont(const QString &family, int pixels)
{
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

} // namespace ui
