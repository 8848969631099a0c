// SPDX-License-Identifier: GPL-3.0-or-later
// The result blocks of the three coil tabs, line by line, under a comma and a
// point locale: worked examples, edge cases, blocks after a fault, numbering.

#include "coil/CalculationState.h"
#include "coil/CoilBlocks.h"

#include "support/NumberHelpers.h"

#include <QTest>

using coil::InputLine;
using base::NumberSeparators;
using numbers::inLocale;
using numbers::longDouble;

Q_DECLARE_METATYPE(base::NumberSeparators)

namespace {

const QString Header = QStringLiteral("         * * * * * Опыт № %1 * * * * *");
const QString Inputs = QStringLiteral("{ ИCХОДНЫЕ ДАННЫЕ }"); // Latin C
const QString Results = QStringLiteral("{ РЕЗУЛЬТАТ РАСЧЁТА }");
const QString Help = QStringLiteral(" (см. «Точность формул» в справке)");

// The notes on a single-layer winding whose typed length is not n*d/10.
QString spaced(const char *length, const char *sheet)
{
    return QStringLiteral("Намотка не виток к витку: при длине %1 см по формуле токового слоя (Нагаока) L = %2 мкГн")
        .arg(QLatin1String(length), QLatin1String(sheet));
}
QString overfull(const char *closeWound)
{
    return QStringLiteral("Витки не умещаются в длину намотки: вплотную они займут %1 см").arg(QLatin1String(closeWound));
}

// Caption and unit label texts of each calculation, as the window shows them.
QList<QPair<QString, QString>> labelsOf(const QString &calculation)
{
    if (calculation == QLatin1String("single-layer"))
        return {{"Длина намотки :", "см"}, {"Диаметр намотки:", "см"},
                {"Кол-во витков:", "шт."}, {"Диаметр провода:", "мм"}};
    if (calculation == QLatin1String("multi-layer"))
        return {{"Ширина намотки:", "см"}, {"Диаметр каркаса:", "см"},
                {"Кол-во витков:", "шт."}, {"Толщина намотки:", "см"}};
    if (calculation == QLatin1String("turns"))
        return {{"Длина намотки:", "см"}, {"Диаметр каркаса:", "см"}, {"Индуктивность:", "мкГн"}};
    return {{"Длина провода:", "см"}, {"Диаметр провода:", "мм"}};
}

// What the window does on "Рассчитать": the calculation, then its block.
QStringList calculateAndWrite(const QString &calculation, const QStringList &inputTexts,
                              int logLineCount, const NumberSeparators &separators)
{
    const auto labels = labelsOf(calculation);
    QList<InputLine> inputs;
    QList<long double> v;
    for (int i = 0; i < inputTexts.size(); ++i) {
        v << longDouble(inputTexts.at(i));
        inputs << InputLine{labels.at(i).first, v.last(), labels.at(i).second};
    }
    if (calculation == QLatin1String("single-layer")) {
        const auto outcome = coil::rasscontur1(v.at(0), v.at(1), v.at(2), v.at(3));
        return coil::writememo(logLineCount, coil::WindingType::SingleLayer, inputs, outcome, separators);
    }
    if (calculation == QLatin1String("multi-layer")) {
        const auto outcome = coil::rasscontur2(v.at(0), v.at(1), v.at(2), v.at(3));
        return coil::writememo(logLineCount, coil::WindingType::MultiLayer, inputs, outcome, separators);
    }
    if (calculation == QLatin1String("turns"))
        return coil::writememoTab2(logLineCount, inputs,
                                   coil::rassetpotab2(v.at(0), v.at(1), v.at(2)), separators);
    return coil::writememoTab3(logLineCount, inputs, coil::rassetpotab3(v.at(0), v.at(1)), separators);
}

// The result lines: between the results heading and the closing empty lines.
QStringList resultLinesOf(const QStringList &block)
{
    QStringList lines = block.mid(block.indexOf(Results) + 1);
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void compareLines(const QStringList &actual, const QStringList &expected)
{
    for (int i = 0; i < std::min(actual.size(), expected.size()); ++i)
        QVERIFY2(actual.at(i) == expected.at(i),
                 qPrintable(QStringLiteral("line %1: \"%2\", expected \"%3\"")
                                .arg(i + 1).arg(actual.at(i), expected.at(i))));
    QCOMPARE(actual.size(), expected.size());
}

void addInBothLocales(const char *name, const QString &calculation, const QStringList &inputs,
                      int logLineCount, int counter, const QStringList &expected)
{
    const QList<QPair<const char *, NumberSeparators>> locales{
        {"comma", numbers::commaLocale()}, {"point", numbers::pointLocale()}};
    for (const auto &locale : locales) {
        QStringList lines;
        for (const QString &line : expected)
            lines << inLocale(line, locale.second);
        QTest::addRow("%s, %s", name, locale.first)
            << calculation << inputs << logLineCount << counter << locale.second << lines;
    }
}

} // namespace

class TestCoilBlocks : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void blocks_data();
    void blocks();
    void resultLines_data();
    void resultLines();
    void numbering_data();
    void numbering();
};

void TestCoilBlocks::init()
{
    coil::resetCalculationState();
}

void TestCoilBlocks::blocks_data()
{
    QTest::addColumn<QString>("calculation");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<int>("logLineCount");
    QTest::addColumn<int>("counter");
    QTest::addColumn<NumberSeparators>("separators");
    QTest::addColumn<QStringList>("expected");

    addInBothLocales("tab 1 single-layer example", "single-layer", {"2", "1", "20", "0.5"}, 0, 1,
                     {"", Header.arg(1), "//", Inputs, "Тип намотки : однослойная",
                      "Длина намотки : 2 см", "Диаметр намотки: 1 см", "Кол-во витков: 20 шт.",
                      "Диаметр провода: 0,5 мм", "", Results, "Индуктивность = 2,759 мкГн",
                      "Намотка не виток к витку: при длине 2 см по формуле токового слоя (Нагаока) L = 1,615 мкГн",
                      ""});
    addInBothLocales("tab 1 multi-layer, grouped result", "multi-layer", {"1", "10", "1000", "1"}, 13, 2,
                     {"", Header.arg(2), "//", Inputs, "Тип намотки : многослойная",
                      "Ширина намотки: 1 см", "Диаметр каркаса: 10 см", "Кол-во витков: 1000 шт.",
                      "Толщина намотки: 1 см", "", Results, "Индуктивность = 186_153,846 мкГн",
                      "Ошибка формулы больше 3 %: +3,8 % при B/D = 0,1 и C/D = 0,1" + Help, ""});
    addInBothLocales("value typed beyond the box's decimals", "single-layer", {"2", "1.2345", "20", "0.5"}, 0, 1,
                     {"", Header.arg(1), "//", Inputs, "Тип намотки : однослойная",
                      "Длина намотки : 2 см", "Диаметр намотки: 1,2345 см", "Кол-во витков: 20 шт.",
                      "Диаметр провода: 0,5 мм", "", Results, "Индуктивность = 3,919 мкГн",
                      "Намотка не виток к витку: при длине 2 см по формуле токового слоя (Нагаока) L = 2,357 мкГн",
                      ""});
    addInBothLocales("new window, all inputs 0", "single-layer", {"0", "0", "0", "0"}, 0, 1,
                     {"", Header.arg(1), "//", Inputs, "Тип намотки : однослойная",
                      "Длина намотки : 0 см", "Диаметр намотки: 0 см", "Кол-во витков: 0 шт.",
                      "Диаметр провода: 0 мм", "", Results,
                      "Индуктивность = не рассчитана (ошибка в исходных данных)", ""});
    addInBothLocales("tab 2 example", "turns", {"1", "1", "1"}, 40, 4,
                     {"", Header.arg(4), "//", Inputs, "Длина намотки: 1 см", "Диаметр каркаса: 1 см",
                      "Индуктивность: 1 мкГн", "", Results, "Число витков = 12,0 шт.",
                      "Диаметр провода с изоляцией = 0,83 мм", ""});
    addInBothLocales("tab 2, L = 0", "turns", {"1.5", "1", "0"}, 40, 5,
                     {"", Header.arg(5), "//", Inputs, "Длина намотки: 1,5 см", "Диаметр каркаса: 1 см",
                      "Индуктивность: 0 мкГн", "", Results, "Число витков = 0,0 шт.",
                      "Диаметр провода с изоляцией = не рассчитан (ошибка в исходных данных)", ""});
    addInBothLocales("tab 3 example", "straight wire", {"10", "1"}, 13, 2,
                     {"", Header.arg(2), "//", Inputs, "Короткий одиночный проводник",
                      "Длина провода: 10 см", "Диаметр провода: 1 мм", "", Results,
                      "Индуктивность = 0,100 мкГн", "", ""});
    addInBothLocales("tab 3, d = 0", "straight wire", {"12.5", "0"}, 13, 3,
                     {"", Header.arg(3), "//", Inputs, "Короткий одиночный проводник",
                      "Длина провода: 12,5 см", "Диаметр провода: 0 мм", "", Results,
                      "Индуктивность = не рассчитана (ошибка в исходных данных)", "", ""});
}

void TestCoilBlocks::blocks()
{
    QFETCH(QString, calculation);
    QFETCH(QStringList, inputs);
    QFETCH(int, logLineCount);
    QFETCH(int, counter);
    QFETCH(NumberSeparators, separators);
    QFETCH(QStringList, expected);

    coil::calculationState().experimentCounter = counter;
    const QStringList block = calculateAndWrite(calculation, inputs, logLineCount, separators);
    compareLines(block, expected);
    QCOMPARE(block.at(3).at(3), QLatin1Char('C'));
    QCOMPARE(coil::calculationState().experimentCounter, counter + 1);
}

void TestCoilBlocks::resultLines_data()
{
    QTest::addColumn<QString>("calculation");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<int>("logLineCount");
    QTest::addColumn<int>("counter");
    QTest::addColumn<NumberSeparators>("separators");
    QTest::addColumn<QStringList>("expected");

    const QString notL = QStringLiteral("Индуктивность = не рассчитана (ошибка в исходных данных)");
    const QString notN = QStringLiteral("Число витков = не рассчитано (ошибка в исходных данных)");
    const QString notD = QStringLiteral("Диаметр провода с изоляцией = не рассчитан (ошибка в исходных данных)");
    const auto add = [](const char *name, const QString &calculation, const QStringList &inputs,
                        const QStringList &expected) {
        addInBothLocales(name, calculation, inputs, 1, 1, expected);
    };

    add("single-layer, l exactly D/2", "single-layer", {"0.5", "1", "20", "0.5"},
        {"Индуктивность = 2,759 мкГн", spaced("0,5", "4,149"), overfull("1")});
    add("single-layer, l below D/2", "single-layer", {"0.4", "1", "20", "0.5"},
        {"Индуктивность = 2,667 мкГн", spaced("0,4", "4,657"), overfull("1")});
    // The winding's real length: 20 turns of 0,5 mm side by side take 1 cm.
    add("single-layer, close-wound", "single-layer", {"1", "1", "20", "0.5"}, {"Индуктивность = 2,759 мкГн"});
    add("single-layer, within a tenth of close-wound", "single-layer", {"1.05", "1", "20", "0.5"},
        {"Индуктивность = 2,759 мкГн"});
    add("single-layer, spaced", "single-layer", {"10", "1", "20", "0.5"},
        {"Индуктивность = 2,759 мкГн", spaced("10", "0,379")});
    add("single-layer, no length typed", "single-layer", {"0", "1", "20", "0.5"},
        {"Индуктивность = 2,667 мкГн", overfull("1")});
    add("single-layer, overfull by a product of decimals", "single-layer", {"0.9", "1", "33", "0.31"},
        {"Индуктивность = 7,393 мкГн", spaced("0,9", "7,942"), overfull("1,023")});
    add("single-layer, D = 0, n and d above 0", "single-layer", {"2", "0", "20", "0.5"}, {"Индуктивность = 0,000 мкГн"});
    add("single-layer, more digits than precision", "single-layer", {"100", "100", "100000", "0"},
        {"Индуктивность = 2,222222222E010 мкГн", spaced("100", "6_794_458_795,000"),
         "Ошибка формулы больше 3 %: -18,0 % при l/D = 0,05" + Help});
    add("single-layer, D = 0 and n = 0", "single-layer", {"2", "0", "0", "0.5"}, {notL});
    add("single-layer, D = 0 and d = 0", "single-layer", {"2", "0", "20", "0"}, {notL});
    add("multi-layer, small", "multi-layer", {"1", "1", "100", "0.5"}, {"Индуктивность = 97,297 мкГн"});
    add("multi-layer, all zero", "multi-layer", {"0", "0", "0", "0"}, {notL});
    add("turns, l = 2, L = 10", "turns", {"2", "1", "10"},
        {"Число витков = 49,4 шт.", "Диаметр провода с изоляцией = 0,40 мм"});
    add("turns, l = 0", "turns", {"0", "1", "10"},
        {"Число витков = 21,0 шт.", "Диаметр провода с изоляцией = 0,00 мм",
         "Ошибка формулы больше 3 %: -8,5 % при l/D = 0,05" + Help});
    add("turns, five significant digits", "turns", {"100", "0.1", "100"},
        {"Число витков = 10_002,0 шт.", "Диаметр провода с изоляцией = 0,10 мм"});
    add("turns, D = 0", "turns", {"1", "0", "1"}, {notN, notD});
    add("turns, L = 0", "turns", {"1", "1", "0"}, {"Число витков = 0,0 шт.", notD});
    add("straight wire, 1 m", "straight wire", {"100", "1"}, {"Индуктивность = 1,459 мкГн"});
    add("straight wire, 10 m thin", "straight wire", {"1000", "0.1"}, {"Индуктивность = 23,798 мкГн"});
    add("straight wire, 1 cm", "straight wire", {"1", "1"}, {"Индуктивность = 0,005 мкГн"});
    add("straight wire, logarithm of one", "straight wire", {"0.5", "20"},
        {"Индуктивность = -0,001 мкГн", "Ошибка формулы больше 3 %: -57,4 % при l/d = 1" + Help});
    add("straight wire, negative rounds to zero", "straight wire", {"0.1", "3"},
        {"Индуктивность = 0,000 мкГн", "Ошибка формулы больше 3 %: -57,4 % при l/d = 1" + Help});
    add("straight wire, l = 0", "straight wire", {"0", "1"}, {notL});
    add("straight wire, both 0", "straight wire", {"0", "0"}, {notL});
}

void TestCoilBlocks::resultLines()
{
    QFETCH(QString, calculation);
    QFETCH(QStringList, inputs);
    QFETCH(int, logLineCount);
    QFETCH(NumberSeparators, separators);
    QFETCH(QStringList, expected);

    // A value left by an earlier calculation must never pass for this one's.
    coil::CalculationState &state = coil::calculationState();
    state.inductance = 55.5L;
    state.turns = 66.6L;
    state.insulatedWireDiameter = 0.777L;

    compareLines(resultLinesOf(calculateAndWrite(calculation, inputs, logLineCount, separators)), expected);
}

void TestCoilBlocks::numbering_data()
{
    QTest::addColumn<QList<int>>("logLineCounts"); // the log's lines before each block
    QTest::addColumn<QList<int>>("numbers");

    QTest::newRow("fresh log counts up") << QList<int>{0, 13, 26} << QList<int>{1, 2, 3};
    QTest::newRow("cleared log starts again") << QList<int>{0, 13, 26, 0} << QList<int>{1, 2, 3, 1};
    QTest::newRow("opened file continues the run") << QList<int>{0, 13, 250} << QList<int>{1, 2, 3};
    QTest::newRow("first block into a loaded log") << QList<int>{120, 133} << QList<int>{1, 2};
    QTest::newRow("a single line break is a line") << QList<int>{0, 1} << QList<int>{1, 2};
}

void TestCoilBlocks::numbering()
{
    QFETCH(QList<int>, logLineCounts);
    QFETCH(QList<int>, numbers);

    for (int i = 0; i < logLineCounts.size(); ++i) {
        const QStringList block = calculateAndWrite(QStringLiteral("straight wire"), {"10", "1"},
                                                    logLineCounts.at(i), numbers::commaLocale());
        QCOMPARE(block.at(1), Header.arg(numbers.at(i)));
    }
}

QTEST_GUILESS_MAIN(TestCoilBlocks)
#include "test_coilblocks.moc"
