// Lesson 5: its entry, goal screen, sub-menu and step ① 例8, the rules screen.
#include "lessons/kelvane/drill_panel.h"
#include "lessons/kelvane/lesson5.h"
#include "lessons/marks.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::kelvane5 {

using lesson::below;
using lesson::put;

// Reads nothing; writes the screen, then what the goal screen and the sub-menu write.
void KELVANE_LESSON_5(Kelvane& g) {
    SHOW_LESSON_GOAL(g);
    SHOW_LESSON5_MENU(g);
}

// Reads nothing; writes XI1 = 44, YI1 = 305, XI2, CCC1 = 0; clobbers X, Y, AA$.
void SHOW_LESSON_GOAL(Kelvane& g) { lesson::goal_screen(g, {"かっこのある式の計算ができるようになろう。"}); }

// Reads AINP; writes SENTAKU, AINP = 10; clobbers what the steps clobber.
void SHOW_LESSON5_MENU(Kelvane& g) {
    lesson::run_submenu(g, "①例8　②問10　③問11　④終了",
                        {[&](Program&) { SHOW_RULES_SCREEN(g); }, [&](Program&) { SHOW_ANSWERS_Q10(g); },
                         [&](Program&) { SHOW_ANSWERS_Q11(g); }},
                        true);
}

// Reads FMAESU; writes HIDARI, MIGI, UE, SITA, NAKA1, the drill panel, the layout cursor, FMAESU, draw width 5; clobbers what RUN_EXAMPLE8_DRILL and DRAW_DIMENSION_ARC clobber.
void SHOW_RULES_SCREEN(Kelvane& g) {
    lesson::open_two_panels(g, kelvane::drill_panels(640, 0));
    put(g, g.XI1, g.YI1, 3, "例8 次の計算をしなさい。");
    g.NAKA1 = g.YI1 + 50;

    kelvane::set_drill_panel(g, {0, g.NAKA1, g.MIGI, g.SITA, g.HIDARI, g.NAKA1});
    RUN_EXAMPLE8_DRILL(g);

    // The three rules under the left panel's last problem, two arcs over the
    // distributive law from its m to its a and to its b.
    below(g, g.XI1, 50, 3, "① 分配法則を利用してかっこをはずす");
    below(g, g.XI1 + 80, 75, 0, "m(a+b)=ma+mb");
    const float m = g.XI1 + 80 + 18;
    g.CCC1 = 0;
    lesson::distribution_arc(g, {m, g.YI1}, {m + 60, g.YI1}, -10, 3);
    lesson::distribution_arc(g, {m, g.YI1}, {m + 108, g.YI1}, -20, 7);
    below(g, g.XI1, 50, 5, " 　負の数をかけるときは符号を変える");
    below(g, g.XI1, 50, 3, "② 項を並べかえる");
    below(g, g.XI1, 50, 3, "③ 同類項をまとめる");
    WAIT_ANY_KEY(g);

    kelvane::set_drill_panel(g, {g.MIGI, g.NAKA1, 3200, g.SITA, g.MIGI, g.NAKA1});
    RUN_EXAMPLE8_DRILL(g);
    WAIT_ANY_KEY(g);

    below(g, g.MIGI + 40, 100, 0, "教科書P16");
    below(g, g.MIGI + 40, 50, 0, "問10,問11　をしなさい。");
}

}  // namespace cw::kelvane5
