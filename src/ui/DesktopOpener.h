// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hands a file to the desktop, which starts the program the user chose for
// its type (a CHM viewer for the help file). One implementation per system:
// DesktopOpenerPosix.cpp (xdg-mime and xdg-open) and DesktopOpenerWindows.cpp
// (the shell's open action).

#include <QString>
#include <functional>

namespace ui {

// How long a still running opener may yet report a failure.
constexpr int DesktopOpenerWaitMs = 3000;

// Opens the file and returns at once; verdict gets, once and from the event
// loop, whether the desktop took the file.
//
// Linux: first asks the desktop's MIME database whether a program is
// registered for the file's type ("xdg-mime query default <type>"): an empty
// answer is a failure, and no browser gets to show an empty page for a file
// it cannot read. Without xdg-mime, or with no clear answer, the file goes to
// xdg-open all the same. xdg-open fails when it is missing, cannot start,
// crashes or ends with a non-zero status (no program for the type, or the
// program failed). Under a desktop environment the opener hands the file
// over and ends at once; without one it runs the viewer itself and ends only
// when the viewer does. So an opener still running after waitMs has started
// a viewer that did not fail at once, which counts as opened; it is left to
// run.
//
// Windows: the shell's open action for the file's type; it fails when no
// program is registered for it or the program cannot start.
void openWithDesktop(const QString &path, std::function<void(bool opened)> verdict,
                     int waitMs = DesktopOpenerWaitMs);

// What the user can do when no program took a CHM file, as a sentence of
// the notice: on Linux, install a viewer; on Windows, where the system's
// own viewer opens them, mend its tie to the file type.
QString chmViewerAdvice();

} // namespace ui
