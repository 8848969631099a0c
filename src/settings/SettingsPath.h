#pragma once
// Where the settings file lies: beside the executable, with its name.

#include <QString>

namespace settings {

// The executable's path with its extension replaced by ".ini"; a name
// without an extension gets ".ini" appended. Only the file name's own last
// dot counts, never a dot in a folder name.
QString iniPathFor(const QString &executablePath);

// iniPathFor() of the running executable.
QString settingsFilePath();

} // namespace settings
