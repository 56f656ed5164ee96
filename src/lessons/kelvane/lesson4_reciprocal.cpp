// Lesson 4, step ③: review 4, (ax+b)÷c worked as (ax+b)×1/c, and the
// summary of multiplying and dividing by a number.
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

// Reads nothing; writes F(1), T(1..5), T(12), T(13), X(1..3), the tables,
// RAB$(1) and the fraction routine's outputs.
void make_review4_problem(Program& g) { detail::draw_division_by_number(g, false); }

namespace {

// The closing note, then on the window erased again the summary of the two
// rules with the distributive law and its two arcs.
void reciprocal_summary(Program& g) {
    put(g, g.XI0, g.YI1 + 60, 5, "除法は逆数をかける。");
    WAIT_ANY_KEY(g);
    g.YI1 = 18;
    lesson::erase(g, 0, 0, 1760, 1300);
    put(g, 88, g.YI1, 3, "<文字式と数の乗法・除法>");
    put(g, 44, g.YI1 + 65, 0, "① ( )があるときは、分配法則を利用してかっこをはずす");
    put(g, 132, g.YI1 + 95, 0, "m(a+b)=ma+mb");
    lesson::distribution_arc(g, {150, g.YI1}, {150 + 60, g.YI1}, 1, 3);
    lesson::distribution_arc(g, {150, g.YI1}, {150 + 108, g.YI1}, 2, 7);
    put(g, 44, g.YI1 + 65, 0, "② 除法は逆数をかけ、約分する");
}

}  // namespace

// Reads nothing; writes T(), T$(), F(1), RAB$(1), X(1..3), Y(1..3), U(1..4), V(1..4), U(31), V(31), LE, LLT, BUN, the layout cursor, AINP = 1, the draw width 5; clobbers P, A$, the arc inputs.
void STEP_REVIEW_RECIPROCAL(Kelvane& g) {
    lesson::erase_by(g, 0, 0, 1760, 1300);
    lesson::set_cursor(g, 40, 40 + 27, 30);
    g.pf.SETDRAWWIDTH(5);
    put(g, g.XI0, g.YI1, 0, "復4 次の計算をしなさい。");
    g.U_a(31) = g.XI1;
    g.V_a(31) = g.YI1 + 50;
    lesson::drill(g, [&] {
        make_review4_problem(g);
        lesson::erase_by(g, g.U_a(31) - 80, g.V_a(31), 1320, 1500);
        g.XI1 = g.U_a(31);
        g.YI1 = g.V_a(31);
        put(g, g.XI1 + 40, g.YI1, 0, "(" + g.T_sa(2) + "x" + g.T_sa(3) + ")/" + g.T_sa(1));
        detail::division_solution(g, "");
    });
    reciprocal_summary(g);
}

}  // namespace cw::kelvane4
