// Lesson 2, steps ⑥ to ⑩: the calendar investigations.  Numbers framed on a
// month calendar, the property of their sum, and its explanation with n.
#include "lessons/calendar.h"
#include "lessons/sarnoth/lesson2.h"
#include "lessons/script.h"
#include "lessons/toolkit.h"

namespace cw::sarnoth2 {

using lesson::Frag;
using namespace lesson::frag;

namespace {

// The calendar at (x, y), its tables filled first unless they already are.
void calendar_at(Program& g, float x, float y, bool fill_tables = true) {
    if (fill_tables) lesson::FILL_CALENDAR_TABLES(g);
    g.X_a(31) = x;
    g.Y_a(31) = y;
    lesson::DRAW_CALENDAR(g);
}

// The calendar's own frames and highlighted days, placed from its origin (x0, y0).
Frag frame_at(float dx, float dy, float w, float h, float c) {
    return act([=](Program& g) { lesson::frame(g, g.X_a(31) + dx, g.Y_a(31) + dy, w, h, c); });
}
// The days 8, 14 and 20, running down to the left, drawn again with border 3 on fill 11.
Frag diagonal_8_14_20() {
    return act([](Program& g) {
        lesson::highlight_day(g, 5, 2, 3, 11);
        lesson::highlight_day(g, 4, 3, 3, 11);
        lesson::highlight_day(g, 3, 4, 3, 11);
    });
}
// A label beside a group on the calendar; the cursor stays where it was.
Frag calendar_label(float dx, float dy, float c, const char* text) {
    return act([=](Program& g) { lesson::put(g, g.X_a(31) + dx, g.Y_a(31) + dy, c, text, lesson::Keep::None); });
}

// The 2 x 2 squares of step ⑨: 135 x 100, from the corner given.
Frag square_a() { return frame_at(0, 100, 135, 100, 3); }
Frag square_b() { return frame_at(145, 100, 135, 100, 7); }
Frag square_c() { return frame_at(285, 50, 135, 100, 5); }

}  // namespace

// Step ⑥.  Writes the calendar tables, X(31), Y(31), XI0, XI1, XI2, YI1, the draw width (5); clobbers HABA,
// TATE, CCC1..3, A$, X, Y, AA$, II.  10 keys.
void SHOW_CALENDAR_FRAMES(Program& g) {
    lesson::erase_by(g, 0, 0, 1600, 1800);
    lesson::FILL_CALENDAR_TABLES(g);
    lesson::cursor(g, 40, 94, 30);
    g.pf.SETDRAWWIDTH(5);
    lesson::put(g, 40, 30, 3, "囲んだカレンダーの数の和の性質は？");
    calendar_at(g, 722, 70, false);
    lesson::play(g, {
        wait(),
        frame_at(0, 100, 210, 50, 3), calendar_label(0, 50, 3, "①"),
        line(40, 60, 3, "①"), wait(), cont(0, "3の倍数"), wait(), cont(0, " (真ん中の数の3倍)"), wait(),
        frame_at(420, 50, 70, 150, 7), calendar_label(410, 0, 7, "②"),
        line(40, 60, 7, "②"), wait(), cont(0, "3の倍数"), wait(), cont(0, " (真ん中の数の3倍)"), wait(),
        diagonal_8_14_20(), calendar_label(250, 50, 3, "③"),
        line(40, 60, 3, "③"), wait(), cont(0, "3の倍数"), wait(), cont(0, " (真ん中の数の3倍)"), wait(),
        line(94, 80, 7, "②,③を文字を使って説明しよう。"),
    });
}

// Step ⑩.  Writes the calendar tables, X(31), Y(31), XI0, XI1, XI2, YI1, the draw width (5); clobbers HABA,
// TATE, CCC1..3, A$, X, Y, AA$, II.  No key.
void SHOW_CALENDAR_FREE(Program& g) {
    lesson::erase_by(g, 0, 0, 1600, 1800);
    calendar_at(g, 722, 70);
    lesson::cursor(g, 40, 94, 30);
    g.pf.SETDRAWWIDTH(5);
    lesson::put(g, 40, 30, 3, "囲んだカレンダーの数の和の性質を見つけよう。");
}

namespace {

// Steps ⑦ and ⑧: the calendar 20 higher, the three days marked, the fact, and its proof with seven cells.
void explain_three_days(Program& g, const Frag& mark, const std::vector<Frag>& fact,
                        const std::vector<std::string>& answers) {
    lesson::erase_by(g, 0, 0, 1600, 1800);
    lesson::cursor(g, 40, 40, 30);
    g.pf.SETDRAWWIDTH(5);
    calendar_at(g, 722, 50);
    lesson::play(g, {mark});
    lesson::play(g, fact);
    lesson::AnswerCells cells{g.U_a, g.V_a, 9};
    lesson::play(g, {
        wait(),
        line(40, 60, 3, "＜説明＞"),
        line(40, 60, 0, "一番上の整数をnとすると、"),
        line(40, 60, 0, "3つの整数は、"),
        line(40, 60, 3, "n,"), cell(90, "①"), follow(3, ","), cell(120, "②"),
        line(40, 60, 0, "と表される。したがって、それらの和は"),
        line(40, 60, 0, "n+"), cell(150, "③"), follow(0, "+"), cell(165, "④"), follow(0, "="), cell(150, "⑤"),
        follow(0, "="), cell(165, "⑥"),
        cell_line(40, 60, 90, "⑦"), follow(0, "は整数だから、3の倍数になる。"), wait(),
    }, &cells);
    lesson::fill_cells(g, cells, answers, false);
}

}  // namespace

// Step ⑦.  Writes the calendar tables, X(31), Y(31), U(1..7), V(1..7), XI0, XI1, XI2, YI1, the draw width
// (5); clobbers HABA, TATE, CCC1..3, A$, X, Y, AA$, II.  8 keys.
void EXPLAIN_CALENDAR_VERTICAL(Program& g) {
    explain_three_days(g, frame_at(420, 50, 70, 150, 7), {at(40, 30, 0, "縦に3つ囲んだ数の和は、3の倍数になる。")},
                       {"n+7", "n+14", "(n+7)", "(n+14)", "3n+21", "3(n+7)", "n+7"});
}

// Step ⑧.  Reads and writes what step ⑦ does; the days 8, 14, 20 highlighted in place of a frame.
void EXPLAIN_CALENDAR_DIAGONAL(Program& g) {
    explain_three_days(g, diagonal_8_14_20(),
                       {at(40, 30, 0, "左斜めに3つ囲んだ数の和は、"), line(40, 50, 0, "3の倍数になる。")},
                       {"n+6", "n+12", "(n+6)", "(n+12)", "3n+18", "3(n+6)", "n+6"});
}

// Step ⑨, two pages.  Writes the calendar tables, X(31), Y(31), U(1..9), V(1..9), XI0, XI1, XI2, YI1, the
// draw width (5); clobbers HABA, TATE, CCC1..3, A$, X, Y, AA$, II.  23 keys (13 + 10).
void TEST_CALENDAR_SQUARE(Program& g) {
    lesson::erase_by(g, 0, 0, 1600, 1800);
    calendar_at(g, 722, 70);  // in the width the previous step left
    lesson::cursor(g, 40, 94, 30);
    g.pf.SETDRAWWIDTH(5);
    lesson::play(g, {
        at(40, 30, 0, "次の予想は正しいでしょうか？"),
        square_a(), square_b(), wait(),
        line(94, 60, 3, "4+5+11+12="), wait(), cont(3, "32"), wait(),
        line(94, 60, 7, "6+7+13+14="), wait(), cont(7, "40"), wait(),
        line(40, 60, 0, "<予想>"),
        line(94, 50, 0, "縦2つ、横2つの正方形で囲みました。"),
        line(94, 50, 0, "正方形で囲んだとき、"), wait(),
        line(94, 50, 0, "4つの数の和は、8の倍数になる。"), wait(),
        line(40, 60, 3, "正しくない。 "), wait(),
        square_c(), cont(0, "1+2+8+9="), wait(),
        cont(3, "20  "), wait(),
        cont(7, "4の倍数になる。"), wait(),
        line(94, 80, 7, "このことを文字を使って説明しよう。"), wait(), wait(),
    });

    lesson::erase_by(g, 0, 0, 1760, 1800);
    lesson::cursor(g, 40, 94, 30);
    g.pf.SETDRAWWIDTH(5);
    calendar_at(g, 722, 70, false);
    lesson::AnswerCells cells{g.U_a, g.V_a, 9};
    lesson::play(g, {
        square_c(),
        at(40, 30, 0, "正方形で囲んだ4つの数の和は4の倍数になる。"),
        line(40, 50, 0, "最も小さい整数をnとして説明しなさい。"), wait(),
        line(94, 60, 3, "＜説明＞"),
        line(94, 60, 0, "最も小さい整数をnとすると、"),
        line(94, 60, 0, "4つの整数は、"),
        line(94, 60, 3, "n,"), cell(90, "①"), follow(3, ","), cell(90, "②"), follow(3, ","), cell(90, "③"),
        line(94, 60, 0, "と表されるから、それらの和は"),
        line(94, 60, 0, "n+"), cell(150, "④"), follow(0, "+"), cell(150, "⑤"), follow(0, "+"), cell(150, "⑥"),
        follow(0, "="), cell(150, "⑦"), follow(0, "="), cell(180, "⑧"),
        cell_line(94, 60, 90, "⑨"), follow(0, "は整数だから、4の倍数になる。"), wait(),
    }, &cells);
    lesson::fill_cells(g, cells, {"n+1", "n+7", "n+8", "(n+1)", "(n+7)", "(n+8)", "4n+16", "4(n+4)", "n+4"},
                       false);
}

}  // namespace cw::sarnoth2
