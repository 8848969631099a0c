#pragma once
// The single-instance guard: answers once whether another copy of the
// program runs. The first copy keeps the instance lock until it ends.
//
// The test: take the start-up lock at once (taken elsewhere or impossible:
// another copy is starting right now, so give way); then try the instance
// lock without waiting (held elsewhere: another copy runs); then give the
// start-up lock back. The start-up lock serialises copies started together.

#include "app/NamedLock.h"

#include <QString>
#include <memory>
#include <optional>

namespace app {

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
