// SPDX-License-Identifier: GPL-3.0-or-later
// Two real copies of the start-up sequence (the instance helper): the second
// is refused and fetches the first; a copy started after the first was killed
// runs normally; copies whose environments differ still find each other.
#include "support/HelperProcess.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int patienceMs = HelperProcess::patienceMs;

// A copy of the program's start-up; arguments: "--locks DIR" and "--title T".
class Copy : public HelperProcess
{
public:
    explicit Copy(const QStringList &arguments,
                  const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
        : HelperProcess(QStringLiteral(INSTANCE_HELPER), arguments, environment)
    {
    }
};

const QString refusal = QStringLiteral("message|Bandimor v1.7|Одна копия приложения уже запущена !");

QStringList inFolder(const QTemporaryDir &locks)
{
    return {QStringLiteral("--locks"), locks.path()};
}

} // namespace

class TestInstanceProcesses : public QObject
{
    Q_OBJECT
private slots:
    void secondCopyIsRefusedAndFetchesTheFirst()
    {
        QTemporaryDir runtime;
        Copy first(inFolder(runtime));
        QVERIFY(first.start());
        QVERIFY(first.waitForLine(QStringLiteral("shown")));

        Copy second(inFolder(runtime));
        QVERIFY(second.start());
        QVERIFY(second.process().waitForFinished(patienceMs));
        QCOMPARE(second.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.process().exitCode(), 0);
        QVERIFY(second.hasReported(refusal));
        QVERIFY(!second.hasReported(QStringLiteral("shown")));

        QVERIFY(first.waitForLine(QStringLiteral("front")));
        QCOMPARE(first.process().state(), QProcess::Running);
        QVERIFY(!first.hasReported(refusal));
    }

    void copyAfterAKilledOneRunsNormally()
    {
        QTemporaryDir runtime;
        {
            Copy killed(inFolder(runtime));
            QVERIFY(killed.start());
            QVERIFY(killed.waitForLine(QStringLiteral("shown")));
            killed.process().kill();  // SIGKILL: no clean-up of any kind
            QVERIFY(killed.process().waitForFinished(patienceMs));
        }

        Copy next(inFolder(runtime));
        QVERIFY(next.start());
        QVERIFY(next.waitForLine(QStringLiteral("shown")));
        QVERIFY(!next.hasReported(refusal));

        // It took over the activation channel the killed copy left behind.
        Copy refused(inFolder(runtime));
        QVERIFY(refused.start());
        QVERIFY(refused.process().waitForFinished(patienceMs));
        QCOMPARE(refused.process().exitCode(), 0);
        QVERIFY(refused.hasReported(refusal));
        QVERIFY(next.waitForLine(QStringLiteral("front")));
    }

    // The lock folder follows the user, not the environment: a copy started
    // from a login session and one started from a bare shell are the same user.
    void copiesWithDifferentEnvironmentsFindEachOther()
    {
        QTemporaryDir otherRuntime;
        QTemporaryDir otherTemp;
        const QString title = QStringLiteral("Bandimor test %1").arg(QCoreApplication::applicationPid());
        const QStringList arguments{QStringLiteral("--title"), title};

        QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
        bare.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        bare.remove(QStringLiteral("TMPDIR"));
        QProcessEnvironment session = QProcessEnvironment::systemEnvironment();
        session.insert(QStringLiteral("XDG_RUNTIME_DIR"), otherRuntime.path());
        session.insert(QStringLiteral("TMPDIR"), otherTemp.path());

        Copy first(arguments, bare);
        QVERIFY(first.start());
        QVERIFY(first.waitForLine(QStringLiteral("shown")));

        Copy second(arguments, session);
        QVERIFY(second.start());
        QVERIFY(second.process().waitForFinished(patienceMs));
        QVERIFY(second.hasReported(QStringLiteral("message|%1|Одна копия приложения уже запущена !").arg(title)));
        QVERIFY(!second.hasReported(QStringLiteral("shown")));
        QVERIFY(first.waitForLine(QStringLiteral("front")));
    }
};

QTEST_GUILESS_MAIN(TestInstanceProcesses)
#include "test_instance_processes.moc"
