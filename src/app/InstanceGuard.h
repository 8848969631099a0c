// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The single-instance guard: two system-wide named locks let only one copy
// of the program run, and a local socket lets a refused copy ask the running
// one to come to the front.

#include "app/InstanceLocks.h"

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

class QLocalServer;

namespace app {

// Names of the two system-wide locks that let only one copy of the program
// run (see InstanceLocks.h for how the system provides them).

// The title with every backslash turned into a slash (a backslash would
// start a namespace in a Windows object name).
QString lockNameBase(const QString &title);
// Held only while a starting copy asks whether another one runs.
QString startupLockName(const QString &title);   // "<base>.OneInstance.CriticalSection"
// Held by the running copy until it ends.
QString instanceLockName(const QString &title);  // "<base>.OneInstance.Default"

// A name made fit to be one file name: slashes become underscores.
QString fileSafeName(const QString &name);

// How a refused copy asks the running copy to come to the front: the running
// copy listens on a local socket named after the title; a connection to it is
// the request.

class ActivationServer : public QObject
{
    Q_OBJECT
public:
    explicit ActivationServer(QObject *parent = nullptr);

    // Only the holder of the instance lock may listen: it removes whatever a
    // copy that died left at that name.
    bool listen(const QString &name);

signals:
    void activationRequested();

private:
    void acceptConnections();

    QLocalServer *m_server;
};

// Asks the copy listening at name to come to the front; false when none
// answered within timeoutMs.
bool requestActivation(const QString &name, int timeoutMs = 2000);

// The single-instance guard: answers once whether another copy of the
// program runs. The first copy keeps the instance lock until it ends.
//
// The test: take the start-up lock at once (taken elsewhere or impossible:
// another copy is starting right now, so give way); then try the instance
// lock without waiting (held elsewhere: another copy runs); then give the
// start-up lock back. The start-up lock serialises copies started together.

class InstanceGuard
{
public:
    // title: the lock name base before the backslashes are replaced.
    // directory: the lock folder (see defaultLockDirectory()).
    InstanceGuard(const QString &title, const QString &directory);

    // Runs the test the first time; later calls repeat the answer.
    bool anotherCopyRuns();
    // True when this copy holds the instance lock.
    bool ownsInstance() const;
    // Gives the instance lock up before this object ends (tests, shutdown).
    void release();

private:
    bool runTest();

    QString m_title;
    QString m_directory;
    std::unique_ptr<NamedLock> m_instanceLock;
    std::optional<bool> m_answer;
};

} // namespace app
