// Kelvane lesson 5: the example-8 drill over many seeded problems, the rules
// screen around it, the answer pages and the sub-menu, read from the display list.
#include <gtest/gtest.h>

#include <cmath>

#include "lessons/kelvane/lesson5.h"
#include "lessons/toolkit.h"
#include "lessons/kelvane_l57_support.h"

namespace cw {
namespace {

using namespace l57test;
using oracle::expand;
using oracle::form_faults;

// Reads a..f back from the six drawn pieces a, (bx, cy), d, (ex, fy).
struct Numbers {
    oracle::Rational a, b, c, d, e, f;
};
Numbers numbers_of(const std::vector<DrawOp>& t) {
    auto inner = [](const std::string& s) {
        std::string out;
        for (char ch : s)
            if (ch != '(' && ch != ')') out += ch;
        return expand(out);
    };
    return {coefficient(expand(t[1].s), ""), coefficient(inner(t[2].s), "x"), coefficient(inner(t[3].s), "y"),
            coefficient(expand(t[4].s), ""), coefficient(inner(t[5].s), "x"), coefficient(inner(t[6].s), "y")};
}

bool within(const oracle::Rational& v, int lo, int hi) {
    return v.is_integer() && std::abs(v.num()) >= lo && std::abs(v.num()) <= hi;
}

struct L5PanelCase {
    float x0, y0;
    test::Draws seed;
};
void PrintTo(const L5PanelCase& c, std::ostream* os) { *os << "origin (" << c.x0 << "," << c.y0 << "), " << c.seed; }

class Example8Drill : public ::testing::TestWithParam<L5PanelCase> {};

TEST_P(Example8Drill, EveryProblemIsWorkedOutToItsValue) {
    const auto [x0, y0, seed] = GetParam();
    const bool pinned = seed.pin.has_value();  // a pinned generator draws the same problem each time
    const int count = pinned ? 3 : 150;
    PupilRun r(count, seed);
    r.g.XKARA = x0 - 40;
    r.g.YKARA = y0;
    r.g.XMADE = x0 + 600;
    r.g.YMADE = 1800;
    r.g.XHAJIME = x0;
    r.g.YHAJIME = y0;
    r.g.pf.SETDRAWWIDTH(5);

    int seen = 0, x_cancelled = 0, y_cancelled = 0, unit_result = 0;
    oracle::Rational last_a(0);
    r.on_problem = [&](const std::vector<DrawOp>& ops) {
        ++seen;
        auto t = texts(ops);
        // heading slot, six pieces, four products, the regrouped row, the result
        ASSERT_EQ(t.size(), 13u);
        EXPECT_EQ(t[0].s, "　");
        EXPECT_EQ(t[0].x1, x0);
        EXPECT_EQ(t[0].y1, y0 + 50);
        std::string problem;
        float pen = x0 + 40;
        for (int i = 1; i <= 6; ++i) {
            EXPECT_EQ(t[i].x1, pen) << "each piece goes on where the one before ended";
            EXPECT_EQ(t[i].y1, y0 + 50);
            EXPECT_EQ(t[i].c, 0);
            pen += 27.0f * static_cast<float>(t[i].s.size());
            problem += t[i].s;
        }
        const Numbers n = numbers_of(t);
        EXPECT_TRUE(within(n.a, 2, 6) && within(n.d, 2, 6)) << problem;
        EXPECT_TRUE(within(n.b, 1, 5) && within(n.c, 1, 5) && within(n.e, 1, 5) && within(n.f, 1, 5)) << problem;
        if (!pinned) {
            EXPECT_NE(n.a, last_a) << "the first multiplier repeats: " << problem;
        }
        last_a = n.a;
        EXPECT_TRUE(form_faults(problem).empty()) << problem;

        const oracle::Poly value = expand(problem);
        EXPECT_EQ(value, (n.a * n.b + n.d * n.e) * oracle::Poly::letter("x") +
                             (n.a * n.c + n.d * n.f) * oracle::Poly::letter("y"));
        EXPECT_FALSE(value.is_zero()) << problem;

        // The products row, drawn piece by piece on one line from x0.
        std::string products;
        for (int i = 7; i <= 10; ++i) {
            EXPECT_EQ(t[i].y1, y0 + 120);
            products += t[i].s;
        }
        EXPECT_EQ(t[7].x1, x0);
        EXPECT_EQ(expand(products), value) << products;
        EXPECT_TRUE(form_faults(products).empty()) << products;
        // Regrouped: the x terms first, then the y terms, in the products' order.
        EXPECT_EQ(t[11].s, t[7].s + t[9].s + t[8].s + t[10].s);
        EXPECT_EQ(t[11].x1, x0);
        EXPECT_EQ(t[11].y1, y0 + 180);
        // The result in the answer colour, as the textbook writes it.
        EXPECT_EQ(t[12].x1, x0);
        EXPECT_EQ(t[12].y1, y0 + 240);
        EXPECT_EQ(t[12].c, 5);
        EXPECT_EQ(expand(t[12].s), value) << problem << " " << t[12].s;
        EXPECT_TRUE(form_faults(t[12].s).empty()) << t[12].s;
        x_cancelled += coefficient(value, "x") == oracle::Rational(0);
        y_cancelled += coefficient(value, "y") == oracle::Rational(0);
        unit_result += t[12].s.find("=x") == 0 || t[12].s.find("=-x") == 0 || t[12].s == "=y" ||
                       t[12].s == "=-y" || t[12].s.find("+y") != std::string::npos;

        // Four arcs of 181 dots: from the multiplier to its x term (16 high,
        // colour 9) and to its y term (32 high, colour 7), over the problem row.
        auto d = dots(ops);
        ASSERT_EQ(d.size(), 4u * 181u);
        struct Want {
            float from, to, height;
            int colour;
        } want[] = {
            {t[1].x1 + 15, t[2].x1 + 50, 16, 9},
            {t[1].x1 + 15, t[3].x1 + 30, 32, 7},
            {t[4].x1 + 27, t[5].x1 + 50, 16, 9},
            {t[4].x1 + 27, t[6].x1 + 30, 32, 7},
        };
        for (size_t k = 0; k < 4; ++k) {
            ArcSeen a = arc_seen(d, k * 181, 181);
            EXPECT_NEAR(std::min(a.x_first, a.x_last), want[k].from, 0.01);
            EXPECT_NEAR(std::max(a.x_first, a.x_last), want[k].to, 0.01);
            EXPECT_NEAR(a.max_y, y0 + 50, 0.01) << "the ends stand on the problem row";
            EXPECT_NEAR(a.min_y, y0 + 50 - want[k].height, 0.01);
            EXPECT_EQ(a.colour, want[k].colour);
        }
    };
    r.run(kelvane5::RUN_EXAMPLE8_DRILL);
    EXPECT_TRUE(r.returned);
    EXPECT_EQ(seen, count);
    for (size_t i = 0; i + 1 < r.waits.size(); ++i) ASSERT_EQ(r.waits[i], 10) << "problem " << i;
    EXPECT_EQ(r.waits.back(), 0) << "the drill returns at once after 1";
    if (!pinned) {
        EXPECT_GT(x_cancelled, 0);
        EXPECT_GT(y_cancelled, 0);
        EXPECT_GT(unit_result, 0);
    }
    // What the rules screen relies on.
    EXPECT_EQ(r.g.AINP, 1);
    EXPECT_EQ(r.g.XI1, x0);
    EXPECT_EQ(r.g.YI1, y0 + 240);
    EXPECT_EQ(r.g.FMAESU, r.g.T_a(1));
    EXPECT_EQ(r.g.pf.GETDRAWWIDTH(), 5);
}

INSTANTIATE_TEST_SUITE_P(Panels, Example8Drill,
                         ::testing::Values(L5PanelCase{40, 80, 7}, L5PanelCase{640, 80, 2024}, L5PanelCase{100, 0, 99},
                                           L5PanelCase{40, 80, test::kLowestRnd}, L5PanelCase{640, 80, test::kHighestRnd}));


TEST(RulesScreen, DrillsInBothPanelsRulesBetweenAndTheAssignment) {
    // Two problems on the left, three on the right.
    PupilRun r({2, 5}, 31);
    r.run(kelvane5::SHOW_RULES_SCREEN);
    ASSERT_TRUE(r.returned);
    const auto& rec = r.h.pf.record();
    auto t = texts(rec);
    auto at = [&](float x, float y) {
        std::vector<DrawOp> out;
        for (auto& op : t)
            if (op.x1 == x && op.y1 == y) out.push_back(op);
        return out;
    };
    auto one = [&](float x, float y, float c, const std::string& s) {
        auto found = at(x, y);
        ASSERT_EQ(found.size(), 1u) << x << "," << y;
        EXPECT_EQ(found[0].s, s);
        EXPECT_EQ(found[0].c, c) << s;
    };
    one(40, 30, 3, "例8 次の計算をしなさい。");
    one(40, 370, 3, "① 分配法則を利用してかっこをはずす");
    one(120, 445, 0, "m(a+b)=ma+mb");
    one(40, 495, 5, " 　負の数をかけるときは符号を変える");
    one(40, 545, 3, "② 項を並べかえる");
    one(40, 595, 3, "③ 同類項をまとめる");
    one(680, 420, 0, "教科書P16");
    one(680, 470, 0, "問10,問11　をしなさい。");
    // Each panel's results on row 320, the last problem of each standing.
    EXPECT_EQ(at(40, 320).size(), 2u);
    EXPECT_EQ(at(640, 320).size(), 3u);

    // Keys: ten per problem, one after the rule list, one before the assignment.
    EXPECT_EQ(r.waits, (std::vector<int>{10, 10, 11, 10, 10, 1}));
    int erase_all = 0, left = 0, right = 0;
    for (auto& op : of(rec, Op::Fill)) {
        if (op.f != 15) continue;
        erase_all += op.x1 == 0 && op.y1 == 0 && op.x2 == 1320 && op.y2 == 1300;
        left += op.x1 == 0 && op.y1 == 80 && op.x2 == 640 && op.y2 == 1800;
        right += op.x1 == 640 && op.y1 == 80 && op.x2 == 3200 && op.y2 == 1800;
    }
    EXPECT_EQ(erase_all, 1);
    EXPECT_EQ(left, 2);
    EXPECT_EQ(right, 3);

    // The two arcs of the rule, between the left panel's arcs and the right's:
    // from the m (x 138) to the a and to the b, above row b.
    auto d = dots(rec);
    ASSERT_EQ(d.size(), (5u * 4u + 2u) * 181u);
    ArcSeen c = arc_seen(d, 2 * 4 * 181, 181);
    ArcSeen e = arc_seen(d, 2 * 4 * 181 + 181, 181);
    EXPECT_NEAR(c.min_x, 138, 0.01);
    EXPECT_NEAR(c.max_x, 198, 0.01);
    EXPECT_NEAR(c.min_y, 435, 0.01);
    EXPECT_NEAR(c.max_y, 445, 0.01);
    EXPECT_EQ(c.colour, 3);
    EXPECT_NEAR(e.min_x, 138, 0.01);
    EXPECT_NEAR(e.max_x, 246, 0.01);
    EXPECT_NEAR(e.min_y, 425, 0.01);
    EXPECT_NEAR(e.max_y, 445, 0.01);
    EXPECT_EQ(e.colour, 7);

    // The first multiplier never repeats, across the panels too.
    std::vector<std::string> firsts;
    for (auto& op : t)
        if (op.y1 == 130 && (op.x1 == 80 || op.x1 == 680)) firsts.push_back(op.s);
    ASSERT_EQ(firsts.size(), 5u);
    for (size_t i = 1; i < firsts.size(); ++i) EXPECT_NE(firsts[i], firsts[i - 1]);
    EXPECT_EQ(r.g.pf.GETDRAWWIDTH(), 5);
}

TEST(RulesScreen, TheMultiplierMemoryHoldsAcrossProblemsPanelsAndVisits) {
    // Two visits of the screen, two or three problems in each panel; before every problem the random
    // numbers are set so that, were the memory lost (in the generator, the drill, the screen or between
    // visits), the problem would begin with the multiplier of the one before.
    MemoryTrap trap(kelvane5::make_example8_problem);
    PupilRun r({2, 5, 7, 9}, 5);
    r.before_key = [&] { trap.set(r.g); };
    std::vector<oracle::Rational> firsts;
    r.on_problem = [&](const std::vector<DrawOp>& ops) {
        auto t = texts(ops);
        // The multiplier a: the first piece after the problem's heading slot.
        auto slot = std::find_if(t.rbegin(), t.rend(), [](const DrawOp& op) { return op.s == "　"; });
        ASSERT_NE(slot, t.rend());
        const DrawOp& a = *(slot - 1);
        EXPECT_EQ(a.c, 0);
        firsts.push_back(coefficient(expand(a.s), ""));
    };
    r.run(kelvane5::SHOW_RULES_SCREEN);
    r.run(kelvane5::SHOW_RULES_SCREEN);
    ASSERT_TRUE(r.returned);
    ASSERT_EQ(firsts.size(), 9u);
    for (size_t i = 1; i < firsts.size(); ++i) EXPECT_NE(firsts[i], firsts[i - 1]) << "problem " << i;
    EXPECT_GE(trap.times_set(), 8) << "every problem after the first was trapped";
    EXPECT_EQ(oracle::Rational(static_cast<int64_t>(r.g.FMAESU)), firsts.back());
}

TEST(AnswerPages, Question10) {
    ScriptRun r(keys(4));
    r.run(kelvane5::SHOW_ANSWERS_Q10);
    EXPECT_TRUE(r.returned);
    EXPECT_EQ(r.h.backend.keys_left(), 0u);
    auto t = texts(r.h.pf.record());
    ASSERT_EQ(t.size(), 21u);
    EXPECT_EQ(t[0].s, "問10 解答");
    EXPECT_EQ(t[0].x1, 108);
    EXPECT_EQ(t[0].y1, 30);
    EXPECT_EQ(check_blocks({t.begin() + 1, t.end()}), 4);
    // Rows of the two columns: the reordered rows of (2) and (4) stand 80 lower.
    const float ys[] = {90, 90, 150, 210, 270, 330, 330, 390, 470, 530};
    for (int col = 0; col < 2; ++col)
        for (int k = 0; k < 10; ++k) {
            const DrawOp& op = t[static_cast<size_t>(1 + col * 10 + k)];
            EXPECT_EQ(op.y1, ys[k]) << op.s;
            if (k == 0 || k == 5) {
                EXPECT_EQ(op.x1, col == 0 ? 36 : 612) << op.s;
            }
        }
}

TEST(AnswerPages, Question11) {
    ScriptRun r(keys(3));
    r.run(kelvane5::SHOW_ANSWERS_Q11);
    EXPECT_TRUE(r.returned);
    EXPECT_EQ(r.h.backend.keys_left(), 0u);
    auto t = texts(r.h.pf.record());
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[0].s, "問11 解答");
    EXPECT_EQ(t[1].s + t[2].s, " 3(2x-4y)-4(x+3y)");
    EXPECT_EQ(t[1].c, 3);
    EXPECT_EQ(t[2].c, 3);
    EXPECT_EQ(t[2].x1, 36 + 27 * 9);
    const oracle::Poly value = expand(t[1].s + t[2].s);
    for (size_t i = 3; i < 6; ++i) {
        EXPECT_EQ(expand(t[i].s), value) << t[i].s;
        EXPECT_EQ(t[i].x1, 36);
        EXPECT_EQ(t[i].y1, 90 + 60 * static_cast<float>(i - 2));
    }
    EXPECT_EQ(t[5].c, 5);
}

}  // namespace
}  // namespace cw
