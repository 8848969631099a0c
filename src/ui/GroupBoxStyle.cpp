// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GroupBoxStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionGroupBox>

namespace ui {

namespace {

class CaptionOnFrameStyle : public QProxyStyle
{
public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget) const override
    {
        const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
        if (control != CC_GroupBox || !box || box->text.isEmpty()) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        // The frame line runs through the caption's middle and stops short
        // of the caption on both sides.
        const QRect caption = subControlRect(control, option, SC_GroupBoxLabel, widget);
        if (box->subControls & SC_GroupBoxFrame) {
            painter->save();
            painter->setClipRegion(QRegion(box->rect) - caption.adjusted(-2, 0, 2, 0));
            painter->setPen(box->palette.color(QPalette::Mid));
            painter->setBrush(Qt::NoBrush);
            QRect frame = box->rect.adjusted(0, 0, -1, -1);
            frame.setTop(caption.center().y());
            painter->drawRoundedRect(frame, 2, 2);
            painter->restore();
        }
        QStyleOptionGroupBox captionOnly = *box;
        captionOnly.subControls &= ~SC_GroupBoxFrame;
        QProxyStyle::drawComplexControl(control, &captionOnly, painter, widget);
    }
};

} // namespace

void putCaptionOnFrame(QGroupBox *box)
{
    // One style for every such box, living as long as the application.
    static CaptionOnFrameStyle *style = [] {
        auto *created = new CaptionOnFrameStyle;
        created->setParent(qApp);
        return created;
    }();
    box->setStyle(style);
}

} // namespace ui
