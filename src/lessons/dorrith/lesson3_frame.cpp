// Lesson 3: its entry, goal screen and sub-menu.
#include "lessons/dorrith/lesson3.h"
#include "lessons/toolkit.h"

namespace cw::dorrith3 {

// Reads nothing; writes the screen and the variables of the steps chosen; returns on the last item.
void LESSON_3_MENU(Dorrith& g) {
    SHOW_LESSON_GOAL(g);
    lesson::run_submenu(g, "①復習　②逆数　③課題　④練習　⑤問３,4　⑥終了",
                        {SHOW_FRACTION_DIVISION_REVIEW, SHOW_RECIPROCAL_DRILL,
                         [&](Program&) { SHOW_FRACTION_COEFFICIENT_TASK(g); },
                         [&](Program&) { RUN_FRACTION_DIVISION_PRACTICE(g); }, SHOW_ANSWERS_Q3_Q4},
                        true);
}

// Reads nothing; writes XI1, XI2, YI1, CCC1, X, Y, AA$.
void SHOW_LESSON_GOAL(Program& g) { lesson::goal_screen(g, {"分数をふくむ式の除法の仕方を考えよう。"}); }

}  // namespace cw::dorrith3
