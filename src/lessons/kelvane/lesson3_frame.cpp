// Lesson 3: its entry, goal screen, sub-menu and summary.
#include "lessons/kelvane/lesson3.h"
#include "lessons/panels.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::kelvane3 {

// Reads nothing; writes what SHOW_LESSON_GOAL and SHOW_LESSON3_MENU write; returns on item ⑨.
void START_LESSON3(Program& g) {
    SHOW_LESSON_GOAL(g);
    SHOW_LESSON3_MENU(g);
}

// Reads nothing; writes XI1 = 44, XI2, YI1 = 305, CCC1 = 0; clobbers X, Y, AA$.
void SHOW_LESSON_GOAL(Program& g) { lesson::goal_screen(g, {"2つの多項式をたしたりひいたりできるようになろう。"}); }

// Reads AINP; writes SENTAKU, AINP = 10; clobbers what the steps clobber.
void SHOW_LESSON3_MENU(Program& g) {
    lesson::run_submenu(
        g, "①加法　②縦加法た2　③問5　④減法　⑤縦減法　⑥問6　⑦まとめ　⑧問7　⑨終了",
        {TEACH_ADDITION, TEACH_COLUMN_ADDITION, SHOW_ANSWERS_Q5, TEACH_SUBTRACTION, TEACH_COLUMN_SUBTRACTION,
         SHOW_SUBTRACTION_ANSWERS, SHOW_ADD_SUBTRACT_SUMMARY, SHOW_SUM_AND_DIFFERENCE_ANSWERS},
        true);
}

// Reads nothing; writes XI2, YI1, the draw width 5; clobbers CCC1, X, Y, AA$ and what WAIT_ANY_KEY and the
// assignment line clobber.
void SHOW_ADD_SUBTRACT_SUMMARY(Program& g) {
    lesson::erase_by(g, 0, 0, 1760, 1500);
    g.pf.SETDRAWWIDTH(8);
    lesson::filled_box(g, 16, 9, 16 + 896, 9 + 498, 9, 15);
    g.pf.SETDRAWWIDTH(5);
    g.YI1 = 18;
    lesson::method_lines(g, 32, {
                                    {0, 5, "   <式の加法・減法>"},
                                    {60, 3, "　計算のしかた"},
                                    {60, 0, "①　それぞれの式に（　）をつける。", 32},
                                    {60, 0, "②　+または- でつなぐ。", 32},
                                    {60, 3, "-(減法)は、+(加法)になおす", 112},
                                    {60, 3, "（　）の中の項は、すべて符号を変える", 72},
                                    {60, 0, "③　（　）をはずす。", 32},
                                    {60, 0, "④　同類項をまとめる。", 32},
                                });
    WAIT_ANY_KEY(g);
    lesson::assignment(g, 44, 570, 0, "14", "7");
}

}  // namespace cw::kelvane3
