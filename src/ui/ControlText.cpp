// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ControlText.h"

#include <QWidget>

namespace ui {

void setAccessibleTexts(QWidget *control, const QString &name, const QString &description)
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

void describeControl(QWidget *control, const QString &name, const QString &caption,
                     const QString &hint)
{
    control->setObjectName(name);
    control->setAccessibleName(caption);
    if (!hint.isEmpty()) {
        control->setToolTip(hint);
        control->setAccessibleDescription(hint);
    }
}

} // namespace ui
