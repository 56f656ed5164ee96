// Sarnoth lessons 4 to 6: the answer pages of the chapter's problem sets
// "P29 基本の問題", "P32 章の問題A" and "P33 章の問題B", the last with figures.
#pragma once
#include "lessons/sarnoth/sarnoth.h"

namespace cw::sarnoth4 {

// Entry from main-menu item 4: straight into the sub-menu loop, which returns on its last item.
void START_FUNDAMENTAL_PROBLEMS_LESSON(Program& g);
void SHOW_LESSON_4_MENU(Program& g);
// ① a two-digit number minus its digit sum is 9x; ② three equations solved for a letter.
void SHOW_DIGIT_SUM_ANSWER(Program& g);
void SHOW_SOLVE_FOR_LETTER_ANSWERS(Program& g);

}  // namespace cw::sarnoth4

namespace cw::sarnoth5 {

// Entry from main-menu item 5: straight into the sub-menu loop, which returns on its last item.
void START_CHAPTER_PROBLEMS_A_LESSON(Program& g);
void SHOW_LESSON_5_MENU(Program& g);
// The pages of problems 1–3, 4, 5, 6, 7 and 8.
void SHOW_PROBLEMS_1_TO_3(Program& g);
void SHOW_PROBLEM_4(Program& g);
void SHOW_PROBLEM_5(Program& g);
void SHOW_PROBLEM_6(Program& g);
void SHOW_PROBLEM_7(Program& g);
void SHOW_PROBLEM_8(Program& g);

}  // namespace cw::sarnoth5

namespace cw::sarnoth6 {

// Entry from main-menu item 6: straight into the sub-menu loop, which returns on its last item.
void START_CHAPTER_PROBLEMS_B_LESSON(Sarnoth& g);
void SHOW_LESSON_6_MENU(Sarnoth& g);
// ① simplifying two expressions; ② substituting A and B.  Neither sets the draw width.
void SHOW_SIMPLIFICATION_ANSWERS(Program& g);
void SHOW_SUBSTITUTION_ANSWERS(Program& g);
// ③ the natural numbers in six sectors; ④ the area of a sector; ⑤ cylinders P and Q.
void SHOW_NUMBERS_IN_SECTORS(Sarnoth& g);
void SHOW_SECTOR_AREA(Sarnoth& g);
void SHOW_CYLINDERS_FROM_RECTANGLE(Sarnoth& g);

}  // namespace cw::sarnoth6
