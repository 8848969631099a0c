#pragma once
// The scrolling credits area of the about box: the text rises one pixel per
// 50 ms tick from the moment the area is made, fading in and out by the
// rules of CreditsScroll, and starts again from below when it has passed.

#include "app/CreditsText.h"

#include <QFont>
#include <QList>
#include <QTimer>
#include <QWidget>

class CreditsView : public QWidget
{
    Q_OBJECT

public:
    explicit CreditsView(QWidget *parent = nullptr);

    // One step of the scroll, as the timer makes it.
    void tick();
    // Ticks since the text last started at the bottom.
    int tickCount() const { return m_tick; }
    int textTop() const;
    // Lines follow each other at the body font's line height.
    int lineHeight() const;
    int textHeight() const;
    QTimer *timer() { return &m_timer; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<app::credits::CreditsLine> m_lines;
    QFont m_headerFont;
    QFont m_bodyFont;
    QTimer m_timer;
    int m_tick = 0;
};
