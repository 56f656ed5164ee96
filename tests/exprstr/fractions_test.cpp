// Fraction reduction and formatting, in both variants: the shared one and
// Dorrith's, which keeps a denominator of 1 (case 4) and a zero numerator
// (case 5) apart.
#include <gtest/gtest.h>

#include <cmath>

#include "exprstr/exprstr.h"
#include "shell/shell.h"
#include "support/harness.h"

namespace cw {
namespace {

constexpr float OLD = -99;  // X3 and X4 before the call
const char* const OLD2 = "old2";
const char* const OLD21 = "old21";

struct FractionCase {
    bool dorrith;
    float ds, db;
    float yak, yak1, ds_out, db_out;
    float x3, x4;  // OLD when the call leaves them
    const char *a1, *a2, *a21, *a3, *a31, *tkai1, *tkai2;
};

std::ostream& operator<<(std::ostream& os, const FractionCase& c) {
    return os << (c.dorrith ? "dorrith " : "shared ") << c.ds << "/" << c.db;
}

class FormatFraction : public ::testing::TestWithParam<FractionCase> {};

TEST_P(FormatFraction, ResultsAndTexts) {
    const FractionCase& c = GetParam();
    test::Harness h(test::bare_info(c.dorrith));
    auto& g = h.g;
    g.X3 = g.X4 = OLD;
    g.A2_s = OLD2;
    g.A21_s = OLD21;
    g.X = 12;
    g.Y = 34;
    g.DS = c.ds;
    g.DB = c.db;
    FORMAT_REDUCED_FRACTION(g);

    EXPECT_FLOAT_EQ(g.YAK, c.yak);
    EXPECT_FLOAT_EQ(g.YAK1, c.yak1);
    EXPECT_FLOAT_EQ(g.DS, c.ds_out);
    EXPECT_FLOAT_EQ(g.DB, c.db_out);
    EXPECT_FLOAT_EQ(g.E1, c.ds_out);
    EXPECT_FLOAT_EQ(g.E2, c.db_out);
    EXPECT_FLOAT_EQ(g.DS1, c.ds);
    EXPECT_FLOAT_EQ(g.DB1, c.db);
    EXPECT_FLOAT_EQ(g.X3, c.x3);
    EXPECT_FLOAT_EQ(g.X4, c.x4);
    EXPECT_EQ(g.A1_s, c.a1);
    EXPECT_EQ(g.A2_s, c.a2);
    EXPECT_EQ(g.A21_s, c.a21);
    EXPECT_EQ(g.A3_s, c.a3);
    EXPECT_EQ(g.A31_s, c.a31);
    EXPECT_EQ(g.TKAI1_s, c.tkai1);
    EXPECT_EQ(g.TKAI2_s, c.tkai2);
    EXPECT_EQ(g.FDS1_s, c.yak1 == 1 ? "+" : "");
    EXPECT_EQ(g.A_s, g.TKAI2_s);
    // The texts of the numbers have no blanks; DS$ has no sign.
    EXPECT_EQ(g.DS_s, STR_s(std::fabs(c.ds_out)).substr(1));
    EXPECT_EQ(g.DB_s.find(' '), std::string::npos);
    // The pen is nobody's parameter here.
    EXPECT_FLOAT_EQ(g.X, 12);
    EXPECT_FLOAT_EQ(g.Y, 34);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, FormatFraction, ::testing::Values(
    // The shared routine.
    FractionCase{false, 6, 8,   2, 1, 3, 4,   2, 24,  "ﾀ6/8ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ6/8ﾀ=ﾀ3/4ﾀ", "+ﾀ6/8ﾀ=+ﾀ3/4ﾀ", "3/4", "+3/4"},
    FractionCase{false, -6, 8,  2, -1, -3, 4, 2, 24,  "ﾀ-6/8ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ-6/8ﾀ=-ﾀ3/4ﾀ", "ﾀ-6/8ﾀ=-ﾀ3/4ﾀ", "-3/4", "-3/4"},
    FractionCase{false, 6, -8,  2, -1, -3, 4, 2, 24,  "ﾀ6/-8ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ6/-8ﾀ=-ﾀ3/4ﾀ", "ﾀ6/-8ﾀ=-ﾀ3/4ﾀ", "-3/4", "-3/4"},
    FractionCase{false, -6, -8, 2, 1, 3, 4,   2, 24,  "ﾀ-6/-8ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ-6/-8ﾀ=ﾀ3/4ﾀ", "+ﾀ-6/-8ﾀ=+ﾀ3/4ﾀ", "3/4", "+3/4"},
    FractionCase{false, 3, 4,   3, 1, 3, 4,   1, 12,  "ﾀ3/4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "3/4", "+3/4"},
    FractionCase{false, -3, 4,  2, -1, -3, 4, 1, 12,  "ﾀ-3/4ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ-3/4ﾀ=-ﾀ3/4ﾀ", "ﾀ-3/4ﾀ=-ﾀ3/4ﾀ", "-3/4", "-3/4"},
    FractionCase{false, 12, 18, 2, 1, 2, 3,   6, 36,  "ﾀ12/18ﾀ", "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ12/18ﾀ=ﾀ2/3ﾀ", "+ﾀ12/18ﾀ=+ﾀ2/3ﾀ", "2/3", "+2/3"},
    FractionCase{false, 8, 4,   1, 1, 2, 1,   4, 8,   "ﾀ8/4ﾀ", "2", "+2", "ﾀ8/4ﾀ=2", "+ﾀ8/4ﾀ=+2", "2", "+2"},
    FractionCase{false, -8, 4,  1, -1, -2, 1, 4, 8,   "ﾀ-8/4ﾀ", "-2", "-2", "ﾀ-8/4ﾀ=-2", "ﾀ-8/4ﾀ=-2", "-2", "-2"},
    FractionCase{false, 0, 5,   1, 1, 0, 1,   5, 0,   "ﾀ0/5ﾀ", "0", "+0", "ﾀ0/5ﾀ=0", "+ﾀ0/5ﾀ=+0", "0", "+0"},
    FractionCase{false, 0, -5,  1, 1, 0, 1,   5, 0,   "ﾀ0/-5ﾀ", "0", "+0", "ﾀ0/-5ﾀ=0", "+ﾀ0/-5ﾀ=+0", "0", "+0"},
    FractionCase{false, 5, 1,   1, 1, 5, 1,   OLD, OLD, "ﾀ5/1ﾀ", "5", "+5", "ﾀ5/1ﾀ=5", "+ﾀ5/1ﾀ=+5", "5", "+5"},
    FractionCase{false, 1, 1,   1, 1, 1, 1,   OLD, OLD, "ﾀ1/1ﾀ", "1", "+1", "ﾀ1/1ﾀ=1", "+ﾀ1/1ﾀ=+1", "1", "+1"},
    FractionCase{false, 5, -1,  1, -1, -5, 1, 1, 5,   "ﾀ5/-1ﾀ", "-5", "-5", "ﾀ5/-1ﾀ=-5", "ﾀ5/-1ﾀ=-5", "-5", "-5"},
    FractionCase{false, 1, -3,  2, -1, -1, 3, 1, 3,   "ﾀ1/-3ﾀ", "-ﾀ1/3ﾀ", "-ﾀ1/3ﾀ", "ﾀ1/-3ﾀ=-ﾀ1/3ﾀ", "ﾀ1/-3ﾀ=-ﾀ1/3ﾀ", "-1/3", "-1/3"},
    // A zero denominator has no result: its answer texts are cleared, not
    // built from what an earlier call left.
    FractionCase{false, 5, 0,   0, 1, 5, 0,   OLD, OLD, "ﾀ5/0ﾀ", "", "", "", "", "", ""},
    FractionCase{false, -5, 0,  0, 1, -5, 0,  OLD, OLD, "ﾀ-5/0ﾀ", "", "", "", "", "", ""},

    // Dorrith's variant.
    FractionCase{true, 6, 8,    2, 1, 3, 4,   2, 24,  "ﾀ6/8ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ6/8ﾀ=ﾀ3/4ﾀ", "+ﾀ6/8ﾀ=+ﾀ3/4ﾀ", "3/4", "+3/4"},
    FractionCase{true, -6, 8,   2, -1, -3, 4, 2, 24,  "ﾀ-6/8ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ-6/8ﾀ=-ﾀ3/4ﾀ", "ﾀ-6/8ﾀ=-ﾀ3/4ﾀ", "-3/4", "-3/4"},
    FractionCase{true, 3, -4,   2, -1, -3, 4, 1, 12,  "ﾀ3/-4ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ3/-4ﾀ=-ﾀ3/4ﾀ", "ﾀ3/-4ﾀ=-ﾀ3/4ﾀ", "-3/4", "-3/4"},
    FractionCase{true, -3, -4,  2, 1, 3, 4,   1, 12,  "ﾀ-3/-4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ-3/-4ﾀ=ﾀ3/4ﾀ", "+ﾀ-3/-4ﾀ=+ﾀ3/4ﾀ", "3/4", "+3/4"},
    FractionCase{true, 7, 30,   3, 1, 7, 30,  1, 210, "ﾀ7/30ﾀ", "ﾀ7/30ﾀ", "+ﾀ7/30ﾀ", "ﾀ7/30ﾀ", "+ﾀ7/30ﾀ", "7/30", "+7/30"},
    FractionCase{true, 5, 1,    4, 1, 5, 1,   OLD, OLD, "ﾀ5/1ﾀ", "5", "+5", "ﾀ5/1ﾀ=5", "+ﾀ5/1ﾀ=+5", "5", "+5"},
    FractionCase{true, -5, 1,   4, -1, -5, 1, OLD, OLD, "ﾀ-5/1ﾀ", "-5", "-5", "ﾀ-5/1ﾀ=-5", "ﾀ-5/1ﾀ=-5", "-5", "-5"},
    FractionCase{true, 12, 2,   1, 1, 6, 1,   2, 12,  "ﾀ12/2ﾀ", "6", "+6", "ﾀ12/2ﾀ=6", "+ﾀ12/2ﾀ=+6", "6", "+6"},
    FractionCase{true, 5, -1,   1, -1, -5, 1, 1, 5,   "ﾀ5/-1ﾀ", "-5", "-5", "ﾀ5/-1ﾀ=-5", "ﾀ5/-1ﾀ=-5", "-5", "-5"},
    FractionCase{true, 0, 7,    5, 1, 0, 7,   OLD, OLD, "ﾀ0/7ﾀ", "0", "0", "ﾀ0/7ﾀ=0", "+ﾀ0/7ﾀ=0", "0", "0"},
    FractionCase{true, 0, -7,   5, 1, 0, -7,  OLD, OLD, "ﾀ0/-7ﾀ", "0", "0", "ﾀ0/-7ﾀ=0", "+ﾀ0/-7ﾀ=0", "0", "0"},
    FractionCase{true, 0, 1,    4, 1, 0, 1,   OLD, OLD, "ﾀ0/1ﾀ", "0", "+0", "ﾀ0/1ﾀ=0", "+ﾀ0/1ﾀ=+0", "0", "+0"},
    FractionCase{true, 5, 0,    0, 1, 5, 0,   OLD, OLD, "ﾀ5/0ﾀ", "", "", "", "", "", ""}
));
// clang-format on

TEST(FormatFractionScratch, CharacterCountOfTheSignedNumerator) {
    test::Harness h;
    auto& g = h.g;
    g.DS = -6;
    g.DB = 8;
    FORMAT_REDUCED_FRACTION(g);
    EXPECT_FLOAT_EQ(g.LEM, 2);
    g.DS = 6;
    g.DB = 8;
    FORMAT_REDUCED_FRACTION(g);
    EXPECT_FLOAT_EQ(g.LEM, 1);
}

TEST(FormatFractionScratch, ZeroDenominatorAfterAnEarlierCallLeavesNothingOfIt) {
    for (bool dorrith : {false, true}) {
        test::Harness h(test::bare_info(dorrith));
        auto& g = h.g;
        g.DS = 6;
        g.DB = 8;
        FORMAT_REDUCED_FRACTION(g);
        g.DS = 6;
        g.DB = 0;
        FORMAT_REDUCED_FRACTION(g);
        EXPECT_EQ(g.A1_s, "ﾀ6/0ﾀ");
        for (const std::string* s : {&g.A2_s, &g.A21_s, &g.A3_s, &g.A31_s, &g.TKAI1_s, &g.TKAI2_s, &g.A_s})
            EXPECT_EQ(*s, "") << (dorrith ? "dorrith" : "shared");
        EXPECT_FLOAT_EQ(g.X3, 2);  // the gcd step did not run
    }
}

TEST(GcdLcm, RemainderFunction) {
    struct {
        float x, y, r;
    } cases[] = {{7, 3, 1}, {3, 7, 3}, {0, 5, 0}, {12, 4, 0}, {-7, 3, 2}, {7.5f, 2, 1.5f}};
    for (auto& c : cases) EXPECT_FLOAT_EQ(M(c.x, c.y), c.r) << c.x << " " << c.y;
}

TEST(GcdLcm, DivisorMultipleAndScratch) {
    struct {
        float ds, db, gcd, lcm;
    } cases[] = {{6, 8, 2, 24}, {8, 6, 2, 24}, {3, 4, 1, 12}, {0, 5, 5, 0}, {12, 18, 6, 36}, {7, 7, 7, 7}, {5, 1, 1, 5}};
    test::Harness h;
    auto& g = h.g;
    for (auto& c : cases) {
        g.DS = c.ds;
        g.DB = c.db;
        COMPUTE_GCD_LCM(g);
        EXPECT_FLOAT_EQ(g.X3, c.gcd) << c.ds << " " << c.db;
        EXPECT_FLOAT_EQ(g.X4, c.lcm) << c.ds << " " << c.db;
        EXPECT_FLOAT_EQ(g.X1, g.X3);
        EXPECT_FLOAT_EQ(g.X2, 0);
        EXPECT_FLOAT_EQ(g.LB8, c.ds * c.db);
        EXPECT_FLOAT_EQ(g.DS, c.ds);  // inputs untouched
        EXPECT_FLOAT_EQ(g.DB, c.db);
    }
}

TEST(GcdLcm, BothZeroIsARunTimeError) {
    test::Harness h;
    h.g.DS = 0;
    h.g.DB = 0;
    EXPECT_THROW(COMPUTE_GCD_LCM(h.g), RuntimeError);
}

}  // namespace
}  // namespace cw
