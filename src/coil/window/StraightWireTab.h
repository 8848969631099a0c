// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tab3 of the coil window: the inductance of a short single straight wire.

#include "coil/CoilCalculations.h"
#include "coil/window/DesignScale.h"
#include "coil/ResultBlock.h"

#include <QWidget>

class QLabel;

namespace ui {
class SpinEdit;
}

namespace coil {

class StraightWireTab : public QWidget
{
    Q_OBJECT
public:
    // programDir: the executable's folder, ending with a separator.
    StraightWireTab(const QString &programDir, const DesignScale &scale, QWidget *parent = nullptr);

    // Loads the picture; runs each time the tab is shown.
    void Tab3Show();

    // rassetpotab3 on this tab's inputs.
    CalculationOutcome calculate() const;
    // SkinEdit1, SkinEdit2 with their captions and units.
    QList<InputLine> inputLines() const;
    // The controls that Tab visits, in order.
    QList<QWidget *> focusOrder() const;

    QLabel *odinProvod;
    QLabel *Label6;
    QLabel *SkinLabel1;
    QLabel *SkinLabel2;
    QLabel *SkinLabel11;
    QLabel *SkinLabel21;
    ui::SpinEdit *SkinEdit1;
    ui::SpinEdit *SkinEdit2;

private:
    QString m_programDir;
};

} // namespace coil
