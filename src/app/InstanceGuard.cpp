#include "app/InstanceGuard.h"

#include "app/LockNames.h"

namespace app {

InstanceGuard::InstanceGuard(const QString &title, const QString &directory)
    : m_title(title), m_directory(directory)
{
}

bool InstanceGuard::anotherCopyRuns()
{
    if (!m_answer)
        m_answer = runTest();
    return *m_answer;
}

bool InstanceGuard::ownsInstance() const
{
    return m_instanceLock && m_instanceLock->isTaken();
}

void InstanceGuard::release()
{
    m_instanceLock.reset();
}

bool InstanceGuard::runTest()
{
    NamedLock startupLock(startupLockName(m_title), m_directory);
    if (startupLock.tryTake() != NamedLock::Outcome::Taken)
        return true;

    m_instanceLock = std::make_unique<NamedLock>(instanceLockName(m_title), m_directory);
    const bool heldElsewhere = m_instanceLock->tryTake() == NamedLock::Outcome::HeldElsewhere;
    if (!m_instanceLock->isTaken())
        m_instanceLock.reset();

    startupLock.release();
    return heldElsewhere;
}

} // namespace app
