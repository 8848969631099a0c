// SPDX-License-Identifier: GPL-3.0-or-later
// Window places on the monitors of a real desktop: a stored place from which
// the window would be out of the user's reach is brought onto a monitor, any
// other place is kept exactly, coil windows opened one after the other do
// not cover each other, and a coil window without a place of its own opens
// on the main window's monitor. Run once with one monitor and once with two side
// by side (BANDIMOR_TEST_MONITORS says how many there must be).
#include "CoilWindowOpening.h"
#include "WmProbe.h"

#include "coil/window/Kontura.h"
#include "resistor/Main.h"
#include "settings/IniFile.h"
#include "settings/SettingsPath.h"
#include "support/FakeDialogs.h"

#include <QFile>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {

const QString windowPos = QStringLiteral("WindowPos");

QList<QRect> screens()
{
    QList<QRect> result;
    for (const QScreen *screen : QGuiApplication::screens())
        result.append(screen->availableGeometry());
    return result;
}

bool whollyOnOneScreen(const QRect &frame)
{
    for (const QRect &screen : screens()) {
        if (screen.contains(frame))
            return true;
    }
    return false;
}

QString describe(const QRect &rect)
{
    return QStringLiteral("%1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

void store(const QString &top, const QString &left, QPoint place)
{
    settings::IniFile ini(settings::settingsFilePath());
    ini.writeInteger(windowPos, top, place.y());
    ini.writeInteger(windowPos, left, place.x());
    ini.save();
}

QPoint stored(const QString &top, const QString &left)
{
    const settings::IniFile ini(settings::settingsFilePath());
    return {ini.readInteger(windowPos, left, -9999), ini.readInteger(windowPos, top, -9999)};
}

// The frame as the X server has it, once the window manager has framed the
// window and Qt knows it; an empty rectangle if that never happens.
QRect realFrame(QWidget *window)
{
    const bool settled = QTest::qWaitFor([window] {
        return wmprobe::framed(window) && window->frameGeometry() != window->geometry()
               && wmprobe::frameRect(wmprobe::windowOf(window)).topLeft() == window->pos();
    }, 10000);
    return settled ? wmprobe::frameRect(wmprobe::windowOf(window)) : QRect();
}

// The frame once it is wholly on a screen, or as it stands after five seconds.
QRect settledFrame(QWidget *window)
{
    QRect frame = realFrame(window);
    (void)QTest::qWaitFor([&] {
        frame = realFrame(window);
        return whollyOnOneScreen(frame);
    }, 5000);
    return frame;
}

} // namespace

class TestWmScreens : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        WMPROBE_REQUIRE_WINDOW_MANAGER();
        const QByteArray monitors = qgetenv("BANDIMOR_TEST_MONITORS");
        if (!monitors.isEmpty())
            QCOMPARE(QGuiApplication::screens().size(), monitors.toInt());
    }

    void init() { QFile::remove(settings::settingsFilePath()); }
    void cleanup() { QFile::remove(settings::settingsFilePath()); }

    // Places are given from the first monitor's corner; 1024 to the right
    // is the second monitor when there are two, beyond the screen when not.
    void mainWindowPlace_data()
    {
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<bool>("reachable");  // false: wholly on a monitor whatever the layout

        QTest::newRow("on the first monitor") << QPoint(120, 90) << true;
        QTest::newRow("on the second monitor, if any") << QPoint(1024 + 150, 120) << true;
        QTest::newRow("far right and far up") << QPoint(5000, -3000) << false;
        QTest::newRow("bottom right corner, title bar cut") << QPoint(2048 - 120, 768 - 100) << false;
        QTest::newRow("title bar above the top edge") << QPoint(-3, -30) << false;
    }

    void mainWindowPlace()
    {
        QFETCH(QPoint, offset);
        QFETCH(bool, reachable);
        FakeDialogs dialogs;
        const QPoint place = screens().constFirst().topLeft() + offset;
        store(QStringLiteral("MaTop"), QStringLiteral("MaLeft"), place);

        auto window = std::make_unique<TfmMain>();
        window->show();
        QRect frame = realFrame(window.get());
        QVERIFY2(!frame.isEmpty(), "the main window was not framed");
        const QRect asStored(place, frame.size());
        if (reachable && whollyOnOneScreen(asStored)) {
            QCOMPARE(frame.topLeft(), place);
        } else {
            // Placed by a guess of the frame first, then by the real one.
            frame = settledFrame(window.get());
            QVERIFY2(whollyOnOneScreen(frame), qPrintable(describe(frame)));
        }

        // What is written back is where the window stood.
        window->close();
        QCOMPARE(stored(QStringLiteral("MaTop"), QStringLiteral("MaLeft")), frame.topLeft());
    }

    // Two coil windows read the same place; the second opens one title bar
    // lower and to the right, and both stay on the screen, also when the
    // stored place is at the screen's corner.
    void coilWindowsDoNotCover_data()
    {
        QTest::addColumn<QPoint>("offset");
        QTest::newRow("design place") << QPoint(304, 106);
        QTest::newRow("bottom right corner") << QPoint(5000, 5000);
        QTest::newRow("off the screen, right and up") << QPoint(5000, -3000);
        QTest::newRow("off the screen, left") << QPoint(-3000, 200);
    }

    void coilWindowsDoNotCover()
    {
        QFETCH(QPoint, offset);
        FakeDialogs dialogs;  // the coil pictures are not beside this executable
        store(QStringLiteral("CoTop"), QStringLiteral("CoLeft"), screens().constFirst().topLeft() + offset);
        TfmMain mainWindow;
        mainWindow.setCoilWindowOpener([](TfmMain *owner) { TfmContura::openNew(owner, {}); });
        mainWindow.show();
        QVERIFY(!realFrame(&mainWindow).isEmpty());

        TfmContura *first = openCoilWindow(&mainWindow);
        QVERIFY(first);
        const QRect firstFrame = settledFrame(first);
        QVERIFY2(!firstFrame.isEmpty(), "the first coil window was not framed");
        TfmContura *second = openCoilWindow(&mainWindow);
        QVERIFY(second);
        const QRect secondFrame = settledFrame(second);
        QVERIFY2(!secondFrame.isEmpty(), "the second coil window was not framed");

        QVERIFY2(firstFrame.topLeft() != secondFrame.topLeft(), qPrintable(describe(secondFrame)));
        QVERIFY2(whollyOnOneScreen(firstFrame), qPrintable(describe(firstFrame)));
        QVERIFY2(whollyOnOneScreen(secondFrame), qPrintable(describe(secondFrame)));
        if (offset == QPoint(304, 106)) {
            const int titleBar = first->geometry().top() - first->frameGeometry().top();
            QCOMPARE(secondFrame.topLeft(), firstFrame.topLeft() + QPoint(titleBar, titleBar));
        }
        mainWindow.close();
    }

    // With the main window on the right monitor, a coil window without a
    // stored place opens there too, at its design place on that monitor.
    void coilWindowOpensBesideMainWindow()
    {
        if (screens().size() < 2)
            QSKIP("needs two monitors");
        FakeDialogs dialogs;
        const QRect right = screens().at(1);
        store(QStringLiteral("MaTop"), QStringLiteral("MaLeft"), right.topLeft() + QPoint(150, 120));
        TfmMain mainWindow;
        mainWindow.setCoilWindowOpener([](TfmMain *owner) { TfmContura::openNew(owner, {}); });
        mainWindow.show();
        const QRect mainFrame = realFrame(&mainWindow);
        QVERIFY2(right.contains(mainFrame), qPrintable(describe(mainFrame)));

        TfmContura *coil = openCoilWindow(&mainWindow);
        QVERIFY(coil);
        const QRect coilFrame = settledFrame(coil);
        QVERIFY2(right.contains(coilFrame), qPrintable(describe(coilFrame)));
        QCOMPARE(coilFrame.topLeft(), right.topLeft() + QPoint(304, 106));
        mainWindow.close();
    }
};

QTEST_MAIN(TestWmScreens)
#include "test_wm_screens.moc"
