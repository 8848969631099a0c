// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TfmContura, the coil window: three calculation tabs (InductanceTab,
// TurnsTab, StraightWireTab) beside the results log RichEdit1, which carries
// out the file, print and edit commands of the menu. "Рассчитать" runs the
// calculation of the selected tab and appends its block to this window's log.
//
// The main window opens one more coil window with TfmContura::openNew().


#include <QMainWindow>
#include <functional>

class QMenuBar;
class QScrollBar;
class QToolButton;

namespace settings {
class SettingsTable;
}

namespace coil {
class CoilTab;
class InductanceTab;
class LogRecoveryMirror;
struct RecoveryRecord;
class PictureTabWidget;
class ResultsLog;
class StraightWireTab;
class TurnsTab;
}

class TfmContura : public QMainWindow
{
    Q_OBJECT
public:
    // owner: the main window, which keeps the coil window until the program
    // ends. programDir: where the pictures and the help file lie, ending
    // with a separator (the executable's folder unless a test says otherwise).
    explicit TfmContura(QWidget *owner = nullptr, const QString &programDir = QString());

    // Creates a coil window owned by the main window, reads its settings and
    // shows it without waiting. Its "Выход" closes the main window.
    static TfmContura *openNew(QWidget *mainWindow, std::function<void(QWidget *)> aboutBoxOpener);

    // Shows the about box modally over this window. Nothing while unset.
    void setAboutBoxOpener(std::function<void(QWidget *)> opener) { m_openAboutBox = std::move(opener); }

    // The settings file (the program's own unless set otherwise).
    QString settingsFilePath() const { return m_settingsPath; }
    void setSettingsFilePath(const QString &path) { m_settingsPath = path; }
    void ReadParams();
    // Throws AppError when the file cannot be written.
    void WriteParams() const;

    // The close query: unsaved log changes, then the settings. False refuses
    // the close: a cancelled question, or a log save that failed (reported).
    // A settings file that cannot be written is reported and the close goes on.
    bool FormCloseQuery();

    // Closed by the user (its close box hides it, "Закрыть" hides it before
    // it goes): not asked again when the program ends.
    bool isClosedByUser() const { return isHidden(); }
    // Grows each time a coil window becomes the active window: the one with
    // the highest was used last.
    quint64 lastUsed() const { return m_lastUsed; }
    // Keeps the modified log in its recovery file.
    coil::LogRecoveryMirror *recoveryMirror() const { return m_recovery; }
    // Shows a log kept from an earlier run, unsaved.
    void restoreLog(const coil::RecoveryRecord &record);

    // Menu and button commands.
    void Button1Click();        // "Рассчитать", F3, Enter in a tab's inputs
    void spSkinButton1Click();  // "Очистить"
    void N2Click();             // "&Открыть..."
    void FileSaveClick();       // "&Сохранить"
    void FileSaveAsClick();     // "Сохранить &как..."
    void N9Click();             // "&Печать..."
    void N4Click();             // "&Закрыть", "Закрыть"
    void N3Click();             // "&Выход"
    void N18Click();            // "&Отменить/Вернуть"
    void N14Click();            // "&Вырезать"
    void N15Click();            // "&Копировать"
    void N16Click();            // "В&ставить"
    void N17Click();            // "&Удалить"
    void N11Click();            // "&Шрифт..."
    void N6Click();             // "Со&держание", F1
    void AboutClick();          // "О &программе..."

    coil::PictureTabWidget *PageControl1;
    coil::InductanceTab *Tab1;
    coil::TurnsTab *Tab2;
    coil::StraightWireTab *Tab3;
    coil::ResultsLog *RichEdit1;
    QScrollBar *ScrollBar1;
    QToolButton *Button1;
    QToolButton *spSkinButton1;
    QToolButton *Button2;
    QMenuBar *MainMenu1;

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void buildMenu();
    void buildTabKeys();
    void linkScrollBar();
    void FormCreate();
    void PageControl1Change(int index);
    QList<coil::CoilTab *> coilTabs() const;
    // The window's entries in the settings file, for ReadParams and WriteParams.
    settings::SettingsTable settingsTable() const;
    coil::CoilTab *currentTab() const;
    void appendBlock(const QStringList &lines);
    void reportFault(bool fault);
    void runLogCommand(void (coil::ResultsLog::*command)());

    QString m_programDir;
    QString m_settingsPath;
    std::function<void(QWidget *)> m_openAboutBox;
    coil::LogRecoveryMirror *m_recovery = nullptr;
    quint64 m_lastUsed = 0;
};
