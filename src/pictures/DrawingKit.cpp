// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/DrawingKit.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>
#include <cmath>

namespace pictures::kit {

QColor buttonFace() { return QColor(0xF0, 0xF0, 0xF0); }
QColor ink() { return QColor(0x20, 0x20, 0x28); }
QColor copper() { return QColor(0xE8, 0x90, 0x48); }
QColor copperShadow() { return QColor(0xA8, 0x64, 0x30); }
QColor formerFill() { return QColor(0xE6, 0xD8, 0xB8); }

QImage blankPicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(buttonFace());
    return image;
}

void prepare(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

QFont letterFont(qreal pixelSize, bool italic)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(qRound(pixelSize));
    font.setItalic(italic);
    return font;
}

void drawArrowHead(QPainter &painter, QPointF tip, QPointF from, qreal length)
{
    const QLineF shaft(tip, from);
    if (shaft.length() <= 0.0)
        return;
    const QPointF unit = (from - tip) / shaft.length();
    const QPointF normal(-unit.y(), unit.x());
    const QPointF base = tip + unit * length;
    const QPolygonF head{tip, base + normal * (length * 0.42), base - normal * (length * 0.42)};

    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink());
    painter.drawPolygon(head);
    painter.restore();
}

QPointF crisp(QPointF point)
{
    return {std::floor(point.x()) + 0.5, std::floor(point.y()) + 0.5};
}

void drawExtensionLine(QPainter &painter, QPointF a, QPointF b)
{
    painter.save();
    painter.setPen(QPen(ink().lighter(250), 1.0));
    painter.drawLine(crisp(a), crisp(b));
    painter.restore();
}

void drawDimensionLine(QPainter &painter, QPointF a, QPointF b)
{
    a = crisp(a);
    b = crisp(b);
    painter.save();
    painter.setPen(QPen(ink(), 1.0));
    painter.drawLine(a, b);
    drawArrowHead(painter, a, b);
    drawArrowHead(painter, b, a);
    painter.restore();
}

void drawLetter(QPainter &painter, QPointF centre, const QString &letter, qreal pixelSize)
{
    painter.save();
    painter.setPen(ink());
    painter.setFont(letterFont(pixelSize));
    const QRectF box(centre.x() - pixelSize, centre.y() - pixelSize, 2 * pixelSize, 2 * pixelSize);
    painter.drawText(box, Qt::AlignCenter, letter);
    painter.restore();
}

void drawCentreLine(QPainter &painter, QPointF a, QPointF b)
{
    painter.save();
    // A grey, like ink: a dark palette shows it in its text colour.
    QPen pen(QColor(0x50, 0x50, 0x5C), 0.6);
    pen.setDashPattern({8.0, 3.0, 1.5, 3.0});
    painter.setPen(pen);
    painter.drawLine(a, b);
    painter.restore();
}

QPainterPath coilLoopsPath(qreal x0, qreal x1, qreal y, qreal radius, int turns)
{
    // A prolate cycloid: the pen runs along while circling faster than it
    // advances, so every turn closes into a small loop.
    const qreal span = x1 - x0 - 2.0 * radius * 0.55;
    const qreal advance = span / (2.0 * M_PI * turns);
    const int steps = 48 * turns;
    QPainterPath path;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = 2.0 * M_PI * turns * i / steps;
        const QPointF point(x0 + radius * 0.55 + advance * t - radius * 0.55 * qSin(t),
                            y + radius * qCos(t));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

} // namespace pictures::kit
