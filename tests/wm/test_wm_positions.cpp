// SPDX-License-Identifier: GPL-3.0-or-later
// Window places under a real window manager. A stored place is the corner of
// the window's frame, so the main window and the coil windows come back
// exactly where they were, run after run and opening after opening, and a
// place the user moved a window to is kept.
//
// Each "run" is the program's start-up within this process: splash, main
// window, message loop; it ends when the main window closes. The settings
// file is the program's own, beside this executable, fresh for each test.
#include "CoilWindowOpening.h"
#include "WmProbe.h"

#include "app/Startup.h"
#include "coil/window/Kontura.h"
#include "resistor/Main.h"
#include "settings/IniFile.h"
#include "settings/SettingsPath.h"
#include "support/FakeDialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace {

const QPoint mainFirstRun(193, 109);
const QPoint coilFirstRun(304, 106);

QString describe(QPoint point)
{
    return QStringLiteral("%1,%2").arg(point.x()).arg(point.y());
}

// Empty when the window's frame stands at the corner, for the server and for Qt.
QString frameCheck(QWidget *window, QPoint corner, const QString &what)
{
    if (!QTest::qWaitFor([window] { return wmprobe::framed(window); }, 10000))
        return what + QStringLiteral(" was not framed by the window manager");
    const QPoint real = wmprobe::frameRect(wmprobe::windowOf(window)).topLeft();
    if (real == corner && window->pos() == corner)
        return {};
    return QStringLiteral("%1: frame at %2, pos() %3, expected %4")
        .arg(what, describe(real), describe(window->pos()), describe(corner));
}

// The user moves the frame (through the window manager, as a drag would).
QString moveByUser(QWidget *window, QPoint corner, const QString &what)
{
    wmprobe::moveFrameTo(window, corner);
    const bool moved = QTest::qWaitFor([&] {
        return window->pos() == corner
               && wmprobe::frameRect(wmprobe::windowOf(window)).topLeft() == corner;
    }, 10000);
    return moved ? QString() : what + QStringLiteral(" did not follow the user's move");
}

// The close box of the frame: the coil window only hides.
QString closeByUser(TfmContura *window)
{
    const quint32 id = wmprobe::windowOf(window);
    wmprobe::closeByWindowManager(window);
    const bool closed = QTest::qWaitFor([&] { return !window->isVisible() && wmprobe::unmanaged(id); },
                                        10000);
    return closed ? QString() : QStringLiteral("the coil window did not close");
}

QPoint stored(const QString &top, const QString &left)
{
    const settings::IniFile ini(settings::settingsFilePath());
    const QString section = QStringLiteral("WindowPos");
    return {ini.readInteger(section, left, -9999), ini.readInteger(section, top, -9999)};
}

QPoint storedMain() { return stored(QStringLiteral("MaTop"), QStringLiteral("MaLeft")); }
QPoint storedCoil() { return stored(QStringLiteral("CoTop"), QStringLiteral("CoLeft")); }

// What one run does with its main window once it is shown; the first fault
// found, or an empty text.
using Session = std::function<QString(TfmMain *)>;

// One run of the program, from its start-up to the main window's close.
QString runProgram(const Session &session)
{
    QTemporaryDir lockDirectory;
    QString fault = QStringLiteral("the main window was never created");
    const auto createMainWindow = [&](app::Startup &startup) -> QWidget * {
        auto *mainWindow = new TfmMain;
        QObject::connect(mainWindow, &TfmMain::shown, &startup, &app::Startup::mainWindowShown);
        mainWindow->setCoilWindowOpener([](TfmMain *owner) { TfmContura::openNew(owner, {}); });
        // Runs in the message loop, with the main window shown.
        QTimer::singleShot(0, mainWindow, [&fault, &session, mainWindow] {
            fault = session(mainWindow);
            mainWindow->close();
        });
        return mainWindow;
    };
    app::Startup startup(createMainWindow,
                         {QStringLiteral("Bandimor v1.7"),
                          lockDirectory.filePath(QStringLiteral("splash.bmp")), lockDirectory.path()});
    startup.run();
    return fault;
}

// A run that finds the main window at its place and opens a coil window
// twice, each time at its place, closing it with its frame's close box.
Session findPlacesOpeningTwice(QPoint mainPlace, QPoint coilPlace)
{
    return [=](TfmMain *mainWindow) -> QString {
        QString problem = frameCheck(mainWindow, mainPlace, QStringLiteral("main window"));
        for (int opening = 1; problem.isEmpty() && opening <= 2; ++opening) {
            TfmContura *coil = openCoilWindow(mainWindow);
            if (!coil)
                return QStringLiteral("no coil window opened");
            problem = frameCheck(coil, coilPlace, QStringLiteral("coil window %1").arg(opening));
            if (problem.isEmpty())
                problem = closeByUser(coil);
            if (problem.isEmpty() && storedCoil() != coilPlace)
                problem = QStringLiteral("coil window %1 stored at %2").arg(opening).arg(describe(storedCoil()));
        }
        return problem;
    };
}

QByteArray settingsFileBytes()
{
    QFile file(settings::settingsFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestWmPositions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        WMPROBE_REQUIRE_WINDOW_MANAGER();
    }

    void init()
    {
        QFile::remove(settings::settingsFilePath());
    }

    void cleanup()
    {
        QFile::remove(settings::settingsFilePath());
    }

    // A first run, then three more, each opening a coil window twice: the
    // same frames on screen and the same settings file every time.
    void placesHoldRunAfterRun()
    {
        // Answers the notices about the pictures, which are not beside this
        // executable.
        FakeDialogs dialogs;
        QByteArray afterFirstRun;
        for (int run = 1; run <= 4; ++run) {
            const QString fault = runProgram(findPlacesOpeningTwice(mainFirstRun, coilFirstRun));
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("run %1: %2").arg(run).arg(fault)));
            QCOMPARE(storedMain(), mainFirstRun);
            QCOMPARE(storedCoil(), coilFirstRun);
            if (run == 1)
                afterFirstRun = settingsFileBytes();
            else
                QCOMPARE(settingsFileBytes(), afterFirstRun);
        }
    }

    // The user moves both windows; later runs and openings find them there.
    void placesTheUserChoseAreKept()
    {
        FakeDialogs dialogs;
        const QPoint mainPlace(251, 77);
        const QPoint coilPlace(417, 233);
        QString fault = runProgram([&](TfmMain *mainWindow) -> QString {
            QString problem = frameCheck(mainWindow, mainFirstRun, QStringLiteral("main window"));
            if (problem.isEmpty())
                problem = moveByUser(mainWindow, mainPlace, QStringLiteral("main window"));
            TfmContura *coil = problem.isEmpty() ? openCoilWindow(mainWindow) : nullptr;
            if (problem.isEmpty() && !coil)
                return QStringLiteral("no coil window opened");
            if (problem.isEmpty())
                problem = frameCheck(coil, coilFirstRun, QStringLiteral("coil window"));
            if (problem.isEmpty())
                problem = moveByUser(coil, coilPlace, QStringLiteral("coil window"));
            if (problem.isEmpty())
                problem = closeByUser(coil);
            return problem;
        });
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QCOMPARE(storedMain(), mainPlace);
        QCOMPARE(storedCoil(), coilPlace);

        for (int run = 2; run <= 3; ++run) {
            fault = runProgram(findPlacesOpeningTwice(mainPlace, coilPlace));
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("run %1: %2").arg(run).arg(fault)));
            QCOMPARE(storedMain(), mainPlace);
        }
    }
};

QTEST_MAIN(TestWmPositions)
#include "test_wm_positions.moc"
