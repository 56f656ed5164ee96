// Random draws: ranges at the generator's extremes and over many seeds,
// signed draws, the two no-repeat rules and pick and remove.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "lessons/draws.h"
#include "lessons/toolkit.h"
#include "support/lesson_fixture.h"

namespace cw::test {
namespace {

using namespace cw::lesson;

// How many RNDs fn takes: a twin platform with the same seed is stepped until it agrees again.
int rnds_taken(int seed, const std::function<void(Program&)>& fn) {
    LessonFixture a("kelvane"), b("kelvane");
    a.h.pf.RANDOMIZE(seed);
    b.h.pf.RANDOMIZE(seed);
    fn(a.h.g);
    const float next = a.h.pf.RND();
    for (int n = 0; n < 10; ++n) {
        if (b.h.pf.RND() == next) return n;
    }
    return -1;
}

// Every range the lessons draw from, at the generator's smallest value and at its largest: the ends of the
// range, k and k + n - 1.  In single precision INT(RND * n + k) gives k + n at the largest value for many of
// them (2 and 1: 3; 4 and 2: 6; 8 and 2: 10 ...).
TEST(ToolkitDraws, EveryRangeKeepsItsEndsAtTheGeneratorsExtremes) {
    struct Case {
        float n, k;
    } cases[] = {
        {2, 0}, {2, 1}, {3, 0}, {3, 1}, {4, 1}, {4, 2}, {5, 1}, {5, 2}, {6, 1},  {6, 2},
        {6, 7}, {7, 1}, {8, 1}, {8, 2}, {9, 1}, {9, 2}, {9, 3}, {10, 1}, {1, 1}, {11, 1},
    };
    const float largest = std::nextafter(1.0f, 0.0f);
    for (auto& c : cases) {
        LessonFixture r("kelvane");
        r.pf.pin_rnd(0.0f);
        EXPECT_EQ(rnd_int(r.g, c.n, c.k), c.k) << c.n << " " << c.k;
        r.pf.pin_rnd(largest);
        EXPECT_EQ(rnd_int(r.g, c.n, c.k), c.k + c.n - 1) << c.n << " " << c.k;
    }
    // The same ends through the routines built on it.
    LessonFixture r("kelvane");
    auto& g = r.g;
    struct Signed {
        float rnd;
        Range magnitude;
        Coin coin;
        float want, P;
    } signed_cases[] = {
        {0, {8, 2}, kCoin12, 2, 1},       {largest, {8, 2}, kCoin12, -9, 2},
        {0, {7, 1}, kCoinNegOn0, -1, 0},  {largest, {7, 1}, kCoinNegOn0, 7, 1},
        {0, {5, 2}, kCoinNegOn1, 2, 0},   {largest, {5, 2}, kCoinNegOn1, -6, 1},
    };
    for (auto& c : signed_cases) {
        r.pf.pin_rnd(c.rnd);
        EXPECT_EQ(signed_draw(g, c.magnitude, c.coin), c.want) << c.rnd;
        EXPECT_EQ(g.P, c.P) << c.rnd;
    }
    for (auto [rnd, want] : {std::pair{0.0f, 2.0f}, {largest, 7.0f}}) {
        r.pf.pin_rnd(rnd);
        load_list(g.X_a, {2, 3, 5, 7, 11});
        EXPECT_EQ(pick_and_remove(g, g.X_a, 4, 4), want) << "only the first four are picked";
    }
    for (auto [rnd, want] : {std::pair{0.0f, 1.0f}, {largest, 10.0f}}) {
        r.pf.pin_rnd(rnd);
        random_row(g, 10);
        EXPECT_EQ(g.NO, want);
    }
}

TEST(ToolkitDraws, TheSameSeedGivesTheSameDraws) {
    LessonFixture a("kelvane"), b("kelvane");
    a.pf.RANDOMIZE(17);
    b.pf.RANDOMIZE(17);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(rnd_int(a.g, 9, 2), rnd_int(b.g, 9, 2));
}

TEST(ToolkitDraws, RangesAndSignedDrawsOverManySeeds) {
    struct Case {
        Range magnitude;
        Coin coin;
        float lo, hi;  // magnitudes
    } cases[] = {
        {{8, 2}, kCoin12, 2, 9},
        {{7, 1}, kCoinNegOn0, 1, 7},
        {{5, 1}, kCoinNegOn1, 1, 5},
        {{9, 1}, kCoin12, 1, 9},
    };
    for (auto& c : cases) {
        std::set<float> seen;
        for (int seed = 1; seed <= 400; ++seed) {
            LessonFixture r("kelvane");
            auto& g = r.h.g;
            g.pf.RANDOMIZE(seed);
            float v = signed_draw(g, c.magnitude, c.coin);
            ASSERT_GE(std::fabs(v), c.lo);
            ASSERT_LE(std::fabs(v), c.hi);
            ASSERT_EQ(std::floor(v), v);
            // Negative exactly when the coin fell on its negating side.
            ASSERT_EQ(v < 0, g.P == c.coin.negate_on) << seed;
            seen.insert(v);
        }
        // Every value of the range turns up with both signs.
        EXPECT_EQ(seen.size(), static_cast<size_t>(2 * (c.hi - c.lo + 1)));
    }
    EXPECT_EQ(rnds_taken(5, [](Program& g) { signed_draw(g, {8, 2}, kCoin12); }), 2);
    EXPECT_EQ(rnds_taken(5, [](Program& g) { rnd_int(g, 8, 2); }), 1);
}

TEST(ToolkitDraws, KelvaneNoRepeatRedrawsUntilItDiffers) {
    struct Case {
        float memory;
        std::vector<float> draws;
        int max_attempts;
        float want;
        int calls;
    } cases[] = {
        {0, {4}, 1000, 4, 1},            // the start value 0 is never drawn
        {4, {4, 4, -4}, 1000, -4, 3},    // the other sign is another value
        {-3, {5, -3, 5}, 1000, 5, 1},
        {4, {4, 4, 4, 4, 4, 4}, 5, 4, 5},  // capped: the fifth draw is taken
    };
    for (auto& c : cases) {
        float memory = c.memory;
        int calls = 0;
        float v = draw_unlike(memory, [&] { return c.draws[static_cast<size_t>(calls++)]; }, c.max_attempts);
        EXPECT_EQ(v, c.want);
        EXPECT_EQ(memory, c.want);
        EXPECT_EQ(calls, c.calls);
    }
    // Over real draws: never the value before.
    LessonFixture r("kelvane");
    auto& g = r.h.g;
    g.pf.RANDOMIZE(3);
    float memory = 0, before = 0;
    for (int i = 0; i < 300; ++i) {
        float v = draw_unlike(memory, [&] { return signed_draw(g, {5, 2}, kCoinNegOn1); });
        ASSERT_NE(v, before);
        before = v;
    }
}

TEST(ToolkitDraws, DorrithSignMemory) {
    struct Case {
        float sign, memory, want, memory_after;
    } cases[] = {
        {1, 0, 1, 1}, {-1, 0, -1, -1}, {1, 1, -1, 1}, {-1, 1, -1, -1}, {-1, -1, 1, -1}, {1, -1, 1, 1},
    };
    for (auto& c : cases) {
        float m = c.memory;
        EXPECT_EQ(apply_sign_memory(c.sign, m), c.want) << c.sign << " " << c.memory;
        EXPECT_EQ(m, c.memory_after) << c.sign << " " << c.memory;
    }
}

TEST(ToolkitDraws, PickAndRemoveTakesAmongTheFirstAndClosesUp) {
    // The lists as the scripts use them: fewer choices than entries, shifted up to the last but one.
    struct Case {
        std::vector<float> list;
        float choices, last;
        int picks;
    } cases[] = {
        {{2, 3, 5, 1}, 3, 3, 1},      // a denominator from 2, 3, 5; 1 stays third
        {{2, 3, 5, 7, 11}, 4, 4, 2},  // two different primes from the first four
        {{2, 3, 6, 1, 1}, 3, 4, 1},
    };
    for (auto& c : cases) {
        std::set<float> firsts;
        for (int seed = 1; seed <= 200; ++seed) {
            LessonFixture r("kelvane");
            auto& g = r.h.g;
            g.pf.RANDOMIZE(seed);
            load_list(g.X_a, c.list);
            std::vector<float> model = c.list;  // what is left, in order
            for (int k = 0; k < c.picks; ++k) {
                float v = pick_and_remove(g, g.X_a, c.choices, c.last);
                const auto at = std::find(model.begin(), model.end(), v);
                ASSERT_NE(at, model.end());
                ASSERT_LT(at - model.begin(), static_cast<long>(c.choices)) << "picked beyond the first entries";
                EXPECT_EQ(g.P, static_cast<float>(at - model.begin() + 1));
                model.erase(at);
                model.push_back(model.back());  // the last entry stays where it was
                if (k == 0) firsts.insert(v);
                for (size_t i = 0; i < model.size(); ++i) ASSERT_EQ(g.X_a(static_cast<int>(i) + 1), model[i]) << i;
            }
        }
        EXPECT_EQ(firsts.size(), static_cast<size_t>(c.choices));
    }
    EXPECT_EQ(rnds_taken(9,
                         [](Program& g) {
                             load_list(g.X_a, {2, 3, 5, 7, 11});
                             pick_and_remove(g, g.X_a, 4, 4);
                         }),
              1);
}

}  // namespace
}  // namespace cw::test
