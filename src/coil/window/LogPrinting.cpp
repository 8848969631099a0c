// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/window/LogPrinting.h"

#include "base/AppError.h"
#include "coil/PrintedPages.h"

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

    // The printable area of the page, from its top left corner: no margins
    // beyond those the printer cannot print on.
    printer->setFullPage(false);
    printer->setPageMargins(printer->pageLayout().minimumMargins(), printer->pageLayout().units());

    // A copy with the ordinary rich-text layout: the log's own layout is
    // made for the screen and knows no pages.
    std::unique_ptr<QTextDocument> layout(document.clone());
    layout->setDocumentMargin(0);
    const qreal scaleX = printer->logicalDpiX() / screenDpi();
    const qreal scaleY = printer->logicalDpiY() / screenDpi();
    const QSizeF pageSize(printer->width() / scaleX, printer->height() / scaleY);
    layout->setPageSize(pageSize);

    // "Pages from 2 to 4" and "1-2,5" alike come as page ranges.
    const bool ranged = printer->printRange() == QPrinter::PageRange;
    // A printer that makes the copies itself gets each page once.
    const bool printerCopies = printer->supportsMultipleCopies();
    const QList<int> pages = pagesToPrint(layout->pageCount(), ranged ? printer->pageRanges() : QPageRanges(),
                                          printerCopies ? 1 : printer->copyCount(),
                                          printer->collateCopies(),
                                          printer->pageOrder() == QPrinter::LastPageFirst);
    if (pages.isEmpty())
        return;

    QPainter painter;
    if (!painter.begin(printer))
        throw AppError(QStringLiteral("Printing failed"));
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0 && !printer->newPage())
            throw AppError(QStringLiteral("Printing failed"));
        const QRectF area(QPointF(0, (pages.at(i) - 1) * pageSize.height()), pageSize);
        painter.save();
        painter.scale(scaleX, scaleY);
        painter.translate(0, -area.top());
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette.setColor(QPalette::Text, textColor.isValid() ? textColor : QColor(Qt::black));
        context.clip = area;
        painter.setClipRect(area);
        layout->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    painter.end();
}

} // namespace coil
