// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's identity and where it finds the files that lie beside it.

#include <QString>

namespace base {

QString programName();               // "Bandimor"
QString programVersion();            // "1.7"

// The name on the taskbar, in message captions and in the lock names.
QString applicationTitle();          // "Bandimor v1.7"
// The main window's caption, which has a blank after the "v".
QString mainWindowCaption();         // "Bandimor v 1.7"

// The folder of the running executable, ending with a path separator.
QString executableDir();
// A file in the program's folder (or in a folder below it): programFile(dir,
// "Images/vitki.bmp"), with one separator between the two whatever dir ends with.
QString programFile(const QString &programDir, const QString &relativePath);

// The text of the general error box: a full stop is added when the last
// character sorts after "." (letters and digits do, "!" and "." do not).
QString errorBoxText(const QString &text);

} // namespace base
