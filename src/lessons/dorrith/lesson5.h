// Dorrith lesson 5: the value of an expression (the substitution reviews with
// the vocabulary, the worked question, the value drill with its rules summary,
// and the answers to 問7).
#pragma once
#include "lessons/dorrith/dorrith.h"

namespace cw::dorrith5 {

// Entry from the main menu: the goal screen, then the sub-menu loop.  Returns
// when the pupil chooses the last item (back to the main menu).
void RUN_LESSON_5(Dorrith& g);
void SHOW_LESSON_GOAL(Program& g);
void SHOW_LESSON5_MENU(Dorrith& g);

// Step ①: three substitution reviews, the vocabulary and the rules beside them.
void SHOW_SUBSTITUTION_REVIEWS(Dorrith& g);
void SHOW_VALUE_VOCABULARY(Dorrith& g);

// Step ②: the worked question Q solved in two ways.
void SHOW_WORKED_QUESTION(Program& g);

// Step ③: the value drill, beside the summary of the rules.
void START_VALUE_DRILL(Program& g);
void SHOW_VALUE_RULES(Program& g);

// Step ④: the answers to 問7, with the cancellation of (2).
void SHOW_ANSWERS_Q7(Program& g);

// One problem of the value drill made as the drill makes it, split out so it
// can be checked on its own: the twelve coefficient draws, the values of x
// and y, the products, the value and the problem's texts.
void make_value_problem(Program& g);

}  // namespace cw::dorrith5
