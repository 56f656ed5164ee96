// Kelvane lesson 3: adding and subtracting polynomials, written across and
// in columns, with random drills, the answer pages and the summary.
#pragma once
#include "state/program.h"

namespace cw::kelvane3 {

// Entry from the main menu: the goal screen, then the sub-menu loop.  Returns
// when the pupil chooses the last item (back to the main menu).
void START_LESSON3(Program& g);
void SHOW_LESSON3_MENU(Program& g);
void SHOW_LESSON_GOAL(Program& g);

// Step ① and its drill: adding across.
void TEACH_ADDITION(Program& g);
void DRILL_ADDITION(Program& g);

// Step ② and its drill: adding in columns.
void TEACH_COLUMN_ADDITION(Program& g);
void DRILL_COLUMN_ADDITION(Program& g);

// Step ④ and its drill: subtracting across.
void TEACH_SUBTRACTION(Program& g);
void DRILL_SUBTRACTION(Program& g);

// Step ⑤ and its drill.
void TEACH_COLUMN_SUBTRACTION(Program& g);
void DRILL_COLUMN_SUBTRACTION(Program& g);

// Answer pages and the summary.
void SHOW_ANSWERS_Q5(Program& g);
void SHOW_SUBTRACTION_ANSWERS(Program& g);         // 問6
void SHOW_SUM_AND_DIFFERENCE_ANSWERS(Program& g);  // 問7
void SHOW_ADD_SUBTRACT_SUMMARY(Program& g);

// Pieces of one drill problem, split out so they can be checked on their own.
// Each reads and writes only the program-wide tables, as the drills do.
void make_addition_problem(Program& g);            // numbers and texts of DRILL_ADDITION
void make_subtraction_problem(Program& g);         // numbers and texts of DRILL_SUBTRACTION
void make_column_addition_problem(Program& g);     // numbers and texts of DRILL_COLUMN_ADDITION
void make_column_subtraction_numbers(Program& g);  // numbers and sign texts of DRILL_COLUMN_SUBTRACTION
void build_column_subtraction_texts(Program& g);   // letters, alignment and marks of one problem

}  // namespace cw::kelvane3
