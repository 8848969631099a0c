// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared pieces of the program's line drawings: colours, the lettering font,
// dimension lines with arrows, and the coil turns that several pictures use.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QSize>
#include <QString>

class QPainter;
class QPainterPath;

namespace pictures::kit {

QColor buttonFace();   // the window grey the bitmaps are drawn on
QColor ink();          // outlines, dimension lines and letters: a grey
// The copper and its shading keep their colours on any window; only the
// greys of ink and lines are shown in a dark palette's text colour.
QColor copper();
QColor copperShadow();
QColor formerFill();   // the coil former (bobbin)

// A picture of the given size filled with the window grey, ready to paint on.
QImage blankPicture(QSize size);
// Antialiased lines and text, as every drawing here wants.
void prepare(QPainter &painter);

// Serif lettering as on a technical drawing; italic for quantities.
QFont letterFont(qreal pixelSize, bool italic = true);

// The centre of the pixel a point falls in: one-pixel lines drawn through
// it stay sharp.
QPointF crisp(QPointF point);

// A thin line from a part's edge out to its dimension line.
void drawExtensionLine(QPainter &painter, QPointF a, QPointF b);
// A thin line from a to b with a filled arrow head at each end.
void drawDimensionLine(QPainter &painter, QPointF a, QPointF b);
// A filled arrow head whose tip is at tip, pointing away from from.
void drawArrowHead(QPainter &painter, QPointF tip, QPointF from, qreal length = 5.0);
// A letter centred on centre.
void drawLetter(QPainter &painter, QPointF centre, const QString &letter, qreal pixelSize = 12.0);
// The axis of a part: a thin dash-dot line.
void drawCentreLine(QPainter &painter, QPointF a, QPointF b);

// A row of loops like a spring seen from the side, the schematic look of a
// coil: turns loops between x0 and x1 around the height y, loops radius high.
QPainterPath coilLoopsPath(qreal x0, qreal x1, qreal y, qreal radius, int turns);

} // namespace pictures::kit
