// Start-up of the program: the application object, then the main window.
#include <QApplication>
#include <QMainWindow>

#include "app/AppInfo.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(app::applicationTitle());
    QMainWindow window;
    window.setWindowTitle(app::mainWindowCaption());
    window.show();
    QApplication::exec();
    return 0;
}
