// Sarnoth lesson 2, "式による説明": explaining number facts with expressions
// (sums of consecutive integers, a two-digit number and its reversal) and
// the calendar investigations.
#pragma once
#include <functional>
#include <string>
#include <vector>

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

// Where a page of the lesson starts: erased from (0, 0) by `width` x 1800, then set_up_page.
void start_page(Program& g, float width, float indent);
// XI0 = 40, XI1 = 40 + indent, YI1 = 30, draw width 5.
void set_up_page(Program& g, float indent);

// The investigation page of steps ①, ③, ④ and ⑤: erased 1600 wide, the question (its first line at (40, 30),
// the others 50 apart at x 67, all in colour 3) and a key; two worked examples at x 67, 60 apart, each
// shown in two keys; then the pupil's examples on the row below (sarnoth::example_loop).
struct Investigation {
    std::vector<std::string> question;
    std::string example1, result1, example2, result2;
};
void investigate(Program& g, const Investigation& page, const std::function<void()>& ask,
                 const std::function<std::string()>& worked, const std::function<std::string()>& result);

}  // namespace cw::sarnoth2
