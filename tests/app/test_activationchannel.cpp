// SPDX-License-Identifier: GPL-3.0-or-later
// The channel by which a refused copy asks the running copy to come forward.
#include "app/InstanceGuard.h"
#include "support/TestData.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestActivationChannel : public QObject
{
    Q_OBJECT
private slots:
    void requestReachesTheListeningCopy_data()
    {
        // A copy that was killed leaves its socket file behind.
        addBooleanRows("leftoverFile", "file left by a killed copy", "fresh folder");
    }
    void requestReachesTheListeningCopy()
    {
        QFETCH(bool, leftoverFile);
        QTemporaryDir dir;
        const QString name = app::activationServerName(QStringLiteral("Bandimor v1.7"), dir.path());
        // Windows names a pipe, which goes with the process that made it.
        if (leftoverFile && QDir::isRelativePath(name))
            QSKIP("the channel is no file here");
        if (leftoverFile) {
            QFile stale(name);
            QVERIFY(stale.open(QIODevice::WriteOnly));
        }

        app::ActivationServer server;
        QVERIFY(server.listen(name));
        QSignalSpy requests(&server, &app::ActivationServer::activationRequested);

        QVERIFY(app::requestActivation(name));
        QVERIFY(requests.wait(5000));
        QCOMPARE(requests.count(), 1);
    }

    void requestWithoutListenerFails()
    {
        QTemporaryDir dir;
        const QString name = app::activationServerName(QStringLiteral("Bandimor v1.7"), dir.path());
        QVERIFY(!app::requestActivation(name, 500));
    }
};

QTEST_GUILESS_MAIN(TestActivationChannel)
#include "test_activationchannel.moc"
