// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ScreenPlacement.h"

#include <QRegion>
#include <QtGlobal>
#include <limits>

namespace ui {

namespace {

// The corner nearest to the frame's from which it lies on the screen, or
// with its top left corner on it when it is larger.
QPoint placeOn(const QRect &frame, const QRect &screen)
{
    const auto along = [](int start, int length, int screenStart, int screenLength) {
        if (length >= screenLength)
            return screenStart;
        return qBound(screenStart, start, screenStart + screenLength - length);
    };
    return {along(frame.x(), frame.width(), screen.x(), screen.width()),
            along(frame.y(), frame.height(), screen.y(), screen.height())};
}

qint64 squaredDistance(QPoint a, QPoint b)
{
    const qint64 dx = a.x() - b.x();
    const qint64 dy = a.y() - b.y();
    return dx * dx + dy * dy;
}

// Index of the screen whose nearest place is nearest; -1 without screens.
int nearestScreen(const QRect &frame, const QList<QRect> &screens)
{
    int best = -1;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (int i = 0; i < screens.size(); ++i) {
        if (screens.at(i).isEmpty())
            continue;
        const qint64 distance = squaredDistance(placeOn(frame, screens.at(i)), frame.topLeft());
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

} // namespace

bool platformPlacesWindows(const QString &platformName)
{
    return !platformName.startsWith(QLatin1String("wayland"));
}

QRect titleBarOf(const QRect &frame, int titleBarHeight)
{
    return {frame.topLeft(), QSize(frame.width(), qBound(1, titleBarHeight, qMax(1, frame.height())))};
}

bool titleBarOnScreens(const QRect &frame, int titleBarHeight, const QList<QRect> &screens)
{
    QRegion desktop;
    for (const QRect &screen : screens)
        desktop += screen;
    if (desktop.isEmpty())
        return true;
    return QRegion(titleBarOf(frame, titleBarHeight)).subtracted(desktop).isEmpty();
}

QPoint nearestPlaceOnScreen(const QRect &frame, const QList<QRect> &screens)
{
    const int index = nearestScreen(frame, screens);
    return index < 0 ? frame.topLeft() : placeOn(frame, screens.at(index));
}

QPoint reachablePlace(const QRect &frame, int titleBarHeight, const QList<QRect> &screens)
{
    if (titleBarOnScreens(frame, titleBarHeight, screens))
        return frame.topLeft();
    return nearestPlaceOnScreen(frame, screens);
}

QRect screenOf(const QRect &frame, const QList<QRect> &screens)
{
    QRect best;
    qint64 bestArea = 0;
    for (const QRect &screen : screens) {
        const QRect common = screen.intersected(frame);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > bestArea) {
            bestArea = area;
            best = screen;
        }
    }
    if (!best.isEmpty())
        return best;
    const int index = nearestScreen(frame, screens);
    return index < 0 ? QRect() : screens.at(index);
}

QRect openingScreen(const QRect &mainFrame, QPoint pointer, const QList<QRect> &screens)
{
    if (!mainFrame.isEmpty())
        return screenOf(mainFrame, screens);
    for (const QRect &screen : screens) {
        if (screen.contains(pointer))
            return screen;
    }
    return screens.isEmpty() ? QRect() : screens.constFirst();
}

QPoint movedToScreen(const QRect &frame, const QRect &fromScreen, const QRect &toScreen)
{
    if (toScreen.isEmpty())
        return frame.topLeft();
    return placeOn(frame.translated(toScreen.topLeft() - fromScreen.topLeft()), toScreen);
}

QPoint cascadePlace(const QRect &frame, int step, const QList<QPoint> &taken,
                    const QList<QRect> &screens)
{
    const QRect screen = screenOf(frame, screens);
    const QPoint offset(qMax(1, step), qMax(1, step));
    QPoint place = frame.topLeft();
    // Each step passes one window at most, so this many steps find a free place.
    for (int steps = 0; steps <= taken.size() && taken.contains(place); ++steps) {
        place += offset;
        if (!screen.isEmpty() && !screen.contains(QRect(place, frame.size())))
            place = placeOn(QRect(screen.topLeft(), frame.size()), screen);
    }
    return place;
}

} // namespace ui
