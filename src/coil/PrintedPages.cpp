// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/PrintedPages.h"

#include <algorithm>

namespace coil {

QList<int> pagesToPrint(int pageCount, const QPageRanges &ranges, int copies, bool collate,
                        bool lastPageFirst)
{
    QList<int> range;
    for (int page = 1; page <= pageCount; ++page) {
        if (ranges.isEmpty() || ranges.contains(page))
            range.append(page);
    }
    if (lastPageFirst)
        std::reverse(range.begin(), range.end());

    copies = std::max(1, copies);
    QList<int> pages;
    if (collate) {
        for (int copy = 0; copy < copies; ++copy)
            pages.append(range);
    } else {
        for (const int page : std::as_const(range))
            pages.append(QList<int>(copies, page));
    }
    return pages;
}

} // namespace coil
