// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowShortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace ui {
namespace {

bool windowActionUses(const QWidget *window, const QKeySequence &keys)
{
    const QList<QAction *> actions = window->findChildren<QAction *>();
    for (const QAction *action : actions) {
        if (action->isEnabled() && action->shortcuts().contains(keys))
            return true;
    }
    return false;
}

} // namespace

WindowShortcuts::WindowShortcuts(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    // The focused control gets the override question first; the filter has to
    // see it before any control of the window does.
    qApp->installEventFilter(this);
}

bool WindowShortcuts::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType())
        return false;
    const auto *widget = static_cast<QWidget *>(watched);
    if (widget->window() != m_window)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (!windowActionUses(m_window, QKeySequence(key->keyCombination())))
        return false;
    // Unanswered override: the shortcut map runs the action.
    key->ignore();
    return true;
}

} // namespace ui
