// SPDX-License-Identifier: GPL-3.0-or-later
// Linux: flock() on files in a folder private to the user, and a local
// socket there.
#include "app/InstanceLocks.h"

#include "app/InstanceGuard.h"
#include "app/InstanceLocksPosix.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace app {
namespace {

// A folder holds our locks only when it is a real folder (no link), the
// user's own, and closed to everyone else; otherwise someone could hold our
// locks for us.
bool isPrivateFolderOf(const QByteArray &path, uid_t uid)
{
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == uid
        && (info.st_mode & 077) == 0;
}

} // namespace

QString lockDirectoryFor(uint uid, const QString &runRoot, const QString &tmpRoot)
{
    // The folder the system makes for each logged-in user.
    const QString run = runRoot + QLatin1Char('/') + QString::number(uid);
    if (isPrivateFolderOf(QFile::encodeName(run), uid))
        return run;

    // Otherwise a folder of the user's own in the shared temporary folder,
    // named by the user id alone so that every process finds the same one.
    const QString temporary = tmpRoot + QStringLiteral("/bandimor-") + QString::number(uid);
    const QByteArray encoded = QFile::encodeName(temporary);
    ::mkdir(encoded.constData(), 0700);
    return isPrivateFolderOf(encoded, uid) ? temporary : QString();
}

QString defaultLockDirectory()
{
    // Neither $XDG_RUNTIME_DIR nor $TMPDIR: copies started with different
    // environments must still find each other.
    return lockDirectoryFor(::getuid(), QStringLiteral("/run/user"), QStringLiteral("/tmp"));
}

QString activationServerName(const QString &title, const QString &directory)
{
    // A full path keeps the socket in the user's own folder.
    return directory + QLatin1Char('/') + fileSafeName(lockNameBase(title))
         + QStringLiteral(".Activate");
}

void allowAnotherProcessToComeToFront()
{
    // The window manager decides; nothing to hand on.
}

NamedLock::NamedLock(const QString &name, const QString &directory)
    : m_name(name), m_directory(directory)
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
    if (m_directory.isEmpty())
        return Outcome::Failed;
    const QByteArray path = QFile::encodeName(m_directory + QLatin1Char('/') + fileSafeName(m_name));
    // Close-on-exec: a program we start (a help viewer, a mail client) must
    // not inherit the lock and keep holding it after we end.
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return Outcome::Failed;
    m_handle = fd;
    int result;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
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
    if (m_handle == NoHandle)
        return;
    // The file stays: removing it could let two copies lock two different files.
    const int fd = int(m_handle);
    if (m_taken)
        ::flock(fd, LOCK_UN);
    ::close(fd);
    m_handle = NoHandle;
    m_taken = false;
}

} // namespace app
