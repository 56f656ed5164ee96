// Variables of Kelvane's own lessons, beside the program-wide ones every program
// shares.  All start at 0 or empty.  Names ending in _s are string
// variables, _a numeric arrays, _sa string arrays.
#pragma once
#include <string>

#include "platform/array.h"

namespace cw {

struct KelvaneVars {
    // Lessons 5 and 6 (FMAESU is shared with lesson 4's drills): the first
    // multiplier of the last problem, never reset; where a two-panel drill
    // starts its rows; the top of both panels; the pen on a row of products.
    float FMAESU = 0;
    float XHAJIME = 0, YHAJIME = 0, NAKA1 = 0;
    float YI3 = 0;

    // Lesson 7: the radii of the track's bends.
    float R1 = 0, R2 = 0;
};

}  // namespace cw
