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

// One leading "+" off entry `slot` of a text table.
void strip_plus(Program& g, StrArray& table, int slot) { lesson::through_a(g, table(slot), STRIP_LEADING_PLUS); }

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
    auto& t = g.T_a;
    auto& f = g.F_a;
    // The six coefficients, each magnitude before its sign selector P: negated on P = 0, and the factor
    // before the first bracket never +1; the second factor negated on P = 0 or 1 of three.
    f(1) = signed_draw(g, {5, 1}, kCoinNegOn0);
    if (f(1) == 1) f(1) = -1;
    t(2) = signed_draw(g, {7, 1}, kCoinNegOn0);
    t(3) = signed_draw(g, {5, 2}, kCoinNegOn0);
    f(4) = lesson::draw(g, {5, 1});
    g.P = lesson::draw(g, {3, 0});
    if (g.P == 0 || g.P == 1) f(4) = -f(4);
    t(5) = signed_draw(g, {7, 1}, kCoinNegOn0);
    t(6) = signed_draw(g, {5, 2}, kCoinNegOn0);

    // Distributed and collected coefficients.
    t(7) = f(1) * t(2);
    t(8) = f(1) * t(3);
    t(9) = f(4) * t(5);
    t(10) = f(4) * t(6);
    t(11) = t(7) + t(9);
    t(12) = t(8) + t(10);

    // The values of x and y; y never equals x.
    f(5) = signed_draw(g, {5, 1}, kCoinNegOn0);
    f(6) = signed_draw(g, {5, 1}, kCoinNegOn0);
    if (f(6) == f(5)) f(6) = f(5) + 1;

    // Products and value.
    f(7) = t(11) * f(5);
    f(8) = t(12) * f(6);
    f(9) = f(7) + f(8);

    // Texts.
    FORMAT_NUMBER_TABLES(g);
    auto& ts = g.T_sa;
    auto& fs = g.F_sa;
    if (f(1) == -1) fs(1) = "-";
    if (f(4) == 1)
        fs(4) = "+";
    else if (f(4) == -1)
        fs(4) = "-";
    else if (f(4) > 1)
        fs(4) = "+" + fs(4);
    if (f(8) > 0) fs(8) = "+" + fs(8);
    // Coefficient texts: none for 0, "+" for 1, "-" for -1, a "+" before a positive one; the first term of
    // each bracket without its "+".
    lesson::drop_zero_terms(t, ts, 1, 12);
    lesson::unit_coefficients(t, ts, 1, 12);
    lesson::add_plus_signs(t, ts, 1, 12);
    strip_plus(g, ts, 2);
    strip_plus(g, ts, 5);
}

namespace {

// The problem page: the problem area erased, the heading with the values of x and y, the task and the
// problem line, coloured by the parity of NO.
void show_problem(Program& g) {
    auto& ts = g.T_sa;
    auto& fs = g.F_sa;
    lesson::erase_problem_head(g, {g.U_a(31), g.V_a(31), 600, 160});
    g.XI1 = g.U_a(31);
    g.YI1 = g.V_a(31);
    put(g, g.XI0, g.YI1, 3, "練習");
    cont(g, 0, " x=" + fs(5) + ",y=" + fs(6) + "のとき、");
    put(g, g.XI1 + 40, g.YI1 + 50, 0, "次の式の値を求めなさい。");
    put(g, g.XI1 + 32, g.YI1 + 60, lesson::parity_colour(g.NO, 3, 7),
        fs(1) + "(" + ts(2) + "x" + ts(3) + "y)" + fs(4) + "(" + ts(5) + "x" + ts(6) + "y)");
}

// The worked solution, one stage per key; ends on the value in colour 5.
void reveal_solution(Program& g) {
    auto& t = g.T_a;
    auto& f = g.F_a;
    auto& ts = g.T_sa;
    auto& fs = g.F_sa;
    const lesson::ProblemArea area{g.U_a(31), g.V_a(31), 600, 160};

    // The brackets expanded term by term.
    WAIT_ANY_KEY(g);
    lesson::erase_solution(g, area, g.YI1 + 60);
    put(g, g.XI1, g.YI1 + 60, 0, "=");
    WAIT_ANY_KEY(g);
    strip_plus(g, ts, 7);
    cont(g, 0, ts(7) + "x");
    WAIT_ANY_KEY(g);
    cont(g, 0, ts(8) + "y");
    WAIT_ANY_KEY(g);
    cont(g, 0, ts(9) + "x");
    WAIT_ANY_KEY(g);
    cont(g, 0, ts(10) + "y");

    // Like terms side by side, then collected.
    WAIT_ANY_KEY(g);
    put(g, g.XI1, g.YI1 + 60, 0, "=" + ts(7) + "x" + ts(9) + "x" + ts(8) + "y" + ts(10) + "y");
    WAIT_ANY_KEY(g);
    strip_plus(g, ts, 11);
    if (t(11) == 0) strip_plus(g, ts, 12);
    ts(21) = t(11) == 0 ? "" : ts(11) + "x";
    ts(22) = t(12) == 0 ? "" : ts(12) + "y";
    // When the two brackets cancel, the collected line reads 0.
    const bool all_cancel = t(11) == 0 && t(12) == 0;
    put(g, g.XI1, g.YI1 + 60, 0, "=" + (all_cancel ? std::string("0") : ts(21) + ts(22)));

    // Substituted.
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 40, g.YI1 + 50, 3, "x=" + fs(5) + ",y=" + fs(6) + " を代入して");
    parenthesize(g, fs, 5);
    parenthesize(g, fs, 6);
    ts(21) = product_text(t(11), ts(11), fs(5), true);
    ts(22) = product_text(t(12), ts(12), fs(6), t(11) == 0);
    WAIT_ANY_KEY(g);
    if (all_cancel) {
        // Nothing to substitute into: the value line starts here, without an "=" of its own.
        g.XI2 = g.XI1;
        g.YI1 += 60;
    } else {
        put(g, g.XI1, g.YI1 + 60, 0, "=");
    }
    WAIT_ANY_KEY(g);
    cont(g, 0, ts(21));
    WAIT_ANY_KEY(g);
    cont(g, 0, ts(22));

    // The sum of the two products, skipped when one of them is 0.
    WAIT_ANY_KEY(g);
    if (f(7) == 0) fs(7) = "";
    if (f(8) == 0) fs(8) = "";
    if (!fs(7).empty() && !fs(8).empty()) {
        put(g, g.XI1, g.YI1 + 60, 0, "=");
        WAIT_ANY_KEY(g);
        cont(g, 0, fs(7));
        WAIT_ANY_KEY(g);
        cont(g, 0, fs(8));
        WAIT_ANY_KEY(g);
    }
    cont(g, 5, "=" + fs(9));
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
