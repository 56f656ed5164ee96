// Lesson 5, steps ② and ③: the worked answers to textbook exercises 10 and 11.
#include "lessons/kelvane/lesson5.h"
#include "lessons/pages.h"

namespace cw::kelvane5 {

// Reads nothing; writes XI1, XI2, YI1; clobbers CCC1, X, Y, AA$ and what WAIT_ANY_KEY clobbers.
void SHOW_ANSWERS_Q10(Kelvane& g) {
    const lesson::AnswerPage page{.next_dy = 60, .column_xi1 = 684};
    page.play(g, "問10 解答",
                      {
                          page.first_problem(1, 3, "(1)"),
                          page.cont(1, 0, " 2(x+4y)+3(x-5y)"),
                          page.working(1, 0, "=2x+8y+3x-15y"),
                          page.working(1, 0, "=2x+3x+8y-15y"),
                          page.working(1, 5, "=5x-7y"),
                          page.next_problem(2, 3, "(2)"),
                          page.cont(2, 0, " 4(3a-2b)+6(-a+3b)"),
                          page.working(2, 0, "=12a-8b-6a+18b"),
                          page.at(2, 108, 470, 0, "=12a-6a-8b+18b"),
                          page.working(2, 5, "=6a+10b"),
                          page.next_column(3),
                          page.first_problem(3, 3, "(3)"),
                          page.cont(3, 0, " 3(3x-y)-5(2x-y)"),
                          page.working(3, 0, "=9x-3y-10x+5y"),
                          page.working(3, 0, "=9x-10x-3y+5y"),
                          page.working(3, 5, "=-x+2y"),
                          page.next_problem(4, 3, "(4)"),
                          page.cont(4, 0, " 3(x^2+4x-2)-2(6x-1)"),
                          page.working(4, 0, "=3x^2+12x-6-12x+2"),
                          page.at(4, 684, 470, 0, "=3x^2+12x-12x-6+2"),
                          page.working(4, 5, "=3x^2-4"),
                      });
}

// Reads nothing; writes XI1, XI2, YI1; clobbers CCC1, X, Y, AA$ and what WAIT_ANY_KEY clobbers.
void SHOW_ANSWERS_Q11(Kelvane& g) {
    const lesson::AnswerPage page{.xi1 = 36};
    page.play(g, "問11 解答",
                      {
                          page.working(1, 3, " 3(2x-4y)"),
                          page.cont(2, 3, "-4(x+3y)"),
                          page.working(3, 0, "=6x-12y-4x-12y"),
                          page.working(3, 0, "=6x-4x-12y-12y"),
                          page.working(3, 5, "=2x-24y"),
                      });
}

}  // namespace cw::kelvane5
