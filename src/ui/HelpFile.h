// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help file Spravka.chm beside the executable, opened by both windows'
// help commands.

#include <QString>

class QWidget;

namespace ui {

// The help file's path in the program's folder (ending with a separator).
QString helpFilePath(const QString &programDir);

// Hands the help file to the desktop through the dialog seam. A missing
// file, or one the desktop could not open, gets the notice "Ошибка загрузки
// файла справки, положите его на место!".
void openHelpFile(QWidget *parent, const QString &programDir);

} // namespace ui
