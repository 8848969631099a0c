// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scrolling credits of the about box: their text, how it moves and
// fades, and the area that shows it.

#include <QFont>
#include <QList>
#include <QString>
#include <QTimer>
#include <QWidget>

// The text of the scrolling credits, line by line, as it is drawn.
namespace app::credits {

struct CreditsLine
{
    QString text;      // drawn as it stands: no access keys, blanks kept
    bool isHeader = false;
};

QList<CreditsLine> creditsLines();

} // namespace app::credits

// How the credits move and fade. The text starts with its top at the fade-in
// row and rises one pixel per tick; a text row fades in between rows 105 and
// 55, is fully visible down to row 50, and fades out towards row 0. Rows
// are counted from the top of the credits area.
class QImage;

namespace app::credits {

constexpr int kTickMs = 50;
constexpr int kAreaWidth = 279;
constexpr int kAreaHeight = 119;
constexpr int kFadeInStart = 105;   // opacity 0 here and below it
constexpr int kFullFrom = 55;       // fully visible from here...
constexpr int kFullTo = 50;         // ...up to here

// Opacity of a row in whole percent, 0 to 100.
int rowOpacity(int row);

// Ticks from one start of the text to the next: it starts again once its
// last row has passed the top edge.
int loopLength(int textHeight);

// Row of the text's top edge after the given number of ticks.
int textTopAt(int tick, int textHeight);

// Applies rowOpacity() to every row of a premultiplied ARGB image of the
// area, so that drawing it over the background mixes text and background
// colours in that proportion. Rows count in device-independent pixels.
void fadeRows(QImage &image);

} // namespace app::credits

// The scrolling credits area of the about box: the text rises one pixel per
// 50 ms tick from the moment the area is made, fading in and out by the
// rules of CreditsScroll, and starts again from below when it has passed.
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
