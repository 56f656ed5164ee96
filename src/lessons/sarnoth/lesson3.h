// Sarnoth lesson 3: transforming an equation to solve it for one letter.  The
// bench-seating table, the worked examples, three random drills and the
// answers to the textbook's exercises.
#pragma once
#include "lessons/sarnoth/sarnoth.h"

namespace cw::sarnoth3 {

// Entry from main-menu item 3: the goal screen, then the sub-menu loop, which returns on its last item.
void START_EQUATIONS_LESSON(Sarnoth& g);
void SHOW_LESSON_3_MENU(Sarnoth& g);
void SHOW_LESSON_GOAL(Program& g);

// ① 3x+2y=32, one case worked, the table of x and y one cell per key.
void SHOW_BENCH_SEATING_TABLE(Program& g);
// ② What solving for a letter means, and four worked examples.
void SHOW_SOLVING_EXAMPLES(Program& g);

// The three drills: ③ N·A - B = N·K, ⑥ C = pB/(qA), ⑧ pB = q(A + c).
void DRILL_SOLVE_FOR_FIRST_LETTER(Program& g);
void DRILL_SOLVE_FRACTION_FORMULA(Sarnoth& g);
void DRILL_SOLVE_FORMULA_WITH_PARENTHESES(Sarnoth& g);

// The answer pages: ④ 問１, ⑤ 例２, ⑦ 問２, ⑨ 問３, ⑩ 問４.
void SHOW_ANSWERS_Q1(Program& g);
void SHOW_EXAMPLE_2(Program& g);
void SHOW_ANSWERS_Q2(Program& g);
void SHOW_ANSWERS_Q3(Program& g);
void SHOW_ANSWERS_Q4(Program& g);

// One problem's numbers and letters, drawn as the drills draw them, split out
// so they can be checked on their own.
void make_first_letter_problem(Program& g);         // RND; T(4..6), T$(), P, X$(1..2); clobbers I, A$
void make_fraction_formula_problem(Sarnoth& g);     // RND; X(1..5), P, II, T(1..2), T$(), A1$, B1$, C1$
void make_parentheses_formula_problem(Sarnoth& g);  // RND; X(1..5), P, II, T(1..3), T$(), A1$, B1$

}  // namespace cw::sarnoth3
