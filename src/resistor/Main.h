// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window, TfmMain: five colour-band lists over a resistor's leads,
// the decoded nominal and tolerance beside them with a line on standard
// values (the E series), the band-count group, and the nominal input that
// encodes a typed value back into bands. It also carries the menu, the
// program-wide tooltip switch Hint1, help, and the openers of the coil
// window and the about box (hooks set by start-up).
// The colour code itself lives in the resistor core; this window feeds it
// the list indices and shows its texts.

#include "resistor/NominalNotes.h"

#include <QMainWindow>
#include <functional>
#include <optional>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace settings {
class SettingsTable;
}

namespace ui {
class ComboBox;
class RadioGroup;
class SpinEdit;
class TooltipSwitch;
} // namespace ui

class TfmMain : public QMainWindow
{
    Q_OBJECT
public:
    // settingsPath: the settings file; empty means the one beside the executable.
    explicit TfmMain(const QString &settingsPath = QString(), QWidget *parent = nullptr);

    // Opens a coil window owned by this one (the coil button and its menu
    // entry). Nothing happens while it is unset.
    void setCoilWindowOpener(std::function<void(TfmMain *)> opener);
    // Shows the about box modally over this window. Nothing while unset.
    void setAboutBoxOpener(std::function<void(TfmMain *)> opener);
    // Asked before the window closes and the program ends (the coil windows'
    // unsaved logs); false keeps the program running, its settings unwritten.
    void setCloseQuery(std::function<bool(TfmMain *)> query) { m_closeQuery = std::move(query); }
    // Where the help file lies, ending with a separator: the executable's
    // folder unless a test says otherwise.
    void setProgramDir(const QString &dir) { m_programDir = dir; }

    // The event handlers and workers of the window.
    void FormCreate();
    void FormShow();
    void FormActivate();
    void FormClose();
    void ReadParams();
    void WriteParams();
    void raschet();
    void TipSoprotki();
    void sostBoxa();
    void spSkinComboBox1Change();
    void spSkinRadioGroup1Click();
    void spSkinSpinEdit1Change();
    void spSkinButton1Click();
    void spSkinButton2Click();
    void Button1_ConturaClick();
    void N2Click();
    void N3Click();
    void N9Click();

signals:
    // The window has been shown: start-up may now close its splash.
    void shown();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void buildMenu();
    void buildBandLists(QWidget *client);
    void buildResultFrame(QWidget *client);
    void buildNominalInput(QWidget *client);
    void arrangeTabOrder();
    // The window's entries in the settings file, for ReadParams and WriteParams.
    settings::SettingsTable settingsTable();
    QChar decimalSeparator() const;
    // Shows a result in its label; its accessible name follows, with the caption.
    static void showResult(QLabel *result, const QLabel *caption, const QString &text);
    // The line on standard values below the tolerance, with its full sentence
    // as tooltip and for screen readers.
    void showSeriesNote(const resistor::SeriesNote &note);

    QString m_settingsPath;
    QString m_programDir;
    std::function<void(TfmMain *)> m_openCoilWindow;
    std::function<void(TfmMain *)> m_openAboutBox;
    std::function<bool(TfmMain *)> m_closeQuery;
    // The nominal last encoded, while the lists still show its bands.
    std::optional<resistor::TypedNominal> m_typedNominal;

    ui::TooltipSwitch *Hint1 = nullptr;

    QFrame *Shape1 = nullptr;
    QFrame *Shape2 = nullptr;
    QGroupBox *spSkinGroupBox1 = nullptr;
    ui::ComboBox *spSkinComboBox1 = nullptr;
    ui::ComboBox *spSkinComboBox2 = nullptr;
    ui::ComboBox *spSkinComboBox3 = nullptr;
    ui::ComboBox *spSkinComboBox4 = nullptr;
    ui::ComboBox *spSkinComboBox5 = nullptr;
    QToolButton *Button1_Contura = nullptr;
    QGroupBox *spSkinGroupBox2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr; // standard values: the E series of the nominal
    ui::RadioGroup *spSkinRadioGroup1 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    ui::SpinEdit *spSkinSpinEdit1 = nullptr;
    ui::RadioGroup *spSkinRadioGroup2 = nullptr;
    QPushButton *spSkinButton1 = nullptr;
    QPushButton *spSkinButton2 = nullptr;

    QAction *N5 = nullptr;  // "&Рассчитать"
    QAction *N6 = nullptr;  // "Вы&ход"
    QAction *N8 = nullptr;  // "Окно рассчёта &катушек"
    QAction *N2 = nullptr;  // "Отображать &подсказки"
    QAction *N9 = nullptr;  // "Со&держание"
    QAction *N3 = nullptr;  // "О &программе . . ."
};
