// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LinkLabel.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::setHovered(bool hovered)
{
    if (hovered == m_hovered)
        return;
    if (hovered)
        m_normalColor = palette().color(QPalette::WindowText);
    // The palette's own link blue: plain blue on a light desktop, a lighter
    // one that still reads on a dark theme.
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, hovered ? colours.color(QPalette::Link) : m_normalColor);
    setPalette(colours);
    m_hovered = hovered;
}

void LinkLabel::enterEvent(QEnterEvent *event)
{
    setHovered(true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent *event)
{
    setHovered(false);
    QLabel::leaveEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // Like a button: the click counts when released over the link.
    const bool click = m_pressed && event->button() == Qt::LeftButton
                    && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}
