// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows' base font: "MS Sans Serif", 11 pixels high. Where that face is
// missing (every system but Windows), a face with the metrics of Arial stands
// in for it, rather than whatever wide face the system would pick: the
// windows' fixed layouts are made for narrow captions.

#include <QFont>

namespace ui {

QFont windowBaseFont();

// A face at a size in pixels, as the fixed layouts measure their texts.
QFont pixelFont(const QString &family, int pixels);

} // namespace ui
