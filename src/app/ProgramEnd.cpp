// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramEnd.h"

#include "app/StopSignals.h"

#include "coil/window/CoilWindows.h"
#include "resistor/Main.h"

#include <QApplication>
#include <QSessionManager>

namespace app {

ProgramEnd::ProgramEnd(TfmMain *mainWindow)
    : QObject(mainWindow)
    , m_mainWindow(mainWindow)
{
    connect(qApp, &QGuiApplication::commitDataRequest, this, &ProgramEnd::commitData, Qt::DirectConnection);

    auto *stopSignals = new StopSignals(this);
    connect(stopSignals, &StopSignals::stopRequested, this, &ProgramEnd::endWithoutAsking);
}

ProgramEnd::~ProgramEnd() = default;

void ProgramEnd::commitData(QSessionManager &manager)
{
    if (!sessionEnding(manager.allowsInteraction()))
        manager.cancel();
}

bool ProgramEnd::sessionEnding(bool mayAsk)
{
    // The session manager also asks this when it only saves the session,
    // and the program then runs on: the logs stay live.
    if (!mayAsk) {
        coil::writeUnsavedLogs(m_mainWindow);
        coil::writeLastUsedCoilSettings(m_mainWindow);
        m_mainWindow->FormClose();
        return true;
    }
    if (!coil::coilWindowsLetProgramEnd(m_mainWindow))
        return false;
    m_mainWindow->FormClose();
    return true;
}

void ProgramEnd::endWithoutAsking()
{
    coil::keepUnsavedLogs(m_mainWindow);
    coil::writeLastUsedCoilSettings(m_mainWindow);
    m_mainWindow->FormClose();
    // Not quit(): that would close the windows, and the main window's close
    // asks questions that nobody is there to answer.
    QCoreApplication::exit(0);
}

} // namespace app
