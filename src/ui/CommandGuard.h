// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The general error box: an error that escapes a command is shown with its
// text, the application title as caption and an error icon, and the program
// goes on. A Cancel (CommandAborted) ends the command silently.

#include <QString>
#include <functional>

class QWidget;

namespace ui {

void showGeneralError(QWidget *parent, const QString &text);

// Runs a command; returns true when it finished without an error or abort.
bool runCommand(QWidget *parent, const std::function<void()> &command);

} // namespace ui
