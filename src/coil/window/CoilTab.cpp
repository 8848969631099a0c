// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/window/CoilTab.h"

#include "base/AppInfo.h"
#include "coil/window/CoilTabControls.h"
#include "ui/SpinEdit.h"

#include <QLabel>

namespace coil {

CoilTab::CoilTab(const QString &objectName, const QString &programDir, BlockWriter writeBlock,
                 QWidget *parent)
    : QWidget(parent)
    , m_programDir(programDir)
    , m_writeBlock(std::move(writeBlock))
{
    setObjectName(objectName);
}

QList<ui::SpinEdit *> CoilTab::inputBoxes() const
{
    QList<ui::SpinEdit *> boxes;
    for (const InputRow &row : inputRows())
        boxes.append(row.box);
    return boxes;
}

QStringList CoilTab::resultBlock(int logLineCount, const CalculationOutcome &outcome,
                                 const base::NumberSeparators &separators) const
{
    return m_writeBlock(logLineCount, inputLines(), outcome, separators);
}

QList<InputLine> CoilTab::inputLines() const
{
    QList<InputLine> lines;
    for (const InputRow &row : inputRows())
        lines.append(InputLine{row.caption->text(), row.box->value(), row.unit->text()});
    return lines;
}

bool CoilTab::showPicture(QLabel *picture, const QString &fileName) const
{
    return loadPicture(picture, base::programFile(m_programDir, QStringLiteral("Images/") + fileName));
}

} // namespace coil
