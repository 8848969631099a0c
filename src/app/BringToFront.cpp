// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BringToFront.h"

#include <QWidget>

namespace app {

void bringToFront(QWidget *window)
{
    if (!window)
        return;
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace app
