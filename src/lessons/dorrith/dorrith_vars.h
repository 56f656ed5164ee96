// Variables of Dorrith's own lessons, beside the program-wide ones every program
// shares.  All start at 0 or empty.  Names ending in _s are string
// variables, _a numeric arrays, _sa string arrays.
#pragma once
#include <string>

#include "platform/array.h"

namespace cw {

struct DorrithVars {
    // Lesson 4 (YI2 and B1$, B2$ are also lessons 1 to 3's): the line of the
    // last note of the worked example's right-hand column (YI2); the letters
    // of a practice problem of block 1 (B1$, B2$).
    float YI2 = 0;
    std::string B1_s, B2_s;
};

}  // namespace cw
