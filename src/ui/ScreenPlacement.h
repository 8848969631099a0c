// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a window may stand on the screens of the desktop, as plain geometry:
// a window whose title bar is cut off by every screen's edge cannot be
// dragged back, so it is brought onto a screen; a new window that would
// cover another one exactly steps aside. Screens are given by their
// available geometry (without panels), frames by their outer rectangle.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

namespace ui {

// Whether a program on that Qt platform places its windows and learns where
// they stand: not under Wayland, where the compositor alone decides.
bool platformPlacesWindows(const QString &platformName);

// The strip of the frame the user drags the window by: its top titleBarHeight
// rows (at least one).
QRect titleBarOf(const QRect &frame, int titleBarHeight);

// True when every pixel of the title bar lies on some screen. With no
// screens known nothing can be judged, and the place counts as reachable.
bool titleBarOnScreens(const QRect &frame, int titleBarHeight, const QList<QRect> &screens);

// The top left corner nearest to the frame's own from which it lies wholly
// on one screen; on a screen too small for it, its top left corner lies on
// the screen. The frame's own corner when there are no screens.
QPoint nearestPlaceOnScreen(const QRect &frame, const QList<QRect> &screens);

// Where the frame opens: its own place when the title bar is on the
// screens, otherwise the nearest place wholly on one screen.
QPoint reachablePlace(const QRect &frame, int titleBarHeight, const QList<QRect> &screens);

// The screen holding most of the frame; the nearest one when it lies on
// none. An empty rectangle when there are no screens.
QRect screenOf(const QRect &frame, const QList<QRect> &screens);

// The screen a window without a place of its own opens on: the one holding
// most of the main window's frame when there is one (mainFrame not empty),
// else the one under the pointer, else the first. Empty without screens.
QRect openingScreen(const QRect &mainFrame, QPoint pointer, const QList<QRect> &screens);

// A place meant for one screen moved to another: as far from its top left
// corner as from the first screen's, and then wholly on it.
QPoint movedToScreen(const QRect &frame, const QRect &fromScreen, const QRect &toScreen);

// Where a new window opens when others already stand at places in taken:
// its own place when it is free; otherwise step (one title bar) lower and to
// the right of the window in its way, again and again, and back to the top
// left corner of its screen when a step would leave that screen.
QPoint cascadePlace(const QRect &frame, int step, const QList<QPoint> &taken,
                    const QList<QRect> &screens);

} // namespace ui
