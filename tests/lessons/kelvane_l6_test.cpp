// Kelvane lesson 6: the example-9 drill over many seeded problems, the
// method-2 screen, the worked example, the notation question and the answer
// pages, read from the display list.
#include <gtest/gtest.h>

#include <numeric>
#include <set>

#include "lessons/kelvane/lesson6.h"
#include "lessons/kelvane_l57_support.h"

namespace cw {
namespace {

using namespace l57test;
using oracle::expand;
using oracle::Poly;
using oracle::Rational;

const std::string kBar = "ﾀ";

// "ﾀnum/denﾀ" split into its numerator and denominator; false for any other text.
bool split_fraction(const std::string& s, std::string& num, std::string& den) {
    if (s.rfind(kBar, 0) != 0 || s.size() < 2 * kBar.size() || s.compare(s.size() - kBar.size(), kBar.size(), kBar))
        return false;
    std::string inner = s.substr(kBar.size(), s.size() - 2 * kBar.size());
    if (inner.find(kBar) != std::string::npos) return false;
    auto slash = inner.find('/');
    if (slash == std::string::npos) return false;
    num = inner.substr(0, slash);
    den = inner.substr(slash + 1);
    return true;
}

int64_t whole(const Rational& r) {
    EXPECT_TRUE(r.is_integer()) << r;
    return r.num();
}

struct L6PanelCase {
    float xkara, ykara, xmade, x0, y0;
    test::Draws seed;
};
void PrintTo(const L6PanelCase& c, std::ostream* os) { *os << "origin (" << c.x0 << "," << c.y0 << "), " << c.seed; }

class Example9Drill : public ::testing::TestWithParam<L6PanelCase> {};

TEST_P(Example9Drill, TheLastRowIsTheDifferenceInLowestTerms) {
    const auto c = GetParam();
    const float x0 = c.x0, y0 = c.y0, row = y0 + 100;
    const bool pinned = c.seed.pin.has_value();  // a pinned generator draws the same problem each time
    const int count = pinned ? 3 : 200;
    PupilRun r(count, c.seed);
    r.g.XKARA = c.xkara;
    r.g.YKARA = c.ykara;
    r.g.XMADE = c.xmade;
    r.g.YMADE = 1800;
    r.g.XHAJIME = x0;
    r.g.YHAJIME = y0;
    r.g.pf.SETDRAWWIDTH(5);

    int seen = 0, reduced = 0, whole_result = 0, no_factor = 0;
    std::vector<size_t> rows_of;
    r.on_problem = [&](const std::vector<DrawOp>& ops) {
        ++seen;
        auto t = texts(ops);
        ASSERT_TRUE(t.size() == 9 || t.size() == 10) << t.size();
        rows_of.push_back(t.size());

        // The problem: the smaller denominator first, numerators ax-by.
        EXPECT_EQ(t[0].x1, x0 + 27);
        EXPECT_EQ(t[0].y1, y0 + 20);
        EXPECT_EQ(t[0].c, 7);
        const std::string& problem = t[0].s;
        auto minus = problem.find(kBar + "-" + kBar);
        ASSERT_NE(minus, std::string::npos) << problem;
        std::string n1, d1, n2, d2;
        ASSERT_TRUE(split_fraction(problem.substr(0, minus + kBar.size()), n1, d1)) << problem;
        ASSERT_TRUE(split_fraction(problem.substr(minus + kBar.size() + 1), n2, d2)) << problem;
        const int64_t lo = std::stoi(d1), hi = std::stoi(d2);
        EXPECT_LT(lo, hi) << problem;
        for (int64_t d : {lo, hi}) EXPECT_TRUE(d >= 2 && d <= 6) << problem;
        EXPECT_FALSE(lo == 4 && hi == 5) << problem;
        for (auto& n : {n1, n2}) {
            const Poly p = expand(n);
            const int64_t a = whole(coefficient(p, "x")), b = whole(coefficient(p, "y"));
            EXPECT_TRUE(a >= 1 && a <= 5 && b >= -5 && b <= -1) << problem;
            EXPECT_EQ(p.terms().size(), 2u) << n;
        }
        const Poly value = expand(problem);
        const int64_t lcm = std::lcm(lo, hi);

        // The combined fraction: laid out unseen, then "=", the bar, the
        // denominator and the numerator's two parts in colour 3.
        const DrawOp &unseen = t[1], &eq = t[2], &den = t[3], &first = t[4], &second = t[5];
        EXPECT_EQ(unseen.c, 15);
        EXPECT_EQ(unseen.x1, x0);
        EXPECT_EQ(unseen.y1, row);
        EXPECT_EQ(unseen.s, "=" + kBar + first.s + second.s + "/" + den.s + kBar);
        EXPECT_EQ(eq.s, "=");
        EXPECT_EQ(eq.c, 0);
        EXPECT_EQ(eq.x1, x0);
        EXPECT_EQ(eq.y1, row);
        EXPECT_EQ(den.s, std::to_string(lcm));
        EXPECT_EQ(den.y1, row + 28);
        EXPECT_EQ(first.y1, row - 10);
        EXPECT_EQ(second.y1, row - 10);
        EXPECT_GT(second.x1, first.x1);
        for (auto* op : {&den, &first, &second}) EXPECT_EQ(op->c, 3);
        EXPECT_EQ(expand(unseen.s), value) << unseen.s;
        no_factor += second.s.rfind("-(", 0) == 0;
        int bars = 0;
        for (auto& op : of(ops, Op::Line))
            if (op.bar && op.y1 == row + 25 && op.y2 == row + 25 && op.x1 == x0 + 32 + 4 && op.c == 0) ++bars;
        EXPECT_EQ(bars, 1) << "one bar, right after the \"=\" (drawn 4 short of the fraction's start)";

        // Then one row every 80 from the numerator's line, each worth the problem.
        for (size_t i = 6; i < t.size(); ++i) {
            EXPECT_EQ(t[i].x1, x0);
            EXPECT_EQ(t[i].y1, row - 10 + 80 * static_cast<float>(i - 5)) << t[i].s;
            EXPECT_EQ(expand(t[i].s), value) << problem << " " << t[i].s;
        }
        const DrawOp& last = t.back();
        EXPECT_EQ(last.c, 5);
        if (t.size() == 10) {
            EXPECT_EQ(t[8].c, 0) << "the unreduced row is not the answer";
        }

        // The answer: one fraction in lowest terms, or no fraction at all.
        std::string num, d;
        if (split_fraction(last.s.substr(1), num, d)) {
            const Poly p = expand(num);
            const int64_t a = whole(coefficient(p, "x")), b = whole(coefficient(p, "y")), dd = std::stoi(d);
            EXPECT_NE(a, 0);
            EXPECT_NE(b, 0);
            EXPECT_EQ(std::gcd(std::gcd(a, b), dd), 1) << last.s;
            EXPECT_NE(dd, 1) << last.s;
            EXPECT_EQ(lcm % dd, 0);
        } else {
            ++whole_result;
            EXPECT_EQ(last.s.find(kBar), std::string::npos) << last.s;
            for (auto& [m, k] : value.terms()) EXPECT_TRUE(k.is_integer()) << last.s;
        }
        EXPECT_TRUE(oracle::form_faults(last.s).empty()) << last.s;
        reduced += t.size() == 10;
    };
    r.run(kelvane6::RUN_EXAMPLE9_DRILL);
    EXPECT_TRUE(r.returned);
    ASSERT_EQ(seen, count);
    // Seven keys when the collected row is the answer, eight when it is reduced.
    for (size_t i = 0; i < rows_of.size(); ++i) EXPECT_EQ(r.waits[i], rows_of[i] == 10 ? 8 : 7) << "problem " << i;
    EXPECT_EQ(r.waits.back(), 0);
    if (!pinned) {
        EXPECT_GT(reduced, 0);
        EXPECT_GT(whole_result, 0);
        EXPECT_GT(no_factor, 0);
    }
    EXPECT_EQ(r.g.BUN, 0);
    EXPECT_EQ(r.g.AINP, 1);
    EXPECT_EQ(r.g.pf.GETDRAWWIDTH(), 5);
}

INSTANTIATE_TEST_SUITE_P(Panels, Example9Drill,
                         ::testing::Values(L6PanelCase{0, 80, 640, 40, 80, 11}, L6PanelCase{640, 30, 3200, 640, 30, 4242},
                                           L6PanelCase{0, 80, 640, 40, 80, test::kLowestRnd},
                                           L6PanelCase{640, 30, 3200, 640, 30, test::kHighestRnd}));

TEST(Example9Problem, TheFirstCoefficientRepeatsOnlyAfterARejectedDraw) {
    // FMAESU takes each draw's x-coefficient before the zero test, so a value
    // equal to the one before comes back only through a draw whose collected
    // coefficient was 0: rarely.
    ScriptRun r("");
    int repeats = 0;
    const int n = 1500;
    for (int s = 1; s <= n; ++s) {
        r.g.pf.RANDOMIZE(s);
        r.g.FMAESU = 3;
        kelvane6::make_example9_problem(r.g);
        repeats += r.g.T_a(1) == 3;
        EXPECT_EQ(r.g.FMAESU, r.g.T_a(1));
    }
    // Without the rule one draw in five would repeat it.
    EXPECT_LT(repeats, n / 20);
}

TEST(MethodTwoScreen, TheFirstCoefficientsMemoryHoldsAcrossProblemsPanelsAndVisits) {
    // Before every problem the random numbers are set so that, were the memory lost (in the generator,
    // the drill, the screen or between visits), the problem would begin with the x-coefficient of the one
    // before.
    MemoryTrap trap(kelvane6::make_example9_problem);
    PupilRun r({3, 6, 9, 12}, 8);
    r.before_key = [&] { trap.set(r.g); };
    std::vector<int64_t> firsts;
    r.on_problem = [&](const std::vector<DrawOp>& ops) {
        // The problem in colour 7: its numerators are ax-by; the drawn a of the first draw's T(1).
        auto t = texts(ops);
        auto problem = std::find_if(t.rbegin(), t.rend(), [](const DrawOp& op) { return op.c == 7; });
        ASSERT_NE(problem, t.rend());
        const std::string& p = problem->s;
        std::set<int64_t> xs;
        for (auto& part : {p.substr(0, p.find(kBar + "-" + kBar) + kBar.size()), p.substr(p.find(kBar + "-" + kBar) + kBar.size() + 1)}) {
            std::string num, den;
            ASSERT_TRUE(split_fraction(part, num, den)) << p;
            xs.insert(whole(coefficient(expand(num), "x")));
        }
        EXPECT_EQ(xs.count(static_cast<int64_t>(r.g.T_a(1))), 1u) << p << ": T(1) is one of its x-coefficients";
        firsts.push_back(static_cast<int64_t>(r.g.T_a(1)));
    };
    r.run(kelvane6::SHOW_METHOD2_SCREEN);
    r.run(kelvane6::SHOW_METHOD2_SCREEN);
    ASSERT_TRUE(r.returned);
    ASSERT_EQ(firsts.size(), 12u);
    int repeats = 0;
    for (size_t i = 1; i < firsts.size(); ++i) repeats += firsts[i] == firsts[i - 1];
    EXPECT_EQ(repeats, 0);
    EXPECT_GE(trap.times_set(), 11);
}

TEST(MethodTwoScreen, PanelsListsAndAssignment) {
    PupilRun r({2, 3}, 8);
    r.run(kelvane6::SHOW_METHOD2_SCREEN);
    ASSERT_TRUE(r.returned);
    const auto& rec = r.h.pf.record();
    auto t = texts(rec);
    auto has = [&](float x, float y, float c, const std::string& s) {
        for (auto& op : t)
            if (op.x1 == x && op.y1 == y && op.c == c && op.s == s) return true;
        return false;
    };
    EXPECT_TRUE(has(40, 30, 3, "例9 次の計算をしなさい。"));
    const char* list[] = {"①通分する、", " 分子は、a( )の形にする。", "②1つの分数にまとめる", "③かっこをはずす",
                          "④同類項をまとめる", "⑤約分できるときは、約分する"};
    const float colours[] = {3, 5, 3, 3, 3, 3};
    for (int i = 0; i < 6; ++i) {
        const float dx = i == 1 ? 40 : 0;
        EXPECT_TRUE(has(640 + dx, 130 + 50 * static_cast<float>(i), colours[i], list[i])) << list[i];
        EXPECT_TRUE(has(40 + dx, 170 + 50 * static_cast<float>(i), colours[i], list[i])) << list[i];
    }
    EXPECT_TRUE(has(40, 520, 0, "教科書P16 問12　をしなさい。"));
    // Problems: two in the left panel, one in the right; then the left panel is erased for the list.
    int left_problems = 0, right_problems = 0;
    for (auto& op : t) {
        left_problems += op.c == 7 && op.x1 == 67 && op.y1 == 100;
        right_problems += op.c == 7 && op.x1 == 667 && op.y1 == 50;
    }
    EXPECT_EQ(left_problems, 2);
    EXPECT_EQ(right_problems, 1);
    int left_erases = 0;
    for (auto& op : of(rec, Op::Fill)) left_erases += op.f == 15 && op.x1 == 0 && op.y1 == 80 && op.x2 == 640 && op.y2 == 1800;
    EXPECT_EQ(left_erases, 1);
    // One key after the first list, one before the assignment.
    EXPECT_EQ(r.waits.back(), 1);
    EXPECT_GE(r.waits[2], 8);
    EXPECT_EQ(r.g.pf.GETDRAWWIDTH(), 5);
}

// ---------------------------------------------------------------------------
// The worked example

TEST(WorkedExample, FifteenRevealsHangingFromYI) {
    struct Case {
        float yi, top;
    } cases[] = {{0, 9}, {18, 27}};
    for (auto& c : cases) {
        ScriptRun r(keys(15));
        r.g.YI = c.yi;
        r.run(kelvane6::SHOW_WORKED_EXAMPLE1);
        EXPECT_TRUE(r.returned);
        EXPECT_EQ(r.h.backend.keys_left(), 0u);
        const auto& rec = r.h.pf.record();
        auto t = texts(rec);
        ASSERT_EQ(t.size(), 1u + 6u + 11u);  // heading, problem, five labels, six rows
        EXPECT_EQ(t[0].s, "例9　次の計算をしなさい。");
        EXPECT_EQ(t[0].x1, 72);
        EXPECT_EQ(t[0].y1, c.top);
        std::string problem;
        for (int i = 1; i <= 6; ++i) {
            EXPECT_EQ(t[static_cast<size_t>(i)].y1, c.top + 85);
            problem += t[static_cast<size_t>(i)].s;
        }
        EXPECT_EQ(t[1].x1, 108);
        const Poly value = expand(problem);
        EXPECT_EQ(value, Poly(Rational(1, 2)) * Poly::letter("x") + Poly(Rational(7, 6)) * Poly::letter("y"));
        // Rows and labels in the order of the reveals.
        std::vector<std::string> rows;
        std::vector<float> label_ys;
        for (size_t i = 7; i < t.size(); ++i) {
            if (t[i].x1 == 612) {
                label_ys.push_back(t[i].y1 - c.top);
                EXPECT_EQ(t[i].c, 7);
            } else if (t[i].x1 == 72) {
                rows.push_back(t[i].s);
                EXPECT_EQ(expand(t[i].s + (t[i].y1 == c.top + 160 ? t[i + 1].s : "")), value) << t[i].s;
            }
        }
        EXPECT_EQ(label_ys, (std::vector<float>{85, 160, 245, 330, 415}));
        ASSERT_EQ(rows.size(), 5u);
        EXPECT_EQ(t.back().s, "=ﾀ1/2ﾀx+ﾀ7/6ﾀy");
        EXPECT_EQ(t.back().x1, 72);
        EXPECT_EQ(t.back().y1, c.top + 500);
        EXPECT_EQ(t.back().c, 5);
        // Four arcs in colour 3, each from a coefficient 12 above the line to a term on it.
        auto d = dots(rec);
        ASSERT_EQ(d.size(), 4u * 181u);
        float tops[4];
        for (size_t k = 0; k < 4; ++k) {
            ArcSeen a = arc_seen(d, k * 181, 181);
            EXPECT_EQ(a.colour, 3);
            EXPECT_NEAR(std::max(a.y_first, a.y_last), c.top + 85, 0.01);
            EXPECT_NEAR(std::min(a.y_first, a.y_last), c.top + 73, 0.01);
            EXPECT_LT(a.min_y, c.top + 73) << "the arc bulges over the text";
            tops[k] = a.min_y;
        }
        // The arc to the farther term stands over the one to the nearer.
        EXPECT_LT(tops[1], tops[0]);
        EXPECT_LT(tops[3], tops[2]);
    }
}

TEST(WorkedExample, BeforeTheFirstKeyOnlyTheHeadingAndProblem) {
    ScriptRun r("");
    r.run(kelvane6::SHOW_WORKED_EXAMPLE1);
    EXPECT_FALSE(r.returned);
    EXPECT_EQ(texts(r.h.pf.record()).size(), 7u);
    EXPECT_TRUE(dots(r.h.pf.record()).empty());
}

TEST(NotationQuestion, TwoNotationsOfOneValueAndNoAnswer) {
    ScriptRun r("");
    r.run(kelvane6::SHOW_NOTATION_QUESTION);
    EXPECT_TRUE(r.returned);
    auto t = texts(r.h.pf.record());
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].s, "問2　次の①、②の式は同じ意味ですか。");
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(t[i].x1, 48);
        EXPECT_EQ(t[i].y1, 27 + 105 * static_cast<float>(i));
    }
    EXPECT_EQ(expand(t[1].s), expand(t[2].s));
    EXPECT_EQ(r.g.YI, 18);

    // The worked example shown afterwards hangs 18 lower.
    ScriptRun after(keys(15));
    after.run(kelvane6::SHOW_NOTATION_QUESTION);
    after.run(kelvane6::SHOW_WORKED_EXAMPLE1);
    EXPECT_EQ(texts(after.h.pf.record())[3].y1, 27);
}

TEST(AnswerPages, Question12OnTwoPages) {
    ScriptRun r(keys(21));
    r.run(kelvane6::SHOW_ANSWERS_Q12);
    EXPECT_TRUE(r.returned);
    EXPECT_EQ(r.h.backend.keys_left(), 0u);
    const auto& rec = r.h.pf.record();
    auto t = texts(rec);
    ASSERT_EQ(t.size(), 2u * 15u);
    for (size_t page = 0; page < 2; ++page) {
        const size_t h = page * 15;
        EXPECT_EQ(t[h].s, "問12 解答");
        EXPECT_EQ(t[h].x1, 108);
        EXPECT_EQ(t[h].y1, 30);
        EXPECT_EQ(check_blocks({t.begin() + static_cast<long>(h) + 1, t.begin() + static_cast<long>(h) + 15}), 2);
        for (size_t k = 0; k < 5; ++k) {
            EXPECT_EQ(t[h + 3 + k].y1, 180 + 90 * static_cast<float>(k));
            EXPECT_EQ(t[h + 10 + k].x1, 684);
        }
    }
    int window_erases = 0;
    for (auto& op : of(rec, Op::Fill)) window_erases += op.f == 15 && op.x1 == 0 && op.y1 == 0 && op.x2 == 1760 && op.y2 == 1800;
    EXPECT_EQ(window_erases, 2);

    // The right problem of a page comes with the key of the left one's answer.
    ScriptRun five(keys(5));
    five.run(kelvane6::SHOW_ANSWERS_Q12);
    auto t5 = texts(five.h.pf.record());
    EXPECT_EQ(t5.back().s, " ﾀx+y/4ﾀ+ﾀx-3y/10ﾀ");
}

}  // namespace
}  // namespace cw
