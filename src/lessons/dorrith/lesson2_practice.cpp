// Lesson 2, step ⑤: random divisions of a monomial by a monomial in a and b,
// solved on the screen by striking out the common factors.
#include "lessons/dorrith/cancel.h"
#include "lessons/dorrith/division.h"
#include "lessons/dorrith/lesson2.h"
#include "lessons/draws.h"
#include "lessons/panels.h"
#include "platform/basic.h"
#include "shell/shell.h"

namespace cw::dorrith2 {

using namespace dorrith;
using lesson::put;

// Reads FMAESU; writes T(1..5), T(11), F(1..4), F(11..14), their texts, B1$, B2$, X(1..4), P, II, FMAESU;
// clobbers what FORMAT_NUMBER_TABLES clobbers.
void make_division_problem(Dorrith& g) {
    lesson::load_list(g.X_a, {2, 3, 5, 7});
    g.T_a(4) = lesson::pick_and_remove(g, g.X_a, 3, 3);
    g.P = lesson::rnd_int(g, 3, 1);
    g.T_a(3) = g.X_a(g.P);
    g.T_a(5) = lesson::rnd_int(g, 4, 2);
    g.T_a(1) = g.T_a(5) * g.T_a(3);
    g.T_a(2) = g.T_a(5) * g.T_a(4);
    draw_sign(g);
    draw_exponents(g);

    problem_texts(g);
}

// Reads FMAESU; writes the screen, the problem's tables, X(0..13), Y(1..13), B1, B2, KESU, NO, AINP,
// XI1, XI2, YI1, FMAESU; leaves width 5.
void RUN_DIVISION_PRACTICE(Dorrith& g) {
    const lesson::ProblemArea area{0, 0, 1320, 180};
    lesson::erase_by(g, 0, 0, 1320, 1300);
    lesson::drill(g, lesson::Count::Finished, [&] {
        make_division_problem(g);
        auto& T_sa = g.T_sa;
        auto& F_sa = g.F_sa;
        g.XI1 = 44;
        g.YI1 = 18;
        g.pf.SETDRAWWIDTH(5);
        lesson::erase_problem_head(g, area);
        put(g, g.XI1 + 44, g.YI1, 0, "練習　次の計算をしなさい。");
        put(g, g.XI1 + 176, g.YI1 + 80, lesson::parity_colour(g.NO, 3, 7),
            T_sa(11) + T_sa(1) + F_sa(1) + F_sa(2) + "/" + T_sa(2) + F_sa(11) + F_sa(12));

        WAIT_ANY_KEY(g);
        // From 3 units higher than the script's YI1 + 110: the solution's
        // fraction below reaches 14 units above its line (an exponent of the
        // numerator, whose top row lies at 205 in IPAGothic), and the
        // erase, from 202.5, takes in all of the one before under every face.
        lesson::erase_solution(g, area, g.YI1 + 107);
        put(g, g.XI1 + 132, g.YI1 + 120, 0,
            "=" + T_sa(11) + "ﾀ" + T_sa(1) + F_sa(1) + F_sa(2) + "/" + T_sa(2) + F_sa(11) + F_sa(12) + "ﾀ");

        WAIT_ANY_KEY(g);
        put(g, g.XI1 + 132, g.YI1 + 120, 0, "=" + T_sa(11));
        written_out(g, "ﾀ" + T_sa(1) + F_sa(5) + F_sa(6) + "/" + T_sa(2) + F_sa(15) + F_sa(16) + "ﾀ");
        g.B1 = static_cast<float>(KLEN(T_sa(1)));
        g.B2 = static_cast<float>(KLEN(T_sa(2)));
        anchor_after(g, 1, 32 * g.B1);
        anchor_after(g, 2, 70 * g.F_a(1));
        anchor_after(g, 11, 32 * g.B2);
        anchor_after(g, 12, 70 * g.F_a(11));

        WAIT_ANY_KEY(g);
        strike_coefficients(g, 1, g.B1, T_sa(3), 11, g.B2, T_sa(4));

        WAIT_ANY_KEY(g);
        strike_letters_both_sides(g, 2, 12);

        WAIT_ANY_KEY(g);
        put(g, g.XI1 + 132, g.YI1 + 120, 5,
            "=" + T_sa(11) + "ﾀ" + T_sa(3) + F_sa(3) + F_sa(4) + "/" + T_sa(4) + F_sa(13) + F_sa(14) + "ﾀ");
    });
    SHOW_DIVISION_RULES(g);
}

}  // namespace cw::dorrith2
