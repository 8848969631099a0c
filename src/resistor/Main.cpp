// SPDX-License-Identifier: GPL-3.0-or-later
#include "resistor/Main.h"

#include "base/AppInfo.h"
#include "base/NumberFormat.h"
#include "pictures/Icons.h"
#include "resistor/ColourCode.h"
#include "settings/IniFile.h"
#include "settings/SettingsTable.h"
#include "ui/ComboBox.h"
#include "ui/CommandGuard.h"
#include "ui/Dialogs.h"
#include "ui/HelpFile.h"
#include "ui/RadioGroup.h"
#include "ui/SpinEdit.h"
#include "ui/TooltipSwitch.h"
#include "ui/BaseFont.h"
#include "ui/WindowPosition.h"
#include "ui/WindowShortcuts.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>
#include <optional>

namespace {

const ui::PositionKeys positionKeys{QStringLiteral("MaTop"), QStringLiteral("MaLeft")};

} // namespace

TfmMain::TfmMain(const QString &settingsPath, QWidget *parent)
    : QMainWindow(parent)
    , m_settingsPath(settingsPath.isEmpty() ? settings::settingsFilePath() : settingsPath)
    , m_programDir(base::executableDir())
{
    setObjectName(QStringLiteral("fmMain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setWindowIcon(pictures::icon(pictures::IconId::Application));
    setFont(ui::windowBaseFont());
    move(193, 109);

    Hint1 = new ui::TooltipSwitch(this);
    Hint1->setObjectName(QStringLiteral("Hint1"));

    buildControls();
    buildMenu();
    new ui::WindowShortcuts(this);

    // The design-time items are in place; from here on changes are handled.
    for (ui::ComboBox *list : {spSkinComboBox1, spSkinComboBox2, spSkinComboBox3,
                               spSkinComboBox4, spSkinComboBox5})
        connect(list, &ui::ComboBox::changed, this, &TfmMain::spSkinComboBox1Change);
    connect(spSkinRadioGroup1, &ui::RadioGroup::itemClicked, this, &TfmMain::spSkinRadioGroup1Click);
    connect(spSkinSpinEdit1, &ui::SpinEdit::valueChanged, this, &TfmMain::spSkinSpinEdit1Change);
    connect(spSkinButton1, &QPushButton::clicked, this, &TfmMain::spSkinButton1Click);
    connect(spSkinButton2, &QPushButton::clicked, this, &TfmMain::spSkinButton2Click);
    connect(Button1_Contura, &QToolButton::clicked, this, &TfmMain::Button1_ConturaClick);
    connect(N5, &QAction::triggered, this, &TfmMain::spSkinButton1Click);
    connect(N6, &QAction::triggered, this, &TfmMain::spSkinButton2Click);
    connect(N8, &QAction::triggered, this, &TfmMain::Button1_ConturaClick);
    connect(N2, &QAction::triggered, this, &TfmMain::N2Click);
    connect(N9, &QAction::triggered, this, &TfmMain::N9Click);
    // F1 opens the help as it does in the coil window, though the entry
    // "Содержание" shows no key in this window's menu.
    auto *helpKey = new QAction(this);
    helpKey->setObjectName(QStringLiteral("helpKey"));
    helpKey->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(helpKey);
    connect(helpKey, &QAction::triggered, this, &TfmMain::N9Click);
    connect(N3, &QAction::triggered, this, &TfmMain::N3Click);

    FormCreate();
}

void TfmMain::setCoilWindowOpener(std::function<void(TfmMain *)> opener)
{
    m_openCoilWindow = std::move(opener);
}

void TfmMain::setAboutBoxOpener(std::function<void(TfmMain *)> opener)
{
    m_openAboutBox = std::move(opener);
}

void TfmMain::FormCreate()
{
    ReadParams();
    sostBoxa();
    setWindowTitle(base::mainWindowCaption());
}

void TfmMain::FormShow()
{
    emit shown();
}

void TfmMain::FormActivate()
{
    Hint1->setOn(N2->isChecked());
    raschet();
}

void TfmMain::FormClose()
{
    // A settings file that cannot be written is reported, but it does not
    // keep the user from ending the program.
    ui::runCommand(this, [this] { WriteParams(); });
}

settings::SettingsTable TfmMain::settingsTable()
{
    using settings::SettingsSection;
    settings::SettingsTable table;
    table.boolean(SettingsSection, QStringLiteral("Hints"),
                  {[this] { return N2->isChecked(); }, [this](bool on) { N2->setChecked(on); }});
    table.integer(SettingsSection, QStringLiteral("TipSoprotki"),
                  {[this] { return spSkinRadioGroup1->itemIndex(); },
                   [this](int index) { spSkinRadioGroup1->setItemIndex(index); }});
    table.integer(SettingsSection, QStringLiteral("TipNomin"),
                  {[this] { return spSkinRadioGroup2->itemIndex(); },
                   [this](int index) { spSkinRadioGroup2->setItemIndex(index); }});
    return table;
}

void TfmMain::ReadParams()
{
    const settings::IniFile ini(m_settingsPath);
    // Each entry defaults to the control's present state.
    ui::readWindowPosition(this, ini, positionKeys);
    settingsTable().read(ini);
    Hint1->setOn(N2->isChecked());
    TipSoprotki();
}

void TfmMain::WriteParams()
{
    settings::IniFile ini(m_settingsPath);
    ui::writeWindowPosition(this, ini, positionKeys);
    settingsTable().write(ini);
    ini.save();
}

void TfmMain::raschet()
{
    const resistor::BandIndices bands{spSkinComboBox1->itemIndex(), spSkinComboBox2->itemIndex(),
                                      spSkinComboBox3->itemIndex(), spSkinComboBox4->itemIndex(),
                                      spSkinComboBox5->itemIndex()};
    // isHidden, not isVisible: the window may not be on screen yet.
    const resistor::DecodedBands decoded = resistor::decodeBands(
        bands, !spSkinComboBox3->isHidden(), !spSkinComboBox5->isHidden(), decimalSeparator());
    showResult(Label1, Label3, decoded.nominal);
    showResult(Label2, Label4, decoded.tolerance);

    const int bandCount = spSkinRadioGroup1->itemIndex();
    if (m_typedNominal && !resistor::showsTypedNominal(*m_typedNominal, bands, bandCount))
        m_typedNominal.reset();
    const bool toleranceShown = !spSkinComboBox5->isHidden();
    const base::NumberSeparators separators{QString(decimalSeparator()), QString()};
    showSeriesNote(m_typedNominal
                       ? resistor::typedNominalNote(*m_typedNominal, bands, toleranceShown, separators)
                       : resistor::bandsNote(bands, !spSkinComboBox3->isHidden(), toleranceShown,
                                             separators));
}

void TfmMain::showSeriesNote(const resistor::SeriesNote &note)
{
    // A line too long for the frame ends in an ellipsis; the tooltip and
    // screen readers have the whole sentence.
    Label5->setText(Label5->fontMetrics().elidedText(note.line, Qt::ElideRight, Label5->width()));
    Label5->setToolTip(note.detail);
    Label5->setAccessibleName(note.detail.isEmpty() ? note.line : note.detail);
}

void TfmMain::showResult(QLabel *result, const QLabel *caption, const QString &text)
{
    result->setText(text);
    // Read aloud with what it is, without the blanks that align it on screen:
    // "Номинал: 12 КОм", "Допуск: ± 5%".
    result->setAccessibleName(caption->text() + QLatin1Char(' ') + text.simplified());
}

void TfmMain::TipSoprotki()
{
    if (const auto layout = resistor::bandCountLayout(spSkinRadioGroup1->itemIndex())) {
        spSkinComboBox3->setVisible(layout->thirdDigitShown);
        spSkinComboBox3->setItemIndex(layout->thirdDigitIndex);
        spSkinComboBox5->setVisible(layout->toleranceShown);
        spSkinComboBox5->setItemIndex(layout->toleranceIndex);
    }
    raschet();
}

void TfmMain::sostBoxa()
{
    spSkinButton1->setEnabled(spSkinSpinEdit1->value() != 0);
}

void TfmMain::spSkinComboBox1Change()
{
    raschet();
}

void TfmMain::spSkinRadioGroup1Click()
{
    TipSoprotki();
}

void TfmMain::spSkinSpinEdit1Change()
{
    sostBoxa();
}

void TfmMain::spSkinButton1Click()
{
    // What the box shows is what is encoded.
    spSkinSpinEdit1->showUsedValue();
    const long double nominal = spSkinSpinEdit1->value();
    if (nominal <= 0) {
        // F2 stays enabled while the button is not; 0 has no first band.
        ui::dialogs().beep();
        return;
    }
    const int bandCount = spSkinRadioGroup1->itemIndex();
    const std::optional<resistor::EncodedBands> bands =
        resistor::encodeNominal(nominal, spSkinRadioGroup2->itemIndex(), bandCount);
    if (!bands) {
        // Never cut to another number: the user learns what the bands carry.
        const base::NumberSeparators separators{QString(decimalSeparator()), QString()};
        ui::showNotice(this,
                       QStringLiteral("Номинал меньше %1 Ом цветовой код при этом числе полос "
                                      "не передаёт.")
                           .arg(base::formatGeneral(resistor::smallestNominalOhms(bandCount), separators)),
                       ui::Icon::Information);
        return;
    }
    spSkinComboBox1->setItemIndex(bands->firstDigit);
    spSkinComboBox2->setItemIndex(bands->secondDigit);
    spSkinComboBox4->setItemIndex(bands->multiplier);
    if (bands->setsThirdDigit)
        spSkinComboBox3->setItemIndex(bands->thirdDigit);
    // Said of the typed nominal until the lists show other bands; the lists
    // that changed have decoded already, this decoding covers the ones that did not.
    m_typedNominal = resistor::TypedNominal{nominal, spSkinRadioGroup2->itemIndex(), bandCount};
    raschet();
}

void TfmMain::spSkinButton2Click()
{
    close();
}

void TfmMain::Button1_ConturaClick()
{
    if (m_openCoilWindow)
        m_openCoilWindow(this);
}

void TfmMain::N2Click()
{
    Hint1->setOn(N2->isChecked());
    ui::runCommand(this, [this] { WriteParams(); });
}

void TfmMain::N3Click()
{
    if (m_openAboutBox)
        m_openAboutBox(this);
}

void TfmMain::N9Click()
{
    // No shell reports a missing file or viewer here: the window does, as
    // the coil window's help does.
    ui::openHelpFile(this, m_programDir);
}

bool TfmMain::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QMainWindow::event(event);
}

void TfmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    FormShow();
}

void TfmMain::closeEvent(QCloseEvent *event)
{
    if (m_closeQuery && !m_closeQuery(this)) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
    // Coil windows go with the main window once their logs were asked about;
    // hidden here so that the program ends now, destroyed with this window.
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            child->hide();
    }
}

void TfmMain::keyPressEvent(QKeyEvent *event)
{
    // "Рассчитать" is the default button: Enter that no control took presses
    // it while it is enabled; the keypad's Enter is the same key.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier && spSkinButton1->isEnabled()) {
        spSkinButton1->click();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

QChar TfmMain::decimalSeparator() const
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.at(0);
}
