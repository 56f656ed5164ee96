// Dotted half-ellipses over a segment, and single points of them.
#include "figures/figure_util.h"
#include "figures/figures.h"

namespace cw {

namespace {

// The point at angle II (degrees) of the half-ellipse over the segment from
// P0 = (ZX0, ZY0): built in the frame where the segment runs right from P0
// with centre (ZX2, ZY2) and half-length RR, then turned about P0 by H.
// Leaves the point in (ZX, ZY); uses HH, ZX3, ZY3, ZX1, ZY1, HHP, R.
void arc_point(Program& g, float degrees) {
    g.HH = degrees * g.PI / 180.0f;
    g.ZX3 = g.ZX2 + g.RR * COS(g.HH);
    g.ZY3 = g.ZY2 - DIV(g.TAKASA, g.RR) * g.RR * SIN(g.HH);
    g.ZX1 = g.ZX3;
    g.ZY1 = g.ZY3;
    COMPUTE_DIRECTION(g);
    float dx = g.ZX3 - g.ZX0, dy = g.ZY3 - g.ZY0;
    g.R = SQR(CHECK(dx * dx + dy * dy));
    g.ZX = g.ZX0 + g.R * COS(g.H + g.HHP);
    g.ZY = g.ZY0 - g.R * SIN(g.H + g.HHP);
}

// Half the length of the segment (ZX0, ZY0)-(ZX1, ZY1), with CX, CY its run.
float half_length(Program& g) {
    g.CX = g.ZX1 - g.ZX0;
    g.CY = g.ZY1 - g.ZY0;
    return SQR(CHECK(g.CX * g.CX + g.CY * g.CY)) / 2.0f;
}

}  // namespace

void DRAW_DIMENSION_ARC(Program& g) {
    if (g.TAKASA > 0 && g.TAKASA < 16)
        g.TAKASA = g.TAKASA * 16.0f;
    else if (g.TAKASA < 0)
        g.TAKASA = ABS(g.TAKASA);
    g.ZX11 = g.ZX0;
    g.ZY11 = g.ZY0;
    g.ZX12 = g.ZX1;
    g.ZY12 = g.ZY1;

    g.RR = half_length(g);
    if (g.RR == 0) {
        // A segment of no length has no arc and no apex: draw nothing, but
        // consume the label inputs as a drawn arc would.
        fig::consume_label_inputs(g);
        return;
    }
    g.ZX2 = g.ZX0 + g.RR;
    g.ZY2 = g.ZY0;
    COMPUTE_DIRECTION(g);
    g.H = g.HHP;

    if (g.HOUKOU > 0) {
        g.D1 = 180;
        g.D2 = 360;
    } else {
        g.D1 = 0;
        g.D2 = 180;
    }

    // One dot every HABA degrees from D1 up to D2.  The dots are counted with
    // an integer; a step that is not positive, or too small to move a
    // single-precision counter at D2, draws no dots.
    int n = 0;
    if (g.HABA > 0 && g.D2 + g.HABA > g.D2) n = to_int((g.D2 - g.D1) / g.HABA) + 1;
    for (int k = 0; k < n; ++k) {
        g.II = k == 0 ? g.D1 : g.D1 + static_cast<float>(k) * g.HABA;
        arc_point(g, g.II);
        g.pf.CIRCLE(g.ZX, g.ZY, 0.5f, g.CCC2, 0, 0, true);
    }
    g.II = g.D1 + static_cast<float>(n) * g.HABA;

    // The apex, and the label beside it on the side HOUKOU names.
    arc_point(g, (g.D1 + g.D2) / 2.0f);
    g.ZX2 = g.ZX12;
    g.ZY2 = g.ZY12;
    g.ZX1 = g.ZX11;
    g.ZY1 = g.ZY11;
    g.ZX0 = g.ZX;
    g.ZY0 = g.ZY;
    g.NAGASA = 0;
    g.ITI = g.HOUKOU;
    PLACE_LABEL(g);
    g.AAA_s.clear();
}

void COMPUTE_ELLIPSE_ARC_POINT(Program& g) {
    g.RR = half_length(g);
    g.ZX2 = g.ZX0 + g.RR;
    g.ZY2 = g.ZY0;
    COMPUTE_DIRECTION(g);
    g.H = g.HHP;
    // A segment of no length has no ellipse: the division by RR is the
    // run-time error.
    arc_point(g, g.KAKUDO);
}

}  // namespace cw
