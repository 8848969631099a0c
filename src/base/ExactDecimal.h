// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a decimal number in C form ("-12.5", "1e-3") into the nearest long
// double, on every system and whatever the C locale says. std::from_chars
// is not enough: mingw's reads long double at double precision only; and
// strtold follows the decimal point of the locale that Qt sets.

#include <optional>
#include <string>

namespace base {

// The nearest long double; nothing unless the whole text is one number.
std::optional<long double> readExactDecimal(const std::string &text);

} // namespace base
