// SPDX-License-Identifier: GPL-3.0-or-later
// Checked extended-precision arithmetic: which operations fault, and which pass.

#include "coil/CheckedMath.h"

#include "support/NumberHelpers.h"

#include <QTest>

#include <cfloat>

using coil::ArithmeticFault;
namespace checked = coil::checked;

Q_DECLARE_METATYPE(ArithmeticFault::Kind)

namespace {

long double apply(const QString &op, long double a, long double b)
{
    if (op == QLatin1String("add"))
        return checked::add(a, b);
    if (op == QLatin1String("sub"))
        return checked::sub(a, b);
    if (op == QLatin1String("mul"))
        return checked::mul(a, b);
    if (op == QLatin1String("div"))
        return checked::div(a, b);
    if (op == QLatin1String("sqrt"))
        return checked::sqrt(a);
    if (op == QLatin1String("ln"))
        return checked::ln(a);
    qFatal("unknown operation");
}

} // namespace

class TestCheckedMath : public QObject
{
    Q_OBJECT

private slots:
    void faults_data();
    void faults();
    void passes_data();
    void passes();
};

void TestCheckedMath::faults_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<long double>("a");
    QTest::addColumn<long double>("b");
    QTest::addColumn<ArithmeticFault::Kind>("kind");

    using K = ArithmeticFault::Kind;
    QTest::newRow("one by zero") << "div" << 1.0L << 0.0L << K::DivisionByZero;
    QTest::newRow("zero by zero") << "div" << 0.0L << 0.0L << K::DivisionByZero;
    QTest::newRow("negative by negative zero") << "div" << -3.0L << -0.0L << K::DivisionByZero;
    QTest::newRow("quotient overflows") << "div" << LDBL_MAX << 0.5L << K::Overflow;
    QTest::newRow("tiny divisor overflows") << "div" << 1.0L << LDBL_TRUE_MIN << K::Overflow;
    QTest::newRow("product overflows") << "mul" << LDBL_MAX << 2.0L << K::Overflow;
    QTest::newRow("negative product overflows") << "mul" << -LDBL_MAX << LDBL_MAX << K::Overflow;
    QTest::newRow("sum overflows") << "add" << LDBL_MAX << LDBL_MAX << K::Overflow;
    QTest::newRow("difference overflows") << "sub" << -LDBL_MAX << LDBL_MAX << K::Overflow;
    QTest::newRow("root of negative") << "sqrt" << -1e-30L << 0.0L << K::InvalidOperation;
    QTest::newRow("logarithm of negative") << "ln" << -2.0L << 0.0L << K::InvalidOperation;
    QTest::newRow("logarithm of zero") << "ln" << 0.0L << 0.0L << K::DivisionByZero;
    QTest::newRow("logarithm of negative zero") << "ln" << -0.0L << 0.0L << K::DivisionByZero;
}

void TestCheckedMath::faults()
{
    QFETCH(QString, op);
    QFETCH(long double, a);
    QFETCH(long double, b);
    QFETCH(ArithmeticFault::Kind, kind);

    try {
        apply(op, a, b);
        QFAIL("no fault raised");
    } catch (const ArithmeticFault &fault) {
        QCOMPARE(fault.kind(), kind);
    }
}

void TestCheckedMath::passes_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<long double>("a");
    QTest::addColumn<long double>("b");
    QTest::addColumn<long double>("expected");

    QTest::newRow("product underflows to zero") << "mul" << LDBL_MIN << LDBL_MIN << 0.0L;
    QTest::newRow("quotient underflows to zero") << "div" << LDBL_TRUE_MIN << 4.0L << 0.0L;
    QTest::newRow("subnormal result") << "div" << LDBL_MIN << 2.0L << LDBL_MIN / 2;
    QTest::newRow("zero divided") << "div" << 0.0L << 7.0L << 0.0L;
    QTest::newRow("largest finite sum") << "add" << LDBL_MAX << -LDBL_MAX << 0.0L;
    QTest::newRow("root of zero") << "sqrt" << 0.0L << 0.0L << 0.0L;
    QTest::newRow("root of negative zero") << "sqrt" << -0.0L << 0.0L << 0.0L;
    QTest::newRow("root of a square") << "sqrt" << 144.0L << 0.0L << 12.0L;
    QTest::newRow("logarithm of one") << "ln" << 1.0L << 0.0L << 0.0L;
}

void TestCheckedMath::passes()
{
    QFETCH(QString, op);
    QFETCH(long double, a);
    QFETCH(long double, b);
    QFETCH(long double, expected);

    try {
        QVERIFY(apply(op, a, b) == expected);
    } catch (const ArithmeticFault &fault) {
        QFAIL(fault.what());
    }
}

QTEST_GUILESS_MAIN(TestCheckedMath)
#include "test_coilcheckedmath.moc"
