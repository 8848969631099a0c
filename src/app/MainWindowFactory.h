// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's main window with everything attached to it: the coil
// windows and the about box it opens, the questions about unsaved logs
// before it closes, the ends of the session, and the logs of an earlier run
// offered once it is shown.

class TfmMain;

namespace app {

class Startup;

TfmMain *createMainWindow(Startup &startup);

} // namespace app
