// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ComboBox.h"

#include "ui/ComboBoxAccessible.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionComboBox>

namespace ui {

namespace {

// The application's style with a narrower arrow area and a text field that
// reaches close to the frame. Everything else, the popup included, is drawn
// as usual.
class CompactComboStyle : public QProxyStyle
{
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                         SubControl subControl, const QWidget *widget) const override
    {
        const auto *combo = qstyleoption_cast<const QStyleOptionComboBox *>(option);
        if (control != CC_ComboBox || !combo || combo->editable
            || (subControl != SC_ComboBoxArrow && subControl != SC_ComboBoxEditField))
            return QProxyStyle::subControlRect(control, option, subControl, widget);

        const QRect frame = option->rect;
        const QRect arrow(frame.right() - arrowWidth + 1, frame.top(), arrowWidth, frame.height());
        // One pixel of frame, one of padding; the label draws one more pixel
        // in from either side of this field.
        const QRect field(QPoint(frame.left() + 2, frame.top() + 1),
                          QPoint(arrow.left() - 1, frame.bottom() - 1));
        return visualRect(option->direction, frame, subControl == SC_ComboBoxArrow ? arrow : field);
    }

    // An item's icon (a colour swatch) is shown in the arrow area, behind
    // the arrow: the text field keeps all its width for the longest item.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        const auto *combo = qstyleoption_cast<const QStyleOptionComboBox *>(option);
        if (control != CC_ComboBox || !combo || combo->editable || combo->currentIcon.isNull())
            return;
        const QRect area = subControlRect(control, option, SC_ComboBoxArrow, widget).adjusted(1, 2, -2, -2);
        const QImage swatch = combo->currentIcon.pixmap(area.size()).toImage();
        if (swatch.isNull())
            return;
        painter->save();
        painter->drawImage(area, swatch);
        // The arrow in black or white, whichever stands out from the swatch.
        const QColor middle = swatch.pixelColor(swatch.width() / 2, swatch.height() / 2);
        QStyleOption arrow(*option);
        arrow.rect = area;
        arrow.palette.setColor(QPalette::ButtonText, qGray(middle.rgb()) < 128 ? Qt::white : Qt::black);
        arrow.palette.setColor(QPalette::WindowText, arrow.palette.color(QPalette::ButtonText));
        arrow.palette.setColor(QPalette::Text, arrow.palette.color(QPalette::ButtonText));
        QProxyStyle::drawPrimitive(PE_IndicatorArrowDown, &arrow, painter, widget);
        painter->restore();
    }

    // The label draws the text alone; its icon is in the arrow area.
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *combo = qstyleoption_cast<const QStyleOptionComboBox *>(option);
        if (element != CE_ComboBoxLabel || !combo || combo->currentIcon.isNull())
            return QProxyStyle::drawControl(element, option, painter, widget);
        QStyleOptionComboBox textOnly(*combo);
        textOnly.currentIcon = QIcon();
        QProxyStyle::drawControl(element, &textOnly, painter, widget);
    }

private:
    static constexpr int arrowWidth = 13; // the right frame pixel included
};

} // namespace

ComboBox::ComboBox(QWidget *parent)
    : QComboBox(parent)
{
    installComboBoxAccessibility();
    setEditable(false);
    setInsertPolicy(QComboBox::NoInsert);
    // Follows every current item QComboBox takes, also the first one it picks
    // by itself when items are added to an empty list.
    connect(this, &QComboBox::currentIndexChanged, this, &ComboBox::showItem);
    // Picking the item already shown after -1 selects it again without a change.
    connect(this, &QComboBox::activated, this, &ComboBox::userPicked);
}

void ComboBox::setCompact(bool compact)
{
    if (compact == m_compact)
        return;
    m_compact = compact;
    if (compact) {
        // Owned by the list; the widget does not take a style over.
        auto *style = new CompactComboStyle;
        style->setParent(this);
        setStyle(style);
    } else {
        QStyle *own = style();
        setStyle(nullptr);
        delete own;
    }
    update();
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
