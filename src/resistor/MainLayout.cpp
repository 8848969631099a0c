// SPDX-License-Identifier: GPL-3.0-or-later
// The controls and the menu of the main window, placed as designed: every
// control at a fixed place in a client area of 303 × 264 pixels.
#include "resistor/Main.h"

#include "pictures/Icons.h"
#include "resistor/BandSwatches.h"
#include "resistor/ColourCode.h"
#include "ui/BaseFont.h"
#include "ui/ComboBox.h"
#include "ui/ControlText.h"
#include "ui/GroupBoxStyle.h"
#include "ui/RadioGroup.h"
#include "ui/SpinEdit.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolButton>

namespace {

// The leads of the drawn resistor.
const QColor skyBlue(0xA6, 0xCA, 0xF0);

// The skinned controls draw their texts larger than the window's base font.
QFont skinFont()
{
    return ui::pixelFont(QStringLiteral("Arial"), 14);
}

// The band lists are one pixel smaller: "серебристый" fits a 97-pixel list
// beside its arrow only at 13 pixels.
QFont bandListFont()
{
    return ui::pixelFont(QStringLiteral("Arial"), 13);
}

// A push button with its icon centred above the caption: the buttons are
// tall and narrow, and a caption with the icon beside it would not fit.
class StackedButton : public QPushButton
{
public:
    StackedButton(const QString &text, QWidget *parent)
        : QPushButton(text, parent)
    {
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        painter.drawControl(QStyle::CE_PushButtonBevel, option);

        // Icon and caption centred as one block. Half the descent counts, so
        // that a caption looks centred with descenders and without.
        const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        const QFontMetrics metrics(font());
        const int gap = 1;
        const int block = iconSize().height() + gap + metrics.capHeight() + metrics.descent() / 2;
        const int iconTop = contents.top() + (contents.height() - block) / 2;
        const QRect iconPlace(contents.left() + (contents.width() - iconSize().width()) / 2, iconTop,
                              iconSize().width(), iconSize().height());
        const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
        icon().paint(&painter, iconPlace, Qt::AlignCenter, mode);

        const int baseline = iconTop + iconSize().height() + gap + metrics.capHeight();
        const QRect textPlace(contents.left(), baseline - metrics.ascent(), contents.width(),
                              metrics.height());
        painter.drawItemText(textPlace, Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic,
                             option.palette, isEnabled(), text(), QPalette::ButtonText);

        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
};

QFrame *leadShape(QWidget *parent, const QString &name, const QRect &place)
{
    auto *shape = new QFrame(parent);
    shape->setObjectName(name);
    shape->setFrameShape(QFrame::Box);
    shape->setAutoFillBackground(true);
    QPalette colours = shape->palette();
    colours.setColor(QPalette::Window, skyBlue);
    colours.setColor(QPalette::WindowText, Qt::black);
    shape->setPalette(colours);
    shape->setGeometry(place);
    return shape;
}

// A swatch of each colour beside its name, in the list and in the closed
// box; the name stays what screen readers read.
void showSwatches(QComboBox *combo)
{
    const QSize swatch(7, 11);
    combo->setIconSize(swatch);
    for (int i = 0; i < combo->count(); ++i)
        combo->setItemIcon(i, QPixmap::fromImage(resistor::bandSwatch(combo->itemText(i), swatch)));
}

// A tall, narrow button with its icon above the caption; Enter on it presses
// it rather than the default button.
QPushButton *stackedButton(QWidget *parent, const QString &name, const QString &caption,
                           const QString &hint, pictures::IconId picture, const QRect &place)
{
    auto *button = new StackedButton(caption, parent);
    ui::describeControl(button, name, caption, hint);
    button->setIcon(pictures::icon(picture));
    button->setIconSize(QSize(14, 14));
    button->setFont(skinFont());
    button->setGeometry(place);
    button->setAutoDefault(true);
    return button;
}

QAction *menuEntry(QMenu *menu, const QString &name, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

} // namespace

void TfmMain::buildControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(303, 264);
    setCentralWidget(client);

    // Created first, so that the band frame covers their inner ends.
    Shape1 = leadShape(client, QStringLiteral("Shape1"), QRect(56, 0, 17, 25));
    Shape2 = leadShape(client, QStringLiteral("Shape2"), QRect(56, 184, 17, 25));

    buildBandLists(client);

    Button1_Contura = new QToolButton(client);
    ui::describeControl(Button1_Contura, QStringLiteral("Button1_Contura"),
                        QStringLiteral("Окно рассчёта катушек"),
                        QStringLiteral("Открытие окна для работы с катушками"));
    Button1_Contura->setAutoRaise(true);
    // A flat tool button: the mouse and the menu entry reach it, the Tab key does not.
    Button1_Contura->setFocusPolicy(Qt::NoFocus);
    Button1_Contura->setIcon(pictures::icon(pictures::IconId::Coil));
    Button1_Contura->setIconSize(QSize(16, 16));
    Button1_Contura->setGeometry(246, 4, 41, 24);

    buildResultFrame(client);

    spSkinButton1 = stackedButton(client, QStringLiteral("spSkinButton1"), QStringLiteral("Рассчитать"),
                                  QStringLiteral("Рассчитать полосатость по введённым значениям (F2 или Enter)"),
                                  pictures::IconId::Calculate, QRect(80, 216, 81, 33));
    spSkinButton1->setDefault(true);
    spSkinButton2 = stackedButton(client, QStringLiteral("spSkinButton2"), QStringLiteral("Выход"),
                                  QStringLiteral("Нажми на меня, и ты узнаешь, что ты наделал !"),
                                  pictures::IconId::Exit, QRect(8, 216, 65, 33));

    spSkinRadioGroup1 = new ui::RadioGroup(client);
    ui::describeControl(spSkinRadioGroup1, QStringLiteral("spSkinRadioGroup1"),
                        QStringLiteral("Полосатость"),
                        QStringLiteral("Общее количество полос на резисторе"));
    spSkinRadioGroup1->setTitle(QStringLiteral("Полосатость"));
    spSkinRadioGroup1->setFont(skinFont());
    spSkinRadioGroup1->setItems({QStringLiteral("три"), QStringLiteral("чет."), QStringLiteral("пять")}, 3);
    spSkinRadioGroup1->setItemIndex(1);
    spSkinRadioGroup1->setGeometry(136, 128, 153, 57);

    buildNominalInput(client);
    arrangeTabOrder();

    // The window keeps its size: client area plus menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TfmMain::buildBandLists(QWidget *client)
{
    spSkinGroupBox1 = new QGroupBox(client);
    ui::describeControl(spSkinGroupBox1, QStringLiteral("spSkinGroupBox1"), QString());
    spSkinGroupBox1->setFont(skinFont());
    spSkinGroupBox1->setGeometry(8, 24, 113, 161);

    // Assistive tools name each list by its band and read its colour as its value.
    const struct
    {
        ui::ComboBox *TfmMain::*list;
        const char *name;
        resistor::BandList band;
        int top;
        QString bandName;
        QString hint;
    } lists[] = {
        {&TfmMain::spSkinComboBox1, "spSkinComboBox1", resistor::BandList::FirstDigit, 8,
         QStringLiteral("Первая полоса, 1-я цифра"),
         QStringLiteral("Начало начал - первая полоса на резисторе, 1-я цифра номинала")},
        {&TfmMain::spSkinComboBox2, "spSkinComboBox2", resistor::BandList::SecondDigit, 32,
         QStringLiteral("Вторая полоса, 2-я цифра"),
         QStringLiteral("Вторая полоса на резисторе, 2-я цифра номинала")},
        {&TfmMain::spSkinComboBox3, "spSkinComboBox3", resistor::BandList::ThirdDigit, 56,
         QStringLiteral("Третья полоса, 3-я цифра"), QStringLiteral("Третья полоса , 3-я цифра номинала")},
        {&TfmMain::spSkinComboBox4, "spSkinComboBox4", resistor::BandList::Multiplier, 80,
         QStringLiteral("Полоса множителя"), QStringLiteral("А вот эта полоса обозначает множитель")},
        {&TfmMain::spSkinComboBox5, "spSkinComboBox5", resistor::BandList::Tolerance, 120,
         QStringLiteral("Полоса допуска"), QStringLiteral("Ну вот и полоса допуска !")},
    };
    for (const auto &entry : lists) {
        auto *combo = new ui::ComboBox(spSkinGroupBox1);
        ui::describeControl(combo, QString::fromLatin1(entry.name), entry.bandName, entry.hint);
        // Style and font before the items: set after them, each lays the
        // whole list out again.
        combo->setCompact(true);
        combo->setFont(bandListFont());
        const resistor::BandTable table = resistor::bandTable(entry.band);
        combo->addItems(table.colours);
        showSwatches(combo);
        combo->setMaxVisibleItems(table.visibleRows);
        combo->setItemIndex(table.designIndex);
        combo->setGeometry(8, entry.top, 97, 17);
        this->*entry.list = combo;
    }
}

void TfmMain::buildResultFrame(QWidget *client)
{
    spSkinGroupBox2 = new QGroupBox(QStringLiteral("Результат"), client);
    ui::describeControl(spSkinGroupBox2, QStringLiteral("spSkinGroupBox2"),
                        QStringLiteral("Результат"), QStringLiteral("Без комментариев..."));
    spSkinGroupBox2->setAlignment(Qt::AlignHCenter);
    spSkinGroupBox2->setFont(skinFont());
    spSkinGroupBox2->setGeometry(136, 32, 153, 81);
    // The labels are plain ones and keep the window's base font.
    const QFont baseFont = font();
    const auto label = [&](const QString &name, const QString &text, int left, int top) {
        auto *result = new QLabel(text, spSkinGroupBox2);
        result->setObjectName(name);
        result->setFont(baseFont);
        result->move(left, top);
        result->adjustSize();
        return result;
    };
    // The two result rows stand a little closer than designed, to make room
    // below them for the line on standard values.
    Label3 = label(QStringLiteral("Label3"), QStringLiteral("Номинал:"), 8, 26);
    Label4 = label(QStringLiteral("Label4"), QStringLiteral("Допуск:"), 8, 44);
    Label1 = label(QStringLiteral("Label1"), QStringLiteral("..."), 64, 26);
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("..."), 56, 44);
    Label5 = label(QStringLiteral("Label5"), QString(), 8, 62);
    for (QLabel *text : {Label3, Label4})
        text->setAccessibleName(text->text());
    showResult(Label1, Label3, Label1->text());
    showResult(Label2, Label4, Label2->text());
    Label1->setFixedSize(81, 17);
    Label2->setFixedSize(89, 17);
    Label5->setFixedSize(141, 15);
}

void TfmMain::buildNominalInput(QWidget *client)
{
    GroupBox1 = new QGroupBox(QStringLiteral("Ввод номинала"), client);
    ui::describeControl(GroupBox1, QStringLiteral("GroupBox1"), QStringLiteral("Ввод номинала"));
    GroupBox1->setGeometry(168, 192, 121, 65);
    ui::putCaptionOnFrame(GroupBox1);

    spSkinSpinEdit1 = new ui::SpinEdit(GroupBox1);
    ui::describeControl(spSkinSpinEdit1, QStringLiteral("spSkinSpinEdit1"),
                        QStringLiteral("Ввод номинала"), QStringLiteral("Окошко для ввода номинала"));
    // A separator is a decimal point here too: 4,7 kiloohms, 0,5 ohms. The
    // box shows what it holds, without trailing zeros.
    spSkinSpinEdit1->setKind(ui::SpinKind::Decimal);
    spSkinSpinEdit1->setDecimals(resistor::nominalDecimals);
    spSkinSpinEdit1->setTrimsZeros(true);
    spSkinSpinEdit1->setRange(0, resistor::largestNominal);
    spSkinSpinEdit1->setIncrement(1);
    spSkinSpinEdit1->setMaxLength(8);
    // Eight digits fit beside the arrows only in the windows' base font.
    spSkinSpinEdit1->setGeometry(16, 16, 81, 17);

    spSkinRadioGroup2 = new ui::RadioGroup(GroupBox1);
    ui::describeControl(spSkinRadioGroup2, QStringLiteral("spSkinRadioGroup2"), QString(),
                        QStringLiteral("Тип множителя"));
    spSkinRadioGroup2->setBorderless(true);
    spSkinRadioGroup2->layout()->setContentsMargins(0, 0, 0, 0);
    spSkinRadioGroup2->setFont(skinFont());
    spSkinRadioGroup2->setItems({QStringLiteral("КОм"), QStringLiteral("Ом")}, 2);
    spSkinRadioGroup2->setItemIndex(1);
    spSkinRadioGroup2->setGeometry(8, 40, 105, 17);
}

void TfmMain::arrangeTabOrder()
{
    QList<QWidget *> order{spSkinComboBox1, spSkinComboBox2, spSkinComboBox3, spSkinComboBox4,
                           spSkinComboBox5, spSkinButton1, spSkinButton2};
    for (int i = 0; i < spSkinRadioGroup1->count(); ++i)
        order.append(spSkinRadioGroup1->button(i));
    order.append(spSkinSpinEdit1);
    for (int i = 0; i < spSkinRadioGroup2->count(); ++i)
        order.append(spSkinRadioGroup2->button(i));
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
}

void TfmMain::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu *file = bar->addMenu(QStringLiteral("&Файл"));
    file->setObjectName(QStringLiteral("N1"));
    N5 = menuEntry(file, QStringLiteral("N5"), QStringLiteral("&Рассчитать"));
    N5->setIcon(pictures::icon(pictures::IconId::Calculate));
    N5->setShortcut(QKeySequence(Qt::Key_F2));
    N6 = menuEntry(file, QStringLiteral("N6"), QStringLiteral("Вы&ход"));
    N6->setIcon(pictures::icon(pictures::IconId::Exit));
    N6->setShortcut(QKeySequence(Qt::Key_F12));

    QMenu *service = bar->addMenu(QStringLiteral("Се&рвис"));
    service->setObjectName(QStringLiteral("N7"));
    N8 = menuEntry(service, QStringLiteral("N8"), QStringLiteral("Окно рассчёта &катушек"));
    N8->setIcon(pictures::icon(pictures::IconId::Coil));
    N2 = menuEntry(service, QStringLiteral("N2"), QStringLiteral("Отображать &подсказки"));
    N2->setCheckable(true);
    N2->setChecked(true);

    QMenu *help = bar->addMenu(QStringLiteral("&Справка"));
    help->setObjectName(QStringLiteral("N4"));
    N9 = menuEntry(help, QStringLiteral("N9"), QStringLiteral("Со&держание"));
    N9->setIcon(pictures::icon(pictures::IconId::Help));
    N3 = menuEntry(help, QStringLiteral("N3"), QStringLiteral("О &программе . . ."));
    N3->setIcon(pictures::icon(pictures::IconId::About));
}
