// The pupil's own example numbers: a number typed in the prompt band and
// checked before it is used, and the loop that works one example per number
// on one row until the pupil enters 1.
#pragma once
#include <functional>
#include <string>

#include "state/program.h"

namespace cw::sarnoth {

// True when the last entry (AINP$, AINP) is a whole number from lo to hi,
// typed without a zero divisor ("5/0", "3/" and "/" have none to divide by).
bool whole_entry(const Program& g, float lo, float hi);

// Asks `question` through PROMPT_FOR_NUMBER and CLEAR_PROMPT_LINE, again and
// silently until whole_entry holds; AINP is the number, a negative zero made 0.
// Reads KAIX, KAIY; writes AINP, AINP$, AA$; clobbers X, Y, CCC1 and the entry's scratch.
void ask_whole_number(Program& g, const std::string& question, float lo, float hi);

// The example loop on the row 60 below YI1, kept in V(1): AINP = 3; then, until ASK_NEXT_STEP gives 1, the
// band (0, V(1)) by 1600 x 120 is erased, "③ " drawn in colour 0 at (XI1, V(1)), ask() reads a number,
// worked() is drawn in colour 0 straight after "③ ", and after a key result() in colour 3 straight after it.
// Leaves XI2, YI1 at the end of the result (YI1 = V(1)).
void example_loop(Program& g, const std::function<void()>& ask, const std::function<std::string()>& worked,
                  const std::function<std::string()>& result);

}  // namespace cw::sarnoth
