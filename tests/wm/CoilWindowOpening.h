// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opens a coil window as the user does, with the main window's coil button.

#include "coil/window/Kontura.h"
#include "resistor/Main.h"

#include <QToolButton>

// The coil window the click opened; none when no new one appeared.
inline TfmContura *openCoilWindow(TfmMain *mainWindow)
{
    const QList<TfmContura *> before = mainWindow->findChildren<TfmContura *>();
    mainWindow->findChild<QToolButton *>(QStringLiteral("Button1_Contura"))->click();
    for (TfmContura *window : mainWindow->findChildren<TfmContura *>()) {
        if (!before.contains(window))
            return window;
    }
    return nullptr;
}
