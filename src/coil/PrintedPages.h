// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which pages of the log a print job puts on paper, and in what order, from
// what the print dialog asked: page ranges, page order, copies, collation.

#include <QList>
#include <QPageRanges>

namespace coil {

// The pages to print, 1-based and in printing order, for a document of
// pageCount pages: those of the ranges asked for (all pages when there are
// none), in reverse for last page first, and copies times over, each copy
// whole when collated, each page repeated in place otherwise.
QList<int> pagesToPrint(int pageCount, const QPageRanges &ranges, int copies, bool collate,
                        bool lastPageFirst);

} // namespace coil
