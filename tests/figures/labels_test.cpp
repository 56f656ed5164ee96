// Point labels placed beside an angle, and angle marks.
#include <cmath>

#include "figures/figure_fixture.h"

namespace cw::test {
namespace {

class LabelsTest : public FigureTest {
protected:
    void point(float vx, float vy, float x1, float y1, float x2, float y2) {
        g.ZX0 = vx, g.ZY0 = vy, g.ZX1 = x1, g.ZY1 = y1, g.ZX2 = x2, g.ZY2 = y2;
    }
    // The non-empty typesetter calls.
    std::vector<DrawOp> shown() const {
        std::vector<DrawOp> out;
        for (auto& op : labels())
            if (!op.s.empty()) out.push_back(op);
        return out;
    }
    void expect_consumed() {
        EXPECT_EQ(g.ITI, 0);
        EXPECT_EQ(g.AAA_s, "");
        EXPECT_EQ(g.AAAX, 0);
        EXPECT_EQ(g.AAAY, 0);
        EXPECT_EQ(g.NAGASA, 0);
        EXPECT_EQ(g.MU_DO, 0);
    }
};

TEST_F(LabelsTest, LabelBoxTouchesTheAnchorOnTheBisectorsSide) {
    const std::string text = "3m";
    const float w = width_of(text);
    ASSERT_GT(w, 0);
    struct Case {
        const char* name;
        float x1, y1, x2, y2, iti, nagasa;
        float x, y;  // expected top left
    };
    const Case cases[] = {
        {"down: top edge on the point", 0, 200, 200, 200, 0, 0, 100 - w / 2, 100},
        {"up: bottom edge on the point", 0, 200, 200, 200, -1, 0, 100 - w / 2, 56},
        {"right: starts at the anchor", 200, 0, 200, 200, -1, 10, 110, 78},
        {"left: ends at the anchor", 200, 0, 200, 200, 0, 10, 90 - w, 78},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        h.pf.clear_record();
        point(100, 100, c.x1, c.y1, c.x2, c.y2);
        g.ITI = c.iti, g.NAGASA = c.nagasa, g.AAA_s = text, g.CCC1 = 5;
        PLACE_LABEL(g);
        auto l = shown();
        ASSERT_EQ(l.size(), 1u);
        EXPECT_EQ(l[0].s, text);
        EXPECT_EQ(l[0].c, 5);
        EXPECT_NEAR(l[0].x1, c.x, 1e-3);
        EXPECT_NEAR(l[0].y1, c.y, 1e-3);
        EXPECT_NEAR(g.Y, c.y, 1e-3);
        EXPECT_NEAR(g.X, c.x + w, 1e-3);  // the pen after the label
        EXPECT_EQ(g.LLT, w);
        EXPECT_EQ(g.DY, 22);
        EXPECT_EQ(g.AA_s, "");
        expect_consumed();
        EXPECT_EQ(g.ZX0, 100);  // geometry stays
        EXPECT_EQ(g.ZY2, c.y2);
    }
}

TEST_F(LabelsTest, FractionLabelUsesTheTallBox) {
    point(100, 100, 0, 200, 200, 200);
    g.ITI = -1, g.AAA_s = "ﾀ1/2ﾀ";
    PLACE_LABEL(g);
    auto l = shown();
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(g.DY, 40);
    EXPECT_NEAR(l[0].y1, 20, 1e-3);  // 80 above the anchor
}

TEST_F(LabelsTest, ShiftsMoveTheLabelAndAreConsumed) {
    point(100, 100, 0, 200, 200, 200);
    g.AAA_s = "b", g.AAAX = 20, g.AAAY = -10;
    float w = width_of("b");
    PLACE_LABEL(g);
    auto l = shown();
    ASSERT_EQ(l.size(), 1u);
    EXPECT_NEAR(l[0].x1, 100 - w / 2 + 20, 1e-3);
    EXPECT_NEAR(l[0].y1, 90, 1e-3);
    expect_consumed();
}

TEST_F(LabelsTest, EmptyLabelDrawsNothingAndStillResets) {
    point(100, 100, 0, 200, 200, 200);
    g.ITI = -1, g.NAGASA = 7, g.AAAX = 3, g.AAAY = 4, g.MU_DO = 2;
    PLACE_LABEL(g);
    EXPECT_TRUE(shown().empty());
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(g.LLT, 0);
    expect_consumed();
}

TEST_F(LabelsTest, PlainDrawerOnRequest) {
    point(100, 100, 0, 200, 200, 200);
    g.AAA_s = "ax", g.MU_DO = 1;
    PLACE_LABEL(g);
    EXPECT_TRUE(shown().empty());  // not typeset
    EXPECT_FALSE(texts().empty());
    EXPECT_EQ(g.MU_DO, 0);
}

TEST_F(LabelsTest, AngleMarkArcsRadiiAndCount) {
    struct Case {
        float honsu;
        int arcs;
        float honsu_after;
    };
    const Case cases[] = {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {6, 6, 6}, {7, 1, 1},
                          {6.5f, 1, 1}, {0.5f, 1, 0.5f}, {2.7f, 2, 2.7f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.honsu);
        h.pf.clear_record();
        point(300, 300, 300, 100, 500, 300);  // up, then right
        g.HONSU = c.honsu, g.NAGASA = 60, g.CCC2 = 0, g.CCC3 = 5, g.ITI = 0;
        g.pf.SETDRAWWIDTH(5);
        DRAW_ANGLE_MARK(g);
        auto arcs = circles();
        ASSERT_EQ(static_cast<int>(arcs.size()), c.arcs);
        for (int k = 0; k < c.arcs; ++k) {
            EXPECT_EQ(arcs[k].r, 60 - 8 * (k + 1));
            EXPECT_FALSE(arcs[k].filled);
            EXPECT_EQ(arcs[k].c, 5);
            EXPECT_EQ(arcs[k].w, 5);
            EXPECT_NEAR(arcs[k].start, 1, 1e-6);    // from the right arm
            EXPECT_NEAR(arcs[k].end, 0.75f, 1e-6);  // clockwise round to the upper arm
        }
        EXPECT_EQ(g.HONSU, c.honsu_after);
        EXPECT_EQ(g.pf.GETDRAWWIDTH(), 5);
    }
}

TEST_F(LabelsTest, AngleMarkSectorWhenNoArcs) {
    for (float honsu : {0.0f, -2.0f}) {
        h.pf.clear_record();
        point(300, 300, 300, 100, 500, 300);
        g.HONSU = honsu, g.NAGASA = 40, g.CCC2 = 0, g.CCC3 = 12, g.ITI = -1;
        DRAW_ANGLE_MARK(g);
        auto c = circles();
        ASSERT_EQ(c.size(), 1u);
        EXPECT_TRUE(c[0].filled);
        EXPECT_EQ(c[0].r, 40);
        EXPECT_EQ(c[0].c, 0);
        EXPECT_EQ(c[0].f, 12);
        // Exchanged arms: the quarter from up round to right.
        EXPECT_NEAR(c[0].start, 0.75f, 1e-6);
        EXPECT_NEAR(c[0].end, 1, 1e-6);
        EXPECT_EQ(g.ITI, 0);
    }
}

TEST_F(LabelsTest, AngleMarkOfTheSectorFigure) {
    // A sector of radius 240 opening downward, arms at 225 and 315 degrees.
    float a1 = 225 * PI_F / 180, a2 = 315 * PI_F / 180;
    point(500, 300, 500 + 240 * std::cos(a1), 300 - 240 * std::sin(a1), 500 + 240 * std::cos(a2),
          300 - 240 * std::sin(a2));
    g.CCC1 = 5, g.CCC2 = 0, g.CCC3 = 5, g.NAGASA = 30, g.HONSU = 1, g.ITI = 1, g.AAA_s = "a%";
    float w = width_of("a%");
    DRAW_ANGLE_MARK(g);
    auto c = circles();
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(c[0].r, 22);
    EXPECT_NEAR(c[0].start, 0.125f, 1e-5);
    EXPECT_NEAR(c[0].end, 0.375f, 1e-5);
    auto l = shown();
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0].s, "a%");
    EXPECT_EQ(l[0].c, 5);
    // Straight down the bisector, 30 from the centre: top edge on the anchor.
    EXPECT_NEAR(l[0].x1, 500 - w / 2, 1e-2);
    EXPECT_NEAR(l[0].y1, 330, 1e-2);
    expect_consumed();
}

TEST_F(LabelsTest, RightAngleMark) {
    point(100, 100, 300, 100, 100, 0);
    g.NAGASA = 20, g.CCC2 = 3, g.ITI = 0;
    DRAW_RIGHT_ANGLE_MARK(g);
    auto p = ops(Op::Polyline);
    ASSERT_EQ(p.size(), 1u);
    ASSERT_EQ(p[0].pts.size(), 3u);
    const float want[3][2] = {{120, 100}, {120, 80}, {100, 80}};
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(p[0].pts[k].first, want[k][0], 1e-3);
        EXPECT_NEAR(p[0].pts[k].second, want[k][1], 1e-3);
    }
    EXPECT_EQ(p[0].c, 3);
    EXPECT_EQ(g.NAGASA, 20);  // nothing is reset
    h.pf.clear_record();
    g.ITI = -1;  // the same square
    DRAW_RIGHT_ANGLE_MARK(g);
    auto q = ops(Op::Polyline);
    ASSERT_EQ(q.size(), 1u);
    EXPECT_NEAR(q[0].pts[1].first, 120, 1e-3);
    EXPECT_NEAR(q[0].pts[1].second, 80, 1e-3);
}

TEST_F(LabelsTest, RightAngleMarkOnSlantedArmsDrawsARhombus) {
    point(100, 100, 300, 100, 200, 0);  // right and up-right at 45 degrees
    g.NAGASA = 20, g.CCC2 = 0;
    DRAW_RIGHT_ANGLE_MARK(g);
    float d = 20 / std::sqrt(2.0f);
    EXPECT_NEAR(g.ZX5, 120 + d, 1e-3);
    EXPECT_NEAR(g.ZY5, 100 - d, 1e-3);
    EXPECT_NEAR(g.ZX4, 100 + d, 1e-3);
}

}  // namespace
}  // namespace cw::test
