// Lesson 4, step ③: the practice problems.  Block 1 (a, b) on the left,
// (±p·a^m) × (q·b^n) ÷ (-r·a^i b^j); block 2 (x, y) from x 640,
// (±r·x^m y^n) ÷ (-p·x^i) ÷ (q·y^j); p, q and r from three distinct primes.
// Each problem is revealed stage by stage: the fraction form, the expanded
// form, the struck coefficients and letters, the result.
#include "exprstr/exprstr.h"
#include "lessons/dorrith/cancel.h"
#include "lessons/dorrith/lesson4.h"
#include "lessons/draws.h"
#include "lessons/marks.h"
#include "lessons/panels.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace cw::dorrith4 {

using lesson::Keep;
using lesson::put;
using lesson::rnd_int;

namespace {

std::string sign_text(float s) { return s == 1 ? "" : "-"; }

// The three primes of a problem: the first from 2, 3, 5; the second from the two left of them; the third
// from the one left and 7.
void draw_primes(Program& g, float& first, float& second, float& third) {
    lesson::load_list(g.X_a, {2, 3, 5, 7});
    first = lesson::pick_and_remove(g, g.X_a, 3, 3);
    second = lesson::pick_and_remove(g, g.X_a, 2, 2);
    g.P = rnd_int(g, 2, 1);
    third = g.X_a(g.P);
}

// The texts of one side of a block: indices `f` (powers of the first monomial), `f + 10` (the divisor's).
void power_texts(Program& g, int f, const std::string& l, const std::string& m) {
    auto& F_a = g.F_a;
    auto& F_sa = g.F_sa;
    for (int base : {f, f + 10}) {
        F_sa(base + 1) = lesson::letter_power(l, F_a(base + 1));
        F_sa(base + 2) = lesson::letter_power(m, F_a(base + 2));
        F_sa(base + 3) = lesson::letter_power(l, F_a(base + 3));
        F_sa(base + 4) = lesson::letter_power(m, F_a(base + 4));
        F_sa(base + 5) = lesson::letter_factors(l, F_a(base + 1));
        F_sa(base + 6) = lesson::letter_factors(m, F_a(base + 2));
    }
}

}  // namespace

namespace {

// Where a block keeps the numbers of its problem.  Block 2 draws as block 1 does, into other slots: the
// prime kept in the answer is the first drawn in block 1 (its denominator) and the second in block 2 (its
// numerator); the powers of block 2 are 20 slots higher, and its divisors always hold their letter.
struct Slots {
    int first, second, third;  // T() of the three primes, in drawing order
    bool keep_first;           // the prime kept in the answer is the first (else the second)
    int kept;                  // T() of the kept prime
    int product, other;        // T() of the two-prime coefficient and of the answer's other prime
    int sign;                  // T() of the first monomial's sign; sign - 1 holds the answer's
    int powers;                // F() base: powers at +1, +2; the divisors' at +11, +12; the answer's at +3, +4, +13, +14
    bool divisor_may_lack;     // the divisors' powers are 0 or 1, never both 0 (else 1 or 2)
};
constexpr Slots kBlock1{4, 3, 5, true, 15, 2, 16, 12, 0, true};
constexpr Slots kBlock2{24, 23, 25, false, 6, 21, 5, 32, 20, false};

// The draws of one problem, in the order the blocks make them, and its numbers; then the number tables and
// the sign texts.
void make_problem(Program& g, const Slots& s) {
    auto& T_a = g.T_a;
    auto& F_a = g.F_a;
    draw_primes(g, T_a(s.first), T_a(s.second), T_a(s.third));
    const float kept = s.keep_first ? T_a(s.first) : T_a(s.second);
    const float not_kept = s.keep_first ? T_a(s.second) : T_a(s.first);
    T_a(s.kept) = kept;
    g.P = rnd_int(g, 2, 1);
    if (g.P == 1) {
        T_a(s.product) = T_a(s.third) * kept;
        T_a(s.other) = not_kept;
    } else {
        T_a(s.product) = kept * not_kept;
        T_a(s.other) = T_a(s.third);
    }
    T_a(s.sign) = rnd_int(g, 2, 1);
    if (T_a(s.sign) == 2) T_a(s.sign) = -1;
    T_a(s.sign - 1) = -1 * T_a(s.sign);
    const int f = s.powers;
    F_a(f + 1) = rnd_int(g, 2, 1);
    F_a(f + 2) = rnd_int(g, 2, 1);
    if (s.divisor_may_lack) {
        F_a(f + 11) = rnd_int(g, 2, 0);
        F_a(f + 12) = rnd_int(g, 2, 0);
        if (F_a(f + 11) == 0 && F_a(f + 12) == 0) F_a(f + 11) = 1;
    } else {
        F_a(f + 11) = rnd_int(g, 2, 1);
        F_a(f + 12) = rnd_int(g, 2, 1);
    }
    F_a(f + 3) = F_a(f + 1) - F_a(f + 11);
    F_a(f + 13) = F_a(f + 11) - F_a(f + 1);
    F_a(f + 4) = F_a(f + 2) - F_a(f + 12);
    F_a(f + 14) = F_a(f + 12) - F_a(f + 2);
    FORMAT_NUMBER_TABLES(g);
    g.T_sa(s.sign) = sign_text(T_a(s.sign));
    g.T_sa(s.sign - 1) = sign_text(T_a(s.sign - 1));
}

}  // namespace

// Reads nothing; writes T(2..5), T(11), T(12), T(15), T(16), F(1..4), F(11..14), X(1..4), P, II, B1$, B2$,
// T$(), F$(); clobbers what FORMAT_NUMBER_TABLES clobbers.  Nine RNDs.
void make_block1_problem(Dorrith& g) {
    make_problem(g, kBlock1);
    g.B1_s = "a";
    g.B2_s = "b";
    power_texts(g, 0, g.B1_s, g.B2_s);
}

// Reads nothing; writes T(5), T(6), T(21), T(23..25), T(31), T(32), F(21..24), F(31..34), X(1..4), P, II,
// A1$, A2$, T$(), F$(); clobbers what FORMAT_NUMBER_TABLES clobbers.  Nine RNDs.
void make_block2_problem(Program& g) {
    make_problem(g, kBlock2);
    g.A1_s = "x";
    g.A2_s = "y";
    power_texts(g, 20, g.A1_s, g.A2_s);
}

namespace {

// What the display of one problem draws, as its block builds it from the tables.
struct Texts {
    std::string problem;                  // the problem line
    std::string sign;                     // of the fraction form, the expanded form and the result
    std::string numerator, denominator;   // of the fraction form
    std::string numerator_written_out, denominator_written_out;
    std::string result_numerator, result_denominator;
};

std::string fraction(const std::string& sign, const std::string& num, const std::string& den) {
    return "=" + sign + "ﾀ" + num + "/" + den + "ﾀ";
}

Texts block1_texts(Program& g) {
    auto& T_sa = g.T_sa;
    auto& F_sa = g.F_sa;
    return {T_sa(12) + T_sa(5) + F_sa(1) + "*" + T_sa(3) + F_sa(2) + "/(-" + T_sa(2) + F_sa(11) + F_sa(12) + ")",
            T_sa(11),
            T_sa(5) + F_sa(1) + "*" + T_sa(3) + F_sa(2),
            T_sa(2) + F_sa(11) + F_sa(12),
            T_sa(5) + F_sa(5) + "*" + T_sa(3) + F_sa(6),
            T_sa(2) + F_sa(15) + F_sa(16),
            T_sa(16) + F_sa(3) + F_sa(4),
            T_sa(15) + F_sa(13) + F_sa(14)};
}

Texts block2_texts(Program& g) {
    auto& T_sa = g.T_sa;
    auto& F_sa = g.F_sa;
    return {T_sa(32) + T_sa(21) + F_sa(21) + F_sa(22) + "/(-" + T_sa(25) + F_sa(31) + ")" + "/" + T_sa(24) + F_sa(32),
            T_sa(31),
            T_sa(21) + F_sa(21) + F_sa(22),
            T_sa(25) + F_sa(31) + "*" + T_sa(24) + F_sa(32),
            T_sa(21) + F_sa(25) + F_sa(26),
            T_sa(25) + F_sa(35) + "*" + T_sa(24) + F_sa(36),
            T_sa(6) + F_sa(23) + F_sa(24),
            T_sa(5) + F_sa(33) + F_sa(34)};
}

// The factor texts Y$(1..6) and ITI for the cancellation routines.
void set_factors(Program& g, int block) {
    auto& T_sa = g.T_sa;
    auto& F_sa = g.F_sa;
    if (block == 1) {
        g.ITI = 0;
        lesson::load_texts(g.Y_sa, 1, {T_sa(5), F_sa(5), T_sa(2), F_sa(15) + F_sa(16), T_sa(3), F_sa(6)});
    } else {
        g.ITI = 1;
        lesson::load_texts(g.Y_sa, 1, {T_sa(21), F_sa(25) + F_sa(26), T_sa(25), F_sa(35), T_sa(24), F_sa(36)});
    }
}

// Reduces DS/DB and keeps the result in U(11), V(11); true when the pair had a common factor (YAK 1 or 2).
bool reduce_pair(Program& g, float ds, float db) {
    g.DS = ds;
    g.DB = db;
    FORMAT_REDUCED_FRACTION(g);
    g.U_a(11) = g.DS;
    g.V_a(11) = g.DB;
    return g.YAK == 1 || g.YAK == 2;
}

// X$(1) = Y$(upper) at (U(upper), V(upper)); X$(2) = `searched` at (U(lower), V(lower)).
void set_strike(Program& g, int upper, const std::string& searched, int lower) {
    g.X_sa(1) = g.Y_sa(upper);
    g.X1 = g.U_a(upper);
    g.Y1 = g.V_a(upper);
    g.X_sa(2) = searched;
    g.X2 = g.U_a(lower);
    g.Y2 = g.V_a(lower);
}

// Strikes the coefficients Y$(upper) and Y$(lower) when the pair reduced, and waits.
void strike_numbers(Program& g, bool reduced, int upper, int lower) {
    if (!reduced) return;
    set_strike(g, upper, g.Y_sa(lower), lower);
    dorrith::STRIKE_NUMBERS_SHOW_REDUCED(g);
    WAIT_ANY_KEY(g);
}

// The two letter passes: Y$(walked) against Y$(searched), then the third factor's letters Y$(6) against
// what the first pass left of the searched letters (kept in X$(5)).
void strike_letters(Program& g, int walked, int searched) {
    set_strike(g, walked, g.Y_sa(searched), searched);
    dorrith::STRIKE_COMMON_LETTERS(g);
    g.X_sa(5) = g.X_sa(2);
    set_strike(g, 6, g.X_sa(5), searched);
    dorrith::STRIKE_COMMON_LETTERS(g);
}

// One problem of a block, drawn from its texts (the numbers and texts are made already).
void show_problem(Program& g, int block, const Texts& t) {
    const float left = block == 1 ? 0 : 640;  // the erases' left edge
    g.XI0 = block == 1 ? 40 : 640;
    g.XI1 = g.XI0 + 40;
    g.YI1 = 30;
    lesson::erase_by(g, left, 0, 1760, 180);
    if (block == 1) put(g, g.XI0, g.YI1, 3, "問　次の計算をしなさい。");
    put(g, g.XI0, g.YI1 + 80, 3, block == 1 ? "①" : "②");
    put(g, g.XI1 + 32, g.YI1, lesson::parity_colour(g.NO, 3, 7), t.problem);
    WAIT_ANY_KEY(g);

    lesson::erase_by(g, left, g.YI1 + 60, 1760, 1300);
    g.YI1 = g.YI1 + 120;
    const lesson::TextLayout form =
        lesson::layout_text(g, g.XI1, g.YI1, fraction(t.sign, t.numerator, t.denominator));
    g.U_a(1) = form.last.numerator.x;
    g.V_a(1) = form.last.numerator.y;
    g.U_a(2) = form.last.denominator.x;
    g.V_a(2) = form.last.denominator.y;
    g.NAGA = form.last.naga;
    put(g, g.XI1, g.YI1, 0, "=");
    WAIT_ANY_KEY(g);

    put(g, g.XI2, g.YI1, 0, t.sign);
    g.BSEN = g.YI1 + 25;
    lesson::draw_fraction_bar(g, g.X, g.BSEN, g.NAGA, 0);
    WAIT_ANY_KEY(g);

    lesson::draw_fraction_part(g, {g.U_a(2), g.V_a(2)}, t.denominator, 0, Keep::Pen);
    WAIT_ANY_KEY(g);
    lesson::draw_fraction_part(g, {g.U_a(1), g.V_a(1)}, t.numerator, 0, Keep::Pen);
    WAIT_ANY_KEY(g);

    const lesson::FractionAnchors written =
        lesson::put_fraction(g, g.XI1, g.YI1 + 120, 0, fraction(t.sign, t.numerator_written_out, t.denominator_written_out));
    WAIT_ANY_KEY(g);
    g.U_a(1) = written.numerator.x;
    g.V_a(1) = written.numerator.y;
    g.U_a(3) = written.denominator.x;
    g.V_a(3) = written.denominator.y;

    set_factors(g, block);
    dorrith::LAYOUT_FACTOR_POSITIONS(g);
    if (block == 1) {
        strike_numbers(g, reduce_pair(g, g.T_a(5), g.T_a(2)), 1, 3);
        strike_numbers(g, reduce_pair(g, g.T_a(3), g.V_a(11)), 5, 3);
        strike_letters(g, 2, 4);
    } else {
        strike_numbers(g, reduce_pair(g, g.T_a(21), g.T_a(25)), 1, 3);
        strike_numbers(g, reduce_pair(g, g.U_a(11), g.T_a(24)), 1, 5);
        strike_letters(g, 4, 2);
    }
    WAIT_ANY_KEY(g);

    put(g, g.XI1, g.YI1 + 120, 5, fraction(t.sign, t.result_numerator, t.result_denominator));
}

}  // namespace

// Reads nothing; writes the screen (width 5), AINP, NO, the problem tables (T(), F(), T$(), F$(), X(), U(),
// V(), X$(), Y$(), U$(11), V$(11)), XI0, XI1, XI2, YI1, BSEN, NAGA, ITI, X1, Y1, X2, Y2, DS, DB, YAK; clobbers
// what the typesetter, FORMAT_REDUCED_FRACTION, WAIT_ANY_KEY and ASK_NEXT_STEP clobber.
void run_practice(Dorrith& g) {
    lesson::erase_by(g, 0, 0, 1760, 1300);
    g.pf.SETDRAWWIDTH(5);
    lesson::drill(g, lesson::Count::Finished, [&] {
        make_block1_problem(g);
        show_problem(g, 1, block1_texts(g));
    });
    lesson::drill(g, lesson::Count::Finished, [&] {
        make_block2_problem(g);
        show_problem(g, 2, block2_texts(g));
    });
    lesson::assignment(g, 352, 570, 7, "19", "5,問6");
}

}  // namespace cw::dorrith4
