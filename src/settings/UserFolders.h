// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's own folders, where the program writes what it cannot keep
// beside itself, as the system names them, and whether the user may write a
// folder, as the system answers it. One implementation per system:
// UserFoldersPosix.cpp (the XDG base directories) and UserFoldersWindows.cpp
// (the known folders Roaming and Local of the user's profile).

#include <QString>

namespace settings {

// True when a file can be created in the folder: it exists, is a folder, and
// the user may write it (its file system is not mounted read-only, and on
// Windows its access rules let the user create files).
bool folderWritable(const QString &folder);

// The settings folder of a copy that cannot keep its settings beside itself:
// $XDG_CONFIG_HOME/bandimor (else ~/.config/bandimor); on Windows
// %APPDATA%\bandimor.
QString userSettingsFolder();

// The folder of the unsaved logs' recovery files: $XDG_STATE_HOME/bandimor/
// recovery (else ~/.local/state/bandimor/recovery); on Windows
// %LOCALAPPDATA%\bandimor\recovery.
QString userRecoveryFolder();

// Makes the folder, and those above it, where it is missing. On Linux the
// folder itself (not those above) is made, or made again, readable by its
// owner alone (0700); on Windows the user's profile folders are the user's
// own already. False when the folder cannot be had.
bool makePrivateFolder(const QString &path);

} // namespace settings
