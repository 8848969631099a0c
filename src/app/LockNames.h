#pragma once
// Names of the two system-wide locks that let only one copy of the program
// run, and of the channel through which a refused copy wakes the running one.

#include <QString>

namespace app {

// The title with every backslash turned into a slash (a backslash would
// start a namespace in a Windows object name).
QString lockNameBase(const QString &title);
// Held only while a starting copy asks whether another one runs.
QString startupLockName(const QString &title);   // "<base>.OneInstance.CriticalSection"
// Held by the running copy until it ends.
QString instanceLockName(const QString &title);  // "<base>.OneInstance.Default"

// A name made fit to be one file name: slashes become underscores.
QString fileSafeName(const QString &name);

// The per-user folder for the lock files and the activation socket: the
// user's runtime folder, or a private folder in the temporary folder. Empty
// when no usable folder can be had.
QString defaultLockDirectory();

// Where the running copy listens for "come to the front" requests.
QString activationServerName(const QString &title, const QString &directory);

} // namespace app
