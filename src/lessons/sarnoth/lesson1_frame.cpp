// Lesson 1: its entry, goal screen and sub-menu.
#include "lessons/sarnoth/lesson1.h"
#include "lessons/toolkit.h"

namespace cw::sarnoth1 {

// Reads nothing; writes XI1, XI2, YI1, CCC1, X, Y, AA$.
void START_NUMBERS_LESSON(Program& g) {
    SHOW_LESSON_GOAL(g);
    SHOW_NUMBERS_LESSON_MENU(g);
}

// Reads nothing; writes XI1, XI2, YI1; clobbers CCC1, X, Y, AA$.  Erases nothing: the menu has.
void SHOW_LESSON_GOAL(Program& g) {
    g.XI1 = 44;
    g.YI1 = 240;
    lesson::put(g, 44, 240, 5, "<めあて>");
    lesson::put(g, g.XI1 + 32, g.YI1 + 65, 0, "文字を使って倍数や偶数、奇数を表そう。");
}

// Reads the typed choice; writes SENTAKU, AINP (10 before a step runs); clobbers the prompt band.
void SHOW_NUMBERS_LESSON_MENU(Program& g) {
    lesson::run_submenu(g, "①倍数　②偶数　③奇数　④連続する数　⑤自然数　⑥まとめ　⑦練習1　⑧練習2　⑨終了",
                        {SHOW_MULTIPLES, SHOW_EVEN_NUMBERS, SHOW_ODD_NUMBERS, SHOW_CONSECUTIVE_NUMBERS,
                         SHOW_NATURAL_NUMBERS, SHOW_FORMS_SUMMARY, PRACTICE_WRITING_NUMBERS, PRACTICE_MULTIPLES},
                        true);
}

}  // namespace cw::sarnoth1
