// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesignScale.h"

#include <QScreen>
#include <QWidget>
#include <cmath>

namespace ui {

DesignScale DesignScale::forWidget(const QWidget *widget)
{
    const QScreen *screen = widget->screen();
    if (!screen)
        return DesignScale();
    const double dpi = screen->logicalDotsPerInchY();
    // A screen that reports nothing sensible keeps the design size.
    if (!(dpi > 0))
        return DesignScale();
    return DesignScale(dpi / DesignDotsPerInch);
}

int DesignScale::operator()(int designPixels) const
{
    return int(std::lround(designPixels * m_factor));
}

QSize DesignScale::size(int width, int height) const
{
    return QSize((*this)(width), (*this)(height));
}

QRect DesignScale::rect(int left, int top, int width, int height) const
{
    // Edges are scaled, not the width and height, so that neighbours that
    // touch at design size still touch.
    const int x = (*this)(left);
    const int y = (*this)(top);
    return QRect(x, y, (*this)(left + width) - x, (*this)(top + height) - y);
}

} // namespace ui
