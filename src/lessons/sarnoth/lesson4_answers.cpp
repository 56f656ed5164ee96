// Lesson 4 "P29 基本の問題": the sub-menu and the two answer pages.
#include "lessons/sarnoth/problem_sets.h"
#include "lessons/sarnoth/answer_pages.h"
#include "lessons/pages.h"
#include "lessons/toolkit.h"

namespace cw::sarnoth4 {

using lesson::pen;
using lesson::screen;
using lesson::text;

namespace {

// Problem 1, every line at x 36 in colour 0.
const std::vector<lesson::PageRow> kDigitSum = {
    text(0, screen(36, 90), 0, "2けたの自然数の十の位をx、一の位をyとすると"),
    text(1, screen(36, 150), 0, "2けたの自然数は 10x+y"),
    text(2, screen(36, 210), 0, "各位の数の和は x+y"),
    text(2, screen(36, 270), 0, "と表されるから、それらの差は"),
    text(3, screen(36, 330), 0, " (10x+y)-(x+y)"),
    text(4, screen(36, 390), 0, "=10x+y-x-y"),
    text(4, screen(36, 450), 0, "=9x"),
    text(5, screen(36, 510), 0, "xは整数だから、9の倍数である。"),
};

// Problem 2: each statement 72 left of its working; (2) goes on in a second column at x 720.
const std::vector<lesson::PageRow> kSolveForLetter = {
    text(0, screen(36, 100), 0, "(1) 3x-2y=4  【x】"),
    text(1, screen(108, 160), 0, "3x=4+2y"),
    text(1, screen(108, 240), 5, "x=ﾀ4/3ﾀ+ﾀ2/3ﾀy"),
    text(1, screen(108, 320), 5, "x=ﾀ4+2y/3ﾀ でもよい"),
    text(1, screen(36, 390), 0, "(2) 2x-5y-15=0  【y】"),
    text(2, screen(108, 450), 0, "-5y=-2x+15"),
    text(2, screen(108, 530), 0, "y=ﾀ-2x/-5ﾀ+ﾀ15/-5ﾀ"),
    text(2, screen(720, 110), 5, "y=ﾀ2/5ﾀx-3"),
    text(2, screen(720, 190), 5, "y=ﾀ2x-15/5ﾀ でもよい"),
    text(2, screen(648, 260), 0, "(3) l=2πr  【r】"),
    text(3, screen(720, 320), 0, "2πr=l"),
    text(3, screen(720, 400), 0, "ﾀ2πr/2πﾀ=ﾀl/2πﾀ"),
    text(3, screen(720, 480), 5, "r=ﾀl/2πﾀ"),
};

const std::string kTitle = "P29 基本の問題";

}  // namespace

// Reads nothing; writes XI1, XI2, YI1; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_DIGIT_SUM_ANSWER(Program& g) {
    sarnoth::answer_page(g, {.title = kTitle, .number = "1", .xi1 = 36, .key_first = false}, kDigitSum);
}

// Reads nothing; writes XI1, XI2, YI1; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_SOLVE_FOR_LETTER_ANSWERS(Program& g) {
    sarnoth::answer_page(g, {.title = kTitle, .number = "2", .key_first = false}, kSolveForLetter);
}

// Reads nothing; writes what SHOW_LESSON_4_MENU writes.
void START_FUNDAMENTAL_PROBLEMS_LESSON(Program& g) { SHOW_LESSON_4_MENU(g); }

// Reads AINP; writes SENTAKU, AINP (10); clobbers what the chosen page writes.
void SHOW_LESSON_4_MENU(Program& g) {
    lesson::run_submenu(g, "①　②　③終了", {SHOW_DIGIT_SUM_ANSWER, SHOW_SOLVE_FOR_LETTER_ANSWERS}, true);
}

}  // namespace cw::sarnoth4
