// Lesson 2: its entry, goal screen and sub-menu.
#include "lessons/sarnoth/lesson2.h"
#include "lessons/sarnoth/examples.h"
#include "lessons/pages.h"
#include "lessons/toolkit.h"

namespace cw::sarnoth2 {

// Reads nothing; writes XI1, XI2, YI1, CCC1, X, Y, AA$.
void START_EXPLANATIONS_LESSON(Program& g) {
    SHOW_LESSON_GOAL(g);
    SHOW_EXPLANATIONS_LESSON_MENU(g);
}

// Reads nothing; writes XI1 (44), XI2, YI1 (305); clobbers CCC1, X, Y, AA$.
void SHOW_LESSON_GOAL(Program& g) {
    lesson::goal_screen(g, {"文字を使った式を利用して、いろいろなことがらを説明しよう。"});
}

// Reads the typed choice; writes SENTAKU, AINP (10 before a step runs); clobbers the prompt band.
void SHOW_EXPLANATIONS_LESSON_MENU(Program& g) {
    lesson::run_submenu(
        g, "①P21Q　②説明　③5連続数　④2けた和　⑤2けた差　⑥カレンダー　⑦縦　⑧斜め　⑨四角　⑩自由　⑪終了",
        {INVESTIGATE_SUM_OF_THREE, EXPLAIN_SUM_OF_THREE, INVESTIGATE_SUM_OF_FIVE, INVESTIGATE_DIGIT_SWAP_SUM,
         INVESTIGATE_DIGIT_SWAP_DIFFERENCE, SHOW_CALENDAR_FRAMES, EXPLAIN_CALENDAR_VERTICAL,
         EXPLAIN_CALENDAR_DIAGONAL, TEST_CALENDAR_SQUARE, SHOW_CALENDAR_FREE},
        true);
}

void start_page(Program& g, float width, float indent) {
    lesson::erase_by(g, 0, 0, width, 1800);
    set_up_page(g, indent);
}

void set_up_page(Program& g, float indent) {
    lesson::set_cursor(g, 40, 40 + indent, 30);
    g.pf.SETDRAWWIDTH(5);
}

void investigate(Program& g, const Investigation& page, const std::function<void()>& ask,
                 const std::function<std::string()>& worked, const std::function<std::string()>& result) {
    using namespace lesson;
    start_page(g, 1600, 27);
    std::vector<PageRow> rows{text(0, margin(0), 3, page.question.front())};
    for (size_t i = 1; i < page.question.size(); ++i) rows.push_back(text(0, indent(50), 3, page.question[i]));
    for (auto& r : {text(1, indent(60), 0, page.example1), text(2, pen(), 3, page.result1),
                    text(3, indent(60), 0, page.example2), text(4, pen(), 3, page.result2)})
        rows.push_back(r);
    play_rows(g, rows);
    sarnoth::example_loop(g, ask, worked, result);
}

}  // namespace cw::sarnoth2
