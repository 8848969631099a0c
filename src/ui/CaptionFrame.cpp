// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CaptionFrame.h"

#include <QPainter>

CaptionFrame::CaptionFrame(const QString &title, int captionHeight, QWidget *parent)
    : QGroupBox(title, parent)
    , m_captionHeight(captionHeight)
    , m_captionColor(palette().color(QPalette::WindowText))
{
}

void CaptionFrame::setCaptionColor(const QColor &color)
{
    m_captionColor = color;
    update();
}

void CaptionFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    const QRect bar(1, 1, width() - 2, m_captionHeight - 1);
    painter.fillRect(rect(), colours.color(QPalette::Button));
    painter.fillRect(bar, colours.color(QPalette::Midlight));
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawLine(1, m_captionHeight, width() - 2, m_captionHeight);

    painter.setFont(font());
    painter.setPen(m_captionColor);
    painter.drawText(bar, Qt::AlignCenter | Qt::TextSingleLine, title());
}
