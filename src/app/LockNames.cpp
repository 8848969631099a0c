#include "app/LockNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef Q_OS_WIN
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

// A folder in the shared temporary folder is only ours when we own it and
// nobody else may enter it; otherwise someone could hold our locks for us.
QString privateTempDirectory()
{
    const QString path = QDir::tempPath() + QStringLiteral("/bandimor-runtime-")
                       + QString::number(::getuid());
    const QByteArray encoded = QFile::encodeName(path);
    ::mkdir(encoded.constData(), 0700);
    struct stat info {};
    if (::lstat(encoded.constData(), &info) != 0 || !S_ISDIR(info.st_mode)
        || info.st_uid != ::getuid() || (info.st_mode & 077) != 0)
        return QString();
    return path;
}

} // namespace

QString defaultLockDirectory()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
    return privateTempDirectory();
}

QString activationServerName(const QString &title, const QString &directory)
{
    // A full path keeps the socket in the user's own folder.
    return directory + QLatin1Char('/') + fileSafeName(lockNameBase(title))
         + QStringLiteral(".Activate");
}

#endif

} // namespace app
