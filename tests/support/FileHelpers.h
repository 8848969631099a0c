// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers for tests that write and read files in a temporary folder.

#include "base/AppError.h"

#include <QFile>
#include <QTest>
#include <functional>

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
