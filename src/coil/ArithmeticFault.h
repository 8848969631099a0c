// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fault that a coil calculation raises instead of producing an infinity
// or a not-a-number. Every calculation catches it and reports it itself.

#include <stdexcept>

namespace coil {

class ArithmeticFault : public std::runtime_error
{
public:
    enum class Kind {
        DivisionByZero,   // x / 0, 0 / 0 included, and the logarithm of zero
        InvalidOperation, // square root or logarithm of a negative number
        Overflow          // a finite computation whose result is infinite
    };

    ArithmeticFault(Kind kind, const char *what)
        : std::runtime_error(what), m_kind(kind) {}

    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

} // namespace coil
