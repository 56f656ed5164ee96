// The palette: readable text colours on white and on the fills, and the
// colours a pupil must tell apart kept apart for every eye.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/palette.h"
#include "support/colour.h"

namespace cw {
namespace {

using test::colour_difference;
using test::contrast_ratio;
using test::kEveryVision;
using test::Vision;
using test::vision_name;

// Hue in degrees and saturation (0..1) of a colour, HSL style.
std::pair<double, double> hue_and_saturation(Rgb c) {
    double r = c.r / 255.0, g = c.g / 255.0, b = c.b / 255.0;
    double hi = std::max({r, g, b}), lo = std::min({r, g, b}), d = hi - lo;
    if (d == 0) return {0, 0};
    double l = (hi + lo) / 2, s = d / (1 - std::fabs(2 * l - 1));
    double h = hi == r ? std::fmod((g - b) / d + 6, 6) : hi == g ? (b - r) / d + 2 : (r - g) / d + 4;
    return {h * 60, s};
}

double hue_gap(double a, double b) {
    double d = std::fabs(a - b);
    return std::min(d, 360 - d);
}

// Every colour an index may be painted in, over every fill it may stand
// on: text reaches 4.5:1 (and so marks 3:1) wherever it is written.  The
// lessons' own tour checks the pairs really drawn; this checks that no pair
// of the palette is left out of reach.
TEST(Palette, InkReadsOnEveryFill) {
    for (int fill = 0; fill < PALETTE_SIZE; ++fill)
        for (int c = 0; c < PALETTE_SIZE; ++c) {
            if (c == BACKGROUND) continue;  // an erase
            double ratio = contrast_ratio(ink_rgb(c, fill), fill_rgb(fill));
            EXPECT_GE(ratio, 4.5) << "colour " << c << " on fill " << fill;
        }
    // White, the heading and even menu items, on the dark fills.
    for (int fill : {3, 10}) {
        ASSERT_TRUE(dark_fill(fill)) << fill;
        EXPECT_GE(contrast_ratio(ink_rgb(BACKGROUND, fill), fill_rgb(fill)), 4.5) << fill;
    }
}

TEST(Palette, FillsAreLightTintsButTheMenuPanelAndNumberCells) {
    for (int i = 0; i < PALETTE_SIZE; ++i) {
        bool dark = i == 3 || i == 10;
        EXPECT_EQ(dark_fill(i), dark) << i;
        if (!dark) {
            EXPECT_GT(relative_luminance(fill_rgb(i)), 0.6) << i;
        }
        // Ink in a light tone where the fill is dark, deep where it is light.
        EXPECT_EQ(ink_rgb(i, 10) == ink_rgb(i, 15), i == BACKGROUND) << i;
        EXPECT_EQ(ink_rgb(i, 4), ink_rgb(i, 15)) << i;
    }
}

TEST(Palette, BackgroundIsWhiteInEveryUse) {
    const Rgb white{255, 255, 255};
    EXPECT_EQ(fill_rgb(BACKGROUND), white);
    for (int under = 0; under < PALETTE_SIZE; ++under) EXPECT_EQ(ink_rgb(BACKGROUND, under), white) << under;
    // Out of range is the background.
    EXPECT_EQ(fill_rgb(16), white);
    EXPECT_EQ(ink_rgb(-1, 10), white);
}

// Each index keeps its hue in all three tones (the greys stay grey) and
// differs from every other index in each tone.
TEST(Palette, EachIndexKeepsItsHueAndStaysDistinct) {
    auto tones = [](int i) { return std::array<Rgb, 3>{fill_rgb(i), ink_rgb(i, 15), ink_rgb(i, 10)}; };
    for (int i = 0; i < BACKGROUND; ++i) {
        auto t = tones(i);
        auto [hue, sat] = hue_and_saturation(t[1]);
        for (Rgb c : t) {
            auto [h, s] = hue_and_saturation(c);
            if (sat < 0.05) {
                EXPECT_LT(s, 0.05) << "grey " << i;
            } else {
                EXPECT_LT(hue_gap(h, hue), 22) << "colour " << i;
            }
        }
    }
    for (int tone = 0; tone < 3; ++tone)
        for (int a = 0; a < PALETTE_SIZE; ++a)
            for (int b = a + 1; b < PALETTE_SIZE; ++b) {
                Rgb x = tones(a)[tone], y = tones(b)[tone];
                double d = std::hypot(x.r - y.r, x.g - y.g, x.b - y.b);
                EXPECT_GE(d, 14) << "tone " << tone << ": colours " << a << " and " << b;
            }
}

// Colours that tell things apart stay apart.  The arcs and marks that tie a
// term to its result (Kelvane lesson 4: 3, 7, 9 and 11, each pair of them
// on one page) are no closer in colour than they were drawn before colours
// were painted by use; the tints the lessons fill areas with stand apart
// from white and, where two meet (the flower bed of Kelvane lesson 4: 11
// and 13), from each other, as a projector at the back of a room shows them.
TEST(Palette, ColoursThatTellThingsApartStayApart) {
    // The inks the arcs were drawn in then.
    const std::map<int, Rgb> before = {{3, {120, 0, 140}}, {7, {117, 117, 117}}, {9, {0, 0, 150}}, {11, {0, 128, 138}}};
    const Rgb white = fill_rgb(BACKGROUND);
    struct Case {
        std::string what;
        Rgb a, b;
        double difference;  // at least this far apart
        double contrast;    // and at least this contrast
    };
    std::vector<Case> cases;
    for (auto [a, then_a] : before)
        for (auto [b, then_b] : before)
            if (a < b)
                cases.push_back({"arcs in " + std::to_string(a) + " and " + std::to_string(b), ink_rgb(a, BACKGROUND),
                                 ink_rgb(b, BACKGROUND), colour_difference(then_a, then_b), 1});
    for (int tint : {4, 11, 12, 13})
        cases.push_back({"tint " + std::to_string(tint) + " on white", fill_rgb(tint), white, 30, 1.35});
    cases.push_back({"tints 11 and 13", fill_rgb(11), fill_rgb(13), 40, 1});
    for (const Case& c : cases) {
        EXPECT_GE(colour_difference(c.a, c.b), c.difference) << c.what;
        EXPECT_GE(contrast_ratio(c.a, c.b), c.contrast) << c.what;
    }
}

// The inks a pupil must tell apart, on white, as a pupil with normal
// vision, a deuteranope and a protanope sees them: each hue an arc ties a
// term to its result in from the others (Kelvane lesson 4 ③ and ④ and
// lesson 5 ①: 3, 7, 9 and 11, two or three of them on a page), the arcs of
// one figure (Sarnoth lesson 6 ⑤: 0, 3 and 7), and the grey of problem
// lines and headings from the black working beside them, as far as a tint
// stands from white, so that the grey never reads as a faded black.
TEST(Palette, InksAPupilMustTellApartStayApartForEveryEye) {
    struct Case {
        std::string what;
        int a, b;
        double least;  // colour difference for every eye
    };
    std::vector<Case> cases;
    const int arcs[] = {3, 7, 9, 11};
    for (int a : arcs)
        for (int b : arcs)
            if (a < b) cases.push_back({"arcs in " + std::to_string(a) + " and " + std::to_string(b), a, b, 12});
    cases.push_back({"a figure's arcs in 0 and 3", 0, 3, 12});
    cases.push_back({"grey lines (7) and black working (0)", 7, 0, 30});
    for (const Case& c : cases)
        for (Vision v : kEveryVision)
            EXPECT_GE(colour_difference(ink_rgb(c.a, BACKGROUND), ink_rgb(c.b, BACKGROUND), v), c.least)
                << c.what << ", for " << vision_name(v);
}

TEST(Palette, ColourDifference) {
    const Rgb black{0, 0, 0}, white{255, 255, 255};
    EXPECT_NEAR(colour_difference(black, white), 100.0, 0.01);  // L* from 0 to 100
    EXPECT_NEAR(colour_difference({255, 0, 0}, white), 114.6, 0.1);
    EXPECT_DOUBLE_EQ(colour_difference(white, white), 0);
}

// As a dichromat sees them: greys stay as they are; red dims for a
// protanope, and red and green close up for both; a teal and a grey of one
// lightness, which an eye with all three cones tells apart, are almost one
// colour to a deuteranope.
TEST(Palette, ColourDifferenceForAColourBlindEye) {
    const Rgb black{0, 0, 0}, grey{88, 88, 88}, red{255, 0, 0}, green{0, 160, 0}, teal{0, 100, 80};
    struct Case {
        Rgb a, b;
        double normal, deuteranope, protanope;
    };
    const Case cases[] = {
        {grey, black, 37.4, 37.4, 37.4},
        {red, black, 117.3, 87.6, 62.4},
        {red, green, 141.2, 12.1, 25.2},
        {teal, grey, 30.8, 2.4, 8.5},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(colour_difference(c.a, c.b, Vision::Normal), c.normal, 0.1);
        EXPECT_NEAR(colour_difference(c.a, c.b, Vision::Deuteranope), c.deuteranope, 0.1);
        EXPECT_NEAR(colour_difference(c.a, c.b, Vision::Protanope), c.protanope, 0.1);
    }
}

TEST(Palette, ContrastFormula) {
    const Rgb black{0, 0, 0}, white{255, 255, 255}, grey{118, 118, 118};
    EXPECT_NEAR(contrast_ratio(black, white), 21.0, 1e-9);
    EXPECT_NEAR(contrast_ratio(white, white), 1.0, 1e-9);
    EXPECT_NEAR(contrast_ratio(grey, white), 4.54, 0.01);  // the WCAG's own threshold grey
    EXPECT_DOUBLE_EQ(contrast_ratio(grey, black), contrast_ratio(black, grey));
}

}  // namespace
}  // namespace cw
