// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/Icons.h"

#include "pictures/IconPainting.h"
#include "pictures/PaletteInk.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace pictures {

QList<IconId> allIconIds()
{
    QList<IconId> ids;
    for (int i = int(IconId::Coil); i <= int(IconId::CoilTabWire); ++i)
        ids << IconId(i);
    return ids;
}

QImage iconImage(IconId id, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size / qreal(iconCanvas), size / qreal(iconCanvas));
    paintIcon(painter, id);
    return image;
}

QIcon icon(IconId id)
{
    QList<int> sizes{16, 24};
    if (id == IconId::Application || id == IconId::Coil)
        sizes << 32 << 48;
    QIcon result;
    // Shown on the window's colour, light or dark.
    const QPalette palette = QGuiApplication::palette();
    for (const int size : sizes)
        result.addPixmap(QPixmap::fromImage(inPaletteInk(iconImage(id, size), palette)));
    return result;
}

} // namespace pictures
