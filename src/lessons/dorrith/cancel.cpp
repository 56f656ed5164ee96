#include "lessons/dorrith/cancel.h"

#include "exprstr/exprstr.h"
#include "platform/basic.h"

namespace cw::dorrith {

using lesson::FactorPositions;
using lesson::FactorWidths;
using lesson::LetterPairing;
using lesson::measure_small;
using lesson::strike_factor;

// Reads Y$(1)..Y$(5), ITI, U(1), V(1), U(3), V(3); writes U(2), V(2), U(4), V(4), U(5), V(5), U(6), V(6), BUN = 0,
// LLT = width of Y$(5), A$ = Y$(5); clobbers AA$ and the typesetter's scratch.  Draws nothing visible.
void LAYOUT_FACTOR_POSITIONS(Program& g) {
    FactorWidths w;
    w.w[1] = measure_small(g, g.Y_sa(1));
    w.w[3] = measure_small(g, g.Y_sa(3));
    if (g.ITI == 0)
        w.w[2] = measure_small(g, g.Y_sa(2));
    else
        w.w[4] = measure_small(g, g.Y_sa(4));
    w.w[5] = measure_small(g, g.Y_sa(5));  // last, so A$ and LLT are left as its own
    const FactorPositions p = lesson::factor_positions({g.U_a(1), g.V_a(1)}, {g.U_a(3), g.V_a(3)}, w, g.ITI == 0);
    for (int k : {2, 4, 5, 6}) {
        g.U_a(k) = p.at[k].x;
        g.V_a(k) = p.at[k].y;
    }
}

// Reads X$(1) at (X1, Y1), X$(2) at (X2, Y2), U(11), V(11); writes U$(11), V$(11), U(12), U(13), BUN = 0,
// CCC1 = 3, X, Y (after the lower value), AA$; clobbers A$, LLT and the typesetter's scratch.  Draws two strokes
// and the two values.
void STRIKE_NUMBERS_SHOW_REDUCED(Program& g) {
    g.U_sa(11) = number_text(g.U_a(11));
    g.V_sa(11) = number_text(g.V_a(11));
    g.U_a(12) = measure_small(g, g.X_sa(1));
    g.U_a(13) = measure_small(g, g.X_sa(2));
    strike_factor(g, {g.X1, g.Y1}, 1, {g.U_a(12), 28});
    strike_factor(g, {g.X2, g.Y2}, 1, {g.U_a(13), 28});
    lesson::value_above(g, {g.X1, g.Y1}, g.U_sa(11), 1, {g.U_a(12), 28});
    lesson::value_below(g, {g.X2, g.Y2}, g.V_sa(11), 1, {g.U_a(13), 28});
}

void strike_letter_factors(Dorrith& g, int k, float here, float there) {
    const int struck = lesson::struck_factor_count(here, there);
    if (struck == 0) return;
    g.KESU = static_cast<float>(struck);
    for (g.II = 1; g.II <= g.KESU; g.II += 1)
        strike_factor(g, lesson::letter_factor_anchor(lesson::kept_anchor(g, k), g.II), 1);
}

void strike_letters_both_sides(Dorrith& g, int numerator, int denominator) {
    strike_letter_factors(g, numerator, g.F_a(1), g.F_a(11));
    strike_letter_factors(g, numerator + 1, g.F_a(2), g.F_a(12));
    strike_letter_factors(g, denominator, g.F_a(11), g.F_a(1));
    strike_letter_factors(g, denominator + 1, g.F_a(12), g.F_a(2));
}

void strike_coefficients(Dorrith& g, int numerator, float numerator_chars, const std::string& above,
                         int denominator, float denominator_chars, const std::string& below) {
    lesson::strike_factor(g, numerator, numerator_chars);
    lesson::strike_factor(g, denominator, denominator_chars);
    lesson::value_above(g, numerator, above, numerator_chars);
    lesson::value_below(g, denominator, below, denominator_chars);
}

// Reads X$(1) (walked) at (X1, Y1), X$(2) (searched) at (X2, Y2); writes X$(2) with the taken letters as "0",
// X$(1) = "" and X1 past the walked characters (all three untouched when either string is empty), and the
// scratch A1$ (the last character walked), LEM, LEM1, LEM2.  Draws the strokes.
void STRIKE_COMMON_LETTERS(Program& g) {
    const LetterPairing plan = lesson::pair_letters(g.X_sa(1), g.X1, g.X_sa(2), g.X2);
    for (auto& pair : plan.pairs) {
        strike_factor(g, {pair.walked_x, g.Y1}, 1);
        strike_factor(g, {pair.partner_x, g.Y2}, 1);
    }
    g.LEM2 = static_cast<float>(KLEN(g.X_sa(2)));
    if (!g.X_sa(1).empty() && !g.X_sa(2).empty()) {
        g.A1_s = RIGHT_s(g.X_sa(1), 1);  // the last character the walk took
        g.LEM1 = 1;
        g.X_sa(1).clear();
        g.X_sa(2) = plan.searched;
        g.X1 = plan.walked_end;
    }
    g.LEM = static_cast<float>(KLEN(g.X_sa(1)));
}

}  // namespace cw::dorrith
