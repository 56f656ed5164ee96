// Lesson 5 "P32 章の問題A": the sub-menu and the answer pages of problems 1 to 8.
#include "lessons/sarnoth/problem_sets.h"
#include "lessons/sarnoth/answer_pages.h"
#include "lessons/pages.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::sarnoth5 {

using lesson::pen;
using lesson::screen;
using lesson::text;

namespace {

// Problems 1, 2 and 3, each opened by its own number cell at (108, y) and played after it; column 2 at
// XI1 = 648.
struct Block {
    std::string number;
    float y;
    std::vector<lesson::PageRow> rows;
};
const std::vector<Block> kProblems1To3 = {
    {"1", 90, {
        text(0, screen(36, 150), 0, "(1)"),
        text(0, pen(), 5, "2x,-3y,5"),
        text(0, screen(36, 210), 0, "(2)"),
        text(0, pen(), 5, "2x^2,-4x,-9"),
    }},
    {"2", 270, {
        text(0, screen(36, 330), 0, "(1)"),
        text(0, pen(), 5, "2"),
        text(0, pen(72), 0, "(2)"),
        text(0, pen(), 5, "3"),
    }},
    {"3", 390, {
        text(0, screen(36, 450), 0, "(1)"),
        text(0, pen(), 0, " 4a-3b+5b-6a"),
        text(0, screen(108, 510), 0, "=4a-6a-3b+5b"),
        text(0, screen(108, 570), 5, "=-2a+2b"),
        text(1, screen(576, 30), 0, "(2)"),
        text(1, pen(), 0, " 7x+2y-4x-3y"),
        text(1, screen(648, 90), 0, "=7x-4x+2y-3y"),
        text(1, screen(648, 150), 5, "=3x-y"),
        text(2, screen(576, 210), 0, "(3)"),
        text(2, pen(), 0, " (4x-7y)+(3x-5y)"),
        text(2, screen(648, 270), 0, "=4x-7y+3x-5y"),
        text(2, screen(648, 330), 0, "=4x+3x-7y-5y"),
        text(2, screen(648, 390), 5, "=7x-12y"),
        text(3, screen(576, 450), 0, "(4)"),
        text(3, pen(), 0, " (5x^2-4x)-(x^2-4x)"),
        text(3, screen(648, 510), 0, "=5x^2-4x-x^2+4x"),
        text(3, screen(648, 570), 0, "=5x^2-x^2-4x+4x"),
        text(3, pen(), 5, "=4x^2"),
    }},
};

// Problem 4; column 2 at XI1 = 612.
const std::vector<lesson::PageRow> kProblem4 = {
    text(0, screen(36, 90), 0, "(1)"),
    text(0, pen(), 0, " 3(2a-3b)"),
    text(0, screen(108, 150), 5, "=6a-9b"),
    text(1, screen(36, 210), 0, "(2)"),
    text(1, pen(), 0, " (a+4b)*(-2)"),
    text(1, screen(108, 270), 5, "=-2a-8b"),
    text(2, screen(36, 330), 0, "(3)"),
    text(2, pen(), 0, " (2a-6b)/2"),
    text(2, screen(108, 390), 0, "=(2a-6b)*ﾀ1/2ﾀ"),
    text(2, screen(108, 470), 0, "=2a*ﾀ1/2ﾀ-6b*ﾀ1/2ﾀ"),
    text(2, screen(108, 530), 5, "=a-3b"),
    text(3, screen(612, 30), 0, "(4)"),
    text(3, pen(), 0, " 3(2a+b)+4(a-2b)"),
    text(3, screen(612, 90), 0, "=6a+3b+4a-8b"),
    text(3, screen(612, 150), 0, "=6a+4a+3b-8b"),
    text(3, pen(), 5, "=10a-5b"),
    text(4, screen(540, 210), 0, "(5)"),
    text(4, pen(), 0, " 2(x^2+6x)-3(4x-1)"),
    text(4, screen(612, 270), 0, "=2x^2+12x-12x+3"),
    text(4, pen(), 5, "=2x^2+3"),
    text(5, screen(540, 350), 0, "(6)"),
    text(5, pen(), 0, " ﾀ2x+y/2ﾀ+ﾀx-y/3ﾀ"),
    text(5, screen(612, 430), 0, "=ﾀ3(2x+y)/6ﾀ+ﾀ2(x-y)/6ﾀ"),
    text(5, screen(612, 510), 0, "=ﾀ3(2x+y)+2(x-y)/6ﾀ"),
    text(5, screen(612, 590), 0, "=ﾀ6x+3y+2x-2y/6ﾀ"),
    text(5, pen(), 5, "=ﾀ8x+y/6ﾀ"),
};

// Problem 5; column 2 at XI1 = 612.
const std::vector<lesson::PageRow> kProblem5 = {
    text(0, screen(36, 90), 0, "(1)"),
    text(0, pen(), 0, " 6x*(-3x)"),
    text(0, screen(108, 150), 5, "=-18x^2"),
    text(1, screen(36, 210), 0, "(2)"),
    text(1, pen(), 0, " (-a)^2*4a"),
    text(1, screen(108, 270), 0, "=a^2*4a"),
    text(1, screen(108, 330), 5, "=4a^3"),
    text(2, screen(36, 390), 0, "(3)"),
    text(2, pen(), 0, " 4ab/(-8b)"),
    text(2, screen(108, 450), 0, "=4ab*(-ﾀ1/8bﾀ)"),
    text(2, screen(108, 530), 5, "=-ﾀ1/2ﾀa"),
    text(3, screen(612, 30), 0, "(4)"),
    text(3, pen(), 0, " 9x^2/(-x)"),
    text(3, screen(612, 110), 0, "=9x^2*(-ﾀ1/xﾀ)"),
    text(3, pen(), 5, "=-9x"),
    text(4, screen(540, 180), 0, "(5)"),
    text(4, pen(), 0, " 5x^2y/ﾀx/3ﾀ"),
    text(4, screen(612, 260), 0, "=5x^2y*ﾀ3/xﾀ"),
    text(4, pen(), 5, "=15xy"),
    text(5, screen(540, 340), 0, "(6)"),
    text(5, pen(), 0, " a^2*8b/4ab"),
    text(5, screen(612, 420), 0, "=ﾀa^2*8b/4abﾀ"),
    text(5, pen(), 5, "=2a"),
};

// Problem 6, both parts evaluated at x = 3, y = -1/3; column 2 at XI1 = 684.
const std::vector<lesson::PageRow> kProblem6 = {
    text(0, screen(36, 90), 0, "(1)"),
    text(0, pen(), 0, " (x+2y)-(3x-4y)"),
    text(0, screen(108, 150), 0, "=x+2y-3x+4y"),
    text(0, screen(108, 210), 0, "=x-3x+2y+4y"),
    text(0, screen(108, 270), 0, "=-2x+6y"),
    text(1, screen(108, 350), 0, " x=3,y=-ﾀ1/3ﾀ を代入して"),
    text(1, screen(108, 430), 0, "=-2*3+6*(-ﾀ1/3ﾀ)"),
    text(1, screen(108, 510), 0, "=-6-2"),
    text(1, screen(108, 570), 5, "=-8"),
    text(2, screen(612, 90), 0, "(2)"),
    text(2, pen(), 0, " 24xy^2/(-6y)"),
    text(2, screen(684, 150), 0, "=24xy^2*(-ﾀ1/6yﾀ)"),
    text(2, screen(684, 210), 0, "=-4xy"),
    text(3, screen(684, 290), 0, " x=3,y=-ﾀ1/3ﾀ を代入して"),
    text(3, screen(684, 370), 0, "=-4*3*(-ﾀ1/3ﾀ)"),
    text(3, screen(684, 430), 5, "=4"),
};

// Problem 7, each label stored with its equation; column 2 at XI1 = 720.
const std::vector<lesson::PageRow> kProblem7 = {
    text(0, screen(36, 100), 0, "(1) 3x-4y+2=0  【y】"),
    text(0, screen(108, 160), 0, "-4y=-3x-2"),
    text(0, screen(108, 240), 0, "y=ﾀ-3x/-4ﾀ+ﾀ-2/-4ﾀ"),
    text(0, screen(108, 320), 5, "y=ﾀ3/4ﾀx+ﾀ1/2ﾀ"),
    text(0, screen(108, 400), 5, "y=ﾀ3x+2/4ﾀ でもよい"),
    text(1, screen(648, 100), 0, "(2) m=ﾀa+b/2ﾀ  【a】"),
    text(1, screen(720, 170), 0, "ﾀa+b/2ﾀ=m"),
    text(1, screen(720, 250), 0, "2*ﾀa+b/2ﾀ=2*m"),
    text(1, screen(720, 320), 0, "a+b=2m"),
    text(1, screen(720, 390), 5, "a=2m-b"),
};

// Problem 8, one sentence per key.
const std::vector<lesson::PageRow> kProblem8 = {
    text(0, screen(108, 90), 0, "3つの続いた偶数を　2n-2,2n,2n+2 とすると"),
    text(1, screen(108, 150), 0, "これらの和は"),
    text(2, screen(108, 210), 0, " (2n-2)+2n+(2n+2)"),
    text(3, screen(108, 270), 0, "=2n-2+2n+2n+2"),
    text(3, screen(108, 330), 0, "=6n"),
    text(4, screen(108, 390), 0, "nは整数だから、6の倍数である。"),
};

const std::string kTitle = "P32 章の問題A";

}  // namespace

// Reads nothing; writes XI1, XI2, YI1; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_PROBLEMS_1_TO_3(Program& g) {
    lesson::clear_screen(g);
    sarnoth::heading_cells(g, 108, kTitle, "", 0);
    // The first number cell waits for a key; the others come with the key that ends the block before.
    for (size_t i = 0; i < kProblems1To3.size(); ++i) {
        auto& b = kProblems1To3[i];
        if (i > 0) WAIT_ANY_KEY(g);
        sarnoth::number_cell_at(g, 108, b.y, b.number);
        if (i == 0) WAIT_ANY_KEY(g);
        lesson::play_rows(g, b.rows);
    }
}

// Reads nothing; writes XI1, XI2, YI1; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_PROBLEM_4(Program& g) { sarnoth::answer_page(g, {kTitle, "4"}, kProblem4); }
// Reads nothing; writes XI1, XI2, YI1; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_PROBLEM_5(Program& g) { sarnoth::answer_page(g, {kTitle, "5"}, kProblem5); }
// Reads nothing; writes XI1, XI2, YI1; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_PROBLEM_6(Program& g) { sarnoth::answer_page(g, {kTitle, "6"}, kProblem6); }
// Reads nothing; writes XI1, XI2, YI1; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_PROBLEM_7(Program& g) { sarnoth::answer_page(g, {kTitle, "7"}, kProblem7); }
// Reads nothing; writes XI1, XI2, YI1; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_PROBLEM_8(Program& g) { sarnoth::answer_page(g, {kTitle, "8"}, kProblem8); }

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
