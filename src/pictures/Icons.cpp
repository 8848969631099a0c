// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/Icons.h"

#include "pictures/IconPainting.h"
#include "pictures/PaletteInk.h"

#include <QGuiApplication>
#include <QIconEngine>
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

namespace {

// The icon with all its pixmaps, in the palette's ink.
QIcon drawnIcon(IconId id)
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

// Draws its icon when something first asks for it, not when a window is
// made: most icons are in menus that may never open, and drawing them all
// took a quarter of the start-up.
class DrawnIconEngine : public QIconEngine
{
public:
    explicit DrawnIconEngine(IconId id)
        : m_id(id)
    {
    }

    QIconEngine *clone() const override { return new DrawnIconEngine(*this); }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("bandimor-drawn"); }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        drawn().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return drawn().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return drawn().pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return drawn().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return drawn().availableSizes(mode, state);
    }

private:
    const QIcon &drawn()
    {
        if (m_drawn.isNull())
            m_drawn = drawnIcon(m_id);
        return m_drawn;
    }

    IconId m_id;
    QIcon m_drawn;
};

} // namespace

QIcon icon(IconId id)
{
    return QIcon(new DrawnIconEngine(id));
}

} // namespace pictures
