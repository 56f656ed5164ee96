// Lesson 3: its entry, goal screen and sub-menu.
#include "lessons/sarnoth/lesson3.h"
#include "lessons/toolkit.h"

namespace cw::sarnoth3 {

// Reads nothing; writes what SHOW_LESSON_GOAL and SHOW_LESSON_3_MENU write.
void START_EQUATIONS_LESSON(Sarnoth& g) {
    SHOW_LESSON_GOAL(g);
    SHOW_LESSON_3_MENU(g);
}

// Reads nothing; writes XI1, XI2, YI1; clobbers X, Y, CCC1, AA$.
void SHOW_LESSON_GOAL(Program& g) { lesson::goal_screen(g, {"等式を変形して、ある文字について解けるようになろう。"}); }

// Reads AINP; writes SENTAKU, AINP (10); clobbers what the chosen step writes.
void SHOW_LESSON_3_MENU(Sarnoth& g) {
    lesson::run_submenu(
        g, "①P27Q　②基本例題　③練習１　④問１　⑤例２　⑥練習２　⑦問２　⑧練習３　⑨問３　⑩問４　⑪終了",
        {SHOW_BENCH_SEATING_TABLE, SHOW_SOLVING_EXAMPLES, DRILL_SOLVE_FOR_FIRST_LETTER, SHOW_ANSWERS_Q1,
         SHOW_EXAMPLE_2, [&g](Program&) { DRILL_SOLVE_FRACTION_FORMULA(g); }, SHOW_ANSWERS_Q2,
         [&g](Program&) { DRILL_SOLVE_FORMULA_WITH_PARENTHESES(g); }, SHOW_ANSWERS_Q3, SHOW_ANSWERS_Q4},
        true);
}

}  // namespace cw::sarnoth3
