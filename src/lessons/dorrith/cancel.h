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

// Where the six factor texts of a written-out fraction stand, from the numerator's and the denominator's
// anchors (lesson::factor_positions).
void LAYOUT_FACTOR_POSITIONS(Program& g);
// A pair of coefficients struck, the reduced value over the upper and under the lower.
void STRIKE_NUMBERS_SHOW_REDUCED(Program& g);
// The letters two strings share struck: each walked letter with its leftmost free partner.
void STRIKE_COMMON_LETTERS(Program& g);
// The strokes over one letter's written-out factors (letter_factors), whose string starts at anchor k:
// when the letter stands on both sides (exponents `here` and `there` above 0), KESU = the smaller of the two,
// and that many are struck, leftmost first (lesson::struck_factor_count, lesson::letter_factor_anchor).
// Writes KESU, II.
void strike_letter_factors(Dorrith& g, int k, float here, float there);
// The practice drills' letters struck on both sides: a and b over the numerator from anchors `numerator`,
// `numerator` + 1 (exponents F(1), F(2)), then under the denominator from anchors `denominator`,
// `denominator` + 1 (F(11), F(12)), each by strike_letter_factors.  Writes KESU, II.
void strike_letters_both_sides(Dorrith& g, int numerator, int denominator);
// A coefficient struck over the numerator at anchor `numerator` (`numerator_chars` wide) and one under the
// denominator at anchor `denominator`, both strokes first, then `above` over the first and `below` under the
// second.  Cursor untouched; writes CCC1, X, Y, AA_s; clobbers what DRAW_EXPRESSION_TEXT clobbers.
void strike_coefficients(Dorrith& g, int numerator, float numerator_chars, const std::string& above,
                         int denominator, float denominator_chars, const std::string& below);


}  // namespace cw::dorrith
