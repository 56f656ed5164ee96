#include "lessons/kelvane/lesson4_common.h"

#include "exprstr/exprstr.h"
#include "figures/figures.h"
#include "platform/basic.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace cw::kelvane4::detail {

using lesson::cont;
using lesson::put;
using lesson::rnd_int;

void set_panel(Kelvane& g, const Panel& p) {
    g.XKARA = p.xkara;
    g.YKARA = p.ykara;
    g.XMADE = p.xmade;
    g.YMADE = p.ymade;
    g.XHAJIME = p.xhajime;
    g.YHAJIME = p.yhajime;
}

void erase_panel(Kelvane& g) { lesson::erase(g, g.XKARA, g.YKARA, g.XMADE, g.YMADE); }

void start_problem(Kelvane& g) {
    erase_panel(g);
    g.XI1 = g.XHAJIME;
    g.YI1 = g.YHAJIME;
}

void dist_arc(Program& g, float x0, float y0, float x1, float y1, float c, float height) {
    g.AAA_s.clear();
    g.AAAX = 0;
    g.AAAY = 0;
    g.MU_DO = 0;
    g.ZX0 = x0;
    g.ZY0 = y0;
    g.ZX1 = x1;
    g.ZY1 = y1;
    g.CCC2 = c;
    g.HOUKOU = x1 < x0 ? 1.0f : -1.0f;
    g.HABA = 1;
    g.TAKASA = height;
    DRAW_DIMENSION_ARC(g);
}

void reveal_products(Kelvane& g, const std::vector<ArcTo>& arcs, const std::vector<std::string>& products,
                     float x, float y) {
    for (size_t k = 0; k < arcs.size(); ++k) {
        const ArcTo& a = arcs[k];
        WAIT_ANY_KEY(g);
        dist_arc(g, a.x0, a.y0, a.x1, a.y1, a.colour, a.height);
        WAIT_ANY_KEY(g);
        put(g, k == 0 ? x : g.XI3, k == 0 ? y : g.YI3, 5, products[k], lesson::Keep::None);
        g.XI3 = g.X;
        g.YI3 = g.Y;
    }
}

void strike_number(Program& g, float x, float y, float n, const std::string& reduced, float pitch, float rise) {
    g.pf.LINE(x, y + rise, x + pitch * n, y, 3);
    lesson::put(g, x, y - 30, 3, reduced, lesson::Keep::None);
}

void strike_denominator(Program& g, float x, float y, float n, float pitch, bool plain) {
    g.pf.LINE(x, y + 28, x + pitch * n, y, 3);
    if (!plain) {
        lesson::put(g, x, y + 28, 3, "1", lesson::Keep::None);
        return;
    }
    g.CCC1 = 3;
    g.X = x;
    g.Y = y + 28;
    g.AA_s = "1";
    DRAW_PLAIN_TEXT(g);
}

float draw_unlike(float previous, const std::function<float()>& draw) {
    constexpr int kAttempts = 1000;
    float v = draw();
    for (int k = 1; k < kAttempts && v == previous; ++k) v = draw();
    return v;
}

void edit(Program& g, std::string& text, void (*routine)(Program&)) {
    g.A_s = text;
    routine(g);
    text = g.A_s;
}

namespace {

// The k-th product's cancellation (k = 1, 2): its coefficient T$(k + 1),
// from (U(2k - 1), V(2k - 1)) moved `shift` right, struck with T$(k + 11)
// above it; its denominator, from (U(2k), V(2k)), struck with "1" below it.
void cancel_product(Program& g, int k, float shift) {
    g.U_a(2 * k - 1) += shift;
    g.LE = static_cast<float>(KLEN(g.T_sa(k + 1)));
    strike_number(g, g.U_a(2 * k - 1), g.V_a(2 * k - 1), g.LE, g.T_sa(k + 11));
    g.LE = static_cast<float>(KLEN(g.F_sa(1)));
    strike_denominator(g, g.U_a(2 * k), g.V_a(2 * k), g.LE);
}

// The end of a worked distribution, one stage a key from the first: the
// first product's cancellation, the result's first term 100 below the
// products line, the second product's cancellation, the result's second
// term, which ends in `letter`.  With `bracketed` a negative term stands in
// "(-" ... ")", whose width LLT is measured once; otherwise a term carries its
// sign (27 wide), the second one always.
void cancel_and_solve(Program& g, const std::string& letter, bool bracketed) {
    lesson::reveal(g, {
        [&] {
            for (int slot : {12, 13, 2, 3}) edit(g, g.T_sa(slot), STRIP_LEADING_SIGN);
            if (bracketed) {
                g.A_s = "(-";
                MEASURE_EXPRESSION_TEXT(g);
            }
            cancel_product(g, 1, g.T_a(2) < 0 ? (bracketed ? g.LLT : 27) : 0);
        },
        [&] {
            edit(g, g.T_sa(4), STRIP_LEADING_PLUS);
            put(g, g.XI1, g.YI1 + 100, 5, "=" + g.T_sa(4) + "x");
        },
        [&] {
            cancel_product(g, 2, bracketed ? (g.T_a(3) < 0 ? g.LLT : 0) : 27);
            g.BUN = 0;
        },
        [&] { cont(g, 5, g.T_sa(5) + letter); },
    });
}

}  // namespace

void fraction_solution(Program& g, const std::string& letter) {
    lesson::reveal(g, {
        [&] {
            g.A_s = g.T_sa(2) + "x";
            if (g.T_a(2) < 0) PARENTHESIZE_IF_NEGATIVE(g);
            g.T_sa(22) = g.A_s;
            put(g, g.XI1, g.YI1 + 90, 0, "=");
            cont(g, 0, g.RAB_sa(1) + "*");
            g.U_a(2) = g.TBBOYAKX;
            g.V_a(2) = g.TBBOYAKY;
            g.U_a(1) = g.XI2;
            g.V_a(1) = g.YI1;
            cont(g, 0, g.T_sa(22));
        },
        [&] { dist_arc(g, g.X_a(1), g.Y_a(1) - 20, g.X_a(3), g.Y_a(1), 7, 2); },
        [&] {
            if (g.T_a(1) > 0) g.RAB_sa(1) = "+" + g.RAB_sa(1);
            g.A_s = g.T_sa(3) + letter;
            if (g.T_a(3) > 0)
                STRIP_LEADING_PLUS(g);
            else
                PARENTHESIZE_IF_NEGATIVE(g);
            g.T_sa(23) = g.A_s;
            cont(g, 0, g.RAB_sa(1) + "*");
            g.U_a(4) = g.TBBOYAKX;
            g.V_a(4) = g.TBBOYAKY;
            g.U_a(3) = g.XI2;
            g.V_a(3) = g.YI1;
            cont(g, 0, g.T_sa(23));
        },
    });
    WAIT_ANY_KEY(g);
    cancel_and_solve(g, letter, true);
}

void division_solution(Program& g, const std::string& letter) {
    WAIT_ANY_KEY(g);
    put(g, g.XI1, g.YI1 + 100, 0, "=(");
    g.X_a(2) = g.XI2 + 27;
    g.Y_a(2) = g.YI1;
    cont(g, 0, g.T_sa(2) + "x");
    g.X_a(3) = g.XI2 + 27;
    g.Y_a(3) = g.YI1;
    cont(g, 0, g.T_sa(3) + letter + ")*");
    g.X_a(1) = g.XI2 + 27;
    g.Y_a(1) = g.YI1;
    cont(g, 0, g.RAB_sa(1));
    WAIT_ANY_KEY(g);
    g.A_s = "(-";
    MEASURE_EXPRESSION_TEXT(g);
    if (g.T_a(1) < 0) g.X_a(1) += g.LLT;
    if (g.T_a(2) < 0) g.X_a(2) += 27;
    dist_arc(g, g.X_a(1), g.Y_a(1) - 20, g.X_a(2), g.Y_a(1), 9, 2);
    WAIT_ANY_KEY(g);
    dist_arc(g, g.X_a(1), g.Y_a(1) - 20, g.X_a(3) + 27, g.Y_a(1), 7, 1);
    WAIT_ANY_KEY(g);
    put(g, g.XI1, g.YI1 + 90, 0, "=");
    g.U_a(1) = g.XI2;
    g.V_a(1) = g.YI1;
    cont(g, 0, g.T_sa(2) + "x*");
    cont(g, 0, g.RAB_sa(1));
    g.U_a(2) = g.TBBOYAKX;
    g.V_a(2) = g.TBBOYAKY;
    g.U_a(3) = g.XI2;
    g.V_a(3) = g.YI1;
    cont(g, 0, g.T_sa(3) + letter + "*");
    cont(g, 0, g.RAB_sa(1));
    g.U_a(4) = g.TBBOYAKX;
    g.V_a(4) = g.TBBOYAKY;
    WAIT_ANY_KEY(g);
    cancel_and_solve(g, letter, false);
}

float signed_draw(Program& g, float n, float k, float negate_on) {
    float v = rnd_int(g, n, k);
    g.P = rnd_int(g, 2, 0);
    return g.P == negate_on ? -v : v;
}

namespace {

// The term rule of a coefficient before a letter: 1 gives "", -1 "-"; then a
// positive value gets "+".
void signed_coefficient(Program& g, int slot) {
    if (g.T_a(slot) == 1)
        g.T_sa(slot) = "";
    else if (g.T_a(slot) == -1)
        g.T_sa(slot) = "-";
    if (g.T_a(slot) > 0) g.T_sa(slot) = "+" + g.T_sa(slot);
}

// Candidate list 2, 3, 5 in X(1..3), and with `close_up` 1 in X(4); F(1) =
// X(P) for a draw P from 1 to 3; with `close_up` the entries behind it move
// down one place.
void pick_from_list(Program& g, bool close_up) {
    g.X_a(1) = 2;
    g.X_a(2) = 3;
    g.X_a(3) = 5;
    if (close_up) g.X_a(4) = 1;
    g.P = rnd_int(g, 3, 1);
    g.F_a(1) = g.X_a(to_int(g.P));
    if (!close_up) return;
    for (g.II = g.P; g.II <= 3; g.II += 1) g.X_a(to_int(g.II)) = g.X_a(to_int(g.II) + 1);
}

// The binomial's multiples of F(1): T(12), T(13) from 1 to 5 in size, each
// with its sign; a = T(2) and b = T(3).
void draw_binomial(Program& g) {
    g.T_a(12) = signed_draw(g, 5, 1, 0);
    g.T_a(13) = signed_draw(g, 5, 1, 0);
    g.T_a(2) = g.T_a(12) * g.F_a(1);
    g.T_a(3) = g.T_a(13) * g.F_a(1);
}

// RAB$(1) = the fraction DS/DB; the tables; "+" before a positive b; the term
// rule on T$(4), and on T$(5) when a letter follows it, else only its "+".
void binomial_texts(Program& g, float ds, float db, bool letter_last) {
    g.DS = ds;
    g.DB = db;
    FORMAT_REDUCED_FRACTION(g);
    g.RAB_sa(1) = g.A2_s;
    FORMAT_NUMBER_TABLES(g);
    if (g.T_a(3) > 0) g.T_sa(3) = "+" + g.T_sa(3);
    signed_coefficient(g, 4);
    if (letter_last)
        signed_coefficient(g, 5);
    else if (g.T_a(5) > 0)
        g.T_sa(5) = "+" + g.T_sa(5);
}

}  // namespace

void draw_fraction_times_binomial(Program& g, bool letter_last) {
    pick_from_list(g, true);
    g.P = rnd_int(g, 3, 1);
    g.T_a(1) = g.X_a(to_int(g.P));
    g.P = rnd_int(g, 2, 0);
    if (g.P == 0) g.T_a(1) = -g.T_a(1);
    draw_binomial(g);
    g.T_a(4) = g.T_a(1) * g.T_a(12);
    g.T_a(5) = g.T_a(1) * g.T_a(13);
    binomial_texts(g, g.T_a(1), g.F_a(1), letter_last);
}

void draw_division_by_number(Program& g, bool letter_last) {
    pick_from_list(g, letter_last);
    g.T_a(1) = g.F_a(1);
    g.P = rnd_int(g, 2, 0);
    if (g.P == 0) g.T_a(1) = -g.T_a(1);
    draw_binomial(g);
    g.T_a(4) = g.T_a(2) / g.T_a(1);
    g.T_a(5) = g.T_a(3) / g.T_a(1);
    binomial_texts(g, 1, g.T_a(1), letter_last);
    if (g.T_a(1) < 0) {
        edit(g, g.T_sa(1), PARENTHESIZE_IF_NEGATIVE);
        edit(g, g.RAB_sa(1), PARENTHESIZE_IF_NEGATIVE);
    }
}

}  // namespace cw::kelvane4::detail
