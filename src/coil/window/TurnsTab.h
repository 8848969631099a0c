// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tab2 of the coil window: the number of turns and the insulated wire
// diameter of a single-layer coil for a given inductance.

#include "coil/window/CoilTab.h"

namespace coil {

class TurnsTab : public CoilTab
{
    Q_OBJECT
public:
    TurnsTab(const QString &programDir, QWidget *parent = nullptr);

    // Loads the picture; runs each time the tab is shown.
    void Tab2Show() { showPicture(chisloVitkov, QStringLiteral("vitki.bmp")); }

    // rassetpotab2.
    CalculationOutcome calculate() const override;
    void tabShown() override { Tab2Show(); }
    // Length, diameter, inductance.
    QList<InputRow> inputRows() const override;
    QList<QWidget *> focusOrder() const override;

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
};

} // namespace coil
