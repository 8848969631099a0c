// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the settings file lies: beside the executable, with its name, when
// the program runs from a portable folder (see ProgramFolder.h); otherwise,
// as for an installed copy, in the user's own settings folder (see
// UserFolders.h).

#include "settings/ProgramFolder.h"

#include <QString>

namespace settings {

// The executable's path with its extension replaced by ".ini"; a name
// without an extension gets ".ini" appended. Only the file name's own last
// dot counts, never a dot in a folder name.
QString iniPathFor(const QString &executablePath);

// The settings file of the executable at executablePath: beside it, or
// bandimor.ini in userSettingsFolder(). The per-user folder is made when it
// is chosen, so that the first save finds it.
QString settingsFilePath(const QString &executablePath);

// settingsFilePath() of the running executable.
QString settingsFilePath();

} // namespace settings
