// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puts a top-level window in front of the others: restored first when it is
// minimised, then raised and made the active window.

class QWidget;

namespace app {

void bringToFront(QWidget *window);

} // namespace app
