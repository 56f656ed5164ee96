// Lesson 6, step ③ 解き方２: the method-2 screen and the example-9 drill
// (ax-by)/d2-(cx-ey)/d1 over a common denominator, its fraction filled piece
// by piece, then reduced.
#include "exprstr/exprstr.h"
#include "lessons/draws.h"
#include "lessons/kelvane/drill_panel.h"
#include "lessons/kelvane/lesson6.h"
#include "lessons/marks.h"
#include "lessons/panels.h"
#include "lessons/toolkit.h"
#include "platform/basic.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace cw::kelvane6 {

using lesson::put;

namespace {

// The five steps of the method from (XI1, YI1), the second row indented by 40.
void method_list(Kelvane& g) {
    put(g, g.XI1, g.YI1, 3, "①通分する、");
    lesson::below(g, g.XI1 + 40, 50, 5, " 分子は、a( )の形にする。");
    lesson::below(g, g.XI1, 50, 3, "②1つの分数にまとめる");
    lesson::below(g, g.XI1, 50, 3, "③かっこをはずす");
    lesson::below(g, g.XI1, 50, 3, "④同類項をまとめる");
    lesson::below(g, g.XI1, 50, 3, "⑤約分できるときは、約分する");
}

// The two denominators from the candidate list 2, 3, 6, 5, 4 (the first among
// 2, 3, 6, taken out of the list) and the four coefficients; returns T(1).
float draw_numbers(Kelvane& g) {
    lesson::load_list(g.X_a, {2, 3, 6, 5, 4});
    g.F_a(1) = lesson::pick_and_remove(g, g.X_a, 3, 4);
    g.P = lesson::rnd_int(g, 4, 1);
    g.F_a(2) = g.X_a(g.P);
    for (g.II = 1; g.II <= 4; g.II += 1) g.T_a(g.II) = lesson::rnd_int(g, 5, 1);
    return g.T_a(1);
}

// The greatest common divisor of two whole numbers, neither 0 nor the second
// 1, through the fraction formatter: left in X3.
void gcd_into_x3(Kelvane& g, float a, float b) {
    g.DS = a;
    g.DB = b;
    FORMAT_REDUCED_FRACTION(g);
}

void show_problem(Kelvane& g) {
    const float x0 = g.XHAJIME, y0 = g.YHAJIME;
    auto& T_sa = g.T_sa;
    auto& F_sa = g.F_sa;

    lesson::erase(g, g.XKARA, g.YKARA, g.XMADE, g.YKARA + 80);
    g.XI1 = x0;
    g.YI1 = y0;
    put(g, x0 + 27, y0 + 20, 7,
        "ﾀ" + T_sa(1) + "x" + T_sa(22) + "y/" + F_sa(2) + "ﾀ-ﾀ" + T_sa(3) + "x" + T_sa(24) + "y/" + F_sa(1) + "ﾀ");
    g.YI1 = y0 + 20;

    WAIT_ANY_KEY(g);
    lesson::erase(g, g.XKARA, g.YI1 + 70, g.XMADE, g.YMADE);
    if (g.F_a(12) == 1) F_sa(12) = "";
    const std::string first = F_sa(11) + "(" + T_sa(1) + "x" + T_sa(22) + "y)";
    const std::string second = "-" + F_sa(12) + "(" + T_sa(3) + "x" + T_sa(24) + "y)";
    // Laid out in the background colour only for its anchors; then the "="
    // and the bar where the typesetter would put them.
    const float row = g.YI1 + 80;
    put(g, x0, row, 15, "=ﾀ" + first + second + "/" + F_sa(3) + "ﾀ");
    g.U_a(1) = g.TBSIYAKX;
    g.V_a(1) = g.TBSIYAKY;
    g.U_a(2) = g.TBBOYAKX;
    g.V_a(2) = g.TBBOYAKY;
    put(g, x0, row, 0, "=");
    g.BSEN = g.YT + 25;
    lesson::draw_fraction_bar(g, g.XT, g.BSEN, g.NAGA, g.CCC1);

    WAIT_ANY_KEY(g);
    lesson::draw_fraction_part(g, {g.U_a(2), g.V_a(2)}, F_sa(3), 3, lesson::Keep::Pen);
    WAIT_ANY_KEY(g);
    lesson::draw_fraction_part(g, {g.U_a(1), g.V_a(1)}, first, 3, lesson::Keep::Pen);
    WAIT_ANY_KEY(g);
    lesson::draw_fraction_part(g, {g.XI2, g.V_a(1)}, second, 3, lesson::Keep::Pen);
    g.YI1 = g.V_a(1);

    WAIT_ANY_KEY(g);
    lesson::below(g, x0, 80, 0, "=ﾀ" + T_sa(5) + "x" + T_sa(26) + "y" + T_sa(27) + "x" + T_sa(28) + "y/" + F_sa(3) + "ﾀ");
    WAIT_ANY_KEY(g);
    lesson::below(g, x0, 80, 0, "=ﾀ" + T_sa(5) + "x" + T_sa(27) + "x" + T_sa(26) + "y" + T_sa(28) + "y/" + F_sa(3) + "ﾀ");
    WAIT_ANY_KEY(g);
    const bool reduces = g.T_a(11) != g.T_a(9);
    lesson::below(g, x0, 80, reduces ? 0 : 5, "=ﾀ" + T_sa(9) + "x" + T_sa(30) + "y/" + F_sa(3) + "ﾀ");
    if (!reduces) return;
    WAIT_ANY_KEY(g);
    const std::string result = T_sa(11) + "x" + T_sa(32) + "y";
    lesson::below(g, x0, 80, 5, g.F_a(4) == 1 ? "=" + result : "=ﾀ" + result + "/" + F_sa(4) + "ﾀ");
}

}  // namespace

// Reads FMAESU; writes X(1..5), F(1..4, 11, 12), T(1..12), F$(), T$(), P, II, X3 = the common factor k, DS, DB, FMAESU; clobbers the fraction formatter's outputs, I, A$.
void make_example9_problem(Kelvane& g) {
    auto& T_a = g.T_a;
    auto& F_a = g.F_a;
    do {
        lesson::draw_unlike(g.FMAESU, [&] { return draw_numbers(g); });
        if (F_a(1) < F_a(2)) std::swap(F_a(1), F_a(2));
        gcd_into_x3(g, F_a(2), F_a(1));
        F_a(3) = g.X4;
        F_a(11) = F_a(1) / g.X3;
        F_a(12) = F_a(2) / g.X3;
        T_a(2) = -T_a(2);
        T_a(4) = -T_a(4);
        T_a(5) = F_a(11) * T_a(1);
        T_a(6) = F_a(11) * T_a(2);
        T_a(7) = -T_a(3) * F_a(12);
        T_a(8) = -T_a(4) * F_a(12);
        T_a(9) = T_a(5) + T_a(7);
        T_a(10) = T_a(6) + T_a(8);
    } while (T_a(9) == 0 || T_a(10) == 0);

    // The common factor of both collected coefficients and the denominator.
    if (ABS(T_a(9)) == 1 || ABS(T_a(10)) == 1)
        g.X3 = 1;
    else
        gcd_into_x3(g, ABS(T_a(9)), ABS(T_a(10)));
    gcd_into_x3(g, g.X3, ABS(F_a(3)));
    T_a(11) = T_a(9) / g.X3;
    T_a(12) = T_a(10) / g.X3;
    F_a(4) = F_a(3) / g.X3;

    FORMAT_NUMBER_TABLES(g);
    auto& T_sa = g.T_sa;
    for (int i = 1; i <= 12; ++i) T_sa(i + 20) = T_a(i) > 0 ? "+" + T_sa(i) : T_sa(i);
    for (int i = 1; i <= 12; ++i) {
        if (T_a(i) == 1) {
            T_sa(i) = "";
            T_sa(i + 20) = "+";
        } else if (T_a(i) == -1) {
            T_sa(i) = "-";
            T_sa(i + 20) = "-";
        }
    }
}

// Reads XKARA, YKARA, XMADE, YMADE, XHAJIME, YHAJIME, FMAESU; writes AINP = 1, NO = 0, BUN = 0, U(1..2), V(1..2), the layout cursor and what make_example9_problem writes; clobbers what ASK_NEXT_STEP clobbers.
void RUN_EXAMPLE9_DRILL(Kelvane& g) {
    g.NO = 0;
    lesson::drill(g, [&] {
        make_example9_problem(g);
        show_problem(g);
    });
}

// Reads FMAESU; writes HIDARI, MIGI, UE, SITA, NAKA1, the drill panel, the layout cursor, FMAESU, draw width 5; clobbers what RUN_EXAMPLE9_DRILL clobbers.
void SHOW_METHOD2_SCREEN(Kelvane& g) {
    lesson::open_two_panels(g, kelvane::drill_panels(640, 0));
    put(g, g.XI1, g.YI1, 3, "例9 次の計算をしなさい。");
    g.NAKA1 = g.YI1 + 50;
    const kelvane::DrillPanel left{0, g.NAKA1, g.MIGI, g.SITA, g.HIDARI, g.NAKA1};
    kelvane::set_drill_panel(g, left);
    RUN_EXAMPLE9_DRILL(g);

    lesson::set_cursor(g, g.MIGI, g.MIGI, g.NAKA1 + 50);
    method_list(g);
    WAIT_ANY_KEY(g);

    kelvane::set_drill_panel(g, {g.MIGI, g.UE, 3200, g.SITA, g.MIGI, g.UE});
    RUN_EXAMPLE9_DRILL(g);

    kelvane::set_drill_panel(g, left);
    lesson::erase(g, g.XKARA, g.YKARA, g.XMADE, g.YMADE);
    lesson::set_cursor(g, g.HIDARI, g.HIDARI, g.NAKA1 + 90);
    method_list(g);
    WAIT_ANY_KEY(g);
    lesson::assignment(g, g.XI1, g.YI1 + 100, 0, "16", "12");
}

}  // namespace cw::kelvane6
