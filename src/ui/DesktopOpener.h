// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hands a file to the desktop's opener, xdg-open, which starts the program
// the user chose for its type (a CHM viewer for the help file).

#include <QString>

namespace ui {

// How long openWithDesktop() waits for the opener's verdict.
constexpr int DesktopOpenerWaitMs = 3000;

// Runs "xdg-open <path>" and reports whether it took the file: false when
// xdg-open is missing, cannot start, crashes or ends with a non-zero status
// (no program for the type, or the program failed). Under a desktop
// environment the opener hands the file over and ends at once; without one
// it runs the viewer itself and ends only when the viewer does. So it waits
// at most waitMs: an opener still running then has started a viewer that
// did not fail at once, which counts as opened, and is left to run.
bool openWithDesktop(const QString &path, int waitMs = DesktopOpenerWaitMs);

} // namespace ui
