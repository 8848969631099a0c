// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A group of radio buttons in columns, driven by item index. Its click
// notification comes whenever the selection moves to another item, by a
// click or by the program; setting the index it already has is silent.
// Tab enters the group on its selected item.

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

namespace ui {

class RadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit RadioGroup(QWidget *parent = nullptr);

    // Items fill the columns one after another, top to bottom.
    void setItems(const QStringList &items, int columns = 1);
    int count() const;
    QRadioButton *button(int index) const;

    // -1 (none) to count() - 1.
    int itemIndex() const { return m_itemIndex; }
    // Values outside that range are limited to it.
    void setItemIndex(int index);

    // Without a frame (and without a caption).
    void setBorderless(bool borderless);

signals:
    void itemClicked();

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buttonToggled(int index, bool checked);
    void dropFrameMargins();
    void fitItemsToTexts();
    void updateTabStop();

    QButtonGroup *m_buttons;
    QGridLayout *m_layout;
    int m_itemIndex = -1;
    bool m_borderless = false;
};

} // namespace ui
