// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paints one icon on a canvas of iconCanvas × iconCanvas units; the caller
// scales the painter to the pixel size wanted.

#include "pictures/Icons.h"

class QPainter;

namespace pictures {

constexpr int iconCanvas = 24;

void paintIcon(QPainter &painter, IconId id);

} // namespace pictures
