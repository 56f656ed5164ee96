// The sixteen screen colours.  Index 15 is the window background: the
// cleared window shows it and every erase paints it.
//
// One colour per index cannot read well everywhere: the lessons write text
// on white, on pale cells and on the dark menu panel, in the same indexes
// they fill cells with.  So an index is painted by its use: where it fills
// a box or a sector, in a light tint of its hue (3 and 10, the number cells
// and the menu panel, are dark fills); where it draws text or a mark (a
// stroke, a frame, an arc), in a deep tone of the same hue, lifted to a
// light one over a dark fill.
#pragma once
#include <cstdint>

namespace cw {

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

constexpr int PALETTE_SIZE = 16;
constexpr int BACKGROUND = 15;

// The colour of an index where it fills a box, a sector or the window;
// indexes outside 0..15 give the background.
Rgb fill_rgb(int index);
// Whether a fill in this index is dark, so that ink on it is lifted.
bool dark_fill(int index);
// The colour of an index where it draws text or a mark over a fill in the
// index `beneath`; indexes outside 0..15 give the background.  The
// background index is white in every use.
Rgb ink_rgb(int index, int beneath);

// Relative luminance (0 black .. 1 white) as the WCAG formula defines it.
double relative_luminance(Rgb c);

}  // namespace cw
