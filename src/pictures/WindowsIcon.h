// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application icon as a Windows icon file (.ico), which the Windows
// build puts into bandimor.exe, so that Explorer, the taskbar and Alt+Tab
// show it: one PNG-compressed image per side, as Windows reads them since
// Vista.

#include <QByteArray>
#include <QList>
#include <QString>

namespace pictures {

// The sides in the file: those Windows asks for at 100 % to 200 % scale.
QList<int> windowsIconSizes();

// The bytes of the .ico file.
QByteArray windowsIconFile();

// Writes windowsIconFile() to path; false with a message in error when the
// file cannot be written.
bool writeWindowsIcon(const QString &path, QString *error);

} // namespace pictures
