// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The splash window: a frameless, always-on-top 261 x 141 panel with the
// picture "splash.bmp", shown while the program starts.
//
// Its life: running (timer on) -> the timer fires: gone if the main window is
// already visible, else waiting -> the main window is shown: closed. A click
// on the picture removes it at once from either state.

#include <QPointer>
#include <QWidget>

class QLabel;
class QTimer;

class TfmSplash : public QWidget
{
    Q_OBJECT
public:
    static constexpr int timeoutMs = 2000;

    // Loads the picture at picturePath (normally beside the executable) and
    // starts the timer.
    explicit TfmSplash(const QString &picturePath, QWidget *parent = nullptr);

    // The window whose visibility decides what the timer does; the splash
    // moves to the centre of its screen.
    void setMainWindow(QWidget *mainWindow);

    // Shows the splash at the centre of the screen under the mouse pointer
    // and paints it at once, before the program's message loop runs.
    void showAndPaint();

    bool isTimerRunning() const;
    // Hides the splash and releases it; nothing refers to it afterwards.
    void closeSplash();

    // The splash side of the main window's show handler: closes the splash
    // when its timer has already fired, else leaves it to the timer.
    void mainWindowShown();

public slots:
    void Timer1Timer();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate(const QString &picturePath);
    // The main window's screen, or the pointer's before there is one.
    void centreOnOpeningScreen();
    void Image1Click();

    QLabel *Image1;
    QTimer *Timer1;
    QPointer<QWidget> m_mainWindow;
};
