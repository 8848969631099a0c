// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowPosition.h"

#include "settings/IniFile.h"
#include "settings/SettingsTable.h"
#include "ui/ScreenPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>

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
        const QPoint place = reachablePlace(m_window->frameGeometry(), margins.top(), availableScreens());
        if (place != m_window->pos())
            m_window->move(place);
        m_window->removeEventFilter(this);
        deleteLater();
    }

    static constexpr int giveUpAfterMs = 5000;
    QWidget *m_window;
    bool m_done = false;
};

} // namespace

void readWindowPosition(QWidget *window, const settings::IniFile &ini, const PositionKeys &keys)
{
    // Without a native window yet, a top-level window takes move() as its
    // frame's corner: the window manager places the frame there.
    settleSize(window);
    const QPoint corner = window->pos();
    // Far beyond any desktop, yet far from overflowing in the geometry.
    const auto sane = [](int coordinate) { return qBound(-farthest, coordinate, farthest); };
    const int top = sane(ini.readInteger(settings::WindowPosSection, keys.top, corner.y()));
    const int left = sane(ini.readInteger(settings::WindowPosSection, keys.left, corner.x()));
    if (!placesWindowsHere()) {
        window->move(left, top);
        return;
    }
    const QMargins margins = expectedFrameMargins(window);
    const QRect frame = frameAt(window, QPoint(left, top), margins);
    window->move(reachablePlace(frame, margins.top(), availableScreens()));
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
    QList<QPoint> taken;
    for (const QWidget *other : others) {
        if (other != window && other->isVisible())
            taken.append(other->pos());
    }
    const QMargins margins = expectedFrameMargins(window);
    const QRect frame = frameAt(window, window->pos(), margins);
    window->move(cascadePlace(frame, margins.top(), taken, availableScreens()));
}

} // namespace ui
