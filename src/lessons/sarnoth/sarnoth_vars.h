// Variables of Sarnoth's own lessons, beside the program-wide ones every program
// shares.  All start at 0 or empty.  Names ending in _s are string
// variables, _a numeric arrays, _sa string arrays.
#pragma once
#include <string>

#include "platform/array.h"

namespace cw {

struct SarnothVars {
};

}  // namespace cw
