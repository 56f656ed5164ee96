// Lesson 2, step ③: the sum of five consecutive integers, guessed from
// examples (the pupil's own among them), then explained with n.
#include "lessons/sarnoth/lesson2.h"
#include "lessons/script.h"
#include "lessons/toolkit.h"

namespace cw::sarnoth2 {

using namespace lesson::frag;

// Step ③, two pages.  Reads the typed numbers; writes T(), T$(), U(1..9), V(1..9), AINP, XI0, XI1, XI2, YI1,
// the draw width (5); clobbers HABA, TATE, CCC1..3, A$, X, Y, AA$.
void INVESTIGATE_SUM_OF_FIVE(Program& g) {
    investigate(g, {{"Q4 5つの続いた整数の和の性質を予想しよう。"}, "① 4+5+6+7+8=", "30", "② 11+12+13+14+15=", "65"},
                [&] { ASK_SMALLEST_OF_FIVE(g); },
                [&] { return g.T_sa(1) + g.T_sa(2) + g.T_sa(3) + g.T_sa(4) + g.T_sa(5) + "="; },
                [&] { return g.T_sa(6); });
    lesson::play(g, {
        line(40, 70, 7, "<予想>"), wait(),
        line(67, 50, 3, "5つの続いた整数の和は5の倍数になる。"), wait(),
        line(67, 50, 3, "5つの続いた整数の和は真ん中の数の5倍になる。"), wait(),
        line(67, 50, 7, "文字を使って説明しよう。"), wait(), wait(),
    });

    start_page(g, 1760, 54);
    lesson::AnswerCells cells{g.U_a, g.V_a, 9};
    lesson::play(g, {
        at(40, 30, 0, "Q4　5つの続いた整数の和は5の倍数になることを、"),
        line(94, 50, 0, "中央の整数をnとして説明しなさい。"), wait(),
        line(94, 60, 3, "＜説明＞"),
        line(94, 60, 0, "中央の整数をnとすると、連続する5つの整数は、"),
        cell_line(94, 60, 90, "①"), follow(3, ","), cell(90, "②"), follow(3, ",n,"), cell(90, "③"),
        follow(3, ","), cell(90, "④"), follow(0, "と表される。"),
        line(94, 60, 0, "したがって、それらの和は"),
        cell_line(94, 60, 90, "⑤"), follow(0, "+"), cell(90, "⑥"), follow(0, "+n+"), cell(90, "⑦"),
        follow(0, "+"), cell(90, "⑧"), follow(0, "="), cell(90, "⑨"),
        line(94, 60, 0, "よって、5の倍数になる。"), wait(),
    }, &cells);
    lesson::fill_cells(g, cells, {"n-2", "n-1", "n+1", "n+2", "n-2", "n-1", "n+1", "n+2", "5n"}, false);
}

}  // namespace cw::sarnoth2
