// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The single-instance guard: two system-wide named locks let only one copy
// of the program run, and a local socket lets a refused copy ask the running
// one to come to the front.

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

class QLocalServer;

namespace app {

// Names of the two system-wide locks that let only one copy of the program
// run, and of the channel through which a refused copy wakes the running one.

// The title with every backslash turned into a slash (a backslash would
// start a namespace in a Windows object name).
QString lockNameBase(const QString &title);
// Held only while a starting copy asks whether another one runs.
QString startupLockName(const QString &title);   // "<base>.OneInstance.CriticalSection"
// Held by the running copy until it ends.
QString instanceLockName(const QString &title);  // "<base>.OneInstance.Default"

// A name made fit to be one file name: slashes become underscores.
QString fileSafeName(const QString &name);

// The per-user folder for the lock files and the activation socket, the same
// for every process of the user whatever its environment. Empty when no
// usable folder can be had (and always on Windows, where the locks are named
// kernel objects).
QString defaultLockDirectory();
#ifndef Q_OS_WIN
// <runRoot>/<uid> when the system made it for the user, else
// <tmpRoot>/bandimor-<uid>, made 0700; a folder that is a link, belongs to
// someone else or is open to others is refused.
QString lockDirectoryFor(uint uid, const QString &runRoot, const QString &tmpRoot);
#endif

// Where the running copy listens for "come to the front" requests.
QString activationServerName(const QString &title, const QString &directory);

// A system-wide lock known by name to every process of the user. The system
// releases it when the owning process ends, however it ends, so a copy that
// was killed never blocks the next one.
//
// Linux and other Unix systems: flock() on a file of that name in the lock
// folder. Windows: a named mutex.

class NamedLock
{
public:
    enum class Outcome {
        Taken,          // this object owns the lock now
        HeldElsewhere,  // another owner holds it
        Failed          // the lock could not be created or opened
    };

    // directory: where the lock file lives (unused on Windows).
    NamedLock(const QString &name, const QString &directory);
    ~NamedLock();
    NamedLock(const NamedLock &) = delete;
    NamedLock &operator=(const NamedLock &) = delete;

    // Tries to take the lock without waiting.
    Outcome tryTake();
    // Gives the lock up; harmless when not taken.
    void release();
    bool isTaken() const { return m_taken; }

private:
    QString m_name;
    QString m_directory;
    bool m_taken = false;
#ifdef Q_OS_WIN
    void *m_handle = nullptr;
#else
    int m_fd = -1;
#endif
};

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
    // directory: the folder of the lock files (see defaultLockDirectory()).
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
