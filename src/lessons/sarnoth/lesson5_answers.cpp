// Lesson 5 "P32 章の問題A": the sub-menu and the answer pages of problems 1 to 8.
#include "lessons/sarnoth/problem_sets.h"
#include "lessons/sarnoth/rows.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::sarnoth5 {

using sarnoth::Key;
using sarnoth::Kind;
using sarnoth::PEN;
using sarnoth::Row;

namespace {

const Key W = Key::After;

// Problems 1, 2 and 3, each opened by its own number cell; column 2 at XI1 = 648.
const std::vector<Row> kProblems1To3 = {
    {108, 90, 13, "1", W, Kind::NumberCell},
    {36, 150, 0, "(1)"},
    {PEN, 150, 5, "2x,-3y,5"},
    {36, 210, 0, "(2)"},
    {PEN, 210, 5, "2x^2,-4x,-9", W},
    {108, 270, 13, "2", Key::None, Kind::NumberCell},
    {36, 330, 0, "(1)"},
    {PEN, 330, 5, "2"},
    {PEN + 72, 330, 0, "(2)"},
    {PEN, 330, 5, "3", W},
    {108, 390, 13, "3", Key::None, Kind::NumberCell},
    {36, 450, 0, "(1)"},
    {PEN, 450, 0, " 4a-3b+5b-6a"},
    {108, 510, 0, "=4a-6a-3b+5b"},
    {108, 570, 5, "=-2a+2b", W},
    {576, 30, 0, "(2)"},
    {PEN, 30, 0, " 7x+2y-4x-3y"},
    {648, 90, 0, "=7x-4x+2y-3y"},
    {648, 150, 5, "=3x-y", W},
    {576, 210, 0, "(3)"},
    {PEN, 210, 0, " (4x-7y)+(3x-5y)"},
    {648, 270, 0, "=4x-7y+3x-5y"},
    {648, 330, 0, "=4x+3x-7y-5y"},
    {648, 390, 5, "=7x-12y", W},
    {576, 450, 0, "(4)"},
    {PEN, 450, 0, " (5x^2-4x)-(x^2-4x)"},
    {648, 510, 0, "=5x^2-4x-x^2+4x"},
    {648, 570, 0, "=5x^2-x^2-4x+4x"},
    {PEN, 570, 5, "=4x^2"},
};

// Problem 4; column 2 at XI1 = 612.
const std::vector<Row> kProblem4 = {
    {36, 90, 0, "(1)"},
    {PEN, 90, 0, " 3(2a-3b)"},
    {108, 150, 5, "=6a-9b", W},
    {36, 210, 0, "(2)"},
    {PEN, 210, 0, " (a+4b)*(-2)"},
    {108, 270, 5, "=-2a-8b", W},
    {36, 330, 0, "(3)"},
    {PEN, 330, 0, " (2a-6b)/2"},
    {108, 390, 0, "=(2a-6b)*ﾀ1/2ﾀ"},
    {108, 470, 0, "=2a*ﾀ1/2ﾀ-6b*ﾀ1/2ﾀ"},
    {108, 530, 5, "=a-3b", W},
    {612, 30, 0, "(4)"},
    {PEN, 30, 0, " 3(2a+b)+4(a-2b)"},
    {612, 90, 0, "=6a+3b+4a-8b"},
    {612, 150, 0, "=6a+4a+3b-8b"},
    {PEN, 150, 5, "=10a-5b", W},
    {540, 210, 0, "(5)"},
    {PEN, 210, 0, " 2(x^2+6x)-3(4x-1)"},
    {612, 270, 0, "=2x^2+12x-12x+3"},
    {PEN, 270, 5, "=2x^2+3", W},
    {540, 350, 0, "(6)"},
    {PEN, 350, 0, " ﾀ2x+y/2ﾀ+ﾀx-y/3ﾀ"},
    {612, 430, 0, "=ﾀ3(2x+y)/6ﾀ+ﾀ2(x-y)/6ﾀ"},
    {612, 510, 0, "=ﾀ3(2x+y)+2(x-y)/6ﾀ"},
    {612, 590, 0, "=ﾀ6x+3y+2x-2y/6ﾀ"},
    {PEN, 590, 5, "=ﾀ8x+y/6ﾀ"},
};

// Problem 5; column 2 at XI1 = 612.
const std::vector<Row> kProblem5 = {
    {36, 90, 0, "(1)"},
    {PEN, 90, 0, " 6x*(-3x)"},
    {108, 150, 5, "=-18x^2", W},
    {36, 210, 0, "(2)"},
    {PEN, 210, 0, " (-a)^2*4a"},
    {108, 270, 0, "=a^2*4a"},
    {108, 330, 5, "=4a^3", W},
    {36, 390, 0, "(3)"},
    {PEN, 390, 0, " 4ab/(-8b)"},
    {108, 450, 0, "=4ab*(-ﾀ1/8bﾀ)"},
    {108, 530, 5, "=-ﾀ1/2ﾀa", W},
    {612, 30, 0, "(4)"},
    {PEN, 30, 0, " 9x^2/(-x)"},
    {612, 110, 0, "=9x^2*(-ﾀ1/xﾀ)"},
    {PEN, 110, 5, "=-9x", W},
    {540, 180, 0, "(5)"},
    {PEN, 180, 0, " 5x^2y/ﾀx/3ﾀ"},
    {612, 260, 0, "=5x^2y*ﾀ3/xﾀ"},
    {PEN, 260, 5, "=15xy", W},
    {540, 340, 0, "(6)"},
    {PEN, 340, 0, " a^2*8b/4ab"},
    {612, 420, 0, "=ﾀa^2*8b/4abﾀ"},
    {PEN, 420, 5, "=2a"},
};

// Problem 6, both parts evaluated at x = 3, y = -1/3; column 2 at XI1 = 684.
const std::vector<Row> kProblem6 = {
    {36, 90, 0, "(1)"},
    {PEN, 90, 0, " (x+2y)-(3x-4y)"},
    {108, 150, 0, "=x+2y-3x+4y"},
    {108, 210, 0, "=x-3x+2y+4y"},
    {108, 270, 0, "=-2x+6y", W},
    {108, 350, 0, " x=3,y=-ﾀ1/3ﾀ を代入して"},
    {108, 430, 0, "=-2*3+6*(-ﾀ1/3ﾀ)"},
    {108, 510, 0, "=-6-2"},
    {108, 570, 5, "=-8", W},
    {612, 90, 0, "(2)"},
    {PEN, 90, 0, " 24xy^2/(-6y)"},
    {684, 150, 0, "=24xy^2*(-ﾀ1/6yﾀ)"},
    {684, 210, 0, "=-4xy", W},
    {684, 290, 0, " x=3,y=-ﾀ1/3ﾀ を代入して"},
    {684, 370, 0, "=-4*3*(-ﾀ1/3ﾀ)"},
    {684, 430, 5, "=4"},
};

// Problem 7, each label stored with its equation; column 2 at XI1 = 720.
const std::vector<Row> kProblem7 = {
    {36, 100, 0, "(1) 3x-4y+2=0  【y】"},
    {108, 160, 0, "-4y=-3x-2"},
    {108, 240, 0, "y=ﾀ-3x/-4ﾀ+ﾀ-2/-4ﾀ"},
    {108, 320, 5, "y=ﾀ3/4ﾀx+ﾀ1/2ﾀ"},
    {108, 400, 5, "y=ﾀ3x+2/4ﾀ でもよい", W},
    {648, 100, 0, "(2) m=ﾀa+b/2ﾀ  【a】"},
    {720, 170, 0, "ﾀa+b/2ﾀ=m"},
    {720, 250, 0, "2*ﾀa+b/2ﾀ=2*m"},
    {720, 320, 0, "a+b=2m"},
    {720, 390, 5, "a=2m-b"},
};

// Problem 8, one sentence per key.
const std::vector<Row> kProblem8 = {
    {108, 90, 0, "3つの続いた偶数を　2n-2,2n,2n+2 とすると", W},
    {108, 150, 0, "これらの和は", W},
    {108, 210, 0, " (2n-2)+2n+(2n+2)", W},
    {108, 270, 0, "=2n-2+2n+2n+2"},
    {108, 330, 0, "=6n", W},
    {108, 390, 0, "nは整数だから、6の倍数である。"},
};

// The answer-page frame: the window erased, the heading cell at (108, 30), the number cell 44 to its right
// unless the page opens its problems with cells of their own, a key; then the rows.
void answer_page(Program& g, const std::string& number, const std::vector<Row>& rows) {
    lesson::clear_screen(g);
    sarnoth::heading_cells(g, 108, "P32 章の問題A", number, 44);
    if (!number.empty()) WAIT_ANY_KEY(g);
    sarnoth::play_rows(g, rows);
}

}  // namespace

// Each page: reads nothing; writes XI1, XI2, YI1; clobbers X, Y, CCC1..CCC3, AA$, A$, HABA, TATE.
void SHOW_PROBLEMS_1_TO_3(Program& g) { answer_page(g, "", kProblems1To3); }
// As SHOW_PROBLEMS_1_TO_3.
void SHOW_PROBLEM_4(Program& g) { answer_page(g, "4", kProblem4); }
// As SHOW_PROBLEMS_1_TO_3.
void SHOW_PROBLEM_5(Program& g) { answer_page(g, "5", kProblem5); }
// As SHOW_PROBLEMS_1_TO_3.
void SHOW_PROBLEM_6(Program& g) { answer_page(g, "6", kProblem6); }
// As SHOW_PROBLEMS_1_TO_3.
void SHOW_PROBLEM_7(Program& g) { answer_page(g, "7", kProblem7); }
// As SHOW_PROBLEMS_1_TO_3.
void SHOW_PROBLEM_8(Program& g) { answer_page(g, "8", kProblem8); }

// Reads nothing; writes what SHOW_LESSON_5_MENU writes.
void START_CHAPTER_PROBLEMS_A_LESSON(Program& g) { SHOW_LESSON_5_MENU(g); }

// Reads AINP; writes SENTAKU, AINP (10); clobbers what the chosen page writes.
void SHOW_LESSON_5_MENU(Program& g) {
    lesson::run_submenu(g, "①1,2,3　②4　③5　④6　⑤7　⑥8　⑦終了",
                        {SHOW_PROBLEMS_1_TO_3, SHOW_PROBLEM_4, SHOW_PROBLEM_5, SHOW_PROBLEM_6, SHOW_PROBLEM_7,
                         SHOW_PROBLEM_8},
                        true);
}

}  // namespace cw::sarnoth5
