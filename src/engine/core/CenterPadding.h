#pragma once

namespace qv {

// Grids that do not paint their own cells centre a text by leading blanks: the text is centred in a
// share (80 or 70 percent) of its column. All widths in pixels.

// The nearest integer, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
long long RoundHalfEven(double value);

// The number of leading blanks that centre a text of textWidth in sharePercent of columnWidth, when one
// blank is blankWidth wide. Never negative.
int CenterPadBlanks(int columnWidth, int sharePercent, int textWidth, int blankWidth);

} // namespace qv
