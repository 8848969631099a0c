// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/window/TurnsTab.h"

#include "coil/CoilBlocks.h"
#include "coil/window/CoilTabControls.h"
#include "ui/SpinEdit.h"

#include <QLabel>

namespace coil {

TurnsTab::TurnsTab(const QString &programDir, QWidget *parent)
    : CoilTab(QStringLiteral("Tab2"), programDir, writememoTab2, parent)
{
    chisloVitkov = makePicture(this, QStringLiteral("chisloVitkov"), QRect(8, 8, 120, 65),
                               QStringLiteral("Рисунок катушки"),
                               QStringLiteral("Катушка, для которой находятся число витков и диаметр провода"));
    Label5 = makeDescription(this, QStringLiteral("Label5"),
                             QStringLiteral("Нахождение числа витков и диаметра провода с изоляцией."),
                             QRect(136, 8, 82, 70), 80 - 8);

    const InputFrame frame(this, QStringLiteral("turnsInputs"), QRect(6, 80, 225, 137));
    StdLabel1 = frame.caption(QStringLiteral("StdLabel1"), QStringLiteral("Длина намотки:"), 32);
    StdLabel2 = frame.caption(QStringLiteral("StdLabel2"), QStringLiteral("Диаметр каркаса:"), 60);
    StdLabel4 = frame.caption(QStringLiteral("StdLabel4"), QStringLiteral("Индуктивность:"), 108);
    SpinEdit1 = frame.spin(QStringLiteral("SpinEdit1"), {1, 100.0L, 0.1L, 5}, 32);
    SpinEdit2 = frame.spin(QStringLiteral("SpinEdit2"), {1, 100.0L, 0.1L, 5}, 56);
    SpinEdit4 = frame.spin(QStringLiteral("SpinEdit4"), {3, 100.0L, 0.1L, 6}, 104);
    StdLabel11 = frame.unit(QStringLiteral("StdLabel11"), QStringLiteral("см"), 32);
    StdLabel21 = frame.unit(QStringLiteral("StdLabel21"), QStringLiteral("см"), 60);
    StdLabel41 = frame.unit(QStringLiteral("StdLabel41"), QStringLiteral("мкГн"), 108);
    pairCaptions(inputRows());
}

CalculationOutcome TurnsTab::calculate() const
{
    return rassetpotab2(SpinEdit1->value(), SpinEdit2->value(), SpinEdit4->value());
}

QList<InputRow> TurnsTab::inputRows() const
{
    return {{StdLabel1, SpinEdit1, StdLabel11},
            {StdLabel2, SpinEdit2, StdLabel21},
            {StdLabel4, SpinEdit4, StdLabel41}};
}

QList<QWidget *> TurnsTab::focusOrder() const
{
    return {SpinEdit1, SpinEdit2, SpinEdit4};
}

} // namespace coil
