// Coordinate planes, their scaled labels, plotted points and graphs.
#include <cmath>

#include "figures/figure_fixture.h"

namespace cw::test {
namespace {

class PlaneTest : public FigureTest {
protected:
    void plane(float ggx, float ggy, float size, float aa1, float aa2, float bb1, float bb2, float baix = 1,
               float baiy = 1, float ccc2 = 1) {
        g.GGX = ggx, g.GGY = ggy, g.SIZE = size, g.AA1 = aa1, g.AA2 = aa2, g.BB1 = bb1, g.BB2 = bb2;
        g.BAIX = baix, g.BAIY = baiy, g.CCC2 = ccc2;
    }
    // Lines of a width, in drawing order.
    std::vector<DrawOp> lines_of_width(int w) const {
        std::vector<DrawOp> out;
        for (auto& op : lines())
            if (op.w == w) out.push_back(op);
        return out;
    }
    std::vector<std::string> text_strings() const {
        std::vector<std::string> out;
        for (auto& op : texts()) out.push_back(op.s);
        return out;
    }
};

TEST_F(PlaneTest, SmallPlaneLinesNumbersAxesAndNames) {
    g.pf.SETDRAWWIDTH(2);
    g.pf.SETFONTNAME("Times New Roman");
    g.pf.SETFONTITALIC(-1);
    plane(100, 100, 20, -2, 7, -6, 3);
    DRAW_COORDINATE_GRID(g);
    EXPECT_EQ(g.GX0, 140);
    EXPECT_EQ(g.GY0, 160);
    EXPECT_EQ(g.GX1, 100);
    EXPECT_EQ(g.GY1, 100);
    EXPECT_EQ(g.GX2, 280);
    EXPECT_EQ(g.GY2, 280);
    EXPECT_EQ(g.SIZE1, 26);

    auto minor = lines_of_width(1);
    ASSERT_EQ(minor.size(), 20u);
    for (int k = 0; k < 10; ++k) {
        float x = 140 + 20 * (k - 2) - 0.5f;
        EXPECT_LINE(minor[k], x, 100, x, 280, 0);
        float y = 160 - 20 * (k - 6) - 0.5f;
        EXPECT_LINE(minor[10 + k], 100, y, 280, y, 0);
    }
    auto major = lines_of_width(3);
    ASSERT_EQ(major.size(), 4u);
    EXPECT_LINE(major[0], 140, 100, 140, 280, 1);
    EXPECT_LINE(major[1], 240, 100, 240, 280, 1);
    EXPECT_LINE(major[2], 100, 260, 280, 260, 1);  // -5, from the bottom up
    EXPECT_LINE(major[3], 100, 160, 280, 160, 1);
    auto axes = lines_of_width(4);
    ASSERT_EQ(axes.size(), 2u);
    EXPECT_LINE(axes[0], 140, 100, 140, 280, 0);
    EXPECT_LINE(axes[1], 100, 160, 280, 160, 0);
    // The axes come last, over everything else.
    EXPECT_EQ(lines().back().w, 4);

    auto t = texts();
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[0].s, "5");
    EXPECT_NEAR(t[0].x1, 240 - 13, 1e-3);
    EXPECT_NEAR(t[0].y1, 160, 1e-3);
    EXPECT_EQ(t[0].font.face, "Times New Roman");  // the numbers take the face in force
    EXPECT_EQ(t[0].font.size, 26);
    EXPECT_EQ(t[1].s, "-5");
    EXPECT_NEAR(t[1].x1, 140 - 52, 1e-3);
    EXPECT_NEAR(t[1].y1, 260 - 13 - 4, 1e-3);
    EXPECT_EQ(t[0].p, 2);
    EXPECT_EQ(t[0].q, 1);
    EXPECT_EQ(t[2].s, "x");
    EXPECT_NEAR(t[2].x1, 280 - 20.8f, 1e-3);
    EXPECT_NEAR(t[2].y1, 160 - 39, 1e-3);
    EXPECT_EQ(t[2].p, 3);
    EXPECT_EQ(t[2].q, 2);
    EXPECT_EQ(t[2].font.face, "Times New Roman");
    EXPECT_FLOAT_EQ(t[2].font.size, 20.8f);
    EXPECT_TRUE(t[2].font.bold);
    EXPECT_TRUE(t[2].font.italic);
    EXPECT_EQ(t[3].s, "0");
    EXPECT_NEAR(t[3].x1, 114, 1e-3);
    EXPECT_NEAR(t[3].y1, 160, 1e-3);
    EXPECT_EQ(t[3].font, (FontState{"ゴシック", 26, true, false}));
    EXPECT_EQ(t[4].s, "y");
    EXPECT_NEAR(t[4].x1, 140, 1e-3);
    EXPECT_NEAR(t[4].y1, 87, 1e-3);
    for (auto& op : t) EXPECT_EQ(op.c, 0);

    EXPECT_EQ(g.pf.font(), (FontState{"ゴシック", 16, false, false}));
    EXPECT_EQ(g.pf.GETDRAWWIDTH(), 2);
    EXPECT_EQ(g.DR, 2);
    EXPECT_EQ(g.AA_s, "y");
    EXPECT_EQ(g.X, 140);
}

TEST_F(PlaneTest, CornerSizeAndScales) {
    plane(0, 0, 39, -1, 1, -1, 1, -2, 0);
    DRAW_COORDINATE_GRID(g);
    EXPECT_EQ(g.GGX, 640);
    EXPECT_EQ(g.GGY, 180);
    EXPECT_EQ(g.GX1, 640);
    EXPECT_EQ(g.SIZE1, 26);
    EXPECT_EQ(g.BAIX, 2);
    EXPECT_EQ(g.BAIY, 1);
    EXPECT_EQ(g.AA1, -0.5f);

    plane(0, 100, 40, -1, 1, -1, 1);
    DRAW_COORDINATE_GRID(g);
    EXPECT_EQ(g.GGX, 0);
    EXPECT_EQ(g.GX1, 0);
    EXPECT_EQ(g.SIZE1, 30);
}

TEST_F(PlaneTest, NumbersCountCells) {
    struct Case {
        float aa1, aa2, baix;
        std::vector<std::string> numbers;
        float aa1_after, aa2_after;
    };
    const Case cases[] = {
        {-10, 10, 2, {"-5", "5"}, -5, 5},
        {-12, 12, 1, {"-10", "-5", "5", "10"}, -12, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.baix);
        h.pf.clear_record();
        plane(100, 100, 20, c.aa1, c.aa2, 0, 0, c.baix);
        DRAW_COORDINATE_GRID(g);
        auto t = text_strings();
        std::vector<std::string> numbers(t.begin(), t.end() - 3);
        EXPECT_EQ(numbers, c.numbers);
        EXPECT_EQ(std::vector<std::string>(t.end() - 3, t.end()), (std::vector<std::string>{"x", "0", "y"}));
        EXPECT_EQ(g.AA1, c.aa1_after);
        EXPECT_EQ(g.AA2, c.aa2_after);
    }
    EXPECT_EQ(lines_of_width(3).size(), 5u + 1u);  // -10..10 across, and the x axis's line
}

TEST_F(PlaneTest, AxesOnlyAndNoNumbers) {
    plane(100, 100, 20, -12, 12, -6, 6, 1, 1, 0);
    g.NASI = -1;
    DRAW_COORDINATE_GRID(g);
    EXPECT_EQ(lines().size(), 2u);
    EXPECT_EQ(text_strings(), (std::vector<std::string>{"x", "0", "y"}));
    EXPECT_EQ(g.NASI, 0);

    h.pf.clear_record();
    plane(100, 100, 20, -12, 12, -6, 6);
    g.NASI = -1;
    DRAW_COORDINATE_GRID(g);
    EXPECT_EQ(lines_of_width(1).size(), 25u + 13u);
    EXPECT_EQ(lines_of_width(3).size(), 5u + 3u);
    EXPECT_EQ(text_strings(), (std::vector<std::string>{"x", "0", "y"}));
    EXPECT_EQ(g.NASI, 0);
}

TEST_F(PlaneTest, ReversedExtentStillDrawsOneLine) {
    plane(100, 100, 20, 5, -5, 3, 3);
    DRAW_COORDINATE_GRID(g);
    auto minor = lines_of_width(1);
    ASSERT_EQ(minor.size(), 2u);
    EXPECT_NEAR(minor[0].x1, g.GX0 + 100 - 0.5f, 1e-3);
    EXPECT_EQ(lines_of_width(3).size(), 1u);  // 5 is a multiple of 5
}

TEST_F(PlaneTest, SecondCallDividesTheExtentsAgain) {
    plane(100, 100, 20, -8, 8, -4, 4, 2, 2);
    DRAW_COORDINATE_GRID(g);
    EXPECT_EQ(g.AA2, 4);
    DRAW_COORDINATE_GRID(g);
    EXPECT_EQ(g.AA2, 2);
    EXPECT_EQ(g.BB1, -1);
}

TEST_F(PlaneTest, DegenerateScaleIsRefusedBeforeDrawing) {
    plane(100, 100, 20, -10, 10, -10, 10, 1e-30f, 1);
    EXPECT_THROW(DRAW_COORDINATE_GRID(g), RuntimeError);
    EXPECT_TRUE(h.drawn().empty());
}

TEST_F(PlaneTest, PlottedPoints) {
    plane(100, 100, 20, -10, 10, -10, 10);
    DRAW_COORDINATE_GRID(g);
    h.pf.clear_record();
    struct Case {
        float xg, yg, baix, baiy, kx, ky;
        const char* label;
        float gx, gy, baix_after;
    };
    const Case cases[] = {
        {0, 0, 1, 1, 0, 0, "", 300, 300, 1},
        {3, 2, 1, 1, 0, 0, "P", 360, 260, 1},
        {4, 2, -2, 2, 5, -5, "Q", 260, 280, -2},  // a negative scale mirrors the point
        {3, -1, 0, 0, 0, 0, "R", 360, 320, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        h.pf.clear_record();
        g.XG = c.xg, g.YG = c.yg, g.BAIX = c.baix, g.BAIY = c.baiy, g.R = 4, g.CCC3 = 12;
        g.KASANARIX = c.kx, g.KASANARIY = c.ky, g.AAA_s = c.label;
        PLOT_POINT(g);
        auto d = circles();
        ASSERT_EQ(d.size(), 1u);
        EXPECT_EQ(d[0].x1, c.gx);
        EXPECT_EQ(d[0].y1, c.gy);
        EXPECT_EQ(d[0].r, 4);
        EXPECT_EQ(d[0].c, 12);
        EXPECT_TRUE(d[0].filled);
        EXPECT_EQ(g.GX, c.gx);
        EXPECT_EQ(g.GY, c.gy);
        auto l = labels();
        ASSERT_EQ(l.size(), 1u);
        EXPECT_EQ(l[0].s, c.label);
        EXPECT_EQ(l[0].x1, c.gx - 20 + c.kx);
        EXPECT_EQ(l[0].y1, c.gy - 40 + c.ky);
        EXPECT_EQ(l[0].c, 12);
        EXPECT_EQ(g.KASANARIX, 0);
        EXPECT_EQ(g.KASANARIY, 0);
        EXPECT_EQ(g.AAA_s, c.label);  // kept for the next point
        EXPECT_EQ(g.BAIX, c.baix_after);
        EXPECT_EQ(g.CCC1, 12);
    }
}

class ScaledLabelsTest : public PlaneTest {
protected:
    void ticks(float aa1, float aa2, float bb1, float bb2, float baix, float baiy) {
        g.AA1 = aa1, g.AA2 = aa2, g.BB1 = bb1, g.BB2 = bb2, g.BAIX = baix, g.BAIY = baiy;
        g.GX0 = 400, g.GY0 = 300, g.SIZE = 20, g.SIZE1 = 26;
    }
    // Each label as its digits, with "." where the point is drawn after them.
    std::vector<std::string> read() const {
        std::vector<std::string> out;
        for (auto& op : texts()) {
            if (op.s == ".")
                out.back() += ".";
            else
                out.push_back(op.s);
        }
        return out;
    }
};

TEST_F(ScaledLabelsTest, ValuesAtTheMajorLines) {
    struct Case {
        float baix;
        std::vector<std::string> labels;  // at -10, -5, 5, 10
    };
    const Case cases[] = {
        {1, {"-10", "-5", "5", "10"}},
        {2, {"-20", "-10", "10", "20"}},
        {0.5f, {"-5", "-25.", "25.", "5"}},
        {0.1f, {"-1", "-05.", "05.", "1"}},
        {0.25f, {"-25.", "-12.", "12.", "25."}},  // 1.25 reads 1.2
        {0.06f, {"-06.", "-03.", "03.", "06."}},  // 0.06 x 5 reads 0.3, not 0.2
        {0.3f, {"-3", "-15.", "15.", "3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.baix);
        h.pf.clear_record();
        ticks(-10, 10, 0, 0, c.baix, 1);
        DRAW_SCALED_AXIS_LABELS(g);
        EXPECT_EQ(read(), c.labels);
    }
}

TEST_F(ScaledLabelsTest, PositionsOfDigitsAndPoint) {
    g.pf.SETFONTSIZE(20);
    ticks(0, 5, -5, 0, 0.5f, 2);
    DRAW_SCALED_AXIS_LABELS(g);
    auto t = texts();
    ASSERT_EQ(t.size(), 3u);
    // x axis at 5: "25" centred under x = 500, the point after the "2".
    EXPECT_EQ(t[0].s, "25");
    EXPECT_NEAR(t[0].x1, 500 - 26, 1e-3);
    EXPECT_NEAR(t[0].y1, 304, 1e-3);
    EXPECT_EQ(t[0].font.size, 26);
    EXPECT_EQ(t[0].p, 2);
    EXPECT_EQ(t[0].q, 1);
    EXPECT_EQ(t[1].s, ".");
    EXPECT_NEAR(t[1].x1, 500 - 26 + 26 - 6, 1e-3);
    EXPECT_NEAR(t[1].y1, 308, 1e-3);
    // y axis at -5: "-10" right-aligned against the axis, centred on y = 400.
    EXPECT_EQ(t[2].s, "-10");
    EXPECT_NEAR(t[2].x1, 400 - 78, 1e-3);
    EXPECT_NEAR(t[2].y1, 400 - 13, 1e-3);
    for (auto& op : t) EXPECT_EQ(op.c, 0);
    EXPECT_EQ(g.pf.font().size, 16);
    EXPECT_EQ(g.II, 1);  // just past the y extent
    EXPECT_EQ(g.AA_s, "-10");
}

TEST_F(ScaledLabelsTest, PointOnTheYAxis) {
    ticks(0, 0, 0, 5, 1, 0.5f);
    DRAW_SCALED_AXIS_LABELS(g);
    auto t = texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].s, "25");
    EXPECT_NEAR(t[0].x1, 400 - 52, 1e-3);
    EXPECT_NEAR(t[0].y1, 200 - 13, 1e-3);
    EXPECT_NEAR(t[1].x1, 400 - 52 + 20, 1e-3);
    EXPECT_NEAR(t[1].y1, 200 - 13 + 4, 1e-3);
}

TEST_F(ScaledLabelsTest, ReversedExtentMakesOnePass) {
    ticks(5, -5, 3, 1, 1, 1);
    DRAW_SCALED_AXIS_LABELS(g);
    EXPECT_EQ(read(), (std::vector<std::string>{"5"}));
    h.pf.clear_record();
    ticks(3, -5, 0, 0, 1, 1);
    DRAW_SCALED_AXIS_LABELS(g);
    EXPECT_TRUE(texts().empty());
}

TEST_F(ScaledLabelsTest, ExtentsTooLargeAreRefusedBeforeDrawing) {
    ticks(-10, 10, -1e9f, 1e9f, 1, 1);
    EXPECT_THROW(DRAW_SCALED_AXIS_LABELS(g), RuntimeError);
    ticks(-10, 10, 0, 1e30f, 1, 1);
    EXPECT_THROW(DRAW_SCALED_AXIS_LABELS(g), RuntimeError);
    EXPECT_TRUE(texts().empty());
}

TEST_F(ScaledLabelsTest, ValueBeyondSinglePrecisionIsAnOverflow) {
    ticks(5, 5, 0, 0, 1e38f, 1);
    EXPECT_THROW(DRAW_SCALED_AXIS_LABELS(g), RuntimeError);
}

TEST_F(ScaledLabelsTest, LargeScaleStillReadsWhole) {
    ticks(5, 5, 0, 0, 3e6f, 1);
    DRAW_SCALED_AXIS_LABELS(g);
    EXPECT_EQ(read(), (std::vector<std::string>{"15000000"}));
}

TEST_F(ScaledLabelsTest, SplitOfTheLastTick) {
    ticks(0, 0, -3, -3, 1, 0.5f);  // -1.5, not labelled but still split
    DRAW_SCALED_AXIS_LABELS(g);
    EXPECT_EQ(g.P1, -1);
    EXPECT_EQ(g.P2, 5);
    EXPECT_EQ(g.P1_s, "-1");
    EXPECT_EQ(g.P2_s, "5");
    ticks(0, 0, -1, -1, 1, 0.5f);  // -0.5 keeps its sign
    DRAW_SCALED_AXIS_LABELS(g);
    EXPECT_EQ(g.P1_s, "-0");
    EXPECT_EQ(g.P2_s, "5");
}

class GraphTest : public PlaneTest {
protected:
    GraphTest() {
        g.GX0 = 400, g.GY0 = 400, g.SIZE = 20, g.GY1 = 100, g.GY2 = 700;
        g.BAIX = 1, g.BAIY = 1, g.CCC3 = 9;
    }
    void graph(float kind, float a, float b, float c, float x1, float x2) {
        g.IROIRO = kind, g.AA = a, g.BB = b, g.CC = c, g.AA1 = x1, g.AA2 = x2;
    }
};

TEST_F(GraphTest, StraightLineOfDots) {
    g.pf.SETDRAWWIDTH(3);
    graph(3, 0.5f, 1, 0, 0, 10);
    g.AAA_s = "y=ﾀ1/2ﾀx+1", g.KASANARIX = 5, g.KASANARIY = -30;
    DRAW_FUNCTION_GRAPH(g);
    auto d = circles();
    ASSERT_EQ(d.size(), 5001u);
    EXPECT_EQ(d.front().x1, 400);  // kind 3 keeps x = 0
    EXPECT_EQ(d.front().y1, 380);
    EXPECT_NEAR(d.back().x1, 600, 1e-2);
    EXPECT_NEAR(d.back().y1, 280, 1e-2);
    EXPECT_EQ(d[0].r, 1);
    EXPECT_EQ(d[0].c, 9);
    EXPECT_TRUE(d[0].filled);
    EXPECT_EQ(d[0].w, 3);
    auto l = labels();
    ASSERT_EQ(l.size(), 1u);
    EXPECT_NEAR(l[0].x1, d.back().x1 + 5, 1e-3);
    EXPECT_NEAR(l[0].y1, d.back().y1 - 30, 1e-3);
    EXPECT_EQ(l[0].c, 9);
    EXPECT_EQ(g.HABA, 5000);
    EXPECT_EQ(g.II, 5001);
    EXPECT_EQ(g.KASANARIX, 0);
    EXPECT_EQ(g.KASANARIY, 0);
    EXPECT_EQ(g.AAA_s, "y=ﾀ1/2ﾀx+1");
    EXPECT_EQ(g.pf.GETDRAWWIDTH(), 3);
}

TEST_F(GraphTest, InverseStepsOverZero) {
    graph(1, 2, 0, 0, 0, 5);
    DRAW_FUNCTION_GRAPH(g);
    EXPECT_EQ(g.X1, 0.002f);
    EXPECT_EQ(g.P1, 0.001f);
    EXPECT_FLOAT_EQ(g.Y1, 1000);
    // Only points with y up to 15 (screen y 100) are in the band.
    for (auto& d : circles()) EXPECT_GE(d.y1, 100);
    EXPECT_FALSE(circles().empty());
}

TEST_F(GraphTest, InverseAcrossZeroShowsTwoBranches) {
    graph(1, 4, 0, 0, -5, 5);
    DRAW_FUNCTION_GRAPH(g);
    auto d = circles();
    ASSERT_FALSE(d.empty());
    bool left = false, right = false;
    for (auto& c : d) {
        if (c.x1 < 400) left = true;
        if (c.x1 > 400) right = true;
        EXPECT_NE(c.x1, 400);
    }
    EXPECT_TRUE(left && right);
}

TEST_F(GraphTest, ParabolaBandEdgesIncluded) {
    g.GY1 = 220, g.GY2 = 400;  // y from 0 to 9
    graph(2, 1, 0, 0, -3, 3);
    DRAW_FUNCTION_GRAPH(g);
    auto d = circles();
    EXPECT_EQ(d.front().y1, 220);  // y = 9 exactly, on the top edge
    EXPECT_EQ(d.front().x1, 340);
    for (auto& c : d) {
        EXPECT_GE(c.y1, 220);
        EXPECT_LE(c.y1, 400);
    }
}

TEST_F(GraphTest, OnePointRangeAndReversedRange) {
    graph(3, 1, 0, 0, 2, 2);
    DRAW_FUNCTION_GRAPH(g);
    auto d = circles();
    ASSERT_EQ(d.size(), 5001u);
    for (auto& c : d) EXPECT_EQ(c.x1, 440);
    h.pf.clear_record();
    graph(3, 1, 0, 0, 5, -5);
    DRAW_FUNCTION_GRAPH(g);
    d = circles();
    ASSERT_EQ(d.size(), 5001u);
    EXPECT_EQ(d.front().x1, 500);
    EXPECT_NEAR(d.back().x1, 300, 1e-2);
}

TEST_F(GraphTest, NothingInTheBandPutsTheLabelAtThePen) {
    graph(3, 0, 50, 0, -5, 5);  // y = 50: far above the band
    g.X = 123, g.Y = 45, g.KASANARIX = 1, g.KASANARIY = 2, g.AAA_s = "y=50";
    DRAW_FUNCTION_GRAPH(g);
    EXPECT_TRUE(circles().empty());
    auto l = labels();
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0].x1, 124);
    EXPECT_EQ(l[0].y1, 47);
}

TEST_F(GraphTest, GeneralFormWithSlope) {
    graph(4, 2, 4, 8, -4, 4);
    DRAW_FUNCTION_GRAPH(g);
    EXPECT_EQ(g.AA, -0.5f);
    EXPECT_EQ(g.BB, 2);
    EXPECT_EQ(g.IROIRO, 3);
    auto d = circles();
    ASSERT_EQ(d.size(), 5001u);
    EXPECT_EQ(d.front().x1, 320);
    EXPECT_EQ(d.front().y1, 400 - 20 * 4);
}

TEST_F(GraphTest, GeneralFormVerticalLine) {
    g.pf.SETDRAWWIDTH(2);
    graph(4, 2, 0, 6, 0, 0);
    g.BB1 = -2, g.BB2 = 5, g.AAA_s = "x=3";
    DRAW_FUNCTION_GRAPH(g);
    EXPECT_EQ(g.CC, 3);
    EXPECT_TRUE(circles().empty());
    auto l = lines();
    ASSERT_EQ(l.size(), 1u);
    EXPECT_LINE(l[0], 460, 440, 460, 300, 9);
    EXPECT_EQ(l[0].w, 5);
    auto t = labels();
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].x1, 470);
    EXPECT_EQ(t[0].y1, 300);
    EXPECT_EQ(g.pf.GETDRAWWIDTH(), 2);
    EXPECT_EQ(g.BAIX, 1);
}

TEST_F(GraphTest, VerticalLineOnItsOwnLeavesWidthFive) {
    g.CC = 2, g.BB1 = 0, g.BB2 = 4, g.BAIX = 2, g.BAIY = 2;
    DRAW_VERTICAL_GRAPH_LINE(g);
    auto l = lines();
    ASSERT_EQ(l.size(), 1u);
    EXPECT_LINE(l[0], 420, 400, 420, 360, 9);
    EXPECT_EQ(g.pf.GETDRAWWIDTH(), 5);
    EXPECT_EQ(g.X, 430);
    EXPECT_EQ(g.Y, 360);
}

TEST_F(GraphTest, OtherKindsAreStraightLines) {
    for (float kind : {0.0f, 5.0f}) {
        SCOPED_TRACE(kind);
        h.pf.clear_record();
        graph(kind, 1, 2, 0, -4, 4);
        DRAW_FUNCTION_GRAPH(g);
        auto d = circles();
        ASSERT_EQ(d.size(), 5001u);
        for (size_t k = 0; k < d.size(); k += 500) {
            float x = (d[k].x1 - 400) / 20, y = (400 - d[k].y1) / 20;
            EXPECT_NEAR(y, x + 2, 1e-3);
        }
    }
}

TEST_F(GraphTest, ScalesAreUsedThenReset) {
    graph(3, 1, 0, 0, 0, 10);
    g.BAIX = 2, g.BAIY = 0;
    DRAW_FUNCTION_GRAPH(g);
    auto d = circles();
    EXPECT_NEAR(d.back().x1, 500, 1e-2);  // 10 axis units = 5 cells
    EXPECT_NEAR(d.back().y1, 200, 1e-2);  // the zero scale taken as 1
    EXPECT_EQ(g.BAIX, 1);
    EXPECT_EQ(g.BAIY, 1);
}

TEST_F(GraphTest, GeneralFormWithNoCoefficientsIsARunTimeError) {
    graph(4, 0, 0, 6, 0, 0);
    EXPECT_THROW(DRAW_FUNCTION_GRAPH(g), RuntimeError);
}

}  // namespace
}  // namespace cw::test
