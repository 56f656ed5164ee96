// Lesson 1: its entry, goal screen and sub-menu.
#include "lessons/dorrith/lesson1.h"
#include "lessons/toolkit.h"

namespace cw::dorrith1 {

// Reads nothing; writes the screen and the lesson's steps' variables; returns on the last item.
void START_LESSON1(Dorrith& g) {
    SHOW_LESSON_GOAL(g);
    SHOW_LESSON1_MENU(g);
}

// Reads nothing; writes XI1, XI2, YI1, CCC1, X, Y, AA$.
void SHOW_LESSON_GOAL(Program& g) { lesson::goal_screen(g, {"(文字式×文字式)の計算を考えよう。"}); }

// Reads the pupil's choice; writes SENTAKU, AINP (10 after the copy); clobbers the prompt band.
void SHOW_LESSON1_MENU(Dorrith& g) {
    lesson::run_submenu(g, "①課題,例１　②問１　③指数例２　④問２　⑤終了",
                        {[&](Program&) { SHOW_TILE_TASK(g); }, SHOW_ANSWERS_Q1, SHOW_POWER_EXAMPLES,
                         SHOW_ANSWERS_Q2},
                        true);
}

}  // namespace cw::dorrith1
