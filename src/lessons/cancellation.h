// Cancellation over a written-out fraction such as "=ﾀ12*a*b*b/2*a*bﾀ": where
// each factor group stands, the strokes over the struck numbers with their
// reduced values beside them, and the strokes that pair equal letters of the
// two rows.  The plain computations come first; the upper-case routines work
// on the program-wide variables as the lesson scripts call them and draw.
//
// In the fraction-part style every digit and letter advances 32 and a "*"
// (drawn ×) 38, so a letter string "*a*b*b" has its letters at 38, 108, 178.
#pragma once
#include <string>
#include <vector>

#include "lessons/marks.h"
#include "state/program.h"

namespace cw::lesson {

// ---- plain computations ------------------------------------------------------

// The widths of the factor texts Y$(1) .. Y$(5) in the fraction-part style.
struct FactorWidths {
    float number1 = 0, letters1 = 0, number2 = 0, letters2 = 0, number3 = 0;
};
// Where the six factor texts stand: at[0] .. at[5] for Y$(1) .. Y$(6).  numerator and denominator are the
// top left of the two rows' texts; the third factor follows a "*" (38) behind the numerator's letters
// (third_in_denominator false) or the denominator's.
struct FactorPlaces {
    Anchor at[6];
};
FactorPlaces place_factors(Anchor numerator, Anchor denominator, const FactorWidths& w, bool third_in_denominator);

// One stroke of a cancellation: from `from` to (from.x + w, from.y + h).
struct Stroke {
    Anchor from;
    float w = 0, h = 0;
    bool operator==(const Stroke&) const = default;
};

// The pairing of a walked letter string against a searched one ("*a*b" against "*a*b*b"): for each walked
// letter with a partner, a stroke over it and one over its partner, the walked letter's first; the searched
// string with every paired letter replaced by "0"; the x after the walked string.  A walked letter without
// a partner is left unstruck; an empty string on either side pairs nothing and leaves the walk at its start.
struct LetterPairing {
    std::vector<Stroke> strokes;
    std::string searched;
    float end_x = 0;
};
LetterPairing pair_letters(const std::string& walked, Anchor walked_at, const std::string& searched,
                           Anchor searched_at);

// ---- the routines of the lesson scripts ------------------------------------------------

// Reads Y$(1..5), ITI, U(1), V(1), U(3), V(3); writes U(2), V(2), U(4), V(4), U(5), V(5), U(6), V(6),
// BUN = 0, LLT, A$ (= Y$(5)); clobbers AA$ and the typesetter's working variables.  Draws nothing visible.
void LAYOUT_FACTOR_POSITIONS(Program& g);
// Reads X$(1) at (X1, Y1), X$(2) at (X2, Y2), U(11), V(11); writes U$(11), V$(11), U(12), U(13), BUN = 0,
// CCC1 = 3, X, Y, AA$; clobbers the typesetter's working variables.  Strokes over both numbers, then the
// reduced values 38 above the numerator's number and 32 below the denominator's, in colour 3.
void STRIKE_NUMBERS_SHOW_REDUCED(Program& g);
// Reads X$(1) at (X1, Y1) (walked), X$(2) at (X2, Y2) (searched); writes X$(1) (emptied), X$(2) (paired
// letters "0"), X1 (past the walked string), A1$ (the last character walked).  Strokes in colour 3 at the
// current line width.  With either string empty it draws and writes nothing.
void STRIKE_COMMON_LETTERS(Program& g);

}  // namespace cw::lesson
