// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: the application object, then the start-up sequence,
// which creates the main window below once the single-instance guard lets it.
#include <QApplication>

#include "app/MainWindowFactory.h"
#include "app/QtTranslation.h"
#include "app/Startup.h"
#include "resistor/Main.h"

int main(int, char *argv[])
{
    // The program reads no command line: Qt gets the program's name only.
    static int fixedArgc = 1;
    static char *fixedArgv[] = {argv[0], nullptr};
    QApplication application(fixedArgc, fixedArgv);
    app::installQtTranslation();
    // Desktops match the windows to bandimor.desktop, and so to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("bandimor"));

    app::Startup startup(app::createMainWindow, app::StartupSettings::forProgram());
    return startup.run();
}
