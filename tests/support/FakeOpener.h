// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A stand-in for the desktop's opener: a temporary folder that replaces PATH
// while the object lives, holding an "xdg-open" that notes each argument it
// gets and ends with the status the test chose, or no opener at all; it
// leaves a mark when it ends.

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

class FakeOpener
{
public:
    // exitStatus: what the opener ends with; none: PATH holds no opener.
    // work: a command the opener runs before it ends (a full path); its
    // output goes nowhere, so that nothing outlives the test holding the
    // test's output.
    explicit FakeOpener(std::optional<int> exitStatus, const QString &work = QString())
        : m_oldPath(qgetenv("PATH"))
    {
        if (exitStatus) {
            // Shell built-ins only: PATH leads nowhere else.
            QFile script(m_dir.filePath(QStringLiteral("xdg-open")));
            if (script.open(QIODevice::WriteOnly)) {
                const QString quiet = work.isEmpty() ? QString() : work + QStringLiteral(" >/dev/null 2>&1");
                script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '%1'\n%2\n: > '%4'\nexit %3\n")
                                 .arg(callsFile(), quiet)
                                 .arg(*exitStatus)
                                 .arg(endedFile())
                                 .toUtf8());
                script.close();
                script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            }
        }
        qputenv("PATH", QFile::encodeName(m_dir.path()));
    }
    ~FakeOpener() { qputenv("PATH", m_oldPath); }
    FakeOpener(const FakeOpener &) = delete;
    FakeOpener &operator=(const FakeOpener &) = delete;

    // The argument of every run, in order.
    QStringList calls() const
    {
        QFile file(callsFile());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // Whether a run has ended.
    bool ended() const { return QFile::exists(endedFile()); }

private:
    QString endedFile() const { return m_dir.filePath(QStringLiteral("ended")); }
    QString callsFile() const { return m_dir.filePath(QStringLiteral("calls.txt")); }

    QTemporaryDir m_dir;
    QByteArray m_oldPath;
};
