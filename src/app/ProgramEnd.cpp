// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramEnd.h"

#include "coil/window/CoilWindows.h"
#include "resistor/Main.h"

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace app {
namespace {

// A signal handler may only write to a descriptor; the message loop reads
// the other end and does the work.
int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

ProgramEnd::ProgramEnd(TfmMain *mainWindow)
    : QObject(mainWindow)
    , m_mainWindow(mainWindow)
{
    connect(qApp, &QGuiApplication::commitDataRequest, this, &ProgramEnd::commitData, Qt::DirectConnection);

    if (signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;  // the program runs on; a signal then ends it the system's way
    ::fcntl(signalPipe[0], F_SETFL, O_NONBLOCK);
    ::fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
    m_notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ProgramEnd::signalArrived);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}

ProgramEnd::~ProgramEnd()
{
    if (m_notifier) {
        ::signal(SIGTERM, SIG_DFL);
        ::signal(SIGHUP, SIG_DFL);
    }
}

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

void ProgramEnd::signalArrived()
{
    char bytes[16];
    while (::read(signalPipe[1], bytes, sizeof bytes) > 0) {
    }
    endWithoutAsking();
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
