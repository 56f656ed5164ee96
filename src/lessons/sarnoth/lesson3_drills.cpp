// Lesson 3, steps ③, ⑥ and ⑧: the random drills of solving for a letter.
// Each new problem redraws only the drill's head; the previous problem's
// stages stay until the first key of the new one.
#include "exprstr/exprstr.h"
#include "lessons/sarnoth/lesson3.h"
#include "lessons/draws.h"
#include "lessons/panels.h"
#include "lessons/toolkit.h"
#include "platform/basic.h"
#include "shell/shell.h"

namespace cw::sarnoth3 {

using lesson::below;
using lesson::cont;
using lesson::put;

namespace {

// The drill panel: its head from (U(31), V(31)) = (40, 30), 600 wide, redrawn for every problem.
lesson::ProblemArea head(Program& g, float h) { return {g.U_a(31), g.V_a(31), 600, h}; }

// Step entry of every drill: the screen erased, the panel corner at (40, 30).
void start_drill(Program& g) {
    lesson::erase_by(g, 0, 0, 1320, 1300);
    g.XI0 = 40;
    g.YI1 = 30;
    g.U_a(31) = 40;
    g.V_a(31) = 30;
}

// The panel head erased and "練習" with the instruction after it; XI1 = U(31) + 80, YI1 = 30.
void drill_head(Program& g, float h, const std::string& instruction) {
    lesson::erase_problem_head(g, head(g, h));
    g.XI1 = g.U_a(31) + 80;
    g.YI1 = 30;
    put(g, g.XI0, g.YI1, 3, "練習");
    cont(g, 0, instruction);
}

// The previous problem's working erased from dy below the problem line, at the first key of a problem.
void clear_working(Program& g, float dy) { lesson::erase_solution(g, head(g, 0), g.YI1 + dy); }

// Two different primes from 2, 3, 5, 7, 11: the first, one of the first four, by pick and remove into
// T(first); the second, again one of the first four of what is left, into T(second).
void pick_two_primes(Program& g, int first, int second) {
    lesson::load_list(g.X_a, {2, 3, 5, 7, 11});
    g.T_a(first) = lesson::pick_and_remove(g, g.X_a, 4, 4);
    g.P = lesson::rnd_int(g, 4, 1);
    g.T_a(second) = g.X_a(g.P);
}

}  // namespace

// ---------------------------------------------------------------------------
// ③ 練習１: N·A - B = N·K, solved for A.

// Reads RND; writes T(4..6), T$(), P, X$(1..2); clobbers I, A$.
void make_first_letter_problem(Program& g) {
    g.T_a(4) = lesson::rnd_int(g, 8, 2);
    g.T_a(6) = lesson::rnd_int(g, 2, 2);
    g.T_a(5) = g.T_a(4) * g.T_a(6);
    FORMAT_NUMBER_TABLES(g);
    static const char* const letters[3][2] = {{"a", "b"}, {"m", "n"}, {"x", "y"}};
    g.P = lesson::rnd_int(g, 3, 1);
    lesson::load_texts(g.X_sa, 1, {letters[to_int(g.P) - 1][0], letters[to_int(g.P) - 1][1]});
}

// Reads RND; writes U(31), V(31), XI0, XI1, XI2, YI1, NO, AINP and what make_first_letter_problem writes; clobbers X, Y, CCC1, AA$.
void DRILL_SOLVE_FOR_FIRST_LETTER(Program& g) {
    start_drill(g);
    lesson::drill(g, lesson::Count::Finished, [&] {
        make_first_letter_problem(g);
        const std::string a = g.X_sa(1), b = g.X_sa(2);
        const std::string n = g.T_sa(4), nk = g.T_sa(5), k = g.T_sa(6);
        drill_head(g, 110, " 次の等式を" + a + "について解きなさい。");
        put(g, g.XI1 + 32, g.YI1 + 60, lesson::parity_colour(g.NO, 3, 0), n + a + "-" + b + "=" + nk);

        WAIT_ANY_KEY(g);
        clear_working(g, 50);
        put(g, g.XI1 + 36, g.YI1 + 50, 7, "-" + b + " を移項して");
        below(g, g.XI1, 50, 0, n + a + "=" + nk + "+" + b);

        WAIT_ANY_KEY(g);
        below(g, g.XI1 + 36, 60, 7, "両辺を" + n + " でわって");
        below(g, g.XI1, 80, 0, "ﾀ" + n + a + "/" + n + "ﾀ=ﾀ" + nk + "+" + b + "/" + n + "ﾀ");

        WAIT_ANY_KEY(g);
        below(g, g.XI1, 80, 0, a + "=ﾀ" + nk + "/" + n + "ﾀ+ﾀ" + b + "/" + n + "ﾀ");

        WAIT_ANY_KEY(g);
        below(g, g.XI1, 90, 5, a + "=" + k + "+ﾀ" + b + "/" + n + "ﾀ");
    });
    lesson::assignment(g, 352, 570, 7, "28", "1");
}

// ---------------------------------------------------------------------------
// ⑥ 練習２: C = pB/(qA), solved for B.

// Reads RND; writes X(1..5), P, II, T(1) = q, T(2) = p, T$(), A1$, B1$, C1$; clobbers I, A$.
void make_fraction_formula_problem(Sarnoth& g) {
    pick_two_primes(g, 1, 2);
    FORMAT_NUMBER_TABLES(g);
    static const char* const sets[6][3] = {{"a", "b", "k"}, {"b", "a", "k"}, {"x", "y", "Z"},
                                           {"y", "x", "Z"}, {"m", "n", "r"}, {"n", "m", "r"}};
    g.P = lesson::rnd_int(g, 6, 1);
    const auto& set = sets[to_int(g.P) - 1];
    g.A1_s = set[0];
    g.B1_s = set[1];
    g.C1_s = set[2];
}

// Reads RND; writes U(31), V(31), XI0, XI1, XI2, YI1, NO, AINP and what make_fraction_formula_problem writes; clobbers X, Y, CCC1, AA$.
void DRILL_SOLVE_FRACTION_FORMULA(Sarnoth& g) {
    start_drill(g);
    lesson::drill(g, lesson::Count::Finished, [&] {
        make_fraction_formula_problem(g);
        const std::string q = g.T_sa(1), p = g.T_sa(2), a = g.A1_s, b = g.B1_s, c = g.C1_s;
        // The head down to y = 165: past the descender of a "y" under the bar (its ink ends at 163), short of
        // the first working line at 170, which stays until the first key and erases from there down.
        drill_head(g, 135, " 次の等式を【 】内の文字について解きなさい。");
        put(g, g.XI1 + 32, g.YI1 + 70, lesson::parity_colour(g.NO, 3, 0), c + "=ﾀ" + p + b + "/" + q + a + "ﾀ 【" + b + "】");

        WAIT_ANY_KEY(g);
        clear_working(g, 70);
        put(g, g.XI1 + 36, g.YI1 + 70, 7, "両辺をいれかえて");
        WAIT_ANY_KEY(g);
        below(g, g.XI1, 70, 0, "ﾀ" + p + b + "/" + q + a + "ﾀ=" + c);
        WAIT_ANY_KEY(g);
        below(g, g.XI1 + 36, 70, 7, q + a + "を両辺にかけて");
        WAIT_ANY_KEY(g);
        below(g, g.XI1, 70, 0, p + b + "=" + q + a + c);
        WAIT_ANY_KEY(g);
        below(g, g.XI1 + 36, 70, 7, p + "で両辺をわって");
        WAIT_ANY_KEY(g);
        below(g, g.XI1, 70, 5, b + "=ﾀ" + q + a + c + "/" + p + "ﾀ");
    });
    put(g, 352, 570, 3, "教科書P28 問2 をしなさい。");
}

// ---------------------------------------------------------------------------
// ⑧ 練習３: pB = q(A + c), solved for A.

// Reads RND; writes X(1..5), P, II, T(1) = q, T(3) = p, T(2) = c, T$(), A1$, B1$; clobbers I, A$.
void make_parentheses_formula_problem(Sarnoth& g) {
    pick_two_primes(g, 1, 3);
    g.T_a(2) = lesson::rnd_int(g, 4, 2);
    FORMAT_NUMBER_TABLES(g);
    static const char* const sets[3][2] = {{"a", "b"}, {"x", "y"}, {"m", "n"}};
    g.P = lesson::rnd_int(g, 3, 1);
    g.A1_s = sets[to_int(g.P) - 1][0];
    g.B1_s = sets[to_int(g.P) - 1][1];
}

// Reads RND; writes U(31), V(31), XI0, XI1, XI2, YI1, NO, AINP and what make_parentheses_formula_problem writes; clobbers X, Y, CCC1, AA$.
void DRILL_SOLVE_FORMULA_WITH_PARENTHESES(Sarnoth& g) {
    start_drill(g);
    lesson::drill(g, lesson::Count::Finished, [&] {
        make_parentheses_formula_problem(g);
        const std::string q = g.T_sa(1), c = g.T_sa(2), p = g.T_sa(3), a = g.A1_s, b = g.B1_s;
        drill_head(g, 110, " 次の等式を【 】内の文字について解きなさい。");
        put(g, g.XI1 + 32, g.YI1 + 60, lesson::parity_colour(g.NO, 3, 0), p + b + "=" + q + "(" + a + "+" + c + ") 【" + a + "】");

        WAIT_ANY_KEY(g);
        clear_working(g, 50);
        put(g, g.XI1 + 36, g.YI1 + 60, 7, "両辺を入れかえる");
        WAIT_ANY_KEY(g);
        below(g, g.XI1, 60, 0, q + "(" + a + "+" + c + ")=" + p + b);
        WAIT_ANY_KEY(g);
        below(g, g.XI1 + 36, 60, 7, q + "でわって");
        WAIT_ANY_KEY(g);
        below(g, g.XI1, 80, 0, a + "+" + c + "=ﾀ" + p + b + "/" + q + "ﾀ");
        WAIT_ANY_KEY(g);
        below(g, g.XI1 + 36, 60, 7, c + "を移項する。");
        WAIT_ANY_KEY(g);
        below(g, g.XI1, 70, 5, a + "=ﾀ" + p + b + "/" + q + "ﾀ-" + c);
    });
    lesson::assignment(g, 352, 570, 3, "28", "3");
}

}  // namespace cw::sarnoth3
