#include "app/NamedLock.h"

#include "app/LockNames.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace app {

NamedLock::NamedLock(const QString &name, const QString &directory)
    : m_name(name), m_directory(directory)
{
}

NamedLock::~NamedLock()
{
    release();
}

#ifdef Q_OS_WIN

NamedLock::Outcome NamedLock::tryTake()
{
    if (m_taken)
        return Outcome::Taken;
    m_handle = ::CreateMutexW(nullptr, FALSE, reinterpret_cast<LPCWSTR>(m_name.utf16()));
    if (!m_handle)
        return Outcome::Failed;
    switch (::WaitForSingleObject(m_handle, 0)) {
    case WAIT_OBJECT_0:
    case WAIT_ABANDONED:  // its owner ended without releasing it: ours now
        m_taken = true;
        return Outcome::Taken;
    case WAIT_TIMEOUT:
        release();
        return Outcome::HeldElsewhere;
    default:
        release();
        return Outcome::Failed;
    }
}

void NamedLock::release()
{
    if (!m_handle)
        return;
    if (m_taken)
        ::ReleaseMutex(m_handle);
    ::CloseHandle(m_handle);
    m_handle = nullptr;
    m_taken = false;
}

#else

NamedLock::Outcome NamedLock::tryTake()
{
    if (m_taken)
        return Outcome::Taken;
    if (m_directory.isEmpty())
        return Outcome::Failed;
    const QByteArray path = QFile::encodeName(m_directory + QLatin1Char('/') + fileSafeName(m_name));
    // Close-on-exec: a program we start (a help viewer, a mail client) must
    // not inherit the lock and keep holding it after we end.
    m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_fd < 0)
        return Outcome::Failed;
    int result;
    do {
        result = ::flock(m_fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        m_taken = true;
        return Outcome::Taken;
    }
    const Outcome outcome = errno == EWOULDBLOCK ? Outcome::HeldElsewhere : Outcome::Failed;
    release();
    return outcome;
}

void NamedLock::release()
{
    if (m_fd < 0)
        return;
    // The file stays: removing it could let two copies lock two different files.
    if (m_taken)
        ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
    m_taken = false;
}

#endif

} // namespace app
