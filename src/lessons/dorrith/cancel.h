// Dorrith's cancelling over a fraction written out factor by factor, as in
// "=ﾀ12*a*b*b/2*a*bﾀ": where each factor text stands, the strokes over a pair
// of coefficients with their reduced values, and the strokes over common
// letters, in two forms: strike_letter_factors walks two exponents (a
// letter's written-out factors struck as many times as the smaller one),
// STRIKE_COMMON_LETTERS walks two letter strings (each walked letter struck
// with its leftmost free partner).  Where the strokes go is lesson/strokes.h's
// plain computations; these routines draw them and keep the script's variables.
#pragma once
#include <string>
#include <vector>

#include "lessons/dorrith/dorrith.h"
#include "lessons/strokes.h"
#include "state/program.h"

namespace cw::dorrith {

// ---- the routines ------------------------------------------------------------------------

// Reads Y$(1)..Y$(5), ITI, U(1), V(1), U(3), V(3); writes U(2), V(2), U(4), V(4), U(5), V(5), U(6), V(6), BUN = 0,
// LLT = width of Y$(5), A$ = Y$(5); clobbers AA$ and the typesetter's scratch.  Draws nothing visible.
void LAYOUT_FACTOR_POSITIONS(Program& g);
// Reads X$(1) at (X1, Y1), X$(2) at (X2, Y2), U(11), V(11); writes U$(11), V$(11), U(12), U(13), BUN = 0,
// CCC1 = 3, X, Y (after the lower value), AA$; clobbers A$, LLT and the typesetter's scratch.  Draws two strokes
// and the two values.
void STRIKE_NUMBERS_SHOW_REDUCED(Program& g);
// Reads X$(1) (walked) at (X1, Y1), X$(2) (searched) at (X2, Y2); writes X$(2) with the taken letters as "0",
// X$(1) = "" and X1 past the walked characters (all three untouched when either string is empty), and the
// scratch A1$ (the last character walked), LEM, LEM1, LEM2.  Draws the strokes.
void STRIKE_COMMON_LETTERS(Program& g);
// The strokes over one letter's written-out factors (letter_factors), whose string starts at anchor k:
// when the letter stands on both sides (exponents `here` and `there` above 0), KESU = the smaller of the two,
// and that many are struck, leftmost first (lesson::struck_factor_count, lesson::letter_factor_anchor).
// Writes KESU, II.
void strike_letter_factors(Dorrith& g, int k, float here, float there);


}  // namespace cw::dorrith
