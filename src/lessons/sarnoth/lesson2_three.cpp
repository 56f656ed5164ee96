// Lesson 2, steps ① and ②: the sum of three consecutive integers, first
// guessed from examples (the pupil's own among them), then explained with n.
// A row's first number is the key after which it is drawn.
#include "lessons/pages.h"
#include "lessons/sarnoth/cells.h"
#include "lessons/sarnoth/lesson2.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::sarnoth2 {

using namespace lesson;
using namespace sarnoth;

// Step ①.  Reads the typed numbers; writes T(), T$(), V(1), AINP, XI0, XI1, XI2, YI1, the draw width (5);
// clobbers CCC1, X, Y, AA$.
void INVESTIGATE_SUM_OF_THREE(Program& g) {
    investigate(g, {{"Q 3つの続いた整数の和の性質を予想しよう。"}, "① 4+5+6=", "15", "② 11+12+13=", "36"},
                [&] { ASK_SMALLEST_OF_THREE(g); },
                [&] { return g.T_sa(1) + g.T_sa(2) + g.T_sa(3) + "="; },
                [&] { return g.T_sa(4); });
    play_rows(g, {
        aside(0, margin(-60, 440), 7, "予想…3つの続いた整数の和は3の倍数になる。"),
        text(1, margin(70), 3, "予想が正しい理由"),
        text(1, indent(50), 0, "いろいろな場合で調べても、どれも予想が正しいから、いつでも成り立つ。"),
        text(2, margin(70), 3, "この理由は正しいでしょうか？"),
        text(3, indent(50), 7, "すべての場合を調べることはできないから、正しくない。"),
        text(4, margin(70), 3, "すべての場合をまとめて表すにはどうしたらいいだろう？"),
        text(5, indent(50), 7, "文字を使って説明すればよい。"),
    });
}

// Step ②, two pages.  Writes U(1..7), V(1..7), XI0, XI1, XI2, YI1, the draw width (5); clobbers HABA, TATE,
// CCC1..3, A$, X, Y, AA$.  18 keys.
void EXPLAIN_SUM_OF_THREE(Program& g) {
    start_page(g, 1760, 54);
    AnswerCells q1(g.U_a, g.V_a, 9);
    play_fill_in(g, {
        text(0, margin(0), 0, "Q1　3つの続いた整数の和は3の倍数になることを、"),
        text(0, indent(50), 0, "文字を使って説明しなさい。"),
        text(1, indent(60), 3, "＜説明＞"),
        text(1, indent(60), 0, "最も小さい整数をnとすると、連続する3つの整数は、"),
        text(1, indent(60), 3, "n,"),
        q1.blank(1, pen(10), 90, "①"),
        text(1, pen(10), 3, ","),
        q1.blank(1, pen(10), 90, "②"),
        text(1, pen(10), 0, "と表される。したがって、それらの和は"),
        text(1, indent(60), 0, "n+"),
        q1.blank(1, pen(10), 135, "③"),
        text(1, pen(10), 0, "+"),
        q1.blank(1, pen(10), 135, "④"),
        text(1, pen(10), 0, "="),
        q1.blank(1, pen(10), 120, "⑤"),
        text(1, pen(10), 0, "="),
        q1.blank(1, pen(10), 165, "⑥"),
        q1.blank(1, indent(60), 90, "⑦"),
        text(1, pen(10), 0, "は整数だから、3の倍数になる。"),
    }, q1, {"n+1", "n+2", "(n+1)", "(n+2)", "3n+3", "3(n+1)", "n+1"}, true);

    // Q2: one cell without a number, its border 7 until it is filled in.
    play_rows(g, {
        text(0, margin(90), 0, "Q2 説明の 3(n+1) から、ほかの性質を見つけなさい。"),
        text(0, indent(60), 0, "3つの続いた整数の和は、"),
    });
    g.X = g.XI2 + 10;
    g.Y = g.YI1;
    blank_cell(g, q1, 7, 300, "", 7);
    put(g, g.XI2 + 10, g.YI1, 0, "になる。");
    WAIT_ANY_KEY(g);
    fill_cell(g, q1, 7, "真ん中の数の3倍", 9);

    turn_page(g, 1760, 1800);
    set_up_page(g, 54);
    AnswerCells q3(g.U_a, g.V_a, 9);
    play_fill_in(g, {
        text(0, margin(0), 0, "Q3　3つの続いた整数の和は3の倍数になることを、"),
        text(0, indent(50), 0, "中央の整数をnとして説明しなさい。"),
        text(1, indent(60), 3, "＜説明＞"),
        text(1, indent(60), 0, "中央の整数をnとすると、連続する3つの整数は、"),
        q3.blank(1, indent(60), 90, "①"),
        text(1, pen(10), 3, ",n,"),
        q3.blank(1, pen(10), 90, "②"),
        text(1, pen(10), 0, "と表される。したがって、それらの和は"),
        q3.blank(1, indent(60), 135, "③"),
        text(1, pen(10), 0, "+n+"),
        q3.blank(1, pen(10), 135, "④"),
        text(1, pen(10), 0, "="),
        q3.blank(1, pen(10), 120, "⑤"),
        text(1, indent(60), 0, "よって、3の倍数になる。"),
    }, q3, {"n-1", "n+1", "n-1", "n+1", "3n"}, false);
}

}  // namespace cw::sarnoth2
