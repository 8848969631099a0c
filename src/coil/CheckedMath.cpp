// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/CheckedMath.h"

#include <cmath>

namespace coil::checked {

namespace {

// Operands come from spin boxes and earlier checked steps, so they are finite;
// a result that is not finite can only come from overflow.
long double finiteOrFault(long double result)
{
    if (std::isinf(result))
        throw ArithmeticFault(ArithmeticFault::Kind::Overflow, "floating-point overflow");
    if (std::isnan(result))
        throw ArithmeticFault(ArithmeticFault::Kind::InvalidOperation, "invalid floating-point operation");
    return result;
}

} // namespace

long double add(long double a, long double b) { return finiteOrFault(a + b); }
long double sub(long double a, long double b) { return finiteOrFault(a - b); }
long double mul(long double a, long double b) { return finiteOrFault(a * b); }

long double div(long double a, long double b)
{
    if (b == 0)
        throw ArithmeticFault(ArithmeticFault::Kind::DivisionByZero, "floating-point division by zero");
    return finiteOrFault(a / b);
}

long double sqrt(long double x)
{
    if (x < 0)
        throw ArithmeticFault(ArithmeticFault::Kind::InvalidOperation, "square root of a negative number");
    return finiteOrFault(std::sqrt(x));
}

long double ln(long double x)
{
    if (x < 0)
        throw ArithmeticFault(ArithmeticFault::Kind::InvalidOperation, "logarithm of a negative number");
    if (x == 0)
        throw ArithmeticFault(ArithmeticFault::Kind::DivisionByZero, "logarithm of zero");
    return finiteOrFault(std::log(x));
}

} // namespace coil::checked
