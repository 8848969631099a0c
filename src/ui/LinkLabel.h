// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A label that acts as a link: a hand pointer, its text turns blue while the
// pointer is over it, and a left click emits clicked().

#include <QColor>
#include <QLabel>

class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);


signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setHovered(bool hovered);

    QColor m_normalColor;
    bool m_hovered = false;
    bool m_pressed = false;
};
