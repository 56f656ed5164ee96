#include "lessons/dorrith/cancel.h"

#include "exprstr/exprstr.h"
#include "platform/basic.h"

namespace cw::dorrith {

using lesson::FactorPositions;
using lesson::FactorWidths;
using lesson::LetterPairing;
using lesson::measure_small;
using lesson::strike_factor;

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

void STRIKE_NUMBERS_SHOW_REDUCED(Program& g) {
    g.U_sa(11) = number_text(g.U_a(11));
    g.V_sa(11) = number_text(g.V_a(11));
    g.U_a(12) = measure_small(g, g.X_sa(1));
    g.U_a(13) = measure_small(g, g.X_sa(2));
    strike_factor(g, {g.X1, g.Y1}, 1, {g.U_a(12), 28});
    strike_factor(g, {g.X2, g.Y2}, 1, {g.U_a(13), 28});
    lesson::value_above(g, {g.X1, g.Y1}, g.U_sa(11));
    lesson::value_below(g, {g.X2, g.Y2}, g.V_sa(11));
}

void strike_letter_factors(Dorrith& g, int k, float here, float there) {
    const int struck = lesson::struck_factor_count(here, there);
    if (struck == 0) return;
    g.KESU = static_cast<float>(struck);
    for (g.II = 1; g.II <= g.KESU; g.II += 1)
        strike_factor(g, lesson::letter_factor_anchor(lesson::kept_anchor(g, k), g.II), 1);
}

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
