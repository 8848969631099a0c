// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help file Spravka.chm beside the executable, opened by both windows'
// help commands.

#include <QString>

class QWidget;

namespace ui {

// The help file's path in the program's folder (ending with a separator).
QString helpFilePath(const QString &programDir);

// The notices of the help commands.
QString missingHelpFileText();  // "Ошибка загрузки файла справки, положите его на место!"
QString noHelpViewerText();     // "Не найдена программа для просмотра справки (файлы CHM). " + advice

// Hands the help file to the desktop through the dialog seam and returns at
// once: the viewer may take seconds to answer. A missing file gets its
// notice at once; a file the desktop could not open gets the one about the
// viewer when the desktop reports it.
void openHelpFile(QWidget *parent, const QString &programDir);

} // namespace ui
