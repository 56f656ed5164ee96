// Kelvane lesson 6: expressions with fractions (the worked example in fifteen
// reveals, the notation question, the method-2 screen with its random
// example-9 drill, the answer pages of question 12).
#pragma once
#include "lessons/kelvane/kelvane.h"

namespace cw::kelvane6 {

// Entry from the main menu: the goal screen, then the sub-menu loop.  Returns
// when the pupil chooses the last item (back to the main menu).
void KELVANE_LESSON_6(Kelvane& g);
void SHOW_LESSON_GOAL(Kelvane& g);
void SHOW_LESSON6_MENU(Kelvane& g);

// Step ① 解き方１: the fixed worked example with fraction coefficients.
void SHOW_WORKED_EXAMPLE1(Kelvane& g);
// Step ② 分数表現: the notation question.
void SHOW_NOTATION_QUESTION(Kelvane& g);
// Step ③ 解き方２: the method-2 screen, with the drill in a left and a right panel.
void SHOW_METHOD2_SCREEN(Kelvane& g);
void RUN_EXAMPLE9_DRILL(Kelvane& g);
// Step ④ 問12: the two answer pages.
void SHOW_ANSWERS_Q12(Kelvane& g);

// The numbers and texts of one drill problem, split out so they can be
// checked on their own: X(1..5), F(), T(), F$(), T$(), X3 and FMAESU, as the
// drill makes them.
void make_example9_problem(Kelvane& g);

}  // namespace cw::kelvane6
