// Point labels and angle marks.
#include "figures/figure_util.h"
#include "figures/figures.h"
#include "typeset/typeset.h"

namespace cw {

void PLACE_LABEL(Program& g) {
    g.A_s = g.AAA_s;
    MEASURE_EXPRESSION_TEXT(g);
    COMPUTE_ARM_ANGLES(g);
    g.DY = KINSTR(g.AAA_s, "ﾀ") != 0 ? 40.0f : 22.0f;

    // The label box is centred on the anchor moved by (LLT/2 cos, -DY sin)
    // of the bisector, so it touches the anchor on the bisector's side.
    float c = COS(g.HH5), s = SIN(g.HH5);
    float x = g.ZX0, y = g.ZY0;
    if (g.NAGASA != 0) {
        x = x + g.NAGASA * c;
        y = y - g.NAGASA * s;
    }
    g.X = CHECK(x + g.LLT * (c / 2.0f - 0.5f) + g.AAAX);
    g.Y = CHECK(y - 2.0f * g.DY * (s / 2.0f + 0.5f) + g.AAAY);

    g.AA_s = g.AAA_s;
    if (g.MU_DO == 1)
        DRAW_PLAIN_TEXT(g);
    else
        DRAW_EXPRESSION_TEXT(g);

    fig::consume_label_inputs(g);
}

void DRAW_ANGLE_MARK(Program& g) {
    COMPUTE_ARM_ANGLES(g);
    if (g.HONSU > 6) g.HONSU = 1;
    if (g.HONSU > 0) {
        g.NAGASA1 = g.NAGASA;
        int n = fig::loop_passes(1.0f, g.HONSU);
        for (int k = 1; k <= n; ++k) {
            g.II = static_cast<float>(k);
            g.NAGASA1 = g.NAGASA1 - 8.0f;
            g.pf.CIRCLE(g.ZX0, g.ZY0, g.NAGASA1, g.CCC3, g.HH2, g.HH1, false);
        }
        g.II = static_cast<float>(n + 1);
    } else {
        g.pf.CIRCLE(g.ZX0, g.ZY0, g.NAGASA, g.CCC2, g.HH2, g.HH1, true, g.CCC3);
    }
    PLACE_LABEL(g);
    g.ITI = 0;
    g.AAA_s.clear();
}

void DRAW_RIGHT_ANGLE_MARK(Program& g) {
    COMPUTE_ARM_ANGLES(g);
    g.ZX3 = g.ZX0 + g.NAGASA * COS(g.HH3);
    g.ZY3 = g.ZY0 - g.NAGASA * SIN(g.HH3);
    g.ZX4 = g.ZX0 + g.NAGASA * COS(g.HH4);
    g.ZY4 = g.ZY0 - g.NAGASA * SIN(g.HH4);
    g.ZX5 = g.ZX3 + g.NAGASA * COS(g.HH4);
    g.ZY5 = g.ZY3 - g.NAGASA * SIN(g.HH4);
    g.pf.CONNECT({{g.ZX3, g.ZY3}, {g.ZX5, g.ZY5}, {g.ZX4, g.ZY4}}, g.CCC2);
}

}  // namespace cw
