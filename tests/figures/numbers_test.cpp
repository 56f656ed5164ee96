// Square roots in the form a√b, prime factors and divisor pairs.
#include <cmath>

#include "figures/figure_fixture.h"

namespace cw::test {
namespace {

class NumbersTest : public FigureTest {};

TEST_F(NumbersTest, SimplifyRadicalTakesSquaresOutOfTheRoot) {
    struct Case {
        float n, a, b;
        const char *a_s, *b_s, *ab_s, *abm_s;
    };
    const Case cases[] = {
        {12, 2, 3, "2", "!3ﾝ", "2!3ﾝ", "!12ﾝ="},
        {72, 6, 2, "6", "!2ﾝ", "6!2ﾝ", "!72ﾝ="},
        {4, 2, 1, "2", "ﾝ", "2ﾝ", "!4ﾝ="},
        {1, 1, 1, "1", "ﾝ", "1ﾝ", ""},
        {7, 1, 7, "", "!7ﾝ", "!7ﾝ", ""},
        {44521, 1, 44521, "", "!44521ﾝ", "!44521ﾝ", ""},  // 211 x 211: beyond the trial roots
        {-12, 2, -3, "2", "!-3ﾝ", "2!-3ﾝ", "!-12ﾝ="},
        {360, 6, 10, "6", "!10ﾝ", "6!10ﾝ", "!360ﾝ="},
        {39601, 199, 1, "199", "ﾝ", "199ﾝ", "!39601ﾝ="},  // the largest trial root
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        g.R1B = c.n;
        SIMPLIFY_RADICAL(g);
        EXPECT_EQ(g.R1A, c.a);
        EXPECT_EQ(g.R1B, c.b);
        EXPECT_EQ(g.R1B1, c.n);
        EXPECT_EQ(g.R1A_s, c.a_s);
        EXPECT_EQ(g.R1B_s, c.b_s);
        EXPECT_EQ(g.RAB_s, c.ab_s);
        EXPECT_EQ(g.RABM_s, c.abm_s);
        EXPECT_EQ(g.R1I, 201);
    }
}

TEST_F(NumbersTest, SimplifyRadicalKeepsTheBlankInTheUnstrippedRootPart) {
    g.R1B = 12;
    SIMPLIFY_RADICAL(g);
    EXPECT_EQ(g.R1A1_s, "! 3");
    EXPECT_EQ(g.A_s, "!3ﾝ");
}

TEST_F(NumbersTest, SimplifyRadicalOfZeroOrAFractionEnds) {
    g.R1B = 0;
    SIMPLIFY_RADICAL(g);
    EXPECT_EQ(g.R1A, 1);
    EXPECT_EQ(g.R1B, 0);
    EXPECT_EQ(g.RAB_s, "!0ﾝ");
    EXPECT_EQ(g.RABM_s, "");

    g.R1B = 0.3f;  // whole part 0: no square divides it
    SIMPLIFY_RADICAL(g);
    EXPECT_EQ(g.R1A, 1);
    EXPECT_FLOAT_EQ(g.R1B, 0.3f);
}

TEST_F(NumbersTest, FactorizePrimesFillsRowsAndCofactor) {
    struct Case {
        float m;
        float q;
        std::vector<std::pair<float, float>> rows;  // rows 1..q
        float cofactor;
        float magnitude;
    };
    const Case cases[] = {
        {360, 3, {{2, 3}, {3, 2}, {5, 1}}, 1, 360},
        {-12, 2, {{2, 2}, {3, 1}}, 1, 12},
        {1, 0, {}, 1, 1},
        {58, 1, {{2, 1}}, 29, 58},  // 29 is never tried
        {961, 0, {}, 961, 961},      // 31 x 31 stays whole in the cofactor
        {23, 1, {{23, 1}}, 1, 23},
        {9699690, 8, {{2, 1}, {3, 1}, {5, 1}, {7, 1}, {11, 1}, {13, 1}, {17, 1}, {19, 1}}, 1, 9699690},
        {2 * 23 * 23 * 31, 2, {{2, 1}, {23, 2}}, 31, 2 * 23 * 23 * 31},
        {0, 0, {}, 0, 0},  // nothing to factor: ends with an empty table
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.m);
        for (int k = 0; k <= 10; ++k) g.R_a(k) = -1;
        g.G_a(0, 0) = 77;
        g.SOSU = c.m;
        FACTORIZE_PRIMES(g);
        EXPECT_EQ(g.Q, c.q);
        for (int k = 1; k <= 9; ++k) {
            std::pair<float, float> want = k <= static_cast<int>(c.rows.size()) ? c.rows[k - 1] : std::pair{0.f, 0.f};
            EXPECT_EQ(g.G_a(k, 1), want.first) << "row " << k;
            EXPECT_EQ(g.G_a(k, 2), want.second) << "row " << k;
        }
        EXPECT_EQ(g.G_a(10, 1), c.cofactor);
        EXPECT_EQ(g.G_a(10, 2), 1);
        EXPECT_EQ(g.SOSU, c.magnitude);
        const float primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
        for (int k = 1; k <= 10; ++k) EXPECT_EQ(g.R_a(k), primes[k - 1]);
        EXPECT_EQ(g.R_a(0), -1);
        EXPECT_EQ(g.G_a(0, 0), 77);
        EXPECT_EQ(g.P, 10);
        EXPECT_EQ(g.TJ, 11);
    }
}

TEST_F(NumbersTest, ListDivisorPairsMirrorsTheDivisors) {
    struct Case {
        float d;
        std::vector<float> x;
        float kosuu;
        float ii;
    };
    const Case cases[] = {
        {12, {1, 2, 3, 4, 6, 12}, 3, 13},
        {-12, {1, 2, 3, 4, 6, 12}, 3, 13},
        {7, {1, 7}, 1, 8},
        {16, {1, 2, 4, 8, 16}, 2, 17},  // 2.5 converted: halves go to even
        {1, {1}, 0, 2},
        {36, {1, 2, 3, 4, 6, 9, 12, 18, 36}, 4, 37},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.d);
        g.X_a(40) = 99, g.Y_a(40) = 99;
        g.DY = c.d;
        LIST_DIVISOR_PAIRS(g);
        float m = std::fabs(c.d);
        EXPECT_EQ(g.DY, m);
        ASSERT_EQ(g.P, c.x.size());
        for (size_t k = 0; k < c.x.size(); ++k) {
            EXPECT_EQ(g.X_a(k + 1), c.x[k]);
            EXPECT_EQ(g.Y_a(k + 1), m / c.x[k]);
            EXPECT_EQ(g.Y_a(k + 1), c.x[c.x.size() - 1 - k]);
        }
        EXPECT_EQ(g.KOSUU, c.kosuu);
        EXPECT_EQ(g.II, c.ii);
        EXPECT_EQ(g.X_a(40), 99);  // entries above P are left alone
    }
}

TEST_F(NumbersTest, ListDivisorPairsOfZero) {
    g.DY = 0;
    LIST_DIVISOR_PAIRS(g);
    EXPECT_EQ(g.P, 1);
    EXPECT_EQ(g.X_a(1), 1);
    EXPECT_EQ(g.Y_a(1), 0);
    EXPECT_EQ(g.II, 2);
}

TEST_F(NumbersTest, ListDivisorPairsBeyondThePointTableIsARunTimeError) {
    g.DY = 2520;  // 48 divisors; the table holds 40
    try {
        LIST_DIVISOR_PAIRS(g);
        FAIL() << "no run-time error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), ERR_SUBSCRIPT);
    }
    EXPECT_EQ(g.X_a(40), 280);  // the 40th divisor: the table filled to its end
}

TEST_F(NumbersTest, ListDivisorPairsAtTheLimitOfWholeSingles) {
    g.DY = 16777216;  // 2^24: every whole number below it is exact
    LIST_DIVISOR_PAIRS(g);
    EXPECT_EQ(g.P, 25);
    EXPECT_EQ(g.X_a(25), 16777216);
    EXPECT_EQ(g.Y_a(25), 1);
    EXPECT_EQ(g.KOSUU, 12);
}

TEST_F(NumbersTest, ListDivisorPairsRefusesNumbersBeyondWholeSingles) {
    for (float d : {16777218.0f, 1e30f, INFINITY, NAN}) {
        SCOPED_TRACE(d);
        g.DY = d;
        EXPECT_THROW(LIST_DIVISOR_PAIRS(g), RuntimeError);
    }
}

}  // namespace
}  // namespace cw::test
