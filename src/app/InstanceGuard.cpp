// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InstanceGuard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace app {

QString lockNameBase(const QString &title)
{
    QString base = title;
    base.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return base;
}

QString startupLockName(const QString &title)
{
    return lockNameBase(title) + QStringLiteral(".OneInstance.CriticalSection");
}

QString instanceLockName(const QString &title)
{
    return lockNameBase(title) + QStringLiteral(".OneInstance.Default");
}

QString fileSafeName(const QString &name)
{
    QString safe = name;
    safe.replace(QLatin1Char('/'), QLatin1Char('_'));
    return safe;
}

#ifdef Q_OS_WIN

QString defaultLockDirectory()
{
    // The locks are named kernel objects; no folder is involved.
    return QString();
}

QString activationServerName(const QString &title, const QString &)
{
    return fileSafeName(lockNameBase(title)) + QStringLiteral(".Activate");
}

#else

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

#endif

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

ActivationServer::ActivationServer(QObject *parent)
    : QObject(parent), m_server(new QLocalServer(this))
{
    // Other users must not be able to push our window around.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &ActivationServer::acceptConnections);
}

bool ActivationServer::listen(const QString &name)
{
    if (m_server->listen(name))
        return true;
    if (m_server->serverError() != QAbstractSocket::AddressInUseError)
        return false;
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

void ActivationServer::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        socket->disconnectFromServer();
        socket->deleteLater();
        emit activationRequested();
    }
}

bool requestActivation(const QString &name, int timeoutMs)
{
#ifdef Q_OS_WIN
    // Windows lets only the foreground process hand the foreground on.
    ::AllowSetForegroundWindow(ASFW_ANY);
#endif
    QLocalSocket socket;
    socket.connectToServer(name, QIODevice::WriteOnly);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.disconnectFromServer();
    return true;
}

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
