// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/window/InductanceTab.h"

#include "coil/CoilBlocks.h"
#include "ui/ControlText.h"
#include "ui/RadioGroup.h"
#include "ui/SpinEdit.h"

#include <QLabel>
#include <QRadioButton>

namespace coil {
namespace {

const QString DiameterHint = QStringLiteral("Диаметр каркаса катушки - D на рисунке");

// What changes with the winding type: the captions of Edit1, Edit2 and
// Edit4, the unit of Edit4, and the picture.
struct WindingTexts
{
    QString widthCaption;
    QString widthHint;
    QString diameterCaption;
    QString fourthCaption;
    QString fourthHint;
    QString fourthUnit;
    QString pictureFile;
    QString pictureName;
};

const WindingTexts SingleLayerTexts{
    QStringLiteral("Длина намотки :"),
    QStringLiteral("На расчёт сильно НЕ влияет, задаётся ориентировочно !!!"),
    QStringLiteral("Диаметр намотки:"),
    QStringLiteral("Диаметр провода:"),
    QStringLiteral("Диаметр провода для намотки - d на рисунке"),
    QStringLiteral("мм"),
    QStringLiteral("odinSloy.bmp"),
    QStringLiteral("Рисунок однослойной катушки"),
};

const WindingTexts MultiLayerTexts{
    QStringLiteral("Ширина намотки:"),
    QStringLiteral("Эдесь указывается ширина намотки катушки - B на рисунке"),
    QStringLiteral("Диаметр каркаса:"),
    QStringLiteral("Толщина намотки:"),
    QStringLiteral("Толщина намотки провода - C на рисунке"),
    QStringLiteral("см"),
    QStringLiteral("dvaSloya.bmp"),
    QStringLiteral("Рисунок многослойной катушки"),
};

} // namespace

InductanceTab::InductanceTab(const QString &programDir, QWidget *parent)
    : CoilTab(QStringLiteral("Tab1"), programDir,
              [this](int logLineCount, const QList<InputLine> &inputs, const CalculationOutcome &outcome,
                     const base::NumberSeparators &separators) {
                  return writememo(logLineCount, m_winding, inputs, outcome, separators);
              },
              parent)
{
    Image1 = makePicture(this, QStringLiteral("Image1"), QRect(8, 8, 120, 65),
                         QStringLiteral("Наглядное отображение вида катушки"));

    RadioGroup1 = new ui::RadioGroup(this);
    const QString groupCaption = QStringLiteral("Тип намотки");
    ui::describeControl(RadioGroup1, QStringLiteral("RadioGroup1"), groupCaption,
                        QStringLiteral("Тип намотки, Вы видите его слева на рисунке"));
    RadioGroup1->setTitle(groupCaption);
    RadioGroup1->setItems({QStringLiteral("однослойная"), QStringLiteral("многослойная")}, 1);
    RadioGroup1->setItemIndex(0);
    RadioGroup1->setGeometry(128, 8, 103, 65);

    // The captions follow the winding type (RadioGroup1Click).
    const InputFrame frame(this, QStringLiteral("inductanceInputs"), QRect(6, 80, 225, 137));
    Label1 = frame.caption(QStringLiteral("Label1"), QString(), 32);
    Label2 = frame.caption(QStringLiteral("Label2"), QString(), 60);
    Label3 = frame.caption(QStringLiteral("Label3"), QString(), 84);
    Label4 = frame.caption(QStringLiteral("Label4"), QString(), 108);
    Edit1 = frame.spin(QStringLiteral("Edit1"), {1, 100.0L, 0.1L, 6}, 32);
    Edit2 = frame.spin(QStringLiteral("Edit2"), {1, 100.0L, 0.1L, 5}, 56);
    Edit3 = frame.spin(QStringLiteral("Edit3"), {1, 100000.0L, 1.0L, 8}, 80);
    Edit4 = frame.spin(QStringLiteral("Edit4"), {2, 100.0L, 0.1L, 6}, 104);
    Label11 = frame.unit(QStringLiteral("Label11"), QStringLiteral("см"), 32);
    Label21 = frame.unit(QStringLiteral("Label21"), QStringLiteral("см"), 60);
    Label31 = frame.unit(QStringLiteral("Label31"), QStringLiteral("шт."), 84);
    Label41 = frame.unit(QStringLiteral("Label41"), QString(), 108);

    // The turns caption is the same for both winding types.
    setCaption(Label3, QStringLiteral("Кол-во витков:"),
               QStringLiteral("Число витков катушки - n  на одном рисунке "));

    connect(RadioGroup1, &ui::RadioGroup::itemClicked, this, &InductanceTab::RadioGroup1Click);
}

void InductanceTab::setCaption(QLabel *label, const QString &text,
                               const QString &hint)
{
    ui::describeControl(label, label->objectName(), text, hint);
    label->setText(text);
    label->adjustSize();
}

void InductanceTab::RadioGroup1Click()
{
    const bool multiLayer = RadioGroup1->itemIndex() == 1;
    const WindingTexts &texts = multiLayer ? MultiLayerTexts : SingleLayerTexts;
    setCaption(Label1, texts.widthCaption, texts.widthHint);
    setCaption(Label2, texts.diameterCaption, DiameterHint);
    setCaption(Label4, texts.fourthCaption, texts.fourthHint);
    Label41->setText(texts.fourthUnit);
    Label41->setAccessibleName(Label41->text());
    Label41->adjustSize();
    // After the unit: the descriptions name it.
    pairCaptions(inputRows());
    Image1->setAccessibleName(texts.pictureName);

    m_winding = multiLayer ? WindingType::MultiLayer : WindingType::SingleLayer;

    showPicture(Image1, texts.pictureFile);
}

CalculationOutcome InductanceTab::calculate() const
{
    if (m_winding == WindingType::MultiLayer)
        return rasscontur2(Edit1->value(), Edit2->value(), Edit3->value(), Edit4->value());
    return rasscontur1(Edit1->value(), Edit2->value(), Edit3->value(), Edit4->value());
}

QList<InputRow> InductanceTab::inputRows() const
{
    return {{Label1, Edit1, Label11}, {Label2, Edit2, Label21},
            {Label3, Edit3, Label31}, {Label4, Edit4, Label41}};
}

QList<QWidget *> InductanceTab::focusOrder() const
{
    return {RadioGroup1->button(0), RadioGroup1->button(1), Edit1, Edit2, Edit3, Edit4};
}

} // namespace coil
