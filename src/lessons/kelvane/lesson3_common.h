// Lesson 3's own layout pieces: the written-column grid and its answer row.
#pragma once
#include <string>

#include "lessons/toolkit.h"
#include "state/program.h"

namespace cw::kelvane3::detail {

// The written-column grid of one problem: X(31..34) and Y(31..35) from (XKARA, UE).
void column_grid(Program& g);
// When the a-column of the answer is empty the b-term leads the row, and when
// both letter columns are empty the constant does: its "+" goes (the first
// character that is not a blank), and the column x moves one cell right so
// the text still ends where the column ends.  Returns the text to draw.
std::string lead_term(Program& g, const std::string& text, float& column_x);
// The drill loop's answer row: a-term, b-term and constant, one stage each,
// in colour 3.  When all three are 0 the constant column shows "0".
void reveal_column_answer(Program& g);

}  // namespace cw::kelvane3::detail
