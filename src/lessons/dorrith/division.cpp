#include "lessons/dorrith/division.h"

#include "exprstr/exprstr.h"
#include "lessons/draws.h"

namespace cw::dorrith {

using lesson::kept_anchor;

lesson::PageRow worked_page() {
    return lesson::action(0, [](Program& g) {
        lesson::erase_by(g, 0, 0, 1320, 1300);
        g.XI1 = 44;
        g.YI1 = 30;
        g.pf.SETDRAWWIDTH(5);
    });
}

lesson::FractionAnchors written_out(Program& g, const std::string& code) {
    g.X_a(0) = g.XI2;
    lesson::FractionAnchors f = lesson::put_fraction(g, g.XI2, g.YI1, 0, code);
    // From X(0) and the last fraction's indents, which for a text of one
    // fraction are its own.
    lesson::keep_anchor(g, 1, {g.X_a(0) + f.tbsi1, f.bsen - 36});
    lesson::keep_anchor(g, 11, {g.X_a(0) + f.tbbo1, f.bsen + 4});
    return f;
}

void anchor_after(Program& g, int k, float dx) { lesson::keep_anchor(g, k + 1, kept_anchor(g, k).right(dx)); }

void draw_sign(Dorrith& g) {
    g.T_a(11) = lesson::rnd_int(g, 2, 1);
    if (g.T_a(11) == 2) g.T_a(11) = -1;
    g.T_a(11) = lesson::apply_sign_memory(g.T_a(11), g.FMAESU);
}

void draw_exponents(Program& g) {
    g.F_a(1) = lesson::rnd_int(g, 3, 0);
    g.F_a(2) = lesson::rnd_int(g, 3, 0);
    if (g.F_a(1) == 0 && g.F_a(2) == 0) g.F_a(1) = 1;
    g.F_a(11) = lesson::rnd_int(g, 3, 0);
    g.F_a(12) = lesson::rnd_int(g, 3, 0);
    if (g.F_a(11) == 0 && g.F_a(12) == 0) g.F_a(11) = 1;
    g.F_a(3) = g.F_a(1) - g.F_a(11);
    g.F_a(13) = g.F_a(11) - g.F_a(1);
    g.F_a(4) = g.F_a(2) - g.F_a(12);
    g.F_a(14) = g.F_a(12) - g.F_a(2);
}

void problem_texts(Dorrith& g) {
    FORMAT_NUMBER_TABLES(g);
    g.T_sa(11) = g.T_a(11) == 1 ? "" : "-";
    letter_texts(g);
}

void letter_texts(Dorrith& g) {
    g.B1_s = "a";
    g.B2_s = "b";
    for (int i : {1, 3, 11, 13}) g.F_sa(i) = lesson::letter_power(g.B1_s, g.F_a(i));
    for (int i : {2, 4, 12, 14}) g.F_sa(i) = lesson::letter_power(g.B2_s, g.F_a(i));
    g.F_sa(5) = lesson::letter_factors(g.B1_s, g.F_a(1));
    g.F_sa(6) = lesson::letter_factors(g.B2_s, g.F_a(2));
    g.F_sa(15) = lesson::letter_factors(g.B1_s, g.F_a(11));
    g.F_sa(16) = lesson::letter_factors(g.B2_s, g.F_a(12));
}

}  // namespace cw::dorrith
