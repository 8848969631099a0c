// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: the locks are named mutexes in the user's session, tried with a
// zero wait; the activation channel is a named pipe.
#include "app/InstanceLocks.h"

#include "app/InstanceGuard.h"

#include <QCryptographicHash>

#include <windows.h>

namespace app {
namespace {

// The program's own names carry no suffix; a test's lock folder adds one, so
// that its copies never meet a running program or another test.
QString scoped(const QString &name, const QString &directory)
{
    if (directory.isEmpty())
        return name;
    const QByteArray digest =
        QCryptographicHash::hash(directory.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return name + QLatin1Char('.') + QString::fromLatin1(digest);
}

} // namespace

QString defaultLockDirectory()
{
    return QString();
}

QString activationServerName(const QString &title, const QString &directory)
{
    return scoped(fileSafeName(lockNameBase(title)) + QStringLiteral(".Activate"), directory);
}

void allowAnotherProcessToComeToFront()
{
    ::AllowSetForegroundWindow(ASFW_ANY);
}

NamedLock::NamedLock(const QString &name, const QString &directory)
    : m_name(scoped(name, directory)), m_directory(directory)
{
}

NamedLock::~NamedLock()
{
    release();
}

NamedLock::Outcome NamedLock::tryTake()
{
    if (m_taken)
        return Outcome::Taken;
    // The name keeps its slashes: only a backslash means something (a
    // namespace) in a kernel object's name.
    const std::wstring name = m_name.toStdWString();
    const HANDLE handle = ::CreateMutexW(nullptr, FALSE, name.c_str());
    if (!handle)
        return Outcome::Failed;
    m_handle = reinterpret_cast<qintptr>(handle);
    switch (::WaitForSingleObject(handle, 0)) {
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
    if (m_handle == NoHandle)
        return;
    const auto handle = reinterpret_cast<HANDLE>(m_handle);
    if (m_taken)
        ::ReleaseMutex(handle);
    ::CloseHandle(handle);
    m_handle = NoHandle;
    m_taken = false;
}

} // namespace app
