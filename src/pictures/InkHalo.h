// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures are drawn with dark ink on a see-through ground, for light
// windows. On a dark window the ink would sink into the ground; a thin light
// halo around it keeps letters and lines readable on any background, and on
// a light window it is hardly seen.

#include <QColor>
#include <QImage>

namespace pictures {

// Contrast of two colours as the accessibility guidelines measure it: from
// 1 (the same lightness) to 21 (black on white).
double contrastRatio(const QColor &a, const QColor &b);

// The picture with a halo of one pixel around its ink: every see-through
// pixel (transparent, translucent, or of the colour ground, which the
// program makes transparent) beside a pixel that stands out against ground
// becomes opaque, as if drawn on white. The bottom left pixel stays: the
// program takes the transparent colour of a bitmap from it.
QImage withInkHalo(const QImage &picture, const QColor &ground);

} // namespace pictures
