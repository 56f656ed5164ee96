// Lesson 6: its entry, goal screen, sub-menu and step ① 解き方１, the worked
// example 1/3(2x+y)-1/6(x-5y) with fraction coefficients.
#include "lessons/kelvane/lesson6.h"
#include "lessons/marks.h"
#include "lessons/pages.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::kelvane6 {

using lesson::Keep;
using lesson::put;

// Reads nothing; writes the screen, then what the goal screen and the sub-menu write.
void KELVANE_LESSON_6(Kelvane& g) {
    SHOW_LESSON_GOAL(g);
    SHOW_LESSON6_MENU(g);
}

// Reads nothing; writes XI1 = 44, YI1 = 305, XI2, CCC1 = 0; clobbers X, Y, AA$.
void SHOW_LESSON_GOAL(Kelvane& g) { lesson::goal_screen(g, {"分数をふくむ式の計算ができるようになろう。"}); }

// Reads AINP; writes SENTAKU, AINP = 10; clobbers what the steps clobber.
void SHOW_LESSON6_MENU(Kelvane& g) {
    lesson::run_submenu(g, "①解き方１（分数係数）　②分数表現　③解き方２ ④問12　⑤終了",
                        {[&](Program&) { SHOW_WORKED_EXAMPLE1(g); }, [&](Program&) { SHOW_NOTATION_QUESTION(g); },
                         [&](Program&) { SHOW_METHOD2_SCREEN(g); }, [&](Program&) { SHOW_ANSWERS_Q12(g); }},
                        true);
}

namespace {

// The problem line's six fragments and the anchor each records where it
// begins: X(i) = pen x + anchor_dx.  The coefficients' anchors 1 and 4 take
// Y(1), 12 above the line; the terms' anchors take Y(2), the line.
struct ProblemFragment {
    const char* text;
    float anchor_dx;
};
const ProblemFragment kProblem[] = {
    {"ﾀ1/3ﾀ(2", 10}, {"x+", 0}, {"y)-", 10}, {"ﾀ1/6ﾀ(", 0}, {"x-5", 10}, {"y)", 0},
};

// The arc from a coefficient's anchor to a term's anchor, above the line.
void arc(Kelvane& g, int coefficient, int term, float height) {
    lesson::distribution_arc(g, {g.X_a(coefficient), g.Y_a(1)}, {g.X_a(term), g.Y_a(2)}, height, 3);
}

// A stage label at x 612 on the line it acts upon; the cursor does not move.
void stage_label(Kelvane& g, float y, const std::string& text) { put(g, 612, y, 7, text, Keep::None); }

}  // namespace

// Reads YI (the page's top is YI + 9); writes XI1, XI2, YI1, X(1..6), Y(1..2), draw width 5; clobbers CCC1, X, Y, AA$ and what DRAW_DIMENSION_ARC and WAIT_ANY_KEY clobber.
void SHOW_WORKED_EXAMPLE1(Kelvane& g) {
    const float top = g.YI + 9;
    lesson::erase_by(g, 0, 0, 1320, 1300);
    g.pf.SETDRAWWIDTH(5);
    g.XI1 = 72;
    g.YI1 = top;
    put(g, 72, top, 3, "例9　次の計算をしなさい。");

    g.XI2 = g.XI1 + 36;
    g.YI1 = top + 85;
    g.Y_a(1) = top + 85 - 12;
    g.Y_a(2) = top + 85;
    for (int i = 1; i <= 6; ++i) {
        const ProblemFragment& f = kProblem[i - 1];
        g.X_a(i) = g.XI2 + f.anchor_dx;
        lesson::cont(g, 0, f.text);
    }

    WAIT_ANY_KEY(g);
    stage_label(g, top + 85, "①かっこをはずす");
    WAIT_ANY_KEY(g);
    arc(g, 1, 2, -10);
    WAIT_ANY_KEY(g);
    arc(g, 1, 3, -20);
    WAIT_ANY_KEY(g);
    put(g, 72, top + 160, 0, "=ﾀ2/3ﾀx+ﾀ1/3ﾀy");
    WAIT_ANY_KEY(g);
    arc(g, 4, 5, -10);
    WAIT_ANY_KEY(g);
    arc(g, 4, 6, -20);
    WAIT_ANY_KEY(g);
    lesson::cont(g, 0, "-ﾀ1/6ﾀx+ﾀ5/6ﾀy");

    // Keys 8 to 15: each stage's label on the line it acts upon, then the line it gives.
    using lesson::aside;
    using lesson::screen;
    using lesson::text;
    lesson::play_rows(g, {
                             aside(1, screen(612, top + 160), 7, "②通分する"),
                             text(2, screen(72, top + 245), 0, "=ﾀ4/6ﾀx+ﾀ2/6ﾀy-ﾀ1/6ﾀx+ﾀ5/6ﾀy"),
                             aside(3, screen(612, top + 245), 7, "③項を並べかえる"),
                             text(4, screen(72, top + 330), 0, "=ﾀ4/6ﾀx-ﾀ1/6ﾀx+ﾀ2/6ﾀy+ﾀ5/6ﾀy"),
                             aside(5, screen(612, top + 330), 7, "④同類項をまとめる"),
                             text(6, screen(72, top + 415), 0, "=ﾀ3/6ﾀx+ﾀ7/6ﾀy"),
                             aside(7, screen(612, top + 415), 7, "⑤約分する"),
                             text(8, screen(72, top + 500), 5, "=ﾀ1/2ﾀx+ﾀ7/6ﾀy"),
                         });
}

}  // namespace cw::kelvane6
