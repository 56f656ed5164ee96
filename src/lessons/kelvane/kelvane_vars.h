// Variables of Kelvane's own lessons, beside the program-wide ones every program
// shares.  All start at 0 or empty.  Names ending in _s are string
// variables, _a numeric arrays, _sa string arrays.
#pragma once
#include <string>

#include "platform/array.h"

namespace cw {

struct KelvaneVars {
    // Lesson 4: the lower lines of the layout cursor and the bed's row counter;
    // the drills' panel origin and the multiplication step's rows; the signed
    // multiplier of the last example-6 problem (0 at start-up, never reset);
    // the stroke widths, in characters, of the fraction-divisor drill.
    float YI2 = 0, YI3 = 0, JJ = 0;
    float XHAJIME = 0, YHAJIME = 0, NAKA1 = 0, NAKA2 = 0, NAKA3 = 0;
    float FMAESU = 0;
    float LEU = 0, LES = 0;

    // Lessons 5 and 6 share FMAESU, XHAJIME, YHAJIME, NAKA1 and YI3 with
    // lesson 4's drills.
    // Lesson 7: the radii of the track's bends.
    float R1 = 0, R2 = 0;
};

}  // namespace cw
