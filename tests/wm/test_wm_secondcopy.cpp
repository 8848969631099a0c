// SPDX-License-Identifier: GPL-3.0-or-later
// A second copy under a real window manager: its warning "Одна копия
// приложения уже запущена !" stands above its own splash (which stays on
// top of everything else), readable, active, and answers a real key press
// and a real click on its button.
#include "WmProbe.h"

#include "app/InstanceGuard.h"
#include "app/Splash.h"
#include "app/Startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString title = QStringLiteral("Bandimor v1.7");

// Shown and listed by the window manager among the windows it manages.
bool managed(QWidget *window)
{
    return window->isVisible() && window->windowHandle() && window->windowHandle()->isExposed()
           && wmprobe::managedWindows().contains(wmprobe::windowOf(window));
}

// What the test saw while the warning was up.
struct Seen
{
    bool warningShown = false;
    bool warningActive = false;
    bool splashShown = false;
    bool aboveInServerOrder = false;
    bool aboveForWindowManager = false;
    bool buttonReachable = false;
    bool closedByInput = false;
    QString text;
};

// Calls back once, when the first message box has been shown.
class MessageBoxWatch : public QObject
{
public:
    std::function<void(QMessageBox *)> onShown;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && !m_fired) {
            if (auto *box = qobject_cast<QMessageBox *>(watched)) {
                m_fired = true;
                QPointer<QMessageBox> guarded(box);
                // Once the show has run its course.
                QTimer::singleShot(0, box, [this, guarded] {
                    if (guarded && onShown)
                        onShown(guarded);
                });
            }
        }
        return false;
    }

private:
    bool m_fired = false;
};

} // namespace

class TestWmSecondCopy : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        WMPROBE_REQUIRE_WINDOW_MANAGER();
    }

    void warningStandsAboveTheSplash_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("answered with Enter") << true;
        QTest::newRow("answered with a click on OK") << false;
    }
    void warningStandsAboveTheSplash()
    {
        QFETCH(bool, byKey);
        QTemporaryDir lockDirectory;
        QVERIFY(lockDirectory.isValid());
        app::InstanceGuard runningCopy(title, lockDirectory.path());
        QVERIFY(!runningCopy.anotherCopyRuns());

        Seen seen;
        app::Startup *startupSeen = nullptr;
        MessageBoxWatch watch;
        watch.onShown = [&](QMessageBox *box) {
            QWidget *splash = startupSeen ? startupSeen->splash() : nullptr;
            seen.text = box->text();
            seen.warningShown = QTest::qWaitFor([&] { return managed(box); }, 10000);
            seen.splashShown = splash && managed(splash);
            seen.warningActive = QTest::qWaitForWindowActive(box, 10000);
            if (splash) {
                const QVector<xcb_window_t> frames = wmprobe::stackedFrames();
                seen.aboveInServerOrder = frames.indexOf(wmprobe::topAncestor(wmprobe::windowOf(box)))
                                          > frames.indexOf(wmprobe::topAncestor(wmprobe::windowOf(splash)));
                const QVector<quint32> clients = wmprobe::managedWindows();
                seen.aboveForWindowManager = clients.indexOf(wmprobe::windowOf(box))
                                             > clients.indexOf(wmprobe::windowOf(splash));
            }
            QAbstractButton *ok = box->button(QMessageBox::Ok);
            const QPoint okCentre = ok ? ok->mapToGlobal(ok->rect().center()) : QPoint();
            seen.buttonReachable = ok && wmprobe::frameAt(okCentre) == wmprobe::topAncestor(wmprobe::windowOf(box));
            const QStringList input = byKey ? QStringList{QStringLiteral("key"), QStringLiteral("Return")}
                                            : QStringList{QStringLiteral("mousemove"), QString::number(okCentre.x()),
                                                          QString::number(okCentre.y()), QStringLiteral("click"),
                                                          QStringLiteral("1")};
            QProcess::execute(QStringLiteral("xdotool"), input);
            seen.closedByInput = QTest::qWaitFor([&] { return !box->isVisible(); }, 10000);
            if (!seen.closedByInput)
                box->done(QMessageBox::Cancel);  // never hang the test
        };
        qApp->installEventFilter(&watch);

        int windowsCreated = 0;
        app::Startup startup([&](app::Startup &) { ++windowsCreated; return new QMainWindow; },
                             {title, lockDirectory.filePath(QStringLiteral("splash.bmp")), lockDirectory.path()});
        startupSeen = &startup;
        QCOMPARE(startup.run(), 0);
        qApp->removeEventFilter(&watch);

        QCOMPARE(windowsCreated, 0);
        QCOMPARE(seen.text, QStringLiteral("Одна копия приложения уже запущена !"));
        QVERIFY(seen.warningShown);
        QVERIFY(seen.splashShown);
        QVERIFY(seen.warningActive);
        QVERIFY(seen.aboveInServerOrder);
        QVERIFY(seen.aboveForWindowManager);
        QVERIFY(seen.buttonReachable);
        QVERIFY(seen.closedByInput);
    }
};

QTEST_MAIN(TestWmSecondCopy)
#include "test_wm_secondcopy.moc"
