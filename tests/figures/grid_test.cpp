// Square grids (drawn or frame only) and polygons with their vertex labels.
#include <cmath>

#include "figures/figure_fixture.h"

namespace cw::test {
namespace {

class GridTest : public FigureTest {
protected:
    void grid(float ggx, float ggy, float yoko, float tate, float size, float ccc2) {
        g.GGX = ggx, g.GGY = ggy, g.YOKO = yoko, g.TATE = tate, g.SIZE = size, g.CCC2 = ccc2;
    }
    void vertices(std::initializer_list<std::pair<float, float>> pts) {
        int i = 1;
        for (auto& p : pts) {
            g.G_a(i, 1) = p.first;
            g.G_a(i, 2) = p.second;
            ++i;
        }
        g.KAKU = static_cast<float>(pts.size());
    }
    std::vector<DrawOp> shown() const {
        std::vector<DrawOp> out;
        for (auto& op : labels())
            if (!op.s.empty()) out.push_back(op);
        return out;
    }
};

TEST_F(GridTest, InvisibleGridSetsOnlyTheFrame) {
    g.pf.SETDRAWWIDTH(5);
    g.CCC3 = 9;
    grid(720, 10, 12, 16, 40, 15);
    DRAW_GRID(g);
    EXPECT_TRUE(h.drawn().empty());
    EXPECT_EQ(g.GX0, 720);
    EXPECT_EQ(g.GY0, 650);
    EXPECT_EQ(g.GX1, 720);
    EXPECT_EQ(g.GY1, 10);
    EXPECT_EQ(g.GX2, 1200);
    EXPECT_EQ(g.GY2, 650);
    EXPECT_EQ(g.PI, PI_F);
    EXPECT_EQ(g.CCC3, 9);
    EXPECT_EQ(g.DR, 5);
    EXPECT_EQ(g.pf.GETDRAWWIDTH(), 5);
}

// grid_frame is DRAW_GRID in colour 15 on its arguments; grid_point and polar_point place points of X(), Y()
// from it: grid units up from the origin at the bottom left, and directions counter-clockwise as seen.
TEST_F(GridTest, FramePointsInGridUnitsAndPolarPoints) {
    g.pf.SETDRAWWIDTH(5);
    grid_frame(g, 720, 60, 17, 19, 30);
    EXPECT_TRUE(h.drawn().empty());
    EXPECT_EQ(g.CCC2, 15);
    EXPECT_EQ(g.SIZE, 30);
    EXPECT_EQ(g.GX0, 720);
    EXPECT_EQ(g.GY0, 630);
    EXPECT_EQ(g.DR, 5);
    const struct {
        float x, y, sx, sy;
    } points[] = {{0, 0, 720, 630}, {1, 6, 750, 450}, {4, -5, 840, 780}, {0.5f, 2.5f, 735, 555}};
    for (auto& p : points) {
        grid_point(g, 3, p.x, p.y);
        EXPECT_EQ(g.X_a(3), p.sx) << p.x << "," << p.y;
        EXPECT_EQ(g.Y_a(3), p.sy) << p.x << "," << p.y;
    }
    g.X_a(10) = 100;
    g.Y_a(10) = 200;
    const struct {
        float degrees, x, y;
    } polar[] = {{0, 140, 200}, {90, 100, 160}, {180, 60, 200}, {270, 100, 240}};
    for (auto& p : polar) {
        polar_point(g, 11, 10, p.degrees * PI_F / 180, 40);
        EXPECT_NEAR(g.X_a(11), p.x, 1e-3) << p.degrees;
        EXPECT_NEAR(g.Y_a(11), p.y, 1e-3) << p.degrees;
    }
}

TEST_F(GridTest, VisibleGridHeavyEveryFifthLineFromLeftAndBottom) {
    g.pf.SETDRAWWIDTH(2);
    grid(100, 50, 12, 8, 30, 0);
    DRAW_GRID(g);
    auto l = lines();
    ASSERT_EQ(l.size(), 13u + 9u);
    for (int i = 0; i <= 12; ++i) {
        SCOPED_TRACE(testing::Message() << "column " << i);
        bool heavy = i % 5 == 0;
        EXPECT_LINE(l[i], 100 + 30 * i, 50, 100 + 30 * i, 290, heavy ? 14 : 0);
        EXPECT_EQ(l[i].w, heavy ? 3 : 1);
    }
    for (int i = 0; i <= 8; ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i);
        bool heavy = i % 5 == 0;
        EXPECT_LINE(l[13 + i], 100, 290 - 30 * i, 460, 290 - 30 * i, heavy ? 14 : 0);
        EXPECT_EQ(l[13 + i].w, heavy ? 3 : 1);
    }
    EXPECT_EQ(g.CCC3, 14);
    EXPECT_EQ(g.pf.GETDRAWWIDTH(), 2);
}

TEST_F(GridTest, GridOfNoColumns) {
    grid(100, 50, 0, 2, 30, 0);
    DRAW_GRID(g);
    auto l = lines();
    ASSERT_EQ(l.size(), 1u + 3u);
    EXPECT_EQ(l[0].w, 3);  // the left edge, heavy
    EXPECT_EQ(g.GX2, g.GX1);
    EXPECT_EQ(l[1].x1, l[1].x2);
}

TEST_F(GridTest, GridTooLargeToDrawIsRefused) {
    grid(0, 0, 1e9f, 2, 0.001f, 0);
    EXPECT_THROW(DRAW_GRID(g), RuntimeError);
    grid(0, 0, 2, 1e9f, 0.001f, 0);
    EXPECT_THROW(DRAW_GRID(g), RuntimeError);
    EXPECT_TRUE(h.drawn().empty());
    grid(0, 0, 1e9f, 2, 0.001f, 15);  // invisible: only the frame
    DRAW_GRID(g);
    EXPECT_FLOAT_EQ(g.GX2, 1e6f);
}

TEST_F(GridTest, RectangleLabelledFromTheList) {
    g.pf.SETDRAWWIDTH(3);
    vertices({{840, 150}, {840, 300}, {960, 300}, {960, 150}});
    g.SIZE1 = 5, g.CCC2 = 0, g.NAGASA = 10, g.AAA_s = "1", g.CCC1 = 0;
    g.X_sa(1) = "", g.X_sa(2) = "B", g.X_sa(3) = "", g.X_sa(4) = "D";
    DRAW_POLYGON(g);
    auto l = lines();
    ASSERT_EQ(l.size(), 4u);
    EXPECT_LINE(l[0], 840, 150, 840, 300, 0);
    EXPECT_LINE(l[3], 960, 150, 840, 150, 0);
    for (auto& s : l) EXPECT_EQ(s.w, 5);
    auto t = shown();
    ASSERT_EQ(t.size(), 2u);
    // Directions 205.7 and 25.7 degrees, 10 units out.
    struct Want {
        const char* s;
        float vx, vy, deg;
    };
    const Want want[] = {{"B", 840, 300, 205.7f}, {"D", 960, 150, 25.7f}};
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(want[k].s);
        EXPECT_EQ(t[k].s, want[k].s);
        float d = std::atan2(150.0f, 120.0f) / 2 + (k == 0 ? PI_F : 0);  // half the diagonal's angle
        EXPECT_NEAR(d * 180 / PI_F, want[k].deg, 0.05);
        float w = width_of(want[k].s);
        float x = want[k].vx + 10 * std::cos(d) + w * (std::cos(d) / 2 - 0.5f);
        float y = want[k].vy - 10 * std::sin(d) - 44 * (std::sin(d) / 2 + 0.5f);
        EXPECT_NEAR(t[k].x1, x, 1e-2);
        EXPECT_NEAR(t[k].y1, y, 1e-2);
    }
    EXPECT_EQ(g.AAA_s, "");
    EXPECT_EQ(g.NAGASA, 0);
    EXPECT_EQ(g.NAGASA1, 10);
    EXPECT_EQ(g.pf.GETDRAWWIDTH(), 3);
}

TEST_F(GridTest, TriangleLettersOutsideCounterClockwiseInsideClockwise) {
    struct Case {
        std::vector<std::pair<float, float>> pts;
        bool outside;
    };
    for (bool ccw : {true, false}) {
        SCOPED_TRACE(ccw);
        h.pf.clear_record();
        if (ccw)
            vertices({{100, 300}, {300, 300}, {200, 100}});
        else
            vertices({{200, 100}, {300, 300}, {100, 300}});
        g.SIZE1 = 2, g.CCC2 = 0, g.NAGASA = 10, g.AAA_s = "A";
        DRAW_POLYGON(g);
        auto t = shown();
        ASSERT_EQ(t.size(), 3u);
        EXPECT_EQ(t[0].s, "A");
        EXPECT_EQ(t[1].s, "B");
        EXPECT_EQ(t[2].s, "C");
        // The centre of each label box against the triangle's centroid.
        for (int k = 0; k < 3; ++k) {
            float w = width_of(t[k].s);
            float cx = t[k].x1 + w / 2, cy = t[k].y1 + 22;
            float vx = g.G_a(k + 1, 1), vy = g.G_a(k + 1, 2);
            float out = (cx - vx) * (vx - 200) + (cy - vy) * (vy - 233.3f);
            EXPECT_EQ(out > 0, ccw) << t[k].s;
        }
    }
    // The directions of the counter-clockwise triangle's labels.
    vertices({{100, 300}, {300, 300}, {200, 100}});
    const float deg[] = {211.7f, 328.3f, 90};
    for (int i = 1; i <= 3; ++i) {
        int j = i == 3 ? 1 : i + 1, k = i + 2 > 3 ? i - 1 : i + 2;
        g.ZX0 = g.G_a(i, 1), g.ZY0 = g.G_a(i, 2), g.ZX1 = g.G_a(j, 1), g.ZY1 = g.G_a(j, 2);
        g.ZX2 = g.G_a(k, 1), g.ZY2 = g.G_a(k, 2), g.ITI = -1;
        COMPUTE_ARM_ANGLES(g);
        float d = std::fmod(g.HH5 * 180 / PI_F, 360.0f);
        EXPECT_NEAR(d, deg[i - 1], 0.05) << i;
    }
}

TEST_F(GridTest, OnlyTheFirstLetterCounts) {
    vertices({{100, 300}, {300, 300}, {200, 100}});
    g.SIZE1 = 1, g.AAA_s = "Pz";
    DRAW_POLYGON(g);
    auto t = shown();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].s + t[1].s + t[2].s, "PQR");
    EXPECT_EQ(g.KJ3, 'P');
}

TEST_F(GridTest, NoLabelsWithoutLabelMode) {
    g.pf.SETDRAWWIDTH(4);
    vertices({{100, 300}, {300, 300}, {200, 100}});
    g.SIZE1 = 5, g.NAGASA = 10, g.AAA_s = "";
    DRAW_POLYGON(g);
    EXPECT_EQ(lines().size(), 3u);
    EXPECT_TRUE(labels().empty());
    EXPECT_EQ(g.NAGASA, 10);
    EXPECT_EQ(g.pf.GETDRAWWIDTH(), 4);
}

TEST_F(GridTest, TenVerticesFitTheTable) {
    for (int i = 1; i <= 10; ++i) {
        g.G_a(i, 1) = 100 + 10 * i;
        g.G_a(i, 2) = 100 + (i % 2) * 20;
    }
    g.KAKU = 10, g.SIZE1 = 1, g.AAA_s = "";
    DRAW_POLYGON(g);
    auto l = lines();
    ASSERT_EQ(l.size(), 10u);
    EXPECT_LINE(l[9], 200, 100, 110, 120, 0);
}

TEST_F(GridTest, VertexCountOutsideTheTableIsRefused) {
    vertices({{100, 300}, {300, 300}, {200, 100}});
    for (float kaku : {11.0f, 2.0f, 0.0f, -1.0f, 3.5f, NAN}) {
        SCOPED_TRACE(kaku);
        h.pf.clear_record();
        g.KAKU = kaku, g.SIZE1 = 1, g.AAA_s = "A";
        try {
            DRAW_POLYGON(g);
            FAIL() << "no run-time error";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.code(), ERR_SUBSCRIPT);
        }
        EXPECT_TRUE(h.drawn().empty());
    }
}

}  // namespace
}  // namespace cw::test
