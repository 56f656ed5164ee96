// Sarnoth lessons 4 to 6: the answer pages of the chapter's problem sets
// "P29 基本の問題", "P32 章の問題A" and "P33 章の問題B", the last with figures.
#pragma once
#include "lessons/sarnoth/sarnoth.h"

namespace cw::sarnoth4 {

// Entry from main-menu item 4: straight into the sub-menu loop, which returns on its last item.
// Reads nothing; writes what SHOW_LESSON_4_MENU writes.
void START_FUNDAMENTAL_PROBLEMS_LESSON(Program& g);
// Reads AINP; writes SENTAKU, AINP (10); clobbers what the chosen page writes.
void SHOW_LESSON_4_MENU(Program& g);
// ① a two-digit number minus its digit sum is 9x; ② three equations solved for a letter.
// Reads nothing; writes XI1, XI2, YI1; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_DIGIT_SUM_ANSWER(Program& g);
// Reads nothing; writes XI1, XI2, YI1; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_SOLVE_FOR_LETTER_ANSWERS(Program& g);

}  // namespace cw::sarnoth4

namespace cw::sarnoth5 {

// Entry from main-menu item 5: straight into the sub-menu loop, which returns on its last item.
// Reads nothing; writes what SHOW_LESSON_5_MENU writes.
void START_CHAPTER_PROBLEMS_A_LESSON(Program& g);
// Reads AINP; writes SENTAKU, AINP (10); clobbers what the chosen page writes.
void SHOW_LESSON_5_MENU(Program& g);
// The pages of problems 1–3, 4, 5, 6, 7 and 8.
// Reads nothing; writes XI1, XI2, YI1; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_PROBLEMS_1_TO_3(Program& g);
// Reads nothing; writes XI1, XI2, YI1; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_PROBLEM_4(Program& g);
// Reads nothing; writes XI1, XI2, YI1; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_PROBLEM_5(Program& g);
// Reads nothing; writes XI1, XI2, YI1; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_PROBLEM_6(Program& g);
// Reads nothing; writes XI1, XI2, YI1; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_PROBLEM_7(Program& g);
// Reads nothing; writes XI1, XI2, YI1; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_PROBLEM_8(Program& g);

}  // namespace cw::sarnoth5

namespace cw::sarnoth6 {

// Entry from main-menu item 6: straight into the sub-menu loop, which returns on its last item.
// Reads nothing; writes what SHOW_LESSON_6_MENU writes.
void START_CHAPTER_PROBLEMS_B_LESSON(Sarnoth& g);
// Reads AINP; writes SENTAKU, AINP (10); clobbers what the chosen step writes.
void SHOW_LESSON_6_MENU(Sarnoth& g);
// ① simplifying two expressions; ② substituting A and B.  Neither sets the draw width.
// Reads the draw width; writes XI1, XI2, YI1; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_SIMPLIFICATION_ANSWERS(Program& g);
// Reads the draw width; writes XI1, XI2, YI1; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_SUBSTITUTION_ANSWERS(Program& g);
// ③ the natural numbers in six sectors; ④ the area of a sector; ⑤ cylinders P and Q.
// Reads nothing; writes X(0..6), Y(0..6), X(31..34), Y(31..34), U(1..6), V(1..6), R1, A, B, M, N, II, XI1, XI2, YI1, draw width 5; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE, PI, the grid frame and the arc inputs.
void SHOW_NUMBERS_IN_SECTORS(Sarnoth& g);
// Reads nothing; writes X(10..14), Y(10..14), R1, R2, R(1..2), H1, H2, XI1, XI2, YI1, draw width 5; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE, PI, the grid frame and the arc and angle-mark inputs.
void SHOW_SECTOR_AREA(Sarnoth& g);
// Reads X(0..30), Y(0..30) (converted, not drawn); writes X(0..30), Y(0..30), G(1..4,1..2), X$(1..4), N1, N2, II, XI1, XI2, YI1, draw width 5; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE, PI, the grid frame and the polygon and arc inputs.
void SHOW_CYLINDERS_FROM_RECTANGLE(Sarnoth& g);

}  // namespace cw::sarnoth6

namespace cw::sarnoth {

// Main-menu item 7, which opens no lesson, so the main menu is drawn again.
// Reads nothing; writes nothing.
void RETURN_TO_MAIN_MENU(Program& g);

}  // namespace cw::sarnoth
