// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing a document as one job, page by page on the printable area of each
// page, from its top left corner with no margins of its own.

#include <QColor>
#include <QList>
#include <QPageRanges>

class QPrinter;
class QTextDocument;

namespace coil {

// The pages to print, 1-based and in printing order, for a document of
// pageCount pages: those of the ranges asked for (all pages when there are
// none), in reverse for last page first, and copies times over, each copy
// whole when collated, each page repeated in place otherwise.
QList<int> pagesToPrint(int pageCount, const QPageRanges &ranges, int copies, bool collate,
                        bool lastPageFirst);

// Text without a colour of its own prints in textColor (black when invalid).
// Honours the printer's page ranges, page order, copies and collation; copies
// that the printer makes itself are printed once. Throws AppError when the
// printer cannot be used.
void printLogDocument(const QTextDocument &document, QPrinter *printer,
                      const QColor &textColor = QColor());

} // namespace coil
