// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hands a file to the desktop's opener, xdg-open, which starts the program
// the user chose for its type (a CHM viewer for the help file).

#include <QString>
#include <functional>

namespace ui {

// How long a still running opener may yet report a failure.
constexpr int DesktopOpenerWaitMs = 3000;

// Runs "xdg-open <path>" and returns at once; verdict gets, once and from
// the event loop, whether the opener took the file: false when xdg-open is
// missing, cannot start, crashes or ends with a non-zero status (no program
// for the type, or the program failed). Under a desktop environment the
// opener hands the file over and ends at once; without one it runs the
// viewer itself and ends only when the viewer does. So an opener still
// running after waitMs has started a viewer that did not fail at once,
// which counts as opened; it is left to run.
void openWithDesktop(const QString &path, std::function<void(bool opened)> verdict,
                     int waitMs = DesktopOpenerWaitMs);

} // namespace ui
