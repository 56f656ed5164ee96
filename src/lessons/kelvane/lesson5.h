// Kelvane lesson 5: expressions with parentheses (the rules screen around the
// random example-8 drill, the answer pages of questions 10 and 11).
#pragma once
#include "lessons/kelvane/kelvane.h"

namespace cw::kelvane5 {

// Entry from the main menu: the goal screen, then the sub-menu loop.  Returns
// when the pupil chooses the last item (back to the main menu).
void KELVANE_LESSON_5(Kelvane& g);
void SHOW_LESSON_GOAL(Kelvane& g);
void SHOW_LESSON5_MENU(Kelvane& g);

// Step ① 例8: the rules screen, with the drill in a left and a right panel.
void SHOW_RULES_SCREEN(Kelvane& g);
void RUN_EXAMPLE8_DRILL(Kelvane& g);

// Steps ② and ③: the answer pages of 問10 and 問11.
void SHOW_ANSWERS_Q10(Kelvane& g);
void SHOW_ANSWERS_Q11(Kelvane& g);

// The numbers and texts of one drill problem, split out so they can be
// checked on their own: T(1..12), T$(1..12) and FMAESU, as the drill makes them.
void make_example8_problem(Kelvane& g);

}  // namespace cw::kelvane5
