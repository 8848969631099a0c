// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/IconPainting.h"

#include "pictures/DrawingKit.h"

#include <QLinearGradient>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>

namespace pictures {

using namespace kit;

namespace {

const QColor outline(0x30, 0x30, 0x40);
const QColor paper(0xFF, 0xFF, 0xFF);
const QColor blue(0x2A, 0x62, 0xC0);
const QColor magenta(0xE8, 0x50, 0xE8);
const QColor green(0x10, 0x90, 0x20);

QPen outlinePen(qreal width = 1.2)
{
    return QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawSheet(QPainter &p, const QRectF &sheet)
{
    p.setPen(outlinePen(1.0));
    p.setBrush(paper);
    p.drawRect(sheet);
    p.setPen(QPen(QColor(0x90, 0x90, 0xA0), 1.0));
    for (qreal y = sheet.top() + 3.5; y < sheet.bottom() - 1.5; y += 3.0)
        p.drawLine(QPointF(sheet.left() + 2.5, y), QPointF(sheet.right() - 2.5, y));
}

void drawLetterL(QPainter &p, QPointF centre)
{
    p.setPen(outline);
    QFont font = letterFont(14);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(centre.x() - 8, centre.y() - 8, 16, 16), Qt::AlignCenter, QStringLiteral("L"));
}

// The outline of a stroke along the loops, made once for every size of an
// icon: simplifying it is the dearest step of drawing the icons.
QPainterPath loopsOutline(qreal x0, qreal x1, qreal y, qreal radius, qreal width)
{
    static QMap<std::array<qreal, 5>, QPainterPath> made;
    const std::array<qreal, 5> key{x0, x1, y, radius, width};
    auto found = made.find(key);
    if (found == made.end()) {
        QPainterPathStroker stroker;
        stroker.setWidth(width);
        stroker.setCapStyle(Qt::RoundCap);
        stroker.setJoinStyle(Qt::RoundJoin);
        found = made.insert(key, stroker.createStroke(coilLoopsPath(x0, x1, y, radius, 2)).simplified());
    }
    return *found;
}

// Loops in a colour, outlined in ink around the outside of the whole
// drawing and around its holes only: a thin line of ink everywhere beside
// the see-through ground, which a dark palette shows in its text colour.
void drawOutlinedLoops(QPainter &p, qreal x0, qreal x1, qreal y, qreal radius, const QColor &colour,
                       qreal width)
{
    const QPainterPath outer = loopsOutline(x0, x1, y, radius, width);
    const qreal pixel = 1.0 / p.transform().m11();
    // Holes too small to show the ground would be filled with outline.
    QPainterPath shape;
    shape.setFillRule(Qt::OddEvenFill);
    for (const QPolygonF &contour : outer.toSubpathPolygons()) {
        const QRectF box = contour.boundingRect();
        if (box.width() * box.height() >= 9 * pixel * pixel && qMin(box.width(), box.height()) >= 2.5 * pixel)
            shape.addPolygon(contour);
    }
    p.save();
    p.setPen(QPen(outline, pixel, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPath(shape);
    p.restore();
}

void paintCoil(QPainter &p)
{
    p.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 1.5));
    p.drawLine(QPointF(0.5, 12), QPointF(3, 12));
    p.drawLine(QPointF(21, 12), QPointF(23.5, 12));
    drawOutlinedLoops(p, 2.5, 21.5, 12, 6.0, copper(), 2.2);
}

void paintApplication(QPainter &p)
{
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(1.5, 22.5), QPointF(22.5, 1.5));
    p.translate(12, 12);
    p.rotate(-45);
    const QRectF body(-8.5, -4, 17, 8);
    p.setPen(outlinePen(0.9));
    p.setBrush(QColor(0xE2, 0xC8, 0x94));
    p.drawRoundedRect(body, 3.5, 3.5);
    const QColor bands[] = {QColor(0x7B, 0x3F, 0x12), QColor(0xD0, 0x20, 0x20), QColor(0xF0, 0x80, 0x10),
                            QColor(0xD4, 0xAF, 0x37)};
    const qreal bandX[] = {-5.5, -2.8, -0.1, 3.8};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(bands[i]);
        p.drawRect(QRectF(bandX[i], body.top() + 0.5, 1.8, body.height() - 1));
    }
}

void paintExit(QPainter &p)
{
    // A door frame with the door swung open and an arrow leaving through it.
    p.setPen(outlinePen());
    p.setBrush(QColor(0x40, 0x40, 0x48));
    p.drawRect(QRectF(3, 2.5, 11, 19));
    p.setBrush(QColor(0xB0, 0x70, 0x38));
    p.drawPolygon(QPolygonF{{3, 2.5}, {9, 5}, {9, 23}, {3, 21.5}});
    QPainterPath arrow;
    arrow.moveTo(11, 10);
    arrow.lineTo(17, 10);
    arrow.lineTo(17, 6.5);
    arrow.lineTo(23, 12);
    arrow.lineTo(17, 17.5);
    arrow.lineTo(17, 14);
    arrow.lineTo(11, 14);
    arrow.closeSubpath();
    p.setPen(QPen(green.darker(150), 0.9));
    p.setBrush(QColor(0x30, 0xC0, 0x40));
    p.drawPath(arrow);
}

void paintCalculate(QPainter &p)
{
    p.setPen(outlinePen());
    p.setBrush(QColor(0x50, 0x58, 0x68));
    p.drawRoundedRect(QRectF(4.5, 1.5, 15, 21), 2, 2);
    p.setBrush(QColor(0xB8, 0xE0, 0xB0));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(6.5, 3.5, 11, 5));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            p.setBrush(row == 2 && column == 2 ? QColor(0xF0, 0x90, 0x30) : QColor(0xE8, 0xE8, 0xF0));
            p.drawRect(QRectF(6.5 + column * 4, 10.5 + row * 4, 3, 3));
        }
    }
}

void paintRoundSign(QPainter &p, const QString &text, bool serif)
{
    QRadialGradient shade(QPointF(9, 8), 12);
    shade.setColorAt(0.0, blue.lighter(150));
    shade.setColorAt(1.0, blue);
    p.setPen(QPen(blue.darker(150), 1.0));
    p.setBrush(shade);
    p.drawEllipse(QRectF(1.5, 1.5, 21, 21));
    QFont font(serif ? QStringLiteral("Times New Roman") : QStringLiteral("Arial"));
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    font.setPixelSize(16);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1.5, 1.5, 21, 21), Qt::AlignCenter, text);
}

void paintOpen(QPainter &p)
{
    p.setPen(outlinePen(1.0));
    p.setBrush(QColor(0xD8, 0xA8, 0x30));
    p.drawPolygon(QPolygonF{{1.5, 5}, {8, 5}, {10, 7}, {19, 7}, {19, 20}, {1.5, 20}});
    p.setBrush(QColor(0xF8, 0xD0, 0x60));
    p.drawPolygon(QPolygonF{{5, 10.5}, {23, 10.5}, {19, 20}, {1.5, 20}});
}

void paintSaveAs(QPainter &p)
{
    p.setPen(outlinePen(1.0));
    p.setBrush(blue);
    p.drawPolygon(QPolygonF{{2, 2}, {17, 2}, {20, 5}, {20, 20}, {2, 20}});
    p.setBrush(paper);
    p.drawRect(QRectF(5, 2, 11, 7));
    p.setBrush(QColor(0xC8, 0xC8, 0xD0));
    p.drawRect(QRectF(6, 13, 10, 7));
    // A pencil: the disk is written anew, under another name.
    p.translate(18, 17);
    p.rotate(-45);
    p.setPen(outlinePen(0.8));
    p.setBrush(QColor(0xF8, 0xC0, 0x30));
    p.drawRect(QRectF(-2, -2, 9, 4));
    p.setBrush(QColor(0xF0, 0xD8, 0xB0));
    p.drawPolygon(QPolygonF{{-2, -2}, {-5.5, 0}, {-2, 2}});
}

void paintPrint(QPainter &p)
{
    p.setPen(outlinePen(1.0));
    p.setBrush(paper);
    p.drawRect(QRectF(6, 2, 12, 8));
    p.setBrush(QColor(0x90, 0x98, 0xA8));
    p.drawRoundedRect(QRectF(1.5, 8.5, 21, 9), 1.5, 1.5);
    p.setBrush(QColor(0x30, 0xC0, 0x40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(19, 11.5), 1, 1);
    drawSheet(p, QRectF(6, 14, 12, 8.5));
}

void paintUndo(QPainter &p)
{
    QPainterPath curve;
    curve.moveTo(20, 19);
    curve.cubicTo(22, 10, 15, 6.5, 8, 9);
    p.setPen(QPen(blue, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawPolygon(QPolygonF{{2, 11}, {10, 4.5}, {11, 14}});
}

void paintCut(QPainter &p)
{
    p.setPen(QPen(QColor(0x70, 0x78, 0x88), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 15), QPointF(16, 2));
    p.drawLine(QPointF(15, 15), QPointF(8, 2));
    p.setPen(QPen(QColor(0xD0, 0x20, 0x20), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(7.5, 18.5), 3.2, 3.2);
    p.drawEllipse(QPointF(16.5, 18.5), 3.2, 3.2);
}

void paintCopy(QPainter &p)
{
    drawSheet(p, QRectF(2.5, 2.5, 12, 15));
    drawSheet(p, QRectF(9.5, 7.5, 12, 15));
}

void paintPaste(QPainter &p)
{
    p.setPen(outlinePen(1.0));
    p.setBrush(QColor(0xB0, 0x80, 0x48));
    p.drawRoundedRect(QRectF(2.5, 3.5, 15, 19), 1.5, 1.5);
    p.setBrush(QColor(0xC8, 0xC8, 0xD0));
    p.drawRoundedRect(QRectF(6.5, 1.5, 7, 4), 1, 1);
    drawSheet(p, QRectF(10.5, 9.5, 11, 13));
}

void paintDelete(QPainter &p)
{
    p.setPen(QPen(QColor(0xD0, 0x20, 0x20), 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 5), QPointF(19, 19));
    p.drawLine(QPointF(19, 5), QPointF(5, 19));
}

void paintFont(QPainter &p)
{
    QFont big = letterFont(20, false);
    big.setBold(true);
    p.setFont(big);
    p.setPen(outline);
    p.drawText(QRectF(0, 0, 16, 22), Qt::AlignCenter, QStringLiteral("A"));
    QFont small = letterFont(13, true);
    p.setFont(small);
    p.setPen(blue);
    p.drawText(QRectF(12, 8, 12, 14), Qt::AlignCenter, QStringLiteral("a"));
}

void paintClear(QPainter &p)
{
    // An eraser over a line it has half rubbed out.
    p.setPen(QPen(QColor(0x60, 0x60, 0x70), 1.2));
    p.drawLine(QPointF(1.5, 21.5), QPointF(9, 21.5));
    p.translate(13, 11);
    p.rotate(-40);
    p.setPen(outlinePen(1.0));
    p.setBrush(QColor(0xF4, 0x9C, 0xB0));
    p.drawRect(QRectF(-9, -4.5, 8, 9));
    p.setBrush(QColor(0x58, 0x80, 0xD8));
    p.drawRect(QRectF(-1, -4.5, 10, 9));
}

void paintClose(QPainter &p)
{
    p.setPen(outlinePen(1.0));
    p.setBrush(paper);
    p.drawRect(QRectF(2.5, 3.5, 19, 17));
    p.setBrush(blue);
    p.drawRect(QRectF(2.5, 3.5, 19, 5));
    p.setPen(QPen(QColor(0xD0, 0x20, 0x20), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 11), QPointF(15, 17));
    p.drawLine(QPointF(15, 11), QPointF(9, 17));
}

// The coil of the coil window's first two tabs, below the corner the
// first tab's letter takes.
// The tab pictures are drawn small in a low tab strip: they fill the canvas.
void paintTabCoil(QPainter &p, qreal centreY, qreal radius)
{
    drawOutlinedLoops(p, 1, 23, centreY, radius, magenta, 1.8);
}

void paintTabWire(QPainter &p)
{
    p.setPen(QPen(green, 2.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 22.5), QPointF(22.5, 3));
    drawLetterL(p, {6, 6.5});
}

} // namespace

void paintIcon(QPainter &p, IconId id)
{
    switch (id) {
    case IconId::Coil: paintCoil(p); break;
    case IconId::Application: paintApplication(p); break;
    case IconId::Exit: paintExit(p); break;
    case IconId::Calculate: paintCalculate(p); break;
    case IconId::Help: paintRoundSign(p, QStringLiteral("?"), false); break;
    case IconId::About: paintRoundSign(p, QStringLiteral("i"), true); break;
    case IconId::Open: paintOpen(p); break;
    case IconId::SaveAs: paintSaveAs(p); break;
    case IconId::Print: paintPrint(p); break;
    case IconId::Undo: paintUndo(p); break;
    case IconId::Cut: paintCut(p); break;
    case IconId::Copy: paintCopy(p); break;
    case IconId::Paste: paintPaste(p); break;
    case IconId::Delete: paintDelete(p); break;
    case IconId::Font: paintFont(p); break;
    case IconId::Clear: paintClear(p); break;
    case IconId::Close: paintClose(p); break;
    case IconId::CoilTabInductance:
        paintTabCoil(p, 16, 6.5);
        drawLetterL(p, {6, 6.5});
        break;
    case IconId::CoilTabTurns: paintTabCoil(p, 12, 8.5); break;
    case IconId::CoilTabWire: paintTabWire(p); break;
    }
}

} // namespace pictures
