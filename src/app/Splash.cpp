// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Splash.h"

#include "pictures/PictureFiles.h"
#include "ui/ControlText.h"
#include "ui/Dialogs.h"
#include "ui/WindowPosition.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

namespace {

constexpr int splashWidth = 261;
constexpr int splashHeight = 141;
// The picture control's size before a picture is loaded into it.
constexpr int emptyPictureWidth = 260;
constexpr int emptyPictureHeight = 140;

} // namespace

TfmSplash::TfmSplash(const QString &picturePath, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      Image1(new QLabel(this)),
      Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("fmSplash"));
    ui::setAccessibleTexts(this, QStringLiteral("Заставка"),
                           QStringLiteral("Заставка программы; исчезает сама или по щелчку на рисунке"));
    setFixedSize(splashWidth, splashHeight);
    // The splash must not keep the program alive once the main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);

    QPalette buttonFace = palette();
    buttonFace.setColor(QPalette::Window, buttonFace.color(QPalette::Button));
    setPalette(buttonFace);
    setAutoFillBackground(true);

    Image1->setObjectName(QStringLiteral("Image1"));
    ui::setAccessibleTexts(Image1, QStringLiteral("Рисунок заставки"),
                           QStringLiteral("Щелчок по рисунку убирает заставку"));
    Image1->setGeometry(0, 0, emptyPictureWidth, emptyPictureHeight);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->installEventFilter(this);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(timeoutMs);
    connect(Timer1, &QTimer::timeout, this, &TfmSplash::Timer1Timer);
    Timer1->start();

    FormCreate(picturePath);
}

void TfmSplash::setMainWindow(QWidget *mainWindow)
{
    m_mainWindow = mainWindow;
    // The main window has its place now: the splash moves to its screen.
    if (mainWindow)
        centreOnOpeningScreen();
}

void TfmSplash::centreOnOpeningScreen()
{
    const QRect area = ui::openingScreenArea(m_mainWindow);
    if (!area.isEmpty())
        move(area.center() - QPoint(width() / 2, height() / 2));
}

void TfmSplash::showAndPaint()
{
    centreOnOpeningScreen();
    show();
    repaint();
    // The message loop starts only after the main window exists; let the
    // window system map the splash and deliver its first paint now.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool TfmSplash::isTimerRunning() const
{
    return Timer1->isActive();
}

void TfmSplash::closeSplash()
{
    Timer1->stop();
    hide();
    // Deferred: the caller may be one of the splash's own event handlers.
    deleteLater();
}

void TfmSplash::mainWindowShown()
{
    if (isVisible() && !Timer1->isActive())
        closeSplash();
}

void TfmSplash::Timer1Timer()
{
    Timer1->stop();
    if (m_mainWindow && m_mainWindow->isVisible())
        closeSplash();
}

bool TfmSplash::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && Image1->rect().contains(mouse->position().toPoint())) {
            Image1Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfmSplash::FormCreate(const QString &picturePath)
{
    if (!QFileInfo::exists(picturePath))
        return;
    // Only a whole Windows bitmap is a splash picture, whatever else the file holds.
    const QImage picture = pictures::readBitmap(picturePath);
    if (picture.isNull()) {
        ui::showNotice(this, QStringLiteral("Ошибка загрузки рисунка!"), ui::Icon::Error);
        return;
    }
    Image1->setPixmap(QPixmap::fromImage(picture));
    // The picture control takes the picture's size; the window keeps its own.
    Image1->resize(picture.size());
}

void TfmSplash::Image1Click()
{
    closeSplash();
}
