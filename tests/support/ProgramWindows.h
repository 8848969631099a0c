// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's windows as start-up wires them, for tests of how the program
// ends: a main window whose close asks about every unsaved log, and coil
// windows with a result in their log. Settings and pictures in dir.

#include "coil/window/CoilWindows.h"
#include "coil/window/Kontura.h"
#include "coil/window/PictureTabWidget.h"
#include "coil/window/StraightWireTab.h"
#include "resistor/Main.h"
#include "ui/SpinEdit.h"

#include <QTemporaryDir>

inline TfmMain *askingMainWindow(const QTemporaryDir &dir)
{
    auto *mainWindow = new TfmMain(dir.filePath(QStringLiteral("bandimor.ini")));
    mainWindow->setCloseQuery([](TfmMain *window) { return coil::coilWindowsLetProgramEnd(window); });
    return mainWindow;
}

// A shown coil window of mainWindow; number picks its wire length, so that
// each window's result differs.
inline TfmContura *coilWindowOf(TfmMain *mainWindow, const QTemporaryDir &dir, int number, bool withResult)
{
    auto *window = new TfmContura(mainWindow, dir.path() + QLatin1Char('/'));
    window->setSettingsFilePath(dir.filePath(QStringLiteral("coil.ini")));
    window->show();
    if (withResult) {
        window->PageControl1->setCurrentIndex(2);
        window->Tab3->SkinEdit1->setValue(10 + number);
        window->Tab3->SkinEdit2->setValue(1);
        window->Button1Click();
    }
    return window;
}
