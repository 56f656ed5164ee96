// Lesson 3, drills written across: over many seeded problems every working
// line and the answer agree with the problem's polynomials.
#include <gtest/gtest.h>

#include "lessons/kelvane/lesson3.h"
#include "lessons/kelvane_l3_support.h"

namespace cw {
namespace {

using l3test::coef;
using l3test::DrillRun;
using l3test::parse;
using l3test::Poly;
using l3test::written;

const char* const kAddHeading = "例4　次の2つの式をたしなさい。";
const char* const kSubHeading = "例5 左の式から右の式をひこう。";

// Splits "M,S" into its two polynomials.
std::pair<Poly, Poly> problem_pair(const std::string& line) {
    auto comma = line.find(',');
    auto m = parse(line.substr(0, comma));
    auto s = parse(line.substr(comma + 1));
    EXPECT_TRUE(comma != std::string::npos && m && s) << line;
    return {m.value_or(Poly()), s.value_or(Poly())};
}

std::string before_comma(const std::string& s) { return s.substr(0, s.find(',')); }
std::string after_comma(const std::string& s) { return s.substr(s.find(',') + 1); }

struct PanelCase {
    float xkara;
    test::Draws seed;
};

std::ostream& operator<<(std::ostream& os, const PanelCase& c) { return os << "panel x " << c.xkara << ", " << c.seed; }

class AdditionAcross : public ::testing::TestWithParam<PanelCase> {};

TEST_P(AdditionAcross, WorkingLinesAndAnswerAreTheSum) {
    const auto [x0, seed] = GetParam();
    const bool pinned = seed.pin.has_value();  // a pinned generator draws the same problem each time
    const int count = pinned ? 3 : 400;
    DrillRun run(kelvane3::DRILL_ADDITION, 4, count, seed, x0, kAddHeading);
    ASSERT_EQ(run.problems.size(), static_cast<size_t>(count));
    EXPECT_EQ(run.keys_left(), 0u) << "each problem takes four keys and the next-step entry";

    int a_cancelled = 0, b_cancelled = 0;
    for (auto& p : run.problems) {
        // heading; problem; "(", p1, ")+(", p2, ")"; two working lines; answer
        ASSERT_EQ(p.size(), 10u);
        const std::string problem = p[1].s;
        auto [m, s] = problem_pair(problem);
        for (int k : {coef(m, "a"), coef(m, "b"), coef(s, "a"), coef(s, "b")}) {
            EXPECT_GE(std::abs(k), 2) << problem;
            EXPECT_LE(std::abs(k), 9) << problem;
        }
        EXPECT_EQ(coef(m, ""), 0);
        EXPECT_EQ(coef(s, ""), 0);
        const Poly sum = m + s;

        EXPECT_EQ(p[0].x1, x0);
        EXPECT_EQ(p[0].y1, 30);
        EXPECT_EQ(p[1].x1, x0 + 81);
        EXPECT_EQ(p[1].y1, 85);
        EXPECT_EQ(p[2].x1, x0 + 81);
        EXPECT_EQ(p[2].y1, 150);
        EXPECT_EQ(p[2].s + p[3].s + p[4].s + p[5].s + p[6].s,
                  "(" + before_comma(problem) + ")+(" + after_comma(problem) + ")");
        for (int i : {2, 4, 6}) EXPECT_EQ(p[static_cast<size_t>(i)].c, 3);
        for (int i : {3, 5}) EXPECT_EQ(p[static_cast<size_t>(i)].c, 0);
        for (int i : {7, 8}) {
            EXPECT_EQ(p[static_cast<size_t>(i)].x1, x0 + 54);
            EXPECT_EQ(parse(p[static_cast<size_t>(i)].s), sum) << p[static_cast<size_t>(i)].s;
        }
        EXPECT_EQ(p[7].y1, 215);
        EXPECT_EQ(p[8].y1, 280);

        EXPECT_EQ(p[9].s, "=" + written(sum)) << problem;
        EXPECT_EQ(p[9].c, 5);
        EXPECT_EQ(p[9].x1, x0 + 54);
        EXPECT_EQ(p[9].y1, 345);
        a_cancelled += coef(sum, "a") == 0;
        b_cancelled += coef(sum, "b") == 0;
    }
    if (!pinned) {
        EXPECT_GT(a_cancelled, 0);
        EXPECT_GT(b_cancelled, 0);
    }
    EXPECT_EQ(run.g.YI1, 345);
    EXPECT_EQ(run.g.XI0, x0);
    EXPECT_EQ(run.g.AINP, 1);
}

INSTANTIATE_TEST_SUITE_P(Panels, AdditionAcross,
                         ::testing::Values(PanelCase{40, 7}, PanelCase{600, 1234}, PanelCase{40, test::kLowestRnd},
                                           PanelCase{600, test::kHighestRnd}));

class SubtractionAcross : public ::testing::TestWithParam<PanelCase> {};

TEST_P(SubtractionAcross, SignChangedRowAndAnswerAreTheDifference) {
    const auto [x0, seed] = GetParam();
    const bool pinned = seed.pin.has_value();  // a pinned generator draws the same problem each time
    const int count = pinned ? 3 : 400;
    DrillRun run(kelvane3::DRILL_SUBTRACTION, 5, count, seed, x0, kSubHeading);
    ASSERT_EQ(run.problems.size(), static_cast<size_t>(count));
    EXPECT_EQ(run.keys_left(), 0u) << "each problem takes five keys and the next-step entry";

    int a_cancelled = 0;
    for (auto& p : run.problems) {
        // heading; problem; "(" M ")-(" S ")"; "=(" M+"b)" "+" "(" C ")"; two lines; answer
        ASSERT_EQ(p.size(), 16u);
        const std::string problem = p[1].s;
        auto [m, s] = problem_pair(problem);
        for (int k : {coef(m, "a"), coef(m, "b"), coef(s, "a"), coef(s, "b")}) {
            EXPECT_GE(std::abs(k), 2) << problem;
            EXPECT_LE(std::abs(k), 9) << problem;
        }
        int negatives = (coef(s, "a") < 0) + (coef(s, "b") < 0);
        EXPECT_EQ(negatives, 1) << "the subtrahend has exactly one negative coefficient: " << problem;
        const Poly diff = m - s;

        EXPECT_EQ(p[1].x1, x0 + 94);
        EXPECT_EQ(p[1].y1, 85);
        EXPECT_EQ(p[2].x1, x0 + 81);
        EXPECT_EQ(p[2].y1, 140);
        EXPECT_EQ(p[2].s + p[3].s + p[4].s + p[5].s + p[6].s,
                  "(" + before_comma(problem) + ")-(" + after_comma(problem) + ")");

        // The row that adds the subtrahend with its signs changed.
        EXPECT_EQ(p[7].x1, x0 + 54);
        EXPECT_EQ(p[7].y1, 195);
        EXPECT_EQ(p[7].s + p[8].s, "=(" + before_comma(problem) + ")");
        EXPECT_EQ(p[9].s, "+");
        EXPECT_EQ(p[9].c, 3);
        EXPECT_EQ(p[10].s, "(");
        EXPECT_EQ(p[11].c, 3);
        EXPECT_EQ(parse(p[11].s), -s) << "changed signs of " << problem << ": " << p[11].s;
        EXPECT_NE(p[11].s[0], '+');
        EXPECT_EQ(p[12].s, ")");

        for (size_t i : {13u, 14u}) {
            EXPECT_EQ(p[i].x1, x0 + 54);
            EXPECT_EQ(parse(p[i].s), diff) << p[i].s;
        }
        EXPECT_EQ(p[13].y1, 250);
        EXPECT_EQ(p[14].y1, 305);

        EXPECT_EQ(p[15].s, "=" + written(diff)) << problem;
        EXPECT_EQ(p[15].c, 5);
        EXPECT_EQ(p[15].y1, 360);
        a_cancelled += coef(diff, "a") == 0;
    }
    if (!pinned) {
        EXPECT_GT(a_cancelled, 0);
    }
    EXPECT_EQ(run.g.YI1, 360);
    EXPECT_EQ(run.g.XI1, x0 + 54);
}

INSTANTIATE_TEST_SUITE_P(Panels, SubtractionAcross,
                         ::testing::Values(PanelCase{40, 11}, PanelCase{600, 99}, PanelCase{40, test::kLowestRnd},
                                           PanelCase{600, test::kHighestRnd}));

// Every term cancels: the answer line reads "=0" in the answer's place.
struct CancelCase {
    const char* name;
    void (*make)(Program&);
    void (*drill)(Program&);
    int waits;
    const char* heading;
    float y;
};

std::ostream& operator<<(std::ostream& os, const CancelCase& c) { return os << c.name; }

bool every_term_cancels(const Program& g) { return g.T_a(5) == 0 && g.T_a(6) == 0; }

class AcrossCancelled : public ::testing::TestWithParam<CancelCase> {};

TEST_P(AcrossCancelled, AnswerIsZero) {
    const CancelCase& c = GetParam();
    Program* probe = nullptr;
    const int seed = l3test::find_seed(c.make, every_term_cancels, probe);
    ASSERT_GE(seed, 0);
    DrillRun run(c.drill, c.waits, 1, static_cast<unsigned>(seed), 40, c.heading);
    ASSERT_EQ(run.problems.size(), 1u);
    auto& p = run.problems[0];
    auto [m, s] = problem_pair(p[1].s);
    ASSERT_EQ(c.drill == kelvane3::DRILL_ADDITION ? m + s : m - s, Poly()) << p[1].s;
    EXPECT_EQ(p.back().s, "=0");
    EXPECT_EQ(p.back().c, 5);
    EXPECT_EQ(p.back().x1, 94);
    EXPECT_EQ(p.back().y1, c.y);
    EXPECT_EQ(run.g.T_sa(15) + run.g.T_sa(16), "");
}

INSTANTIATE_TEST_SUITE_P(Drills, AcrossCancelled,
                         ::testing::Values(CancelCase{"Addition", kelvane3::make_addition_problem,
                                                      kelvane3::DRILL_ADDITION, 4, kAddHeading, 345},
                                           CancelCase{"Subtraction", kelvane3::make_subtraction_problem,
                                                      kelvane3::DRILL_SUBTRACTION, 5, kSubHeading, 360}),
                         [](const auto& info) { return std::string(info.param.name); });

// YI is read by a later lesson: the drill leaves it 0.
TEST(AdditionAcross, YIsResetOnEveryProblem) {
    test::Harness h("kelvane", "    1\r");
    INITIALIZE_PROGRAM(h.g);
    h.g.YI = 18;
    h.g.UE = 30;
    h.g.XKARA = 40;
    h.g.XMADE = 600;
    h.g.YKARA = 30;
    h.g.YMADE = 1800;
    kelvane3::DRILL_ADDITION(h.g);
    EXPECT_EQ(h.g.YI, 0);
    EXPECT_EQ(h.g.XI, 448);
}

}  // namespace
}  // namespace cw
