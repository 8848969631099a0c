// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowPosition.h"

#include "settings/IniFile.h"

#include <QWidget>

namespace ui {

namespace {

const QString windowPosSection = QStringLiteral("WindowPos");

} // namespace

void readWindowPosition(QWidget *window, const settings::IniFile &ini, const PositionKeys &keys)
{
    const int top = ini.readInteger(windowPosSection, keys.top, window->y());
    const int left = ini.readInteger(windowPosSection, keys.left, window->x());
    window->move(left, top);
}

void writeWindowPosition(const QWidget *window, settings::IniFile &ini, const PositionKeys &keys)
{
    ini.writeInteger(windowPosSection, keys.top, window->y());
    ini.writeInteger(windowPosSection, keys.left, window->x());
}

} // namespace ui
