// SPDX-License-Identifier: GPL-3.0-or-later
// The about box under a real window manager: the hints it gives (a title and
// no caption buttons), its fixed size, its place above other windows and at
// the centre of the screen by its frame; what it does with the window
// manager's close and minimise, and that its button and Enter still close it.
#include "WmProbe.h"

#include "app/About.h"

#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <memory>

namespace {

// _MOTIF_WM_HINTS: flags, functions, decorations, input mode, status.
enum : quint32 {
    HintsFunctions = 1,
    HintsDecorations = 2,
    FunctionAll = 1,
    FunctionMove = 4,
    FunctionMinimise = 8,
    FunctionMaximise = 16,
    FunctionClose = 32,
    DecorationAll = 1,
    DecorationTitle = 8,
    DecorationMenu = 16,
    DecorationMinimise = 32,
    DecorationMaximise = 64,
};

// Counts the window manager's requests as the box receives them.
class RequestWatch : public QObject
{
public:
    int closeRequests = 0;
    int minimisations = 0;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close && event->spontaneous())
            ++closeRequests;
        if (event->type() == QEvent::WindowStateChange
            && (static_cast<QWidget *>(watched)->windowState() & Qt::WindowMinimized))
            ++minimisations;
        return false;
    }
};

bool hidden(QWidget *window)
{
    return wmprobe::atomList(wmprobe::windowOf(window), "_NET_WM_STATE").contains("_NET_WM_STATE_HIDDEN");
}

// Real input through the X server (XTEST).
bool xdotool(const QStringList &arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

} // namespace

class TestWmAbout : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        WMPROBE_REQUIRE_WINDOW_MANAGER();
    }

    void init()
    {
        m_owner = std::make_unique<QMainWindow>();
        m_owner->resize(300, 260);
        m_owner->move(193, 109);
        m_owner->show();
        QVERIFY(QTest::qWaitFor([this] { return wmprobe::framed(m_owner.get()); }, 10000));
        m_box = new TfmAbout(m_owner.get());
        m_box->show();
        QVERIFY(QTest::qWaitFor([this] { return wmprobe::framed(m_box); }, 10000));
    }

    void cleanup()
    {
        m_owner.reset();  // the box with it
        m_box = nullptr;
    }

    void hintsAskForATitleWithoutButtons()
    {
        const QVector<quint32> hints = wmprobe::property32(wmprobe::windowOf(m_box), "_MOTIF_WM_HINTS");
        QCOMPARE(hints.size(), 5);
        QVERIFY(hints[0] & HintsFunctions);
        QCOMPARE(hints[1] & (FunctionAll | FunctionMinimise | FunctionMaximise | FunctionClose), 0u);
        QVERIFY(hints[1] & FunctionMove);
        if (hints[0] & HintsDecorations) {
            QCOMPARE(hints[2] & (DecorationAll | DecorationMenu | DecorationMinimise | DecorationMaximise), 0u);
            QVERIFY(hints[2] & DecorationTitle);
        }
        // The caption bar itself stays: the frame is thicker on top.
        const QVector<quint32> extents = wmprobe::property32(wmprobe::windowOf(m_box), "_NET_FRAME_EXTENTS");
        QCOMPARE(extents.size(), 4);
        QVERIFY(extents[2] > extents[0]);
    }

    void fixedSizeAndOnTop()
    {
        // WM_NORMAL_HINTS: flags, x, y, width, height, min width, min height,
        // max width, max height, ...
        const QVector<quint32> sizeHints = wmprobe::property32(wmprobe::windowOf(m_box), "WM_NORMAL_HINTS");
        QVERIFY(sizeHints.size() >= 9);
        QCOMPARE(QSize(int(sizeHints[5]), int(sizeHints[6])), QSize(298, 244));
        QCOMPARE(QSize(int(sizeHints[7]), int(sizeHints[8])), QSize(298, 244));
        QVERIFY(!wmprobe::atomList(wmprobe::windowOf(m_box), "_NET_WM_ALLOWED_ACTIONS")
                     .contains("_NET_WM_ACTION_RESIZE"));
        QVERIFY(wmprobe::atomList(wmprobe::windowOf(m_box), "_NET_WM_STATE").contains("_NET_WM_STATE_ABOVE"));
        const QVector<xcb_window_t> frames = wmprobe::stackedFrames();
        QVERIFY(frames.indexOf(wmprobe::topAncestor(wmprobe::windowOf(m_box)))
                > frames.indexOf(wmprobe::topAncestor(wmprobe::windowOf(m_owner.get()))));
    }

    void centredByItsFrame()
    {
        const QRect area = m_box->screen()->availableGeometry();
        QRect frame;
        const bool centred = QTest::qWaitFor([&] {
            frame = wmprobe::frameRect(wmprobe::windowOf(m_box));
            return qAbs(2 * frame.x() + frame.width() - (2 * area.x() + area.width())) <= 1
                   && qAbs(2 * frame.y() + frame.height() - (2 * area.y() + area.height())) <= 1;
        }, 10000);
        QVERIFY2(centred, qPrintable(QStringLiteral("frame %1,%2 %3x%4 on %5x%6")
                                         .arg(frame.x()).arg(frame.y()).arg(frame.width())
                                         .arg(frame.height()).arg(area.width()).arg(area.height())));
        // The client area alone would be centred lower: the frame counts.
        QVERIFY(frame.size() != m_box->size());
    }

    void windowManagerCloseIsRefused()
    {
        RequestWatch watch;
        m_box->installEventFilter(&watch);
        wmprobe::closeByWindowManager(m_box);
        QVERIFY(QTest::qWaitFor([&] { return watch.closeRequests == 1; }, 10000));
        QVERIFY(m_box->isVisible());
        QVERIFY(!wmprobe::unmanaged(wmprobe::windowOf(m_box)));
    }

    void windowManagerMinimiseIsUndone()
    {
        RequestWatch watch;
        m_box->installEventFilter(&watch);
        wmprobe::minimiseByWindowManager(m_box);
        QVERIFY(QTest::qWaitFor([&] { return watch.minimisations > 0; }, 10000));
        QVERIFY(QTest::qWaitFor([&] {
            return wmprobe::framed(m_box) && !(m_box->windowState() & Qt::WindowMinimized) && !hidden(m_box)
                   && !hidden(m_owner.get());
        }, 10000));
    }

    void buttonAndEnterClose_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Enter") << true;
        QTest::newRow("click on the button") << false;
    }
    void buttonAndEnterClose()
    {
        QFETCH(bool, byKey);
        QVERIFY(QTest::qWaitForWindowActive(m_box, 10000));
        if (byKey) {
            QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Return")}));
        } else {
            auto *button = m_box->findChild<QPushButton *>(QStringLiteral("spSkinButton1"));
            const QPoint centre = button->mapToGlobal(button->rect().center());
            QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(centre.x()),
                             QString::number(centre.y()), QStringLiteral("click"), QStringLiteral("1")}));
        }
        QVERIFY(QTest::qWaitFor([this] { return !m_box->isVisible(); }, 10000));
        QCOMPARE(m_box->result(), int(QDialog::Accepted));
    }

private:
    std::unique_ptr<QMainWindow> m_owner;
    TfmAbout *m_box = nullptr;
};

QTEST_MAIN(TestWmAbout)
#include "test_wm_about.moc"
