// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/window/TurnsTab.h"

#include "coil/CoilBlocks.h"
#include "coil/window/CoilTabControls.h"
#include "ui/SpinEdit.h"

#include <QGroupBox>
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

    QGroupBox *frame = makeInputFrame(this, QStringLiteral("turnsInputs"),
                                      QRect(6, 80, 225, 137));
    const auto label = [&](const QString &name, const QString &text, int left, int top) {
        return makeLabel(frame, name, text, QRect(left, top, 0, 0));
    };
    const auto spin = [&](const QString &name, SpinSettings settings, int top) {
        return makeSpinEdit(frame, name, settings, QRect(104, top, 81, 17));
    };

    StdLabel1 = label(QStringLiteral("StdLabel1"), QStringLiteral("Длина намотки:"), 8, 32);
    StdLabel2 = label(QStringLiteral("StdLabel2"), QStringLiteral("Диаметр каркаса:"), 8, 60);
    StdLabel4 = label(QStringLiteral("StdLabel4"), QStringLiteral("Индуктивность:"), 8, 108);
    SpinEdit1 = spin(QStringLiteral("SpinEdit1"), {1, 100.0L, 0.1L, 5}, 32);
    SpinEdit2 = spin(QStringLiteral("SpinEdit2"), {1, 100.0L, 0.1L, 5}, 56);
    SpinEdit4 = spin(QStringLiteral("SpinEdit4"), {3, 100.0L, 0.1L, 6}, 104);
    StdLabel11 = label(QStringLiteral("StdLabel11"), QStringLiteral("см"), 192, 32);
    StdLabel21 = label(QStringLiteral("StdLabel21"), QStringLiteral("см"), 192, 60);
    StdLabel41 = label(QStringLiteral("StdLabel41"), QStringLiteral("мкГн"), 192, 108);
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
