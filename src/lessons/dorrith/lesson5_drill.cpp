// Lesson 5, step ③: the value drill.  Every problem is
// F(1)(T(2)x+T(3)y)+F(4)(T(5)x+T(6)y) at drawn values of x and y; its
// solution expands the brackets, gathers and collects the like terms,
// substitutes and evaluates, one stage per key.  The summary of the rules
// stays at the right, from x 680; the drill draws only between x 40 and 640.
#include "exprstr/exprstr.h"
#include "lessons/dorrith/lesson5.h"
#include "lessons/draws.h"
#include "lessons/pages.h"
#include "lessons/panels.h"
#include "lessons/toolkit.h"
#include "platform/basic.h"
#include "shell/shell.h"

namespace cw::dorrith5 {

using lesson::cont;
using lesson::kCoinNegOn0;
using lesson::signed_draw;
using lesson::pen;
using lesson::put;
using lesson::screen;
using lesson::text;

// Reads nothing; writes XI2, YI1, CCC1 = 0, X, Y, AA$.
void SHOW_VALUE_RULES(Program& g) {
    lesson::play_rows(g, {
                             text(0, screen(760, 30), 5, "<式の値の求め方>"),
                             text(0, screen(680, 80), 7, "①"),
                             text(0, pen(), 3, "式を簡単にしてから代入する"),
                             text(0, screen(680, 130), 7, "②"),
                             text(0, pen(), 0, "代入するときは、"),
                             text(0, screen(740, 180), 3, "文字式の表し方に戻る"),
                             text(0, screen(680, 230), 7, "③"),
                             text(0, pen(), 0, "負の数を代入するときは、"),
                             text(0, screen(740, 280), 3, "（　）をつける"),
                             text(0, screen(680, 330), 7, "④"),
                             text(0, pen(), 0, "2文字以上に代入する場合もある"),
                         });
}

namespace {

// Entry `slot` of a text table in parentheses when it holds a "-".
void parenthesize(Program& g, StrArray& table, int slot) {
    lesson::through_a(g, table(slot), PARENTHESIZE_IF_NEGATIVE);
}

// A product of the substitution line: the collected coefficient's text, "*" and the value of the letter;
// a coefficient 1 or -1 is written out as 1 or -1.  Empty for a coefficient 0.
std::string product_text(float coefficient, const std::string& coefficient_text, const std::string& value,
                         bool leading) {
    if (coefficient == 0) return "";
    if (coefficient == 1) return (leading ? "1*" : "+1*") + value;
    if (coefficient == -1) return "-1*" + value;
    return coefficient_text + "*" + value;
}

}  // namespace

void make_value_problem(Program& g) {
    auto& T_a = g.T_a;
    auto& F_a = g.F_a;
    // The six coefficients, each magnitude before its sign selector P: negated on P = 0, and the factor
    // before the first bracket never +1; the second factor negated on P = 0 or 1 of three.
    F_a(1) = signed_draw(g, {5, 1}, kCoinNegOn0);
    if (F_a(1) == 1) F_a(1) = -1;
    T_a(2) = signed_draw(g, {7, 1}, kCoinNegOn0);
    T_a(3) = signed_draw(g, {5, 2}, kCoinNegOn0);
    F_a(4) = lesson::rnd_int(g, 5, 1);
    g.P = lesson::rnd_int(g, 3, 0);
    if (g.P == 0 || g.P == 1) F_a(4) = -F_a(4);
    T_a(5) = signed_draw(g, {7, 1}, kCoinNegOn0);
    T_a(6) = signed_draw(g, {5, 2}, kCoinNegOn0);

    // Distributed and collected coefficients.
    T_a(7) = F_a(1) * T_a(2);
    T_a(8) = F_a(1) * T_a(3);
    T_a(9) = F_a(4) * T_a(5);
    T_a(10) = F_a(4) * T_a(6);
    T_a(11) = T_a(7) + T_a(9);
    T_a(12) = T_a(8) + T_a(10);

    // The values of x and y; y never equals x.
    F_a(5) = signed_draw(g, {5, 1}, kCoinNegOn0);
    F_a(6) = signed_draw(g, {5, 1}, kCoinNegOn0);
    if (F_a(6) == F_a(5)) F_a(6) = F_a(5) + 1;

    // Products and value.
    F_a(7) = T_a(11) * F_a(5);
    F_a(8) = T_a(12) * F_a(6);
    F_a(9) = F_a(7) + F_a(8);

    // Texts.
    FORMAT_NUMBER_TABLES(g);
    auto& T_sa = g.T_sa;
    auto& F_sa = g.F_sa;
    if (F_a(1) == -1) F_sa(1) = "-";
    if (F_a(4) == 1)
        F_sa(4) = "+";
    else if (F_a(4) == -1)
        F_sa(4) = "-";
    else if (F_a(4) > 1)
        F_sa(4) = "+" + F_sa(4);
    if (F_a(8) > 0) F_sa(8) = "+" + F_sa(8);
    // Coefficient texts: none for 0, "+" for 1, "-" for -1, a "+" before a positive one; the first term of
    // each bracket without its "+".
    lesson::drop_zero_terms(T_a, T_sa, 1, 12);
    lesson::unit_coefficients(T_a, T_sa, 1, 12);
    lesson::add_plus_signs(T_a, T_sa, 1, 12);
    strip_plus(g, T_sa(2));
    strip_plus(g, T_sa(5));
}

namespace {

// The problem page: the problem area erased, the heading with the values of x and y, the task and the
// problem line, coloured by the parity of NO.
void show_problem(Program& g) {
    auto& T_sa = g.T_sa;
    auto& F_sa = g.F_sa;
    lesson::erase_problem_head(g, {g.U_a(31), g.V_a(31), 600, 160});
    g.XI1 = g.U_a(31);
    g.YI1 = g.V_a(31);
    put(g, g.XI0, g.YI1, 3, "練習");
    cont(g, 0, " x=" + F_sa(5) + ",y=" + F_sa(6) + "のとき、");
    put(g, g.XI1 + 40, g.YI1 + 50, 0, "次の式の値を求めなさい。");
    put(g, g.XI1 + 32, g.YI1 + 60, lesson::parity_colour(g.NO, 3, 7),
        F_sa(1) + "(" + T_sa(2) + "x" + T_sa(3) + "y)" + F_sa(4) + "(" + T_sa(5) + "x" + T_sa(6) + "y)");
}

// The worked solution, one stage per key; ends on the value in colour 5.
void reveal_solution(Program& g) {
    auto& T_a = g.T_a;
    auto& F_a = g.F_a;
    auto& T_sa = g.T_sa;
    auto& F_sa = g.F_sa;
    const lesson::ProblemArea area{g.U_a(31), g.V_a(31), 600, 160};

    // The brackets expanded term by term.
    WAIT_ANY_KEY(g);
    lesson::erase_solution(g, area, g.YI1 + 60);
    put(g, g.XI1, g.YI1 + 60, 0, "=");
    WAIT_ANY_KEY(g);
    strip_plus(g, T_sa(7));
    cont(g, 0, T_sa(7) + "x");
    WAIT_ANY_KEY(g);
    cont(g, 0, T_sa(8) + "y");
    WAIT_ANY_KEY(g);
    cont(g, 0, T_sa(9) + "x");
    WAIT_ANY_KEY(g);
    cont(g, 0, T_sa(10) + "y");

    // Like terms side by side, then collected.
    WAIT_ANY_KEY(g);
    put(g, g.XI1, g.YI1 + 60, 0, "=" + T_sa(7) + "x" + T_sa(9) + "x" + T_sa(8) + "y" + T_sa(10) + "y");
    WAIT_ANY_KEY(g);
    strip_plus(g, T_sa(11));
    if (T_a(11) == 0) strip_plus(g, T_sa(12));
    T_sa(21) = T_a(11) == 0 ? "" : T_sa(11) + "x";
    T_sa(22) = T_a(12) == 0 ? "" : T_sa(12) + "y";
    // When the two brackets cancel, the collected line reads 0.
    const bool all_cancel = T_a(11) == 0 && T_a(12) == 0;
    put(g, g.XI1, g.YI1 + 60, 0, "=" + (all_cancel ? std::string("0") : T_sa(21) + T_sa(22)));

    // Substituted.
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 40, g.YI1 + 50, 3, "x=" + F_sa(5) + ",y=" + F_sa(6) + " を代入して");
    parenthesize(g, F_sa, 5);
    parenthesize(g, F_sa, 6);
    T_sa(21) = product_text(T_a(11), T_sa(11), F_sa(5), true);
    T_sa(22) = product_text(T_a(12), T_sa(12), F_sa(6), T_a(11) == 0);
    WAIT_ANY_KEY(g);
    if (all_cancel) {
        // Nothing to substitute into: the value line starts here, without an "=" of its own.
        g.XI2 = g.XI1;
        g.YI1 += 60;
    } else {
        put(g, g.XI1, g.YI1 + 60, 0, "=");
    }
    WAIT_ANY_KEY(g);
    cont(g, 0, T_sa(21));
    WAIT_ANY_KEY(g);
    cont(g, 0, T_sa(22));

    // The sum of the two products, skipped when one of them is 0.
    WAIT_ANY_KEY(g);
    if (F_a(7) == 0) F_sa(7) = "";
    if (F_a(8) == 0) F_sa(8) = "";
    if (!F_sa(7).empty() && !F_sa(8).empty()) {
        put(g, g.XI1, g.YI1 + 60, 0, "=");
        WAIT_ANY_KEY(g);
        cont(g, 0, F_sa(7));
        WAIT_ANY_KEY(g);
        cont(g, 0, F_sa(8));
        WAIT_ANY_KEY(g);
    }
    cont(g, 5, "=" + F_sa(9));
}

}  // namespace

// Reads nothing; writes XI0 = 40, U(31) = 40, V(31) = 30, NO, AINP, P, II, T(2..12), F(1), F(4..9), their
// texts T$(1..80), F$(1..40), XI1, XI2, YI1, CCC1, X, Y, AA$, A$; clobbers what ASK_NEXT_STEP clobbers.
void START_VALUE_DRILL(Program& g) {
    lesson::erase_by(g, 0, 0, 1320, 1300);
    SHOW_VALUE_RULES(g);
    WAIT_ANY_KEY(g);
    g.XI0 = 40;
    g.U_a(31) = g.XI0;
    g.V_a(31) = 30;
    lesson::drill(g, lesson::Count::Finished, [&] {
        make_value_problem(g);
        show_problem(g);
        reveal_solution(g);
    });
    WAIT_ANY_KEY(g);
    lesson::assignment(g, 352, 570, 7, "19", "7");
}

}  // namespace cw::dorrith5
