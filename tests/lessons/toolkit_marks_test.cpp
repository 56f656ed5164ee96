// Marks over typeset lines: fraction anchors, measuring and laying out
// without drawing, and distribution arcs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "support/lesson_fixture.h"
#include "lessons/marks.h"

namespace cw::test {
namespace {

using namespace cw::lesson;

TEST(ToolkitMarks, AnchorsOfTheWorkedExamples) {
    // A factor ½ after "=" at (600, 240): the denominator's top left is (632, 268), the bar at y 265.
    {
        LessonFixture r("kelvane");
        auto& g = r.h.g;
        FractionAnchors a = put_fraction(g, 600, 240, 0, "=ﾀ1/2ﾀ*");
        EXPECT_EQ(a.denominator, (Anchor{632, 268}));
        EXPECT_EQ(a.numerator, (Anchor{632, 230}));
        EXPECT_EQ(a.xt, 632);
        EXPECT_EQ(a.bsen, 265);
        EXPECT_EQ(a.naga, 32);
        EXPECT_EQ(g.XI2, g.X);  // put()'s cursor rule holds
    }
    // 8xy over 4x written out after "=-" at (88, 290): the pen is 147 at the fraction, BSEN 315, and the
    // strokes over 8, x / 4, x start at (147, 279), (211, 279) / (182, 319), (246, 319).
    {
        LessonFixture r("kelvane");
        auto& g = r.h.g;
        put(g, 88, 290, 0, "=-");
        FractionAnchors a = put_fraction(g, g.XI2, g.YI1, 0, "ﾀ8*x*y/4*xﾀ");
        struct Case {
            Anchor got, want;
        } cases[] = {
            {a.numerator_strike(0), {147, 279}},
            {a.numerator_strike(64), {211, 279}},
            {a.denominator_strike(0), {182, 319}},
            {a.denominator_strike(64), {246, 319}},
        };
        for (auto& c : cases) {
            EXPECT_EQ(c.got.x, c.want.x);
            EXPECT_EQ(c.got.y, c.want.y);
        }
        EXPECT_EQ(a.bsen, 315);
        EXPECT_EQ(a.xt, 147);
    }
}

TEST(ToolkitMarks, AnchorsAreACopyLaterTextsDoNotMove) {
    LessonFixture r("kelvane");
    auto& g = r.h.g;
    FractionAnchors a = put_fraction(g, 600, 240, 0, "ﾀ1/2ﾀ");
    put(g, 100, 400, 0, "ﾀ12/35ﾀ");
    EXPECT_EQ(a.denominator, (Anchor{600, 268}));
    EXPECT_NE(fraction_anchors(g), a);
}

TEST(ToolkitMarks, MeasuresInBothStyles) {
    LessonFixture r("kelvane");
    auto& g = r.h.g;
    struct Case {
        const char* code;
        bool small;
        float width;
    } cases[] = {
        {"(-", false, 54}, {"", false, 0},       {"12", true, 64},      {"2", true, 32},
        {"*a*b", true, 140}, {"12*a*b*b", true, 274}, {"", true, 0},
    };
    for (auto& c : cases) {
        g.X = 11;
        g.Y = 22;
        float w = c.small ? measure_small(g, c.code) : measure(g, c.code);
        EXPECT_EQ(w, c.width) << c.code;
        EXPECT_EQ(g.LLT, c.width) << c.code;
        EXPECT_EQ(g.BUN, 0) << c.code;
        EXPECT_EQ(g.X, 11);
        EXPECT_EQ(g.Y, 22);
    }
}

TEST(ToolkitMarks, LayoutGivesWhatADrawGivesAndShowsNothing) {
    struct Case {
        float x, y;
        const char* code;
    } cases[] = {
        {600, 240, "=ﾀ1/2ﾀ*"}, {88, 290, "=-ﾀ8*x*y/4*xﾀ"}, {40, 500, "3a+ﾀ12/5ﾀ-ﾀx/7ﾀ"},
        {80, 230, "=-ﾀ15*a/6ﾀ"}, {700, 100, "ab+c"},        {0, 0, "ﾀ2/3ﾀx^2"},
    };
    for (auto& c : cases) {
        LessonFixture laid("kelvane"), drawn("kelvane");
        TextLayout l = layout_text(laid.h.g, c.x, c.y, c.code);
        for (auto& op : laid.h.drawn()) EXPECT_GE(op.y1, 1700) << c.code << ": drawn where it shows";
        put(drawn.h.g, c.x, c.y, 0, c.code);
        EXPECT_EQ(l.end_x, drawn.h.g.X) << c.code;
        const bool fraction = std::string(c.code).find("ﾀ") != std::string::npos;
        EXPECT_EQ(l.has_fraction, fraction) << c.code;
        if (fraction) { EXPECT_EQ(l.last, fraction_anchors(drawn.h.g)) << c.code; }
    }
}

TEST(ToolkitMarks, AFractionRevealedPartByPartDrawsWhatTheTypesetterDraws) {
    struct Case {
        float x, y;
        const char *lead, *num, *den;
    } cases[] = {{80, 230, "=", "15*a", "6"}, {600, 80, "=-", "2", "35"}, {40, 300, "", "x", "y"}};
    for (auto& c : cases) {
        const std::string code = std::string(c.lead) + "ﾀ" + c.num + "/" + c.den + "ﾀ";
        LessonFixture whole("kelvane"), parts("kelvane");
        whole.h.g.pf.SETDRAWWIDTH(5);
        parts.h.g.pf.SETDRAWWIDTH(5);
        put(whole.h.g, c.x, c.y, 0, code);

        auto& g = parts.h.g;
        TextLayout l = layout_text(g, c.x, c.y, code);
        parts.h.pf.clear_record();
        put(g, c.x, c.y, 0, c.lead);
        draw_fraction_bar(g, l.last.xt, l.last.bsen, l.last.naga, 0);
        draw_fraction_part(g, l.last.denominator, c.den, 0);
        draw_fraction_part(g, l.last.numerator, c.num, 0);
        EXPECT_EQ(g.pf.GETDRAWWIDTH(), 5);
        EXPECT_EQ(g.BUN, 0);

        // The same visible strokes and glyphs, whatever their order, the bar
        // drawn as a fraction bar.
        auto shapes = [](const LessonFixture& r) {
            std::vector<std::string> out;
            for (auto& op : r.h.drawn()) {
                if (op.op != Op::Line && op.op != Op::Text) continue;
                if (op.y1 >= 1700) continue;  // the typesetter's own measuring, below the screen
                out.push_back(std::to_string(static_cast<int>(op.op)) + " " + std::to_string(op.x1) + " " +
                              std::to_string(op.y1) + " " + std::to_string(op.x2) + " " + std::to_string(op.y2) +
                              " " + std::to_string(op.w) + " " + std::to_string(op.p) + " " + std::to_string(op.q) +
                              " " + op.s + (op.bar ? " bar" : ""));
            }
            std::sort(out.begin(), out.end());
            return out;
        };
        EXPECT_EQ(shapes(parts), shapes(whole)) << code;
    }
}

TEST(ToolkitMarks, DistributionArcSetsEveryInputAndDrawsNoLabel) {
    LessonFixture r("kelvane");
    auto& g = r.h.g;
    // Leftovers a script could have left: none may reach the arc.
    g.AAA_s = "9";
    g.AAAX = 20;
    g.AAAY = -10;
    g.MU_DO = 1;
    g.HABA = 10;
    g.TAKASA = 0.5f;
    g.HOUKOU = 1;
    distribution_arc(g, {100, 500}, {300, 500}, 1, 3);
    auto dots = r.h.of(Op::Circle);
    ASSERT_EQ(dots.size(), 181u);
    for (auto& d : dots) {
        EXPECT_EQ(d.c, 3);
        EXPECT_LE(d.y1, 500.01f);  // above the line
    }
    EXPECT_NEAR(dots.front().x1, 300, 0.01);
    EXPECT_NEAR(dots.back().x1, 100, 0.01);
    EXPECT_NEAR(dots[90].y1, 484, 0.01);
    for (auto& t : r.texts()) EXPECT_EQ(t.s, "");  // the label step draws the empty label only
    EXPECT_EQ(g.AAA_s, "");
    EXPECT_EQ(g.AAAX, 0);
    EXPECT_EQ(g.AAAY, 0);
    EXPECT_EQ(g.MU_DO, 0);
}

TEST(ToolkitMarks, ArcsBySideStepAndLabel) {
    struct Case {
        float side, step, height;
        size_t dots;
        float apex_y;
    } cases[] = {
        {-1, 10, 1, 19, 484}, {1, 10, 1, 19, 516}, {-1, 18, 2, 11, 468}, {-1, 8, 2.5f, 23, 460}, {-1, 1, -10, 181, 490},
    };
    for (auto& c : cases) {
        LessonFixture r("kelvane");
        auto& g = r.h.g;
        Arc a;
        a.from = {100, 500};
        a.to = {300, 500};
        a.height = c.height;
        a.colour = 7;
        a.side = c.side;
        a.step = c.step;
        a.label = "3m";
        a.label_colour = 5;
        draw_arc(g, a);
        auto dots = r.h.of(Op::Circle);
        EXPECT_EQ(dots.size(), c.dots) << c.side << " " << c.step;
        float extreme = 500;
        for (auto& d : dots) extreme = c.side < 0 ? std::min(extreme, d.y1) : std::max(extreme, d.y1);
        EXPECT_NEAR(extreme, c.apex_y, 0.05) << c.side << " " << c.step;
        auto t = r.texts();
        ASSERT_EQ(t.size(), 1u);
        EXPECT_EQ(t[0].s, "3m");
        EXPECT_EQ(t[0].c, 5);
        EXPECT_EQ(g.AAA_s, "");
    }
}

TEST(ToolkitMarks, AnchorsKeptInThePointTables) {
    LessonFixture r("kelvane");
    auto& g = r.h.g;
    struct Case {
        int k;
        Anchor a;
    } cases[] = {{0, {147, 0}}, {1, {147, 279}}, {11, {182, 319}}, {40, {-5, 1.5f}}};
    for (auto& c : cases) keep_anchor(g, c.k, c.a);
    for (auto& c : cases) {
        EXPECT_EQ(kept_anchor(g, c.k), c.a) << c.k;
        EXPECT_EQ(g.X_a(c.k), c.a.x);
        EXPECT_EQ(g.Y_a(c.k), c.a.y);
    }
    // The tables' bounds hold: a slot past them is a run-time error, not a write elsewhere.
    EXPECT_THROW(keep_anchor(g, 41, {1, 1}), RuntimeError);
}

}  // namespace
}  // namespace cw::test
