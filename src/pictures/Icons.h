// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small pictures of buttons, menu entries, tabs and window icons, drawn
// by the same code as the bitmaps. Needs a QGuiApplication (pixmaps).

#include <QIcon>
#include <QImage>
#include <QList>

namespace pictures {

enum class IconId {
    Coil,          // the coil button and menu entry; the coil window's icon
    Application,   // a resistor
    Exit,          // "Выход"
    Calculate,     // "Рассчитать"
    Help,          // "Со&держание"
    About,         // "О &программе"
    Open,
    SaveAs,
    Print,
    Undo,
    Cut,
    Copy,
    Paste,
    Delete,
    Font,
    Clear,         // "Очистить"
    Close,         // "Закрыть"
    CoilTabInductance,  // tab 0: a magenta coil with an italic L
    CoilTabTurns,       // tab 1: the same coil without the letter
    CoilTabWire,        // tab 2: a green slanted wire with the letter L
};

QList<IconId> allIconIds();

// The icon with 16 × 16 and 24 × 24 pixmaps (window icons also 32 and 48),
// drawn when first asked for.
QIcon icon(IconId id);
// One picture of the icon on a transparent square of the given side.
QImage iconImage(IconId id, int size);

} // namespace pictures
