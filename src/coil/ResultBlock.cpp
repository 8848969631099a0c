// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/ResultBlock.h"

#include "coil/CalculationState.h"

namespace coil {

namespace {

// Wraps like the 32-bit counter it is instead of overflowing a signed int.
qint32 nextNumber(qint32 counter)
{
    return qint32(quint32(counter) + 1u);
}

} // namespace

QStringList resultBlock(int logLineCount, const BlockContent &content,
                        const base::NumberSeparators &separators)
{
    CalculationState &state = calculationState();
    if (logLineCount == 0)
        state.experimentCounter = 1;

    QStringList lines;
    lines << QString();
    lines << QStringLiteral("         * * * * * Опыт № ") + QString::number(state.experimentCounter)
                 + QStringLiteral(" * * * * *");
    state.experimentCounter = nextNumber(state.experimentCounter);
    lines << QStringLiteral("//");
    // The C of "ИCХОДНЫЕ" is the Latin letter in every block: keep it so.
    lines << QStringLiteral("{ ИCХОДНЫЕ ДАННЫЕ }");
    lines << content.description;
    for (const InputLine &input : content.inputs)
        lines << input.caption + QLatin1Char(' ') + base::formatGeneral(input.value, separators)
                     + QLatin1Char(' ') + input.unit;
    lines << QString();
    lines << QStringLiteral("{ РЕЗУЛЬТАТ РАСЧЁТА }");
    lines << content.results;
    for (int i = 0; i < content.closingEmptyLines; ++i)
        lines << QString();
    return lines;
}

} // namespace coil
