// The coordinate plane, plotted points and the scaled axis labels.
#include "figures/figure_util.h"
#include "figures/figures.h"
#include "typeset/typeset.h"

namespace cw {

namespace {

// Draws text with the magnification 2 across and 1 down; an empty text
// shows nothing and is not drawn.
void draw_number(Program& g, float x, float y, const std::string& text) {
    if (!text.empty()) g.pf.SYMBOL(x, y, 2, 1, g.CCC1, text);
}

// The cell number of a major line: "" at the origin and when numbers are off.
std::string cell_number(Program& g, float i) {
    std::string t = number_text_in_a(g, i);
    if (i == 0 || g.NASI == -1) t.clear();
    return t;
}

}  // namespace

void DRAW_COORDINATE_GRID(Program& g) {
    g.DR = static_cast<float>(g.pf.GETDRAWWIDTH());
    if (g.BAIX == 0)
        g.BAIX = 1;
    else if (g.BAIX < 0)
        g.BAIX = ABS(g.BAIX);
    if (g.BAIY == 0)
        g.BAIY = 1;
    else if (g.BAIY < 0)
        g.BAIY = ABS(g.BAIY);
    g.AA1 = DIV(g.AA1, g.BAIX);
    g.AA2 = DIV(g.AA2, g.BAIX);
    g.BB1 = DIV(g.BB1, g.BAIY);
    g.BB2 = DIV(g.BB2, g.BAIY);
    if (g.GGX == 0 && g.GGY == 0) {
        g.GGX = 640;
        g.GGY = 180;
    }
    g.GX0 = CHECK(g.GGX + g.SIZE * ABS(g.AA1));
    g.GY0 = CHECK(g.GGY + g.SIZE * g.BB2);
    g.GX1 = g.GGX;
    g.GY1 = g.GGY;
    g.GX2 = CHECK(g.GX0 + g.SIZE * g.AA2);
    g.GY2 = CHECK(g.GY0 + g.SIZE * ABS(g.BB1));
    g.SIZE1 = g.SIZE < 40 ? 26.0f : 30.0f;
    g.pf.SETFONTSIZE(g.SIZE1);

    if (g.CCC2 != 0) {
        // The counts are taken before anything is drawn, so a plane whose
        // extents need too many lines is refused whole.
        int nx = fig::loop_passes(g.AA1, g.AA2);
        int ny = fig::loop_passes(g.BB1, g.BB2);
        auto xi = [&](int k) { return g.AA1 + static_cast<float>(k); };
        auto yi = [&](int k) { return g.BB1 + static_cast<float>(k); };

        // Minor lines, half a unit off the exact positions.
        g.pf.SETDRAWWIDTH(1);
        for (int k = 0; k < nx; ++k) {
            g.II = xi(k);
            float x = g.GX0 + g.SIZE * g.II - 0.5f;
            g.pf.LINE(x, g.GY1, x, g.GY2, 0);
        }
        for (int k = 0; k < ny; ++k) {
            g.II = yi(k);
            float y = g.GY0 - g.SIZE * g.II - 0.5f;
            g.pf.LINE(g.GX1, y, g.GX2, y, 0);
        }

        // Major lines every fifth cell, numbered in cells.
        for (int k = 0; k < nx; ++k) {
            g.II = xi(k);
            if (!fig::multiple_of_5(g.II)) continue;
            float x = g.GX0 + g.SIZE * g.II;
            g.pf.SETDRAWWIDTH(3);
            g.pf.LINE(x, g.GY1, x, g.GY2, 1);
            g.AA_s = cell_number(g, g.II);
            g.CCC1 = 0;
            float n = static_cast<float>(KLEN(g.AA_s));
            draw_number(g, x - g.SIZE1 * n / 2.0f, g.GY0, g.AA_s);
        }
        for (int k = 0; k < ny; ++k) {
            g.II = yi(k);
            if (!fig::multiple_of_5(g.II)) continue;
            float y = g.GY0 - g.SIZE * g.II;
            g.pf.SETDRAWWIDTH(3);
            g.pf.LINE(g.GX1, y, g.GX2, y, 1);
            g.AA_s = cell_number(g, g.II);
            g.CCC1 = 0;
            float n = static_cast<float>(KLEN(g.AA_s));
            draw_number(g, g.GX0 - g.SIZE1 * n, y - g.SIZE1 / 2.0f - 4.0f, g.AA_s);
        }
        g.II = yi(ny);
    }

    // Axes.
    g.pf.SETDRAWWIDTH(4);
    g.pf.LINE(g.GX0, g.GY1, g.GX0, g.GY2, 0);
    g.pf.SETDRAWWIDTH(4);
    g.pf.LINE(g.GX1, g.GY0, g.GX2, g.GY0, 0);

    // Axis names and the origin.
    g.CCC1 = 0;
    g.pf.SETFONTBOLD(-1);
    g.pf.SETFONTNAME("Times New Roman");
    g.pf.SETFONTSIZE(0.8f * g.SIZE1);
    g.pf.SETFONTITALIC(-1);
    g.pf.SYMBOL(g.GX2 - 0.8f * g.SIZE1, g.GY0 - 1.5f * g.SIZE1, 3, 2, g.CCC1, "x");
    g.pf.SETFONTNAME("ゴシック");
    g.pf.SETFONTSIZE(g.SIZE1);
    g.pf.SETFONTITALIC(0);
    g.AA_s = "0";
    g.X = g.GX0 - g.SIZE1;
    g.Y = g.GY0;
    g.pf.SYMBOL(g.X, g.Y, 2, 1, g.CCC1, g.AA_s);
    g.AA_s = "y";
    g.X = g.GX0;
    g.Y = g.GY1 - g.SIZE1 / 2.0f;
    g.pf.SYMBOL(g.X, g.Y, 2, 1, g.CCC1, g.AA_s);

    g.pf.SETFONTBOLD(0);
    g.pf.SETFONTSIZE(16);
    g.pf.SETDRAWWIDTH(g.DR);
    g.NASI = 0;
}

void PLOT_POINT(Program& g) {
    if (g.BAIX == 0) g.BAIX = 1;
    if (g.BAIY == 0) g.BAIY = 1;
    g.GX = CHECK(g.GX0 + DIV(g.SIZE * g.XG, g.BAIX));
    g.GY = CHECK(g.GY0 - DIV(g.SIZE * g.YG, g.BAIY));
    g.pf.CIRCLE(g.GX, g.GY, g.R, g.CCC3, 0, 0, true);
    g.CCC1 = g.CCC3;
    g.X = g.GX - 20.0f + g.KASANARIX;
    g.Y = g.GY - 40.0f + g.KASANARIY;
    g.AA_s = g.AAA_s;
    DRAW_EXPRESSION_TEXT(g);
    g.KASANARIX = 0;
    g.KASANARIY = 0;
}

namespace {

// Splits the axis value v into its whole part P1 and first decimal P2, with
// their texts P1$ and P2$.  The value is rounded to five decimals first, so
// that single-precision noise (0.06 x 5 = 0.29999998) does not lose a tenth;
// the second decimal is then cut off (1.25 reads 1.2).  A negative value
// splits by its magnitude and keeps its sign on the whole part ("-0" for
// -0.5), so the label reads the value.
void split_axis_value(Program& g, float v) {
    bool negative = v < 0;
    double m = std::fabs(static_cast<double>(v));
    double whole, tenth;
    if (m >= 1e7) {
        whole = std::nearbyint(m);
        tenth = 0;
    } else {
        double tenths = std::floor(std::nearbyint(m * 1e5) / 1e4);
        whole = std::floor(tenths / 10.0);
        tenth = tenths - 10.0 * whole;
    }
    g.P1 = static_cast<float>(negative ? -whole : whole);
    g.P2 = static_cast<float>(tenth);
    g.P1_s = number_text_in_a(g, g.P1);
    if (negative && whole == 0 && tenth != 0) g.P1_s = "-0";
    g.P2_s = number_text_in_a(g, g.P2);
}

}  // namespace

void DRAW_SCALED_AXIS_LABELS(Program& g) {
    g.pf.SETFONTSIZE(g.SIZE1);

    // Draws the tick's digits at (x, y), and its decimal point, dy below y,
    // 6 units left of the boundary between the whole part and the decimal.
    auto label = [&](float x, float y, float point_dy) {
        g.AA_s = g.P2 == 0 ? g.P1_s : g.P1_s + g.P2_s;
        g.CCC1 = 0;
        g.X = x;
        g.Y = y;
        g.pf.SYMBOL(g.X, g.Y, 2, 1, g.CCC1, g.AA_s);
        if (g.P2 != 0) {
            g.CCC1 = 0;
            g.X = g.X + g.SIZE1 * static_cast<float>(KLEN(g.P1_s)) - 6.0f;
            g.Y = y + point_dy;
            g.pf.SYMBOL(g.X, g.Y, 2, 1, g.CCC1, ".");
        }
    };
    auto labelled = [&](float i) { return i != 0 && fig::multiple_of_5(i); };

    // Both counts first: extents too large to label are refused before any
    // label is drawn.
    int nx = fig::loop_passes(g.AA1, g.AA2);
    int ny = fig::loop_passes(g.BB1, g.BB2);
    for (int k = 0; k < nx; ++k) {
        g.II = g.AA1 + static_cast<float>(k);
        split_axis_value(g, CHECK(g.II * g.BAIX));
        if (!labelled(g.II)) continue;
        float n = static_cast<float>(KLEN(g.P2 == 0 ? g.P1_s : g.P1_s + g.P2_s));
        label(g.GX0 + g.SIZE * g.II - g.SIZE1 * n / 2.0f, g.GY0 + 4.0f, 4.0f);
    }
    for (int k = 0; k < ny; ++k) {
        g.II = g.BB1 + static_cast<float>(k);
        split_axis_value(g, CHECK(g.II * g.BAIY));
        if (!labelled(g.II)) continue;
        float n = static_cast<float>(KLEN(g.P2 == 0 ? g.P1_s : g.P1_s + g.P2_s));
        label(g.GX0 - g.SIZE1 * n, g.GY0 - g.SIZE * g.II - g.SIZE1 / 2.0f, 4.0f);
    }
    g.II = g.BB1 + static_cast<float>(ny);
    g.pf.SETFONTSIZE(16);
}

}  // namespace cw
