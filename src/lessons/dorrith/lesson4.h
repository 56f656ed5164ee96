// Dorrith lesson 4: multiplication and division mixed.  The worked example,
// the partial practice (sign, numerator, denominator), the practice problems
// solved stage by stage down to the cancelled result, and the answers to
// the textbook's questions 5 and 6.
#pragma once
#include "lessons/dorrith/dorrith.h"

namespace cw::dorrith4 {

// Entry from the main menu: the goal screen, then the sub-menu loop.  Returns
// when the pupil chooses the last item (back to the main menu).
void RUN_LESSON4(Dorrith& g);
void SHOW_LESSON_GOAL(Program& g);

// Step ①: the worked example -4xy×6x÷(-3y).
void SHOW_WORKED_EXAMPLE(Dorrith& g);

// Step ②: the partial practice and its problems.
void RUN_PARTIAL_PRACTICE(Program& g);
void GEN_MIXED_PROBLEM(Program& g);

// Step ③: the practice problems in two blocks, and the numbers and texts of
// one problem of each block (split out so they can be checked on their own).
void run_practice(Dorrith& g);
void make_block1_problem(Dorrith& g);
void make_block2_problem(Program& g);

// Step ④: the answers to questions 5 and 6.
void SHOW_ANSWERS_Q5_Q6(Program& g);

}  // namespace cw::dorrith4
