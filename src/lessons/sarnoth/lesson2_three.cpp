// Lesson 2, steps ① and ②: the sum of three consecutive integers, first
// guessed from examples (the pupil's own among them), then explained with n.
#include "lessons/sarnoth/lesson2.h"
#include "lessons/script.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::sarnoth2 {

using namespace lesson::frag;

// Step ①.  Reads the typed numbers; writes T(), T$(), V(1), AINP, XI0, XI1, XI2, YI1, the draw width (5);
// clobbers CCC1, X, Y, AA$.
void INVESTIGATE_SUM_OF_THREE(Program& g) {
    investigate(g, {{"Q 3つの続いた整数の和の性質を予想しよう。"}, "① 4+5+6=", "15", "② 11+12+13=", "36"},
                [&] { ASK_SMALLEST_OF_THREE(g); },
                [&] { return g.T_sa(1) + g.T_sa(2) + g.T_sa(3) + "="; },
                [&] { return g.T_sa(4); });
    lesson::play(g, {
        label(g.XI0 + 440, g.V_a(1) - 60, 7, "予想…3つの続いた整数の和は3の倍数になる。"), wait(),
        line(g.XI0, 70, 3, "予想が正しい理由"),
        line(g.XI1, 50, 0, "いろいろな場合で調べても、どれも予想が正しいから、いつでも成り立つ。"), wait(),
        line(g.XI0, 70, 3, "この理由は正しいでしょうか？"), wait(),
        line(g.XI1, 50, 7, "すべての場合を調べることはできないから、正しくない。"), wait(),
        line(g.XI0, 70, 3, "すべての場合をまとめて表すにはどうしたらいいだろう？"), wait(),
        line(g.XI1, 50, 7, "文字を使って説明すればよい。"),
    });
}

// Step ②, two pages.  Writes U(1..7), V(1..7), XI0, XI1, XI2, YI1, the draw width (5); clobbers HABA, TATE,
// CCC1..3, A$, X, Y, AA$.  18 keys.
void EXPLAIN_SUM_OF_THREE(Program& g) {
    start_page(g, 1760, 54);
    lesson::AnswerCells q1{g.U_a, g.V_a, 9};
    lesson::play(g, {
        at(40, 30, 0, "Q1　3つの続いた整数の和は3の倍数になることを、"),
        line(94, 50, 0, "文字を使って説明しなさい。"), wait(),
        line(94, 60, 3, "＜説明＞"),
        line(94, 60, 0, "最も小さい整数をnとすると、連続する3つの整数は、"),
        line(94, 60, 3, "n,"), cell(90, "①"), follow(3, ","), cell(90, "②"),
        follow(0, "と表される。したがって、それらの和は"),
        line(94, 60, 0, "n+"), cell(135, "③"), follow(0, "+"), cell(135, "④"), follow(0, "="), cell(120, "⑤"),
        follow(0, "="), cell(165, "⑥"),
        cell_line(94, 60, 90, "⑦"), follow(0, "は整数だから、3の倍数になる。"), wait(),
    }, &q1);
    lesson::fill_cells(g, q1, {"n+1", "n+2", "(n+1)", "(n+2)", "3n+3", "3(n+1)", "n+1"}, true);

    // Q2: one cell without a number, its border 7 until it is filled in.
    lesson::play(g, {
        line(40, 90, 0, "Q2 説明の 3(n+1) から、ほかの性質を見つけなさい。"),
        line(94, 60, 0, "3つの続いた整数の和は、"),
    });
    g.X = g.XI2 + 10;
    g.Y = g.YI1;
    lesson::blank_cell(g, q1, 7, 300, "", 7);
    lesson::play(g, {follow(0, "になる。"), wait()});
    lesson::fill_cell(g, q1, 7, "真ん中の数の3倍", 9);
    lesson::play(g, {wait(), wait()});

    start_page(g, 1760, 54);
    lesson::AnswerCells q3{g.U_a, g.V_a, 9};
    lesson::play(g, {
        at(40, 30, 0, "Q3　3つの続いた整数の和は3の倍数になることを、"),
        line(94, 50, 0, "中央の整数をnとして説明しなさい。"), wait(),
        line(94, 60, 3, "＜説明＞"),
        line(94, 60, 0, "中央の整数をnとすると、連続する3つの整数は、"),
        cell_line(94, 60, 90, "①"), follow(3, ",n,"), cell(90, "②"),
        follow(0, "と表される。したがって、それらの和は"),
        cell_line(94, 60, 135, "③"), follow(0, "+n+"), cell(135, "④"), follow(0, "="), cell(120, "⑤"),
        line(94, 60, 0, "よって、3の倍数になる。"), wait(),
    }, &q3);
    lesson::fill_cells(g, q3, {"n-1", "n+1", "n-1", "n+1", "3n"}, false);
}

}  // namespace cw::sarnoth2
