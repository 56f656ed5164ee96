// Arm directions, turn fractions and measured angles.
#include <cmath>

#include "figures/figure_fixture.h"

namespace cw::test {
namespace {

class AnglesTest : public FigureTest {
protected:
    void arms(float vx, float vy, float x1, float y1, float x2, float y2, float iti = 0) {
        g.ZX0 = vx, g.ZY0 = vy, g.ZX1 = x1, g.ZY1 = y1, g.ZX2 = x2, g.ZY2 = y2, g.ITI = iti;
    }
};

TEST_F(AnglesTest, DirectionAndTurnFractionOfEachQuarter) {
    struct Case {
        float px, py;
        float dir, turn;
    };
    const Case cases[] = {
        {200, 100, 0, 1},                      // right: fraction 1, not 0
        {100, 0, PI_F / 2, 0.75f},             // up
        {0, 100, PI_F, 0.5f},                  // left
        {100, 200, 3 * PI_F / 2, 0.25f},       // down
        {100, 100, PI_F, 0.5f},                // the vertex itself
        {200, 0, PI_F / 4, 0.875f},            // up-right
        {0, 200, 5 * PI_F / 4, 0.375f},        // down-left
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.px << "," << c.py);
        g.ZX0 = 100, g.ZY0 = 100, g.ZX1 = c.px, g.ZY1 = c.py;
        COMPUTE_DIRECTION(g);
        EXPECT_NEAR(g.HHP, c.dir, 2e-6);
        EXPECT_EQ(g.PI, PI_F);
        arms(100, 100, c.px, c.py, c.px, c.py);
        COMPUTE_ARM_ANGLES(g);
        EXPECT_NEAR(g.HH3, c.dir, 2e-6);
        EXPECT_NEAR(g.HH1, c.turn, 1e-6);
        EXPECT_NEAR(g.HH5, c.dir, 2e-6);  // both arms one way: the bisector is that way
    }
}

TEST_F(AnglesTest, ADirectionTurnsThePointBack) {
    const float pts[][2] = {{130, 60}, {40, 170}, {250, 101}, {99, -300}};
    for (auto& p : pts) {
        g.ZX0 = 100, g.ZY0 = 100, g.ZX1 = p[0], g.ZY1 = p[1];
        COMPUTE_DIRECTION(g);
        float r = std::hypot(p[0] - 100, p[1] - 100);
        EXPECT_NEAR(100 + r * std::cos(g.HHP), p[0], 2e-3);
        EXPECT_NEAR(100 - r * std::sin(g.HHP), p[1], 2e-3);
    }
}

TEST_F(AnglesTest, BisectorOfTheMarkedAngle) {
    struct Case {
        float x1, y1, x2, y2, iti;
        float hh5;
        const char* degrees;
    };
    const Case cases[] = {
        {100, 0, 200, 100, 0, 5 * PI_F / 4, "270"},   // up then right: the long way round
        {100, 0, 200, 100, -1, PI_F / 4, "90"},       // exchanged: the quarter between
        {100, 0, 200, 100, 1, 5 * PI_F / 4, "270"},   // only -1 exchanges
        {200, 200, 200, 0, 0, 2 * PI_F, "90"},        // down-right to up-right passes rightward
        {200, 100, 200, 0, 0, PI_F / 8, "45"},        // 44.99996 rounds to 45
        {100, 0, 100, 0, 0, PI_F / 2, "0"},           // one direction
        {0, 100, 200, 100, 0, 3 * PI_F / 2, "180"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.degrees);
        arms(100, 100, c.x1, c.y1, c.x2, c.y2, c.iti);
        COMPUTE_ARM_ANGLES(g);
        EXPECT_NEAR(g.HH5, c.hh5, 4e-6);
        EXPECT_EQ(g.ITI, c.iti);  // callers reset it
        MEASURE_ANGLE_DEGREES(g);
        EXPECT_EQ(g.KAKUDO_s, c.degrees);
        EXPECT_EQ(g.A_s, c.degrees);
    }
}

TEST_F(AnglesTest, ExchangedArmsSwapFractionsAndDirections) {
    arms(100, 100, 100, 0, 200, 100, 0);
    COMPUTE_ARM_ANGLES(g);
    float h1 = g.HH1, h2 = g.HH2, h3 = g.HH3, h4 = g.HH4;
    arms(100, 100, 100, 0, 200, 100, -1);
    COMPUTE_ARM_ANGLES(g);
    EXPECT_EQ(g.HH1, h2);
    EXPECT_EQ(g.HH2, h1);
    EXPECT_EQ(g.HH3, h4);
    EXPECT_EQ(g.HH4, h3);
}

TEST_F(AnglesTest, SectorOfTheRollingFigure) {
    // Arm points at 225 and 315 degrees from the centre: the sector opens down.
    float r = 240;
    float a1 = 225 * PI_F / 180, a2 = 315 * PI_F / 180;
    arms(500, 300, 500 + r * std::cos(a1), 300 - r * std::sin(a1), 500 + r * std::cos(a2),
         300 - r * std::sin(a2), 1);
    COMPUTE_ARM_ANGLES(g);
    EXPECT_NEAR(g.HH1, 0.375f, 1e-5);
    EXPECT_NEAR(g.HH2, 0.125f, 1e-5);
    EXPECT_NEAR(g.HH5, 3 * PI_F / 2, 1e-5);
}

TEST_F(AnglesTest, MeasureLeavesSizeAndTurnedArm) {
    arms(100, 100, 200, 200, 200, 0);  // 7PI/4 then PI/4
    MEASURE_ANGLE_DEGREES(g);
    EXPECT_NEAR(g.HH4, PI_F / 4 + 2 * PI_F, 1e-5);
    EXPECT_NEAR(g.HH5, PI_F / 2, 1e-5);
    EXPECT_NEAR(g.HH, 90, 1e-3);
    arms(100, 100, 200, 100, 100 + 100 * std::cos(PI_F / 8), 100 - 100 * std::sin(PI_F / 8));
    MEASURE_ANGLE_DEGREES(g);
    EXPECT_EQ(g.KAKUDO_s, "22.5");
}

}  // namespace
}  // namespace cw::test
