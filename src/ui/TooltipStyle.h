// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application's style with the program's semi-transparent tooltips.

#include <QProxyStyle>

namespace ui {

class TooltipStyle : public QProxyStyle
{
    Q_OBJECT
public:
    explicit TooltipStyle(int opacity);

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;

private:
    int m_opacity;
};

// Puts the style on the application once; later calls change nothing.
void installTooltipStyle(int opacity);

} // namespace ui
