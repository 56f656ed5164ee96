// Lesson 4, step ⑥: example 7 in two panels, with its drills (ax+by)÷c and
// (aa+bb)÷(F1/T1), both worked as products with the reciprocal.
#include "exprstr/exprstr.h"
#include "lessons/draws.h"
#include "lessons/kelvane/lesson4.h"
#include "lessons/kelvane/lesson4_common.h"
#include "lessons/panels.h"
#include "platform/basic.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace cw::kelvane4 {

using detail::DrillPanel;
using lesson::cont;
using lesson::put;
using lesson::rnd_int;

// ---------------------------------------------------------------------------
// 例7 ①: (ax+by)÷c

// Reads nothing; writes F(1), T(1..5), T(12), T(13), X(1..4), the tables,
// RAB$(1) and the fraction routine's outputs.
void make_example7_number_problem(Program& g) { detail::draw_division_by_number(g, true); }

// Reads XKARA..YMADE, XHAJIME, YHAJIME; writes T(), T$(), F(1), RAB$(1), X(1..4), Y(1..3), U(1..4), V(1..4), LE, LLT, BUN, AINP, XI1, XI2, YI1 = YHAJIME + 350; clobbers P, II, A$, the arc inputs.
void DRILL_POLY_DIVIDED_BY_NUMBER(Kelvane& g) {
    lesson::drill(g, [&] {
        make_example7_number_problem(g);
        detail::start_problem(g);
        put(g, g.XI1, g.YI1 + 60, 3, "①");
        put(g, g.XI1 + 40, g.YI1, 0, "(" + g.T_sa(2) + "x" + g.T_sa(3) + "y)/" + g.T_sa(1));
        detail::division_solution(g, "y");
    });
}

// ---------------------------------------------------------------------------
// 例7 ②: (aa+bb)÷(F1/T1)

// Reads nothing; writes F(1), T(1..5), T(12), T(13), X(1..4), the tables,
// F$(11), RAB$(1), X$(1), X$(2), A2$, A3$ and the fraction routine's outputs.
void make_example7_fraction_problem(Program& g) {
    lesson::load_list(g.X_a, {2, 3, 5, 7});
    g.F_a(1) = lesson::pick_and_remove(g, g.X_a, 3, 3);
    g.P = rnd_int(g, 3, 1);
    g.T_a(1) = g.X_a(to_int(g.P));
    g.P = rnd_int(g, 2, 0);
    if (g.P == 0) g.F_a(1) = -g.F_a(1);
    g.T_a(12) = lesson::signed_draw(g, {5, 1}, lesson::kCoinNegOn0);
    g.T_a(13) = lesson::signed_draw(g, {5, 1}, lesson::kCoinNegOn0);
    g.T_a(2) = g.T_a(12) * ABS(g.F_a(1));
    g.T_a(3) = g.T_a(13) * ABS(g.F_a(1));
    g.T_a(4) = g.T_a(1) * g.T_a(2) / g.F_a(1);
    g.T_a(5) = g.T_a(1) * g.T_a(3) / g.F_a(1);

    g.DB = g.T_a(1);
    g.DS = g.F_a(1);
    FORMAT_REDUCED_FRACTION(g);
    g.RAB_sa(1) = g.A2_s;
    FORMAT_NUMBER_TABLES(g);
    lesson::add_plus_signs(g.T_a, g.T_sa, 3, 5);
    g.A2_s = "a";
    g.A3_s = "b";
    g.X_sa(1) = g.RAB_sa(1);
    if (g.F_a(1) < 0) lesson::through_a(g, g.X_sa(1), PARENTHESIZE_IF_NEGATIVE);
    g.F_sa(11) = g.F_sa(1);
    lesson::through_a(g, g.F_sa(11), STRIP_LEADING_SIGN);
    g.X_sa(2) = "ﾀ" + g.T_sa(1) + "/" + g.F_sa(11) + "ﾀ";
    if (g.F_a(1) < 0) {
        g.X_sa(2) = "-" + g.X_sa(2);
        lesson::through_a(g, g.X_sa(2), PARENTHESIZE_IF_NEGATIVE);
    }
}

namespace {

// The cancellation of the product that starts at anchor k (k = 1, 3): its
// coefficient LEU characters wide, struck 32 a character with `reduced` over
// it; the reciprocal's denominator at anchor k + 1, LES characters wide,
// struck with "1" under it by `drawer`.
void cancel_quotient(Kelvane& g, int k, const std::string& reduced, lesson::Drawer drawer) {
    lesson::cancel_product(g, {.number = {g.U_a(k), g.V_a(k)},
                               .number_chars = to_int(g.LEU),
                               .reduced = reduced,
                               .number_rule = lesson::kWideNumberStroke,
                               .denominator = {g.U_a(k + 1), g.V_a(k + 1)},
                               .denominator_chars = to_int(g.LES),
                               .denominator_rule = lesson::kSmallDenominatorStroke,
                               .denominator_drawer = drawer});
}

}  // namespace

// Reads XKARA..YMADE, XHAJIME, YHAJIME; writes T(), T$(), F(), F$(11), RAB$(1), X$(1..2), A2$, A3$, X(1..4), U(1..4), V(1..4), LEU, LES, AINP, XI1, XI2, YI1 = YHAJIME + 260; clobbers P, II, A$, DS, DB.
void DRILL_POLY_DIVIDED_BY_FRACTION(Kelvane& g) {
    lesson::drill(g, [&] {
        make_example7_fraction_problem(g);
        detail::start_problem(g);
        const std::string dividend = g.T_sa(2) + g.A2_s + g.T_sa(3) + g.A3_s;
        put(g, g.XI1, g.YI1, 3, "②");
        put(g, g.XI1 + 40, g.YI1, 0, "(" + dividend + ")/" + g.X_sa(1));
        lesson::reveal(g, {
            [] {},
            [&] { put(g, g.XI1, g.YI1 + 70, 0, "=(" + dividend + ")*" + g.X_sa(2)); },
            [&] {
                put(g, g.XI1, g.YI1 + 90, 0, "=");
                g.U_a(1) = g.XI2;
                g.V_a(1) = g.YI1;
                cont(g, 0, g.T_sa(2) + g.A2_s + "*" + g.X_sa(2));
                g.U_a(2) = g.TBBOYAKX;
                g.V_a(2) = g.TBBOYAKY;
                g.U_a(3) = g.XI2;
                g.V_a(3) = g.YI1;
                cont(g, 0, g.T_sa(3) + g.A3_s + "*" + g.X_sa(2));
                g.U_a(4) = g.TBBOYAKX;
                g.V_a(4) = g.TBBOYAKY;
            },
            [&] {
                lesson::through_a(g, g.T_sa(12), STRIP_LEADING_SIGN);
                lesson::through_a(g, g.T_sa(13), STRIP_LEADING_SIGN);
                g.LEU = static_cast<float>(KLEN(g.T_sa(2)));
                if (g.T_a(2) < 0) {
                    g.U_a(1) += 27;
                    g.LEU -= 1;
                }
                g.LES = static_cast<float>(KLEN(g.F_sa(1))) - (g.F_a(1) < 0 ? 1 : 0);
                cancel_quotient(g, 1, g.T_sa(12), lesson::Drawer::Typeset);
            },
            [&] {
                lesson::through_a(g, g.T_sa(4), STRIP_LEADING_PLUS);
                put(g, g.XI1, g.YI1 + 100, 5, "=" + g.T_sa(4) + g.A2_s);
            },
            [&] {
                g.LEU = static_cast<float>(KLEN(g.T_sa(3))) - 1;
                g.U_a(3) += 27;
                g.LES = static_cast<float>(KLEN(g.F_sa(1))) - (g.F_a(1) < 0 ? 1 : 0);
                cancel_quotient(g, 3, g.T_sa(13), lesson::Drawer::Plain);
            },
            [&] { cont(g, 5, g.T_sa(5) + g.A3_s); },
        });
    });
}

// ---------------------------------------------------------------------------
// The step

// Reads what the drills leave in XI1, YI1; writes HIDARI, MIGI, UE, SITA, NAKA1, the panel, the layout cursor, AINP = 1, the draw width 5; clobbers what the drills clobber.
void SHOW_DIVISION_STEP(Kelvane& g) {
    lesson::open_two_panels(g, kelvane::drill_panels(640, 0));
    put(g, g.XI1, g.YI1, 0, "例7 次の計算をしなさい。");
    g.NAKA1 = g.YI1 + 50;

    detail::set_drill_panel(g, DrillPanel{0, g.NAKA1, g.MIGI, g.SITA, g.HIDARI, g.NAKA1});
    DRILL_POLY_DIVIDED_BY_NUMBER(g);
    put(g, g.XI1, g.YI1 + 70, 3, "※　わる数の逆数をかける");
    WAIT_ANY_KEY(g);
    detail::set_drill_panel(g, DrillPanel{g.MIGI, g.NAKA1, 3200, g.SITA, g.MIGI, g.NAKA1});
    DRILL_POLY_DIVIDED_BY_NUMBER(g);
    WAIT_ANY_KEY(g);
    detail::set_drill_panel(g, DrillPanel{g.MIGI, 0, 3200, g.SITA, g.MIGI, g.UE});
    lesson::erase_panel(g);
    DRILL_POLY_DIVIDED_BY_FRACTION(g);
    WAIT_ANY_KEY(g);

    lesson::method_lines(g, g.XI1, {
                                       {70, 3, "<多項式と数の除法>"},
                                       {50, 5, "逆数にして、分配法則を使う"},
                                       {70, 0, "①(a+b)/c=(a+b)*ﾀ1/cﾀ"},
                                       {70, 0, "②(a+b)/ﾀd/cﾀ=(a+b)*ﾀc/dﾀ"},
                                   });
    WAIT_ANY_KEY(g);
    detail::set_drill_panel(g, DrillPanel{g.HIDARI, g.NAKA1, g.MIGI, g.SITA, g.HIDARI, g.NAKA1 + 20});
    lesson::erase_panel(g);
    DRILL_POLY_DIVIDED_BY_FRACTION(g);
    WAIT_ANY_KEY(g);
    put(g, 44, 570, 7, "教科書P15 問9　をしなさい。");
}

}  // namespace cw::kelvane4
