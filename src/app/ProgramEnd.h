// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ways the program ends besides closing its main window: the desktop
// session ends (logout, shutdown), or the system asks it to stop (SIGTERM,
// SIGHUP on Linux, see StopSignals.h). Where the session lets the program
// ask, the coil windows ask about their unsaved logs as at a close;
// otherwise every modified log stays in its recovery file, the main window's
// settings are written as a close writes them, and the program ends.

#include <QObject>

class QSessionManager;
class TfmMain;

namespace app {

class ProgramEnd : public QObject
{
    Q_OBJECT
public:
    // Watches the session and the two signals for mainWindow.
    explicit ProgramEnd(TfmMain *mainWindow);
    ~ProgramEnd() override;

    // The session is about to end (or only being saved); false when the user
    // cancelled it.
    bool sessionEnding(bool mayAsk);
    // Keeps the logs, writes the settings and leaves the message loop.
    void endWithoutAsking();

private:
    void commitData(QSessionManager &manager);

    TfmMain *m_mainWindow;
};

} // namespace app
