// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How copies of the program find each other on this system: the named locks
// of the single-instance guard, where they live, and the name of the channel
// through which a refused copy wakes the running one. One implementation per
// system: InstanceLocksPosix.cpp (lock files under flock() in a private
// folder, a local socket in it) and InstanceLocksWindows.cpp (named mutexes
// and a named pipe in the user's session).

#include <QString>
#include <QtGlobal>

namespace app {

// The per-user folder for the lock files and the activation socket, the same
// for every process of the user whatever its environment. Empty when no
// usable folder can be had, and on Windows, where the locks are named kernel
// objects and no folder is involved.
QString defaultLockDirectory();

// Where the running copy listens for "come to the front" requests.
// directory: the lock folder; on Windows a folder other than the default
// one only keeps the names of a test's copies apart from the program's.
QString activationServerName(const QString &title, const QString &directory);

// Called by a refused copy before it wakes the running one: Windows lets only
// the foreground process hand the foreground on.
void allowAnotherProcessToComeToFront();

// A system-wide lock known by name to every process of the user. The system
// releases it when the owning process ends, however it ends, so a copy that
// was killed never blocks the next one.
class NamedLock
{
public:
    enum class Outcome {
        Taken,          // this object owns the lock now
        HeldElsewhere,  // another owner holds it
        Failed          // the lock could not be created or opened
    };

    // directory: where the lock file lives; on Windows, as for
    // activationServerName(), only a test's folder changes the name.
    NamedLock(const QString &name, const QString &directory);
    ~NamedLock();
    NamedLock(const NamedLock &) = delete;
    NamedLock &operator=(const NamedLock &) = delete;

    // Tries to take the lock without waiting. A Windows mutex belongs to a
    // thread, and its owner thread may take it again: a second copy within
    // one process has to try from another thread.
    Outcome tryTake();
    // Gives the lock up; harmless when not taken.
    void release();
    bool isTaken() const { return m_taken; }

private:
    static constexpr qintptr NoHandle = -1;

    QString m_name;
    QString m_directory;
    bool m_taken = false;
    qintptr m_handle = NoHandle;  // a descriptor, or a Windows HANDLE
};

} // namespace app
