// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/ResultNotes.h"

#include "coil/CurrentSheet.h"
#include "coil/FormulaAccuracy.h"

#include <cmath>

namespace coil {

namespace {

// A typed length this far from the turns laid side by side is not a
// close-wound winding.
constexpr long double closeWoundTolerance = 0.1L;

void addWarning(QStringList &notes, AccuracyTable table, long double row, long double column,
                const base::NumberSeparators &separators)
{
    if (const auto warning = accuracyWarning(table, row, column, separators))
        notes << *warning;
}

// The formula takes the winding as n turns of wire d side by side, n*d/10 cm
// long; the typed length only picks its coefficients.
QStringList windingLengthNotes(long double length, long double diameter, long double turns,
                               long double wire, const base::NumberSeparators &separators)
{
    QStringList notes;
    const long double closeWound = turns * wire / 10.0L;
    if (std::fabs(length - closeWound) <= closeWoundTolerance * closeWound)
        return notes;
    if (length > 0) {
        const long double sheet = currentSheetInductance(diameter, length, turns);
        notes << QStringLiteral("Намотка не виток к витку: при длине ")
                     + base::formatGeneral(length, separators)
                     + QStringLiteral(" см по формуле токового слоя (Нагаока) L = ")
                     + base::formatNumber(sheet, 10, 3, separators) + QStringLiteral(" мкГн");
    }
    if (closeWound > length) {
        // Rounded to a micrometre: the product of two typed decimals is not exact.
        const long double shown = std::round(closeWound * 10000.0L) / 10000.0L;
        notes << QStringLiteral("Витки не умещаются в длину намотки: вплотную они займут ")
                     + base::formatGeneral(shown, separators) + QStringLiteral(" см");
    }
    return notes;
}

} // namespace

QStringList inductanceNotes(WindingType winding, const QList<long double> &inputs,
                            const base::NumberSeparators &separators)
{
    QStringList notes;
    if (inputs.size() < 4)
        return notes;
    const long double lengthOrWidth = inputs.at(0);
    const long double diameter = inputs.at(1);
    const long double turns = inputs.at(2);
    const long double wireOrThickness = inputs.at(3);
    // The tables give proportions to D; without a diameter or turns the
    // inductance is 0 and there is nothing to weigh.
    if (diameter <= 0 || turns <= 0)
        return notes;

    if (winding == WindingType::MultiLayer) {
        addWarning(notes, AccuracyTable::MultiLayer, lengthOrWidth / diameter,
                   wireOrThickness / diameter, separators);
        return notes;
    }
    notes << windingLengthNotes(lengthOrWidth, diameter, turns, wireOrThickness, separators);
    // The same comparison that picks the formula's coefficients.
    const AccuracyTable pair = lengthOrWidth >= diameter / 2 ? AccuracyTable::SingleLayerPair45
                                                             : AccuracyTable::SingleLayerPair40;
    addWarning(notes, pair, turns * wireOrThickness / 10.0L / diameter, 0, separators);
    return notes;
}

QStringList turnsNotes(const QList<long double> &inputs, const base::NumberSeparators &separators)
{
    QStringList notes;
    if (inputs.size() >= 2 && inputs.at(1) > 0)
        addWarning(notes, AccuracyTable::TurnsCount, inputs.at(0) / inputs.at(1), 0, separators);
    return notes;
}

QStringList straightWireNotes(const QList<long double> &inputs, const base::NumberSeparators &separators)
{
    QStringList notes;
    // l in cm, d in mm: the table's l/d is in the same units.
    if (inputs.size() >= 2 && inputs.at(1) > 0)
        addWarning(notes, AccuracyTable::StraightWire, inputs.at(0) * 10.0L / inputs.at(1), 0,
                   separators);
    return notes;
}

} // namespace coil
