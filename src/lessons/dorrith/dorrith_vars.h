// Variables of Dorrith's own lessons, beside the program-wide ones every program
// shares.  All start at 0 or empty.  Names ending in _s are string
// variables, _a numeric arrays, _sa string arrays.
#pragma once
#include <string>

#include "platform/array.h"

namespace cw {

struct DorrithVars {
    // Lesson 5: the right-hand column's layout cursor (margin XJ1, line y YJ1,
    // pen x after the last fragment XJ2), kept apart from XI1, YI1, XI2.
    float XJ1 = 0, YJ1 = 0, XJ2 = 0;
};

}  // namespace cw
