// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The busy cursor for the length of a long piece of work (opening, saving or
// printing a large log). The cursor comes back however the work ends, an
// exception included, so an error box that follows shows the normal one.

#include <QApplication>
#include <QCursor>

namespace ui {

class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace ui
