// Parallel marks, equal ticks and slope triangles.
#include <cmath>

#include "figures/figure_fixture.h"

namespace cw::test {
namespace {

class MarksTest : public FigureTest {
protected:
    void segment(float ax, float ay, float bx, float by) { g.AX = ax, g.AY = ay, g.BX = bx, g.BY = by; }
    std::vector<DrawOp> shown() const {
        std::vector<DrawOp> out;
        for (auto& op : labels())
            if (!op.s.empty()) out.push_back(op);
        return out;
    }
};

TEST_F(MarksTest, ParallelMarksPastTheDividingPoint) {
    segment(100, 200, 300, 200);
    g.A = 1, g.B = 1, g.NAGASA = 10, g.HONSU = 3, g.CCC2 = 6;
    DRAW_PARALLEL_MARKS(g);
    auto l = lines();
    ASSERT_EQ(l.size(), 6u);
    for (int k = 0; k < 3; ++k) {
        float tip = 216 + 16 * k;
        EXPECT_LINE(l[2 * k], tip - 10, 205, tip, 200, 6);
        EXPECT_LINE(l[2 * k + 1], tip - 10, 195, tip, 200, 6);
    }
    EXPECT_EQ(g.BX1, 248);
    EXPECT_EQ(g.II, 4);
}

TEST_F(MarksTest, ParallelMarkCount) {
    struct Case {
        float honsu;
        size_t marks;
        float honsu_after;
    };
    const Case cases[] = {{0, 1, 1}, {1, 1, 1}, {6, 6, 6}, {7, 1, 1}, {-2, 1, 1}, {2.5f, 2, 2.5f}, {0.5f, 1, 0.5f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.honsu);
        h.pf.clear_record();
        segment(100, 200, 300, 200);
        g.A = 1, g.B = 1, g.NAGASA = 10, g.HONSU = c.honsu;
        DRAW_PARALLEL_MARKS(g);
        EXPECT_EQ(lines().size(), 2 * c.marks);
        EXPECT_EQ(g.HONSU, c.honsu_after);
    }
}

TEST_F(MarksTest, ParallelMarkPlacementAndDirection) {
    struct Case {
        const char* name;
        float ax, bx, a, b, nagasa;
        float tip, back;
    };
    const Case cases[] = {
        {"ratio 1:0: beyond the end", 100, 300, 1, 0, 10, 316, 306},
        {"ratio 0:1: past the start", 100, 300, 0, 1, 10, 116, 106},
        {"ratio 1:3", 100, 300, 1, 3, 10, 166, 156},
        {"negative size opens towards the end", 100, 300, 1, 1, -10, 216, 226},
        {"reversed segment points back", 300, 100, 1, 1, 10, 184, 194},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        h.pf.clear_record();
        segment(c.ax, 200, c.bx, 200);
        g.A = c.a, g.B = c.b, g.NAGASA = c.nagasa, g.HONSU = 1;
        DRAW_PARALLEL_MARKS(g);
        auto l = lines();
        ASSERT_EQ(l.size(), 2u);
        EXPECT_NEAR(l[0].x2, c.tip, 1e-3);
        EXPECT_NEAR(l[0].x1, c.back, 1e-3);
        EXPECT_NEAR(std::fabs(l[0].y1 - 200), std::fabs(c.nagasa) / 2, 1e-3);
    }
}

TEST_F(MarksTest, SlantedParallelMarkArmsMeetAtTheTip) {
    segment(0, 0, 300, 400);  // u = (0.6, 0.8)
    g.A = 1, g.B = 1, g.NAGASA = 20, g.HONSU = 1;
    DRAW_PARALLEL_MARKS(g);
    auto l = lines();
    ASSERT_EQ(l.size(), 2u);
    float tx = 150 + 16 * 0.6f, ty = 200 + 16 * 0.8f;
    EXPECT_LINE(l[0], tx - 12 - 8, ty - 16 + 6, tx, ty, 0);
    EXPECT_LINE(l[1], tx - 12 + 8, ty - 16 - 6, tx, ty, 0);
    for (auto& s : l) EXPECT_NEAR(std::hypot(s.x2 - s.x1, s.y2 - s.y1), 20 * std::sqrt(5.0f) / 2, 1e-3);
}

TEST_F(MarksTest, MarksOnASegmentOfNoLengthDrawNothing) {
    segment(150, 150, 150, 150);
    g.A = 1, g.B = 1, g.NAGASA = 10, g.HONSU = 2, g.ITI = 0, g.AIDA = 8;
    DRAW_PARALLEL_MARKS(g);
    DRAW_EQUAL_TICKS(g);
    EXPECT_TRUE(h.drawn().empty());
}

TEST_F(MarksTest, ParallelMarksWithNoWeightsAreARunTimeError) {
    segment(100, 200, 300, 200);
    g.A = 1, g.B = -1, g.NAGASA = 10, g.HONSU = 1;
    EXPECT_THROW(DRAW_PARALLEL_MARKS(g), RuntimeError);
}

TEST_F(MarksTest, EqualTicksAcrossTheSegment) {
    segment(100, 200, 300, 200);
    g.ITI = 0, g.AIDA = 8, g.NAGASA = 6, g.HONSU = 3, g.CCC2 = 2;
    DRAW_EQUAL_TICKS(g);
    auto l = lines();
    ASSERT_EQ(l.size(), 3u);
    for (int k = 0; k < 3; ++k) EXPECT_LINE(l[k], 208 + 8 * k, 194, 208 + 8 * k, 206, 2);
    EXPECT_EQ(g.AIDA, 32);
    EXPECT_EQ(g.AIDA1, 8);
}

TEST_F(MarksTest, EqualTicksCountStepAndOffset) {
    struct Case {
        const char* name;
        float iti, aida, honsu;
        std::vector<float> centres;
        float honsu_after, aida_after;
    };
    const Case cases[] = {
        {"none asked: one tick", 0, 8, 0, {208}, 0, 16},
        {"six", 0, 8, 6, {208, 216, 224, 232, 240, 248}, 6, 56},
        {"seven: one", 0, 8, 7, {208}, 1, 16},
        {"negative: one", 0, 8, -1, {208}, 1, 16},
        {"two and a half: two", 0, 8, 2.5f, {208, 216}, 2.5f, 24},
        {"step 30 kept", 0, 30, 1, {230}, 1, 60},
        {"step 30.5 replaced", 0, 30.5f, 1, {208}, 1, 16},
        {"step 0 replaced", 0, 0, 1, {208}, 1, 16},
        {"negative step towards the start", 0, -8, 2, {192, 184}, 2, -24},
        {"centred row", -16, 8, 3, {192, 200, 208}, 3, 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        h.pf.clear_record();
        segment(100, 200, 300, 200);
        g.ITI = c.iti, g.AIDA = c.aida, g.NAGASA = 6, g.HONSU = c.honsu;
        DRAW_EQUAL_TICKS(g);
        auto l = lines();
        ASSERT_EQ(l.size(), c.centres.size());
        for (size_t k = 0; k < l.size(); ++k) EXPECT_NEAR(l[k].x1, c.centres[k], 1e-3);
        EXPECT_EQ(g.HONSU, c.honsu_after);
        EXPECT_EQ(g.AIDA, c.aida_after);
    }
}

TEST_F(MarksTest, SecondRowOfTicksUsesTheStepLeftBehind) {
    segment(100, 200, 300, 200);
    g.ITI = 0, g.AIDA = 8, g.NAGASA = 6, g.HONSU = 2;
    DRAW_EQUAL_TICKS(g);
    h.pf.clear_record();
    DRAW_EQUAL_TICKS(g);
    auto l = lines();
    ASSERT_EQ(l.size(), 2u);
    EXPECT_NEAR(l[0].x1, 224, 1e-3);
    EXPECT_NEAR(l[1].x1, 248, 1e-3);
}

class ArrowTest : public MarksTest {
protected:
    void arrow(float x0, float y0, float x, float y, float muki, float ya, float nagasa) {
        g.ZX0 = x0, g.ZY0 = y0, g.ZX = x, g.ZY = y, g.MUKI = muki, g.YA = ya, g.NAGASA = nagasa, g.CCC2 = 4;
    }
};

TEST_F(ArrowTest, TipFollowsMuki) {
    struct Case {
        float muki;
        float tail_x, tip_x, back_x;
    };
    const Case cases[] = {{1, 100, 200, 190}, {0, 100, 200, 190}, {5, 100, 200, 190}, {-1, 200, 100, 110}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.muki);
        h.pf.clear_record();
        g.pf.SETDRAWWIDTH(2);
        arrow(100, 100, 200, 100, c.muki, 1, 10);
        DRAW_ARROW(g);
        auto l = lines();
        ASSERT_EQ(l.size(), 3u);
        EXPECT_LINE(l[0], c.tail_x, 100, c.tip_x, 100, 4);
        float side = c.tip_x > c.tail_x ? 5 : -5;  // right of the shaft as seen along it
        EXPECT_LINE(l[1], c.back_x, 100 + side, c.tip_x, 100, 4);
        EXPECT_LINE(l[2], c.back_x, 100 - side, c.tip_x, 100, 4);
        for (auto& s : l) EXPECT_EQ(s.w, 2);
        EXPECT_EQ(g.MUKI, 0);
        EXPECT_EQ(g.YA, 1);
        EXPECT_EQ(g.pf.GETDRAWWIDTH(), 2);
    }
}

TEST_F(ArrowTest, HeadsAtBothEnds) {
    for (float muki : {1.0f, -1.0f}) {
        h.pf.clear_record();
        arrow(100, 100, 100, 300, muki, 2, 16);
        DRAW_ARROW(g);
        auto l = lines();
        ASSERT_EQ(l.size(), 6u);
        std::vector<float> tips;
        for (auto& s : l) tips.push_back(s.y2);
        std::sort(tips.begin(), tips.end());
        EXPECT_EQ(tips, (std::vector<float>{100, 100, 100, 300, 300, 300}));
        EXPECT_EQ(g.YA, 0);
        EXPECT_EQ(g.MUKI, 0);
    }
}

TEST_F(ArrowTest, HeadSizes) {
    arrow(100, 100, 200, 100, 1, 1, 0);  // strokes shrink to the tip
    DRAW_ARROW(g);
    auto l = lines();
    ASSERT_EQ(l.size(), 3u);
    EXPECT_LINE(l[1], 200, 100, 200, 100, 4);
    h.pf.clear_record();
    arrow(100, 100, 130, 100, 1, 1, 50);  // longer than the shaft: drawn all the same
    DRAW_ARROW(g);
    l = lines();
    ASSERT_EQ(l.size(), 3u);
    EXPECT_LINE(l[1], 80, 125, 130, 100, 4);
    h.pf.clear_record();
    arrow(0, 0, 300, 400, 1, 1, 10);
    DRAW_ARROW(g);
    l = lines();
    for (int k = 1; k <= 2; ++k) {
        float len = std::hypot(l[k].x2 - l[k].x1, l[k].y2 - l[k].y1);
        EXPECT_NEAR(len, 10 * std::sqrt(5.0f) / 2, 1e-3);
    }
}

TEST_F(ArrowTest, ArrowOfNoLengthDrawsNothing) {
    arrow(150, 150, 150, 150, -1, 2, 10);
    DRAW_ARROW(g);
    EXPECT_TRUE(h.drawn().empty());
    EXPECT_EQ(g.MUKI, 0);
    EXPECT_EQ(g.YA, 0);
}

class SlopeTest : public MarksTest {
protected:
    void points(float x3, float y3, float x4, float y4, const std::string& hyouji = "") {
        g.GX3 = x3, g.GY3 = y3, g.GX4 = x4, g.GY4 = y4, g.SIZE = 50, g.HYOUJI_s = hyouji;
    }
};

TEST_F(SlopeTest, RunThenRiseWithLabels) {
    g.pf.SETDRAWWIDTH(1);
    points(100, 300, 200, 200, "yy");
    DRAW_SLOPE_TRIANGLE(g);
    auto l = lines();
    ASSERT_EQ(l.size(), 6u);
    EXPECT_LINE(l[0], 100, 300, 200, 300, 7);  // run, pointing right
    EXPECT_LINE(l[1], 184, 308, 200, 300, 7);
    EXPECT_LINE(l[3], 200, 300, 200, 200, 3);  // rise, pointing up
    EXPECT_LINE(l[4], 208, 216, 200, 200, 3);
    for (auto& s : l) EXPECT_EQ(s.w, 4);
    EXPECT_EQ(g.X_s, "2");
    EXPECT_EQ(g.Y_s, "2");
    auto t = shown();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].s, "2");
    EXPECT_EQ(t[0].c, 7);
    EXPECT_NEAR(t[0].x1, 136, 1e-3);
    EXPECT_NEAR(t[0].y1, 256, 1e-3);  // above the run, on the triangle's side
    EXPECT_EQ(t[1].s, "2");
    EXPECT_EQ(t[1].c, 3);
    EXPECT_NEAR(t[1].x1, 200, 1e-3);
    EXPECT_NEAR(t[1].y1, 234, 1e-3);
    EXPECT_EQ(g.pf.GETDRAWWIDTH(), 4);
    EXPECT_EQ(g.CCC2, 3);
    EXPECT_EQ(g.NAGASA, 16);
    EXPECT_EQ(g.MUKI, 0);
    EXPECT_EQ(g.AA_s, "");
}

TEST_F(SlopeTest, PointsGivenRightToLeftAreExchanged) {
    points(200, 400, 100, 300, "y");  // the right point lower
    DRAW_SLOPE_TRIANGLE(g);
    EXPECT_EQ(g.GX3, 100);
    EXPECT_EQ(g.GY3, 300);
    EXPECT_EQ(g.GX4, 200);
    EXPECT_EQ(g.GY4, 400);
    auto l = lines();
    ASSERT_EQ(l.size(), 6u);
    EXPECT_LINE(l[0], 100, 300, 200, 300, 7);
    EXPECT_LINE(l[3], 200, 300, 200, 400, 3);  // pointing down
    EXPECT_EQ(g.Y_s, "-2");
    auto t = shown();
    ASSERT_EQ(t.size(), 1u);
    EXPECT_NEAR(t[0].y1, 300, 1e-3);  // the triangle lies below the run
}

TEST_F(SlopeTest, TextsOfFractionalRunsAndRises) {
    struct Case {
        float x4, y4;
        const char *run, *rise;
    };
    const Case cases[] = {{150, 250, "1", "1"}, {125, 275, "0.5", "0.5"}, {125, 325, "0.5", "-0.5"},
                          {400, 150, "6", "3"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rise);
        points(100, 300, c.x4, c.y4);
        DRAW_SLOPE_TRIANGLE(g);
        EXPECT_EQ(g.X_s, c.run);
        EXPECT_EQ(g.Y_s, c.rise);
    }
}

TEST_F(SlopeTest, LabelSwitches) {
    struct Case {
        const char* hyouji;
        bool run, rise;
    };
    const Case cases[] = {{"yy", true, true}, {"y", true, false}, {"yn", true, false}, {"ny", false, true},
                          {"Y", false, false}, {"", false, false}, {"YY", false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hyouji);
        h.pf.clear_record();
        points(100, 300, 200, 200, c.hyouji);
        DRAW_SLOPE_TRIANGLE(g);
        auto t = shown();
        ASSERT_EQ(t.size(), (c.run ? 1u : 0u) + (c.rise ? 1u : 0u));
        if (c.run) { EXPECT_EQ(t[0].c, 7); }
        if (c.rise) { EXPECT_EQ(t.back().c, 3); }
        EXPECT_EQ(g.X_s, "2");
    }
}

TEST_F(SlopeTest, NoRiseOrNoRunDrawsOnlyTheOtherArrow) {
    points(100, 300, 200, 300, "yy");
    DRAW_SLOPE_TRIANGLE(g);
    auto l = lines();
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[0].c, 7);
    EXPECT_EQ(g.Y_s, "0");
    EXPECT_EQ(shown().size(), 2u);

    h.pf.clear_record();
    points(100, 300, 100, 200);
    DRAW_SLOPE_TRIANGLE(g);
    l = lines();
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[0].c, 3);
    EXPECT_EQ(g.X_s, "0");
}

TEST_F(SlopeTest, CellSizeZeroIsARunTimeErrorAfterTheArrows) {
    points(100, 300, 200, 200);
    g.SIZE = 0;
    EXPECT_THROW(DRAW_SLOPE_TRIANGLE(g), RuntimeError);
    EXPECT_EQ(lines().size(), 6u);
}

}  // namespace
}  // namespace cw::test
