// SPDX-License-Identifier: GPL-3.0-or-later
// The program as start-up makes it (main window, coil windows, their ends),
// driven from within for the recovery tests. Arguments:
//   --locks DIR     its single-instance locks in a folder of the test's own
//   --recovery DIR  its recovery files in a folder of the test's own
//   --log FILE      "work" opens this file into the coil window first
//   --mode work     opens a coil window, calculates, reports "ready|..." and
//                   waits to be stopped; "work-typed" also types a note
//                   after the result (kept only through the wait or a signal)
//   --mode recover  answers the questions with their defaults, reports the
//                   coil windows that start-up opened and ends
// Lines on stdout:
//   "message|<caption>|<text>"                 a message box, default answer,
//                                              after "splash|<0/1>": the splash on screen
//   "ready|<text, base64>|<file name>"         "work" is done
//   "window|<text, base64>|<file name>|<0/1>"  a coil window and its modified flag
//   "done"                                     "recover" is done
#include "app/MainWindowFactory.h"
#include "app/Splash.h"
#include "app/Startup.h"
#include "coil/LogRecovery.h"
#include "coil/window/Kontura.h"
#include "coil/window/PictureTabWidget.h"
#include "coil/window/ResultsLog.h"
#include "coil/window/StraightWireTab.h"
#include "resistor/Main.h"
#include "support/ReportingDialogs.h"
#include "ui/SpinEdit.h"

#include <QApplication>
#include <QTimer>

namespace {

QString base64(const QString &text)
{
    return QString::fromLatin1(text.toUtf8().toBase64());
}

void work(TfmMain *mainWindow, const QString &logFile, bool typed)
{
    mainWindow->Button1_ConturaClick();
    auto *window = mainWindow->findChild<TfmContura *>();
    if (!logFile.isEmpty())
        window->RichEdit1->LoadLogFile(logFile);
    window->PageControl1->setCurrentIndex(2);
    window->Tab3->SkinEdit1->setValue(10);
    window->Tab3->SkinEdit2->setValue(1);
    window->Button1Click();
    if (typed)
        window->RichEdit1->insertPlainText(QStringLiteral("\nзаметка"));
    report(QStringLiteral("ready|%1|%2").arg(base64(window->RichEdit1->toPlainText()),
                                              window->RichEdit1->LogFileName()));
}

void reportWindows(TfmMain *mainWindow)
{
    for (TfmContura *window : mainWindow->findChildren<TfmContura *>()) {
        report(QStringLiteral("window|%1|%2|%3")
                   .arg(base64(window->RichEdit1->toPlainText()), window->RichEdit1->LogFileName())
                   .arg(window->RichEdit1->isModified() ? 1 : 0));
    }
    report(QStringLiteral("done"));
    // Without closing the windows, which would ask about the logs.
    QCoreApplication::exit(0);
}

// Tells, before each message, whether the splash is still on screen.
class SplashReportingDialogs : public ReportingDialogs
{
public:
    app::Startup *startup = nullptr;
    ui::Answer message(QWidget *parent, const ui::MessageRequest &request) override
    {
        const TfmSplash *splash = startup ? startup->splash() : nullptr;
        report(QStringLiteral("splash|%1").arg(splash && splash->isVisible() ? 1 : 0));
        return ReportingDialogs::message(parent, request);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    SplashReportingDialogs dialogs;
    app::StartupSettings settings = app::StartupSettings::forProgram();
    QString mode;
    QString logFile;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments.at(i) == QLatin1String("--locks"))
            settings.lockDirectory = arguments.at(i + 1);
        else if (arguments.at(i) == QLatin1String("--recovery"))
            coil::setRecoveryFolderForTesting(arguments.at(i + 1));
        else if (arguments.at(i) == QLatin1String("--mode"))
            mode = arguments.at(i + 1);
        else if (arguments.at(i) == QLatin1String("--log"))
            logFile = arguments.at(i + 1);
    }
    app::Startup startup([&](app::Startup &start) {
        TfmMain *mainWindow = app::createMainWindow(start);
        // Queued behind the offer of recovered logs, which start-up queues
        // when the window is shown.
        QObject::connect(mainWindow, &TfmMain::shown, mainWindow, [=] {
            QTimer::singleShot(0, mainWindow, [=] {
                QTimer::singleShot(0, mainWindow, [=] {
                    if (mode == QLatin1String("recover"))
                        reportWindows(mainWindow);
                    else
                        work(mainWindow, logFile, mode == QLatin1String("work-typed"));
                });
            });
        }, Qt::SingleShotConnection);
        return mainWindow;
    }, settings);
    dialogs.startup = &startup;
    return startup.run();
}
