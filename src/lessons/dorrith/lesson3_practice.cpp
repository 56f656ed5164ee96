// Lesson 3, step ④: random divisions of monomials whose coefficients are
// fractions of four primes, solved on the screen through the reciprocal.
#include "exprstr/exprstr.h"
#include "lessons/dorrith/lesson3.h"
#include "lessons/dorrith/cancel.h"
#include "lessons/dorrith/division.h"
#include "lessons/draws.h"
#include "lessons/panels.h"
#include "platform/basic.h"
#include "shell/shell.h"

namespace cw::dorrith3 {

using namespace dorrith;
using lesson::strike_factor;
using lesson::value_above;
using lesson::value_below;
using lesson::cont;
using lesson::put;

// Reads FMAESU; writes T(1..8), T(11), F(1..4), F(11..14), their texts, X$(1), X$(3), X1$, X3$, B1$, B2$,
// X(1..4), P, II, DS, DB, FMAESU; clobbers what FORMAT_REDUCED_FRACTION and FORMAT_NUMBER_TABLES clobber.
void make_fraction_division_problem(Dorrith& g) {
    lesson::load_list(g.X_a, {2, 3, 5, 7});
    g.T_a(6) = lesson::pick_and_remove(g, g.X_a, 3, 3);
    g.T_a(5) = lesson::pick_and_remove(g, g.X_a, 2, 2);
    g.P = lesson::rnd_int(g, 2, 1);
    g.T_a(7) = g.P == 1 ? g.X_a(1) : g.X_a(2);
    g.T_a(8) = g.P == 1 ? g.X_a(2) : g.X_a(1);
    g.T_a(1) = g.T_a(5) * g.T_a(8);
    g.T_a(2) = g.T_a(7);
    g.T_a(4) = g.T_a(6) * g.T_a(8);
    g.T_a(3) = g.T_a(7);
    draw_sign(g);
    g.DB = g.T_a(1);
    g.DS = g.T_a(11) * g.T_a(2);
    FORMAT_REDUCED_FRACTION(g);
    g.X1_s = g.A2_s;
    g.DB = g.T_a(4);
    g.DS = g.T_a(3);
    FORMAT_REDUCED_FRACTION(g);
    g.X3_s = g.A2_s;
    draw_exponents(g);

    problem_texts(g);
    g.X_sa(1) = g.X1_s;
    g.X_sa(3) = g.X3_s;
}

// Reads FMAESU; writes the screen, the problem's tables, X(0..14), Y(1..14), B1..B4, KESU, NO, AINP,
// XI0, XI1, XI2, YI1, FMAESU; leaves width 5.
void RUN_FRACTION_DIVISION_PRACTICE(Dorrith& g) {
    const lesson::ProblemArea area{0, 0, 1320, 180};
    lesson::erase_by(g, 0, 0, 1320, 1300);
    lesson::drill(g, lesson::Count::Finished, [&] {
        make_fraction_division_problem(g);
        auto& T_sa = g.T_sa;
        auto& F_sa = g.F_sa;
        auto& X_sa = g.X_sa;
        lesson::set_cursor(g, 40, 80, 30);
        g.pf.SETDRAWWIDTH(5);
        lesson::erase_problem_head(g, area);
        put(g, g.XI0, g.YI1, 0, "練習　次の計算をしなさい。");
        put(g, g.XI1 + 40, g.YI1 + 80, lesson::parity_colour(g.NO, 3, 7),
            X_sa(1) + F_sa(1) + F_sa(2) + "/" + X_sa(3) + F_sa(11) + F_sa(12));

        WAIT_ANY_KEY(g);
        lesson::erase_solution(g, area, g.YI1 + 100);
        put(g, g.XI1, g.YI1 + 110, 0, "=" + X_sa(1) + F_sa(1) + F_sa(2) + "*ﾀ" + T_sa(4) + "/" + T_sa(3) + F_sa(11) + F_sa(12) + "ﾀ");

        WAIT_ANY_KEY(g);
        put(g, g.XI1, g.YI1 + 110, 0,
            "=" + T_sa(11) + "ﾀ" + T_sa(2) + F_sa(1) + F_sa(2) + "*" + T_sa(4) + "/" + T_sa(1) + "*" + T_sa(3) + F_sa(11) + F_sa(12) + "ﾀ");

        WAIT_ANY_KEY(g);
        put(g, g.XI1, g.YI1 + 120, 0, "=" + T_sa(11));
        written_out(g, "ﾀ" + T_sa(2) + F_sa(5) + F_sa(6) + "*" + T_sa(4) + "/" + T_sa(1) + "*" + T_sa(3) + F_sa(15) + F_sa(16) + "ﾀ");
        g.B1 = static_cast<float>(KLEN(T_sa(2)));
        g.B2 = static_cast<float>(KLEN(T_sa(1)));
        g.B3 = static_cast<float>(KLEN(T_sa(3)));
        g.B4 = static_cast<float>(KLEN(T_sa(4)));
        anchor_after(g, 1, 32 * g.B1);
        anchor_after(g, 2, 70 * g.F_a(1));
        anchor_after(g, 3, 38 + 70 * g.F_a(2));
        anchor_after(g, 11, 38 + 32 * g.B2);
        anchor_after(g, 12, 32 * g.B3);
        anchor_after(g, 13, 70 * g.F_a(11));

        WAIT_ANY_KEY(g);
        strike_factor(g, 1, g.B1);
        strike_factor(g, 12, g.B3);
        value_above(g, 1, "1");
        value_below(g, 12, "1");

        WAIT_ANY_KEY(g);
        strike_factor(g, 4, g.B4);
        strike_factor(g, 11, g.B2);
        value_above(g, 4, T_sa(6));
        value_below(g, 11, T_sa(5));

        WAIT_ANY_KEY(g);
        strike_letter_factors(g, 2, g.F_a(1), g.F_a(11));
        strike_letter_factors(g, 3, g.F_a(2), g.F_a(12));
        strike_letter_factors(g, 13, g.F_a(11), g.F_a(1));
        strike_letter_factors(g, 14, g.F_a(12), g.F_a(2));

        WAIT_ANY_KEY(g);
        put(g, g.XI1, g.YI1 + 120, 5,
            "=" + T_sa(11) + "ﾀ" + T_sa(6) + F_sa(3) + F_sa(4) + "/" + T_sa(5) + F_sa(13) + F_sa(14) + "ﾀ");
    });

    WAIT_ANY_KEY(g);
    g.XI1 = 600;
    g.YI1 = 30;
    put(g, g.XI1 + 40, g.YI1, 5, "<分数をふくむ式の除法>");
    lesson::below(g, g.XI1, 60, 3, "① 分数を係数とする文字は、");
    lesson::below(g, g.XI1 + 64, 50, 3, "分子につける。");
    lesson::below(g, g.XI1, 60, 3, "② 符号をきめて、逆数をかける。");
    lesson::below(g, g.XI1, 60, 3, "③ 約分する。");
    cont(g, 5, "(文字も約分する）");
    WAIT_ANY_KEY(g);
    lesson::assignment(g, 352, 570, 7, "18", "3,問4");
}

}  // namespace cw::dorrith3
