// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"

#include "app/InstanceGuard.h"
#include "base/AppInfo.h"
#include "app/BringToFront.h"
#include "app/Splash.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QWidget>

namespace app {

StartupSettings StartupSettings::forProgram()
{
    return {base::applicationTitle(), base::programFile(base::executableDir(), QStringLiteral("splash.bmp")),
            defaultLockDirectory()};
}

Startup::Startup(MainWindowFactory createMainWindow, const StartupSettings &settings)
    : m_createMainWindow(std::move(createMainWindow)),
      m_settings(settings),
      m_guard(settings.title, settings.lockDirectory)
{
}

Startup::~Startup()
{
    delete m_mainWindow.data();
    delete m_splash.data();
}

int Startup::run()
{
    m_splash = new TfmSplash(m_settings.picturePath);
    m_splash->showAndPaint();

    // The title becomes the program's name (applicationDisplayName() reports
    // it too). It is not set as the display name itself: Qt would then append
    // it to every window caption ("Bandimor v 1.7 — Bandimor v1.7").
    QCoreApplication::setApplicationName(m_settings.title);

    // Asked before the main window's creation handler reads the settings.
    if (m_guard.anotherCopyRuns()) {
        refuseThisCopy();
        return 0;
    }

    m_mainWindow = m_createMainWindow(*this);
    // A message box in the window's creation handler lets the user click the
    // splash away meanwhile.
    if (m_splash)
        m_splash->setMainWindow(m_mainWindow);
    listenForActivation();

    m_mainWindow->show();
    QApplication::exec();
    return 0;
}

TfmSplash *Startup::splash() const
{
    return m_splash;
}

void Startup::closeSplash()
{
    if (m_splash)
        m_splash->closeSplash();
}

QWidget *Startup::mainWindow() const
{
    return m_mainWindow;
}

void Startup::mainWindowShown()
{
    if (m_splash)
        m_splash->mainWindowShown();
}

void Startup::refuseThisCopy()
{
    // Owned by the splash, which stays on screen meanwhile, and centred over
    // it; on top itself, since the splash stays on top of every other window
    // and would hide the message and its button.
    ui::MessageRequest warning{QStringLiteral("Одна копия приложения уже запущена !"),
                               m_settings.title, ui::Icon::Warning, ui::Buttons::Ok,
                               ui::Answer::Ok};
    warning.onTop = true;
    ui::dialogs().message(m_splash, warning);
    requestActivation(activationServerName(m_settings.title, m_settings.lockDirectory));
}

void Startup::listenForActivation()
{
    m_activationServer = new ActivationServer(this);
    connect(m_activationServer, &ActivationServer::activationRequested, this, [this] {
        bringToFront(m_mainWindow);
        emit broughtToFront();
    });
    // Without the channel this copy still runs; it just cannot be fetched.
    m_activationServer->listen(activationServerName(m_settings.title, m_settings.lockDirectory));
}

} // namespace app
