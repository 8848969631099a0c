// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures are drawn in dark ink on the window grey, for light windows.
// Under a dark palette that ink would sink into the window; there the
// letters, lines and outlines are shown in the palette's own text colour on
// its window colour instead, as crisp as dark ink on a light window, while
// the copper, the former and every other colour keep theirs.

#include <QColor>
#include <QImage>

class QPalette;

namespace pictures {

// Contrast of two colours as the accessibility guidelines measure it: from
// 1 (the same lightness) to 21 (black on white).
double contrastRatio(const QColor &a, const QColor &b);

// Whether the palette shows light text on a dark window.
bool isDarkPalette(const QPalette &palette);

// The picture as the palette shows it. Under a light palette it is returned
// as it is. Under a dark one every grey darker than the window grey (the
// ink, and its softened edges) becomes the colour as far from the palette's
// window colour towards its text colour as it was from the window grey
// towards the ink, and the window grey itself the palette's window colour.
QImage inPaletteInk(const QImage &picture, const QPalette &palette);

} // namespace pictures
