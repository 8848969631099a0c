// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names and texts of a control for the program's code, its tooltips and
// assistive tools.

#include <QString>

class QWidget;

namespace ui {

// objectName, accessibleName (the caption) and, when given, the hint as
// tooltip and accessibleDescription.
// The caption and the hint as assistive tools read them.
void setAccessibleTexts(QWidget *control, const QString &name, const QString &description);

void describeControl(QWidget *control, const QString &name, const QString &caption,
                     const QString &hint = QString());

} // namespace ui
