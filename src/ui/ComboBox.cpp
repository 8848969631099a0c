#include "ui/ComboBox.h"

namespace ui {

ComboBox::ComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(false);
    setInsertPolicy(QComboBox::NoInsert);
    // Follows every current item QComboBox takes, also the first one it picks
    // by itself when items are added to an empty list.
    connect(this, &QComboBox::currentIndexChanged, this, &ComboBox::showItem);
    // Picking the item already shown after -1 selects it again without a change.
    connect(this, &QComboBox::activated, this, &ComboBox::userPicked);
}

void ComboBox::setItemIndex(int index)
{
    if (index < 0 || index >= count()) {
        // No selection: QComboBox would blank its text, so it keeps its item.
        m_itemIndex = -1;
        return;
    }
    if (index == currentIndex())
        m_itemIndex = index;
    else
        setCurrentIndex(index); // showItem follows
}

void ComboBox::showItem(int index)
{
    m_itemIndex = index;
    const QString text = index >= 0 ? itemText(index) : QString();
    if (text == m_shownText)
        return;
    m_shownText = text;
    emit changed();
}

void ComboBox::userPicked(int index)
{
    m_itemIndex = index;
}

} // namespace ui
