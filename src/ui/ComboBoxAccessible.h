// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What assistive tools learn about the program's drop-down lists: the list's
// own name (Qt on Linux would report the shown item as the name) and the
// shown item as its value.

namespace ui {

// Lets Qt describe every ui::ComboBox this way; safe to call again.
void installComboBoxAccessibility();

} // namespace ui
