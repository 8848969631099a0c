// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tab1 of the coil window: the inductance of a single-layer or multi-layer
// coil. The winding type applied last decides the captions, the picture and
// which formula runs.

#include "coil/CoilCalculations.h"
#include "coil/window/DesignScale.h"
#include "coil/ResultBlock.h"
#include "coil/WindingType.h"

#include <QWidget>

class QLabel;

namespace ui {
class RadioGroup;
class SpinEdit;
}

namespace coil {

class InductanceTab : public QWidget
{
    Q_OBJECT
public:
    // programDir: the executable's folder, ending with a separator.
    InductanceTab(const QString &programDir, const DesignScale &scale, QWidget *parent = nullptr);

    // Applies the selected winding type: captions and hints, the flag, the picture.
    void RadioGroup1Click();
    WindingType windingType() const { return m_winding; }

    // rasscontur1 or rasscontur2 by the winding type, on this tab's inputs.
    CalculationOutcome calculate() const;
    // Edit1 to Edit4 with their current captions and units.
    QList<InputLine> inputLines() const;
    // The controls that Tab visits, in order.
    QList<QWidget *> focusOrder() const;

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

    QString m_programDir;
    WindingType m_winding = WindingType::SingleLayer;
};

} // namespace coil
