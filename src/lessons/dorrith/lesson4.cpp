// Lesson 4: the entry with its goal screen and sub-menu, and step ①, the
// worked example -4xy×6x÷(-3y) = 8x^2 with its cancellation strokes.
#include "lessons/dorrith/lesson4.h"

#include "lessons/strokes.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::dorrith4 {

using lesson::Keep;
using lesson::put;

// Reads nothing; writes the screen, XI1, XI2, YI1, SENTAKU, AINP; clobbers what the steps clobber.
void RUN_LESSON4(Dorrith& g) {
    SHOW_LESSON_GOAL(g);
    lesson::run_submenu(g, "①課題1　②部分練習　　③練習　④問5,6　⑤終了",
                        {[&](Program&) { SHOW_WORKED_EXAMPLE(g); }, RUN_PARTIAL_PRACTICE,
                         [&](Program&) { run_practice(g); }, SHOW_ANSWERS_Q5_Q6},
                        true);
}

// Reads nothing; writes the screen, XI1, XI2, YI1, CCC1, X, Y, AA$; clobbers what DRAW_EXPRESSION_TEXT clobbers.
void SHOW_LESSON_GOAL(Program& g) {
    lesson::goal_screen(g, {"乗除の混じった計算や３つ以上の除法の計算の仕方を考えよう。"});
}

namespace {

// A note of the right-hand column: 60 below the last one, at XI1 + dx; YI2 follows it.
void note(Dorrith& g, float dx, const std::string& text) {
    put(g, g.XI1 + dx, g.YI2 + 60, 3, text, Keep::None);
    g.YI2 = g.Y;
}

}  // namespace

// Reads nothing; writes the screen (width 5), XI1, XI2, YI1, YI2, X(0..3), X(11..12), Y(0..3), Y(11..12);
// clobbers what DRAW_EXPRESSION_TEXT and WAIT_ANY_KEY clobber.
void SHOW_WORKED_EXAMPLE(Dorrith& g) {
    lesson::erase(g, 0, 0, 1760, 1300);
    g.XI1 = 44;
    g.YI1 = 30;
    g.pf.SETDRAWWIDTH(5);

    put(g, g.XI1, g.YI1, 0, "課題１　次の計算をしなさい。");
    put(g, g.XI1 + 88, g.YI1 + 70, 0, "-4xy*6x/(-3y)");
    g.YI2 = g.YI1;
    WAIT_ANY_KEY(g);

    note(g, 484, "①　符号を決める。");
    note(g, 484, "②　分数の形になおす。");
    WAIT_ANY_KEY(g);

    put(g, g.XI1 + 44, g.YI1 + 120, 0, "=ﾀ4xy*6x/3yﾀ");
    WAIT_ANY_KEY(g);

    note(g, 572, "最初の項と*の項は分子");
    note(g, 572, "/の項は分母");
    WAIT_ANY_KEY(g);

    put(g, g.XI1 + 484, g.YI2 + 60, 3, "③　約分する。", Keep::None);
    WAIT_ANY_KEY(g);

    put(g, g.XI1 + 44, g.YI1 + 120, 0, "=");
    g.YI2 = g.YI1;
    g.X_a(0) = g.XI2;
    g.Y_a(0) = g.YI1;
    const lesson::FractionAnchors f = lesson::put_fraction(g, g.X_a(0), g.Y_a(0), 0, "ﾀ4*x*y*6*x/3*yﾀ");
    g.X_a(1) = g.X_a(0) + f.tbsi1;
    g.X_a(2) = g.X_a(1) + 70;  // the numerator's x: one digit (32) and one × (38) in
    g.Y_a(2) = f.bsen - 36;
    g.X_a(3) = g.X_a(2) + 140;  // its 6: two letters and two × further
    g.Y_a(3) = f.bsen - 36;
    g.X_a(11) = g.X_a(0) + f.tbbo1;
    g.Y_a(11) = f.bsen + 4;
    g.X_a(12) = g.X_a(11) + 70;  // the denominator's y
    g.Y_a(12) = f.bsen + 4;
    WAIT_ANY_KEY(g);

    lesson::strike_factor(g, 3);
    lesson::strike_factor(g, 11);
    lesson::value_above(g, 3, "2");
    lesson::value_below(g, 11, "1");
    lesson::strike_factor(g, lesson::kept_anchor(g, 2).right(64), 1);  // the numerator's second x
    lesson::strike_factor(g, 12);
    WAIT_ANY_KEY(g);

    put(g, g.XI1 + 44, g.YI1 + 110, 5, "=8x^2");
    g.YI2 = g.YI1;
}

}  // namespace cw::dorrith4
