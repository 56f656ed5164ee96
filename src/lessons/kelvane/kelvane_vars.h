// Variables of Kelvane's own lessons, beside the program-wide ones every program
// shares.  All start at 0 or empty.  Names ending in _s are string
// variables, _a numeric arrays, _sa string arrays.
#pragma once
#include <string>

#include "platform/array.h"

namespace cw {

struct KelvaneVars {
    // Lesson 4: the lower lines of the layout cursor and the bed's row counter.
    float YI2 = 0, YI3 = 0, JJ = 0;
    // The drill panel's origin: where each new problem's first line starts (drill_panel.h).
    float XHAJIME = 0, YHAJIME = 0;
    // The tops of the panels of a two-panel step: NAKA1 the first row, 50 below the step's heading (also in
    // lessons 5 and 6); in the multiplication step NAKA2 the second row, 150 below where the first worked
    // example left YI1, and NAKA3 the fraction drills' lower panel, 80 below where the first of them left it.
    float NAKA1 = 0, NAKA2 = 0, NAKA3 = 0;
    // The signed multiplier of the last example-6 problem (0 at start-up, never reset).
    float FMAESU = 0;
    // The widths, in characters, of the fraction-divisor drill's strokes: LEU over the upper number (the
    // term's coefficient, its sign left out), LES over the lower one (the divisor's denominator).
    float LEU = 0, LES = 0;

    // Lessons 5 and 6 share FMAESU, XHAJIME, YHAJIME, NAKA1 and YI3 with
    // lesson 4's drills.
    // Lesson 7: the radii of the track's bends.
    float R1 = 0, R2 = 0;
};

}  // namespace cw
