// SPDX-License-Identifier: GPL-3.0-or-later
// The current-sheet inductance against Nagaoka's published coefficients.

#include "coil/CurrentSheet.h"

#include <QTest>
#include <cmath>

class TestCurrentSheet : public QObject
{
    Q_OBJECT

private slots:
    void nagaokaCoefficient_data()
    {
        QTest::addColumn<double>("diameterOverLength");
        QTest::addColumn<double>("published");
        // Nagaoka's tables, to four significant digits.
        QTest::newRow("D/l = 0.1") << 0.1 << 0.9588;
        QTest::newRow("D/l = 0.2") << 0.2 << 0.9201;
        QTest::newRow("D/l = 0.5") << 0.5 << 0.8181;
        QTest::newRow("D/l = 1") << 1.0 << 0.6884;
        QTest::newRow("D/l = 2") << 2.0 << 0.5255;
        QTest::newRow("D/l = 4") << 4.0 << 0.3654;
        QTest::newRow("D/l = 10") << 10.0 << 0.2033;
    }
    void nagaokaCoefficient()
    {
        QFETCH(double, diameterOverLength);
        QFETCH(double, published);
        const long double k = coil::nagaokaCoefficient(diameterOverLength);
        QCOMPARE(std::lround(k * 10000.0L), std::lround(published * 10000.0));
    }

    void inductance_data()
    {
        QTest::addColumn<double>("diameter");
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("turns");
        QTest::addColumn<double>("microhenries");
        // 20 turns on 1 cm spread over 10 cm: a seventh of the close-wound 2,759.
        QTest::newRow("spaced winding") << 1.0 << 10.0 << 20.0 << 0.37852;
        QTest::newRow("as long as wide") << 1.0 << 1.0 << 20.0 << 2.71778;
        // A very long sheet tends to mu0 * pi * r^2 * n^2 / l.
        QTest::newRow("long solenoid") << 1.0 << 1000.0 << 1000.0 << 9.86542;
    }
    void inductance()
    {
        QFETCH(double, diameter);
        QFETCH(double, length);
        QFETCH(double, turns);
        QFETCH(double, microhenries);
        const long double value = coil::currentSheetInductance(diameter, length, turns);
        QVERIFY2(std::fabs(value / microhenries - 1.0L) < 2e-5L, qPrintable(QString::number(double(value))));
    }
};

QTEST_APPLESS_MAIN(TestCurrentSheet)
#include "test_currentsheet.moc"
