// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the log goes onto paper: the margins of its pages, where its pages
// break, and which pages a print job puts on paper, in what order, from what
// the print dialog asked (page ranges, page order, copies, collation).

#include <QList>
#include <QMarginsF>
#include <QPageRanges>

class QTextDocument;

namespace coil {

// The pages to print, 1-based and in printing order, for a document of
// pageCount pages: those of the ranges asked for (all pages when there are
// none), in reverse for last page first, and copies times over, each copy
// whole when collated, each page repeated in place otherwise.
QList<int> pagesToPrint(int pageCount, const QPageRanges &ranges, int copies, bool collate,
                        bool lastPageFirst);

// The margins of a printed page, in millimetres: 20 at the left (for the
// binding), 10 at the top, right and bottom, or the printer's own minimum
// where that is larger, so that nothing is cut off at the paper's edge.
QMarginsF printMargins(const QMarginsF &printerMinimumMm);

// One page: the stretch of the document it shows, in the document's
// coordinates, from the top of its first line to the top of the next page's.
struct PageSlice
{
    qreal top = 0;
    qreal bottom = 0;
};

// Cuts a document laid out in one column without pages (no page height)
// into pages pageHeight high. A page ends after the last whole line that
// fits on it; a result block (its "Опыт №" line to its last line that is not
// empty) that would be cut but fits on a page starts the next page instead.
// Page breaks asked for by the text are kept. A line higher than a page is
// cut into pieces.
QList<PageSlice> documentPages(const QTextDocument &document, qreal pageHeight);

} // namespace coil
