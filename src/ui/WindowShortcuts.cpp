// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowShortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QWidget>

namespace ui {
namespace {

bool windowActionUses(const QWidget *window, const QKeySequence &keys)
{
    const QList<QAction *> actions = window->findChildren<QAction *>();
    for (const QAction *action : actions) {
        // A shortcut of one control (the log's Del) leaves the key to the others.
        if (action->shortcutContext() == Qt::WidgetShortcut)
            continue;
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

    // F10 opens the menu bar on its first menu, as in every desktop program.
    auto *menuKey = new QAction(window);
    menuKey->setObjectName(QStringLiteral("menuBarKey"));
    menuKey->setShortcut(QKeySequence(Qt::Key_F10));
    menuKey->setShortcutContext(Qt::WindowShortcut);
    window->addAction(menuKey);
    connect(menuKey, &QAction::triggered, this, [this] { openMenuBar(m_window); });
}

void WindowShortcuts::openMenuBar(QWidget *window)
{
    auto *bar = window->findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly);
    if (!bar)
        return;
    for (QAction *menu : bar->actions()) {
        if (menu->isVisible() && menu->isEnabled() && !menu->isSeparator()) {
            bar->setActiveAction(menu);
            return;
        }
    }
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
