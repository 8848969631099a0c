// SPDX-License-Identifier: GPL-3.0-or-later
// The main window closed through the window manager's close box while two
// coil windows hold unsaved results: each coil window comes to the front and
// asks in turn; Cancel keeps the program with all its windows on screen, No
// to both ends it.
#include "WmProbe.h"

#include "coil/CalculationState.h"
#include "coil/window/CoilWindows.h"
#include "coil/window/Kontura.h"
#include "coil/window/PictureTabWidget.h"
#include "coil/window/ResultsLog.h"
#include "coil/window/StraightWireTab.h"
#include "resistor/Main.h"
#include "support/FakeDialogs.h"
#include "support/ProgramWindows.h"
#include "ui/SpinEdit.h"

#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// Notes which window was on top when each question about a log was asked.
class WatchingDialogs : public FakeDialogs
{
public:
    QList<quint32> topWindows;

    ui::Answer message(QWidget *parent, const ui::MessageRequest &request) override
    {
        if (request.caption == QStringLiteral("Подтверждение")) {
            // The request to come to the front reaches the window manager
            // first; whatever is on top after the wait is noted.
            [[maybe_unused]] const bool onTop = QTest::qWaitFor([&] {
                return !wmprobe::managedWindows().isEmpty()
                       && wmprobe::managedWindows().last() == wmprobe::windowOf(parent);
            }, 3000);
            topWindows << (wmprobe::managedWindows().isEmpty() ? 0 : wmprobe::managedWindows().last());
        }
        return FakeDialogs::message(parent, request);
    }
};

} // namespace

class TestWmProgramClose : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<WatchingDialogs> fake;
    QPointer<TfmMain> mainWindow;
    QList<QPointer<TfmContura>> coilWindows;

    int questions() const
    {
        int count = 0;
        for (const ui::MessageRequest &message : fake->messages)
            count += message.caption == QStringLiteral("Подтверждение");
        return count;
    }

private slots:
    void initTestCase()
    {
        WMPROBE_REQUIRE_WINDOW_MANAGER();
    }

    void init()
    {
        coil::resetCalculationState();
        dir = std::make_unique<QTemporaryDir>();
        qputenv("XDG_STATE_HOME", QFile::encodeName(dir->filePath(QStringLiteral("state"))));
        fake = std::make_unique<WatchingDialogs>();
        mainWindow = askingMainWindow(*dir);
        mainWindow->show();
        coilWindows.clear();
        for (int i = 0; i < 2; ++i) {
            TfmContura *window = coilWindowOf(mainWindow, *dir, i, true);
            window->move(320 + 40 * i, 100 + 40 * i);
            coilWindows << window;
        }
        QVERIFY(QTest::qWaitFor([&] {
            return wmprobe::framed(mainWindow) && wmprobe::framed(coilWindows[0]) && wmprobe::framed(coilWindows[1]);
        }, 10000));
        // The second coil window is on top; the first must come up to ask.
        mainWindow->raise();
        mainWindow->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(mainWindow));
        fake->messages.clear();  // the tabs' missing pictures
    }

    void cleanup()
    {
        delete mainWindow.data();
        fake.reset();
        dir.reset();
    }

    void cancelAtTheSecondKeepsEverything()
    {
        fake->answers << ui::Answer::No << ui::Answer::Cancel;
        wmprobe::closeByWindowManager(mainWindow);
        QVERIFY(QTest::qWaitFor([&] { return questions() == 2; }, 10000));
        QTest::qWait(0);

        QCOMPARE(fake->topWindows, QList<quint32>({wmprobe::windowOf(coilWindows[0]),
                                                   wmprobe::windowOf(coilWindows[1])}));
        QVERIFY(wmprobe::framed(mainWindow));
        for (TfmContura *window : coilWindows) {
            QVERIFY(wmprobe::framed(window));
            QVERIFY(window->RichEdit1->isModified());
        }
        QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("bandimor.ini"))));
    }

    void noToBothEndsTheProgram()
    {
        const quint32 mainId = wmprobe::windowOf(mainWindow);
        const quint32 firstId = wmprobe::windowOf(coilWindows[0]);
        const quint32 secondId = wmprobe::windowOf(coilWindows[1]);
        fake->answers << ui::Answer::No << ui::Answer::No;
        wmprobe::closeByWindowManager(mainWindow);

        QVERIFY(QTest::qWaitFor([&] {
            return wmprobe::unmanaged(mainId) && wmprobe::unmanaged(firstId) && wmprobe::unmanaged(secondId);
        }, 10000));
        QCOMPARE(questions(), 2);
        QVERIFY(QFile::exists(dir->filePath(QStringLiteral("bandimor.ini"))));
    }
};

QTEST_MAIN(TestWmProgramClose)
#include "test_wm_programclose.moc"
