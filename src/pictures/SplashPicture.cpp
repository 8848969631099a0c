// SPDX-License-Identifier: GPL-3.0-or-later
// The splash: the program's name and version over a resistor whose bands
// read 12 kΩ ± 5 %, the colours the main window starts with.

#include "base/AppInfo.h"
#include "pictures/DrawingKit.h"
#include "pictures/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pictures {

using namespace kit;

namespace {

void drawResistor(QPainter &painter, const QRectF &body)
{
    const qreal leadY = body.center().y();
    QLinearGradient metal(0, leadY - 2, 0, leadY + 2);
    metal.setColorAt(0.0, QColor(0xE0, 0xE0, 0xE0));
    metal.setColorAt(1.0, QColor(0x80, 0x80, 0x80));
    painter.setPen(QPen(QBrush(metal), 3.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(body.left() - 50, leadY), QPointF(body.right() + 50, leadY));

    QPainterPath shape;
    shape.addRoundedRect(body, body.height() / 2.2, body.height() / 2.2);
    QLinearGradient glaze(body.topLeft(), body.bottomLeft());
    glaze.setColorAt(0.0, QColor(0xF4, 0xE4, 0xC0));
    glaze.setColorAt(0.35, QColor(0xE2, 0xC8, 0x94));
    glaze.setColorAt(1.0, QColor(0xA8, 0x8C, 0x5C));
    painter.setPen(QPen(QColor(0x6A, 0x56, 0x34), 1.0));
    painter.setBrush(glaze);
    painter.drawPath(shape);

    // Brown 1, red 2, orange × 1000, and after a gap gold ± 5 %.
    const QColor bands[] = {QColor(0x7B, 0x3F, 0x12), QColor(0xD0, 0x20, 0x20),
                            QColor(0xF0, 0x80, 0x10), QColor(0xD4, 0xAF, 0x37)};
    const qreal bandX[] = {0.2, 0.34, 0.48, 0.76};
    painter.save();
    painter.setClipPath(shape);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        QLinearGradient band(body.topLeft(), body.bottomLeft());
        band.setColorAt(0.0, bands[i].lighter(130));
        band.setColorAt(0.4, bands[i]);
        band.setColorAt(1.0, bands[i].darker(150));
        painter.setBrush(band);
        painter.drawRect(QRectF(body.left() + body.width() * bandX[i], body.top(), body.width() * 0.08,
                                body.height()));
    }
    painter.restore();
}

} // namespace

QImage splashPicture()
{
    QImage image = blankPicture(QSize(260, 140));
    QPainter painter(&image);
    prepare(painter);

    // A sunken frame, like a panel on a dialog.
    painter.setPen(QColor(0xA0, 0xA0, 0xA0));
    painter.drawRect(QRectF(3.5, 3.5, 252, 132));
    painter.setPen(Qt::white);
    painter.drawRect(QRectF(4.5, 4.5, 252, 132));

    QFont title(QStringLiteral("Arial"));
    title.setStyleHint(QFont::SansSerif);
    title.setPixelSize(36);
    title.setBold(true);
    painter.setFont(title);
    const QRectF titleBox(0, 14, 260, 44);
    painter.setPen(QColor(0xFF, 0xFF, 0xFF));
    painter.drawText(titleBox.translated(1.5, 1.5), Qt::AlignCenter, base::programName());
    painter.setPen(QColor(0x1C, 0x3A, 0x70));
    painter.drawText(titleBox, Qt::AlignCenter, base::programName());

    QFont version = title;
    version.setPixelSize(14);
    version.setBold(false);
    painter.setFont(version);
    painter.setPen(ink());
    painter.drawText(QRectF(0, 56, 260, 18), Qt::AlignCenter, QStringLiteral("v") + base::programVersion());

    drawResistor(painter, QRectF(80, 88, 100, 28));
    return image;
}

} // namespace pictures
