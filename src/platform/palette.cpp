#include "platform/palette.h"

#include <array>
#include <cmath>

namespace cw {

namespace {

using Table = std::array<Rgb, PALETTE_SIZE>;

// Fills: light tints, so that every deep tone below reaches 4.5:1 on every
// one of them; the number cells (3) and the menu panel (10) stay dark.  The
// tints the lessons fill areas with (4, 11, 12, 13) are as deep as that
// allows, so that a projector at the back of a room still shows them apart
// from white (1.38:1 or more, a colour difference over 30) and from one
// another where they meet (the flower bed's 11 and 13).
constexpr Table kFill = {{
    {224, 224, 224},  // 0  grey
    {214, 226, 255},  // 1  sky blue
    {255, 218, 212},  // 2  rose
    {90, 0, 120},     // 3  purple: the number cells, dark
    {184, 230, 184},  // 4  pale green: the any-key box, title cells
    {255, 226, 226},  // 5  blush
    {242, 230, 206},  // 6  sand
    {240, 240, 240},  // 7  light grey
    {212, 212, 212},  // 8  silver
    {228, 222, 255},  // 9  lavender
    {0, 42, 70},      // 10 navy: the menu panel, dark
    {150, 230, 218},  // 11 pale teal
    {252, 212, 164},  // 12 pale orange: the next-step box
    {252, 202, 246},  // 13 pale pink
    {236, 240, 168},  // 14 pale olive
    {255, 255, 255},  // 15 background
}};

// Text and marks on white and on the light tints.  The arcs that tie a term
// to its result (3, 7, 9 and 11) stand apart for a pupil who cannot tell
// red from green as well, so they differ in lightness first and then along
// blue and yellow: grey 7 is as light as an ink may be and still read on
// every tint, purple 3 a little darker, teal 11 much darker and blue 9 the
// darkest and bluest.  They also stay at least as far apart in colour as
// they were drawn before colours were painted by use.  The grey of problem
// lines (7) stays well clear of black working (0).
constexpr Table kInk = {{
    {0, 0, 0},        // 0  body text
    {0, 60, 200},     // 1  blue
    {170, 20, 0},     // 2  red
    {130, 0, 150},    // 3  headings: purple
    {0, 100, 20},     // 4  green
    {180, 0, 50},     // 5  answers and typed input: crimson
    {115, 75, 0},     // 6  brown
    {88, 88, 88},     // 7  grey: homework lines and method headings
    {56, 56, 56},     // 8  dark grey
    {20, 0, 165},     // 9  prompt text: deep blue
    {0, 42, 70},      // 10 navy
    {0, 68, 44},      // 11 teal: deep, to stand apart from the grey
    {150, 65, 0},     // 12 orange
    {170, 0, 110},    // 13 borders, odd menu items, error text: magenta
    {95, 88, 0},      // 14 ochre
    {255, 255, 255},  // 15 background
}};

// Text and marks on a dark fill: the same hues, lifted.
constexpr Table kLifted = {{
    {220, 220, 220},  // 0
    {170, 190, 255},  // 1
    {255, 170, 150},  // 2
    {225, 180, 255},  // 3
    {176, 232, 176},  // 4
    {255, 160, 180},  // 5
    {240, 200, 140},  // 6
    {200, 200, 200},  // 7
    {180, 180, 180},  // 8
    {200, 180, 255},  // 9
    {150, 200, 230},  // 10
    {120, 220, 205},  // 11
    {255, 210, 150},  // 12
    {255, 150, 210},  // 13 odd menu items, page numbers on purple
    {235, 215, 120},  // 14
    {255, 255, 255},  // 15 heading and even menu items on the panel
}};

size_t slot(int index) { return static_cast<size_t>(index < 0 || index >= PALETTE_SIZE ? BACKGROUND : index); }

double channel(uint8_t v) {
    double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

Rgb fill_rgb(int index) { return kFill[slot(index)]; }

// Below this luminance black text would read worse than white.
bool dark_fill(int index) { return relative_luminance(fill_rgb(index)) < 0.18; }

Rgb ink_rgb(int index, int beneath) { return (dark_fill(beneath) ? kLifted : kInk)[slot(index)]; }

double relative_luminance(Rgb c) {
    return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}

}  // namespace cw
