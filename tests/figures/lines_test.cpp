// Perpendicular feet and line crossings.
#include "figures/figure_fixture.h"

namespace cw::test {
namespace {

class LinesTest : public FigureTest {
protected:
    void line(float ax, float ay, float bx, float by) { g.AX = ax, g.AY = ay, g.BX = bx, g.BY = by; }
};

TEST_F(LinesTest, PerpendicularFoot) {
    struct Case {
        const char* name;
        float ax, ay, bx, by, cx, cy;
        float ex, ey;
    };
    const Case cases[] = {
        {"slanted", 100, 100, 300, 300, 300, 100, 200, 200},
        {"vertical", 100, 50, 100, 400, 250, 120, 100, 120},
        {"horizontal", 50, 200, 400, 200, 120, 30, 120, 200},
        {"two equal points count as vertical", 80, 90, 80, 90, 10, 20, 80, 20},
        {"a point on the line is its own foot", 0, 0, 100, 50, 60, 30, 60, 30},
        {"steep", 0, 0, 10, 400, 400, 0, 0.249844f, 9.993754f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        h.pf.clear_record();
        line(c.ax, c.ay, c.bx, c.by);
        g.CX = c.cx, g.CY = c.cy;
        DRAW_PERPENDICULAR_FOOT(g);
        EXPECT_NEAR(g.EX, c.ex, 1e-3);
        EXPECT_NEAR(g.EY, c.ey, 1e-3);
        auto d = circles();
        ASSERT_EQ(d.size(), 1u);
        EXPECT_EQ(d[0].x1, g.EX);
        EXPECT_EQ(d[0].y1, g.EY);
        EXPECT_EQ(d[0].r, 2);
        EXPECT_EQ(d[0].c, 15);
        EXPECT_TRUE(d[0].filled);
    }
}

TEST_F(LinesTest, PerpendicularFootLeavesSlopesAndIntercepts) {
    line(100, 100, 300, 300);
    g.CX = 300, g.CY = 100;
    DRAW_PERPENDICULAR_FOOT(g);
    EXPECT_EQ(g.AA1, 1);
    EXPECT_EQ(g.BB1, 0);
    EXPECT_EQ(g.AA2, -1);
    EXPECT_EQ(g.BB2, 400);
}

TEST_F(LinesTest, CrossingPoints) {
    struct Case {
        const char* name;
        float ax, ay, bx, by, cx, cy, dx, dy;
        float x, y;
    };
    const Case cases[] = {
        {"two diagonals", 0, 0, 100, 100, 0, 100, 100, 0, 50, 50},
        {"vertical first", 30, 0, 30, 100, 0, 10, 100, 60, 30, 25},
        {"vertical second", 0, 10, 100, 60, 30, 0, 30, 100, 30, 25},
        {"horizontal and vertical", 0, 80, 300, 80, 200, 0, 200, 300, 200, 80},
        {"vertical and horizontal", 200, 0, 200, 300, 0, 80, 300, 80, 200, 80},
        {"steep line of slope 1000 and a vertical one", 0, 0, 1, 1000, 2, 0, 2, 50, 2, 2000},
        {"steep line of slope 1000 and a flat one", 0, 0, 1, 1000, 0, 500, 10, 500, 0.5f, 500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        line(c.ax, c.ay, c.bx, c.by);
        g.CX = c.cx, g.CY = c.cy, g.DX = c.dx, g.DY = c.dy;
        INTERSECT_LINES(g);
        EXPECT_NEAR(g.AX2, c.x, 1e-3);
        EXPECT_NEAR(g.AY2, c.y, 1e-3);
    }
    EXPECT_TRUE(h.drawn().empty());
}

TEST_F(LinesTest, ParallelLinesReportNoCrossing) {
    struct Case {
        const char* name;
        float ax, ay, bx, by, cx, cy, dx, dy;
    };
    const Case cases[] = {
        {"two verticals", 10, 0, 10, 100, 50, 0, 50, 100},
        {"two horizontals", 0, 10, 100, 10, 0, 50, 100, 50},
        {"equal slopes", 0, 0, 100, 50, 0, 20, 100, 70},
        {"one line twice", 0, 0, 100, 50, 0, 0, 100, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.AX2 = 123, g.AY2 = 456;  // a crossing left from before
        line(c.ax, c.ay, c.bx, c.by);
        g.CX = c.cx, g.CY = c.cy, g.DX = c.dx, g.DY = c.dy;
        INTERSECT_LINES(g);
        EXPECT_EQ(g.AX2, NO_INTERSECTION);
        EXPECT_EQ(g.AY2, NO_INTERSECTION);
    }
}

TEST_F(LinesTest, SlopesAndInterceptsOfTheLines) {
    line(0, 10, 100, 60);
    g.CX = 30, g.CY = 0, g.DX = 30, g.DY = 100;
    INTERSECT_LINES(g);
    EXPECT_EQ(g.A1, 0.5f);
    EXPECT_EQ(g.B1, 10);
    EXPECT_EQ(g.A2, 1000);  // the marker of a vertical line
}

TEST_F(LinesTest, CrossingWithAHorizontalOrVerticalLine) {
    struct Case {
        const char* name;
        float ax, ay, bx, by, cx, cy;
        float x, y;
    };
    const Case cases[] = {
        {"at a height", 0, 0, 100, 50, -1, 40, 80, 40},
        {"at an abscissa", 0, 0, 100, 50, 60, -1, 60, 30},
        {"both negative: the abscissa wins", 0, 0, 100, 50, -1, -1, -1, -0.5f},
        {"vertical line", 100, 0, 100, 300, -1, 40, 100, 40},
        {"horizontal line", 0, 70, 300, 70, 60, -1, 60, 70},
        {"neither given: left as they were", 0, 0, 100, 50, 5, 5, 7, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.X1 = 7, g.Y1 = 8;
        line(c.ax, c.ay, c.bx, c.by);
        g.CX = c.cx, g.CY = c.cy;
        INTERSECT_AXIS_PARALLEL(g);
        EXPECT_NEAR(g.X1, c.x, 1e-3);
        EXPECT_NEAR(g.Y1, c.y, 1e-3);
    }
}

}  // namespace
}  // namespace cw::test
