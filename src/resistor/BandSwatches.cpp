// SPDX-License-Identifier: GPL-3.0-or-later
#include "resistor/BandSwatches.h"

#include <QLinearGradient>
#include <QPainter>
#include <array>

namespace resistor {

namespace {

struct NamedColour
{
    const char *name;
    QRgb colour;
    bool metallic;
};

constexpr std::array<NamedColour, 12> bandColours{{
    {"чёрный", 0x000000, false},
    {"коричневый", 0x8B4513, false},
    {"красный", 0xE00000, false},
    {"оранжевый", 0xFF8C00, false},
    {"жёлтый", 0xFFE000, false},
    {"зелёный", 0x00A040, false},
    {"голубой", 0x2080FF, false},
    {"фиолетовый", 0x8B00FF, false},
    {"серый", 0x808080, false},
    {"белый", 0xFFFFFF, false},
    {"золотистый", 0xD4AF37, true},
    {"серебристый", 0xC0C0C0, true},
}};

const NamedColour *find(const QString &colourName)
{
    for (const NamedColour &entry : bandColours) {
        if (colourName == QString::fromUtf8(entry.name))
            return &entry;
    }
    return nullptr;
}

// Between white and black in lightness: a frame that stands out from both
// a light and a dark window.
const QColor frameGrey(0x80, 0x80, 0x80);

} // namespace

QColor bandColour(const QString &colourName)
{
    const NamedColour *entry = find(colourName);
    return entry ? QColor(entry->colour) : QColor();
}

QImage bandSwatch(const QString &colourName, QSize size)
{
    const NamedColour *entry = find(colourName);
    if (!entry || size.isEmpty())
        return {};
    QImage swatch(size, QImage::Format_ARGB32_Premultiplied);
    swatch.fill(Qt::transparent);
    QPainter painter(&swatch);
    const QRectF body = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor colour(entry->colour);
    if (entry->metallic) {
        // A sheen across the middle, darker at the edges, as on a metal band.
        QLinearGradient sheen(body.topLeft(), body.bottomLeft());
        sheen.setColorAt(0.0, colour.darker(135));
        sheen.setColorAt(0.35, colour.lighter(125));
        sheen.setColorAt(0.5, colour);
        sheen.setColorAt(1.0, colour.darker(150));
        painter.setBrush(sheen);
    } else {
        painter.setBrush(colour);
    }
    painter.setPen(QPen(frameGrey, 1.0));
    painter.drawRect(body);
    return swatch;
}

} // namespace resistor
