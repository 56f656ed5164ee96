// Sarnoth lesson 3: transforming an equation to solve it for one letter.  The
// bench-seating table, the worked examples, three random drills and the
// answers to the textbook's exercises.
#pragma once
#include "lessons/sarnoth/sarnoth.h"

namespace cw::sarnoth3 {

// Entry from main-menu item 3: the goal screen, then the sub-menu loop, which returns on its last item.
// Reads nothing; writes what SHOW_LESSON_GOAL and SHOW_LESSON_3_MENU write.
void START_EQUATIONS_LESSON(Sarnoth& g);
// Reads AINP; writes SENTAKU, AINP (10); clobbers what the chosen step writes.
void SHOW_LESSON_3_MENU(Sarnoth& g);
// Reads nothing; writes XI1, XI2, YI1; clobbers X, Y, CCC1, AA$.
void SHOW_LESSON_GOAL(Program& g);

// ① 3x+2y=32, one case worked, the table of x and y one cell per key.
// Reads nothing; writes XI0, XI1, XI2, YI1, U(1), V(1), X(0..12), Y(1..2), II, draw width 5; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_BENCH_SEATING_TABLE(Program& g);
// ② What solving for a letter means, and four worked examples.
// Reads nothing; writes XI1, XI2, YI1, draw width 5; clobbers X, Y, CCC1, AA$.
void SHOW_SOLVING_EXAMPLES(Program& g);

// The three drills: ③ N·A - B = N·K, ⑥ C = pB/(qA), ⑧ pB = q(A + c).
// Reads RND; writes U(31), V(31), XI0, XI1, XI2, YI1, NO, AINP and what make_first_letter_problem writes; clobbers X, Y, CCC1, AA$.
void DRILL_SOLVE_FOR_FIRST_LETTER(Program& g);
// Reads RND; writes U(31), V(31), XI0, XI1, XI2, YI1, NO, AINP and what make_fraction_formula_problem writes; clobbers X, Y, CCC1, AA$.
void DRILL_SOLVE_FRACTION_FORMULA(Sarnoth& g);
// Reads RND; writes U(31), V(31), XI0, XI1, XI2, YI1, NO, AINP and what make_parentheses_formula_problem writes; clobbers X, Y, CCC1, AA$.
void DRILL_SOLVE_FORMULA_WITH_PARENTHESES(Sarnoth& g);

// The answer pages: ④ 問１, ⑤ 例２, ⑦ 問２, ⑨ 問３, ⑩ 問４.
// Reads nothing; writes XI0, XI1, XI2, YI1; clobbers X, Y, CCC1, AA$.
void SHOW_ANSWERS_Q1(Program& g);
// Reads nothing; writes XI0, XI1, XI2, YI1; clobbers X, Y, CCC1, AA$.
void SHOW_EXAMPLE_2(Program& g);
// Reads nothing; writes XI0, XI1, XI2, YI1; clobbers X, Y, CCC1, AA$.
void SHOW_ANSWERS_Q2(Program& g);
// Reads nothing; writes XI0, XI1, XI2, YI1; clobbers X, Y, CCC1, AA$.
void SHOW_ANSWERS_Q3(Program& g);
// Reads nothing; writes XI0, XI1, XI2, YI1; clobbers X, Y, CCC1, AA$.
void SHOW_ANSWERS_Q4(Program& g);

// One problem's numbers and letters, drawn as the drills draw them, split out
// so they can be checked on their own.
void make_first_letter_problem(Program& g);         // RND; T(4..6), T$(), P, X$(1..2); clobbers I, A$
void make_fraction_formula_problem(Sarnoth& g);     // RND; X(1..5), P, II, T(1..2), T$(), A1$, B1$, C1$
void make_parentheses_formula_problem(Sarnoth& g);  // RND; X(1..5), P, II, T(1..3), T$(), A1$, B1$

}  // namespace cw::sarnoth3
