// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowPosition.h"

#include "settings/IniFile.h"
#include "settings/SettingsTable.h"

#include <QLayout>
#include <QWidget>

namespace ui {

namespace {

// Gives the window now the size its first show would give it. A window
// resized after its native window exists but before it is shown has its
// position taken for the client area, no longer for the frame.
void settleSize(QWidget *window)
{
    if (QLayout *layout = window->layout())
        layout->activate();
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
}

} // namespace

void readWindowPosition(QWidget *window, const settings::IniFile &ini, const PositionKeys &keys)
{
    // Without a native window yet, a top-level window takes move() as its
    // frame's corner: the window manager places the frame there.
    settleSize(window);
    const QPoint corner = window->pos();
    const int top = ini.readInteger(settings::WindowPosSection, keys.top, corner.y());
    const int left = ini.readInteger(settings::WindowPosSection, keys.left, corner.x());
    window->move(left, top);
}

void writeWindowPosition(const QWidget *window, settings::IniFile &ini, const PositionKeys &keys)
{
    // The frame's corner once the window manager has framed the window; the
    // corner asked for until then.
    const QPoint corner = window->pos();
    ini.writeInteger(settings::WindowPosSection, keys.top, corner.y());
    ini.writeInteger(settings::WindowPosSection, keys.left, corner.x());
}

} // namespace ui
