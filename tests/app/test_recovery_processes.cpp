// SPDX-License-Identifier: GPL-3.0-or-later
// A real process with results in a coil window is killed (SIGKILL or
// TerminateProcess, as a crash or a power cut leaves it) or, on Linux,
// stopped (SIGTERM, as at a logout); the next start offers the log back, and
// it comes back whole, unsaved and with its file name.
#include "support/HelperProcess.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {

constexpr int patienceMs = HelperProcess::patienceMs;

// One run of the program's start-up, with its locks and recovery files in dir.
class Run : public HelperProcess
{
public:
    Run(const QTemporaryDir &dir, const QStringList &arguments)
        : HelperProcess(QStringLiteral(RECOVERY_HELPER),
                        QStringList{QStringLiteral("--locks"), dir.path(), QStringLiteral("--recovery"),
                                    dir.filePath(QStringLiteral("recovery"))}
                            + arguments)
    {
    }
};

// Ends the process the way the row says: "kill" leaves it no choice (the
// system's kill on every system); a signal's name sends that signal.
bool stop(QProcess &process, const QString &how)
{
    if (how == QLatin1String("kill")) {
        process.kill();
        return true;
    }
#ifdef Q_OS_UNIX
    const int signalNumber = how == QLatin1String("SIGTERM") ? SIGTERM : SIGHUP;
    return ::kill(pid_t(process.processId()), signalNumber) == 0;
#else
    return false;
#endif
}

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
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("fromFile");
        QTest::addColumn<QString>("mode");
        QTest::newRow("killed, untitled") << "kill" << false << "work";
        QTest::newRow("killed, from a file") << "kill" << true << "work";
#ifdef Q_OS_UNIX
        // Typed after the result: only the signal's handling keeps it.
        QTest::newRow("SIGTERM, typed after the result") << "SIGTERM" << true << "work-typed";
        QTest::newRow("SIGHUP, typed after the result") << "SIGHUP" << false << "work-typed";
#endif
    }
    void logComesBackAfterTheProgramWasStopped()
    {
        QFETCH(QString, how);
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
            QVERIFY(stop(working.process(), how));
            QVERIFY(working.process().waitForFinished(patienceMs));
            // SIGTERM and SIGHUP end it in order; a kill leaves no choice.
            QCOMPARE(working.process().exitStatus() == QProcess::NormalExit, how != QLatin1String("kill"));
        }
        QCOMPARE(killedName, fromFile ? logFile : QStringLiteral("Безымянный"));

        Run next(dir, {QStringLiteral("--mode"), QStringLiteral("recover")});
        QVERIFY(next.start());
        QVERIFY(!next.lineStarting(QStringLiteral("done")).isEmpty());
        QCOMPARE(next.linesStarting(QStringLiteral("message|Подтверждение|")),
                 QStringList{QStringLiteral("message|Подтверждение|Найдены журналы результатов, не "
                                            "сохранённые при прошлом завершении программы: 1. "
                                            "Восстановить их?")});
        // The splash, which stays on top, is gone before the question.
        QCOMPARE(next.linesStarting(QStringLiteral("splash|")).value(0), QStringLiteral("splash|0"));
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
