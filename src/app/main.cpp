// The program's entry: the application object, then the start-up sequence,
// which creates the main window below once the single-instance guard lets it.
#include <QApplication>

#include "app/About.h"
#include "app/Startup.h"
#include "coil/Kontura.h"
#include "resistor/Main.h"

namespace {

TfmMain *createMainWindow(app::Startup &startup)
{
    auto *fmMain = new TfmMain;
    QObject::connect(fmMain, &TfmMain::shown, &startup, &app::Startup::mainWindowShown);
    fmMain->setCoilWindowOpener([](TfmMain *owner) { TfmContura::openNew(owner); });
    fmMain->setAboutBoxOpener([](TfmMain *owner) { TfmAbout::showModal(owner); });
    return fmMain;
}

} // namespace

int main(int, char *argv[])
{
    // The program reads no command line: Qt gets the program's name only.
    static int fixedArgc = 1;
    static char *fixedArgv[] = {argv[0], nullptr};
    QApplication application(fixedArgc, fixedArgv);

    app::Startup startup(createMainWindow, app::StartupSettings::forProgram());
    return startup.run();
}
