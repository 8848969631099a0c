// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up sequence within one process: a copy refused by the guard, and
// the running copy answering an activation request.
#include "app/InstanceGuard.h"
#include "app/BringToFront.h"
#include "app/Splash.h"
#include "app/Startup.h"
#include "support/FakeDialogs.h"
#include "support/TestData.h"

#include <QMainWindow>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <future>
#include <thread>

namespace {

const QString title = QStringLiteral("Bandimor v1.7");

// Also notes over which window each message came up.
class ParentRecordingDialogs : public FakeDialogs
{
public:
    QList<QWidget *> parents;
    ui::Answer message(QWidget *parent, const ui::MessageRequest &request) override
    {
        parents.append(parent);
        return FakeDialogs::message(parent, request);
    }
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
    }

    void refusedCopyWarnsCallsTheRunningCopyAndCreatesNoWindow()
    {
        // The running copy's guard is held by a thread of its own, so that the
        // copy started here meets it as another process's: a Windows mutex
        // lets its owner thread take it again.
        std::promise<bool> runs;
        std::promise<void> ended;
        std::thread runningCopy([&] {
            app::InstanceGuard guard(title, m_dir->path());
            runs.set_value(!guard.anotherCopyRuns());
            ended.get_future().wait();
        });
        const auto endRunningCopy = qScopeGuard([&] {
            ended.set_value();
            runningCopy.join();
        });
        QVERIFY(runs.get_future().get());
        app::ActivationServer runningServer;
        QVERIFY(runningServer.listen(app::activationServerName(title, m_dir->path())));
        QSignalSpy activations(&runningServer, &app::ActivationServer::activationRequested);

        ParentRecordingDialogs dialogs;
        int windowsCreated = 0;
        app::Startup startup([&](app::Startup &) { ++windowsCreated; return new QMainWindow; },
                             {title, m_dir->filePath(QStringLiteral("splash.bmp")), m_dir->path()});
        QCOMPARE(startup.run(), 0);

        QCOMPARE(windowsCreated, 0);
        QCOMPARE(dialogs.messages.size(), 1);
        const ui::MessageRequest &request = dialogs.messages.constFirst();
        QCOMPARE(request.text, QStringLiteral("Одна копия приложения уже запущена !"));
        QCOMPARE(request.caption, QStringLiteral("Bandimor v1.7"));
        QCOMPARE(request.icon, ui::Icon::Warning);
        QCOMPARE(request.buttons, ui::Buttons::Ok);
        // The splash stays on top: the warning must too, or it is hidden.
        QVERIFY(request.onTop);
        QVERIFY(activations.wait(5000));
        // The splash stayed on screen while the message was up, under it.
        QVERIFY(startup.splash());
        QVERIFY(startup.splash()->isVisible());
        QCOMPARE(dialogs.parents.constFirst(), startup.splash());
        QCOMPARE(QGuiApplication::applicationDisplayName(), title);
    }

    void bringToFrontRestoresAMinimisedWindow_data()
    {
        addBooleanRows("minimised", "minimised window", "normal window");
    }
    void bringToFrontRestoresAMinimisedWindow()
    {
        QFETCH(bool, minimised);
        QMainWindow window;
        window.show();
        if (minimised)
            window.showMinimized();
        app::bringToFront(&window);
        QVERIFY(!window.isMinimized());
        QVERIFY(window.isVisible());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
