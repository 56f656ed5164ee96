// Sarnoth lesson 3 drills: over many seeded problems, read back from what was
// drawn, every working line and the answer hold for the solved letter at
// random values of the others, and the numbers come from their sets.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <regex>
#include <set>

#include "lessons/sarnoth/lesson3.h"
#include "lessons/sarnoth_l36_support.h"
#include "support/picture.h"

namespace cw::test {
namespace {

using oracle::Rational;
using oracle::Values;

// One run of a drill: `count` problems of `waits` keys each, "2" after every
// problem but the last, "1" after the last.
struct DrillRun : StepRun {
    DrillRun(void (*drill)(Sarnoth&), int waits, int count, const Draws& seed)
        : StepRun(drill_keys(waits, count), seed) {
        returned = run(drill);
        for (auto& op : texts()) {
            if (op.s == "練習") problems.emplace_back();
            if (!problems.empty()) problems.back().push_back(op);
        }
    }
    bool returned = false;
    std::vector<std::vector<DrawOp>> problems;  // the texts of each problem, from its "練習"
};

// The equation part of a problem line and the letter named in its 【 】.
std::pair<std::string, std::string> split_asked(const std::string& line) {
    auto open = line.find("【");
    auto close = line.find("】");
    EXPECT_NE(open, std::string::npos) << line;
    if (open == std::string::npos || close == std::string::npos) return {line, ""};
    std::string letter = line.substr(open + std::string("【").size(), close - open - std::string("【").size());
    return {line.substr(0, open), letter};
}

// Every "=" of `line` holds at `at`.
void expect_holds(const std::string& line, const Values& at) {
    auto l = oracle::split_line(line);
    ASSERT_GE(l.sides.size(), 2u) << line;
    Rational first = oracle::value(l.sides[0], at);
    for (size_t i = 1; i < l.sides.size(); ++i) EXPECT_EQ(oracle::value(l.sides[i], at), first) << line;
}

// The solved letter's value from the answer "v=...", the others at random;
// every equation of the problem then holds.  The answer's right side must not
// hold the solved letter.
void expect_solves(const std::string& answer, const std::string& letter, const std::vector<std::string>& lines,
                   std::mt19937& rng) {
    auto a = oracle::split_line(answer);
    ASSERT_EQ(a.sides.size(), 2u) << answer;
    ASSERT_EQ(a.sides[0], letter) << answer;
    auto rhs_letters = oracle::letters(a.sides[1]);
    ASSERT_EQ(rhs_letters.count(letter), 0u) << answer;
    for (int trial = 0; trial < 3; ++trial) {
        Values at;
        for (auto& line : lines)
            for (auto& l : oracle::letters(line))
                if (l != letter && !at.count(l)) at[l] = random_value(rng);
        at[letter] = oracle::value(a.sides[1], at);
        for (auto& line : lines) expect_holds(line, at);
    }
}

// ③ 練習１: N·A - B = N·K.
TEST(SarnothLesson3Drills, FirstLetterAnswersSolveTheirEquations) {
    std::set<int> coefficients, quotients;
    std::set<std::string> pairs;
    for (const Draws& seed : {Draws(17), kLowestRnd, kHighestRnd}) {
        SCOPED_TRACE(::testing::PrintToString(seed));
        const int count = seed.pin ? 2 : 300;  // a pinned generator draws the same problem each time
        DrillRun run([](Sarnoth& g) { sarnoth3::DRILL_SOLVE_FOR_FIRST_LETTER(g); }, 4, count, seed);
        ASSERT_TRUE(run.returned);
        EXPECT_EQ(run.keys_left(), 0u) << "four keys per problem";
        ASSERT_EQ(run.problems.size(), static_cast<size_t>(count));
        EXPECT_EQ(run.erases(40, 30, 640, 140), count) << "the head, once per problem";
        EXPECT_EQ(run.erases(40, 140, 640, 1440), count) << "the working, at each problem's first key";

        std::mt19937 rng(5);
        const std::regex form(R"((\d+)([a-z])-([a-z])=(\d+))");
        for (size_t i = 0; i < run.problems.size(); ++i) {
            auto& p = run.problems[i];
            // "練習", instruction, problem, hint, line, hint, line, line, answer (+ the assignment after the last)
            ASSERT_EQ(p.size(), i + 1 < run.problems.size() ? 9u : 10u);
            std::smatch m;
            ASSERT_TRUE(std::regex_match(p[2].s, m, form)) << p[2].s;
            const int n = std::stoi(m[1]), nk = std::stoi(m[4]);
            const std::string a = m[2], b = m[3];
            EXPECT_EQ(nk % n, 0) << p[2].s;
            coefficients.insert(n);
            quotients.insert(nk / n);
            pairs.insert(a + b);
            EXPECT_EQ(p[1].s, " 次の等式を" + a + "について解きなさい。");
            EXPECT_EQ(p[2].c, i % 2 == 0 ? 3 : 0) << "colour by the problems finished";
            EXPECT_EQ(p[2].x1, 152);
            EXPECT_EQ(p[2].y1, 90);

            const float ys[] = {140, 190, 250, 330, 410, 500};
            const float xs[] = {156, 120, 156, 120, 120, 120};
            const int colours[] = {7, 0, 7, 0, 0, 5};
            for (int k = 0; k < 6; ++k) {
                EXPECT_EQ(p[3 + k].x1, xs[k]);
                EXPECT_EQ(p[3 + k].y1, ys[k]);
                EXPECT_EQ(p[3 + k].c, colours[k]);
            }
            expect_solves(p[8].s, a, {p[2].s, p[4].s, p[6].s, p[7].s, p[8].s}, rng);
        }

        auto& last = run.problems.back().back();
        EXPECT_EQ(last.s, "教科書P28 問1　をしなさい。");
        EXPECT_EQ(last.c, 7);
        EXPECT_EQ(last.x1, 352);
        EXPECT_EQ(last.y1, 570);
        EXPECT_EQ(run.h.g.AINP, 1);
    }
    // Every value of every set turns up, and nothing else.
    EXPECT_EQ(coefficients, (std::set<int>{2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(quotients, (std::set<int>{2, 3}));
    EXPECT_EQ(pairs, (std::set<std::string>{"ab", "mn", "xy"}));
}

// ⑥ 練習２: C = pB/(qA).
TEST(SarnothLesson3Drills, FractionFormulaAnswersSolveTheirEquations) {
    const std::set<std::vector<std::string>> letter_sets = {{"a", "b", "k"}, {"b", "a", "k"}, {"x", "y", "Z"},
                                                            {"y", "x", "Z"}, {"m", "n", "r"}, {"n", "m", "r"}};
    std::mt19937 rng(7);
    std::set<std::pair<int64_t, int64_t>> pq;
    std::set<std::vector<std::string>> sets_seen;
    for (const Draws& seed : {Draws(23), kLowestRnd, kHighestRnd}) {
        SCOPED_TRACE(::testing::PrintToString(seed));
        const int count = seed.pin ? 2 : 400;  // a pinned generator draws the same problem each time
        DrillRun run([](Sarnoth& g) { sarnoth3::DRILL_SOLVE_FRACTION_FORMULA(g); }, 6, count, seed);
        ASSERT_TRUE(run.returned);
        EXPECT_EQ(run.keys_left(), 0u) << "six keys per problem";
        ASSERT_EQ(run.problems.size(), static_cast<size_t>(count));
        EXPECT_EQ(run.erases(40, 30, 640, 165), count);
        EXPECT_EQ(run.erases(40, 170, 640, 1470), count);

        for (size_t i = 0; i < run.problems.size(); ++i) {
            auto& p = run.problems[i];
            // "練習", instruction, problem, six stages (+ the assignment)
            ASSERT_EQ(p.size(), i + 1 < run.problems.size() ? 9u : 10u);
            EXPECT_EQ(p[1].s, " 次の等式を【 】内の文字について解きなさい。");
            EXPECT_EQ(p[2].c, i % 2 == 0 ? 3 : 0);
            EXPECT_EQ(p[2].x1, 152);
            EXPECT_EQ(p[2].y1, 100);
            auto [equation, b] = split_asked(p[2].s);
            auto sides = oracle::split_line(equation).sides;
            ASSERT_EQ(sides.size(), 2u) << p[2].s;
            const std::string c = sides[0];
            // The right side is (p/q) B A^-1 with A the other letter.
            auto rhs = oracle::expand(sides[1]);
            ASSERT_TRUE(rhs.is_monomial()) << p[2].s;
            auto [mono, coef] = *rhs.terms().begin();
            ASSERT_EQ(mono.size(), 2u) << p[2].s;
            ASSERT_EQ(mono.at(b), 1) << "the letter asked for is the numerator's";
            std::string a;
            for (auto& [l, e] : mono)
                if (l != b) {
                    a = l;
                    EXPECT_EQ(e, -1);
                }
            sets_seen.insert({a, b, c});
            EXPECT_TRUE(letter_sets.count({a, b, c})) << p[2].s;
            const int64_t pn = coef.num(), qn = coef.den();
            pq.insert({pn, qn});

            for (int k = 0; k < 6; ++k) {
                EXPECT_EQ(p[3 + k].y1, 170 + 70 * k);
                EXPECT_EQ(p[3 + k].x1, k % 2 == 0 ? 156 : 120);
                EXPECT_EQ(p[3 + k].c, k % 2 == 0 ? 7 : k == 5 ? 5 : 0);
            }
            expect_solves(p[8].s, b, {equation, p[4].s, p[6].s, p[8].s}, rng);
        }
        auto& last = run.problems.back().back();
        EXPECT_EQ(last.s, "教科書P28 問2 をしなさい。");
        EXPECT_EQ(last.c, 3);
        EXPECT_EQ(last.x1, 352);
        EXPECT_EQ(last.y1, 570);
    }
    // q from 2, 3, 5, 7; p from the four primes left: the 16 ordered pairs, no other.
    std::set<std::pair<int64_t, int64_t>> expected;
    for (int q : {2, 3, 5, 7})
        for (int p : {2, 3, 5, 7, 11})
            if (p != q) expected.insert({p, q});
    EXPECT_EQ(pq, expected);
    EXPECT_EQ(sets_seen, letter_sets);
}

// ⑧ 練習３: pB = q(A + c).
TEST(SarnothLesson3Drills, ParenthesesFormulaAnswersSolveTheirEquations) {
    const std::set<std::pair<std::string, std::string>> letter_sets = {{"a", "b"}, {"x", "y"}, {"m", "n"}};
    std::mt19937 rng(11);
    std::set<std::pair<int64_t, int64_t>> pq;
    std::set<int64_t> constants;
    std::set<std::pair<std::string, std::string>> sets_seen;
    for (const Draws& seed : {Draws(29), kLowestRnd, kHighestRnd}) {
        SCOPED_TRACE(::testing::PrintToString(seed));
        const int count = seed.pin ? 2 : 400;  // a pinned generator draws the same problem each time
        DrillRun run([](Sarnoth& g) { sarnoth3::DRILL_SOLVE_FORMULA_WITH_PARENTHESES(g); }, 6, count, seed);
        ASSERT_TRUE(run.returned);
        EXPECT_EQ(run.keys_left(), 0u) << "six keys per problem";
        ASSERT_EQ(run.problems.size(), static_cast<size_t>(count));
        EXPECT_EQ(run.erases(40, 30, 640, 140), count);
        EXPECT_EQ(run.erases(40, 140, 640, 1440), count);

        for (size_t i = 0; i < run.problems.size(); ++i) {
            auto& p = run.problems[i];
            ASSERT_EQ(p.size(), i + 1 < run.problems.size() ? 9u : 10u);
            EXPECT_EQ(p[2].c, i % 2 == 0 ? 3 : 0);
            EXPECT_EQ(p[2].x1, 152);
            EXPECT_EQ(p[2].y1, 90);
            auto [equation, a] = split_asked(p[2].s);
            auto sides = oracle::split_line(equation).sides;
            ASSERT_EQ(sides.size(), 2u) << p[2].s;
            auto lhs = oracle::expand(sides[0]);
            auto rhs = oracle::expand(sides[1]);
            ASSERT_TRUE(lhs.is_monomial()) << p[2].s;
            auto [bmono, pcoef] = *lhs.terms().begin();
            ASSERT_EQ(bmono.size(), 1u);
            const std::string b = bmono.begin()->first;
            sets_seen.insert({a, b});
            EXPECT_TRUE(letter_sets.count({a, b})) << p[2].s;
            const Rational q = rhs.coefficient({{a, 1}});
            const Rational c = rhs.coefficient() / q;
            ASSERT_TRUE(pcoef.is_integer() && q.is_integer() && c.is_integer()) << p[2].s;
            pq.insert({pcoef.num(), q.num()});
            constants.insert(c.num());

            const float ys[] = {150, 210, 270, 350, 410, 480};
            for (int k = 0; k < 6; ++k) {
                EXPECT_EQ(p[3 + k].y1, ys[k]);
                EXPECT_EQ(p[3 + k].x1, k % 2 == 0 ? 156 : 120);
                EXPECT_EQ(p[3 + k].c, k % 2 == 0 ? 7 : k == 5 ? 5 : 0);
            }
            expect_solves(p[8].s, a, {equation, p[4].s, p[6].s, p[8].s}, rng);
        }
        auto& last = run.problems.back().back();
        EXPECT_EQ(last.s, "教科書P28 問3　をしなさい。");
        EXPECT_EQ(last.c, 3);
    }
    std::set<std::pair<int64_t, int64_t>> expected;
    for (int q : {2, 3, 5, 7})
        for (int p : {2, 3, 5, 7, 11})
            if (p != q) expected.insert({p, q});
    EXPECT_EQ(pq, expected);
    EXPECT_EQ(constants, (std::set<int64_t>{2, 3, 4, 5}));
    EXPECT_EQ(sets_seen, letter_sets);
}

// A new problem redraws the head only: the previous problem's answer is
// still on the screen until the new problem's first key.
TEST(SarnothLesson3Drills, PreviousWorkingStaysUntilTheFirstKey) {
    // Two problems of ③; the keys run out just before the second problem's first key.
    StepRun run(keys(4) + enter("2"), 3);
    EXPECT_FALSE(run.run([](Sarnoth& g) { sarnoth3::DRILL_SOLVE_FOR_FIRST_LETTER(g); }));
    EXPECT_EQ(run.erases(40, 140, 640, 1440), 1);
    EXPECT_EQ(run.erases(40, 30, 640, 140), 2);
    // The first answer is on the retained screen under the second head.
    auto texts = run.texts();
    ASSERT_GE(texts.size(), 12u);
    EXPECT_EQ(texts[8].y1, 500);
    EXPECT_EQ(texts[11].c, 0) << "the second problem's line in colour 0";
}

// A new problem starts on a clean area.  Each problem's head is erased before
// it is drawn and the working below it at its first key, and between them
// they must take in all the ink of the problems before: while a problem waits
// for its first key the screen shows what it and the problem before drew and
// nothing older; from that key on, what it drew alone.  The screen is read as
// the window keeps it, where a remnant (the descender of a letter under a
// bar, reaching out of the head's box) stays as an operation of its own, and
// its pixels are compared with a picture of those operations on a blank
// screen.  What a problem draws again exactly where an earlier one drew it
// (the instruction, past the head's box) covers the earlier copy's ink with
// its own, and is looked at once.  The seed gives ⑥ problems with a "y"
// under the bar followed by others (one by another such), and each screen is
// looked at in the window's pixels at two sizes.
// One drill a test, so the three run side by side.
struct CleanAreaCase {
    const char* step;
    const char* name;
    void (*drill)(Sarnoth&);
    int waits;  // any-key waits a problem
};
const CleanAreaCase kCleanAreaCases[] = {
    {"③", "FirstLetter", [](Sarnoth& g) { sarnoth3::DRILL_SOLVE_FOR_FIRST_LETTER(g); }, 4},
    {"⑥", "FractionFormula", [](Sarnoth& g) { sarnoth3::DRILL_SOLVE_FRACTION_FORMULA(g); }, 6},
    {"⑧", "FormulaWithParentheses", [](Sarnoth& g) { sarnoth3::DRILL_SOLVE_FORMULA_WITH_PARENTHESES(g); }, 6},
};
void PrintTo(const CleanAreaCase& c, std::ostream* os) { *os << c.name; }
class SarnothLesson3CleanArea : public testing::TestWithParam<CleanAreaCase> {};

TEST_P(SarnothLesson3CleanArea, ANewProblemStartsOnACleanArea) {
    const std::regex y_under_bar(R"(/\d+yﾀ)");
    constexpr int kCount = 12;
    const CleanAreaCase& c = GetParam();
    SCOPED_TRACE(c.step);
    StepRun run(drill_keys(c.waits, kCount), 45);
    std::vector<size_t> starts{0};  // where each problem's operations start in the record
    size_t seen = 0;
    int any_keys = 0;  // any-key waits of the problem so far
    bool at_any_key = false, failed = false;
    run.backend.on_wait = [&] {
        const std::vector<DrawOp>& rec = run.pf.record();
        for (; seen < rec.size(); ++seen) {
            const DrawOp& op = rec[seen];
            if (op.op != Op::Prompt) continue;
            at_any_key = op.s == kAnyKey;
            if (op.s == kAnyKey) ++any_keys;
            if (op.s == kNextStep) starts.push_back(seen + 1), any_keys = 0;
        }
        // The first two waits: the new head, then the new working area.
        if (!at_any_key || any_keys > 2 || failed) return;
        const size_t problem = starts.size() - 1;
        const size_t from = any_keys == 1 && problem > 0 ? starts[problem - 1] : starts[problem];
        std::vector<DrawOp> own;
        for (size_t i = from; i < rec.size(); ++i)
            if (rec[i].drawn()) own.push_back(rec[i]);
        const std::vector<KeptOp> kept = drawn_once(run.backend.screen().kept());
        own = drawn_once(own);
        for (double scale : {1.0, 2.0}) {
            const Picture screen(kept, scale), fresh(own, scale);
            const Picture::Px d = screen.differing(fresh, {0, 0, LAYOUT_W, LAYOUT_H});
            if (d.empty()) continue;
            failed = true;
            ADD_FAILURE() << "problem " << problem + 1 << ", wait " << any_keys << ", at scale " << scale
                          << ": ink of an earlier problem stays from (" << d.l / scale << ", " << d.t / scale
                          << ") to (" << d.r / scale << ", " << d.b / scale << ")";
            return;
        }
    };
    ASSERT_TRUE(run.run(c.drill));
    EXPECT_EQ(starts.size(), static_cast<size_t>(kCount + 1));
    // Problems with a "y" under the bar, followed by another.
    const std::vector<Span> passes = run.passes();
    const auto after_y = std::count_if(passes.begin(), passes.end() - 1, [&](const Span& pass) {
        const auto texts = pass.texts();
        return std::any_of(texts.begin(), texts.end(),
                           [&](const DrawOp& t) { return std::regex_search(t.s, y_under_bar); });
    });
    if (std::string(c.step) == "⑥") {
        EXPECT_GE(after_y, 4);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDrill, SarnothLesson3CleanArea, testing::ValuesIn(kCleanAreaCases),
                         [](const testing::TestParamInfo<CleanAreaCase>& i) { return std::string(i.param.name); });

}  // namespace
}  // namespace cw::test
