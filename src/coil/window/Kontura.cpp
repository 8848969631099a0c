// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/window/Kontura.h"

#include "base/AppInfo.h"
#include "coil/window/InductanceTab.h"
#include "coil/LogFileNames.h"
#include "coil/window/LogRecoveryMirror.h"
#include "coil/window/PictureTabWidget.h"
#include "coil/window/ResultsLog.h"
#include "coil/window/StraightWireTab.h"
#include "coil/window/TurnsTab.h"
#include "pictures/Icons.h"
#include "settings/SettingsPath.h"
#include "ui/CommandGuard.h"
#include "ui/ControlText.h"
#include "ui/Dialogs.h"
#include "ui/HelpFile.h"
#include "ui/RadioGroup.h"
#include "ui/SpinEdit.h"
#include "ui/BaseFont.h"
#include "ui/WindowShortcuts.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QLocale>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QToolButton>
#include <functional>
#include <optional>

using coil::ResultsLog;
using pictures::IconId;

namespace {

// The number texts of the result blocks follow the user's locale.
base::NumberSeparators localeSeparators()
{
    const QLocale locale;
    return {locale.decimalPoint(), locale.groupSeparator()};
}

QToolButton *makeButton(QWidget *parent, const QString &name, const QString &caption,
                        const QString &hint, IconId picture, const QRect &bounds)
{
    auto *button = new QToolButton(parent);
    ui::describeControl(button, name, caption, hint);
    button->setText(caption);
    button->setIcon(pictures::icon(picture));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setGeometry(bounds);
    return button;
}

bool isPlainEnter(const QKeyEvent *event)
{
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
           && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

TfmContura::TfmContura(QWidget *owner, const QString &programDir)
    : QMainWindow(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                             | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                             | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_programDir(programDir.isEmpty() ? base::executableDir() : programDir)
    , m_settingsPath(settings::settingsFilePath())
{
    setObjectName(QStringLiteral("fmContura"));
    setWindowIcon(pictures::icon(IconId::Coil));
    move(304, 106);
    setFont(ui::windowBaseFont());

    buildControls();
    buildMenu();
    buildTabKeys();
    new ui::WindowShortcuts(this);
    // The border is fixed: the window keeps the size of its menu and controls.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    FormCreate();
    m_recovery = new coil::LogRecoveryMirror(RichEdit1);
    Button1->setFocus();
}

TfmContura *TfmContura::openNew(QWidget *mainWindow, std::function<void(QWidget *)> aboutBoxOpener)
{
    auto *window = new TfmContura(mainWindow);
    window->setAboutBoxOpener(std::move(aboutBoxOpener));
    window->ReadParams();
    window->show();
    return window;
}

void TfmContura::buildControls()
{
    auto *client = new QWidget(this);
    client->setFixedSize(491, 264);
    setCentralWidget(client);

    PageControl1 = new coil::PictureTabWidget(24, QSize(24, 24), client);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(8, 8, 241, 249);
    Tab1 = new coil::InductanceTab(m_programDir);
    Tab2 = new coil::TurnsTab(m_programDir);
    Tab3 = new coil::StraightWireTab(m_programDir);
    // The tabs show pictures only; assistive tools name them by what they compute.
    const struct
    {
        coil::CoilTab *tab;
        IconId picture;
        QString name;
    } tabs[] = {
        {Tab1, IconId::CoilTabInductance, QStringLiteral("Индуктивность катушки")},
        {Tab2, IconId::CoilTabTurns, QStringLiteral("Число витков и диаметр провода")},
        {Tab3, IconId::CoilTabWire, QStringLiteral("Индуктивность прямого провода")},
    };
    for (const auto &entry : tabs) {
        const int index = PageControl1->addPictureTab(entry.tab, pictures::icon(entry.picture));
        PageControl1->tabBar()->setAccessibleTabName(index, entry.name);
    }
    PageControl1->setCurrentIndex(0);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TfmContura::PageControl1Change);

    RichEdit1 = new coil::ResultsLog(client);
    RichEdit1->setGeometry(264, 8, 201, 209);
    ScrollBar1 = new QScrollBar(Qt::Vertical, client);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setGeometry(464, 8, 17, 209);
    linkScrollBar();

    connect(RichEdit1, &ResultsLog::captionChanged, this, &QWidget::setWindowTitle);

    Button1 = makeButton(client, QStringLiteral("Button1"), QStringLiteral("Рассчитать"),
                         QStringLiteral("Рассчитать недостающие параметры (Enter или F3)"),
                         IconId::Calculate, QRect(264, 224, 73, 33));
    spSkinButton1 = makeButton(client, QStringLiteral("spSkinButton1"), QStringLiteral("Очистить"),
                               QStringLiteral("Удалить все записи из окна ввода"),
                               IconId::Clear, QRect(352, 224, 57, 33));
    Button2 = makeButton(client, QStringLiteral("Button2"), QStringLiteral("Закрыть"),
                         QStringLiteral("Закрыть это окно"), IconId::Close,
                         QRect(416, 224, 65, 33));
    connect(Button1, &QToolButton::clicked, this, &TfmContura::Button1Click);
    connect(spSkinButton1, &QToolButton::clicked, this, &TfmContura::spSkinButton1Click);
    connect(Button2, &QToolButton::clicked, this, &TfmContura::N4Click);

    // The tab strip itself takes the focus for the tab control, which
    // would otherwise be a second stop of its own.
    PageControl1->setFocusPolicy(Qt::NoFocus);  // passes on to the strip...
    PageControl1->tabBar()->setFocusPolicy(Qt::TabFocus);  // ...which keeps its own
    QList<QWidget *> chain = {Button1, spSkinButton1, Button2, RichEdit1, PageControl1->tabBar()};
    for (const coil::CoilTab *tab : coilTabs())
        chain << tab->focusOrder();
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
}

void TfmContura::linkScrollBar()
{
    // The log's own bar stays hidden; ScrollBar1 stands in for it.
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBar1->setFocusPolicy(Qt::NoFocus);
    QScrollBar *inner = RichEdit1->verticalScrollBar();
    const auto follow = [this, inner] {
        ScrollBar1->setRange(inner->minimum(), inner->maximum());
        ScrollBar1->setPageStep(inner->pageStep());
        ScrollBar1->setSingleStep(inner->singleStep());
        ScrollBar1->setValue(inner->value());
        ScrollBar1->setEnabled(inner->maximum() > inner->minimum());
    };
    connect(inner, &QScrollBar::rangeChanged, this, follow);
    connect(inner, &QScrollBar::valueChanged, ScrollBar1, &QScrollBar::setValue);
    connect(ScrollBar1, &QScrollBar::valueChanged, inner, &QScrollBar::setValue);
    follow();
}

void TfmContura::buildMenu()
{
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    const auto entry = [this](QMenu *menu, const QString &name, const QString &text,
                              const QKeySequence &keys, std::optional<IconId> picture,
                              void (TfmContura::*handler)()) {
        QAction *action = menu->addAction(text);
        action->setObjectName(name);
        if (!keys.isEmpty())
            action->setShortcut(keys);
        if (picture)
            action->setIcon(pictures::icon(*picture));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    const std::optional<IconId> none;

    QMenu *file = MainMenu1->addMenu(QStringLiteral("&Файл"));
    file->setObjectName(QStringLiteral("fileMenu"));
    entry(file, QStringLiteral("N2"), QStringLiteral("&Открыть..."), QKeySequence(Qt::CTRL | Qt::Key_O),
          IconId::Open, &TfmContura::N2Click);
    entry(file, QStringLiteral("FileSave"), QStringLiteral("&Сохранить"),
          QKeySequence(Qt::CTRL | Qt::Key_S), none, &TfmContura::FileSaveClick);
    entry(file, QStringLiteral("FileSaveAs"), QStringLiteral("Сохранить &как..."), QKeySequence(),
          IconId::SaveAs, &TfmContura::FileSaveAsClick);
    entry(file, QStringLiteral("N9"), QStringLiteral("&Печать..."), QKeySequence(), IconId::Print,
          &TfmContura::N9Click);
    file->addSeparator();
    entry(file, QStringLiteral("calculateEntry"), QStringLiteral("&Рассчитать"),
          QKeySequence(Qt::Key_F3), IconId::Calculate, &TfmContura::Button1Click);
    file->addSeparator();
    entry(file, QStringLiteral("N4"), QStringLiteral("&Закрыть"), QKeySequence(Qt::Key_F11), none,
          &TfmContura::N4Click);
    entry(file, QStringLiteral("N3"), QStringLiteral("&Выход"), QKeySequence(), IconId::Exit,
          &TfmContura::N3Click);

    QMenu *edit = MainMenu1->addMenu(QStringLiteral("&Правка"));
    edit->setObjectName(QStringLiteral("editMenu"));
    entry(edit, QStringLiteral("N18"), QStringLiteral("&Отменить/Вернуть"),
          QKeySequence(Qt::ALT | Qt::Key_Backspace), IconId::Undo, &TfmContura::N18Click);
    entry(edit, QStringLiteral("N14"), QStringLiteral("&Вырезать"),
          QKeySequence(Qt::SHIFT | Qt::Key_Delete), IconId::Cut, &TfmContura::N14Click);
    entry(edit, QStringLiteral("N15"), QStringLiteral("&Копировать"),
          QKeySequence(Qt::CTRL | Qt::Key_Insert), IconId::Copy, &TfmContura::N15Click);
    entry(edit, QStringLiteral("N16"), QStringLiteral("В&ставить"),
          QKeySequence(Qt::SHIFT | Qt::Key_Insert), IconId::Paste, &TfmContura::N16Click);
    QAction *deleteEntry = entry(edit, QStringLiteral("N17"), QStringLiteral("&Удалить"),
                                 QKeySequence(Qt::Key_Delete), IconId::Delete, &TfmContura::N17Click);
    // Del belongs to the control the user is in: the log's Del is this
    // command, an input box's deletes in the box.
    deleteEntry->setShortcutContext(Qt::WidgetShortcut);
    RichEdit1->addAction(deleteEntry);
    edit->addSeparator();
    entry(edit, QStringLiteral("N11"), QStringLiteral("&Шрифт..."), QKeySequence(), IconId::Font,
          &TfmContura::N11Click);

    QMenu *help = MainMenu1->addMenu(QStringLiteral("&Справка"));
    help->setObjectName(QStringLiteral("helpMenu"));
    entry(help, QStringLiteral("N6"), QStringLiteral("Со&держание"), QKeySequence(Qt::Key_F1),
          IconId::Help, &TfmContura::N6Click);
    entry(help, QStringLiteral("aboutEntry"), QStringLiteral("О &программе..."), QKeySequence(),
          IconId::About, &TfmContura::AboutClick);
}

void TfmContura::buildTabKeys()
{
    // The tabs switch from anywhere in the window, not only from inside a
    // tab: the log and the buttons included.
    const struct
    {
        const char *name;
        QList<QKeySequence> keys;
        int step;
    } moves[] = {
        {"nextTabKeys",
         {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1},
        {"previousTabKeys",
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
          QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
         -1},
    };
    for (const auto &move : moves) {
        auto *action = new QAction(this);
        action->setObjectName(QLatin1String(move.name));
        action->setShortcuts(move.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        const int step = move.step;
        connect(action, &QAction::triggered, this, [this, step] {
            const int count = PageControl1->count();
            PageControl1->setCurrentIndex((PageControl1->currentIndex() + step + count) % count);
        });
    }
}

void TfmContura::FormCreate()
{
    RichEdit1->setDialogDirectory(settings::fileDialogStartFolder(m_programDir));
    RichEdit1->SetLogFileName(coil::untitledLogName());
    RichEdit1->clearLog();
    Tab1->RadioGroup1Click();
}

void TfmContura::PageControl1Change(int)
{
    if (coil::CoilTab *tab = currentTab())
        tab->tabShown();
}

QList<coil::CoilTab *> TfmContura::coilTabs() const
{
    return {Tab1, Tab2, Tab3};
}

coil::CoilTab *TfmContura::currentTab() const
{
    return static_cast<coil::CoilTab *>(PageControl1->currentWidget());
}

void TfmContura::Button1Click()
{
    // The block prints what the boxes show: an emptied box shows its value again.
    for (ui::SpinEdit *box : findChildren<ui::SpinEdit *>())
        box->showUsedValue();
    const coil::CoilTab *tab = currentTab();
    const coil::CalculationOutcome outcome = tab->calculate();
    reportFault(outcome.fault);
    appendBlock(tab->resultBlock(RichEdit1->lineCount(), outcome, localeSeparators()));
}

void TfmContura::reportFault(bool fault)
{
    if (fault)
        ui::showNotice(this, coil::arithmeticFaultMessage(), ui::Icon::Information);
}

void TfmContura::appendBlock(const QStringList &lines)
{
    // A line that does not fit stops the block; the lines before it stay.
    ui::runCommand(this, [this, &lines] {
        for (const QString &line : lines)
            RichEdit1->appendLine(line);
    });
    // The result is what the user looks for, wherever the log was scrolled.
    RichEdit1->showLastLine();
    // A result is worth keeping at once, not after the usual wait.
    m_recovery->writeNow();
}

void TfmContura::restoreLog(const coil::RecoveryRecord &record)
{
    coil::LogRecoveryMirror::restore(RichEdit1, record);
    m_recovery->writeNow();
}

void TfmContura::runLogCommand(void (ResultsLog::*command)())
{
    // Through std::invoke on a copied pointer: GCC's sanitizer builds warn
    // falsely about "this->*command" inside the command's std::function.
    ResultsLog *log = RichEdit1;
    ui::runCommand(this, [log, command] { std::invoke(command, log); });
}

void TfmContura::spSkinButton1Click() { runLogCommand(&ResultsLog::emptyLog); }
void TfmContura::N2Click() { runLogCommand(&ResultsLog::openFile); }
void TfmContura::FileSaveClick() { runLogCommand(&ResultsLog::saveFile); }
void TfmContura::FileSaveAsClick() { runLogCommand(&ResultsLog::saveFileAs); }
void TfmContura::N9Click() { runLogCommand(&ResultsLog::printLog); }
void TfmContura::N18Click() { runLogCommand(&ResultsLog::undoOrRedo); }
void TfmContura::N14Click() { runLogCommand(&ResultsLog::cutSelection); }
void TfmContura::N15Click() { runLogCommand(&ResultsLog::copySelection); }
void TfmContura::N16Click() { runLogCommand(&ResultsLog::pasteClipboard); }
void TfmContura::N17Click() { runLogCommand(&ResultsLog::deleteSelection); }
void TfmContura::N11Click() { runLogCommand(&ResultsLog::chooseFont); }

bool TfmContura::FormCloseQuery()
{
    // A cancelled question keeps the window, and so does a log that could not
    // be saved (reported, so that its text is not lost unnoticed).
    if (!ui::runCommand(this, [this] { RichEdit1->AskSaveChanges(); }))
        return false;
    // A settings file that cannot be written is reported, as the main window
    // does, but it does not keep the window open.
    ui::runCommand(this, [this] { WriteParams(); });
    // Answered for: no recovery file outlives the window.
    m_recovery->discard();
    return true;
}

bool TfmContura::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        static quint64 activations = 0;
        m_lastUsed = ++activations;
    }
    return QMainWindow::event(event);
}

void TfmContura::closeEvent(QCloseEvent *event)
{
    // The title bar's close box only hides the window; the main window
    // destroys it at the program's end.
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

void TfmContura::N4Click()
{
    if (!FormCloseQuery())
        return;
    hide();
    deleteLater();
}

void TfmContura::N3Click()
{
    if (QWidget *owner = parentWidget())
        owner->window()->close();
}

void TfmContura::N6Click()
{
    ui::openHelpFile(this, m_programDir);
}

void TfmContura::AboutClick()
{
    if (m_openAboutBox)
        m_openAboutBox(this);
}

void TfmContura::keyPressEvent(QKeyEvent *event)
{
    // Enter that no control used: on a focused button it is that button's
    // click, anywhere else (the tabs' inputs) the default button's. The log
    // keeps Enter for its new lines and never passes it on.
    if (!isPlainEnter(event)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    QWidget *focus = focusWidget();
    if (focus == spSkinButton1 || focus == Button2)
        static_cast<QToolButton *>(focus)->click();
    else
        Button1->click();
    event->accept();
}
