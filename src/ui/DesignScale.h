// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows are laid out in fixed pixel positions drawn for a standard
// screen; on a screen set to a larger logical resolution (bigger fonts) every
// position and size grows by the same factor, so the controls keep room for
// their text.

#include <QRect>
#include <QSize>

class QWidget;

namespace ui {

class DesignScale
{
public:
    // The design values are for 96 logical dots per inch, the resolution
    // Qt reports for an unscaled desktop; the factor is 1 there.
    static constexpr double DesignDotsPerInch = 96.0;

    explicit DesignScale(double factor = 1.0) : m_factor(factor) {}
    // The factor for the screen the widget is (or will be) shown on.
    static DesignScale forWidget(const QWidget *widget);

    double factor() const { return m_factor; }
    int operator()(int designPixels) const;
    QSize size(int width, int height) const;
    QRect rect(int left, int top, int width, int height) const;

private:
    double m_factor;
};

} // namespace ui
