// Lesson 3, steps ① and ④: adding and subtracting polynomials written across.
#include "exprstr/exprstr.h"
#include "lessons/kelvane/lesson3.h"
#include "lessons/draws.h"
#include "lessons/kelvane/lesson3_common.h"
#include "lessons/panels.h"
#include "platform/basic.h"
#include "shell/shell.h"

namespace cw::kelvane3 {

using lesson::Reach;
using lesson::cont;
using lesson::put;

namespace {

// The answer's terms T$(15) (a) and T$(16) (b) from the sums T(5) and T(6):
// a zero term is left out, and the b-term leads when the a-term is gone.
void set_answer_texts(Program& g) {
    g.T_sa(15) = g.T_a(5) == 0 ? "" : g.T_sa(5) + "a";
    if (g.T_a(6) == 0) {
        g.T_sa(16) = "";
    } else if (g.T_a(5) == 0) {
        std::string b = g.T_sa(6);
        lesson::through_a(g, b, STRIP_LEADING_PLUS);
        g.T_sa(16) = b + "b";
    } else {
        g.T_sa(16) = g.T_sa(6) + "b";
    }
}

// Slots 1 to 6 as signed coefficient texts: a zero term and a coefficient 1
// are left out ("+" alone for 1), -1 is "-", a positive term gets its "+".
void term_rules(const NumArray& nums, StrArray& texts) {
    lesson::drop_zero_terms(nums, texts, 1, 6);
    lesson::unit_coefficients(nums, texts, 1, 6);
    lesson::add_plus_signs(nums, texts, 1, 6);
}

// The answer after "=": when every term cancelled, the sum is 0.
std::string answer_terms(Program& g) {
    std::string s = g.T_sa(15) + g.T_sa(16);
    return s.empty() ? "0" : s;
}

}  // namespace

// ---------------------------------------------------------------------------
// Adding across

void make_addition_problem(Program& g) {
    g.XI = 448;
    g.YI = 0;
    for (g.II = 1; g.II <= 4; g.II += 1) g.T_a(g.II) = lesson::signed_draw(g, {8, 2}, lesson::kCoin12);
    g.T_a(5) = g.T_a(1) + g.T_a(3);
    g.T_a(6) = g.T_a(2) + g.T_a(4);
    for (g.II = 1; g.II <= 6; g.II += 1) g.T_a(10 + g.II) = g.T_a(g.II);
    FORMAT_NUMBER_TABLES(g);

    term_rules(g.T_a, g.T_sa);
    if (g.T_a(13) > 0) g.T_sa(13) = "+" + g.T_sa(13);
    strip_plus(g, g.T_sa(1));
    strip_plus(g, g.T_sa(3));
    strip_plus(g, g.T_sa(5));

    set_answer_texts(g);
}

namespace {

void drill_addition(Program& g, const Reach& keep) {
    g.NO = 0;
    lesson::drill(g, [&] {
        make_addition_problem(g);
        auto& T_sa = g.T_sa;
        const std::string p1 = T_sa(1) + "a" + T_sa(2) + "b";
        const std::string p2 = T_sa(3) + "a" + T_sa(4) + "b";

        g.XI0 = g.XKARA;
        g.XI1 = g.XI0 + 54;
        g.YI1 = g.UE;
        lesson::erase_panel(g, keep);
        put(g, g.XI0, g.YI1, 3, "例4　次の2つの式をたしなさい。");
        put(g, g.XI1 + 27, g.YI1 + 55, 0, p1 + "," + p2);

        WAIT_ANY_KEY(g);
        put(g, g.XI1 + 27, g.YI1 + 65, 3, "(");
        cont(g, 0, p1);
        cont(g, 3, ")+(");
        cont(g, 0, p2);
        cont(g, 3, ")");

        WAIT_ANY_KEY(g);
        put(g, g.XI1, g.YI1 + 65, 0, "=" + p1 + T_sa(13) + "a" + T_sa(4) + "b");

        WAIT_ANY_KEY(g);
        put(g, g.XI1, g.YI1 + 65, 0, "=" + T_sa(1) + "a" + T_sa(13) + "a" + T_sa(2) + "b" + T_sa(4) + "b");

        WAIT_ANY_KEY(g);
        put(g, g.XI1, g.YI1 + 65, 5, "=" + answer_terms(g));
    });
}

}  // namespace

// Reads the panel (XKARA..YMADE) and UE; writes NO = 0, AINP, XI0 = XKARA, XI1, XI2, YI1 and what
// make_addition_problem writes; clobbers CCC1, X, Y, AA$ and what WAIT_ANY_KEY and ASK_NEXT_STEP clobber.
void DRILL_ADDITION(Program& g) { drill_addition(g, Reach{}); }

// Reads nothing; writes HIDARI, MIGI, UE, SITA, the panel, the layout cursor and what DRILL_ADDITION writes;
// clobbers what the drill, the method text and WAIT_ANY_KEY clobber.
void TEACH_ADDITION(Program& g) {
    lesson::two_panel_step(g, {}, drill_addition,
                           {{50, 7, "   <式の加法の計算>"},
                            {50, 0, "①　それぞれの式に（　）をつける。"},
                            {50, 0, "②　+ でつなぐ。"},
                            {50, 0, "③　（　）をはずす。"},
                            {50, 0, "④　同類項をまとめる。"}});
}

// ---------------------------------------------------------------------------
// Subtracting across

void make_subtraction_problem(Program& g) {
    g.YI = 0;
    for (g.II = 1; g.II <= 2; g.II += 1) g.T_a(g.II) = lesson::signed_draw(g, {8, 2}, lesson::kCoin12);
    g.T_a(3) = lesson::rnd_int(g, 8, 2);
    g.T_a(4) = lesson::rnd_int(g, 8, 2);
    g.P = lesson::rnd_int(g, 2, 1);
    if (g.P == 2)
        g.T_a(3) = -g.T_a(3);
    else
        g.T_a(4) = -g.T_a(4);
    for (int k = 1; k <= 4; ++k) g.F_a(k) = g.T_a(k);
    g.T_a(3) = -g.T_a(3);
    g.T_a(4) = -g.T_a(4);
    g.T_a(5) = g.T_a(1) + g.T_a(3);
    g.T_a(6) = g.T_a(2) + g.T_a(4);
    for (int k = 1; k <= 6; ++k) g.T_a(10 + k) = g.T_a(k);
    FORMAT_NUMBER_TABLES(g);

    // Both tables take the same term rules; slots 5 and 6 of F() are not
    // part of this problem and their texts are never shown.
    term_rules(g.T_a, g.T_sa);
    term_rules(g.F_a, g.F_sa);
    strip_plus(g, g.T_sa(1));
    strip_plus(g, g.F_sa(3));
    strip_plus(g, g.T_sa(5));
    strip_plus(g, g.F_sa(1));

    set_answer_texts(g);
}

namespace {

void drill_subtraction(Program& g, const Reach& keep) {
    g.NO = 0;
    lesson::drill(g, [&] {
        make_subtraction_problem(g);
        auto& T_sa = g.T_sa;
        auto& F_sa = g.F_sa;
        const std::string m = F_sa(1) + "a" + F_sa(2) + "b";
        const std::string s = F_sa(3) + "a" + F_sa(4) + "b";
        const std::string c = T_sa(13) + "a" + T_sa(4) + "b";

        g.XI0 = g.XKARA;
        g.XI1 = g.XI0 + 54;
        g.YI1 = g.UE;
        lesson::erase_panel(g, keep);
        put(g, g.XI0, g.YI1, 3, "例5 左の式から右の式をひこう。");
        put(g, g.XI1 + 40, g.YI1 + 55, 0, m + "," + s);

        WAIT_ANY_KEY(g);
        put(g, g.XI1 + 27, g.YI1 + 55, 3, "(");
        cont(g, 0, m);
        cont(g, 3, ")-(");
        cont(g, 0, s);
        cont(g, 3, ")");

        WAIT_ANY_KEY(g);
        put(g, g.XI1, g.YI1 + 55, 0, "=(");
        cont(g, 0, F_sa(1) + "a" + F_sa(2) + "b)");
        cont(g, 3, "+");
        cont(g, 0, "(");
        cont(g, 3, c);
        cont(g, 0, ")");

        WAIT_ANY_KEY(g);
        put(g, g.XI1, g.YI1 + 55, 0, "=" + T_sa(1) + "a" + T_sa(2) + "b" + T_sa(3) + "a" + T_sa(4) + "b");

        WAIT_ANY_KEY(g);
        put(g, g.XI1, g.YI1 + 55, 0, "=" + T_sa(1) + "a" + T_sa(3) + "a" + T_sa(2) + "b" + T_sa(4) + "b");

        WAIT_ANY_KEY(g);
        put(g, g.XI1, g.YI1 + 55, 5, "=" + answer_terms(g));
    });
}

}  // namespace

// Reads the panel (XKARA..YMADE) and UE; writes NO = 0, AINP, XI0 = XKARA, XI1, XI2, YI1 and what
// make_subtraction_problem writes; clobbers CCC1, X, Y, AA$ and what WAIT_ANY_KEY and ASK_NEXT_STEP clobber.
void DRILL_SUBTRACTION(Program& g) { drill_subtraction(g, Reach{}); }

// Reads nothing; writes HIDARI, MIGI, UE, SITA, the panel, the layout cursor and what DRILL_SUBTRACTION
// writes; clobbers what the drill, the method text and WAIT_ANY_KEY clobber.
void TEACH_SUBTRACTION(Program& g) {
    lesson::two_panel_step(g, {}, drill_subtraction,
                           {{50, 7, "   <式の減法の計算>"},
                            {50, 0, "①( )をつけ、- でつなぐ。"},
                            {50, 3, "②+( )にし、符号をすべて変える。"},
                            {50, 0, "③( )をはずし、計算する。"}});
}

}  // namespace cw::kelvane3
