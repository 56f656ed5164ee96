#include "lessons/kelvane/lesson4_common.h"

#include "exprstr/exprstr.h"
#include "lessons/draws.h"
#include "lessons/panels.h"
#include "platform/basic.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace cw::kelvane4::detail {

using lesson::cont_keeping_start;
using lesson::cont;
using lesson::put;
using lesson::reveal;
using lesson::rnd_int;

void reveal_products(Kelvane& g, const std::vector<ArcTo>& arcs, const std::vector<std::string>& products,
                     float x, float y) {
    for (size_t k = 0; k < arcs.size(); ++k) {
        const ArcTo& a = arcs[k];
        WAIT_ANY_KEY(g);
        lesson::distribution_arc(g, a.from, a.to, a.height, a.colour, a.side);
        WAIT_ANY_KEY(g);
        put(g, k == 0 ? x : g.XI3, k == 0 ? y : g.YI3, 5, products[k], lesson::Keep::None);
        g.XI3 = g.X;
        g.YI3 = g.Y;
    }
}

namespace {

// The k-th product's cancellation (k = 1, 2): its coefficient T$(k + 1),
// from (U(2k - 1), V(2k - 1)) moved `shift` right, struck with T$(k + 11)
// above it; its denominator, from (U(2k), V(2k)), struck with "1" below it.
void cancel_product(Program& g, int k, float shift) {
    g.U_a(2 * k - 1) += shift;
    g.LE = static_cast<float>(KLEN(g.T_sa(k + 1)));
    lesson::strike_number(g, {g.U_a(2 * k - 1), g.V_a(2 * k - 1)}, to_int(g.LE), g.T_sa(k + 11));
    g.LE = static_cast<float>(KLEN(g.F_sa(1)));
    lesson::strike_denominator(g, {g.U_a(2 * k), g.V_a(2 * k)}, to_int(g.LE));
}

// The end of a worked distribution, one stage a key from the first: the
// first product's cancellation, the result's first term 100 below the
// products line, the second product's cancellation, the result's second
// term, which ends in `letter`.  With `bracketed` a negative term stands in
// "(-" ... ")", whose width LLT is measured once; otherwise a term carries its
// sign (27 wide), the second one always.
void cancel_and_solve(Program& g, const std::string& letter, bool bracketed) {
    reveal(g, {
        [&] {
            for (int slot : {12, 13, 2, 3}) lesson::through_a(g, g.T_sa(slot), STRIP_LEADING_SIGN);
            if (bracketed) lesson::measure(g, "(-");
            cancel_product(g, 1, g.T_a(2) < 0 ? (bracketed ? g.LLT : 27) : 0);
        },
        [&] {
            lesson::through_a(g, g.T_sa(4), STRIP_LEADING_PLUS);
            put(g, g.XI1, g.YI1 + 100, 5, "=" + g.T_sa(4) + "x");
        },
        [&] {
            cancel_product(g, 2, bracketed ? (g.T_a(3) < 0 ? g.LLT : 0) : 27);
            g.BUN = 0;
        },
        [&] { cont(g, 5, g.T_sa(5) + letter); },
    });
}

// The k-th product of a fraction's distribution, continuing the products
// line: RAB$(1) + "*", whose denominator anchor goes to U(2k), V(2k), then
// `term`, whose start goes to U(2k - 1), V(2k - 1).
void fraction_product(Program& g, int k, const std::string& term) {
    cont(g, 0, g.RAB_sa(1) + "*");
    g.U_a(2 * k) = g.TBBOYAKX;
    g.V_a(2 * k) = g.TBBOYAKY;
    g.U_a(2 * k - 1) = g.XI2;
    g.V_a(2 * k - 1) = g.YI1;
    cont(g, 0, term);
}

}  // namespace

void fraction_solution(Program& g, const std::string& letter) {
    reveal(g, {
        [&] {
            g.A_s = g.T_sa(2) + "x";
            if (g.T_a(2) < 0) PARENTHESIZE_IF_NEGATIVE(g);
            g.T_sa(22) = g.A_s;
            put(g, g.XI1, g.YI1 + 90, 0, "=");
            fraction_product(g, 1, g.T_sa(22));
        },
        [&] { lesson::distribution_arc(g, {g.X_a(1), g.Y_a(1) - 20}, {g.X_a(3), g.Y_a(1)}, 2, 7, -1); },
        [&] {
            if (g.T_a(1) > 0) g.RAB_sa(1) = "+" + g.RAB_sa(1);
            g.A_s = g.T_sa(3) + letter;
            if (g.T_a(3) > 0)
                STRIP_LEADING_PLUS(g);
            else
                PARENTHESIZE_IF_NEGATIVE(g);
            g.T_sa(23) = g.A_s;
            fraction_product(g, 2, g.T_sa(23));
        },
    });
    WAIT_ANY_KEY(g);
    cancel_and_solve(g, letter, true);
}

void division_solution(Program& g, const std::string& letter) {
    WAIT_ANY_KEY(g);
    put(g, g.XI1, g.YI1 + 100, 0, "=(");
    cont_keeping_start(g, 2, 27, 0, g.T_sa(2) + "x");
    cont_keeping_start(g, 3, 27, 0, g.T_sa(3) + letter + ")*");
    cont_keeping_start(g, 1, 27, 0, g.RAB_sa(1));
    WAIT_ANY_KEY(g);
    lesson::measure(g, "(-");
    if (g.T_a(1) < 0) g.X_a(1) += g.LLT;
    if (g.T_a(2) < 0) g.X_a(2) += 27;
    lesson::distribution_arc(g, {g.X_a(1), g.Y_a(1) - 20}, {g.X_a(2), g.Y_a(1)}, 2, 9, 1);
    WAIT_ANY_KEY(g);
    lesson::distribution_arc(g, {g.X_a(1), g.Y_a(1) - 20}, {g.X_a(3) + 27, g.Y_a(1)}, 1, 7, 1);
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

namespace {

// The term rule of a coefficient before a letter: 1 gives "", -1 "-"; then a
// positive value gets "+".
void signed_coefficient(Program& g, int slot) {
    lesson::unit_coefficients(g.T_a, g.T_sa, slot, slot);
    lesson::add_plus_signs(g.T_a, g.T_sa, slot, slot);
}

// F(1) from the candidate list 2, 3, 5 in X(1..3) by a draw P from 1 to 3;
// with `close_up` the list holds 1 in X(4) as well and the entries behind
// the one taken move down one place.
void pick_from_list(Program& g, bool close_up) {
    if (close_up) {
        lesson::load_list(g.X_a, {2, 3, 5, 1});
        g.F_a(1) = lesson::pick_and_remove(g, g.X_a, 3, 3);
        return;
    }
    lesson::load_list(g.X_a, {2, 3, 5});
    g.P = rnd_int(g, 3, 1);
    g.F_a(1) = g.X_a(to_int(g.P));
}

// The binomial's multiples of F(1): T(12), T(13) from 1 to 5 in size, each
// with its sign; a = T(2) and b = T(3).
void draw_binomial(Program& g) {
    g.T_a(12) = lesson::signed_draw(g, {5, 1}, lesson::kCoinNegOn0);
    g.T_a(13) = lesson::signed_draw(g, {5, 1}, lesson::kCoinNegOn0);
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
        lesson::through_a(g, g.T_sa(1), PARENTHESIZE_IF_NEGATIVE);
        lesson::through_a(g, g.RAB_sa(1), PARENTHESIZE_IF_NEGATIVE);
    }
}

}  // namespace cw::kelvane4::detail
