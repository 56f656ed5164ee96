// The cancellation of written-out fractions: where the factor groups stand
// and which letters pair, as plain computations.
#include <gtest/gtest.h>

#include "lessons/cancellation.h"

namespace cw::lesson {
namespace {

TEST(PlaceFactors, ThirdFactorInEitherRow) {
    const Anchor num{716, 240}, den{767, 278};
    // 12*a*b*b over 2*a*b: widths 64, 210, 32, 140 and no third factor.
    const FactorWidths w{64, 210, 32, 140, 0};
    struct Case {
        bool third_in_denominator;
        Anchor third;
    };
    for (auto c : {Case{true, {767 + 32 + 140 + 38, 278}}, Case{false, {716 + 64 + 210 + 38, 240}}}) {
        auto p = place_factors(num, den, w, c.third_in_denominator);
        EXPECT_EQ(p.at[0], num);
        EXPECT_EQ(p.at[1], (Anchor{780, 240}));
        EXPECT_EQ(p.at[2], den);
        EXPECT_EQ(p.at[3], (Anchor{799, 278}));
        EXPECT_EQ(p.at[4], c.third);
        EXPECT_EQ(p.at[5], c.third);  // an empty third number
    }
    auto p = place_factors(num, den, {64, 210, 32, 140, 32}, false);
    EXPECT_EQ(p.at[5], p.at[4].right(32));
}

struct PairCase {
    const char* name;
    std::string walked;
    std::string searched;
    std::vector<Stroke> strokes;
    std::string searched_after;
    float end_x;
};

class PairLetters : public ::testing::TestWithParam<PairCase> {};

TEST_P(PairLetters, StrokesAndMarks) {
    const auto& c = GetParam();
    auto r = pair_letters(c.walked, {100, 50}, c.searched, {300, 10});
    EXPECT_EQ(r.strokes, c.strokes);
    EXPECT_EQ(r.searched, c.searched_after);
    EXPECT_EQ(r.end_x, c.end_x);
}

Stroke at(float x, float y) { return {{x, y}, 32, 28}; }

INSTANTIATE_TEST_SUITE_P(
    Cases, PairLetters,
    ::testing::Values(
        // The denominator's a and b against the numerator's a, b, b: the last b stays.
        PairCase{"two of three", "*a*b", "*a*b*b",
                 {at(138, 50), at(338, 10), at(208, 50), at(408, 10)}, "*0*0*b", 240},
        // A second walk against what the first left: one b pairs with the last b, the other finds none.
        PairCase{"after a first walk", "*b*b", "*0*0*b", {at(138, 50), at(478, 10)}, "*0*0*0", 240},
        // A letter without a partner before one with a partner.
        PairCase{"no partner first", "*a*b", "*b", {at(208, 50), at(338, 10)}, "*0", 240},
        PairCase{"empty walked", "", "*a", {}, "*a", 100},
        PairCase{"empty searched", "*a", "", {}, "", 100}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (auto& ch : n)
            if (ch == ' ') ch = '_';
        return n;
    });

}  // namespace
}  // namespace cw::lesson
