// Sarnoth lesson 2, "式による説明": explaining number facts with expressions
// (sums of consecutive integers, a two-digit number and its reversal) and
// the calendar investigations.
#pragma once
#include "state/program.h"

namespace cw::sarnoth2 {

// Entry from the main menu: the goal screen, then the sub-menu loop.  Returns
// when the pupil chooses ⑪ (back to the main menu).
void START_EXPLANATIONS_LESSON(Program& g);
void SHOW_LESSON_GOAL(Program& g);
void SHOW_EXPLANATIONS_LESSON_MENU(Program& g);

// The steps ① to ⑩.
void INVESTIGATE_SUM_OF_THREE(Program& g);
void EXPLAIN_SUM_OF_THREE(Program& g);
void INVESTIGATE_SUM_OF_FIVE(Program& g);
void INVESTIGATE_DIGIT_SWAP_SUM(Program& g);
void INVESTIGATE_DIGIT_SWAP_DIFFERENCE(Program& g);
void SHOW_CALENDAR_FRAMES(Program& g);
void EXPLAIN_CALENDAR_VERTICAL(Program& g);
void EXPLAIN_CALENDAR_DIAGONAL(Program& g);
void TEST_CALENDAR_SQUARE(Program& g);
void SHOW_CALENDAR_FREE(Program& g);

// The pupil's example numbers.
void ASK_SMALLEST_OF_THREE(Program& g);
void ASK_SMALLEST_OF_FIVE(Program& g);
void ASK_TWO_DIGIT_NUMBER(Program& g);

// Where an explanation page starts: erased from (0, 0) by `width` x 1800, XI0 = 40, XI1 = 40 + indent,
// YI1 = 30, draw width 5.
void start_page(Program& g, float width, float indent);

}  // namespace cw::sarnoth2
