// Variables of Dorrith's own lessons, beside the program-wide ones every program
// shares.  All start at 0 or empty.  Names ending in _s are string
// variables, _a numeric arrays, _sa string arrays.
#pragma once
#include <string>

#include "platform/array.h"

namespace cw {

struct DorrithVars {
    // Lessons 1 to 4.  Lesson 1: the line of "2a*3b" (YI2) and the top of the
    // tile rows (YI3); lesson 3: the pen after a note of the right-hand column
    // (XJ2, YJ1); lesson 4: the line of the worked example's last note (YI2).
    float YI2 = 0, YI3 = 0, XJ2 = 0, YJ1 = 0;
    // Lessons 2 and 3, practice drills: the sign memory (negate a drawn sign
    // equal to it), the letters (B1$, B2$ also lesson 4's, block 1), the
    // coefficient texts, the widths of the number texts and the number of
    // factors of a letter that cancel.
    float FMAESU = 0;
    std::string B1_s, B2_s, X1_s, X3_s;
    float B3 = 0, B4 = 0, KESU = 0;
    // Lesson 5: the margin of the right-hand column's layout cursor (XJ1), whose
    // line y and pen x are YJ1 and XJ2 above; kept apart from XI1, YI1, XI2.
    float XJ1 = 0;
};

}  // namespace cw
