// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's start-up, in its fixed order: the splash (created, shown and
// painted), the application title, the single-instance test, the main window,
// the message loop. The application object must exist already.
//
// A copy refused by the guard says so, asks the running copy to come to the
// front and ends without creating its main window.

#include "app/InstanceGuard.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QWidget;
class TfmSplash;

namespace app {

class ActivationServer;

struct StartupSettings
{
    QString title;          // the application title
    QString picturePath;    // the splash picture
    QString lockDirectory;  // where the guard's locks and socket live

    // The program's own: its title, "splash.bmp" beside the executable, the
    // user's lock folder.
    static StartupSettings forProgram();
};

class Startup : public QObject
{
    Q_OBJECT
public:
    // Creates the main window (its creation handler runs inside) and ties
    // its show handler to mainWindowShown().
    using MainWindowFactory = std::function<QWidget *(Startup &)>;

    Startup(MainWindowFactory createMainWindow, const StartupSettings &settings);
    ~Startup() override;

    // Runs the start-up and the message loop; the exit status, always 0.
    int run();

    TfmSplash *splash() const;
    // Takes the splash off the screen now, whatever its timer says.
    void closeSplash();
    QWidget *mainWindow() const;

public slots:
    // The splash side of the main window's show handler.
    void mainWindowShown();

signals:
    // A refused copy asked this one to come to the front, and it did.
    void broughtToFront();

private:
    void refuseThisCopy();
    void listenForActivation();

    MainWindowFactory m_createMainWindow;
    StartupSettings m_settings;
    InstanceGuard m_guard;
    QPointer<TfmSplash> m_splash;
    QPointer<QWidget> m_mainWindow;
    ActivationServer *m_activationServer = nullptr;
};

} // namespace app
