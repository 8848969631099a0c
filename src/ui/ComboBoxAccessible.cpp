// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ComboBoxAccessible.h"

#include "ui/ComboBox.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace ui {
namespace {

class AccessibleComboBox : public QAccessibleWidget
{
public:
    explicit AccessibleComboBox(ComboBox *combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name:
            if (!combo()->accessibleName().isEmpty())
                return combo()->accessibleName();
            return combo()->currentText();
        case QAccessible::Value:
            return combo()->currentText();
        default:
            return QAccessibleWidget::text(kind);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State result = QAccessibleWidget::state();
        result.expandable = true;
        result.expanded = combo()->view()->isVisible();
        result.collapsed = !result.expanded;
        result.hasPopup = true;
        return result;
    }

    // The items, as the popup's list.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == combo()->view() ? 0 : -1;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (combo()->view()->isVisible())
            combo()->hidePopup();
        else
            combo()->showPopup();
    }

private:
    ComboBox *combo() const { return static_cast<ComboBox *>(widget()); }
};

QAccessibleInterface *comboBoxAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(ComboBox::staticMetaObject.className())) {
        if (auto *combo = qobject_cast<ComboBox *>(object))
            return new AccessibleComboBox(combo);
    }
    return nullptr;
}

} // namespace

void installComboBoxAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(comboBoxAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace ui
