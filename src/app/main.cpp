// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: the application object, then the start-up sequence,
// which creates the main window below once the single-instance guard lets it.
#include <QApplication>

#include "app/About.h"
#include "app/QtTranslation.h"
#include "app/Startup.h"
#include "coil/window/Kontura.h"
#include "resistor/Main.h"

namespace {

TfmMain *createMainWindow(app::Startup &startup)
{
    auto *fmMain = new TfmMain;
    QObject::connect(fmMain, &TfmMain::shown, &startup, &app::Startup::mainWindowShown);
    const auto showAboutBox = [](QWidget *owner) { TfmAbout::showModal(owner); };
    fmMain->setCoilWindowOpener([showAboutBox](TfmMain *owner) { TfmContura::openNew(owner, showAboutBox); });
    fmMain->setAboutBoxOpener(showAboutBox);
    return fmMain;
}

} // namespace

int main(int, char *argv[])
{
    // The program reads no command line: Qt gets the program's name only.
    static int fixedArgc = 1;
    static char *fixedArgv[] = {argv[0], nullptr};
    QApplication application(fixedArgc, fixedArgv);
    app::installQtTranslation();
    // Desktops match the windows to bandimor.desktop, and so to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("bandimor"));

    app::Startup startup(createMainWindow, app::StartupSettings::forProgram());
    return startup.run();
}
