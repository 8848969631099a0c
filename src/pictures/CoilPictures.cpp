// SPDX-License-Identifier: GPL-3.0-or-later
// The coil drawings of the coil window's tabs. Each shows the quantities its
// tab asks for by the letters that the tab's hints name.

#include "pictures/DrawingKit.h"
#include "pictures/Pictures.h"

#include <QLinearGradient>
#include <QPainter>

namespace pictures {

using namespace kit;

namespace {

const QSize coilPictureSize(120, 65);

// A round bar lying on its side, lit from above.
void drawCylinder(QPainter &painter, const QRectF &body, const QColor &light, const QColor &dark)
{
    QLinearGradient shade(body.topLeft(), body.bottomLeft());
    shade.setColorAt(0.0, dark);
    shade.setColorAt(0.3, light);
    shade.setColorAt(1.0, dark);
    painter.save();
    painter.setPen(QPen(ink(), 0.8));
    painter.setBrush(shade);
    painter.drawRect(body);
    // The visible end face at the left.
    const qreal endWidth = body.height() * 0.3;
    painter.setBrush(light);
    painter.drawEllipse(QRectF(body.left() - endWidth / 2, body.top(), endWidth, body.height()));
    painter.restore();
}

// Turns wound side by side over a former: each turn a slanted copper band.
void drawSingleLayerTurns(QPainter &painter, qreal x0, qreal top, qreal bottom, int turns, qreal pitch)
{
    painter.save();
    for (int i = 0; i < turns; ++i) {
        const qreal x = x0 + i * pitch;
        painter.setPen(QPen(copperShadow(), pitch, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(x, top), QPointF(x + pitch, bottom));
        painter.setPen(QPen(copper(), pitch * 0.55, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(x - 0.3, top + 0.5), QPointF(x + pitch - 0.3, bottom - 0.5));
    }
    painter.restore();
}

// A leader from a letter to the part it names.
void drawLeader(QPainter &painter, QPointF from, QPointF to)
{
    painter.save();
    painter.setPen(QPen(ink(), 0.6));
    painter.drawLine(from, to);
    painter.setBrush(ink());
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(to, 1.0, 1.0);
    painter.restore();
}

// A wire's cross-section, as in a cut through a multi-layer winding.
void drawWireSection(QPainter &painter, QPointF centre, qreal radius)
{
    painter.save();
    painter.setPen(QPen(copperShadow(), 0.7));
    painter.setBrush(copper());
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

} // namespace

QImage singleLayerCoilPicture()
{
    QImage image = blankPicture(coilPictureSize);
    QPainter painter(&image);
    prepare(painter);

    const QRectF former(24, 18, 82, 22);
    drawCentreLine(painter, {16, former.center().y()}, {112, former.center().y()});
    drawCylinder(painter, former, formerFill(), formerFill().darker(125));

    const qreal pitch = 5.0;
    const int turns = 10;
    const qreal firstTurn = 40;
    drawSingleLayerTurns(painter, firstTurn, former.top() - 2, former.bottom() + 2, turns, pitch);

    // D: the former's diameter, at the left.
    drawExtensionLine(painter, {former.left(), former.top()}, {8, former.top()});
    drawExtensionLine(painter, {former.left(), former.bottom()}, {8, former.bottom()});
    drawDimensionLine(painter, {11, former.top()}, {11, former.bottom()});
    drawLetter(painter, {4.5, former.center().y()}, QStringLiteral("D"));

    // l: the winding length, below.
    const qreal windingStart = firstTurn - pitch / 2;
    const qreal windingEnd = firstTurn + turns * pitch + pitch / 2;
    drawExtensionLine(painter, {windingStart, former.bottom() + 3}, {windingStart, 54});
    drawExtensionLine(painter, {windingEnd, former.bottom() + 3}, {windingEnd, 54});
    drawDimensionLine(painter, {windingStart, 51}, {windingEnd, 51});
    drawLetter(painter, {(windingStart + windingEnd) / 2, 58.5}, QStringLiteral("l"));

    // d: the wire of one turn; n: the turns.
    drawLeader(painter, {33, 8}, {firstTurn + 0.5, former.top() - 1});
    drawLetter(painter, {29, 6}, QStringLiteral("d"));
    drawLeader(painter, {98, 8}, {firstTurn + (turns - 1) * pitch + 1, former.top() - 1});
    drawLetter(painter, {103, 6}, QStringLiteral("n"));
    return image;
}

QImage multiLayerCoilPicture()
{
    QImage image = blankPicture(coilPictureSize);
    QPainter painter(&image);
    prepare(painter);

    // A cut along the axis: the former, and the winding above and below it.
    const QRectF former(22, 25, 82, 16);
    drawCentreLine(painter, {14, former.center().y()}, {112, former.center().y()});
    drawCylinder(painter, former, formerFill(), formerFill().darker(125));

    const qreal wire = 2.6;  // radius of one wire's section
    const int columns = 8;
    const int layers = 3;
    const qreal windingLeft = 42;
    const qreal windingRight = windingLeft + columns * 2 * wire;
    const qreal thickness = layers * 2 * wire;
    for (int layer = 0; layer < layers; ++layer) {
        for (int column = 0; column < columns; ++column) {
            const qreal x = windingLeft + wire + column * 2 * wire;
            const qreal offset = wire + layer * 2 * wire;
            drawWireSection(painter, {x, former.top() - offset}, wire);
            drawWireSection(painter, {x, former.bottom() + offset}, wire);
        }
    }

    // B: the width of the winding, above.
    const qreal top = former.top() - thickness;
    drawExtensionLine(painter, {windingLeft, top}, {windingLeft, 3});
    drawExtensionLine(painter, {windingRight, top}, {windingRight, 3});
    drawDimensionLine(painter, {windingLeft, 6}, {windingRight, 6});
    painter.fillRect(QRectF((windingLeft + windingRight) / 2 - 5, 0, 10, 12), buttonFace());
    drawLetter(painter, {(windingLeft + windingRight) / 2, 5.5}, QStringLiteral("B"));

    // D: the former's diameter, at the left.
    drawExtensionLine(painter, {former.left(), former.top()}, {7, former.top()});
    drawExtensionLine(painter, {former.left(), former.bottom()}, {7, former.bottom()});
    drawDimensionLine(painter, {10, former.top()}, {10, former.bottom()});
    drawLetter(painter, {4.5, former.center().y()}, QStringLiteral("D"));

    // C: the thickness of the winding, at the right of its lower half.
    const qreal bottom = former.bottom() + thickness;
    drawExtensionLine(painter, {windingRight, bottom}, {96, bottom});
    drawDimensionLine(painter, {93, former.bottom()}, {93, bottom});
    drawLetter(painter, {101, former.bottom() + thickness / 2 + 0.5}, QStringLiteral("C"));

    // n: the turns.
    drawLeader(painter, {31, 57}, {windingLeft + wire, bottom - wire});
    drawLetter(painter, {27, 59}, QStringLiteral("n"));
    return image;
}

QImage turnsPicture()
{
    QImage image = blankPicture(coilPictureSize);
    QPainter painter(&image);
    prepare(painter);

    // An air-wound coil: each turn a narrow ellipse, its back half thin and
    // pale, its front half in full copper.
    const int turns = 8;
    const qreal top = 12, bottom = 40, left = 34, pitch = 7;
    const QRectF first(left, top, 6, bottom - top);
    drawCentreLine(painter, {18, (top + bottom) / 2}, {110, (top + bottom) / 2});
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < turns; ++i) {
        const QRectF turn = first.translated(i * pitch, 0);
        painter.setPen(QPen(copperShadow().lighter(160), 1.2));
        painter.drawArc(turn, 90 * 16, 180 * 16);
        painter.setPen(QPen(copper(), 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(turn, -90 * 16, 180 * 16);
        if (i + 1 < turns) {
            // The wire climbs from this turn's bottom to the next one's top.
            painter.setPen(QPen(copperShadow().lighter(160), 1.2));
            painter.drawLine(QPointF(turn.center().x(), bottom), QPointF(turn.center().x() + pitch, top));
        }
    }
    // The leads.
    const qreal last = left + 3 + (turns - 1) * pitch;
    painter.setPen(QPen(copper(), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(left + 3, top), QPointF(left - 8, top));
    painter.drawLine(QPointF(last, bottom), QPointF(last + 12, bottom));

    // D: the diameter, at the left.
    drawExtensionLine(painter, {left - 2, bottom}, {8, bottom});
    drawExtensionLine(painter, {left - 10, top}, {8, top});
    drawDimensionLine(painter, {11, top}, {11, bottom});
    drawLetter(painter, {4.5, (top + bottom) / 2}, QStringLiteral("D"));

    // l: the length of the winding, below.
    const qreal start = left, end = last + 3;
    drawExtensionLine(painter, {start, bottom + 3}, {start, 54});
    drawExtensionLine(painter, {end, bottom + 3}, {end, 54});
    drawDimensionLine(painter, {start, 51}, {end, 51});
    drawLetter(painter, {(start + end) / 2, 58.5}, QStringLiteral("l"));
    return image;
}

QImage straightWirePicture()
{
    QImage image = blankPicture(QSize(170, 50));
    QPainter painter(&image);
    prepare(painter);

    // On whole pixels, so that its outline is one sharp row of ink.
    const QRectF wire(24.5, 15.5, 120, 9);
    drawCylinder(painter, wire, copper().lighter(130), copperShadow());

    // l: the length, below.
    drawExtensionLine(painter, {wire.left(), wire.bottom() + 2}, {wire.left(), 40});
    drawExtensionLine(painter, {wire.right(), wire.bottom() + 2}, {wire.right(), 40});
    drawDimensionLine(painter, {wire.left(), 37}, {wire.right(), 37});
    painter.fillRect(QRectF(wire.center().x() - 6, 31, 12, 12), buttonFace());
    drawLetter(painter, {wire.center().x(), 36.5}, QStringLiteral("l"));

    // d: the diameter, at the right end, arrows from outside.
    drawExtensionLine(painter, {wire.right() + 2, wire.top()}, {wire.right() + 14, wire.top()});
    drawExtensionLine(painter, {wire.right() + 2, wire.bottom()}, {wire.right() + 14, wire.bottom()});
    const qreal x = crisp({wire.right() + 10, 0}).x();
    painter.setPen(QPen(ink(), 1.0));
    painter.drawLine(QPointF(x, wire.top() - 8), QPointF(x, wire.bottom() + 8));
    drawArrowHead(painter, {x, wire.top()}, {x, wire.top() - 8});
    drawArrowHead(painter, {x, wire.bottom()}, {x, wire.bottom() + 8});
    drawLetter(painter, {x + 9, wire.center().y()}, QStringLiteral("d"));
    return image;
}

} // namespace pictures
