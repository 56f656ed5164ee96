// Helpers shared by the figure routines.
#pragma once
#include <cmath>
#include <string>

#include "exprstr/exprstr.h"
#include "platform/basic.h"
#include "state/program.h"

namespace cw::fig {

// The circle constant of the figures: the single nearest to 3.14159.
constexpr float FIG_PI = 3.14159f;

// Most passes a counted loop of a grid or plane may make.  A plane or grid
// whose extents would need more lines than this is refused.
constexpr double MAX_PASSES = 100000.0;

// Passes of a counted loop from a to b in steps of 1: the body runs once with
// a, then again while the counter stays at most b (bound taken at the start).
// Counting with an integer keeps loops with huge or non-whole bounds finite.
inline int loop_passes(float a, float b, std::source_location w = std::source_location::current()) {
    if (!std::isfinite(a) || !std::isfinite(b)) throw RuntimeError(ERR_OVERFLOW, w);
    if (!(b >= a)) return 1;
    double n = std::floor(static_cast<double>(b) - static_cast<double>(a)) + 1.0;
    if (n > MAX_PASSES) throw RuntimeError(ERR_ILLEGAL_CALL, w);
    return static_cast<int>(n);
}

// Whether the loop counter value v counts as a multiple of 5 (whole-number
// remainder 0, so -10, -5, 0, 5, 10 qualify).
inline bool multiple_of_5(float v) { return MOD(v, 5.0f) == 0.0f; }

// A placed label uses up its inputs: the next label starts from none.
inline void consume_label_inputs(Program& g) {
    g.ITI = 0;
    g.AAA_s.clear();
    g.AAAX = 0;
    g.AAAY = 0;
    g.NAGASA = 0;
    g.MU_DO = 0;
}

// Direction of (px, py) seen from (vx, vy), radians counter-clockwise as seen.
inline float direction(float vx, float vy, float px, float py) {
    if (py > vy) return 3.0f * FIG_PI / 2.0f + ATN((px - vx) / (py - vy));
    if (py < vy) return FIG_PI / 2.0f + ATN((px - vx) / (py - vy));
    return px > vx ? 0.0f : FIG_PI;
}

}  // namespace cw::fig
