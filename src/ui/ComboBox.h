// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fixed drop-down list that the program drives by item index. It notifies
// only when the text it shows changes, whether the user or the program picked
// the item; -1 means no selection and leaves the shown text as it was.
// A compact look (narrow arrow, small padding) lets long item texts fit
// into a small list; there an item's icon is shown behind the arrow.

#include <QComboBox>

namespace ui {

class ComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ComboBox(QWidget *parent = nullptr);

    // 0-based; -1 when nothing is selected.
    int itemIndex() const { return m_itemIndex; }
    // An index outside the items counts as -1.
    void setItemIndex(int index);

    // A narrow arrow area and a small text padding; the text gets all the
    // rest of the width. Meant for small fixed-size lists.
    void setCompact(bool compact);

signals:
    void changed();

private:
    void showItem(int index);
    void userPicked(int index);

    int m_itemIndex = -1;
    QString m_shownText;
    bool m_compact = false;
};

} // namespace ui
