// Lesson 4, step ④: example 6 in two panels, with its three drills
// c(ax+by+d), (ax+by+d)×c and (n/d)(ax+by).
#include <array>

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

// Reads FMAESU; writes FMAESU, T(1..7), T(14), the tables, A1$, A2$, A3$, P.
void make_example6_problem(Kelvane& g, bool multiplier_after) {
    g.T_a(1) = lesson::draw_unlike(g.FMAESU, [&] { return lesson::signed_draw(g, {5, 2}, lesson::kCoinNegOn0); });
    g.T_a(2) = lesson::signed_draw(g, {7, 1}, lesson::kCoinNegOn0);
    g.T_a(3) = lesson::signed_draw(g, {5, 2}, lesson::kCoinNegOn0);
    g.T_a(4) = lesson::signed_draw(g, {8, 1}, lesson::kCoinNegOn0);
    g.T_a(5) = g.T_a(1) * g.T_a(2);
    g.T_a(6) = g.T_a(1) * g.T_a(3);
    g.T_a(7) = g.T_a(1) * g.T_a(4);
    g.T_a(14) = g.T_a(4);

    FORMAT_NUMBER_TABLES(g);
    lesson::drop_zero_terms(g.T_a, g.T_sa, 1, 10);
    lesson::unit_coefficients(g.T_a, g.T_sa, 1, 10);
    lesson::add_plus_signs(g.T_a, g.T_sa, 1, 10);
    g.T_sa(4) = g.T_a(4) > 0 ? "+" + g.T_sa(14) : g.T_sa(14);
    if (!multiplier_after) lesson::through_a(g, g.T_sa(1), STRIP_LEADING_PLUS);
    lesson::through_a(g, g.T_sa(2), STRIP_LEADING_PLUS);
    lesson::through_a(g, g.T_sa(5), STRIP_LEADING_PLUS);
    g.A1_s = g.T_sa(1);
    if (multiplier_after) lesson::through_a(g, g.A1_s, g.T_a(1) < 0 ? PARENTHESIZE_IF_NEGATIVE : STRIP_LEADING_PLUS);
    g.A2_s = g.T_sa(2) + "x";
    g.A3_s = g.T_sa(3) + "y";
}

// Reads nothing; writes F(1), T(1..5), T(12), T(13), X(1..4), the tables,
// RAB$(1) and the fraction routine's outputs.
void make_example6_fraction_problem(Program& g) { detail::draw_fraction_times_binomial(g, true); }

namespace {

// The reveal of example 6 ① and ②: arcs in colours 9, 7, 11 and the given
// heights and side from the multiplier X(1) to the terms X(2..4) on the
// problem line, each followed by its product; the answer line `dy` below.
void three_products(Kelvane& g, const std::array<float, 3>& heights, float side, float dy) {
    std::vector<detail::ArcTo> arcs;
    const float colours[] = {9, 7, 11};
    for (int k = 0; k < 3; ++k) {
        const auto i = static_cast<size_t>(k);
        arcs.push_back({{g.X_a(1), g.Y_a(1)}, {g.X_a(k + 2), g.Y_a(1)}, heights[i], colours[i], side});
    }
    detail::reveal_products(g, arcs, {"=" + g.T_sa(5) + "x", g.T_sa(6) + "y", g.T_sa(7)}, g.XI1, g.YI1 + dy);
}

}  // namespace

// Reads XKARA..YMADE, XHAJIME, YHAJIME, FMAESU; writes FMAESU, T(), T$(), A1$..A3$, X(1..4), Y(1..4), XI1..XI3, YI3, AINP, YI1 = YHAJIME + 60; clobbers P, A$, the arc inputs.
void RUN_EXAMPLE6_NUMBER_TIMES_POLYNOMIAL(Kelvane& g) {
    lesson::drill(g, [&] {
        make_example6_problem(g, false);
        detail::start_problem(g);
        put(g, g.XI1, g.YI1 + 60, 3, "①", lesson::Keep::YOnly);
        g.XI2 = g.XI1 + 40;
        lesson::cont_keeping_start(g, 1, 27, 0, g.A1_s + "(");
        lesson::cont_keeping_start(g, 2, 27, 0, g.A2_s);
        lesson::cont_keeping_start(g, 3, 27, 0, g.A3_s);
        lesson::cont_keeping_start(g, 4, 27, 0, g.T_sa(4) + ")");
        three_products(g, {1, 2, 2.5f}, -1, 70);
    });
}

// Reads XKARA..YMADE, XHAJIME, YHAJIME, FMAESU; writes FMAESU, T(), T$(), A1$..A3$, X(1..4), Y(1..4), XI1..XI3, YI3, AINP, YI1 = YHAJIME + 60; clobbers P, A$, the arc inputs.
void DRILL_POLY_TIMES_NUMBER(Kelvane& g) {
    lesson::drill(g, [&] {
        make_example6_problem(g, true);
        detail::start_problem(g);
        put(g, g.XI1, g.YI1 + 60, 3, "②");
        put(g, g.XI1 + 40, g.YI1, 0, "(");
        lesson::cont_keeping_start(g, 2, 27, 0, g.A2_s);
        lesson::cont_keeping_start(g, 3, 27, 0, g.A3_s);
        lesson::cont_keeping_start(g, 4, 27, 0, g.T_sa(4) + ")*");
        lesson::cont_keeping_start(g, 1, 27, 0, g.A1_s);
        three_products(g, {2.5f, 2, 1}, 1, 80);
    });
}

// Reads XKARA..YMADE, XHAJIME, YHAJIME; writes T(), T$(), F(1), RAB$(1), X(1..4), Y(1..3), U(1..4), V(1..4), LE, LLT, BUN, AINP, XI1, XI2, YI1 = YHAJIME + 250; clobbers P, II, A$, DS, DB.
void DRILL_FRACTION_TIMES_POLY(Kelvane& g) {
    lesson::drill(g, [&] {
        make_example6_fraction_problem(g);
        detail::start_problem(g);
        g.YI1 = g.YHAJIME + 60;
        put(g, g.XI1, g.YI1, 3, "③");
        g.XI2 = g.XI1 + 40;
        lesson::cont_keeping_start(g, 1, 27, 0, g.RAB_sa(1) + "(");
        lesson::cont_keeping_start(g, 2, 27, 0, g.T_sa(2) + "x");
        lesson::cont_keeping_start(g, 3, 27, 0, g.T_sa(3) + "y)");
        detail::fraction_solution(g, "y");
    });
}

// ---------------------------------------------------------------------------
// The step

// Reads what the drills leave in YI1; writes HIDARI, MIGI, UE, SITA, NAKA1..3, the panel, the layout cursor, AINP = 1, the draw width 5; clobbers what the drills clobber.
void STEP_MULTIPLICATION(Kelvane& g) {
    lesson::open_two_panels(g, kelvane::drill_panels(600, 40));
    put(g, g.XI1, g.YI1, 0, "例6　分配法則を使って、");
    put(g, g.XI1 + 64, g.YI1 + 50, 0, "次の計算をしなさい。");
    g.NAKA1 = g.YI1 + 50;

    auto left = [&](float top) { return DrillPanel{0, top, g.MIGI, g.SITA, g.HIDARI, top}; };
    auto right = [&](float top) { return DrillPanel{g.MIGI, top, 3200, g.SITA, g.MIGI, top}; };
    auto run = [&](const DrillPanel& p, void (*drill)(Kelvane&), bool erase_first) {
        detail::set_drill_panel(g, p);
        if (erase_first) lesson::erase_panel(g);
        drill(g);
    };

    run(left(g.NAKA1), RUN_EXAMPLE6_NUMBER_TIMES_POLYNOMIAL, false);
    g.NAKA2 = g.YI1 + 150;
    WAIT_ANY_KEY(g);
    run(right(g.NAKA1), RUN_EXAMPLE6_NUMBER_TIMES_POLYNOMIAL, false);
    WAIT_ANY_KEY(g);
    run(left(g.NAKA2), DRILL_POLY_TIMES_NUMBER, false);
    WAIT_ANY_KEY(g);
    run(right(g.NAKA2), DRILL_POLY_TIMES_NUMBER, false);
    WAIT_ANY_KEY(g);
    run(right(g.UE), DRILL_FRACTION_TIMES_POLY, true);
    g.NAKA3 = g.YI1 + 80;
    WAIT_ANY_KEY(g);
    run(right(g.NAKA3), DRILL_FRACTION_TIMES_POLY, true);
    WAIT_ANY_KEY(g);
    lesson::erase_panel(g);

    g.XI1 = g.MIGI;
    g.YI1 = g.NAKA3;
    lesson::method_lines(g, g.XI1, {
                                       {0, 3, "<多項式と数の乗法>"},
                                       {50, 0, "分配法則を使って計算する"},
                                       {50, 7, "(a+b)*c=ac+bc"},
                                       {50, 7, "c(a+b)=ac+bc"},
                                       {50, 5, "※cが分数の場合でも同じ"},
                                   });
    WAIT_ANY_KEY(g);
    put(g, 44, 600, 7, "教科書P15 問8　をしなさい。");
}

}  // namespace cw::kelvane4
