// Lesson 4: its entry, goal screen and sub-menu, and the flower-bed review.
#include "lessons/draws.h"
#include "lessons/kelvane/lesson4.h"
#include "lessons/kelvane/lesson4_common.h"
#include "lessons/panels.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace cw::kelvane4 {

using lesson::put;

// Reads nothing; writes what the goal screen and the sub-menu write; returns when item 8 is chosen.
void START_LESSON4(Kelvane& g) {
    SHOW_LESSON_GOAL(g);
    SHOW_LESSON4_MENU(g);
}

// Reads nothing; writes XI1 = 44, XI2, YI1 = 305, CCC1 = 0, X, Y; clobbers what the typesetter clobbers.
void SHOW_LESSON_GOAL(Program& g) { lesson::goal_screen(g, {"多項式と数の乗法や除法ができるようになろう。"}); }

// Reads AINP; writes SENTAKU, AINP = 10 after each entry; clobbers what the steps clobber; returns on item 8.
void SHOW_LESSON4_MENU(Kelvane& g) {
    auto step = [&g](void (*fn)(Kelvane&)) { return [&g, fn](Program&) { fn(g); }; };
    lesson::run_submenu(g, "①復習課題　②復分配　③復逆数　④乗法　⑤問8　⑥除法　⑦問9　⑧終了",
                        {step(SHOW_FLOWER_BED_REVIEW), step(STEP_REVIEW_DISTRIBUTION), step(STEP_REVIEW_RECIPROCAL),
                         step(STEP_MULTIPLICATION), SHOW_ANSWERS_QUESTION_8, step(SHOW_DIVISION_STEP),
                         SHOW_ANSWERS_QUESTION_9},
                        true);
}

// ---------------------------------------------------------------------------
// Step ①: the flower bed 3 m by 2a m, lengthened by 1 m.

namespace {

// A block of cells drawn row by row (JJ) and left to right (II): `cols`
// columns of w × 70 from x0 in fill colour `fill`, each holding `text`.
void cell_block(Kelvane& g, float x0, float cols, float w, float fill, const std::string& text) {
    for (g.JJ = 1; g.JJ <= 3; g.JJ += 1) {
        g.XI3 = g.XI1 + 100;
        for (g.II = 1; g.II <= cols; g.II += 1) {
            g.X = g.XI3 + x0 + w * (g.II - 1);
            g.Y = g.YI3 + 70 * (g.JJ - 1);
            g.HABA = w;
            g.TATE = 70;
            g.CCC1 = 5;
            g.CCC2 = 0;
            g.CCC3 = fill;
            g.A_s = text;
            DRAW_CELL(g);
        }
    }
}
void bed(Kelvane& g, const std::string& text) { cell_block(g, 0, 2, 88, 13, text); }
void strip(Kelvane& g, const std::string& text) { cell_block(g, 176, 1, 70, 11, text); }

// A labelled dimension arc in dot colour 3, 16 high, with its label in colour 0.
void dimension_arc(Program& g, lesson::Anchor from, lesson::Anchor to, float side, float step,
                   const std::string& label) {
    lesson::Arc a;
    a.from = from;
    a.to = to;
    a.height = 1;
    a.colour = 3;
    a.side = side;
    a.step = step;
    a.label = label;
    a.label_colour = 0;
    lesson::draw_arc(g, a);
}

}  // namespace

// Reads nothing; writes the layout cursor, YI2, YI3, X(1..3), Y(1), JJ, II, the cell and arc inputs, the draw width 5; clobbers what DRAW_CELL and the arcs clobber.
void SHOW_FLOWER_BED_REVIEW(Kelvane& g) {
    lesson::reveal(g, {
        [&] {
            lesson::erase_by(g, 0, 0, 1320, 1300);
            g.pf.SETDRAWWIDTH(5);
            lesson::set_cursor(g, 40, 80, 30);
            put(g, g.XI1, g.YI1, 0, "縦3m,横2amの長方形の花壇があります。");
            put(g, g.XI1, g.YI1 + 60, 0, "横を1mだけのばしたときの花壇の面積を求めなさい。");
            g.YI3 = g.YI1 + 120;
            bed(g, "");
            dimension_arc(g, {180, 210}, {180, 420}, 1, 2, "3m");
            dimension_arc(g, {180, 210}, {356, 210}, -1, 1, "2am");
        },
        [&] {
            strip(g, "");
            dimension_arc(g, {356, 210}, {426, 210}, -1, 2, "1m");
        },
        [&] { put(g, g.XI1 + 440, g.YI1 + 60, 5, "<式>"); },
        [&] {
            g.X_a(1) = g.XI1 + 484 + 10;
            g.Y_a(1) = g.YI1 + 60;
            put(g, g.XI1 + 484, g.YI1 + 60, 0, "3(2");
            g.YI2 = g.YI1;
            g.X_a(2) = g.XI2;
            lesson::cont(g, 0, "a+");
            g.X_a(3) = g.XI2 + 10;
            lesson::cont(g, 0, "1)");
        },
        [&] {
            bed(g, "a");
            strip(g, "1");
        },
        [&] { put(g, g.XI1 + 440, g.YI1 + 140, 5, "=6a+3 (m^2)"); },
        [&] { put(g, g.XI1 + 440, g.YI2 + 70, 0, "=3*2a+3*1"); },
        [&] { lesson::distribution_arc(g, {g.X_a(1), g.Y_a(1)}, {g.X_a(2), g.Y_a(1)}, 1, 3); },
        [&] { lesson::distribution_arc(g, {g.X_a(1), g.Y_a(1)}, {g.X_a(3), g.Y_a(1)}, 2, 3); },
        [&] { put(g, g.XI1 + 440, g.YI1 + 150, 3, "分配法則を使う！"); },
    });
}

}  // namespace cw::kelvane4
