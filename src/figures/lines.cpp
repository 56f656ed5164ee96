// Feet of perpendiculars and crossing points of lines.
#include "figures/figure_util.h"
#include "figures/figures.h"

namespace cw {

namespace {

// Slope that marks a vertical line in the slope variables.
constexpr float VERTICAL = 1000.0f;

// The line through (x1, y1) and (x2, y2) as slope and intercept: horizontal first (two equal points count as
// horizontal): slope 0, intercept y1; then vertical: slope VERTICAL, the intercept untouched, and true; else
// the slope and the intercept.
bool line_form(float x1, float y1, float x2, float y2, float& slope, float& intercept) {
    if (y2 == y1) {
        slope = 0;
        intercept = y1;
        return false;
    }
    if (x2 == x1) {
        slope = VERTICAL;
        return true;
    }
    slope = DIV(y2 - y1, x2 - x1);
    intercept = CHECK(y1 - slope * x1);
    return false;
}

}  // namespace

void DRAW_PERPENDICULAR_FOOT(Program& g) {
    if (g.BX == g.AX) {
        g.EX = g.AX;
        g.EY = g.CY;
    } else if (g.BY == g.AY) {
        g.EX = g.CX;
        g.EY = g.AY;
    } else {
        g.AA1 = DIV(g.BY - g.AY, g.BX - g.AX);
        g.BB1 = CHECK(g.AY - g.AA1 * g.AX);
        g.AA2 = DIV(-1.0f, g.AA1);
        g.BB2 = CHECK(g.CY - g.AA2 * g.CX);
        g.EX = DIV(g.BB2 - g.BB1, g.AA1 - g.AA2);
        g.EY = DIV(g.AA1 * g.BB2 - g.AA2 * g.BB1, g.AA1 - g.AA2);
    }
    g.pf.CIRCLE(g.EX, g.EY, 2, 15, 0, 0, true);
}

void INTERSECT_LINES(Program& g) {
    // Each line: horizontal first (so two equal points count as horizontal),
    // then vertical, else slope and intercept.  Verticality is kept apart
    // from the slope, so a steep line whose slope is exactly the marker
    // value is not taken for a vertical one.
    const bool vertical1 = line_form(g.AX, g.AY, g.BX, g.BY, g.A1, g.B1);
    const bool vertical2 = line_form(g.CX, g.CY, g.DX, g.DY, g.A2, g.B2);

    if (vertical1 && vertical2) {
        g.AX2 = g.AY2 = NO_INTERSECTION;
    } else if (vertical1) {
        g.AX2 = g.AX;
        g.AY2 = CHECK(g.A2 * g.AX2 + g.B2);
    } else if (vertical2) {
        g.AX2 = g.CX;
        g.AY2 = CHECK(g.A1 * g.AX2 + g.B1);
    } else if (g.A1 == g.A2) {
        g.AX2 = g.AY2 = NO_INTERSECTION;
    } else {
        g.AX2 = DIV(g.B1 - g.B2, g.A2 - g.A1);
        g.AY2 = DIV(g.B1 * (g.A2 - g.A1) - g.A1 * (g.B2 - g.B1), g.A2 - g.A1);
    }
}

void INTERSECT_AXIS_PARALLEL(Program& g) {
    if (g.BX == g.AX) {
        g.X1 = g.AX;
        g.Y1 = g.CY;
        return;
    }
    if (g.AY == g.BY) {
        g.X1 = g.CX;
        g.Y1 = g.AY;
        return;
    }
    g.A = DIV(g.BY - g.AY, g.BX - g.AX);
    g.B = CHECK(g.AY - g.A * g.AX);
    if (g.CX < 0) {
        g.X1 = DIV(g.CY - g.B, g.A);
        g.Y1 = g.CY;
    }
    if (g.CY < 0) {
        g.Y1 = CHECK(g.A * g.CX + g.B);
        g.X1 = g.CX;
    }
}

}  // namespace cw
