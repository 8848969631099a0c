// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: nothing to catch. A windowed program gets no console control
// events, and the session's end reaches ProgramEnd through Qt's session
// manager (WM_QUERYENDSESSION, WM_ENDSESSION).
#include "app/StopSignals.h"

namespace app {

StopSignals::StopSignals(QObject *parent)
    : QObject(parent)
{
}

StopSignals::~StopSignals() = default;

} // namespace app
