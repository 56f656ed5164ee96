// Dorrith lesson 2: dividing a monomial by a monomial (the worked divisions
// written as fractions with their cancellations, the division rules, and the
// random practice drill).
#pragma once
#include "lessons/dorrith/dorrith.h"

namespace cw::dorrith2 {

// Entry from the main menu: the goal screen, then the sub-menu loop.  Returns
// when the pupil chooses the last item (back to the main menu).
void LESSON_2_MENU(Dorrith& g);
void SHOW_LESSON_GOAL(Program& g);

// Steps ① and ②: 15÷(−6) and xy÷(−x) in three labelled stages.
void SHOW_NUMBER_DIVISION_REVIEW(Program& g);
void SHOW_LETTER_DIVISION_TASK(Program& g);

// Steps ③ and ④: 8xy÷(−4x) and 6a²÷2a, then the rules.
void SHOW_NUMBER_AND_LETTER_TASK(Program& g);
void SHOW_POWER_TASK(Program& g);
void SHOW_DIVISION_RULES(Program& g);

// Step ⑤: the random practice drill, then the rules.
void RUN_DIVISION_PRACTICE(Dorrith& g);
// The numbers and texts of one practice problem, as the drill draws them.
void make_division_problem(Dorrith& g);

}  // namespace cw::dorrith2
