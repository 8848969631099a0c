// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system asking the program to stop, other than through the desktop
// session: SIGTERM and SIGHUP on Linux, turned into a signal of the message
// loop. Windows has no such request for a windowed program (a log-off or
// shut-down comes through the session manager, taskkill through the close
// of the windows), so there this object never fires.

#include <QObject>

class QSocketNotifier;

namespace app {

class StopSignals : public QObject
{
    Q_OBJECT
public:
    // Catches the signals for as long as this object lives.
    explicit StopSignals(QObject *parent = nullptr);
    ~StopSignals() override;

signals:
    // Emitted from the message loop, never inside a signal handler.
    void stopRequested();

private:
    void drain();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace app
