// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a window stands between runs: its position is kept in the settings
// file's "WindowPos" section under a pair of keys of its own.
//
// A position is the outer top-left corner of the window, frame included, as
// the window manager places it and as the user sees it: a top-level
// window's pos(). The window goes back there only if it is moved before its
// native window exists (before its first show, and before anything asks for
// its window id); a window moved later would have its client area placed
// there instead and creep by its caption's height every run.
//
// A stored place from which the title bar would stand off every screen (a
// monitor unplugged, a smaller resolution, an edited file) is replaced by
// the nearest place on a screen; any other place is taken as stored. Under
// Wayland a program neither places its windows nor learns their places, so
// the stored places are left alone there.

#include <QList>
#include <QRect>
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
// a number keeps the present coordinate. With no place stored at all and a
// mainWindow given, the window's design place is taken on the main window's
// screen. Called before the window is first shown.
void readWindowPosition(QWidget *window, const settings::IniFile &ini, const PositionKeys &keys,
                        const QWidget *mainWindow = nullptr);
void writeWindowPosition(const QWidget *window, settings::IniFile &ini, const PositionKeys &keys);

// Moves a window about to open off the places of the shown windows in
// others (one title bar lower and to the right, staying on its screen), so
// that it does not hide one of them exactly; once the window manager has
// framed it, a place that its real frame makes unreachable is fitted onto
// a screen and stepped aside again. Called after readWindowPosition().
void stepAsideFrom(QWidget *window, const QList<QWidget *> &others);

// The available area of the screen where a window without a place of its
// own opens: that of mainWindow (the top-level window it belongs to), or
// the one under the mouse pointer when there is none.
QRect openingScreenArea(const QWidget *mainWindow);

} // namespace ui
