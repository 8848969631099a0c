// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/FormulaAccuracy.h"

#include <cmath>
#include <cstdlib>

namespace coil {

namespace {

const QList<double> coilLengthRatios{0.05, 0.1, 0.2, 0.3, 0.4, 0.5, 0.7, 1, 1.5, 2, 3, 5, 10};

AccuracyFigures oneDimension(const QString &rowName, const QList<double> &rows, const QList<int> &errors)
{
    return {rowName, rows, QString(), {1.0}, errors};
}

// Index of the entry nearest to `ratio` on a logarithmic scale; 0 and below
// count as the smallest entry.
int nearestEntry(const QList<double> &entries, long double ratio)
{
    if (entries.size() < 2 || ratio <= 0)
        return 0;
    const long double logRatio = std::log(ratio);
    int best = 0;
    for (int i = 1; i < entries.size(); ++i) {
        if (std::fabs(logRatio - std::log(static_cast<long double>(entries.at(i))))
            < std::fabs(logRatio - std::log(static_cast<long double>(entries.at(best)))))
            best = i;
    }
    return best;
}

// "+5,0", "-9,9": an error with its sign, as the help page prints it.
QString errorText(int tenths, const QString &decimalSeparator)
{
    const QString sign = tenths > 0 ? QStringLiteral("+") : tenths < 0 ? QStringLiteral("-") : QString();
    const int magnitude = std::abs(tenths);
    return sign + QString::number(magnitude / 10) + decimalSeparator + QString::number(magnitude % 10);
}

} // namespace

const AccuracyFigures &accuracyFigures(AccuracyTable table)
{
    static const AccuracyFigures pair45 = oneDimension(
        QStringLiteral("l/D"), coilLengthRatios,
        {-180, -94, -25, 0, 10, 15, 17, 15, 12, 11, 10, 10, 11});
    static const AccuracyFigures pair40 = oneDimension(
        QStringLiteral("l/D"), coilLengthRatios,
        {-99, -23, 22, 27, 23, 15, -1, -19, -37, -47, -58, -67, -73});
    static const AccuracyFigures turnsInductance = oneDimension(
        QStringLiteral("l/D"), coilLengthRatios,
        {-164, -77, -10, 14, 23, 26, 25, 22, 18, 15, 13, 12, 12});
    static const AccuracyFigures turnsCount = oneDimension(
        QStringLiteral("l/D"), coilLengthRatios,
        {-85, -39, -5, 7, 11, 13, 13, 11, 9, 8, 7, 6, 6});
    static const AccuracyFigures multiLayer{
        QStringLiteral("B/D"), {0.1, 0.25, 0.5, 1, 2, 4},
        QStringLiteral("C/D"), {0.05, 0.1, 0.25, 0.5, 1},
        {36, 38, 25, 3, -23,
         50, 42, 25, 6, -17,
         27, 25, 18, 9, -7,
         -10, -4, 8, 15, 11,
         -40, -26, 5, 31, 42,
         -56, -37, 8, 53, 85}};
    static const AccuracyFigures straightWire = oneDimension(
        QStringLiteral("l/d"), {1, 2, 3, 5, 10, 20, 50, 100, 1000, 10000},
        {-574, -210, -118, -58, -23, -9, -3, -1, 0, 0});

    switch (table) {
    case AccuracyTable::SingleLayerPair45:
        return pair45;
    case AccuracyTable::SingleLayerPair40:
        return pair40;
    case AccuracyTable::TurnsInductance:
        return turnsInductance;
    case AccuracyTable::TurnsCount:
        return turnsCount;
    case AccuracyTable::MultiLayer:
        return multiLayer;
    case AccuracyTable::StraightWire:
        break;
    }
    return straightWire;
}

std::optional<QString> accuracyWarning(AccuracyTable table, long double row, long double column,
                                       const base::NumberSeparators &separators)
{
    const AccuracyFigures &figures = accuracyFigures(table);
    const int rowIndex = nearestEntry(figures.rows, row);
    const int columnIndex = nearestEntry(figures.columns, column);
    const int tenths = figures.errorTenths.at(rowIndex * figures.columns.size() + columnIndex);
    if (std::abs(tenths) <= accuracyLimitTenths)
        return std::nullopt;

    QString where = figures.rowName + QStringLiteral(" = ")
                    + base::formatGeneral(figures.rows.at(rowIndex), separators);
    if (!figures.columnName.isEmpty())
        where += QStringLiteral(" и ") + figures.columnName + QStringLiteral(" = ")
                 + base::formatGeneral(figures.columns.at(columnIndex), separators);
    return QStringLiteral("Ошибка формулы больше 3 %: ") + errorText(tenths, separators.decimal)
           + QStringLiteral(" % при ") + where + QStringLiteral(" (см. «Точность формул» в справке)");
}

} // namespace coil
