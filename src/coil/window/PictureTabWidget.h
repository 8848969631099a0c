// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tab control whose tabs carry only a picture, in a tab strip of fixed
// height (the picture's own height), whatever the style would make it.

#include <QTabWidget>

namespace coil {

class PictureTabWidget : public QTabWidget
{
    Q_OBJECT
public:
    PictureTabWidget(int stripHeight, const QSize &pictureSize, QWidget *parent = nullptr);

    int addPictureTab(QWidget *page, const QIcon &picture);

protected:
    // Ctrl+PageDown and Ctrl+PageUp turn to the next and the previous tab,
    // as Ctrl+Tab and Ctrl+Shift+Tab do.
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace coil
