// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lock folder's choice on Linux, apart from the real /run and /tmp so
// that tests can set up every case.

#include <QString>

namespace app {

// <runRoot>/<uid> when the system made it for the user, else
// <tmpRoot>/bandimor-<uid>, made 0700; a folder that is a link, belongs to
// someone else or is open to others is refused.
QString lockDirectoryFor(uint uid, const QString &runRoot, const QString &tmpRoot);

} // namespace app
