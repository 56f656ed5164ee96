// Lesson 3, drills written in columns: over many seeded problems the answer
// row is the sum or difference of the two rows, every text ends at its
// column's right edge, and the sign-change marks are the opposite of the
// subtrahend's signs.
#include <gtest/gtest.h>

#include "exprstr/exprstr.h"
#include "lessons/kelvane/lesson3.h"
#include "lessons/kelvane_l3_support.h"

namespace cw {
namespace {

using l3test::coef;
using l3test::DrillRun;
using l3test::no_blanks;
using l3test::parse;
using l3test::Poly;
using l3test::width27;
using l3test::written;

const char* const kHeading = "問　次の計算をしなさい。";

// Column ends relative to the panel's x: a-terms, b-terms, constants.
const float kEnds[3] = {64 + 108, 192 + 108, 320 + 81};

struct Rows {
    Poly upper, lower, answer;
    std::vector<DrawOp> upper_ops, lower_ops, answer_ops;
};

// Reads the three rows of one problem (y offsets 104, 156 and 238 from the
// panel top) and checks that every visible text ends at its column's end.
Rows read_rows(const std::vector<DrawOp>& p, float x0, const std::string& op) {
    Rows r;
    r.upper_ops = l3test::at_row(p, 134);
    r.lower_ops = l3test::at_row(p, 186);
    r.answer_ops = l3test::at_row(p, 268);
    EXPECT_EQ(r.upper_ops.size(), 3u);
    EXPECT_EQ(r.lower_ops.size(), 4u);
    EXPECT_EQ(r.answer_ops.size(), 3u);
    if (r.lower_ops.size() == 4) {
        EXPECT_EQ(r.lower_ops[0].s, op);
        EXPECT_EQ(r.lower_ops[0].x1, x0);
        r.lower_ops.erase(r.lower_ops.begin());
    }
    for (auto* row : {&r.upper_ops, &r.lower_ops, &r.answer_ops}) {
        for (size_t k = 0; k < row->size() && k < 3; ++k) {
            const DrawOp& t = (*row)[k];
            if (no_blanks(t.s).empty()) continue;
            EXPECT_EQ(t.x1 + width27(t.s), x0 + kEnds[k])
                << "column " << k << " text \"" << t.s << "\" at x " << t.x1 << " row y " << t.y1;
        }
    }
    auto whole = [](const std::vector<DrawOp>& ops) { return no_blanks(l3test::joined(ops)); };
    r.upper = parse(whole(r.upper_ops)).value_or(l3test::poly(99, 99, 99));
    r.lower = parse(whole(r.lower_ops)).value_or(l3test::poly(99, 99, 99));
    // The answer row as the pupil reads it, written the textbook way.
    EXPECT_EQ(whole(r.answer_ops), written(parse(whole(r.answer_ops)).value_or(l3test::poly(99, 99, 99))))
        << "answer row \"" << l3test::joined(r.answer_ops) << "\"";
    r.answer = parse(whole(r.answer_ops)).value_or(l3test::poly(99, 99, 99));
    return r;
}

struct ColumnPanelCase {
    float xkara;
    test::Draws seed;
};

std::ostream& operator<<(std::ostream& os, const ColumnPanelCase& c) { return os << "panel x " << c.xkara << ", " << c.seed; }

class ColumnAddition : public ::testing::TestWithParam<ColumnPanelCase> {};

TEST_P(ColumnAddition, AnswerRowIsTheSumInItsColumns) {
    const auto [x0, seed] = GetParam();
    const bool pinned = seed.pin.has_value();  // a pinned generator draws the same problem each time
    const int count = pinned ? 3 : 400;
    DrillRun run(kelvane3::DRILL_COLUMN_ADDITION, 3, count, seed, x0, kHeading);
    ASSERT_EQ(run.problems.size(), static_cast<size_t>(count));
    EXPECT_EQ(run.keys_left(), 0u) << "each problem takes three keys and the next-step entry";
    int a_zero = 0;
    for (auto& p : run.problems) {
        Rows r = read_rows(p, x0, "+)");
        EXPECT_EQ(r.answer, r.upper + r.lower) << l3test::joined(r.upper_ops) << " / " << l3test::joined(r.lower_ops);
        for (int k : {coef(r.upper, "a"), coef(r.upper, "b"), coef(r.upper, ""), coef(r.lower, "a"), coef(r.lower, "b"), coef(r.lower, "")}) {
            EXPECT_NE(k, 0);
            EXPECT_LE(std::abs(k), 9);
        }
        for (auto& op : r.answer_ops) EXPECT_EQ(op.c, 3);
        a_zero += coef(r.answer, "a") == 0;
    }
    if (!pinned) {
        EXPECT_GT(a_zero, 5);
    }
    EXPECT_EQ(run.g.YI1, 268);
    EXPECT_EQ(run.g.XI0, x0);
}

INSTANTIATE_TEST_SUITE_P(Panels, ColumnAddition,
                         ::testing::Values(ColumnPanelCase{40, 3}, ColumnPanelCase{600, 2024}, ColumnPanelCase{40, test::kLowestRnd},
                                           ColumnPanelCase{600, test::kHighestRnd}));

class ColumnSubtraction : public ::testing::TestWithParam<ColumnPanelCase> {};

TEST_P(ColumnSubtraction, MarksAreOppositeAndAnswerRowIsTheDifference) {
    const auto [x0, seed] = GetParam();
    const bool pinned = seed.pin.has_value();  // a pinned generator draws the same problem each time
    const int count = pinned ? 3 : 400;
    DrillRun run(kelvane3::DRILL_COLUMN_SUBTRACTION, 7, count, seed, x0, kHeading);
    ASSERT_EQ(run.problems.size(), static_cast<size_t>(count));
    EXPECT_EQ(run.keys_left(), 0u) << "each problem takes seven keys and the next-step entry";
    int a_zero = 0;
    for (auto& p : run.problems) {
        EXPECT_EQ(p[0].c, 3);
        Rows r = read_rows(p, x0, "-)");
        EXPECT_EQ(r.answer, r.upper - r.lower);

        // The marks, 15 above the subtrahend row: "+" over the operator, then
        // one per column 22 right of the column's x.
        auto marks = l3test::at_row(p, 171);
        ASSERT_EQ(marks.size(), 4u);
        EXPECT_EQ(marks[0].s, "+");
        EXPECT_EQ(marks[0].x1, x0);
        const int lower[3] = {coef(r.lower, "a"), coef(r.lower, "b"), coef(r.lower, "")};
        const float cols[3] = {64, 192, 320};
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(marks[static_cast<size_t>(k + 1)].s, lower[k] < 0 ? "+" : "-")
                << "column " << k << " of " << l3test::joined(r.lower_ops);
            EXPECT_EQ(marks[static_cast<size_t>(k + 1)].x1, x0 + cols[k] + 22);
        }
        for (auto& m : marks) EXPECT_EQ(m.c, 3);
        a_zero += coef(r.answer, "a") == 0;
    }
    if (!pinned) {
        EXPECT_GT(a_zero, 5);
    }
    EXPECT_EQ(run.g.YI1, 268);
    EXPECT_EQ(run.g.XI0, x0);
}

INSTANTIATE_TEST_SUITE_P(Panels, ColumnSubtraction,
                         ::testing::Values(ColumnPanelCase{40, 5}, ColumnPanelCase{600, 77}, ColumnPanelCase{40, test::kLowestRnd},
                                           ColumnPanelCase{600, test::kHighestRnd}));

// The rare answers: a seed whose first problem has the wanted sums, found by
// generating problems the way the drill does.
struct RareColumnCase {
    const char* name;
    void (*make)(Program&);
    void (*drill)(Program&);
    int waits;
    bool (*wanted)(const Program&);
};

std::ostream& operator<<(std::ostream& os, const RareColumnCase& c) { return os << c.name; }

bool all_zero(const Program& g) { return g.T_a(5) == 0 && g.T_a(6) == 0 && g.F_a(3) == 0; }
bool constant_only(const Program& g) { return g.T_a(5) == 0 && g.T_a(6) == 0 && g.F_a(3) > 0; }

void make_subtraction(Program& g) { kelvane3::make_column_subtraction_numbers(g); }

class ColumnRareAnswers : public ::testing::TestWithParam<RareColumnCase> {};

TEST_P(ColumnRareAnswers, AnswerRowIsWrittenProperly) {
    const RareColumnCase& c = GetParam();
    Program* probe = nullptr;
    const int seed = l3test::find_seed(c.make, c.wanted, probe);
    ASSERT_GE(seed, 0);
    const std::string expected = written(Poly(static_cast<int64_t>(probe->F_a(3))));
    DrillRun run(c.drill, c.waits, 1, static_cast<unsigned>(seed), 40, kHeading);
    ASSERT_EQ(run.problems.size(), 1u);
    auto answer = l3test::at_row(run.problems[0], 268);
    ASSERT_EQ(answer.size(), 3u);
    EXPECT_EQ(no_blanks(l3test::joined(answer)), expected) << l3test::joined(answer);
    // Whatever is shown ends at the constant column's right end.
    EXPECT_EQ(answer[2].x1 + width27(answer[2].s), 40 + kEnds[2]);
}

INSTANTIATE_TEST_SUITE_P(Cases, ColumnRareAnswers,
                         ::testing::Values(RareColumnCase{"AdditionAllZero", kelvane3::make_column_addition_problem,
                                                    kelvane3::DRILL_COLUMN_ADDITION, 3, all_zero},
                                           RareColumnCase{"SubtractionAllZero", make_subtraction,
                                                    kelvane3::DRILL_COLUMN_SUBTRACTION, 7, all_zero},
                                           RareColumnCase{"AdditionConstantOnly", kelvane3::make_column_addition_problem,
                                                    kelvane3::DRILL_COLUMN_ADDITION, 3, constant_only},
                                           RareColumnCase{"SubtractionConstantOnly", make_subtraction,
                                                    kelvane3::DRILL_COLUMN_SUBTRACTION, 7, constant_only}),
                         [](const auto& info) { return std::string(info.param.name); });

// The texts of one column-subtraction problem, from the lesson's examples.
TEST(ColumnSubtractionTexts, LettersSignsAndAlignment) {
    test::Harness h("kelvane");
    INITIALIZE_PROGRAM(h.g);
    auto& g = h.g;
    struct Case {
        float t[4], f[2];
        std::vector<std::string> texts;  // T$(1..6), F$(1..3)
        std::string marks;
    };
    const Case cases[] = {
        {{3, -1, -2, 4}, {5, 7}, {"  3a", "  -b", " -2a", " +4b", "  5a", " -5b", " +5", " +7", " -2"}, "+--"},
        {{1, 8, -3, 5}, {1, -2}, {"   a", " +8b", " -3a", " +5b", "  4a", " +3b", " +1", " -2", " +3"}, "+-+"},
        {{9, -9, -9, 9}, {-9, 9}, {"  9a", " -9b", " -9a", " +9b", " 18a", "-18b", " -9", " +9", "-18"}, "+--"},
        {{-4, 2, -4, 2}, {6, 6}, {" -4a", " +2b", " -4a", " +2b", "    ", "    ", " +6", " +6", "   "}, "+--"},
        {{-1, -1, 1, 1}, {-1, -1}, {"  -a", "  -b", "   a", "  +b", " -2a", " -2b", " -1", " -1", "   "}, "--+"},
    };
    for (auto& c : cases) {
        for (int i = 0; i < 4; ++i) g.T_a(i + 1) = c.t[i];
        g.F_a(1) = c.f[0];
        g.F_a(2) = c.f[1];
        g.T_a(5) = g.T_a(1) - g.T_a(3);
        g.T_a(6) = g.T_a(2) - g.T_a(4);
        g.F_a(3) = g.F_a(1) - g.F_a(2);
        FORMAT_NUMBER_TABLES(g);
        // The drill's sign rule on the coefficient texts.
        for (int i = 1; i <= 6; ++i) {
            float v = g.T_a(i);
            g.T_sa(i) = v == 0 ? "" : v == 1 ? "+" : v == -1 ? "-" : v > 0 ? "+" + g.T_sa(i) : g.T_sa(i);
        }
        kelvane3::build_column_subtraction_texts(g);
        std::vector<std::string> got;
        for (int i = 1; i <= 6; ++i) got.push_back(g.T_sa(i));
        for (int i = 1; i <= 3; ++i) got.push_back(g.F_sa(i));
        EXPECT_EQ(got, c.texts);
        EXPECT_EQ(g.X_sa(1) + g.X_sa(2) + g.X_sa(3), c.marks);
    }
}

}  // namespace
}  // namespace cw
