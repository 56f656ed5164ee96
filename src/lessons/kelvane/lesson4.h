// Kelvane lesson 4: a polynomial times a number and divided by a number:
// the flower-bed review, the distributive-law and reciprocal reviews, the
// multiplication and division examples with their random drills, the answer
// pages of questions 8 and 9 and the goal screen.
#pragma once
#include "lessons/kelvane/kelvane.h"

namespace cw::kelvane4 {

// Entry from the main menu: the goal screen, then the sub-menu loop.  Returns
// when the pupil chooses the last item (back to the main menu).
void START_LESSON4(Kelvane& g);
void SHOW_LESSON4_MENU(Kelvane& g);
void SHOW_LESSON_GOAL(Program& g);

// Step ①: the flower-bed review task.
void SHOW_FLOWER_BED_REVIEW(Kelvane& g);

// Step ②: reviews 1 to 3 of the distributive law on one screen.
void STEP_REVIEW_DISTRIBUTION(Kelvane& g);
void RUN_DISTRIBUTIVE_REVIEW_2(Kelvane& g);
void RUN_DISTRIBUTIVE_REVIEW_3(Kelvane& g);

// Step ③: review 4 (dividing by a number) and the summary screen.
void STEP_REVIEW_RECIPROCAL(Kelvane& g);

// Step ④: example 6 in two panels and its three drills.
void STEP_MULTIPLICATION(Kelvane& g);
void RUN_EXAMPLE6_NUMBER_TIMES_POLYNOMIAL(Kelvane& g);  // ① c(ax+by+d)
void DRILL_POLY_TIMES_NUMBER(Kelvane& g);               // ② (ax+by+d)×c
void DRILL_FRACTION_TIMES_POLY(Kelvane& g);             // ③ (n/d)(ax+by)

// Step ⑥: example 7 and its two drills.
void SHOW_DIVISION_STEP(Kelvane& g);
void DRILL_POLY_DIVIDED_BY_NUMBER(Kelvane& g);    // ① (ax+by)÷c
void DRILL_POLY_DIVIDED_BY_FRACTION(Kelvane& g);  // ② (aa+bb)÷(F1/T1)

// Steps ⑤ and ⑦: the answer pages.
void SHOW_ANSWERS_QUESTION_8(Program& g);
void SHOW_ANSWERS_QUESTION_9(Program& g);

// The numbers and texts of one problem of each random drill, split out so
// they can be checked on their own.  Each draws in the order its drill does
// and writes only the program-wide tables.
void make_review1_problem(Program& g);
void make_review2_problem(Program& g);
void make_review3_problem(Program& g);
void make_review4_problem(Program& g);
void make_example6_problem(Kelvane& g, bool multiplier_after);  // ① (false) and ② (true)
void make_example6_fraction_problem(Program& g);                // ③
void make_example7_number_problem(Program& g);                  // 例7 ①
void make_example7_fraction_problem(Program& g);                // 例7 ②

}  // namespace cw::kelvane4
