// Cancelling over a fraction written out factor by factor, as in
// "=ﾀ12*a*b*b/2*a*bﾀ": where each factor stands, the strokes over a pair of
// coefficients with their reduced values, and the strokes over common
// letters paired one by one.  Where the strokes go is worked out by plain
// functions; the upper-case routines draw them and keep the script's
// variables.
//
// A letter string is "*" and one letter by turns ("*a*b*b"); in the
// fraction-part style a digit or letter advances 32 and "*" 38, so the
// letter at character position k (2, 4, 6, ...) starts 35k - 32 right of the
// string's left edge.
#pragma once
#include <string>
#include <vector>

#include "lessons/marks.h"
#include "state/program.h"

namespace cw::lesson {

// ---- where the strokes go --------------------------------------------------------------

// Left edge of the letter at 1-based position k of a letter string, from the string's left edge.
float letter_offset(int k);

// One walked letter struck with its partner: the left edges of both.
struct LetterPair {
    float walked_x;
    float partner_x;
};
// Walking the letters of `walked` (standing at x `walked_x`) against `searched` (at `searched_x`): every walked
// letter takes the leftmost letter of `searched` equal to it and not yet taken; a letter without one is passed.
struct LetterPairing {
    std::vector<LetterPair> pairs;  // in walking order
    std::string searched;           // `searched` with every taken letter replaced by "0"
    float walked_end = 0;           // x past the last walked character
};
// Nothing is walked when either string is empty.
LetterPairing pair_letters(const std::string& walked, float walked_x, const std::string& searched, float searched_x);

// Widths (fraction-part style) of the factor texts Y$(1)..Y$(5): numerator's coefficient and letters,
// denominator's coefficient and letters, third factor's coefficient.
struct FactorWidths {
    float w[6] = {0, 0, 0, 0, 0, 0};  // w[1]..w[5]
};
// Where the six factor texts stand: at[1] and at[3] are the numerator's and denominator's anchors; at[2],
// at[4], at[5], at[6] follow from the widths.  The third factor stands behind a "*" (38) after the first
// factor of the numerator when `third_in_numerator`, else of the denominator.
struct FactorPositions {
    Anchor at[7];
};
FactorPositions factor_positions(Anchor numerator, Anchor denominator, const FactorWidths& w,
                                 bool third_in_numerator);

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

}  // namespace cw::lesson
