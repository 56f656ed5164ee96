// Variables of Sarnoth's own lessons, beside the program-wide ones every program
// shares.  All start at 0 or empty.  Names ending in _s are string
// variables, _a numeric arrays, _sa string arrays.
#pragma once
#include <string>

#include "platform/array.h"

namespace cw {

struct SarnothVars {
    // Lessons 3 to 6: the letters of the lesson 3 drills, the radii and arc
    // ends of the sector figures, the ends of a figure's lines.
    std::string B1_s, C1_s;
    float R1 = 0, R2 = 0, H1 = 0, H2 = 0, M = 0, N2 = 0;
};

}  // namespace cw
