// Lesson 2, step ③: the sum of five consecutive integers, guessed from
// examples (the pupil's own among them), then explained with n.  A row's
// first number is the key after which it is drawn.
#include "lessons/pages.h"
#include "lessons/sarnoth/cells.h"
#include "lessons/sarnoth/lesson2.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::sarnoth2 {

using namespace lesson;
using namespace sarnoth;

// Step ③, two pages.  Reads the typed numbers; writes T(), T$(), U(1..9), V(1..9), AINP, XI0, XI1, XI2, YI1,
// the draw width (5); clobbers HABA, TATE, CCC1..3, A$, X, Y, AA$.
void INVESTIGATE_SUM_OF_FIVE(Program& g) {
    investigate(g, {{"Q4 5つの続いた整数の和の性質を予想しよう。"}, "① 4+5+6+7+8=", "30", "② 11+12+13+14+15=", "65"},
                [&] { ASK_SMALLEST_OF_FIVE(g); },
                [&] { return g.T_sa(1) + g.T_sa(2) + g.T_sa(3) + g.T_sa(4) + g.T_sa(5) + "="; },
                [&] { return g.T_sa(6); });
    play_rows(g, {
        text(0, margin(70), 7, "<予想>"),
        text(1, indent(50), 3, "5つの続いた整数の和は5の倍数になる。"),
        text(2, indent(50), 3, "5つの続いた整数の和は真ん中の数の5倍になる。"),
        text(3, indent(50), 7, "文字を使って説明しよう。"),
    });

    turn_page(g, 1760, 1800);
    set_up_page(g, 54);
    AnswerCells cells(g.U_a, g.V_a, 9);
    play_fill_in(g, {
        text(0, margin(0), 0, "Q4　5つの続いた整数の和は5の倍数になることを、"),
        text(0, indent(50), 0, "中央の整数をnとして説明しなさい。"),
        text(1, indent(60), 3, "＜説明＞"),
        text(1, indent(60), 0, "中央の整数をnとすると、連続する5つの整数は、"),
        cells.blank(1, indent(60), 90, "①"),
        text(1, pen(10), 3, ","),
        cells.blank(1, pen(10), 90, "②"),
        text(1, pen(10), 3, ",n,"),
        cells.blank(1, pen(10), 90, "③"),
        text(1, pen(10), 3, ","),
        cells.blank(1, pen(10), 90, "④"),
        text(1, pen(10), 0, "と表される。"),
        text(1, indent(60), 0, "したがって、それらの和は"),
        cells.blank(1, indent(60), 90, "⑤"),
        text(1, pen(10), 0, "+"),
        cells.blank(1, pen(10), 90, "⑥"),
        text(1, pen(10), 0, "+n+"),
        cells.blank(1, pen(10), 90, "⑦"),
        text(1, pen(10), 0, "+"),
        cells.blank(1, pen(10), 90, "⑧"),
        text(1, pen(10), 0, "="),
        cells.blank(1, pen(10), 90, "⑨"),
        text(1, indent(60), 0, "よって、5の倍数になる。"),
    }, cells, {"n-2", "n-1", "n+1", "n+2", "n-2", "n-1", "n+1", "n+2", "5n"}, false);
}

}  // namespace cw::sarnoth2
