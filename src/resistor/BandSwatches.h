// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour behind each band colour's name, and the small swatch a band
// list shows beside the name: a radio amateur matches colours by eye.

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace resistor {

// The colour a band of that name has on a resistor; invalid for a name that
// is no band colour.
QColor bandColour(const QString &colourName);

// A swatch of the band colour on a transparent ground: gold and silver
// shaded like metal, and every swatch framed in a grey that shows on light
// and dark backgrounds alike (black and white would vanish on one of them).
// A null image for a name that is no band colour.
QImage bandSwatch(const QString &colourName, QSize size);

} // namespace resistor
