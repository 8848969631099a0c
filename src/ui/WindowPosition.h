// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a window stands between runs: its position is kept in the settings
// file's "WindowPos" section under a pair of keys of its own.

#include <QString>

class QWidget;

namespace settings {
class IniFile;
}

namespace ui {

struct PositionKeys
{
    QString top;   // "MaTop", "CoTop"
    QString left;  // "MaLeft", "CoLeft"
};

// Moves the window to the stored position; an entry that is missing or not
// a number keeps the present coordinate.
void readWindowPosition(QWidget *window, const settings::IniFile &ini, const PositionKeys &keys);
void writeWindowPosition(const QWidget *window, settings::IniFile &ini, const PositionKeys &keys);

} // namespace ui
