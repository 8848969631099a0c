// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/window/LogPrinting.h"

#include "base/AppError.h"
#include "coil/PrintedPages.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTextDocument>
#include <cmath>
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

    // Margins a printer can print, and room to bind the sheets at the left.
    printer->setFullPage(false);
    QPageLayout pageLayout = printer->pageLayout();
    pageLayout.setUnits(QPageLayout::Millimeter);
    const QMarginsF margins = printMargins(pageLayout.minimumMargins());
    // The printer cuts its margins to whole dots: asked for whole dots, and
    // a hair more, they stay as wide as asked.
    const qreal dotsPerMm = printer->resolution() / 25.4;
    const auto wholeDots = [dotsPerMm](qreal mm) {
        return (std::ceil(mm * dotsPerMm - 1e-6) + 1e-3) / dotsPerMm;
    };
    printer->setPageMargins({wholeDots(margins.left()), wholeDots(margins.top()), wholeDots(margins.right()),
                             wholeDots(margins.bottom())},
                            QPageLayout::Millimeter);

    // A copy with the ordinary rich-text layout, in one column: the log's own
    // layout is made for the screen, and the pages are cut below.
    std::unique_ptr<QTextDocument> layout(document.clone());
    layout->setDocumentMargin(0);
    const qreal scaleX = printer->logicalDpiX() / screenDpi();
    const qreal scaleY = printer->logicalDpiY() / screenDpi();
    const QSizeF pageSize(printer->width() / scaleX, printer->height() / scaleY);
    layout->setTextWidth(pageSize.width());
    const QList<PageSlice> slices = documentPages(*layout, pageSize.height());

    // "Pages from 2 to 4" and "1-2,5" alike come as page ranges.
    const bool ranged = printer->printRange() == QPrinter::PageRange;
    // A printer that makes the copies itself gets each page once.
    const bool printerCopies = printer->supportsMultipleCopies();
    const QList<int> pages = pagesToPrint(int(slices.size()), ranged ? printer->pageRanges() : QPageRanges(),
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
        const PageSlice &slice = slices.at(pages.at(i) - 1);
        const QRectF area(0, slice.top, pageSize.width(), slice.bottom - slice.top);
        painter.save();
        painter.scale(scaleX, scaleY);
        painter.translate(0, -area.top());
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette.setColor(QPalette::Text, textColor.isValid() ? textColor : QColor(Qt::black));
        // Only the lines of this page: those that end where it begins or
        // begin where it ends belong to its neighbours.
        context.clip = area.adjusted(0, 0.01, 0, -0.01);
        painter.setClipRect(area);
        layout->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    painter.end();
}

} // namespace coil
