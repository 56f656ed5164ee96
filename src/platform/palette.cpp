#include "platform/palette.h"

#include <array>
#include <cmath>
#include <utility>

namespace cw {

namespace {

// Chosen so that every colour a lesson writes text in reaches 4.5:1 on the
// background 15 (a classroom projector washes out anything paler), menu
// items 13 and 15 reach 3:1 on the dark panel 10, and prompt text 9 stays
// readable on the any-key fill 4 and the next-step fill 12.
constexpr std::array<Rgb, PALETTE_SIZE> kPalette = {{
    {0, 0, 0},        // 0  body text
    {0, 0, 170},      // 1  blue
    {190, 0, 0},      // 2  red
    {120, 0, 140},    // 3  headings: purple
    {176, 232, 176},  // 4  any-key fill: pale green
    {200, 0, 40},     // 5  answers and typed input: crimson
    {130, 90, 0},     // 6  brown
    {117, 117, 117},  // 7  grey: homework lines and method headings
    {90, 90, 90},     // 8  dark grey
    {0, 0, 150},      // 9  prompt text: deep blue
    {0, 42, 70},      // 10 menu panel: dark navy
    {0, 128, 138},    // 11 teal
    {255, 222, 170},  // 12 next-step fill: pale orange
    {214, 40, 150},   // 13 borders, odd menu items, error text: magenta
    {140, 112, 0},    // 14 ochre
    {255, 255, 255},  // 15 background
}};

double channel(uint8_t v) {
    double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

Rgb palette_rgb(int index) {
    if (index < 0 || index >= PALETTE_SIZE) index = BACKGROUND;
    return kPalette[static_cast<size_t>(index)];
}

double relative_luminance(Rgb c) {
    return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}

double contrast_ratio(int a, int b) {
    double la = relative_luminance(palette_rgb(a)), lb = relative_luminance(palette_rgb(b));
    if (la < lb) std::swap(la, lb);
    return (la + 0.05) / (lb + 0.05);
}

}  // namespace cw
