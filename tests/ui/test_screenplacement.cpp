// SPDX-License-Identifier: GPL-3.0-or-later
// Window places over the screens' available geometry: which stored places
// are kept, where unreachable ones go, where a new window steps aside, and
// on which screen a window without a place of its own opens.
#include "ui/ScreenPlacement.h"

#include <QTest>

using ui::cascadePlace;
using ui::reachablePlace;

namespace {

const QRect single(0, 0, 1920, 1080);
// Two monitors side by side, the right one lower and smaller; a panel at
// the bottom of the left one.
const QRect left(0, 0, 1920, 1040);
const QRect right(1920, 200, 1280, 1024);
const QSize window(500, 300);
constexpr int titleBar = 25;

} // namespace

class TestScreenPlacement : public QObject
{
    Q_OBJECT
private slots:
    void platforms_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("places");
        QTest::newRow("X11") << "xcb" << true;
        QTest::newRow("offscreen") << "offscreen" << true;
        QTest::newRow("Windows") << "windows" << true;
        QTest::newRow("Wayland") << "wayland" << false;
        QTest::newRow("Wayland with EGL") << "wayland-egl" << false;
    }

    void platforms()
    {
        QFETCH(QString, platform);
        QFETCH(bool, places);
        QCOMPARE(ui::platformPlacesWindows(platform), places);
    }

    void reachable_data()
    {
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QPoint>("stored");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("expected");

        const QList<QRect> one{single};
        const QList<QRect> two{left, right};
        QTest::newRow("wholly on the screen: as stored") << one << QPoint(193, 109) << window << QPoint(193, 109);
        QTest::newRow("flush with the bottom right corner") << one << QPoint(1420, 780) << window << QPoint(1420, 780);
        QTest::newRow("below the bottom edge but its title bar on it")
            << one << QPoint(300, 1000) << window << QPoint(300, 1000);
        QTest::newRow("far right and far up") << one << QPoint(5000, -3000) << window << QPoint(1420, 0);
        QTest::newRow("corner of the screen, title bar cut") << one << QPoint(1800, 900) << window
                                                              << QPoint(1420, 780);
        QTest::newRow("title bar above the top edge") << one << QPoint(400, -3) << window << QPoint(400, 0);
        QTest::newRow("left of the screen") << one << QPoint(-3, 400) << window << QPoint(0, 400);
        QTest::newRow("title bar just below the bottom edge") << one << QPoint(400, 1070) << window
                                                               << QPoint(400, 780);
        QTest::newRow("larger than the screen: top left corner on it")
            << one << QPoint(-50, -50) << QSize(2500, 1500) << QPoint(0, 0);
        QTest::newRow("on the right monitor: as stored") << two << QPoint(2000, 300) << window << QPoint(2000, 300);
        QTest::newRow("across both monitors, title bar on them")
            << two << QPoint(1700, 300) << window << QPoint(1700, 300);
        QTest::newRow("above the lower right monitor, beside the left one")
            << two << QPoint(2500, 50) << window << QPoint(2500, 200);
        QTest::newRow("beyond the right monitor") << two << QPoint(4000, 500) << window << QPoint(2700, 500);
        QTest::newRow("in the panel of the left monitor") << two << QPoint(200, 1050) << window
                                                           << QPoint(200, 740);
        QTest::newRow("right monitor unplugged") << one << QPoint(2000, 300) << window << QPoint(1420, 300);
        QTest::newRow("no screens known: as stored") << QList<QRect>() << QPoint(-500, -500) << window
                                                     << QPoint(-500, -500);
    }

    void reachable()
    {
        QFETCH(QList<QRect>, screens);
        QFETCH(QPoint, stored);
        QFETCH(QSize, size);
        QFETCH(QPoint, expected);
        QCOMPARE(reachablePlace(QRect(stored, size), titleBar, screens), expected);
    }

    void cascade_data()
    {
        QTest::addColumn<QPoint>("stored");
        QTest::addColumn<QList<QPoint>>("taken");
        QTest::addColumn<QPoint>("expected");

        QTest::newRow("free place") << QPoint(304, 106) << QList<QPoint>{QPoint(10, 10)} << QPoint(304, 106);
        QTest::newRow("no other window") << QPoint(304, 106) << QList<QPoint>() << QPoint(304, 106);
        QTest::newRow("one window there") << QPoint(304, 106) << QList<QPoint>{QPoint(304, 106)}
                                          << QPoint(329, 131);
        QTest::newRow("a cascade of three, in any order")
            << QPoint(304, 106) << QList<QPoint>{QPoint(354, 156), QPoint(304, 106), QPoint(329, 131)}
            << QPoint(379, 181);
        QTest::newRow("a gap in the cascade is filled")
            << QPoint(304, 106) << QList<QPoint>{QPoint(304, 106), QPoint(354, 156)} << QPoint(329, 131);
        QTest::newRow("at the bottom right: back to the top left corner")
            << QPoint(1420, 780) << QList<QPoint>{QPoint(1420, 780)} << QPoint(0, 0);
        QTest::newRow("top left corner taken as well")
            << QPoint(1420, 780) << QList<QPoint>{QPoint(1420, 780), QPoint(0, 0)} << QPoint(25, 25);
    }

    void cascade()
    {
        QFETCH(QPoint, stored);
        QFETCH(QList<QPoint>, taken);
        QFETCH(QPoint, expected);
        const QPoint place = cascadePlace(QRect(stored, window), titleBar, taken, {single});
        QCOMPARE(place, expected);
        QVERIFY(single.contains(QRect(place, window)));
    }

    // However many windows stand in the way, the new one finds a free place
    // on its screen.
    void cascadeAlwaysEndsFree()
    {
        QList<QPoint> taken;
        for (int opened = 0; opened < 40; ++opened) {
            const QPoint place = cascadePlace(QRect(QPoint(304, 106), window), titleBar, taken, {single});
            QVERIFY2(!taken.contains(place), qPrintable(QString::number(opened)));
            QVERIFY(single.contains(QRect(place, window)));
            taken.append(place);
        }
    }

    void openingScreen_data()
    {
        QTest::addColumn<QRect>("mainFrame");  // empty: no main window
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QRect>("screen");
        QTest::newRow("main window on the right")
            << QRect(QPoint(2100, 400), window) << QPoint(10, 10) << right;
        QTest::newRow("main window mostly on the left")
            << QRect(QPoint(1700, 100), window) << QPoint(2500, 500) << left;
        QTest::newRow("no main window, pointer right") << QRect() << QPoint(2500, 500) << right;
        QTest::newRow("no main window, pointer off the screens") << QRect() << QPoint(2500, 50) << left;
    }
    void openingScreen()
    {
        QFETCH(QRect, mainFrame);
        QFETCH(QPoint, pointer);
        QFETCH(QRect, screen);
        QCOMPARE(ui::openingScreen(mainFrame, pointer, {left, right}), screen);
    }
};

QTEST_APPLESS_MAIN(TestScreenPlacement)
#include "test_screenplacement.moc"
