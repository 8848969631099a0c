// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindowFactory.h"

#include "app/About.h"
#include "app/ProgramEnd.h"
#include "app/Startup.h"
#include "coil/window/CoilWindows.h"
#include "coil/window/Kontura.h"
#include "resistor/Main.h"

#include <QTimer>

namespace app {

TfmMain *createMainWindow(Startup &startup)
{
    auto *fmMain = new TfmMain;
    QObject::connect(fmMain, &TfmMain::shown, &startup, &Startup::mainWindowShown);
    const auto showAboutBox = [](QWidget *owner) { TfmAbout::showModal(owner); };
    const auto openCoilWindow = [showAboutBox](QWidget *owner) { return TfmContura::openNew(owner, showAboutBox); };
    fmMain->setCoilWindowOpener(openCoilWindow);
    fmMain->setAboutBoxOpener(showAboutBox);
    fmMain->setCloseQuery([](TfmMain *window) { return coil::coilWindowsLetProgramEnd(window); });
    new ProgramEnd(fmMain);
    // Asked over the main window once it is on screen, after its show
    // handlers have run.
    QObject::connect(fmMain, &TfmMain::shown, fmMain, [fmMain, openCoilWindow, &startup] {
        QTimer::singleShot(0, fmMain, [fmMain, openCoilWindow, &startup] {
            // The splash stays on top: it would hide the question.
            if (coil::hasRecoveredLogs())
                startup.closeSplash();
            coil::offerRecoveredLogs(fmMain, openCoilWindow);
        });
    }, Qt::SingleShotConnection);
    return fmMain;
}

} // namespace app
