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
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

const QString title = QStringLiteral("Bandimor v1.7");

// The running copy's guard, held by a thread of its own while the object
// lives, so that the copy started in the test's thread meets it as another
// process's: a Windows mutex lets its owner thread take it again.
class RunningCopyElsewhere
{
public:
    explicit RunningCopyElsewhere(const QString &directory)
        : m_thread([this, directory] {
              app::InstanceGuard guard(title, directory);
              std::unique_lock<std::mutex> lock(m_mutex);
              m_runs = !guard.anotherCopyRuns();
              m_started = true;
              m_changed.notify_all();
              m_changed.wait(lock, [this] { return m_ended; });
          })
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return m_started; });
    }
    ~RunningCopyElsewhere()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_ended = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }
    RunningCopyElsewhere(const RunningCopyElsewhere &) = delete;
    RunningCopyElsewhere &operator=(const RunningCopyElsewhere &) = delete;

    // Whether it found no other copy and holds the instance lock.
    bool runs() const { return m_runs; }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_started = false;
    bool m_ended = false;
    bool m_runs = false;
    std::thread m_thread;  // last: it uses the members above
};

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
        const RunningCopyElsewhere runningCopy(m_dir->path());
        QVERIFY(runningCopy.runs());
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
