// Dimension arcs: their half ellipses, dots and labels over a segment.
#include <cmath>

#include "figures/figure_fixture.h"

namespace cw::test {
namespace {

class ArcsTest : public FigureTest {
protected:
    void arc(float x0, float y0, float x1, float y1, float takasa, float houkou, float haba, float ccc2 = 3) {
        g.ZX0 = x0, g.ZY0 = y0, g.ZX1 = x1, g.ZY1 = y1;
        g.TAKASA = takasa, g.HOUKOU = houkou, g.HABA = haba, g.CCC2 = ccc2;
    }
    std::vector<DrawOp> shown() const {
        std::vector<DrawOp> out;
        for (auto& op : labels())
            if (!op.s.empty()) out.push_back(op);
        return out;
    }
};

TEST_F(ArcsTest, ArcOverASegmentRunningRight) {
    struct Case {
        float houkou;
        float first_x, apex_y, last_x;
        float label_y;  // top of the label; the apex is 484 or 516
    };
    const Case cases[] = {
        {-1, 300, 484, 100, 484 - 44},  // above, label above the apex
        {1, 100, 516, 300, 516},        // below, label below the apex
        {0, 300, 484, 100, 484},        // above, label hanging towards the segment
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.houkou);
        h.pf.clear_record();
        arc(100, 500, 300, 500, 1, c.houkou, 10);
        g.AAA_s = "3m", g.CCC1 = 7;
        float w = width_of("3m");
        g.pf.SETDRAWWIDTH(5);
        DRAW_DIMENSION_ARC(g);
        auto dots = circles();
        ASSERT_EQ(dots.size(), 19u);
        for (auto& d : dots) {
            EXPECT_EQ(d.c, 3);
            EXPECT_EQ(d.r, 0.5f);
            EXPECT_TRUE(d.filled);
            EXPECT_EQ(d.f, 3);
            EXPECT_EQ(d.w, 5);  // the width in force
            EXPECT_EQ(d.start, 0);
            EXPECT_EQ(d.end, 0);
        }
        EXPECT_NEAR(dots.front().x1, c.first_x, 2e-3);
        EXPECT_NEAR(dots.front().y1, 500, 2e-3);
        EXPECT_NEAR(dots[9].x1, 200, 2e-3);
        EXPECT_NEAR(dots[9].y1, c.apex_y, 2e-3);
        EXPECT_NEAR(dots.back().x1, c.last_x, 2e-3);
        EXPECT_NEAR(dots.back().y1, 500, 2e-3);
        // Every dot lies on the half-ellipse.
        for (auto& d : dots) {
            float u = (d.x1 - 200) / 100, v = (d.y1 - 500) / 16;
            EXPECT_NEAR(u * u + v * v, 1, 1e-4);
        }
        EXPECT_EQ(g.TAKASA, 16);
        auto l = shown();
        ASSERT_EQ(l.size(), 1u);
        EXPECT_EQ(l[0].s, "3m");
        EXPECT_EQ(l[0].c, 7);
        EXPECT_NEAR(l[0].x1, 200 - w / 2, 2e-3);
        EXPECT_NEAR(l[0].y1, c.label_y, 2e-3);
        // Apex and ends as left for the caller; label inputs consumed.
        EXPECT_NEAR(g.ZX0, 200, 2e-3);
        EXPECT_NEAR(g.ZY0, c.apex_y, 2e-3);
        EXPECT_EQ(g.ZX1, 100);
        EXPECT_EQ(g.ZY1, 500);
        EXPECT_EQ(g.ZX2, 300);
        EXPECT_EQ(g.ZX11, 100);
        EXPECT_EQ(g.ZX12, 300);
        EXPECT_EQ(g.AAA_s, "");
        EXPECT_EQ(g.ITI, 0);
        EXPECT_EQ(g.AAAX, 0);
        EXPECT_EQ(g.NAGASA, 0);
        EXPECT_EQ(g.pf.GETDRAWWIDTH(), 5);
    }
}

TEST_F(ArcsTest, HeightForms) {
    struct Case {
        float given, units;
    };
    const Case cases[] = {{1, 16}, {0.5f, 8}, {2.5f, 40}, {15, 240}, {16, 16}, {20, 20}, {-10, 10}, {-20, 20}, {0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        h.pf.clear_record();
        arc(100, 500, 300, 500, c.given, -1, 90);
        DRAW_DIMENSION_ARC(g);
        EXPECT_EQ(g.TAKASA, c.units);
        auto dots = circles();
        ASSERT_EQ(dots.size(), 3u);
        EXPECT_NEAR(dots[1].y1, 500 - c.units, 2e-3);  // the apex
    }
}

TEST_F(ArcsTest, FlatArcPutsTheLabelAgainstTheMidpoint) {
    for (float houkou : {-1.0f, 1.0f}) {
        h.pf.clear_record();
        arc(100, 500, 300, 500, 0, houkou, 45);
        g.AAA_s = "8";
        DRAW_DIMENSION_ARC(g);
        for (auto& d : circles()) EXPECT_NEAR(d.y1, 500, 2e-3);
        auto l = shown();
        ASSERT_EQ(l.size(), 1u);
        EXPECT_NEAR(l[0].y1, houkou < 0 ? 456 : 500, 2e-3);
    }
}

TEST_F(ArcsTest, DotCountFollowsTheStep) {
    struct Case {
        float haba;
        size_t dots;
        float last_degrees;
    };
    const Case cases[] = {{1, 181, 180}, {2, 91, 180}, {3, 61, 180}, {5, 37, 180}, {6, 31, 180},
                          {8, 23, 176}, {9, 21, 180}, {10, 19, 180}, {18, 11, 180}, {200, 1, 0}, {INFINITY, 1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.haba);
        h.pf.clear_record();
        arc(100, 500, 300, 500, 1, -1, c.haba);
        DRAW_DIMENSION_ARC(g);
        auto dots = circles();
        ASSERT_EQ(dots.size(), c.dots);
        float th = c.last_degrees * PI_F / 180;
        EXPECT_NEAR(dots.back().x1, 200 + 100 * std::cos(th), 2e-3);
        EXPECT_NEAR(dots.back().y1, 500 - 16 * std::sin(th), 2e-3);
    }
}

TEST_F(ArcsTest, StepThatCannotAdvanceDrawsNoDots) {
    for (float haba : {0.0f, -5.0f, 1e-6f, NAN}) {
        SCOPED_TRACE(haba);
        h.pf.clear_record();
        for (float houkou : {-1.0f, 1.0f}) {
            arc(100, 500, 300, 500, 1, houkou, haba);
            g.AAA_s = "x";
            DRAW_DIMENSION_ARC(g);
            EXPECT_EQ(g.AAA_s, "");
        }
        EXPECT_TRUE(circles().empty());
        EXPECT_EQ(shown().size(), 2u);  // the labels are still placed
    }
}

TEST_F(ArcsTest, ArcBesideASegmentRunningDown) {
    arc(100, 100, 100, 188, 4, 1, 10);
    g.AAA_s = "2a";
    float w = width_of("2a");
    DRAW_DIMENSION_ARC(g);
    EXPECT_NEAR(g.ZX0, 36, 2e-3);
    EXPECT_NEAR(g.ZY0, 144, 2e-3);
    auto dots = circles();
    ASSERT_EQ(dots.size(), 19u);
    EXPECT_NEAR(dots.front().x1, 100, 2e-3);  // from the start point
    EXPECT_NEAR(dots.front().y1, 100, 2e-3);
    auto l = shown();
    ASSERT_EQ(l.size(), 1u);
    EXPECT_NEAR(l[0].x1, 36 - w, 2e-3);  // right edge on the apex
    EXPECT_NEAR(l[0].y1, 144 - 22, 2e-3);
}

TEST_F(ArcsTest, SlantedArcIsTheTurnedHalfEllipse) {
    // From (100, 400) to (400, 0): length 500, u = (0.6, -0.8), n = (-0.8, -0.6).
    arc(100, 400, 400, 0, 50, 0, 30);
    DRAW_DIMENSION_ARC(g);
    auto dots = circles();
    ASSERT_EQ(dots.size(), 7u);
    for (int k = 0; k < 7; ++k) {
        float th = 30.0f * k * PI_F / 180;
        float a = 250 * std::cos(th), b = 50 * std::sin(th);
        EXPECT_NEAR(dots[k].x1, 250 + a * 0.6f - b * 0.8f, 5e-3);
        EXPECT_NEAR(dots[k].y1, 200 - a * 0.8f - b * 0.6f, 5e-3);
    }
}

TEST_F(ArcsTest, ZeroLengthSegmentDrawsNothingAndConsumesTheLabel) {
    arc(200, 200, 200, 200, 1, -1, 10);
    g.AAA_s = "3m", g.AAAX = 20, g.AAAY = -10, g.ITI = -1;
    DRAW_DIMENSION_ARC(g);
    EXPECT_TRUE(circles().empty());
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(g.AAA_s, "");
    EXPECT_EQ(g.AAAX, 0);
    EXPECT_EQ(g.AAAY, 0);
    EXPECT_EQ(g.ITI, 0);
}

TEST_F(ArcsTest, EllipsePointTable) {
    struct Case {
        float x0, y0, x1, y1, takasa, kakudo;
        float x, y;
    };
    const Case cases[] = {
        {100, 300, 300, 300, 50, 0, 300, 300},    {100, 300, 300, 300, 50, 90, 200, 250},
        {100, 300, 300, 300, 50, 180, 100, 300},  {100, 300, 300, 300, 50, 270, 200, 350},
        {100, 300, 300, 300, 50, 360, 300, 300},  {100, 300, 300, 300, 50, -360, 300, 300},
        {300, 300, 100, 300, 50, 90, 200, 350},   {200, 400, 200, 200, 30, 90, 170, 300},
        {100, 300, 300, 300, -50, 90, 200, 350},  {100, 300, 300, 300, 0, 60, 250, 300},
        {100, 300, 300, 300, 10, 90, 200, 290},  // 10 units, not 160
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x0 << "," << c.y0 << " h" << c.takasa << " @" << c.kakudo);
        g.ZX0 = c.x0, g.ZY0 = c.y0, g.ZX1 = c.x1, g.ZY1 = c.y1, g.TAKASA = c.takasa, g.KAKUDO = c.kakudo;
        COMPUTE_ELLIPSE_ARC_POINT(g);
        // PI is 3.14159, a few millionths short: a full turn falls about a
        // thousandth of a unit short at a radius of 200.
        EXPECT_NEAR(g.ZX, c.x, 2e-3);
        EXPECT_NEAR(g.ZY, c.y, 2e-3);
        EXPECT_EQ(g.ZX0, c.x0);
        EXPECT_EQ(g.ZX1, g.ZX3);  // the unturned point
        EXPECT_EQ(g.TAKASA, c.takasa);
    }
    EXPECT_TRUE(h.drawn().empty());
}

TEST_F(ArcsTest, EllipsePointOfNoSegmentIsARunTimeError) {
    g.ZX0 = g.ZX1 = 100, g.ZY0 = g.ZY1 = 100, g.TAKASA = 20, g.KAKUDO = 90;
    EXPECT_THROW(COMPUTE_ELLIPSE_ARC_POINT(g), RuntimeError);
}

}  // namespace
}  // namespace cw::test
