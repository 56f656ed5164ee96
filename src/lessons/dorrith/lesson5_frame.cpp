// Lesson 5: its entry, goal screen and sub-menu.
#include "lessons/dorrith/lesson5.h"
#include "lessons/toolkit.h"

namespace cw::dorrith5 {

// Reads nothing; writes the screen and the steps' variables; returns on the last item.
void RUN_LESSON_5(Dorrith& g) {
    SHOW_LESSON_GOAL(g);
    SHOW_LESSON5_MENU(g);
}

// Reads nothing; writes XI1, XI2, YI1, CCC1, X, Y, AA$.
void SHOW_LESSON_GOAL(Program& g) { lesson::goal_screen(g, {"式の値を簡単に求める方法を考えよう。"}); }

// Reads the pupil's choice; writes SENTAKU, AINP (10 after the copy); clobbers the prompt band.
void SHOW_LESSON5_MENU(Dorrith& g) {
    lesson::run_submenu(g, "①復習　②Q　③練習　④問7　⑤終了",
                        {[&](Program&) { SHOW_SUBSTITUTION_REVIEWS(g); }, SHOW_WORKED_QUESTION, START_VALUE_DRILL,
                         SHOW_ANSWERS_Q7},
                        true);
}

}  // namespace cw::dorrith5
