// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window: its look, its picture and its life from creation to
// removal. The timer is fired by calling its handler, so nothing waits.
#include "app/Splash.h"
#include "support/FakeDialogs.h"

#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

enum class Step { TimerFires, MainWindowShown, MainWindowHidden, PictureClicked };
enum class State { Running, Waiting, Gone };

QString picturePath(const QTemporaryDir &dir)
{
    return dir.filePath(QStringLiteral("splash.bmp"));
}

void writeBitmap(const QString &path, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "BMP"));
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QLabel *image1(TfmSplash *splash)
{
    return splash->findChild<QLabel *>(QStringLiteral("Image1"));
}

QColor shownColourAt(TfmSplash *splash, QPoint point)
{
    return splash->grab().toImage().pixelColor(point);
}

} // namespace

Q_DECLARE_METATYPE(QList<Step>)
Q_DECLARE_METATYPE(State)

class TestSplash : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
    }

    void windowLooksAsDesigned()
    {
        FakeDialogs dialogs;
        TfmSplash splash(picturePath(*m_dir));
        QCOMPARE(splash.objectName(), QStringLiteral("fmSplash"));
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(splash.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!splash.accessibleName().isEmpty());
        QVERIFY(!splash.accessibleDescription().isEmpty());
        QVERIFY(!image1(&splash)->accessibleName().isEmpty());
        QVERIFY(!image1(&splash)->accessibleDescription().isEmpty());

        splash.showAndPaint();
        QCOMPARE(splash.size(), QSize(261, 141));
        QCOMPARE(splash.frameGeometry().size(), QSize(261, 141));
        const QRect desktop = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(qAbs(splash.geometry().center().x() - desktop.center().x()) <= 1);
        QVERIFY(qAbs(splash.geometry().center().y() - desktop.center().y()) <= 1);
    }

    void timerRunsFromCreation()
    {
        FakeDialogs dialogs;
        TfmSplash splash(picturePath(*m_dir));
        auto *timer = splash.findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer);
        QVERIFY(timer->isActive());
        QVERIFY(timer->isSingleShot());
        QCOMPARE(timer->interval(), 2000);
        QVERIFY(splash.isTimerRunning());
    }

    void lifecycle_data()
    {
        QTest::addColumn<bool>("mainWindowVisibleFirst");
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<State>("expected");

        using S = Step;
        QTest::newRow("timer fires with the main window visible: gone")
            << true << QList<Step>{S::TimerFires} << State::Gone;
        QTest::newRow("timer fires before the main window is visible: waiting")
            << false << QList<Step>{S::TimerFires} << State::Waiting;
        QTest::newRow("timer fires after the main window was hidden again: waiting")
            << false << QList<Step>{S::MainWindowShown, S::MainWindowHidden, S::TimerFires} << State::Waiting;
        QTest::newRow("main window shown while running: the timer decides")
            << false << QList<Step>{S::MainWindowShown} << State::Running;
        QTest::newRow("main window shown while running, then the timer: gone")
            << false << QList<Step>{S::MainWindowShown, S::TimerFires} << State::Gone;
        QTest::newRow("main window shown while waiting: closed")
            << false << QList<Step>{S::TimerFires, S::MainWindowShown} << State::Gone;
        QTest::newRow("click while running: gone at once")
            << false << QList<Step>{S::PictureClicked} << State::Gone;
        QTest::newRow("click while waiting: gone at once")
            << false << QList<Step>{S::TimerFires, S::PictureClicked} << State::Gone;
        QTest::newRow("main window shown again after a click: nothing")
            << false << QList<Step>{S::PictureClicked, S::MainWindowShown, S::MainWindowShown} << State::Gone;
        QTest::newRow("main window shown again after closing: nothing")
            << false << QList<Step>{S::TimerFires, S::MainWindowShown, S::MainWindowHidden, S::MainWindowShown}
            << State::Gone;
    }
    void lifecycle()
    {
        QFETCH(bool, mainWindowVisibleFirst);
        QFETCH(QList<Step>, steps);
        QFETCH(State, expected);

        FakeDialogs dialogs;
        QMainWindow mainWindow;
        QPointer<TfmSplash> splash = new TfmSplash(picturePath(*m_dir));
        splash->setMainWindow(&mainWindow);
        splash->showAndPaint();
        if (mainWindowVisibleFirst)
            mainWindow.show();

        for (Step step : steps) {
            switch (step) {
            case Step::TimerFires:
                QVERIFY(splash);
                splash->Timer1Timer();
                break;
            case Step::MainWindowShown:
                mainWindow.show();
                // What the main window's show handler does.
                if (splash)
                    splash->mainWindowShown();
                break;
            case Step::MainWindowHidden:
                mainWindow.hide();
                break;
            case Step::PictureClicked:
                QVERIFY(splash);
                QTest::mouseClick(image1(splash), Qt::LeftButton, {}, QPoint(10, 10));
                // Gone from the screen at once, before any other event.
                QVERIFY(!splash->isVisible());
                break;
            }
            processDeferredDeletes();
        }

        switch (expected) {
        case State::Running:
            QVERIFY(splash);
            QVERIFY(splash->isVisible());
            QVERIFY(splash->isTimerRunning());
            break;
        case State::Waiting:
            QVERIFY(splash);
            QVERIFY(splash->isVisible());
            QVERIFY(!splash->isTimerRunning());
            break;
        case State::Gone:
            QVERIFY(splash.isNull());
            break;
        }
        delete splash.data();
    }

    void realTimerRemovesTheSplashOnceTheMainWindowIsVisible()
    {
        FakeDialogs dialogs;
        QMainWindow mainWindow;
        QPointer<TfmSplash> splash = new TfmSplash(picturePath(*m_dir));
        splash->setMainWindow(&mainWindow);
        splash->showAndPaint();
        mainWindow.show();
        QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 10000);
    }

    void picture_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QSize>("imageSize");
        QTest::addColumn<int>("messages");
        QTest::addColumn<bool>("loaded");

        QTest::newRow("no picture file: silent, empty") << "missing" << QSize(260, 140) << 0 << false;
        QTest::newRow("garbage in the file: message, empty") << "garbage" << QSize(260, 140) << 1 << false;
        QTest::newRow("truncated bitmap: message, empty") << "truncated" << QSize(260, 140) << 1 << false;
        QTest::newRow("pixels cut short, header intact: message, empty")
            << "cut pixels" << QSize(260, 140) << 1 << false;
        QTest::newRow("empty file: message, empty") << "empty" << QSize(260, 140) << 1 << false;
        QTest::newRow("PNG under the bitmap's name: message, empty") << "png" << QSize(260, 140) << 1 << false;
        QTest::newRow("fitting bitmap: loaded") << "fitting" << QSize(260, 140) << 0 << true;
        QTest::newRow("larger bitmap: control takes its size") << "larger" << QSize(400, 300) << 0 << true;
        QTest::newRow("smaller bitmap: control takes its size") << "smaller" << QSize(100, 50) << 0 << true;
    }
    void picture()
    {
        QFETCH(QString, kind);
        QFETCH(QSize, imageSize);
        QFETCH(int, messages);
        QFETCH(bool, loaded);

        const QString path = picturePath(*m_dir);
        if (kind == QLatin1String("garbage")) {
            writeBytes(path, QByteArray("this is no picture at all", 25));
        } else if (kind == QLatin1String("truncated")) {
            writeBitmap(path, QSize(100, 100), Qt::red);
            QFile file(path);
            QVERIFY(file.resize(40));
        } else if (kind == QLatin1String("cut pixels")) {
            writeBitmap(path, QSize(260, 140), Qt::red);
            QFile file(path);
            QVERIFY(file.resize(2000));
        } else if (kind == QLatin1String("empty")) {
            writeBytes(path, QByteArray());
        } else if (kind == QLatin1String("png")) {
            QImage image(QSize(50, 50), QImage::Format_RGB32);
            image.fill(Qt::red);
            QVERIFY(image.save(path, "PNG"));
        } else if (kind != QLatin1String("missing")) {
            writeBitmap(path, imageSize, Qt::red);
        }

        FakeDialogs dialogs;
        TfmSplash splash(path);
        QCOMPARE(dialogs.messages.size(), messages);
        if (messages > 0) {
            const ui::MessageRequest &request = dialogs.messages.constFirst();
            QCOMPARE(request.text, QStringLiteral("Ошибка загрузки рисунка!"));
            QCOMPARE(request.caption, QStringLiteral("К сведению..."));
            QCOMPARE(request.icon, ui::Icon::Error);
            QCOMPARE(request.buttons, ui::Buttons::Ok);
        }
        QLabel *image = image1(&splash);
        QCOMPARE(image->geometry(), QRect(QPoint(0, 0), imageSize));
        QCOMPARE(!image->pixmap().isNull(), loaded);
        QCOMPARE(splash.size(), QSize(261, 141));
    }

    void largerPictureIsCutAtTheEdges()
    {
        writeBitmap(picturePath(*m_dir), QSize(400, 300), Qt::red);
        FakeDialogs dialogs;
        TfmSplash splash(picturePath(*m_dir));
        splash.showAndPaint();
        // The window's far corner shows the picture, and the window is no larger.
        QCOMPARE(shownColourAt(&splash, QPoint(260, 140)), QColor(Qt::red));
        QCOMPARE(splash.grab().size(), QSize(261, 141));
    }

    void smallerPictureLeavesButtonFace()
    {
        writeBitmap(picturePath(*m_dir), QSize(100, 50), Qt::red);
        FakeDialogs dialogs;
        TfmSplash splash(picturePath(*m_dir));
        splash.showAndPaint();
        QCOMPARE(shownColourAt(&splash, QPoint(50, 25)), QColor(Qt::red));
        const QColor buttonFace = splash.palette().color(QPalette::Button);
        QCOMPARE(shownColourAt(&splash, QPoint(200, 25)), buttonFace);
        QCOMPARE(shownColourAt(&splash, QPoint(50, 100)), buttonFace);
    }

    void clickBesideASmallerPictureKeepsTheSplash()
    {
        writeBitmap(picturePath(*m_dir), QSize(100, 50), Qt::red);
        FakeDialogs dialogs;
        TfmSplash splash(picturePath(*m_dir));
        splash.showAndPaint();
        QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(200, 100));
        QVERIFY(splash.isVisible());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestSplash)
#include "test_splash.moc"
