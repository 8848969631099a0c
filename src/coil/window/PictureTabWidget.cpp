// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/window/PictureTabWidget.h"

#include <QKeyEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>

namespace coil {
namespace {

class FixedHeightTabBar : public QTabBar
{
public:
    FixedHeightTabBar(int height, QWidget *parent)
        : QTabBar(parent)
        , m_height(height)
    {
    }

    // Where a tab's picture goes: inside the tab's frame, below the shift
    // the style gives tabs that are not selected.
    QRect pictureRoom(const QStyleOptionTab &option) const
    {
        const int shift = option.state & QStyle::State_Selected
                              ? 0
                              : style()->pixelMetric(QStyle::PM_TabBarTabShiftVertical, &option, this);
        const QRect room = option.rect.adjusted(3, 3 + shift, -3, -2);
        const int side = qMin(room.width(), room.height());
        QRect square(0, 0, side, side);
        square.moveCenter(room.center());
        return square;
    }

protected:
    // The style would centre the whole picture on the strip and cut off what
    // does not fit; the picture is drawn whole, scaled into its room.
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        for (int i = 0; i < count(); ++i) {
            QStyleOptionTab option;
            initStyleOption(&option, i);
            const QIcon picture = option.icon;
            option.icon = QIcon();
            painter.drawControl(QStyle::CE_TabBarTab, option);
            const QRect room = pictureRoom(option);
            picture.paint(&painter, room, Qt::AlignCenter,
                          isTabEnabled(i) ? QIcon::Normal : QIcon::Disabled);
        }
    }

    QSize tabSizeHint(int index) const override
    {
        return withHeight(QTabBar::tabSizeHint(index));
    }
    QSize minimumTabSizeHint(int index) const override
    {
        return withHeight(QTabBar::minimumTabSizeHint(index));
    }

private:
    QSize withHeight(QSize size) const
    {
        size.setHeight(m_height);
        return size;
    }

    int m_height;
};

} // namespace

PictureTabWidget::PictureTabWidget(int stripHeight, const QSize &pictureSize, QWidget *parent)
    : QTabWidget(parent)
{
    setTabBar(new FixedHeightTabBar(stripHeight, this));
    setIconSize(pictureSize);
    setUsesScrollButtons(false);
}

int PictureTabWidget::addPictureTab(QWidget *page, const QIcon &picture)
{
    return addTab(page, picture, QString());
}

void PictureTabWidget::keyPressEvent(QKeyEvent *event)
{
    const bool page = event->key() == Qt::Key_PageDown || event->key() == Qt::Key_PageUp;
    if (!page || (event->modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier || count() < 2) {
        QTabWidget::keyPressEvent(event);
        return;
    }
    const int step = event->key() == Qt::Key_PageDown ? 1 : -1;
    setCurrentIndex((currentIndex() + step + count()) % count());
    event->accept();
}

} // namespace coil
