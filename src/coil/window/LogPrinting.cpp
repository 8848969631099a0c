// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/window/LogPrinting.h"

#include "base/AppError.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTextDocument>
#include <memory>

namespace coil {
namespace {

// The document is laid out as on screen and scaled to the printer, so that
// fonts sized in pixels print at the size they show.
qreal screenDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

} // namespace

void printLogDocument(const QTextDocument &document, QPrinter *printer, const QColor &textColor)
{
    if (!printer->isValid())
        throw AppError(QStringLiteral("Printer selected is not valid"));
    QPainter painter;
    if (!painter.begin(printer))
        throw AppError(QStringLiteral("Printing failed"));

    // A copy with the ordinary rich-text layout: the log's own layout is
    // made for the screen and knows no pages.
    std::unique_ptr<QTextDocument> pages(document.clone());
    pages->setDocumentMargin(0);
    const qreal scaleX = printer->logicalDpiX() / screenDpi();
    const qreal scaleY = printer->logicalDpiY() / screenDpi();
    const QSizeF pageSize(printer->width() / scaleX, printer->height() / scaleY);
    pages->setPageSize(pageSize);

    const int pageCount = pages->pageCount();
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0 && !printer->newPage())
            throw AppError(QStringLiteral("Printing failed"));
        const QRectF area(QPointF(0, page * pageSize.height()), pageSize);
        painter.save();
        painter.scale(scaleX, scaleY);
        painter.translate(0, -area.top());
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette.setColor(QPalette::Text, textColor.isValid() ? textColor : QColor(Qt::black));
        context.clip = area;
        painter.setClipRect(area);
        pages->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    painter.end();
}

} // namespace coil
