// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowPosition.h"

#include "settings/IniFile.h"
#include "settings/SettingsTable.h"
#include "ui/ScreenPlacement.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <limits>

namespace ui {

namespace {

constexpr int farthest = 1 << 20;

// Gives the window now the size its first show would give it. A window
// resized after its native window exists but before it is shown has its
// position taken for the client area, no longer for the frame.
void settleSize(QWidget *window)
{
    if (QLayout *layout = window->layout())
        layout->activate();
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
}

bool placesWindowsHere()
{
    return ui::platformPlacesWindows(QGuiApplication::platformName());
}

QList<QRect> availableScreens()
{
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    return screens;
}

QMargins frameMargins(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

bool framed(const QWidget *window)
{
    return window->frameGeometry() != window->geometry();
}

// The frame a window will get before the window manager has given it one:
// that of another framed window of the program, which has the same
// decorations, or else a title bar as high as the style's and no border.
// A guess too small can only leave a window a few pixels over an edge,
// which the check of the real frame mends; one too large would move
// windows that fit.
QMargins expectedFrameMargins(const QWidget *window)
{
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (other != window && other->isVisible() && framed(other))
            return frameMargins(other);
    }
    return {0, window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window), 0, 0};
}

// The outer rectangle of the window if its frame stood at corner.
QRect frameAt(const QWidget *window, QPoint corner, const QMargins &margins)
{
    return {corner, window->size().grownBy(margins)};
}

// The places of the shown windows among others, window itself left out.
template<typename Windows>
QList<QPoint> shownPlaces(const Windows &others, const QWidget *window)
{
    QList<QPoint> taken;
    for (const QWidget *other : others) {
        if (other && other != window && other->isVisible())
            taken.append(other->pos());
    }
    return taken;
}

// The frame guessed before the first show may differ from the one the
// window manager gives; once the window is framed, its real title bar is
// checked once more. Later moves are the user's and are left alone.
class FramedPlaceCheck : public QObject
{
public:
    explicit FramedPlaceCheck(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        setObjectName(name());
        window->installEventFilter(this);
    }

    static QString name() { return QStringLiteral("framedPlaceCheck"); }

    // The windows whose places this one must not take.
    void setOthers(const QList<QWidget *> &others)
    {
        m_others.clear();
        for (QWidget *other : others) {
            if (other != m_window)
                m_others.append(other);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window)
            return false;
        switch (event->type()) {
        case QEvent::Show:
            // A window manager that frames nothing never sends the frame.
            QTimer::singleShot(giveUpAfterMs, this, &QObject::deleteLater);
            check();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            check();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void check()
    {
        if (m_done || !m_window->isVisible() || !framed(m_window))
            return;
        m_done = true;
        const QMargins margins = frameMargins(m_window);
        const QRect frame = m_window->frameGeometry();
        const QList<QRect> screens = availableScreens();
        // Fitted onto a screen first, then stepped aside: fitted windows
        // would otherwise meet at one place.
        QPoint place = reachablePlace(frame, margins.top(), screens);
        if (!m_others.isEmpty())
            place = cascadePlace(QRect(place, frame.size()), margins.top(), shownPlaces(m_others, m_window),
                                 screens);
        if (place != m_window->pos())
            m_window->move(place);
        m_window->removeEventFilter(this);
        deleteLater();
    }

    static constexpr int giveUpAfterMs = 5000;
    QWidget *m_window;
    QList<QPointer<QWidget>> m_others;
    bool m_done = false;
};

} // namespace

void readWindowPosition(QWidget *window, const settings::IniFile &ini, const PositionKeys &keys,
                        const QWidget *mainWindow)
{
    // Without a native window yet, a top-level window takes move() as its
    // frame's corner: the window manager places the frame there.
    settleSize(window);
    const QPoint corner = window->pos();
    constexpr int missing = std::numeric_limits<int>::min();
    const int storedTop = ini.readInteger(settings::WindowPosSection, keys.top, missing);
    const int storedLeft = ini.readInteger(settings::WindowPosSection, keys.left, missing);
    // Far beyond any desktop, yet far from overflowing in the geometry.
    const auto sane = [](int stored, int design) {
        return stored == missing ? design : qBound(-farthest, stored, farthest);
    };
    const int top = sane(storedTop, corner.y());
    const int left = sane(storedLeft, corner.x());
    if (!placesWindowsHere()) {
        window->move(left, top);
        return;
    }
    const QMargins margins = expectedFrameMargins(window);
    QRect frame = frameAt(window, QPoint(left, top), margins);
    const QList<QRect> screens = availableScreens();
    // The design place is meant for the first screen; a window without a
    // place of its own opens where the user works, on the main window's.
    if (mainWindow && storedTop == missing && storedLeft == missing && !screens.isEmpty()) {
        const QRect screen = openingScreenArea(mainWindow);
        if (screen != screens.constFirst())
            frame.moveTopLeft(movedToScreen(frame, screens.constFirst(), screen));
    }
    window->move(reachablePlace(frame, margins.top(), screens));
    if (!window->findChild<QObject *>(FramedPlaceCheck::name(), Qt::FindDirectChildrenOnly))
        new FramedPlaceCheck(window);
}

void writeWindowPosition(const QWidget *window, settings::IniFile &ini, const PositionKeys &keys)
{
    // Under Wayland pos() is no place on the screen: the stored one stays.
    if (!placesWindowsHere())
        return;
    // The frame's corner once the window manager has framed the window; the
    // corner asked for until then.
    const QPoint corner = window->pos();
    ini.writeInteger(settings::WindowPosSection, keys.top, corner.y());
    ini.writeInteger(settings::WindowPosSection, keys.left, corner.x());
}

void stepAsideFrom(QWidget *window, const QList<QWidget *> &others)
{
    if (!placesWindowsHere())
        return;
    const QMargins margins = expectedFrameMargins(window);
    const QRect frame = frameAt(window, window->pos(), margins);
    window->move(cascadePlace(frame, margins.top(), shownPlaces(others, window), availableScreens()));
    QObject *check = window->findChild<QObject *>(FramedPlaceCheck::name(), Qt::FindDirectChildrenOnly);
    if (auto *framedCheck = dynamic_cast<FramedPlaceCheck *>(check))
        framedCheck->setOthers(others);
}

QRect openingScreenArea(const QWidget *mainWindow)
{
    while (mainWindow && mainWindow->parentWidget())
        mainWindow = mainWindow->parentWidget();
    // A window not shown yet has no frame: the corner it was moved to and
    // its size tell where it will stand.
    const QRect frame = mainWindow ? QRect(mainWindow->pos(), mainWindow->frameGeometry().size()) : QRect();
    return openingScreen(frame, QCursor::pos(), availableScreens());
}

} // namespace ui
