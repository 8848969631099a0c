// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/window/StraightWireTab.h"

#include "coil/CoilBlocks.h"
#include "ui/SpinEdit.h"

#include <QLabel>

namespace coil {

StraightWireTab::StraightWireTab(const QString &programDir, QWidget *parent)
    : CoilTab(QStringLiteral("Tab3"), programDir, writememoTab3, parent)
{
    odinProvod = makePicture(this, QStringLiteral("odinProvod"), QRect(24, 16, 170, 50),
                             QStringLiteral("Рисунок прямого провода"),
                             QStringLiteral("Провод, индуктивность которого рассчитывается"));
    Label6 = makeDescription(this, QStringLiteral("Label6"),
                             QStringLiteral("Определение индуктивности короткого одиночного "
                                            "проводника  по его длине и диаметру."),
                             QRect(16, 80, 192, 42), 136 - 80);

    const InputFrame frame(this, QStringLiteral("wireInputs"), QRect(6, 136, 225, 81));
    SkinLabel1 = frame.caption(QStringLiteral("SkinLabel1"), QStringLiteral("Длина провода:"), 32);
    SkinLabel2 = frame.caption(QStringLiteral("SkinLabel2"), QStringLiteral("Диаметр провода:"), 60);
    SkinEdit1 = frame.spin(QStringLiteral("SkinEdit1"), {1, 1000.0L, 0.1L, 6}, 32);
    SkinEdit2 = frame.spin(QStringLiteral("SkinEdit2"), {2, 100.0L, 0.1L, 5}, 56);
    SkinLabel11 = frame.unit(QStringLiteral("SkinLabel11"), QStringLiteral("см"), 32);
    SkinLabel21 = frame.unit(QStringLiteral("SkinLabel21"), QStringLiteral("мм"), 60);
    pairCaptions(inputRows());
}

CalculationOutcome StraightWireTab::calculate() const
{
    return rassetpotab3(SkinEdit1->value(), SkinEdit2->value());
}

QList<InputRow> StraightWireTab::inputRows() const
{
    return {{SkinLabel1, SkinEdit1, SkinLabel11}, {SkinLabel2, SkinEdit2, SkinLabel21}};
}

QList<QWidget *> StraightWireTab::focusOrder() const
{
    return {SkinEdit2, SkinEdit1};
}

} // namespace coil
