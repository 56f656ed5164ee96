// The sixteen screen colours.  Index 15 is the window background: the
// cleared window shows it and every erase paints it.
#pragma once
#include <cstdint>

namespace cw {

struct Rgb {
    uint8_t r, g, b;
};

constexpr int PALETTE_SIZE = 16;
constexpr int BACKGROUND = 15;

// The colour of a palette index; indexes outside 0..15 give the background.
Rgb palette_rgb(int index);

// Relative luminance (0 black .. 1 white) and the contrast ratio of two
// palette colours (1 .. 21) as the WCAG formulas define them.
double relative_luminance(Rgb c);
double contrast_ratio(int a, int b);

}  // namespace cw
