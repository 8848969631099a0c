// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tab2 of the coil window: the number of turns and the insulated wire
// diameter of a single-layer coil for a given inductance.

#include "coil/CoilCalculations.h"
#include "coil/window/DesignScale.h"
#include "coil/ResultBlock.h"

#include <QWidget>

class QLabel;

namespace ui {
class SpinEdit;
}

namespace coil {

class TurnsTab : public QWidget
{
    Q_OBJECT
public:
    // programDir: the executable's folder, ending with a separator.
    TurnsTab(const QString &programDir, const DesignScale &scale, QWidget *parent = nullptr);

    // Loads the picture; runs each time the tab is shown.
    void Tab2Show();

    // rassetpotab2 on this tab's inputs.
    CalculationOutcome calculate() const;
    // SpinEdit1, SpinEdit2, SpinEdit4 with their captions and units.
    QList<InputLine> inputLines() const;
    // The controls that Tab visits, in order.
    QList<QWidget *> focusOrder() const;

    QLabel *chisloVitkov;
    QLabel *Label5;
    QLabel *StdLabel1;
    QLabel *StdLabel2;
    QLabel *StdLabel4;
    QLabel *StdLabel11;
    QLabel *StdLabel21;
    QLabel *StdLabel41;
    ui::SpinEdit *SpinEdit1;
    ui::SpinEdit *SpinEdit2;
    ui::SpinEdit *SpinEdit4;

private:
    QString m_programDir;
};

} // namespace coil
