// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/window/PictureTabWidget.h"

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

protected:
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

} // namespace coil
