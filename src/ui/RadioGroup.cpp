// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QEvent>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace ui {

RadioGroup::RadioGroup(QWidget *parent)
    : QGroupBox(parent)
    , m_buttons(new QButtonGroup(this))
    , m_layout(new QGridLayout(this))
{
    m_layout->setContentsMargins(6, 2, 2, 2);
    m_layout->setSpacing(0);
    connect(m_buttons, &QButtonGroup::idToggled, this, &RadioGroup::buttonToggled);
}

void RadioGroup::setItems(const QStringList &items, int columns)
{
    for (QAbstractButton *old : m_buttons->buttons()) {
        m_buttons->removeButton(old);
        delete old;
    }
    m_itemIndex = -1;
    columns = qMax(1, columns);
    const int rows = (int(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items.at(i), this);
        button->setObjectName(objectName() + QStringLiteral("_item%1").arg(i));
        m_buttons->addButton(button, i);
        m_layout->addWidget(button, i % rows, i / rows);
    }
    for (int column = 0; column < columns; ++column)
        m_layout->setColumnStretch(column, 1);
    fitItemsToTexts();
    updateTabStop();
}

void RadioGroup::updateTabStop()
{
    // The group is one stop of the Tab key, on its selected item (the first
    // while none is selected); the arrow keys move between the items. Qt
    // would otherwise keep the stop on the item that had the focus last.
    QAbstractButton *stop = m_buttons->checkedButton();
    if (!stop)
        stop = m_buttons->button(0);
    for (QAbstractButton *item : m_buttons->buttons()) {
        const Qt::FocusPolicy policy = item->focusPolicy();
        item->setFocusPolicy(item == stop ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                          : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

void RadioGroup::fitItemsToTexts()
{
    // An item never gets narrower than its indicator and text: when the
    // columns are tight, a long item takes room that shorter ones can spare
    // instead of being cut off.
    const QFontMetrics metrics(font());
    for (QAbstractButton *item : m_buttons->buttons()) {
        QStyleOptionButton option;
        option.initFrom(item);
        const int indicator = item->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, item)
                              + item->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, item);
        item->setMinimumWidth(indicator + metrics.horizontalAdvance(item->text()));
    }
}

int RadioGroup::count() const
{
    return int(m_buttons->buttons().size());
}

QRadioButton *RadioGroup::button(int index) const
{
    return qobject_cast<QRadioButton *>(m_buttons->button(index));
}

void RadioGroup::setItemIndex(int index)
{
    index = qBound(-1, index, count() - 1);
    if (index == m_itemIndex)
        return;
    m_itemIndex = index;
    if (index < 0) {
        // An exclusive group never lets its last checked button go.
        m_buttons->setExclusive(false);
        if (QAbstractButton *checked = m_buttons->checkedButton())
            checked->setChecked(false);
        m_buttons->setExclusive(true);
    } else {
        m_buttons->button(index)->setChecked(true);
    }
    updateTabStop();
    emit itemClicked();
}

void RadioGroup::setBorderless(bool borderless)
{
    m_borderless = borderless;
    if (borderless)
        setTitle(QString());
    dropFrameMargins();
    update();
}

void RadioGroup::changeEvent(QEvent *event)
{
    // The group box sets its margins anew for the frame and caption of the
    // new font or style.
    QGroupBox::changeEvent(event);
    dropFrameMargins();
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitItemsToTexts();
}

void RadioGroup::dropFrameMargins()
{
    // Without a frame the items may use the whole height: the margins the
    // group box keeps for its frame and caption would squeeze them.
    if (m_borderless)
        setContentsMargins(0, 0, 0, 0);
}

void RadioGroup::paintEvent(QPaintEvent *event)
{
    if (!m_borderless)
        QGroupBox::paintEvent(event);
}

void RadioGroup::buttonToggled(int index, bool checked)
{
    // The program's own moves have already stored the index.
    if (!checked || index == m_itemIndex)
        return;
    m_itemIndex = index;
    updateTabStop();
    emit itemClicked();
}

} // namespace ui
