// Directions of points, the arms of an angle and the size of an angle.
#include "figures/figure_util.h"
#include "figures/figures.h"

namespace cw {

using fig::FIG_PI;

void COMPUTE_ARM_ANGLES(Program& g) {
    g.PI = FIG_PI;
    float d1 = fig::direction(g.ZX0, g.ZY0, g.ZX1, g.ZY1);
    g.HHP = d1;
    g.HH1 = 1.0f - d1 / (2.0f * g.PI);
    g.HH3 = d1;
    float d2 = fig::direction(g.ZX0, g.ZY0, g.ZX2, g.ZY2);
    g.HHP = d2;
    g.HH2 = 1.0f - d2 / (2.0f * g.PI);
    g.HH4 = d2;
    if (g.ITI == -1) {
        SWAP(g.HH1, g.HH2);
        SWAP(g.HH3, g.HH4);
    }
    // The marked angle runs counter-clockwise from HH3 to HH4; when it passes
    // the rightward direction its middle lies half a turn from the average.
    g.HH5 = (g.HH3 + g.HH4) / 2.0f;
    if (g.HH3 > g.HH4) g.HH5 = g.HH5 + g.PI;
}

void COMPUTE_DIRECTION(Program& g) {
    g.PI = FIG_PI;
    g.HHP = fig::direction(g.ZX0, g.ZY0, g.ZX1, g.ZY1);
}

void MEASURE_ANGLE_DEGREES(Program& g) {
    COMPUTE_ARM_ANGLES(g);
    if (g.HH3 > g.HH4) g.HH4 = g.HH4 + 2.0f * g.PI;
    g.HH5 = g.HH4 - g.HH3;
    g.HH = g.HH5 * 180.0f / g.PI;
    g.KAKUDO_s = number_text_in_a(g, CINT(g.HH * 10.0f) / 10.0f);
}

}  // namespace cw
