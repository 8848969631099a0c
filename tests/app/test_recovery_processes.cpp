// SPDX-License-Identifier: GPL-3.0-or-later
// A real process with results in a coil window is killed (SIGKILL, as a
// crash or a power cut leaves it) or stopped (SIGTERM, as at a logout); the
// next start offers the log back, and it comes back whole, unsaved and with
// its file name.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

constexpr int patienceMs = 15000;

class Run
{
public:
    Run(const QTemporaryDir &dir, const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_STATE_HOME"), dir.filePath(QStringLiteral("state")));
        m_process.setProcessEnvironment(environment);
        m_process.setProgram(QStringLiteral(RECOVERY_HELPER));
        m_process.setArguments(QStringList{QStringLiteral("--locks"), dir.path()} + arguments);
    }
    ~Run()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    bool start()
    {
        m_process.start();
        return m_process.waitForStarted(patienceMs);
    }
    // The first line that starts with prefix, waiting for it; empty if none came.
    QString lineStarting(const QString &prefix)
    {
        QElapsedTimer timer;
        timer.start();
        for (;;) {
            m_output += QString::fromUtf8(m_process.readAllStandardOutput());
            for (const QString &line : m_output.split(QLatin1Char('\n'))) {
                if (line.startsWith(prefix))
                    return line;
            }
            if (timer.elapsed() > patienceMs
                || (m_process.state() == QProcess::NotRunning && !m_process.bytesAvailable()))
                return QString();
            m_process.waitForReadyRead(200);
        }
    }
    QStringList linesStarting(const QString &prefix) const
    {
        QStringList found;
        for (const QString &line : m_output.split(QLatin1Char('\n'))) {
            if (line.startsWith(prefix))
                found << line;
        }
        return found;
    }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
    QString m_output;
};

QString decoded(const QString &base64)
{
    return QString::fromUtf8(QByteArray::fromBase64(base64.toLatin1()));
}

} // namespace

class TestRecoveryProcesses : public QObject
{
    Q_OBJECT
private slots:
    void logComesBackAfterTheProgramWasStopped_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<bool>("fromFile");
        QTest::addColumn<QString>("mode");
        QTest::newRow("kill -9, untitled") << int(SIGKILL) << false << "work";
        QTest::newRow("kill -9, from a file") << int(SIGKILL) << true << "work";
        // Typed after the result: only the signal's handling keeps it.
        QTest::newRow("SIGTERM, typed after the result") << int(SIGTERM) << true << "work-typed";
        QTest::newRow("SIGHUP, typed after the result") << int(SIGHUP) << false << "work-typed";
    }
    void logComesBackAfterTheProgramWasStopped()
    {
        QFETCH(int, signalNumber);
        QFETCH(bool, fromFile);
        QFETCH(QString, mode);
        QTemporaryDir dir;
        QStringList arguments{QStringLiteral("--mode"), mode};
        const QString logFile = dir.filePath(QStringLiteral("катушки.rtf"));
        if (fromFile) {
            QFile file(logFile);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("{\\rtf1\\ansi Old results\\par}");
            file.close();
            arguments << QStringLiteral("--log") << logFile;
        }

        QString killedText;
        QString killedName;
        {
            Run working(dir, arguments);
            QVERIFY(working.start());
            const QStringList ready = working.lineStarting(QStringLiteral("ready|")).split(QLatin1Char('|'));
            QCOMPARE(ready.size(), 3);
            killedText = decoded(ready[1]);
            killedName = ready[2];
            QVERIFY(killedText.contains(QStringLiteral("Опыт № 1")));
            QVERIFY(::kill(pid_t(working.process().processId()), signalNumber) == 0);
            QVERIFY(working.process().waitForFinished(patienceMs));
            // SIGTERM and SIGHUP end it in order; SIGKILL leaves no choice.
            QCOMPARE(working.process().exitStatus() == QProcess::NormalExit, signalNumber != SIGKILL);
        }
        QCOMPARE(killedName, fromFile ? logFile : QStringLiteral("Безымянный"));

        Run next(dir, {QStringLiteral("--mode"), QStringLiteral("recover")});
        QVERIFY(next.start());
        QVERIFY(!next.lineStarting(QStringLiteral("done")).isEmpty());
        QCOMPARE(next.linesStarting(QStringLiteral("message|Подтверждение|")),
                 QStringList{QStringLiteral("message|Подтверждение|Найдены журналы результатов, не "
                                            "сохранённые при прошлом завершении программы: 1. "
                                            "Восстановить их?")});
        const QStringList windows = next.linesStarting(QStringLiteral("window|"));
        QCOMPARE(windows.size(), 1);
        const QStringList window = windows.first().split(QLatin1Char('|'));
        QCOMPARE(window.size(), 4);
        QCOMPARE(decoded(window[1]), killedText);
        QCOMPARE(window[2], killedName);
        QCOMPARE(window[3], QStringLiteral("1"));
    }
};

QTEST_GUILESS_MAIN(TestRecoveryProcesses)
#include "test_recovery_processes.moc"
