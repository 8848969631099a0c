// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TooltipStyle.h"

#include <QApplication>

namespace ui {

TooltipStyle::TooltipStyle(int opacity)
    : m_opacity(opacity)
{
}

int TooltipStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                            QStyleHintReturn *returnData) const
{
    if (hint == SH_ToolTipLabel_Opacity)
        return m_opacity;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void installTooltipStyle(int opacity)
{
    if (qobject_cast<TooltipStyle *>(QApplication::style()))
        return;
    QApplication::setStyle(new TooltipStyle(opacity));
}

} // namespace ui
