// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Menu shortcuts belong to their window: whatever control has the focus, a
// key that one of the window's actions uses runs that action and never
// reaches the control (a line edit would otherwise claim keys it edits with).
// F10 opens the window's menu bar.

#include <QObject>

class QWidget;

namespace ui {

class WindowShortcuts : public QObject
{
    Q_OBJECT
public:
    // Watches the key presses in `window`; lives as long as the window.
    explicit WindowShortcuts(QWidget *window);

    // Opens the first menu of the window's own menu bar, if it has one.
    static void openMenuBar(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
};

} // namespace ui
