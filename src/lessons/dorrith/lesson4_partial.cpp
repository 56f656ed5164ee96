// Lesson 4, step ②: the partial practice.  Three drills on random problems
// of three monomials joined by × and ÷ ask in turn for the sign, the
// numerator and the denominator of the fraction the problem becomes; then
// the method's summary.
#include "exprstr/exprstr.h"
#include "lessons/dorrith/lesson4.h"
#include "lessons/draws.h"
#include "lessons/marks.h"
#include "lessons/pages.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace cw::dorrith4 {

using lesson::cont;
using lesson::Keep;
using lesson::put;
using lesson::rnd_int;

// Reads nothing; writes T(1..3), F(1..4), X(2), X(3), P, A1$, A2$, T$(), F$(), X$(1..3), X$(11), X$(12);
// clobbers what FORMAT_NUMBER_TABLES clobbers.  Ten RNDs.
void GEN_MIXED_PROBLEM(Program& g) {
    auto& T_a = g.T_a;
    auto& F_a = g.F_a;
    auto& X_a = g.X_a;
    auto& T_sa = g.T_sa;
    auto& F_sa = g.F_sa;
    auto& X_sa = g.X_sa;

    T_a(2) = rnd_int(g, 6, 2);
    T_a(3) = rnd_int(g, 6, 7);
    T_a(1) = T_a(2) * T_a(3);
    // The signs: each INT(RND * 2), a 0 becoming -1.
    F_a(1) = rnd_int(g, 2, 0);
    if (F_a(1) == 0) F_a(1) = -1;
    F_a(2) = rnd_int(g, 2, 0);
    if (F_a(2) == 0) F_a(2) = -1;
    F_a(3) = -1;
    F_a(4) = F_a(1) * F_a(2) * F_a(3);
    X_a(2) = rnd_int(g, 2, 0);
    if (X_a(2) == 0) X_a(2) = -1;
    X_a(3) = rnd_int(g, 2, 0);
    if (X_a(3) == 0) X_a(3) = -1;
    if (X_a(2) == 1 && X_a(3) == 1) X_a(3) = -1;
    FORMAT_NUMBER_TABLES(g);

    g.P = rnd_int(g, 2, 0);
    g.A1_s = g.P == 0 ? "x" : "a";
    g.A2_s = g.P == 0 ? "y" : "b";
    g.P = rnd_int(g, 2, 0);
    T_sa(11) = g.P == 0 ? g.A1_s + "^2" + g.A2_s : g.A1_s + g.A2_s + "^2";
    g.P = rnd_int(g, 2, 0);
    T_sa(12) = g.P == 0 ? g.A1_s : g.A2_s;
    g.P = rnd_int(g, 2, 0);
    T_sa(13) = g.P == 0 ? g.A2_s + "^2" : g.A1_s + "^2";

    F_sa(1) = F_a(1) == 1 ? "" : "-";
    for (int k = 2; k <= 3; ++k) {
        F_sa(k) = F_a(k) == 1 ? "" : "(-";
        F_sa(10 + k) = F_a(k) == 1 ? "" : ")";
    }
    X_sa(1) = F_sa(1) + T_sa(1) + T_sa(11);
    for (int k = 2; k <= 3; ++k)
        X_sa(k) = (X_a(k) == 1 ? "*" : "/") + F_sa(k) + T_sa(k) + T_sa(10 + k) + F_sa(10 + k);
    F_sa(4) = F_a(4) > 0 ? "+" : "-";

    X_sa(11) = T_sa(1) + T_sa(11);
    if (X_a(2) == 1)
        X_sa(11) = X_sa(11) + "*" + T_sa(2) + T_sa(12);
    else
        X_sa(12) = T_sa(2) + T_sa(12);
    if (X_a(3) == 1)
        X_sa(11) = X_sa(11) + "*" + T_sa(3) + T_sa(13);
    else if (X_a(2) == 1)
        X_sa(12) = T_sa(3) + T_sa(13);
    else
        X_sa(12) = X_sa(12) + "*" + T_sa(3) + T_sa(13);
}

namespace {

std::string problem_line(Program& g) { return g.X_sa(1) + g.X_sa(2) + g.X_sa(3); }
std::string fraction_form(Program& g) { return "ﾀ" + g.X_sa(11) + "/" + g.X_sa(12) + "ﾀ"; }

// An answer box: border 3, fill 13, its text in colour 5.
void answer_box(Program& g, float x, float y, float w, float h, const std::string& text) {
    lesson::draw_cell(g, x, y, w, h, text, 5, 3, 13);
}

// A new problem in the panel with corners (U(a), V(a)) and (U(b), V(b)): GEN_MIXED_PROBLEM, the cursor at the
// panel's top left (XI1 = XI0 + indent), the panel erased.
void new_problem(Program& g, int a, int b, float indent) {
    GEN_MIXED_PROBLEM(g);
    g.XI0 = g.U_a(a);
    g.XI1 = g.XI0 + indent;
    g.YI1 = g.V_a(a);
    lesson::erase(g, g.U_a(a), g.V_a(a), g.U_a(b), g.V_a(b));
}

void sign_problem(Program& g) {
    new_problem(g, 1, 2, 32);
    put(g, g.XI0, g.YI1, 3, "問1　符号をいいなさい。");
    put(g, g.XI1 + 32, g.YI1 + 70, 0, problem_line(g));
    put(g, g.XI1, g.YI1 + 80, 0, "=");
    g.X_a(1) = g.X;
    g.Y_a(1) = g.Y;
    answer_box(g, g.X_a(1), g.Y_a(1), 60, 50, "");
    g.XI2 = g.X;
    g.YI1 = g.Y;
    put(g, g.X, g.Y, 0, fraction_form(g));
    WAIT_ANY_KEY(g);
    answer_box(g, g.X_a(1), g.Y_a(1), 60, 50, g.F_sa(4));
    g.XI2 = g.X;
    g.YI1 = g.Y;
}

// The numerator and denominator drills: the problem, "=" and the sign, then the fraction laid out without
// drawing; the bar and the part not asked for are drawn, the part asked for stands in an empty box until
// the key.  `y_num`, `y_den`: the parts' tops from the bar.
void part_problem(Program& g, const std::string& heading, bool ask_numerator, float y_num, float y_den) {
    put(g, g.XI0, g.YI1, 3, heading);
    put(g, g.XI1 + 32, g.YI1 + 80, 0, problem_line(g));
    put(g, g.XI1, g.YI1 + 110, 0, "=" + g.F_sa(4));
    g.X_a(0) = g.X;
    const lesson::TextLayout l = lesson::layout_text(g, g.X_a(0), g.YI1, fraction_form(g));
    const float tbsi = g.TBSI, tbbo = g.TBBO;  // the parts' widths
    g.X_a(1) = g.X_a(0) + l.last.tbsi1;
    g.Y_a(1) = l.last.bsen + y_num;
    g.X_a(11) = g.X_a(0) + l.last.tbbo1;
    g.Y_a(11) = l.last.bsen + y_den;
    lesson::draw_fraction_bar(g, g.X_a(0), l.last.bsen, l.last.naga, 0);
    if (ask_numerator) {
        lesson::draw_fraction_part(g, {g.X_a(11), g.Y_a(11)}, g.X_sa(12), 0, Keep::None);
        answer_box(g, g.X_a(1), g.Y_a(1) - 4, tbsi + 10, 44, "");
        WAIT_ANY_KEY(g);
        lesson::draw_fraction_part(g, {g.X_a(1) + 5, g.Y_a(1)}, g.X_sa(11), 5, Keep::Pen);
    } else {
        lesson::draw_fraction_part(g, {g.X_a(1), g.Y_a(1)}, g.X_sa(11), 0, Keep::None);
        answer_box(g, g.X_a(11), g.Y_a(11) - 4, tbbo + 10, 44, "");
        WAIT_ANY_KEY(g);
        lesson::draw_fraction_part(g, {g.X_a(11) + 5, g.Y_a(11)}, g.X_sa(12), 5, Keep::Pen);
    }
}

void numerator_problem(Program& g) {
    new_problem(g, 3, 4, 32);
    part_problem(g, "問2　分子をいいなさい。", true, -48, 12);
}

void denominator_problem(Program& g) {
    new_problem(g, 1, 2, 0);
    part_problem(g, "問3　分母をいいなさい。", false, -40, 10);
}

}  // namespace

// Reads nothing; writes the screen (width 5), U(1..4), V(1..4), X(0..1), X(11), Y(1), Y(11), XI0, XI1, XI2,
// YI1, HABA, TATE, CCC1..CCC3, BUN = 0, AINP, NO and what GEN_MIXED_PROBLEM writes; clobbers what DRAW_CELL,
// the typesetter, WAIT_ANY_KEY and ASK_NEXT_STEP clobber.
void RUN_PARTIAL_PRACTICE(Program& g) {
    lesson::erase(g, 0, 0, 1760, 1300);
    g.pf.SETDRAWWIDTH(5);

    g.NO = 0;
    g.U_a(1) = 40;
    g.V_a(1) = 30;
    g.U_a(2) = 640;
    g.V_a(2) = g.V_a(1) + 230;
    lesson::drill(g, [&] { sign_problem(g); });

    g.NO = 0;
    g.U_a(3) = 40;
    g.V_a(3) = g.V_a(2) + 50;
    g.U_a(4) = 640;
    g.V_a(4) = g.V_a(3) + 300;
    lesson::drill(g, [&] { numerator_problem(g); });

    g.NO = 0;
    g.U_a(1) = g.U_a(4) + 40;
    g.V_a(1) = 30;
    g.U_a(2) = g.U_a(1) + 640;
    g.V_a(2) = g.V_a(1) + 300;
    lesson::drill(g, [&] { denominator_problem(g); });

    g.XI1 = 680;
    put(g, g.XI1, g.YI1 + 70, 5, "<乗除の混じった式の計算>");
    put(g, g.XI1, g.YI1 + 50, 0, "① 符号を決め、分数の形にする。");
    put(g, g.XI1 + 60, g.YI1 + 50, 3, "(最初の項と*の項は分子、");
    put(g, g.XI1 + 87, g.YI1 + 50, 3, "/の項は分母）");
    put(g, g.XI1, g.YI1 + 50, 0, "② 約分する。");
    cont(g, 5, "(文字も約分する）");
}

}  // namespace cw::dorrith4
