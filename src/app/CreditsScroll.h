#pragma once
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
