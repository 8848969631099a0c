// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing a document as one job, page by page within margins a printer can
// print, a result block kept whole on one page where it fits.

#include <QColor>

class QPrinter;
class QTextDocument;

namespace coil {

// Text without a colour of its own prints in textColor (black when invalid).
// Honours the printer's page ranges, page order, copies and collation; copies
// that the printer makes itself are printed once. Throws AppError when the
// printer cannot be used.
void printLogDocument(const QTextDocument &document, QPrinter *printer,
                      const QColor &textColor = QColor());

} // namespace coil
