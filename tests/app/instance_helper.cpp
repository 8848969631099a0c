// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the program in the two-process tests: the real start-up
// sequence with a plain main window. "--locks DIR" puts its locks in a folder
// of the test's own, "--title T" gives it a title of its own (both to keep
// tests apart from a copy of the program that may run beside them). It
// reports on stdout, one line each:
//   "message|<caption>|<text>"  a message box it was asked to show (answered OK)
//   "shown"                     its main window was shown
//   "front"                     another copy asked it to come to the front
#include "app/Startup.h"
#include "support/ReportingDialogs.h"

#include <QApplication>
#include <QMainWindow>

namespace {

class ReportingWindow : public QMainWindow
{
    Q_OBJECT
signals:
    void shown();

protected:
    void showEvent(QShowEvent *event) override
    {
        QMainWindow::showEvent(event);
        report(QStringLiteral("shown"));
        emit shown();
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ReportingDialogs dialogs;
    app::StartupSettings settings = app::StartupSettings::forProgram();
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments.at(i) == QLatin1String("--locks"))
            settings.lockDirectory = arguments.at(i + 1);
        else if (arguments.at(i) == QLatin1String("--title"))
            settings.title = arguments.at(i + 1);
    }
    app::Startup startup([](app::Startup &start) {
        auto *window = new ReportingWindow;
        QObject::connect(window, &ReportingWindow::shown, &start, &app::Startup::mainWindowShown);
        return window;
    }, settings);
    QObject::connect(&startup, &app::Startup::broughtToFront, [] { report(QStringLiteral("front")); });
    return startup.run();
}

#include "instance_helper.moc"
