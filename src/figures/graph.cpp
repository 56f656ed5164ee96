// Graphs of y = a/x, y = ax^2, y = ax + b and ax + by = c on a plane.
//
// The range AA1..AA2 (and BB1..BB2 of a vertical line) is read in axis
// values as it stands at the call; a caller drawing on a plane whose scales
// are not 1 sets it again after DRAW_COORDINATE_GRID, which leaves it in cells.
#include "figures/figure_util.h"
#include "figures/figures.h"
#include "typeset/typeset.h"

namespace cw {

namespace {

float graph_value(Program& g, float x) {
    if (g.IROIRO == 1) return DIV(g.AA, x);
    if (g.IROIRO == 2) return CHECK(g.AA * POW(x, 2));
    return CHECK(g.AA * x + g.BB);
}

}  // namespace

void DRAW_FUNCTION_GRAPH(Program& g) {
    // Kept apart from DR, which the typesetter overwrites.
    int entry_width = g.pf.GETDRAWWIDTH();
    if (g.BAIX == 0) g.BAIX = 1;
    if (g.BAIY == 0) g.BAIY = 1;
    if (g.IROIRO == 4 && g.BB == 0) {
        g.CC = DIV(g.CC, g.AA);
        DRAW_VERTICAL_GRAPH_LINE(g);
    } else {
        if (g.IROIRO == 4) {
            float b = g.BB;
            g.AA = DIV(-g.AA, b);
            g.BB = DIV(g.CC, b);
            g.IROIRO = 3;
        }
        PLOT_FUNCTION_DOTS(g);
    }
    g.CCC1 = g.CCC3;
    g.X = g.X + g.KASANARIX;
    g.Y = g.Y + g.KASANARIY;
    g.AA_s = g.AAA_s;
    DRAW_EXPRESSION_TEXT(g);
    g.KASANARIX = 0;
    g.KASANARIY = 0;
    g.BAIX = 1;
    g.BAIY = 1;
    g.pf.SETDRAWWIDTH(static_cast<float>(entry_width));
}

void PLOT_FUNCTION_DOTS(Program& g) {
    g.X1 = g.AA1;
    g.HABA = 5000;
    if (g.IROIRO != 3 && g.X1 == 0) g.X1 = g.X1 + 0.002f;
    g.Y1 = graph_value(g, g.X1);
    g.GX5 = g.X1;
    g.GY5 = g.Y1;
    g.P1 = CHECK((g.AA2 - g.AA1) / g.HABA);
    for (int k = 0; k <= 5000; ++k) {
        g.II = static_cast<float>(k);
        g.GX = CHECK(g.GX0 + DIV(g.SIZE * g.GX5, g.BAIX));
        g.GY = CHECK(g.GY0 - DIV(g.SIZE * g.GY5, g.BAIY));
        if (g.GY1 <= g.GY && g.GY <= g.GY2) {
            g.X = g.GX;
            g.Y = g.GY;
            g.pf.CIRCLE(g.GX, g.GY, 1, g.CCC3, 0, 0, true);
        }
        g.GX5 = g.GX5 + g.P1;
        if (g.IROIRO != 3 && g.GX5 == 0) g.GX5 = g.GX5 + g.P1;
        g.GY5 = graph_value(g, g.GX5);
    }
    g.II = 5001;
}

void DRAW_VERTICAL_GRAPH_LINE(Program& g) {
    g.pf.SETDRAWWIDTH(5);
    float x = CHECK(g.GX0 + DIV(g.SIZE * g.CC, g.BAIX));
    float y1 = CHECK(g.GY0 - DIV(g.SIZE * g.BB1, g.BAIY));
    float y2 = CHECK(g.GY0 - DIV(g.SIZE * g.BB2, g.BAIY));
    g.pf.LINE(x, y1, x, y2, g.CCC3);
    g.X = x + 10.0f;
    g.Y = y2;
}

}  // namespace cw
