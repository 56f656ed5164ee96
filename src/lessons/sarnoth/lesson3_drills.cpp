// Lesson 3, steps ③, ⑥ and ⑧: the random drills of solving for a letter.
// Each new problem redraws only the drill's head; the previous problem's
// stages stay until the first key of the new one.
#include "exprstr/exprstr.h"
#include "lessons/sarnoth/lesson3.h"
#include "lessons/toolkit.h"
#include "platform/basic.h"
#include "shell/shell.h"

namespace cw::sarnoth3 {

using lesson::below;
using lesson::cont;
using lesson::put;

namespace {

// The problem line's colour: 3 for the first, third ... problem of a visit, 0 for the others.
float problem_colour(Program& g) { return M(g.NO, 2) == 0 ? 3.0f : 0.0f; }

// Step entry of every drill: the screen erased, the panel corner at (40, 30), no problem finished.
void start_drill(Program& g) {
    lesson::erase_by(g, 0, 0, 1320, 1300);
    g.XI0 = 40;
    g.YI1 = 30;
    g.U_a(31) = 40;
    g.V_a(31) = 30;
    g.NO = 0;
}

// The panel head erased (height h) and "練習" with the instruction after it; XI1 = U(31) + 80, YI1 = 30.
void drill_head(Program& g, float h, const std::string& instruction) {
    lesson::erase_by(g, g.U_a(31), g.V_a(31), 600, h);
    g.XI1 = g.U_a(31) + 80;
    g.YI1 = 30;
    put(g, g.XI0, g.YI1, 3, "練習");
    cont(g, 0, instruction);
}

// The working area erased from dy below the problem line, after the first key of a problem.
void clear_working(Program& g, float dy) { lesson::erase_by(g, 40, g.YI1 + dy, 600, 1300); }

// Two different primes by pick and shift from 2, 3, 5, 7, 11: the first is
// one of the first four and goes into T(first); the list closes up behind
// it and the second, again one of the first four, goes into T(second).
void pick_two_primes(Program& g, int first, int second) {
    const float primes[] = {2, 3, 5, 7, 11};
    for (int i = 1; i <= 5; ++i) g.X_a(i) = primes[i - 1];
    g.P = lesson::rnd_int(g, 4, 1);
    g.T_a(first) = g.X_a(g.P);
    for (g.II = g.P; g.II <= 4; g.II += 1) g.X_a(g.II) = g.X_a(g.II + 1);
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

// Reads RND; writes U(31), V(31), XI0, XI1, XI2, YI1, NO, AINP and what make_first_letter_problem writes;
// clobbers X, Y, CCC1, AA$.
void DRILL_SOLVE_FOR_FIRST_LETTER(Program& g) {
    start_drill(g);
    lesson::drill(g, [&] {
        make_first_letter_problem(g);
        const std::string a = g.X_sa(1), b = g.X_sa(2);
        const std::string n = g.T_sa(4), nk = g.T_sa(5), k = g.T_sa(6);
        drill_head(g, 110, " 次の等式を" + a + "について解きなさい。");
        put(g, g.XI1 + 32, g.YI1 + 60, problem_colour(g), n + a + "-" + b + "=" + nk);

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
        g.NO += 1;
    });
    put(g, 352, 570, 7, "教科書P28 問1　をしなさい。");
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

// Reads RND; writes U(31), V(31), XI0, XI1, XI2, YI1, NO, AINP and what make_fraction_formula_problem
// writes; clobbers X, Y, CCC1, AA$.
void DRILL_SOLVE_FRACTION_FORMULA(Sarnoth& g) {
    start_drill(g);
    lesson::drill(g, [&] {
        make_fraction_formula_problem(g);
        const std::string q = g.T_sa(1), p = g.T_sa(2), a = g.A1_s, b = g.B1_s, c = g.C1_s;
        drill_head(g, 130, " 次の等式を【 】内の文字について解きなさい。");
        put(g, g.XI1 + 32, g.YI1 + 70, problem_colour(g), c + "=ﾀ" + p + b + "/" + q + a + "ﾀ 【" + b + "】");

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
        g.NO += 1;
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

// Reads RND; writes U(31), V(31), XI0, XI1, XI2, YI1, NO, AINP and what make_parentheses_formula_problem
// writes; clobbers X, Y, CCC1, AA$.
void DRILL_SOLVE_FORMULA_WITH_PARENTHESES(Sarnoth& g) {
    start_drill(g);
    lesson::drill(g, [&] {
        make_parentheses_formula_problem(g);
        const std::string q = g.T_sa(1), c = g.T_sa(2), p = g.T_sa(3), a = g.A1_s, b = g.B1_s;
        drill_head(g, 110, " 次の等式を【 】内の文字について解きなさい。");
        put(g, g.XI1 + 32, g.YI1 + 60, problem_colour(g), p + b + "=" + q + "(" + a + "+" + c + ") 【" + a + "】");

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
        g.NO += 1;
    });
    put(g, 352, 570, 3, "教科書P28 問3　をしなさい。");
}

}  // namespace cw::sarnoth3
