// The palette: readable text colours on white and on the fills.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "platform/palette.h"

namespace cw {
namespace {

struct Pair {
    int text, fill;
    double min_ratio;
};

// Every text colour the shell draws on a fill, with the contrast it needs.
const Pair kPairs[] = {
    {9, 4, 3.0},    // any-key request on its box
    {9, 12, 3.0},   // next-step question on its box
    {13, 10, 3.0},  // odd menu items on the menu panel
    {15, 10, 3.0},  // heading and even menu items on the panel
    {0, 15, 7.0},   // body text
    {5, 15, 4.5},   // answers and the typed number
    {13, 15, 4.5},  // box borders and the error line
};

// Every colour the lessons write text in, on the white background.
TEST(Palette, EveryTextColourReadsOnWhite) {
    for (int c : {0, 1, 2, 3, 5, 6, 7, 8, 9, 11, 13, 14})
        EXPECT_GE(contrast_ratio(c, BACKGROUND), 4.5) << "colour " << c;
}

TEST(Palette, TextOnFillIsReadable) {
    for (const Pair& p : kPairs)
        EXPECT_GE(contrast_ratio(p.text, p.fill), p.min_ratio) << "colour " << p.text << " on " << p.fill;
}

TEST(Palette, BackgroundIsWhiteAndColoursAreDistinct) {
    Rgb bg = palette_rgb(BACKGROUND);
    EXPECT_EQ(std::make_tuple(bg.r, bg.g, bg.b), std::make_tuple(255, 255, 255));
    std::set<std::tuple<int, int, int>> seen;
    for (int i = 0; i < PALETTE_SIZE; ++i) {
        Rgb c = palette_rgb(i);
        EXPECT_TRUE(seen.insert({c.r, c.g, c.b}).second) << "colour " << i << " repeats another";
    }
}

TEST(Palette, ContrastFormula) {
    EXPECT_NEAR(contrast_ratio(0, 15), 21.0, 1e-9);
    EXPECT_NEAR(contrast_ratio(15, 15), 1.0, 1e-9);
    EXPECT_DOUBLE_EQ(contrast_ratio(4, 9), contrast_ratio(9, 4));
}

}  // namespace
}  // namespace cw
