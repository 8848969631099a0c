// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Extended-precision arithmetic that raises ArithmeticFault on division by
// zero, an invalid operation and overflow. The checks are explicit, so they
// behave alike whatever the optimiser does and on every platform; underflow
// and inexact results pass silently.

#include "coil/ArithmeticFault.h"

namespace coil::checked {

long double add(long double a, long double b);
long double sub(long double a, long double b);
long double mul(long double a, long double b);
long double div(long double a, long double b); // faults when b == 0
long double sqrt(long double x);               // faults when x < 0
long double ln(long double x);                 // faults when x <= 0

} // namespace coil::checked
