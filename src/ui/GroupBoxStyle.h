// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Group boxes whose caption sits on the frame line, as on the desktop the
// windows' fixed layouts were drawn for: the frame starts halfway down the
// caption, so controls placed a little below the caption stay inside it.

class QGroupBox;

namespace ui {

void putCaptionOnFrame(QGroupBox *box);

} // namespace ui
