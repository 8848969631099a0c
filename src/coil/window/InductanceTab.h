// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tab1 of the coil window: the inductance of a single-layer or multi-layer
// coil. The winding type applied last decides the captions, the picture and
// which formula runs.

#include "coil/WindingType.h"
#include "coil/window/CoilTab.h"

namespace ui {
class RadioGroup;
}

namespace coil {

class InductanceTab : public CoilTab
{
    Q_OBJECT
public:
    InductanceTab(const QString &programDir, QWidget *parent = nullptr);

    // Applies the selected winding type: captions and hints, the flag, the picture.
    void RadioGroup1Click();
    WindingType windingType() const { return m_winding; }

    // rasscontur1 or rasscontur2 by the winding type.
    CalculationOutcome calculate() const override;
    // Edit1 to Edit4 with their current captions and units.
    QList<InputRow> inputRows() const override;
    QList<QWidget *> focusOrder() const override;

    QLabel *Image1;
    ui::RadioGroup *RadioGroup1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label11;
    QLabel *Label21;
    QLabel *Label31;
    QLabel *Label41;
    ui::SpinEdit *Edit1;
    ui::SpinEdit *Edit2;
    ui::SpinEdit *Edit3;
    ui::SpinEdit *Edit4;

private:
    void setCaption(QLabel *label, const QString &text, const QString &hint);

    WindingType m_winding = WindingType::SingleLayer;
};

} // namespace coil
