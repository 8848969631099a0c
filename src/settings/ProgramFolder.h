// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the program runs as an installed copy or from a portable folder,
// and so where it keeps the files it writes. An installed copy writes
// nothing into its own folder, not even when run by root, who could.

#include "settings/UserFolders.h"

#include <QString>

namespace settings {

// True when the folder is that of an installed copy: <prefix>/lib/bandimor
// with a folder <prefix>/bin beside lib, as the package and
// "cmake --install" lay it out.
bool isInstalledFolder(const QString &folder);

// True when the program's folder is a portable one, where the program keeps
// its settings and starts its file dialogs: not an installed copy's, and
// writable.
bool isPortableFolder(const QString &folder);

// Where the file dialogs start, with a trailing separator: the program's
// folder when it is portable, otherwise the user's documents folder, or the
// home folder when there is none.
QString fileDialogStartFolder(const QString &programFolder);

// fileDialogStartFolder() of the running executable.
QString fileDialogStartFolder();

} // namespace settings
