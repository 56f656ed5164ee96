// Lesson 2: its entry, goal screen, sub-menu and the rules of dividing
// monomials.
#include "lessons/dorrith/lesson2.h"
#include "lessons/toolkit.h"

namespace cw::dorrith2 {

// Reads nothing; writes the screen and the variables of the steps chosen; returns on the last item.
void LESSON_2_MENU(Dorrith& g) {
    SHOW_LESSON_GOAL(g);
    lesson::run_submenu(g, "①復習　②文字　③数+文字　④累乗　⑤練習　⑥終了",
                        {SHOW_NUMBER_DIVISION_REVIEW, SHOW_LETTER_DIVISION_TASK, SHOW_NUMBER_AND_LETTER_TASK,
                         SHOW_POWER_TASK, [&](Program&) { RUN_DIVISION_PRACTICE(g); }},
                        true);
}

// Reads nothing; writes XI1, XI2, YI1, CCC1, X, Y, AA$.
void SHOW_LESSON_GOAL(Program& g) { lesson::goal_screen(g, {"(文字式÷文字式)の計算を考えよう。"}); }

// Reads nothing; writes XI1 = 600, XI2, YI1 and the top right of the screen; clobbers the pen.
void SHOW_DIVISION_RULES(Program& g) {
    g.XI1 = 600;
    g.YI1 = 30;
    lesson::put(g, g.XI1 + 40, g.YI1, 5, "<単項式の除法>");
    lesson::below(g, g.XI1, 60, 3, "①　符号を決める。");
    lesson::below(g, g.XI1, 60, 3, "② 分数の形にする。");
    lesson::below(g, g.XI1, 60, 3, "③ 約分する。");
    lesson::cont(g, 5, "(文字も約分できる）");
}

}  // namespace cw::dorrith2
