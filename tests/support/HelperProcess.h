// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A helper program that a process test starts: it runs the program's real
// start-up and reports what happens as lines on its standard output, which
// the test waits for (never longer than patienceMs).

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

class HelperProcess
{
public:
    static constexpr int patienceMs = 15000;

    // Runs offscreen, in the given environment.
    HelperProcess(const QString &program, const QStringList &arguments,
                  const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
    {
        QProcessEnvironment offscreen = environment;
        offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_process.setProcessEnvironment(offscreen);
        m_process.setProgram(program);
        m_process.setArguments(arguments);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
    }
    ~HelperProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    HelperProcess(const HelperProcess &) = delete;
    HelperProcess &operator=(const HelperProcess &) = delete;

    bool start()
    {
        m_process.start();
        return m_process.waitForStarted(patienceMs);
    }

    // The first line that starts with prefix, waiting for it; empty if none
    // came before the helper ended or the patience ran out.
    QString lineStarting(const QString &prefix)
    {
        QString first;
        waitUntil([&] {
            const QStringList found = linesStarting(prefix);
            if (!found.isEmpty())
                first = found.constFirst();
            return !found.isEmpty();
        });
        return first;
    }

    // Waits until the helper has reported the line.
    bool waitForLine(const QString &line)
    {
        return waitUntil([&] { return hasReported(line); });
    }

    // Whether the helper has reported the line by now.
    bool hasReported(const QString &line) { return readLines().contains(line); }

    // Every line reported by now that starts with prefix.
    QStringList linesStarting(const QString &prefix)
    {
        QStringList found;
        for (const QString &line : readLines()) {
            if (line.startsWith(prefix))
                found << line;
        }
        return found;
    }

    QProcess &process() { return m_process; }

private:
    template<typename Found>
    bool waitUntil(Found found)
    {
        QElapsedTimer timer;
        timer.start();
        for (;;) {
            if (found())
                return true;
            if (timer.elapsed() > patienceMs
                || (m_process.state() == QProcess::NotRunning && !m_process.bytesAvailable()))
                return found();
            m_process.waitForReadyRead(200);
        }
    }

    QStringList readLines()
    {
        // A Windows helper's standard output is in text mode: its lines end
        // with CR LF.
        m_output += QString::fromUtf8(m_process.readAllStandardOutput()).remove(QLatin1Char('\r'));
        return m_output.split(QLatin1Char('\n'));
    }

    QProcess m_process;
    QString m_output;
};
