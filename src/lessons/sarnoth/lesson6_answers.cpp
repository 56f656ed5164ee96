// Lesson 6 "P33 章の問題B": the sub-menu and the answer pages of steps ① and ②.
// These pages set no draw width: their cell borders take the width in force.
#include "lessons/sarnoth/problem_sets.h"
#include "lessons/sarnoth/answer_pages.h"
#include "lessons/pages.h"
#include "lessons/toolkit.h"

namespace cw::sarnoth6 {

using lesson::pen;
using lesson::screen;
using lesson::text;

namespace {

// Step ①: (1) at XI1 = 36, (2) at XI1 = 684 with its label on the heading row.
const std::vector<lesson::PageRow> kSimplification = {
    text(0, screen(36, 90), 0, "(1)"),
    text(0, screen(36, 150), 0, " 4x^2y*(3y)^2/(-6xy^2)"),
    text(0, screen(36, 230), 0, "=4x^2y*9y^2/(-6xy^2)"),
    text(0, screen(36, 310), 0, "=-ﾀ4x^2y*9y^2/6xy^2ﾀ"),
    text(0, screen(36, 390), 0, "=-ﾀ4*x*x*y*9*y*y/6*x*y*yﾀ"),
    text(0, screen(36, 470), 5, "=-6xy"),
    text(1, screen(612, 30), 0, "(2)"),
    text(1, screen(684, 90), 0, " 5(2x-y)-{x-3(x-y)}"),
    text(1, screen(684, 150), 0, "=10x-5y-(x-3x+3y)"),
    text(1, screen(684, 210), 0, "=10x-5y-x+3x-3y"),
    text(1, screen(684, 270), 0, "=10x-x+3x-5y-3y"),
    text(1, screen(684, 330), 5, "=12x-8y"),
};

// Step ②: (1) at XI1 = 108, (2) at XI1 = 684.
const std::vector<lesson::PageRow> kSubstitution = {
    text(0, screen(36, 90), 0, "(1)"),
    text(0, pen(), 0, " 4A-3B"),
    text(0, screen(108, 150), 0, "  A=x+y,B=2x-3y"),
    text(0, screen(108, 200), 0, "  を代入して"),
    text(1, screen(108, 260), 0, "=4(x+y)-3(2x-3y)"),
    text(2, screen(108, 320), 0, "=4x+4y-6x+9y"),
    text(2, screen(108, 380), 0, "=4x-6x+4y+9y"),
    text(2, screen(108, 440), 5, "=-2x+13y"),
    text(3, screen(612, 90), 0, "(2)"),
    text(3, pen(), 0, " A-(B-2A)"),
    text(3, screen(684, 150), 0, "=A-B+2A"),
    text(3, screen(684, 210), 0, "=3A-B"),
    text(4, screen(684, 270), 0, "  A=x+y,B=2x-3y"),
    text(4, screen(684, 320), 0, "  を代入して"),
    text(5, screen(684, 380), 0, "=3(x+y)-(2x-3y)"),
    text(6, screen(684, 440), 0, "=3x+3y-2x+3y"),
    text(6, screen(684, 500), 0, "=3x-2x+3y+3y"),
    text(6, screen(684, 560), 5, "=x+6y"),
};

const std::string kTitle = "P33 章の問題B";

}  // namespace

// Reads the draw width; writes XI1, XI2, YI1; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_SIMPLIFICATION_ANSWERS(Program& g) {
    sarnoth::answer_page(g, {.title = kTitle, .number = "1", .xi1 = 36, .gap = 10}, kSimplification);
}

// Reads the draw width; writes XI1, XI2, YI1; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_SUBSTITUTION_ANSWERS(Program& g) { sarnoth::answer_page(g, {kTitle, "2"}, kSubstitution); }

// Reads nothing; writes what SHOW_LESSON_6_MENU writes.
void START_CHAPTER_PROBLEMS_B_LESSON(Sarnoth& g) { SHOW_LESSON_6_MENU(g); }

// Reads AINP; writes SENTAKU, AINP (10); clobbers what the chosen step writes.
void SHOW_LESSON_6_MENU(Sarnoth& g) {
    lesson::run_submenu(g, "①　②　③　④　⑤　⑥終了",
                        {SHOW_SIMPLIFICATION_ANSWERS, SHOW_SUBSTITUTION_ANSWERS,
                         [&g](Program&) { SHOW_NUMBERS_IN_SECTORS(g); }, [&g](Program&) { SHOW_SECTOR_AREA(g); },
                         [&g](Program&) { SHOW_CYLINDERS_FROM_RECTANGLE(g); }},
                        true);
}

}  // namespace cw::sarnoth6
