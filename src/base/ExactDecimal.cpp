// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ExactDecimal.h"

#include <locale>
#include <sstream>

namespace base {

std::optional<long double> readExactDecimal(const std::string &text)
{
    // A stream in the classic locale reads with the C library's exact
    // conversion under the "C" rules, on glibc and on mingw alike.
    std::istringstream stream(text);
    stream.imbue(std::locale::classic());
    long double value = 0;
    stream >> std::noskipws >> value;
    if (stream.fail() || stream.peek() != std::char_traits<char>::eof())
        return std::nullopt;
    return value;
}

} // namespace base
