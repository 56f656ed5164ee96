// Dorrith lesson 3: dividing monomials whose coefficients are fractions (the
// review of dividing fractions, reciprocals, the worked task, the random
// practice drill and the answer pages of 問3 and 問4).
#pragma once
#include "lessons/dorrith/dorrith.h"

namespace cw::dorrith3 {

// Entry from the main menu: the goal screen, then the sub-menu loop.  Returns
// when the pupil chooses the last item (back to the main menu).
void LESSON_3_MENU(Dorrith& g);
void SHOW_LESSON_GOAL(Program& g);

// Step ①: −3/2 ÷ 3/4 worked with its cancellations.
void SHOW_FRACTION_DIVISION_REVIEW(Program& g);
// Step ②: the cycle of nine monomials and their reciprocals.
void SHOW_RECIPROCAL_DRILL(Program& g);
// Step ③: −(3/2)x² ÷ (3/4)x worked with its cancellations.
void SHOW_FRACTION_COEFFICIENT_TASK(Dorrith& g);

// Step ④: the random practice drill, then the summary and the assignment.
void RUN_FRACTION_DIVISION_PRACTICE(Dorrith& g);
// The numbers and texts of one practice problem, as the drill draws them.
void make_fraction_division_problem(Dorrith& g);

// Step ⑤: the answer pages of 問3 and 問4.
void SHOW_ANSWERS_Q3_Q4(Program& g);

}  // namespace cw::dorrith3
