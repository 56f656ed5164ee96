// Lesson 2, step ⑤: random divisions of a monomial by a monomial in a and b,
// solved on the screen by striking out the common factors.
#include "exprstr/exprstr.h"
#include "lessons/dorrith/lesson2.h"
#include "lessons/dorrith/strikes.h"
#include "platform/basic.h"
#include "shell/shell.h"

namespace cw::dorrith2 {

using namespace dorrith_marks;
using lesson::cont;
using lesson::letter_factors;
using lesson::letter_power;
using lesson::put;

// Reads FMAESU; writes T(1..5), T(11), F(1..4), F(11..14), their texts, B1$, B2$, X(1..4), P, FMAESU;
// clobbers what FORMAT_NUMBER_TABLES clobbers.
void make_division_problem(Dorrith& g) {
    for (int i = 1; i <= 4; ++i) g.X_a(i) = PRIMES[i - 1];
    g.P = lesson::rnd_int(g, 3, 1);
    g.T_a(4) = g.X_a(g.P);
    for (int i = to_int(g.P); i <= 3; ++i) g.X_a(i) = g.X_a(i + 1);
    g.P = lesson::rnd_int(g, 3, 1);
    g.T_a(3) = g.X_a(g.P);
    g.T_a(5) = lesson::rnd_int(g, 4, 2);
    g.T_a(1) = g.T_a(5) * g.T_a(3);
    g.T_a(2) = g.T_a(5) * g.T_a(4);
    g.T_a(11) = lesson::rnd_int(g, 2, 1);
    if (g.T_a(11) == 2) g.T_a(11) = -1;
    apply_sign_memory(g, g.T_a(11));
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

    FORMAT_NUMBER_TABLES(g);
    g.T_sa(11) = g.T_a(11) == 1 ? "" : "-";
    g.B1_s = "a";
    g.B2_s = "b";
    for (int i : {1, 3, 11, 13}) g.F_sa(i) = letter_power(g.B1_s, g.F_a(i));
    for (int i : {2, 4, 12, 14}) g.F_sa(i) = letter_power(g.B2_s, g.F_a(i));
    g.F_sa(5) = letter_factors(g.B1_s, g.F_a(1));
    g.F_sa(6) = letter_factors(g.B2_s, g.F_a(2));
    g.F_sa(15) = letter_factors(g.B1_s, g.F_a(11));
    g.F_sa(16) = letter_factors(g.B2_s, g.F_a(12));
}

// Reads FMAESU; writes the screen, the problem's tables, X(0..13), Y(1..13), B1, B2, KESU, NO, AINP,
// XI1, XI2, YI1, FMAESU; leaves width 5.
void RUN_DIVISION_PRACTICE(Dorrith& g) {
    lesson::erase_by(g, 0, 0, 1320, 1300);
    g.NO = 0;
    lesson::drill(g, [&] {
        make_division_problem(g);
        auto& t = g.T_sa;
        auto& f = g.F_sa;
        g.XI1 = 44;
        g.YI1 = 18;
        g.pf.SETDRAWWIDTH(5);
        lesson::erase_by(g, 0, 0, 1320, 180);
        put(g, g.XI1 + 44, g.YI1, 0, "練習　次の計算をしなさい。");
        put(g, g.XI1 + 176, g.YI1 + 80, M(g.NO, 2) == 0 ? 3 : 7,
            t(11) + t(1) + f(1) + f(2) + "/" + t(2) + f(11) + f(12));

        WAIT_ANY_KEY(g);
        lesson::erase_by(g, 0, g.YI1 + 110, 1320, 1300);
        put(g, g.XI1 + 132, g.YI1 + 120, 0,
            "=" + t(11) + "ﾀ" + t(1) + f(1) + f(2) + "/" + t(2) + f(11) + f(12) + "ﾀ");

        WAIT_ANY_KEY(g);
        put(g, g.XI1 + 132, g.YI1 + 120, 0, "=" + t(11));
        mark_start(g);
        cont(g, 0, "ﾀ" + t(1) + f(5) + f(6) + "/" + t(2) + f(15) + f(16) + "ﾀ");
        g.B1 = static_cast<float>(KLEN(t(1)));
        g.B2 = static_cast<float>(KLEN(t(2)));
        first_anchors(g);
        g.X_a(2) = g.X_a(1) + 32 * g.B1;
        g.X_a(3) = g.X_a(2) + 70 * g.F_a(1);
        g.X_a(12) = g.X_a(11) + 32 * g.B2;
        g.X_a(13) = g.X_a(12) + 70 * g.F_a(11);
        for (int k : {2, 3}) g.Y_a(k) = g.Y_a(1);
        for (int k : {12, 13}) g.Y_a(k) = g.Y_a(11);

        WAIT_ANY_KEY(g);
        strike(g, 1, 32 * g.B1);
        strike(g, 11, 32 * g.B2);
        over(g, 1, t(3));
        under(g, 11, t(4));

        WAIT_ANY_KEY(g);
        strike_common_letter(g, 2, g.F_a(1), g.F_a(11));
        strike_common_letter(g, 3, g.F_a(2), g.F_a(12));
        strike_common_letter(g, 12, g.F_a(11), g.F_a(1));
        strike_common_letter(g, 13, g.F_a(12), g.F_a(2));

        WAIT_ANY_KEY(g);
        put(g, g.XI1 + 132, g.YI1 + 120, 5,
            "=" + t(11) + "ﾀ" + t(3) + f(3) + f(4) + "/" + t(4) + f(13) + f(14) + "ﾀ");
        g.NO = g.NO + 1;
    });
    SHOW_DIVISION_RULES(g);
}

}  // namespace cw::dorrith2
