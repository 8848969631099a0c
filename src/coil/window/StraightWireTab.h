// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tab3 of the coil window: the inductance of a short single straight wire.

#include "coil/window/CoilTab.h"

namespace coil {

class StraightWireTab : public CoilTab
{
    Q_OBJECT
public:
    StraightWireTab(const QString &programDir, QWidget *parent = nullptr);

    // Loads the picture; runs each time the tab is shown.
    void Tab3Show() { showPicture(odinProvod, QStringLiteral("odinProv.bmp")); }

    // rassetpotab3.
    CalculationOutcome calculate() const override;
    void tabShown() override { Tab3Show(); }
    // Length, diameter.
    QList<InputRow> inputRows() const override;
    // The diameter comes first, though it stands below the length.
    QList<QWidget *> focusOrder() const override;

    QLabel *odinProvod;
    QLabel *Label6;
    QLabel *SkinLabel1;
    QLabel *SkinLabel2;
    QLabel *SkinLabel11;
    QLabel *SkinLabel21;
    ui::SpinEdit *SkinEdit1;
    ui::SpinEdit *SkinEdit2;
};

} // namespace coil
