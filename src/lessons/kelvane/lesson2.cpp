// Kelvane lesson 2: its frame, step ① (naming like terms) and the answer page.
#include "lessons/kelvane/lesson2.h"

#include "lessons/pages.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::kelvane2 {

using namespace cw::lesson;

// Reads nothing; writes what SHOW_LESSON_GOAL and SHOW_LESSON2_MENU write; returns on item ④.
void START_LESSON2(Program& g) {
    SHOW_LESSON_GOAL(g);
    SHOW_LESSON2_MENU(g);
}

// Reads nothing; writes XI1 = 44, XI2, YI1 = 305, CCC1 = 0; clobbers X, Y, AA$.
void SHOW_LESSON_GOAL(Program& g) { goal_screen(g, {"同類項をまとめよう"}); }

// Reads AINP; writes SENTAKU (AINP is left as entered); clobbers what the steps clobber.
void SHOW_LESSON2_MENU(Program& g) {
    run_submenu(g, "①同類項　②計算　③問4　④終了",
                {TEACH_LIKE_TERMS, TEACH_COLLECTING_LIKE_TERMS, SHOW_ANSWERS_Q4});
}

// ---- step ① ------------------------------------------------------------------

namespace {

const std::vector<std::string> kTask1 = {
    "6x+4+3x",    "-5x+7+4x",     "12y-3+5y",  "-3a+2a-1",   "a-b-6b",
    "6x^2+4x+3x", "-3a^2-2a+a^2", "5ab+ab-6",  "-8y-4y+y",   "-8x^2-4x^2-x^2"};
const std::vector<std::string> kTask1Answers = {
    "6xと3x",    "-5xと4x",      "12yと5y", "-3aと2a",    "-bと-6b",
    "4xと3x",    "-3a^2とa^2",   "5abとab", "-8yと-4y,y", "-8x^2と-4x^2と-x^2"};
const std::vector<std::string> kTask2 = {
    "6a-2b+3b-4a",      "4a+5b-6c+7a-8c", "4x-7y+x+5y",      "3x-7y-x+2y",     "xy+x-5xy-2x",
    "x^2+3x+1-4x+2x^2", "x^2-4x+2+3x",    "-3x^2+5x-3x+x^2", "y^2-3y-3y^2+2y", "-a^2+3a-4a+5a^2"};
const std::vector<std::string> kTask2Answers = {
    "6aと-4a,-2bと3b",    "4aと7a,-6cと-8c", "4xとx,-7yと5y",       "3xと-x,-7yと2y",     "xyと-5xy,xと-2x",
    "x^2と2x^2,3xと-4x", "-4xと3x",         "-3x^2とx^2,5xと-3x", "y^2と-3y^2,-3yと2y", "-a^2と5a^2,3aと-4a"};

// DRILL_NAME_LIKE_TERMS over one table, in the panel with corners U(k), V(k) and U(k + 1), V(k + 1).
void name_like_terms(Program& g, int k, const std::string& heading, const std::vector<std::string>& exprs,
                     const std::vector<std::string>& answers) {
    g.NO = 0;
    table_drill(g, {.tables = {{1, exprs}, {21, answers}},
                    .order = Order::Cycle,
                    .count = 10,
                    .cursor = {{g.U_a(k), g.U_a(k) + 96, g.V_a(k)}},
                    .panel = {g.U_a(k), g.V_a(k), g.U_a(k + 1), g.V_a(k + 1)},
                    .rows_of_problem = [&]() -> std::vector<PageRow> {
                        return {text(0, margin(0), 3, heading, Keep::YOnly),
                                text(0, indent(50), 0, g.T_sa(g.NO)),
                                text(1, indent(50), 3, "同類項…"),
                                text(1, pen(), 5, g.T_sa(g.NO + 20))};
                    }});
}

}  // namespace

// Reads nothing; writes U(1..4), V(1..4), NO, T$(1..10), T$(21..30), AINP, XI0, XI1, XI2, YI1; clobbers CCC1,
// X, Y, AA$ and what table_drill and WAIT_ANY_KEY clobber.
void TEACH_LIKE_TERMS(Program& g) {
    erase_by(g, 0, 0, 1760, 1560);

    g.U_a(1) = 40;
    g.V_a(1) = 30;
    g.U_a(2) = 720;
    g.V_a(2) = g.V_a(1) + 250;
    name_like_terms(g, 1, "課1　次の式の同類項をいいなさい。", kTask1, kTask1Answers);

    below(g, g.XI0, 60, 5, "同類項");
    cont(g, 0, "…文字の部分が同じ項");
    WAIT_ANY_KEY(g);

    g.U_a(3) = 40;
    g.V_a(3) = g.YI1 + 80;
    g.U_a(4) = 720;
    g.V_a(4) = g.V_a(3) + 250;
    name_like_terms(g, 3, "課2　次の式の同類項をいいなさい。", kTask2, kTask2Answers);
}

// ---- answer page -------------------------------------------------------------------

// Reads nothing; writes XI1 (640 after the column break), XI2, YI1; clobbers CCC1, X, Y, AA$ and what
// WAIT_ANY_KEY clobbers.
void SHOW_ANSWERS_Q4(Program& g) {
    const lesson::AnswerPage page{.next_dy = 60};
    page.play(g, "問4 解答",
              {page.next_problem(1, 0, "(1) 4x+7y+2x-5y"),
               page.working(2, 0, "=4x+2x+7y-5y"),
               page.working(3, 5, "=6x+2y"),
               page.next_problem(4, 0, "(2) 5x^2+2x-4x-3x^2"),
               page.working(5, 0, "=5x^2-3x^2+2x-4x"),
               page.working(6, 5, "=2x^2-2x"),
               page.next_column(7),
               page.next_problem(7, 0, "(3) 4ab-2a-ab+2a"),
               page.working(8, 0, "=4ab-ab-2a+2a"),
               page.working(9, 5, "=3ab"),
               page.next_problem(10, 0, "(4) a^2-5a-a-3a^2+3"),
               page.working(11, 0, "=a^2-3a^2-5a-a+3"),
               page.working(12, 5, "=-2a^2-6a+3")});
}

}  // namespace cw::kelvane2
