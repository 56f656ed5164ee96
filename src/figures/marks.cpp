// Marks on segments, arrows and slope triangles.
#include "figures/figure_util.h"
#include "figures/figures.h"
#include "typeset/typeset.h"

namespace cw {

namespace {

// Run, length and unit vector of the segment (AX, AY)-(BX, BY); false when
// it has no length (CX, CY and D are set either way).
bool segment_direction(Program& g) {
    g.CX = g.BX - g.AX;
    g.CY = g.BY - g.AY;
    g.D = SQR(CHECK(g.CX * g.CX + g.CY * g.CY));
    if (g.D == 0) return false;
    g.DX = g.CX / g.D;
    g.DY = g.CY / g.D;
    return true;
}

}  // namespace

void DRAW_PARALLEL_MARKS(Program& g) {
    // A segment of no length has no direction to mark: nothing is drawn.
    if (!segment_direction(g)) return;
    float w = DIV(g.A, g.A + g.B);
    g.BX1 = g.AX + g.CX * w;
    g.BY1 = g.AY + g.CY * w;
    g.EX = g.BX1 - g.NAGASA * g.DX;
    g.EY = g.BY1 - g.NAGASA * g.DY;
    float half = g.NAGASA / 2.0f;
    g.AX1 = g.EX - half * g.DY;
    g.AY1 = g.EY + half * g.DX;
    g.AX2 = g.EX + half * g.DY;
    g.AY2 = g.EY - half * g.DX;
    if (g.HONSU <= 0 || g.HONSU > 6) g.HONSU = 1;

    int n = fig::loop_passes(1, g.HONSU);
    for (int k = 1; k <= n; ++k) {
        g.II = static_cast<float>(k);
        float sx = 16.0f * g.DX, sy = 16.0f * g.DY;
        g.BX1 += sx, g.BY1 += sy;
        g.AX1 += sx, g.AY1 += sy;
        g.AX2 += sx, g.AY2 += sy;
        g.pf.LINE(g.AX1, g.AY1, g.BX1, g.BY1, g.CCC2);
        g.pf.LINE(g.AX2, g.AY2, g.BX1, g.BY1, g.CCC2);
    }
    g.II = static_cast<float>(n + 1);
}

void DRAW_EQUAL_TICKS(Program& g) {
    if (g.AIDA == 0 || g.AIDA > 30) g.AIDA = 8;
    // A segment of no length has no direction to mark: nothing is drawn.
    if (!segment_direction(g)) return;
    g.EX = (g.AX + g.BX) / 2.0f + g.ITI * g.DX;
    g.EY = (g.AY + g.BY) / 2.0f + g.ITI * g.DY;
    if (g.HONSU < 0 || g.HONSU > 6) g.HONSU = 1;
    g.AIDA1 = g.AIDA;

    int n = fig::loop_passes(1, g.HONSU);
    for (int k = 1; k <= n; ++k) {
        g.II = static_cast<float>(k);
        float cx = g.EX + g.AIDA * g.DX, cy = g.EY + g.AIDA * g.DY;
        g.AX1 = cx + g.NAGASA * g.DY;
        g.AY1 = cy - g.NAGASA * g.DX;
        g.AX2 = cx - g.NAGASA * g.DY;
        g.AY2 = cy + g.NAGASA * g.DX;
        g.pf.LINE(g.AX1, g.AY1, g.AX2, g.AY2, g.CCC2);
        g.AIDA = g.AIDA + g.AIDA1;
    }
    g.II = static_cast<float>(n + 1);
}

void DRAW_ARROW(Program& g) {
    // The tail is kept in (ZX0, ZY0) and the tip in (ZX, ZY).
    if (g.MUKI == -1) {
        SWAP(g.ZX0, g.ZX);
        SWAP(g.ZY0, g.ZY);
    }
    int heads = g.YA == 2 ? 2 : 1;
    if (g.YA == 2) g.YA = 0;
    for (int h = 0; h < heads; ++h) {
        if (h == 1) {
            SWAP(g.ZX0, g.ZX);
            SWAP(g.ZY0, g.ZY);
        }
        g.CX = g.ZX - g.ZX0;
        g.CY = g.ZY - g.ZY0;
        g.D = SQR(CHECK(g.CX * g.CX + g.CY * g.CY));
        // An arrow of no length has no direction: nothing is drawn.
        if (g.D == 0) break;
        g.pf.LINE(g.ZX0, g.ZY0, g.ZX, g.ZY, g.CCC2);
        g.DX = g.CX / g.D;
        g.DY = g.CY / g.D;
        g.EX = g.ZX - g.NAGASA * g.DX;
        g.EY = g.ZY - g.NAGASA * g.DY;
        float half = g.NAGASA / 2.0f;
        g.ZX1 = g.EX - half * g.DY;
        g.ZY1 = g.EY + half * g.DX;
        g.ZX2 = g.EX + half * g.DY;
        g.ZY2 = g.EY - half * g.DX;
        g.pf.LINE(g.ZX1, g.ZY1, g.ZX, g.ZY, g.CCC2);
        g.pf.LINE(g.ZX2, g.ZY2, g.ZX, g.ZY, g.CCC2);
    }
    g.MUKI = 0;
}

void DRAW_SLOPE_TRIANGLE(Program& g) {
    if (g.GX3 > g.GX4) {
        SWAP(g.GX3, g.GX4);
        SWAP(g.GY3, g.GY4);
    }
    g.pf.SETDRAWWIDTH(4);

    g.ZX0 = g.GX3, g.ZY0 = g.GY3;
    g.ZX = g.GX4, g.ZY = g.GY3;
    g.MUKI = 1, g.CCC2 = 7, g.NAGASA = 16;
    DRAW_ARROW(g);

    g.ZX0 = g.GX4, g.ZY0 = g.GY3;
    g.ZX = g.GX4, g.ZY = g.GY4;
    g.MUKI = 1, g.CCC2 = 3, g.NAGASA = 16;
    DRAW_ARROW(g);

    g.X_s = number_text_in_a(g, DIV(g.GX4 - g.GX3, g.SIZE));
    // The number-to-text conversion writes the zero before a decimal point
    // itself ("0.5"), so the rise's text needs no prefix.
    g.Y_s = number_text_in_a(g, DIV(g.GY3 - g.GY4, g.SIZE));

    if (MID_s(g.HYOUJI_s, 1, 1) == "y") LABEL_SLOPE_RUN(g);
    if (MID_s(g.HYOUJI_s, 2, 1) == "y") LABEL_SLOPE_RISE(g);
}

void LABEL_SLOPE_RUN(Program& g) {
    g.Y = g.GY4 < g.GY3 ? g.GY3 - 44.0f : g.GY3;
    g.CCC1 = 7;
    g.X = (g.GX3 + g.GX4) / 2.0f - 14.0f;
    g.AA_s = g.X_s;
    DRAW_EXPRESSION_TEXT(g);
}

void LABEL_SLOPE_RISE(Program& g) {
    g.CCC1 = 3;
    g.X = g.GX4;
    g.Y = (g.GY3 + g.GY4) / 2.0f - 16.0f;
    g.AA_s = g.Y_s;
    DRAW_EXPRESSION_TEXT(g);
}

}  // namespace cw
