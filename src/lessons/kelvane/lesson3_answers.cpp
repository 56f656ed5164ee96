// Lesson 3: the worked answers to textbook exercises 5, 6 and 7.
#include "lessons/kelvane/lesson3.h"
#include "lessons/pages.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace cw::kelvane3 {

using lesson::Keep;
using lesson::put;

namespace {

// A sum or difference set out in columns at the pen (XI1, YI1 + 50); leaves
// XI3 at the operand column and YI1 at the lower row.
void column_item(Program& g, const std::string& upper, const std::string& lower, const std::string& op) {
    g.CCC1 = 0;
    g.A1_s = upper;
    g.A2_s = lower;
    g.ENZAN_s = op;
    g.X = g.XI1;
    g.Y = g.YI1 + 50;
    g.TAKASA = 50;
    g.CCC2 = 0;
    DRAW_COLUMN_OPERATION(g);
}

}  // namespace

void SHOW_ANSWERS_Q5(Program& g) {
    lesson::clear_screen(g);
    lesson::cursor(g, 40, 40 + 54, 30);
    put(g, g.XI1, g.YI1, 3, "問5 解答");
    put(g, g.XI0, g.YI1 + 50, 3, "(1)");
    put(g, g.XI1, g.YI1, 0, " (x+y)+(3x+2y)");
    WAIT_ANY_KEY(g);
    put(g, g.XI1, g.YI1 + 50, 0, "=x+y+3x+2y");
    WAIT_ANY_KEY(g);
    put(g, g.XI1, g.YI1 + 50, 0, "=x+3x+y+2y");
    WAIT_ANY_KEY(g);
    put(g, g.XI1, g.YI1 + 50, 5, "=4x+3y");
    put(g, g.XI0, g.YI1 + 60, 3, "(2)");
    put(g, g.XI1, g.YI1, 0, " (-5x-9-3y)+(6+5x-8y)");
    WAIT_ANY_KEY(g);
    put(g, g.XI1, g.YI1 + 50, 0, "=-5x-9-3y+6+5x-8y");
    WAIT_ANY_KEY(g);
    put(g, g.XI1, g.YI1 + 50, 0, "=-5x+5x-3y-8y-9+6");
    WAIT_ANY_KEY(g);
    put(g, g.XI1, g.YI1 + 50, 5, "=-11y-3");
    lesson::cursor(g, 680, 680 + 54, 30);
    put(g, g.XI0, g.YI1 + 50, 3, "(3)");
    column_item(g, " x-4y", "5x-3y", "+");
    WAIT_ANY_KEY(g);
    put(g, g.XI3, g.YI1 + 50, 5, "6x-7y");
    put(g, g.XI0, g.YI1 + 50, 3, "(4)");
    column_item(g, "-2a+ b+1", " 2a-7b+5", "+");
    WAIT_ANY_KEY(g);
    put(g, g.XI3, g.YI1 + 50, 5, "   -6b+6");
}

void SHOW_SUBTRACTION_ANSWERS(Program& g) {
    lesson::clear_screen(g);
    lesson::cursor(g, 40, 40 + 54, 30);
    put(g, g.XI1, g.YI1, 3, "問6 解答");
    put(g, g.XI0, g.YI1 + 50, 3, "(1)");
    put(g, g.XI1, g.YI1, 0, " (3x+2y)-(x-5y)");
    WAIT_ANY_KEY(g);
    put(g, g.XI1, g.YI1 + 50, 0, "=(3x+2y)+(-x+5y)");
    WAIT_ANY_KEY(g);
    put(g, g.XI1, g.YI1 + 50, 0, "=3x+2y-x+5y");
    WAIT_ANY_KEY(g);
    put(g, g.XI1, g.YI1 + 50, 0, "=3x-x+2y+5y");
    WAIT_ANY_KEY(g);
    put(g, g.XI1, g.YI1 + 50, 5, "=2x+7y");
    put(g, g.XI0, g.YI1 + 60, 3, "(2)");
    put(g, g.XI1, g.YI1, 0, " (a^2-3a+4)-(2a^2+5-a)");
    WAIT_ANY_KEY(g);
    put(g, g.XI1, g.YI1 + 50, 0, "=(a^2-3a+4)+(-2a^2-5+a)");
    WAIT_ANY_KEY(g);
    put(g, g.XI1, g.YI1 + 50, 0, "=a^2-3a+4-2a^2-5+a");
    WAIT_ANY_KEY(g);
    put(g, g.XI1, g.YI1 + 50, 0, "=a^2-2a^2-3a+a+4-5");
    WAIT_ANY_KEY(g);
    put(g, g.XI1, g.YI1 + 50, 5, "=-a^2-2a-1");
    lesson::cursor(g, 680, 680 + 54, 30);
    put(g, g.XI0, g.YI1 + 50, 3, "(3)");
    column_item(g, "a+2b+7", "a-3b+2", "-");
    WAIT_ANY_KEY(g);
    put(g, g.XI1, g.YI1 - 25, 3, "+- +  -", Keep::None);
    WAIT_ANY_KEY(g);
    put(g, g.XI3, g.YI1 + 50, 5, "  5b+5");
    put(g, g.XI0, g.YI1 + 50, 3, "(4)");
    column_item(g, "3x -y+12", " x +y", "-");
    WAIT_ANY_KEY(g);
    put(g, g.XI1, g.YI1 - 25, 3, "+ -  -", Keep::None);
    WAIT_ANY_KEY(g);
    put(g, g.XI3, g.YI1 + 50, 5, "2x-2y+12");
}

void SHOW_SUM_AND_DIFFERENCE_ANSWERS(Program& g) {
    using lesson::Place;
    lesson::PageLayout layout;
    layout.xi1 = 108;
    layout.yi1 = 30;
    layout.label_dx = -72;
    layout.first_dy = 60;
    layout.next_dy = 60;
    layout.working_dy = 60;
    lesson::play_page(g, "問7 解答",
                      {
                          {1, Place::FirstProblem, 3, "(1)"},
                          {1, Place::Continue, 0, " (a+4b)+(4a-2b)"},
                          {2, Place::Working, 0, "=a+4b+4a-2b"},
                          {3, Place::Working, 0, "=a+4a+4b-2b"},
                          {4, Place::Working, 5, "=5a+2b"},
                          {5, Place::NextProblem, 3, "(2)"},
                          {5, Place::Continue, 0, " (a+4b)-(4a-2b)"},
                          {6, Place::Working, 0, "=(a+4b)+(-4a+2b)"},
                          {7, Place::Working, 0, "=a+4b-4a+2b"},
                          {8, Place::Working, 0, "=a-4a+4b+2b"},
                          {9, Place::Working, 5, "=-3a+6b"},
                      },
                      layout);
}

}  // namespace cw::kelvane3
