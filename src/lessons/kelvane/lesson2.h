// Kelvane lesson 2: like terms, naming them and collecting them.
#pragma once
#include "state/program.h"

namespace cw::kelvane2 {

// Entry from the main menu: the goal screen, then the sub-menu loop.  Returns
// when the pupil chooses the last item (back to the main menu).
void START_LESSON2(Program& g);
void SHOW_LESSON_GOAL(Program& g);
void SHOW_LESSON2_MENU(Program& g);

// Step ①: like terms, with the 課1 and 課2 drills.
void TEACH_LIKE_TERMS(Program& g);

// Step ②: collecting like terms: the random review drill, the rule, two
// panels of the 課3 drill and the assignment.
void TEACH_COLLECTING_LIKE_TERMS(Program& g);
void DRILL_COLLECT_LIKE_TERMS(Program& g);
// The numbers, term texts and letter of one review problem a·x + b − c·x + d:
// T(1..6), T$(1..6), P and X$(1..5), drawn in the order the drill draws them.
void make_collect_problem(Program& g);
// 課3: fixed expressions in the panel (U(1), V(1))–(U(2), V(2)).
void DRILL_SIMPLIFY_EXPRESSIONS(Program& g);

// Answer page of the textbook's 問4.
void SHOW_ANSWERS_Q4(Program& g);

}  // namespace cw::kelvane2
