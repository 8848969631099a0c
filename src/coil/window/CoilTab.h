// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the coil window asks of each of its three tabs: run the tab's
// calculation on its inputs, write the result block, and refresh its picture
// when the tab comes to the front. The window talks to the selected tab
// through this interface only, so a tab is one class and one entry in the
// window's list of tabs.

#include "base/NumberFormat.h"
#include "coil/CoilCalculations.h"
#include "coil/ResultBlock.h"
#include "coil/window/CoilTabControls.h"

#include <QStringList>
#include <QWidget>
#include <functional>

namespace coil {

class CoilTab : public QWidget
{
    Q_OBJECT
public:
    // The calculation of this tab on its spin boxes' stored values.
    virtual CalculationOutcome calculate() const = 0;
    // The block that the outcome appends after the log's logLineCount lines.
    QStringList resultBlock(int logLineCount, const CalculationOutcome &outcome,
                            const base::NumberSeparators &separators) const;
    // Runs each time the tab is brought to the front.
    virtual void tabShown() {}
    // The inputs in the order of the block's lines.
    virtual QList<InputRow> inputRows() const = 0;
    // The controls that Tab visits, in order.
    virtual QList<QWidget *> focusOrder() const = 0;

    // The spin boxes in the order of the block's lines.
    QList<ui::SpinEdit *> inputBoxes() const;

protected:
    // writememo, writememoTab2 or writememoTab3, given the input lines.
    using BlockWriter = std::function<QStringList(int logLineCount, const QList<InputLine> &inputs,
                                                  const CalculationOutcome &outcome,
                                                  const base::NumberSeparators &separators)>;

    // programDir: the executable's folder.
    CoilTab(const QString &objectName, const QString &programDir, BlockWriter writeBlock,
            QWidget *parent);

    // The input lines of the block: captions, values and units as they stand.
    QList<InputLine> inputLines() const;
    // Loads one of the pictures under "Images" beside the executable.
    bool showPicture(QLabel *picture, const QString &fileName) const;

private:
    QString m_programDir;
    BlockWriter m_writeBlock;
};

} // namespace coil
