// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's pictures, drawn by code: the splash and the coil drawings
// that the program loads as bitmaps from beside its executable.

#include <QImage>

namespace pictures {

QImage splashPicture();           // 260 × 140: the name, the version and a resistor
QImage singleLayerCoilPicture();  // 120 × 65: D, d, n and the winding length l
QImage multiLayerCoilPicture();   // 120 × 65: B, D, C and n
QImage turnsPicture();            // 120 × 65: a coil with its length l and diameter D
QImage straightWirePicture();     // 170 × 50: a wire with its length l and diameter d

} // namespace pictures
