// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The winding type in force on the first tab, kept by each coil window.

namespace coil {

enum class WindingType { SingleLayer, MultiLayer };

} // namespace coil
