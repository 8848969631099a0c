// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers for tests that write and read files in a temporary folder.

#include "base/AppError.h"

#include <QFile>
#include <QTest>
#include <functional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

// The file's bytes; a marker that no test writes when it cannot be read.
inline QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline void putFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

// The text of the AppError that the action throws, or an empty text.
inline QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const AppError &error) {
        return error.text();
    }
    return QString();
}

#ifdef Q_OS_UNIX
// A named pipe at path; opening it for reading would wait for a writer.
inline bool makeFifo(const QString &path)
{
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// A character device like /dev/null at path: made by root, else, in a
// private mount namespace (tests/support/private-mounts.sh), /dev/null
// bound over an empty file. releaseNullDevice() undoes the binding so that
// the temporary folder can be removed.
inline bool makeNullDevice(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    if (mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0)
        return true;
#ifdef Q_OS_LINUX
    QFile placeholder(path);
    if (!placeholder.open(QIODevice::WriteOnly))
        return false;
    placeholder.close();
    // A bind mount ignores the type; a named one keeps valgrind from
    // reporting the null pointer the kernel would accept.
    if (mount("/dev/null", name.constData(), "none", MS_BIND, nullptr) == 0)
        return true;
    placeholder.remove();
#endif
    return false;
}

inline void releaseNullDevice(const QString &path)
{
#ifdef Q_OS_LINUX
    umount2(QFile::encodeName(path).constData(), MNT_DETACH);
#else
    Q_UNUSED(path);
#endif
}

// Why a test that needs a device node or a mount of its own is skipped.
inline const char *const NoPrivateMounts =
    "needs root, or a user and mount namespace of its own "
    "(support/private-mounts.sh gives one where the system allows it)";

// The kind of thing at path itself (a link is not followed): 'f' regular
// file, 'p' pipe, 'c' character device, 'l' symbolic link, 'd' folder, '?'.
inline char fileKind(const QString &path)
{
    struct stat info {};
    if (lstat(QFile::encodeName(path).constData(), &info) != 0)
        return '?';
    if (S_ISREG(info.st_mode)) return 'f';
    if (S_ISFIFO(info.st_mode)) return 'p';
    if (S_ISCHR(info.st_mode)) return 'c';
    if (S_ISLNK(info.st_mode)) return 'l';
    if (S_ISDIR(info.st_mode)) return 'd';
    return '?';
}
#endif
