// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/CoilBlocks.h"

#include "coil/CalculationState.h"
#include "coil/ResultNotes.h"

namespace coil {

namespace {

const QString NotComputedReason = QStringLiteral(" (ошибка в исходных данных)");

QString inductanceLine(const CalculationOutcome &outcome, const base::NumberSeparators &separators)
{
    const QString caption = QStringLiteral("Индуктивность = ");
    if (!outcome.stored.testFlag(CalculatedResult::Inductance))
        return caption + QStringLiteral("не рассчитана") + NotComputedReason;
    return caption + base::formatNumber(calculationState().inductance, 10, 3, separators)
           + QStringLiteral(" мкГн");
}

QList<long double> valuesOf(const QList<InputLine> &inputs)
{
    QList<long double> values;
    for (const InputLine &input : inputs)
        values << input.value;
    return values;
}

} // namespace

QStringList writememo(int logLineCount, WindingType winding,
                      const QList<InputLine> &inputs, const CalculationOutcome &outcome,
                      const base::NumberSeparators &separators)
{
    BlockContent content;
    content.description << (winding == WindingType::MultiLayer
                                ? QStringLiteral("Тип намотки : многослойная")
                                : QStringLiteral("Тип намотки : однослойная"));
    content.inputs = inputs;
    content.results << inductanceLine(outcome, separators);
    if (outcome.stored.testFlag(CalculatedResult::Inductance))
        content.results << inductanceNotes(winding, valuesOf(inputs), separators);
    return resultBlock(logLineCount, content, separators);
}

QStringList writememoTab2(int logLineCount, const QList<InputLine> &inputs,
                          const CalculationOutcome &outcome,
                          const base::NumberSeparators &separators)
{
    const CalculationState &state = calculationState();
    BlockContent content;
    content.inputs = inputs;

    const QString turnsCaption = QStringLiteral("Число витков = ");
    content.results << (outcome.stored.testFlag(CalculatedResult::Turns)
                            ? turnsCaption + base::formatNumber(state.turns, 5, 1, separators)
                                  + QStringLiteral(" шт.")
                            : turnsCaption + QStringLiteral("не рассчитано") + NotComputedReason);

    const QString wireCaption = QStringLiteral("Диаметр провода с изоляцией = ");
    content.results << (outcome.stored.testFlag(CalculatedResult::InsulatedWireDiameter)
                            ? wireCaption + base::formatNumber(state.insulatedWireDiameter, 5, 2, separators)
                                  + QStringLiteral(" мм")
                            : wireCaption + QStringLiteral("не рассчитан") + NotComputedReason);
    if (outcome.stored.testFlag(CalculatedResult::Turns))
        content.results << turnsNotes(valuesOf(inputs), separators);
    return resultBlock(logLineCount, content, separators);
}

QStringList writememoTab3(int logLineCount, const QList<InputLine> &inputs,
                          const CalculationOutcome &outcome,
                          const base::NumberSeparators &separators)
{
    BlockContent content;
    content.description << QStringLiteral("Короткий одиночный проводник");
    content.inputs = inputs;
    content.results << inductanceLine(outcome, separators);
    if (outcome.stored.testFlag(CalculatedResult::Inductance))
        content.results << straightWireNotes(valuesOf(inputs), separators);
    content.closingEmptyLines = 2;
    return resultBlock(logLineCount, content, separators);
}

} // namespace coil
