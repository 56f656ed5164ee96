// Lesson 3: the worked answers to textbook exercises 5, 6 and 7.
#include "lessons/kelvane/lesson3.h"
#include "lessons/pages.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::kelvane3 {

using namespace lesson;

// Reads nothing; writes XI0, XI1, XI2, YI1; clobbers CCC1, X, Y, AA$ and what the column sums and WAIT_ANY_KEY clobber.
void SHOW_ANSWERS_Q5(Program& g) {
    clear_screen(g);
    set_cursor(g, 40, 40 + 54, 30);
    play_rows(g, {
                     text(0, indent(0), 3, "問5 解答"),
                     text(0, margin(50), 3, "(1)"),
                     text(0, indent(0), 0, " (x+y)+(3x+2y)"),
                     text(1, indent(50), 0, "=x+y+3x+2y"),
                     text(2, indent(50), 0, "=x+3x+y+2y"),
                     text(3, indent(50), 5, "=4x+3y"),
                     text(3, margin(60), 3, "(2)"),
                     text(3, indent(0), 0, " (-5x-9-3y)+(6+5x-8y)"),
                     text(4, indent(50), 0, "=-5x-9-3y+6+5x-8y"),
                     text(5, indent(50), 0, "=-5x+5x-3y-8y-9+6"),
                     text(6, indent(50), 5, "=-11y-3"),
                     column(6, 680, 680 + 54, 30),
                     text(6, margin(50), 3, "(3)"),
                     column_sum(6, indent(50), " x-4y", "5x-3y", "+"),
                     text(7, operand(50), 5, "6x-7y"),
                     text(7, margin(50), 3, "(4)"),
                     column_sum(7, indent(50), "-2a+ b+1", " 2a-7b+5", "+"),
                     text(8, operand(50), 5, "   -6b+6"),
                 });
}

// Reads nothing; writes XI0, XI1, XI2, YI1; clobbers CCC1, X, Y, AA$ and what the column sums and WAIT_ANY_KEY clobber.
void SHOW_SUBTRACTION_ANSWERS(Program& g) {
    clear_screen(g);
    set_cursor(g, 40, 40 + 54, 30);
    play_rows(g, {
                     text(0, indent(0), 3, "問6 解答"),
                     text(0, margin(50), 3, "(1)"),
                     text(0, indent(0), 0, " (3x+2y)-(x-5y)"),
                     text(1, indent(50), 0, "=(3x+2y)+(-x+5y)"),
                     text(2, indent(50), 0, "=3x+2y-x+5y"),
                     text(3, indent(50), 0, "=3x-x+2y+5y"),
                     text(4, indent(50), 5, "=2x+7y"),
                     text(4, margin(60), 3, "(2)"),
                     text(4, indent(0), 0, " (a^2-3a+4)-(2a^2+5-a)"),
                     text(5, indent(50), 0, "=(a^2-3a+4)+(-2a^2-5+a)"),
                     text(6, indent(50), 0, "=a^2-3a+4-2a^2-5+a"),
                     text(7, indent(50), 0, "=a^2-2a^2-3a+a+4-5"),
                     text(8, indent(50), 5, "=-a^2-2a-1"),
                     column(8, 680, 680 + 54, 30),
                     text(8, margin(50), 3, "(3)"),
                     column_sum(8, indent(50), "a+2b+7", "a-3b+2", "-"),
                     sign_row(9, "+- +  -"),
                     text(10, operand(50), 5, "  5b+5"),
                     text(10, margin(50), 3, "(4)"),
                     column_sum(10, indent(50), "3x -y+12", " x +y", "-"),
                     sign_row(11, "+ -  -"),
                     text(12, operand(50), 5, "2x-2y+12"),
                 });
}

// Reads nothing; writes XI1 = 108, XI2, YI1; clobbers CCC1, X, Y, AA$ and what WAIT_ANY_KEY clobbers.
void SHOW_SUM_AND_DIFFERENCE_ANSWERS(Program& g) {
    const lesson::AnswerPage page{.next_dy = 60};
    page.play(g, "問7 解答",
                      {
                          page.first_problem(1, 3, "(1)"),
                          page.cont(1, 0, " (a+4b)+(4a-2b)"),
                          page.working(2, 0, "=a+4b+4a-2b"),
                          page.working(3, 0, "=a+4a+4b-2b"),
                          page.working(4, 5, "=5a+2b"),
                          page.next_problem(5, 3, "(2)"),
                          page.cont(5, 0, " (a+4b)-(4a-2b)"),
                          page.working(6, 0, "=(a+4b)+(-4a+2b)"),
                          page.working(7, 0, "=a+4b-4a+2b"),
                          page.working(8, 0, "=a-4a+4b+2b"),
                          page.working(9, 5, "=-3a+6b"),
                      });
}

}  // namespace cw::kelvane3
