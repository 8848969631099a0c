#pragma once
// A system-wide lock known by name to every process of the user. The system
// releases it when the owning process ends, however it ends, so a copy that
// was killed never blocks the next one.
//
// Linux and other Unix systems: flock() on a file of that name in the lock
// folder. Windows: a named mutex.

#include <QString>

namespace app {

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

} // namespace app
