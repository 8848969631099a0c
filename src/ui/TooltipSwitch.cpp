// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TooltipSwitch.h"

#include "ui/TooltipStyle.h"

#include <QApplication>
#include <QEvent>
#include <QToolTip>

namespace ui {

TooltipSwitch::TooltipSwitch(QObject *parent)
    : QObject(parent)
{
    installTooltipStyle(TooltipOpacity);
    // On the application, so that windows opened later obey it too.
    qApp->installEventFilter(this);
}

void TooltipSwitch::setOn(bool on)
{
    m_on = on;
    if (!on)
        QToolTip::hideText();
}

bool TooltipSwitch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip && !m_on)
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace ui
