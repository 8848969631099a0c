// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A stand-in for the desktop's opener: a temporary folder that replaces PATH
// while the object lives, holding an "xdg-open" that notes each argument it
// gets and ends with the status the test chose, or no opener at all; it
// leaves a mark when it ends. With a registered answer there is also an
// "xdg-mime" that notes its arguments and prints that answer (the default
// program's desktop file, or nothing). Shell scripts: Linux only.

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

// Windows opens files through the shell's own action, which no script
// stands in for: a test that needs the fake opener is skipped there.
#ifdef Q_OS_WIN
#define SKIP_WITHOUT_FAKE_OPENER() QSKIP("the fake desktop opener is a shell script")
#else
#define SKIP_WITHOUT_FAKE_OPENER() \
    do {                           \
    } while (false)
#endif

class FakeOpener
{
public:
    // exitStatus: what the opener ends with; none: PATH holds no opener.
    // work: a command the opener runs before it ends (a full path); its
    // output goes nowhere, so that nothing outlives the test holding the
    // test's output. registered: what xdg-mime answers; none: no xdg-mime.
    explicit FakeOpener(std::optional<int> exitStatus, const QString &work = QString(),
                        std::optional<QString> registered = std::nullopt)
        : m_oldPath(qgetenv("PATH"))
    {
        if (registered)
            writeScript(QStringLiteral("xdg-mime"),
                        QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$*\" >> '%1'\nprintf '%2'\n")
                            .arg(m_dir.filePath(QStringLiteral("queries.txt")), *registered));
        if (exitStatus) {
            // Shell built-ins only: PATH leads nowhere else.
            const QString quiet = work.isEmpty() ? QString() : work + QStringLiteral(" >/dev/null 2>&1");
            writeScript(QStringLiteral("xdg-open"),
                        QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '%1'\n%2\n: > '%4'\nexit %3\n")
                            .arg(callsFile(), quiet)
                            .arg(*exitStatus)
                            .arg(endedFile()));
        }
        qputenv("PATH", QFile::encodeName(m_dir.path()));
    }
    ~FakeOpener() { qputenv("PATH", m_oldPath); }
    FakeOpener(const FakeOpener &) = delete;
    FakeOpener &operator=(const FakeOpener &) = delete;

    // The argument of every run, in order.
    QStringList calls() const { return linesOf(callsFile()); }

    // Whether a run has ended.
    bool ended() const { return QFile::exists(endedFile()); }

    // The arguments of every xdg-mime run, in order.
    QStringList queries() const { return linesOf(m_dir.filePath(QStringLiteral("queries.txt"))); }

private:
    void writeScript(const QString &name, const QString &text)
    {
        QFile script(m_dir.filePath(name));
        if (!script.open(QIODevice::WriteOnly))
            return;
        script.write(text.toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    static QStringList linesOf(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QString endedFile() const { return m_dir.filePath(QStringLiteral("ended")); }
    QString callsFile() const { return m_dir.filePath(QStringLiteral("calls.txt")); }

    QTemporaryDir m_dir;
    QByteArray m_oldPath;
};
