// Lesson 4, step ②: reviews 1 to 3 of the distributive law on one screen:
// c(ax+b) at the top left, (ax+b)×c below it, (n/d)(ax+b) on the right.
#include "exprstr/exprstr.h"
#include "lessons/draws.h"
#include "lessons/kelvane/lesson4.h"
#include "lessons/kelvane/lesson4_common.h"
#include "lessons/panels.h"
#include "platform/basic.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace cw::kelvane4 {

using lesson::cont;
using lesson::put;
using lesson::rnd_int;

namespace {

// X$(2..5) = "x", "y", "a", "b"; P from 2 to 5; X$(1) = X$(P).
void draw_letter(Program& g) {
    lesson::load_texts(g.X_sa, 2, {"x", "y", "a", "b"});
    g.P = rnd_int(g, 4, 2);
    g.X_sa(1) = g.X_sa(to_int(g.P));
}

// The products of reviews 1 and 2, T(4) = c·a and T(5) = c·b, and the
// texts: "+" before a positive b and c·b; c, a and c·a of 1 written "", of
// -1 "-".
void review_products(Program& g) {
    g.T_a(4) = g.T_a(1) * g.T_a(2);
    g.T_a(5) = g.T_a(1) * g.T_a(3);
    FORMAT_NUMBER_TABLES(g);
    lesson::add_plus_signs(g.T_a, g.T_sa, 3, 3);
    lesson::add_plus_signs(g.T_a, g.T_sa, 5, 5);
    lesson::unit_coefficients(g.T_a, g.T_sa, 1, 2);
    lesson::unit_coefficients(g.T_a, g.T_sa, 4, 4);
}

// The two arcs and products of reviews 1 and 2, the answer line 70 below
// the problem's (T$(4) and the letter, then T$(5)); XI2, YI1 keep the pen
// after the answer.
void two_products(Kelvane& g, const detail::ArcTo& first, const detail::ArcTo& second) {
    detail::reveal_products(g, {first, second}, {"=" + g.T_sa(4) + g.X_sa(1), g.T_sa(5)}, g.XI1, g.YI1 + 70);
    g.XI2 = g.XI3;
    g.YI1 = g.YI3;
}

}  // namespace

// ---------------------------------------------------------------------------
// Review 1: c(ax+b)

// Reads nothing; writes T(1..5), T$(), X$(1..5), P.
void make_review1_problem(Program& g) {
    g.T_a(2) = lesson::signed_draw(g, {9, 1}, lesson::kCoinNegOn1);
    g.T_a(1) = rnd_int(g, 6, 1);
    g.P = rnd_int(g, 2, 0);
    if (g.P == 1)
        g.T_a(1) = -g.T_a(1);
    else if (g.T_a(1) == 1)
        g.T_a(1) = -1;
    g.T_a(3) = lesson::signed_draw(g, {8, 2}, lesson::kCoinNegOn1);
    review_products(g);
    draw_letter(g);
}

// Reads nothing; writes T(), T$(), X$(1..5), X(1..3), Y(1..3), XI3, YI3, the layout cursor (YI1 = 200), AINP, the draw width 5, then what reviews 2 and 3 write; clobbers P, the arc inputs.
void STEP_REVIEW_DISTRIBUTION(Kelvane& g) {
    lesson::erase_by(g, 0, 0, 1760, 1300);
    g.pf.SETDRAWWIDTH(5);
    put(g, 40, 30, 0, "復1 次の計算をしなさい。");
    lesson::drill(g, [&] {
        make_review1_problem(g);
        lesson::set_cursor(g, 40, 100, 130);
        lesson::erase_by(g, 0, 80, 2000, 1800);
        g.X_a(1) = g.XI1 + 27 + 10;
        g.Y_a(1) = g.YI1;
        put(g, g.XI1 + 27, g.YI1, 0, g.T_sa(1) + "(");
        lesson::cont_keeping_start(g, 2, 10, 0, g.T_sa(2) + g.X_sa(1));
        lesson::cont_keeping_start(g, 3, 20, 0, g.T_sa(3) + ")");
        two_products(g, {{g.X_a(1), g.Y_a(1)}, {g.X_a(2), g.Y_a(1)}, 1, 9, -1},
                     {{g.X_a(1), g.Y_a(1)}, {g.X_a(3), g.Y_a(1)}, 2, 7, -1});
    });
    RUN_DISTRIBUTIVE_REVIEW_2(g);
}

// ---------------------------------------------------------------------------
// Review 2: (ax+b)×c

// Reads nothing; writes T(1..5), T(11), T$(), X$(1..5), P, II.
void make_review2_problem(Program& g) {
    g.T_a(2) = rnd_int(g, 9, 1);
    g.T_a(1) = lesson::signed_draw(g, {8, 2}, lesson::kCoinNegOn1);
    g.T_a(3) = lesson::signed_draw(g, {8, 2}, lesson::kCoinNegOn1);
    g.T_a(11) = g.T_a(1);
    review_products(g);
    draw_letter(g);
    if (g.T_a(11) < 0) g.T_sa(11) = "(" + g.T_sa(11) + ")";
}

// Reads YI1 (review 1's answer line); writes U(1), V(1), T(), T$(), X$(1..5), X(1..3), Y(1..3), X(31), Y(31), the layout cursor, NO = 1, AINP, then what review 3 writes; clobbers P, the arc inputs.
void RUN_DISTRIBUTIVE_REVIEW_2(Kelvane& g) {
    WAIT_ANY_KEY(g);
    g.U_a(1) = 40;
    g.V_a(1) = g.YI1 + 80;
    lesson::erase(g, 0, g.V_a(1), 1760, g.V_a(1) + 1300);
    g.XI0 = 40;
    put(g, g.XI0, g.V_a(1), 0, "復2 次の計算をしなさい。");
    g.NO = 1;
    lesson::drill(g, [&] {
        make_review2_problem(g);
        lesson::set_cursor(g, g.U_a(1), g.U_a(1) + 60, g.V_a(1) + 100);
        g.X_a(31) = 0;
        g.Y_a(31) = g.V_a(1) + 50;
        lesson::erase(g, g.X_a(31), g.Y_a(31), g.X_a(31) + 2000, g.Y_a(31) + 1800);
        g.X_a(1) = g.XI1 + 27 + 40;
        g.Y_a(1) = g.YI1;
        put(g, g.XI1 + 27, g.YI1, 0, "(" + g.T_sa(2) + g.X_sa(1));
        lesson::cont_keeping_start(g, 2, 10, 0, g.T_sa(3) + ")*");
        lesson::cont_keeping_start(g, 3, 20, 0, g.T_sa(11));
        if (g.T_a(1) < 0) g.X_a(3) += 27;
        two_products(g, {{g.X_a(1), g.Y_a(1)}, {g.X_a(3), g.Y_a(1)}, 2, 9, -1},
                     {{g.X_a(2), g.Y_a(2)}, {g.X_a(3), g.Y_a(2)}, 1, 7, -1});
    });
    RUN_DISTRIBUTIVE_REVIEW_3(g);
}

// ---------------------------------------------------------------------------
// Review 3: (n/d)(ax+b), with the common factor d cancelled

// Reads nothing; writes F(1), T(1..5), T(12), T(13), X(1..4), the tables,
// RAB$(1) and the fraction routine's outputs.
void make_review3_problem(Program& g) { detail::draw_fraction_times_binomial(g, false); }


// Reads nothing; writes U(1..4), V(1..4), U(31), V(31), T(), T$(), F(1), RAB$(1), X(1..4), Y(1..3), LE, LLT, BUN, the layout cursor, AINP = 1; clobbers P, II, A$, the arc inputs.
void RUN_DISTRIBUTIVE_REVIEW_3(Kelvane& g) {
    WAIT_ANY_KEY(g);
    g.U_a(1) = 600;
    g.V_a(1) = 30;
    lesson::erase_by(g, g.U_a(1), 0, 1760, 1300);
    g.XI0 = g.U_a(1);
    g.YI1 = g.V_a(1);
    put(g, g.XI0, g.YI1, 0, "復3 次の計算をしなさい。");
    g.U_a(31) = g.U_a(1);
    g.V_a(31) = 90;
    lesson::drill(g, [&] {
        make_review3_problem(g);
        lesson::erase_by(g, g.U_a(31) - 80, g.V_a(31), 1320, 1500);
        g.XI1 = g.U_a(31);
        g.YI1 = g.V_a(31) + 60;
        g.X_a(1) = g.XI1 + 40 + 27;
        g.Y_a(1) = g.YI1;
        put(g, g.XI1 + 40, g.YI1, 0, g.RAB_sa(1) + "(");
        g.YI2 = g.YI1;
        lesson::cont_keeping_start(g, 2, 27, 0, g.T_sa(2) + "x");
        lesson::cont_keeping_start(g, 3, 27, 0, g.T_sa(3) + ")");
        WAIT_ANY_KEY(g);
        lesson::distribution_arc(g, {g.X_a(1), g.Y_a(1) - 20}, {g.X_a(2), g.Y_a(1)}, 1, 9, -1);
        WAIT_ANY_KEY(g);
        detail::fraction_solution(g, "");
    });
    put(g, g.XI0, g.YI1 + 60, 5, "分配法則で（　）をはずし、約分する。");
}

}  // namespace cw::kelvane4
