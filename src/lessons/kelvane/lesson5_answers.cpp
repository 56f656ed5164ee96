// Lesson 5, steps ② and ③: the worked answers to textbook exercises 10 and 11.
#include "lessons/kelvane/lesson5.h"
#include "lessons/pages.h"

namespace cw::kelvane5 {

using lesson::Place;

// Reads nothing; writes XI1, XI2, YI1; clobbers CCC1, X, Y, AA$ and what WAIT_ANY_KEY clobbers.
void SHOW_ANSWERS_Q10(Kelvane& g) {
    lesson::PageLayout layout;
    layout.xi1 = 108;
    layout.yi1 = 30;
    layout.next_dy = 60;
    layout.column_xi1 = 684;
    lesson::play_page(g, "問10 解答",
                      {
                          {1, Place::FirstProblem, 3, "(1)"},
                          {1, Place::Continue, 0, " 2(x+4y)+3(x-5y)"},
                          {1, Place::Working, 0, "=2x+8y+3x-15y"},
                          {1, Place::Working, 0, "=2x+3x+8y-15y"},
                          {1, Place::Working, 5, "=5x-7y"},
                          {2, Place::NextProblem, 3, "(2)"},
                          {2, Place::Continue, 0, " 4(3a-2b)+6(-a+3b)"},
                          {2, Place::Working, 0, "=12a-8b-6a+18b"},
                          {2, Place::At, 0, "=12a-6a-8b+18b", 108, 470},
                          {2, Place::Working, 5, "=6a+10b"},
                          {3, Place::Column, 0, ""},
                          {3, Place::FirstProblem, 3, "(3)"},
                          {3, Place::Continue, 0, " 3(3x-y)-5(2x-y)"},
                          {3, Place::Working, 0, "=9x-3y-10x+5y"},
                          {3, Place::Working, 0, "=9x-10x-3y+5y"},
                          {3, Place::Working, 5, "=-x+2y"},
                          {4, Place::NextProblem, 3, "(4)"},
                          {4, Place::Continue, 0, " 3(x^2+4x-2)-2(6x-1)"},
                          {4, Place::Working, 0, "=3x^2+12x-6-12x+2"},
                          {4, Place::At, 0, "=3x^2+12x-12x-6+2", 684, 470},
                          {4, Place::Working, 5, "=3x^2-4"},
                      },
                      layout);
}

// Reads nothing; writes XI1, XI2, YI1; clobbers CCC1, X, Y, AA$ and what WAIT_ANY_KEY clobbers.
void SHOW_ANSWERS_Q11(Kelvane& g) {
    lesson::PageLayout layout;
    layout.xi1 = 36;
    layout.yi1 = 30;
    lesson::play_page(g, "問11 解答",
                      {
                          {1, Place::Working, 3, " 3(2x-4y)"},
                          {2, Place::Continue, 3, "-4(x+3y)"},
                          {3, Place::Working, 0, "=6x-12y-4x-12y"},
                          {3, Place::Working, 0, "=6x-4x-12y-12y"},
                          {3, Place::Working, 5, "=2x-24y"},
                      },
                      layout);
}

}  // namespace cw::kelvane5
