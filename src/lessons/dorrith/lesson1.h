// Dorrith lesson 1: multiplying monomials (the tile-area task, the cycle of
// worked examples, powers, and the answer pages of 問1 and 問2).
#pragma once
#include "lessons/dorrith/dorrith.h"

namespace cw::dorrith1 {

// Entry from the main menu: the goal screen, then the sub-menu loop.  Returns
// when the pupil chooses the last item (back to the main menu).
void START_LESSON1(Dorrith& g);
void SHOW_LESSON_GOAL(Program& g);
void SHOW_LESSON1_MENU(Dorrith& g);

// Step ①: the tile-area task, the rule, then the cycle of ten examples.
void SHOW_TILE_TASK(Dorrith& g);
void SHOW_PRODUCT_EXAMPLES(Program& g);

// Step ③: the cycle of eight powers examples and the rules panel.
void SHOW_POWER_EXAMPLES(Program& g);

// Answer pages of the textbook's 問1 (step ②) and 問2 (step ④).
void SHOW_ANSWERS_Q1(Program& g);
void SHOW_ANSWERS_Q2(Program& g);

}  // namespace cw::dorrith1
