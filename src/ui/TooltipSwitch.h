// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one switch for the tooltips of every window of the program: while it is
// off, no tooltip comes up anywhere. Tooltips are drawn semi-transparent.

#include <QObject>

namespace ui {

class TooltipSwitch : public QObject
{
    Q_OBJECT
public:
    static constexpr int TooltipOpacity = 200; // of 255

    // Starts switched off. Installs itself on the application.
    explicit TooltipSwitch(QObject *parent = nullptr);

    bool isOn() const { return m_on; }
    void setOn(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_on = false;
};

} // namespace ui
